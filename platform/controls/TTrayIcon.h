#pragma once
// An icon in the notification area, for as long as Visible is set. Its picture is image
// IconIndex of Icons and its hint is Hint. The mouse action PopupMenuOn opens PopupMenu at
// the pointer; the action RestoreOn restores the application (see Restore). With Hide the
// application's window leaves the taskbar whenever the application is minimised.

#include "platform/controls/ComponentReferences.h"
#include "platform/core/Events.h"
#include "platform/core/TComponent.h"
#include "platform/window/TrayIconHost.h"

#include <string>

class TCustomImageList;
class TPopupMenu;

enum class TTrayMouseAction {
    imNone,
    imClick,
    imDoubleClick,
    imLeftClickDown,
    imLeftClickUp,
    imRightClickDown,
    imRightClickUp
};
using enum TTrayMouseAction;

class TTrayIcon : public TComponent, public TrayIconClient, public ComponentReferences {
public:
    HUSHWAVE_CLASS_NAME(TTrayIcon)

    explicit TTrayIcon(TComponent* AOwner);
    ~TTrayIcon() override;

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    TCustomImageList* Icons() const { return FIcons; }
    void SetIcons(TCustomImageList* Value);
    int IconIndex() const { return FIconIndex; }
    void SetIconIndex(int Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value) {
        FPopupMenu = Value;
        UpdateIcon();
    }
    TTrayMouseAction PopupMenuOn() const { return FPopupMenuOn; }
    void SetPopupMenuOn(TTrayMouseAction Value) { FPopupMenuOn = Value; }
    TTrayMouseAction RestoreOn() const { return FRestoreOn; }
    void SetRestoreOn(TTrayMouseAction Value) { FRestoreOn = Value; }
    bool Hide() const { return FHide; }
    void SetHide(bool Value);

    // Restores the application, brings the application's window back and to the front, then
    // fires OnRestore.
    void Restore();

    // The window system's id of the icon while it is shown, else 0.
    int TrayId() const { return FTrayId; }

    void Loaded() override;
    void TrayEventArrived(TrayEvent Event, POINT At) override;
    void TrayMenuEntryChosen(int Index) override;
    void ComponentRemoved(TComponent* AComponent) override;

    TNotifyEvent OnRestore;

private:
    void UpdateIcon();
    void HookApplication();
    void UnhookApplication();

    bool FVisible = false;
    TCustomImageList* FIcons = nullptr;
    int FIconIndex = 0;
    std::string FHint;
    TPopupMenu* FPopupMenu = nullptr;
    TTrayMouseAction FPopupMenuOn = imRightClickUp;
    TTrayMouseAction FRestoreOn = imDoubleClick;
    bool FHide = false;
    int FTrayId = 0;
    TrayIconState FShown;
    bool FHooked = false;
};
