#include "platform/controls/TCustomForm.h"

#include "platform/application/TApplication.h"
#include "platform/window/Window.h"
#include "platform/window/WindowCalls.h"
#include "platform/window/WindowSystem.h"

TCustomForm::TCustomForm(TComponent* AOwner) : TComponent(AOwner) {}

TCustomForm::~TCustomForm() {
    if (FHandle) {
        DestroyWindowRecord(FHandle);
    }
}

HWND TCustomForm::Handle() {
    if (!FHandle) {
        WindowStyle style;
        style.frameless = FBorderStyle == bsNone;
        FHandle = CreateWindowRecord(nullptr, style, [this](HWND, UINT msg, WPARAM w, LPARAM l) {
            TMessage message{msg, w, l, 0};
            WndProc(message);
            return message.Result;
        });
        Window* window = FindWindow(FHandle);
        window->SetText(FCaption);
        window->SetBounds(RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight});
    }
    return FHandle;
}

void TCustomForm::SetCaption(const std::string& Value) {
    FCaption = Value;
    if (FHandle) {
        FindWindow(FHandle)->SetText(Value);
    }
}

void TCustomForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (FHandle) {
        FindWindow(FHandle)->SetBounds(RECT{ALeft, ATop, ALeft + AWidth, ATop + AHeight});
    }
}

void TCustomForm::PlaceOnFirstShow() {
    if (FPlaced) {
        return;
    }
    FPlaced = true;
    if (FPosition == poScreenCenter || FPosition == poDesktopCenter) {
        RECT screen = CurrentWindowSystem().ScreenBounds();
        SetBounds(screen.left + (screen.right - screen.left - FWidth) / 2,
                  screen.top + (screen.bottom - screen.top - FHeight) / 2, FWidth, FHeight);
    }
}

void TCustomForm::SetVisible(bool Value) {
    if (Value == FVisible) {
        return;
    }
    FVisible = Value;
    if (Value) {
        PlaceOnFirstShow();
        ShowWindow(Handle(), SW_SHOW);
        DoShow();
    } else {
        DoHide();
        if (FHandle) {
            ShowWindow(FHandle, SW_HIDE);
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
        // Forms belong to their owner, which frees them; caFree hides the form until then.
        Hide();
    }
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

void TCustomForm::WndProc(TMessage& Message) { Dispatch(Message); }

void TCustomForm::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_CLOSE:
        Close();
        break;
    case WM_NCLBUTTONDOWN:
        if (Message.WParam == HTCAPTION) {
            CurrentWindowSystem().StartSystemMove(*FindWindow(Handle()));
        }
        break;
    default:
        DefaultHandler(Message);
        break;
    }
}

void TCustomForm::DefaultHandler(TMessage& Message) { Message.Result = 0; }
