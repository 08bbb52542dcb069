#include "platform/controls/TTrayIcon.h"

#include "platform/application/TApplication.h"
#include "platform/controls/TCustomImageList.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/graphics/TBitmap.h"
#include "platform/window/WindowCalls.h"
#include "platform/window/WindowSystem.h"

#include <algorithm>

namespace {

bool Matches(TTrayMouseAction action, TrayEvent event) {
    switch (event) {
    case TrayEvent::LeftDown:
        return action == imLeftClickDown;
    case TrayEvent::LeftUp:
        return action == imLeftClickUp || action == imClick;
    case TrayEvent::RightDown:
        return action == imRightClickDown;
    case TrayEvent::RightUp:
        return action == imRightClickUp;
    case TrayEvent::LeftDoubleClick:
        return action == imDoubleClick;
    }
    return false;
}

} // namespace

TTrayIcon::TTrayIcon(TComponent* AOwner) : TComponent(AOwner) {}

TTrayIcon::~TTrayIcon() {
    Destroying();
    UnhookApplication();
    UpdateIcon();
}

void TTrayIcon::SetVisible(bool Value) {
    FVisible = Value;
    UpdateIcon();
}

void TTrayIcon::SetIcons(TCustomImageList* Value) {
    FIcons = Value;
    UpdateIcon();
}

void TTrayIcon::SetIconIndex(int Value) {
    FIconIndex = Value;
    UpdateIcon();
}

void TTrayIcon::SetHint(const std::string& Value) {
    FHint = Value;
    UpdateIcon();
}

void TTrayIcon::SetHide(bool Value) {
    FHide = Value;
    if (Value) {
        HookApplication();
    } else {
        UnhookApplication();
    }
}

void TTrayIcon::Loaded() {
    TComponent::Loaded();
    if (FHide) {
        HookApplication();
    }
    UpdateIcon();
}

void TTrayIcon::UpdateIcon() {
    TComponentState state = ComponentState();
    bool show = FVisible && !state.Contains(csLoading) && !state.Contains(csDesigning) &&
                !state.Contains(csDestroying);
    WindowSystem& system = CurrentWindowSystem();
    if (!show) {
        if (FTrayId != 0) {
            system.DestroyTrayIcon(FTrayId);
            FTrayId = 0;
        }
        return;
    }
    TrayIconState wanted;
    wanted.visible = true;
    wanted.hint = FHint;
    if (FPopupMenu != nullptr) {
        wanted.menu = FPopupMenu->Entries();
    }
    if (FIcons != nullptr && FIconIndex >= 0 && FIconIndex < FIcons->Count()) {
        TBitmap icon;
        FIcons->GetBitmap(FIconIndex, &icon);
        wanted.icon = Surface(icon.Width(), icon.Height());
        for (int y = 0; y < icon.Height(); ++y) {
            std::copy(icon.PixelRow(y), icon.PixelRow(y) + icon.Width(), wanted.icon.Row(y));
        }
    }
    if (FTrayId == 0) {
        FTrayId = system.CreateTrayIcon(*this);
    } else if (wanted == FShown) {
        return;
    }
    FShown = wanted;
    system.UpdateTrayIcon(FTrayId, FShown);
}

void TTrayIcon::HookApplication() {
    if (FHooked || Application == nullptr) {
        return;
    }
    FHooked = true;
    Application->AddMinimizeHook(this, [this] {
        if (FHide && Application != nullptr) {
            ShowWindow(Application->Handle(), SW_HIDE);
        }
    });
}

void TTrayIcon::UnhookApplication() {
    if (!FHooked) {
        return;
    }
    FHooked = false;
    if (Application != nullptr) {
        Application->RemoveMinimizeHook(this);
    }
}

void TTrayIcon::Restore() {
    if (Application != nullptr) {
        Application->Restore();
        ShowWindow(Application->Handle(), SW_RESTORE);
        SetForegroundWindow(Application->Handle());
    }
    if (OnRestore) {
        OnRestore(this);
    }
}

void TTrayIcon::TrayEventArrived(TrayEvent Event, POINT At) {
    if (Matches(FRestoreOn, Event)) {
        Restore();
    }
    if (Matches(FPopupMenuOn, Event) && FPopupMenu != nullptr) {
        FPopupMenu->Popup(At.x, At.y);
    }
}

void TTrayIcon::TrayMenuEntryChosen(int Index) {
    if (FPopupMenu != nullptr) {
        FPopupMenu->EntryChosen(Index);
    }
}

void TTrayIcon::ComponentRemoved(TComponent* AComponent) {
    if (AComponent == FPopupMenu) {
        FPopupMenu = nullptr;
        UpdateIcon();
    }
    if (AComponent == FIcons) {
        FIcons = nullptr;
        UpdateIcon();
    }
}
