#include "tools/gallery/ListComponents.h"

#include "platform/binding/ComponentPalette.h"
#include "platform/controls/TWinControl.h"

#include <ostream>

void ListComponents(const TCustomForm& Form, std::ostream& Out) {
    for (int i = 0; i < Form.ComponentCount(); ++i) {
        const TComponent* component = Form.Components(i);
        const auto* control = dynamic_cast<const TControl*>(component);
        if (control == nullptr || component->Name().empty()) {
            continue;
        }
        int left = control->Left(), top = control->Top();
        for (const TWinControl* parent = control->Parent(); parent != nullptr && parent != &Form;
             parent = parent->Parent()) {
            left += parent->Left();
            top += parent->Top();
        }
        // A class on no palette page (the platform's own controls) shows "-" for its page.
        const std::string page = PalettePageOf(component->ClassName());
        Out << component->Name() << ' ' << component->ClassName() << ' '
            << (page.empty() ? "-" : page) << ' ' << left << ' ' << top << ' ' << control->Width()
            << ' ' << control->Height() << '\n';
    }
    Out.flush();
}
