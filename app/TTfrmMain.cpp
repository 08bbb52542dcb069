#include "app/TTfrmMain.h"

#include "platform/application/TApplication.h"
#include "platform/window/WindowCalls.h"

TTfrmMain* frmMain = nullptr;

TTfrmMain::TTfrmMain(TComponent* Owner) : TForm(Owner) {
    SetName("frmMain");
    SetCaption("frmMain");
    SetBorderStyle(bsNone);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 385, 215);
}

void TTfrmMain::Dispatch(TMessage& Message) {
    if (Message.Msg >= WM_USER && Message.Msg <= WM_USER + 7) {
        OnUserMessage(Message);
        return;
    }
    TForm::Dispatch(Message);
}

void TTfrmMain::OnUserMessage(TMessage& Message) {
    TForm::Dispatch(Message);
    switch (Message.Msg) {
    case WM_USER + 0:
        Application->Terminate();
        break;
    case WM_USER + 1:
        Application->Minimize();
        break;
    case WM_USER + 3:
        Application->Restore();
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        break;
    case WM_USER + 6:
        SetForegroundWindow(Handle());
        break;
    default:
        break;
    }
}
