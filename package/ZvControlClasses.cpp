#include "package/ZvControlClasses.h"

#include "package/ZvControl.h"
#include "package/ZvCustomControl.h"
#include "package/ZvFourStateAppearance.h"
#include "package/ZvFourStateFontColor.h"
#include "package/ZvThreeStateFontColor.h"
#include "platform/graphics/TBitmap.h"

#include <memory>

namespace {

using BitmapGetter = TBitmap* (ZvFourStateAppearance::*)() const;

// The bitmap data of one picture of a four-state appearance, read into the state bitmap the
// getter reaches.
auto BitmapData(BitmapGetter get) {
    return [get](ZvFourStateAppearance& appearance, const FormValue& value, int line,
                 const std::string& what) {
        std::unique_ptr<TBitmap> bitmap = ToBitmap(value, what, line);
        BindingContext::AtLine(line, [&] { (appearance.*get)()->Assign(bitmap.get()); });
    };
}

void Publish(ClassRegistry& r) {
    r.RegisterBase<ZvControl>("ZvControl", "TWinControl");
    r.RegisterBase<ZvCustomControl>("ZvCustomControl", "ZvControl")
        .Color("TransparentColor", &ZvCustomControl::SetTransparentColor)
        .Boolean("Transparent", &ZvCustomControl::SetTransparent);

    r.RegisterBase<ZvCtrlAppearance>("ZvCtrlAppearance");
    r.RegisterBase<ZvFourStateAppearance>("ZvFourStateAppearance", "ZvCtrlAppearance")
        .Custom("RaisedBmp.Data", BitmapData(&ZvFourStateAppearance::GetRaisedBmp))
        .Custom("SunkenBmp.Data", BitmapData(&ZvFourStateAppearance::GetSunkenBmp))
        .Custom("FocusedBmp.Data", BitmapData(&ZvFourStateAppearance::GetFocusedBmp))
        .Custom("DisabledBmp.Data", BitmapData(&ZvFourStateAppearance::GetDisabledBmp));

    r.RegisterBase<ZvCtrlFontColor>("ZvCtrlFontColor");
    r.RegisterBase<ZvThreeStateFontColor>("ZvThreeStateFontColor", "ZvCtrlFontColor")
        .Color("Sunken", &ZvThreeStateFontColor::SetSunken)
        .Color("Focused", &ZvThreeStateFontColor::SetFocused)
        .Color("Disabled", &ZvThreeStateFontColor::SetDisabled);
    r.RegisterBase<ZvFourStateFontColor>("ZvFourStateFontColor", "ZvCtrlFontColor")
        .Color("Raised", &ZvFourStateFontColor::SetRaised)
        .Color("Sunken", &ZvFourStateFontColor::SetSunken)
        .Color("Focused", &ZvFourStateFontColor::SetFocused)
        .Color("Disabled", &ZvFourStateFontColor::SetDisabled);
}

} // namespace

void PublishZvControlClasses() {
    static const bool published = (Publish(ClassRegistry::Instance()), true);
    (void)published;
}
