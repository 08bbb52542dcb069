#include "app/TTfrmMain.h"

#include "package/ZvButtonTx.h"
#include "platform/application/TApplication.h"
#include "platform/application/TTimer.h"
#include "platform/controls/InputDispatcher.h"
#include "platform/controls/TCustomImageList.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/controls/TTrayIcon.h"
#include "platform/window/WindowCalls.h"

TTfrmMain* frmMain = nullptr;

const FormClassInfo& TTfrmMain::Published() {
    // The form resource makes the window's buttons by their class name.
    PublishZvButtonTx();
    static const FormClassInfo info =
        FormClassInfo::Of<TTfrmMain>("TForm")
            .Field("imgBackground", &TTfrmMain::imgBackground)
            .Field("imgCPUBar", &TTfrmMain::imgCPUBar)
            .Field("imgCPU1", &TTfrmMain::imgCPU1)
            .Field("imgCPU2", &TTfrmMain::imgCPU2)
            .Field("imgCPU3", &TTfrmMain::imgCPU3)
            .Field("imgCPU4", &TTfrmMain::imgCPU4)
            .Field("imgCPU5", &TTfrmMain::imgCPU5)
            .Field("imgCPU6", &TTfrmMain::imgCPU6)
            .Field("imgCPU7", &TTfrmMain::imgCPU7)
            .Field("imgVIDPerc", &TTfrmMain::imgVIDPerc)
            .Field("imgVID1", &TTfrmMain::imgVID1)
            .Field("imgVID2", &TTfrmMain::imgVID2)
            .Field("imgVID3", &TTfrmMain::imgVID3)
            .Field("imgVID4", &TTfrmMain::imgVID4)
            .Field("imgVID5", &TTfrmMain::imgVID5)
            .Field("imgVID6", &TTfrmMain::imgVID6)
            .Field("imgClose", &TTfrmMain::imgClose)
            .Field("imgMin", &TTfrmMain::imgMin)
            .Field("lbCpuFreq", &TTfrmMain::lbCpuFreq)
            .Field("lbCpuVolt", &TTfrmMain::lbCpuVolt)
            .Field("imgMinDn", &TTfrmMain::imgMinDn)
            .Field("imgMinOv", &TTfrmMain::imgMinOv)
            .Field("imgMinUp", &TTfrmMain::imgMinUp)
            .Field("imgCloseDn", &TTfrmMain::imgCloseDn)
            .Field("imgCloseOv", &TTfrmMain::imgCloseOv)
            .Field("imgCloseUp", &TTfrmMain::imgCloseUp)
            .Field("Timer1", &TTfrmMain::Timer1)
            .Field("imglstNumL", &TTfrmMain::imglstNumL)
            .Field("imglstNumM", &TTfrmMain::imglstNumM)
            .Field("imglstNumS", &TTfrmMain::imglstNumS)
            .Field("TrayIcon1", &TTfrmMain::TrayIcon1)
            .Field("PopupMenu1", &TTfrmMain::PopupMenu1)
            .Field("Restore1", &TTfrmMain::Restore1)
            .Field("Close1", &TTfrmMain::Close1)
            .Field("Timer2", &TTfrmMain::Timer2)
            .Field("imglstCPUPerf", &TTfrmMain::imglstCPUPerf)
            .Field("abMin", &TTfrmMain::abMin)
            .Field("abClose", &TTfrmMain::abClose)
            .Method("FormCreate", &TTfrmMain::FormCreate)
            .Method("FormShow", &TTfrmMain::FormShow)
            .Method("FormDestroy", &TTfrmMain::FormDestroy)
            .Method("Timer1Timer", &TTfrmMain::Timer1Timer)
            .Method("Timer2Timer", &TTfrmMain::Timer2Timer)
            .Method("imgBackgroundMouseDown", &TTfrmMain::imgBackgroundMouseDown)
            .Method("abMinClick", &TTfrmMain::abMinClick)
            .Method("abCloseClick", &TTfrmMain::abCloseClick)
            .Method("TrayIcon1Restore", &TTfrmMain::TrayIcon1Restore)
            .Method("Restore1Click", &TTfrmMain::Restore1Click)
            .Method("Close1Click", &TTfrmMain::Close1Click);
    return info;
}

void TTfrmMain::imgBackgroundMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
    ReleaseCapture();
    SendMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

// Hides the window without minimising it: the tray icon stays and the timers keep running.
void TTfrmMain::abMinClick(TObject*) {
    Hide();
}

void TTfrmMain::abCloseClick(TObject*) {
    Close();
}

void TTfrmMain::TrayIcon1Restore(TObject*) {
    Show();
}

// Another program may have minimised the application (WM_USER+1); the menu brings the window
// back from that as well as from being hidden. Restoring an application that is not minimised
// changes nothing.
void TTfrmMain::Restore1Click(TObject*) {
    Application->Restore();
    Show();
}

void TTfrmMain::Close1Click(TObject*) {
    Close();
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
