#include "platform/controls/TCustomForm.h"

#include "platform/application/TApplication.h"
#include "platform/controls/ComponentReferences.h"
#include "platform/controls/ControlMessages.h"
#include "platform/controls/TControlCanvas.h"
#include "platform/window/Window.h"
#include "platform/window/WindowCalls.h"
#include "platform/window/WindowSystem.h"

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
    SetVisible(false);
    SetControlStyle(
        {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks});
    SetBounds(0, 0, 320, 240);
    SetColor(clBtnFace);
}

TCanvas* TCustomForm::Canvas() {
    return &ControlCanvas();
}

void TCustomForm::Paint() {
    if (OnPaint) {
        OnPaint(this);
    }
}

void TCustomForm::PaintWindow(TCanvas&) {
    Paint();
}

TCustomForm::~TCustomForm() {
    // While this is still a form, so that the components it owns hear of one another leaving.
    Destroying();
    DestroyControls();
    DestroyComponents();
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation != opRemove) {
        return;
    }
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* component = Components(i);
        if (component == AComponent) {
            continue;
        }
        if (auto* references = dynamic_cast<ComponentReferences*>(component)) {
            references->ComponentRemoved(AComponent);
        }
    }
}

void TCustomForm::AdjustWindowStyle(WindowStyle& Style) const {
    Style.frameless = FBorderStyle == bsNone;
}

void TCustomForm::PlaceOnFirstShow() {
    if (FPlaced) {
        return;
    }
    FPlaced = true;
    if (FPosition == poScreenCenter || FPosition == poDesktopCenter) {
        RECT screen = CurrentWindowSystem().ScreenBounds();
        SetBounds(screen.left + (screen.right - screen.left - Width()) / 2,
                  screen.top + (screen.bottom - screen.top - Height()) / 2, Width(), Height());
    }
}

void TCustomForm::VisibleChanged() {
    if (Visible()) {
        PlaceOnFirstShow();
        ShowWindow(Handle(), SW_SHOW);
        DoShow();
    } else {
        DoHide();
        if (HandleAllocated()) {
            ShowWindow(Handle(), SW_HIDE);
        }
    }
}

void TCustomForm::Close() {
    TCloseAction action = caHide;
    if (OnClose) {
        OnClose(this, action);
    }
    if (action == caNone) {
        return;
    }
    if (Application != nullptr && Application->MainForm() == this) {
        Application->Terminate();
    } else if (action == caMinimize) {
        ShowWindow(Handle(), SW_MINIMIZE);
    } else {
        Hide();
        if (action == caFree) {
            Release();
        }
    }
}

void TCustomForm::Release() {
    PostMessageA(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::AfterConstruction() {
    if (OnCreate) {
        OnCreate(this);
    }
}

void TCustomForm::BeforeDestruction() {
    Destroying();
    if (OnDestroy) {
        OnDestroy(this);
    }
}

void TCustomForm::DoShow() {
    if (OnShow) {
        OnShow(this);
    }
}

void TCustomForm::DoHide() {
    if (OnHide) {
        OnHide(this);
    }
}

void TCustomForm::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_CLOSE:
        Close();
        break;
    case CM_RELEASE:
        // The window procedure that delivered this touches nothing of the form afterwards.
        Free(this);
        break;
    case WM_SHOWWINDOW:
        // A form shown by a window call (SetWindowPos, ShowWindow) is placed as one shown by
        // setting Visible.
        if (Message.WParam != 0) {
            PlaceOnFirstShow();
        }
        TWinControl::Dispatch(Message);
        break;
    case WM_NCLBUTTONDOWN:
        if (Message.WParam == HTCAPTION) {
            CurrentWindowSystem().StartSystemMove(*FindWindow(Handle()));
        }
        break;
    default:
        TWinControl::Dispatch(Message);
        break;
    }
}
