// Feeds arbitrary bytes to the form resource reader and binds what it reads onto a form, once
// for running and once for design, with the standard controls and every component of the
// package known by name. A class library exception is the only acceptable failure; anything
// else, a crash or a leak is a bug.
#include "package/ZvComponents.h"
#include "platform/binding/FormClassInfo.h"
#include "platform/binding/FormReader.h"
#include "platform/controls/TCustomForm.h"
#include "platform/controls/TLabel.h"
#include "platform/core/Exception.h"
#include "platform/window/MessageLoop.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

class TFuzzForm : public TForm {
public:
    HUSHWAVE_CLASS_NAME(TFuzzForm)
    using TForm::TForm;

    static const FormClassInfo& Published() {
        static const FormClassInfo info = FormClassInfo::Of<TFuzzForm>("TForm")
                                              .Field("Label1", &TFuzzForm::Label1)
                                              .Method("Clicked", &TFuzzForm::Clicked)
                                              .Method("Pressed", &TFuzzForm::Pressed);
        return info;
    }
    void Clicked(TObject*) {}
    void Pressed(TObject*, TMouseButton, TShiftState, int, int) {}

    TLabel* Label1 = nullptr;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RegisterZvComponents();
    for (FormReadMode mode : {FormReadMode::Run, FormReadMode::Design}) {
        {
            TFuzzForm form(nullptr);
            try {
                ReadFormResource(form, TFuzzForm::Published(),
                                 std::string_view(reinterpret_cast<const char*>(data), size), mode);
            } catch (const Exception&) {
            }
        }
        MessageLoop::Instance().Reset();
    }
    return 0;
}
