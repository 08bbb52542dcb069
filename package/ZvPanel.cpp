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
    // Without a parent there can be no window yet; it is hidden when it is made.
    if (!HandleAllocated() && Parent() == nullptr) {
        return;
    }
    if (Value) {
        SetWindowRgn(Handle(), HRGN{}, TRUE);
    } else {
        HideWindow();
    }
}

void ZvPanel::HandleCreated() {
    TPanel::HandleCreated();
    if (!FDesignTimeVisible) {
        HideWindow();
    }
}

void ZvPanel::HideWindow() {
    kiln::WinRegion hidden;
    hidden.SetEmpty();
    kiln::SetWindowRegion(Handle(), hidden, true);
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
