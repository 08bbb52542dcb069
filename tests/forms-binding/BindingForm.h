#pragma once
// A form class for the binding tests: fields for some components, handler methods of several
// signatures, and a record of the handlers that ran.

#include "platform/binding/FormClassInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TCustomForm.h"
#include "platform/controls/TPopupMenu.h"

#include <string>
#include <vector>

class TBindingForm : public TForm {
public:
    HUSHWAVE_CLASS_NAME(TBindingForm)

    explicit TBindingForm(TComponent* Owner) : TForm(Owner) {}

    static const FormClassInfo& Published() {
        static const FormClassInfo info = FormClassInfo::Of<TBindingForm>("TForm")
                                              .Field("Button1", &TBindingForm::Button1)
                                              .Field("lbTitle", &TBindingForm::lbTitle)
                                              .Field("Menu1", &TBindingForm::Menu1)
                                              .Method("FormShow", &TBindingForm::FormShow)
                                              .Method("AnyClick", &TBindingForm::AnyClick)
                                              .Method("AnyMouseDown", &TBindingForm::AnyMouseDown);
        return info;
    }

    void FormShow(TObject*) { handled.push_back("FormShow"); }
    void AnyClick(TObject* Sender) {
        handled.push_back("AnyClick " + dynamic_cast<TComponent*>(Sender)->Name());
    }
    void AnyMouseDown(TObject*, TMouseButton, TShiftState, int X, int Y) {
        handled.push_back("AnyMouseDown " + std::to_string(X) + "," + std::to_string(Y));
    }

    TButton* Button1 = nullptr;
    TLabel* lbTitle = nullptr;
    TPopupMenu* Menu1 = nullptr;
    std::vector<std::string> handled;
};
