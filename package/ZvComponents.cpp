#include "package/ZvComponents.h"

#include "package/ZvButtonTx.h"
#include "package/ZvCheckBoxTx.h"
#include "package/ZvNumLed.h"
#include "package/ZvPanel.h"
#include "package/ZvRadioButtonTx.h"

void RegisterZvComponents() {
    ZvButton::Register();
    ZvCheckBox::Register();
    ZvRadioButton::Register();
    ZvPanel::Register();
    ZvNumLed::Register();
    ZvButtonTx::Register();
    ZvCheckBoxTx::Register();
    ZvRadioButtonTx::Register();
}
