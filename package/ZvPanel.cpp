#include "package/ZvPanel.h"

#include "kiln/Graphics/WinRegion.h"
#include "platform/binding/ClassRegistry.h"
#include "platform/binding/ComponentPalette.h"
#include "platform/gdi/Gdi.h"

void ZvPanel::SetDesignTimeVisible(bool Value) {
    if (!ComponentState().Contains(csDesigning) || Value == FDesignTimeVisible) {
        return;
    }
    FDesignTimeVisible = Value;
    if (Value) {
        SetWindowRgn(Handle(), HRGN{}, TRUE);
    } else {
        kiln::WinRegion hidden;
        hidden.SetEmpty();
        kiln::SetWindowRegion(Handle(), hidden, true);
    }
}

void ZvPanel::Register() {
    static const TComponentClass classes[] = {{"ZvPanel", PublishZvPanel}};
    RegisterComponents("ZvComponents", classes, 1);
}

void PublishZvPanel() {
    static const bool published = [] {
        ClassRegistry::Instance()
            .Register<ZvPanel>("ZvPanel", "TPanel")
            .Boolean("DesignTimeVisible", &ZvPanel::SetDesignTimeVisible);
        return true;
    }();
    (void)published;
}
