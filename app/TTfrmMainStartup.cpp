// The main window's detection sequence, from the system family to the first display, and its
// create, show and destroy handlers.

#include "app/AcpiState.h"
#include "app/BitmapToRegion.h"
#include "app/FreqTable.h"
#include "app/Log.h"
#include "app/TTfrmMain.h"
#include "hardware/AcpiInterface.h"
#include "hardware/FidVidStatus.h"
#include "hardware/IoAccess.h"
#include "hardware/ProcessorCapability.h"
#include "hardware/VIDVolts.h"
#include "lang/LanguageLibrary.h"
#include "lang/LayoutRecovery.h"
#include "lang/MainFormLayout.h"
#include "package/ZvButtonTx.h"
#include "platform/application/TApplication.h"
#include "platform/application/TTimer.h"
#include "platform/controls/TCustomImageList.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TMenuItem.h"
#include "platform/controls/TPicture.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/FontRequest.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/kernel/Version.h"
#include "platform/window/WindowCalls.h"

#include <algorithm>
#include <string>
#include <utility>

bool IsNTPlatform() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

namespace {

// Ends the start-up: the message goes first, then the application is told to stop.
void EndStartup(HWND owner, const std::string& text, const char* caption, UINT type) {
    MessageBoxA(owner, text.c_str(), caption, type);
    Application->Terminate();
}

// Names each of the five entry points the board library lacks.
void LogMissingOCEntryPoints() {
    const std::pair<bool, const char*> entries[] = {
        {pOCAPI_Initialization != nullptr, "OCAPI_Initialization"},
        {pOCAPI_Close != nullptr, "OCAPI_Close"},
        {pOCAPI_ACPI_OC_GetCurrentOption != nullptr, "OCAPI_ACPI_OC_GetCurrentOption"},
        {pOCAPI_GetACPIOCList != nullptr, "OCAPI_GetACPIOCList"},
        {pOCAPI_GetSingleHealthData != nullptr, "OCAPI_GetSingleHealthData"},
    };
    for (const auto& [bound, name] : entries) {
        if (!bound) {
            WriteLog(std::string("FILE_NAME_OC_DLL lacks ") + name + ".");
        }
    }
}

} // namespace

TTfrmMain::TTfrmMain(TComponent* Owner) : TForm(Owner) {
    WriteLog("TTfrmMain constructor.");
    bExtFreqList = false;
    Timer1->SetEnabled(false);
    nThisCPUBar = 0;
    bIsNT = IsNTPlatform();

    if (LoadReDedizEviz()) {
        if (IsJapaneseLanguage()) {
            Font()->SetCharset(SHIFTJIS_CHARSET);
            lbCpuFreq->Font()->SetCharset(SHIFTJIS_CHARSET);
            lbCpuVolt->Font()->SetCharset(SHIFTJIS_CHARSET);
        }
        lbCpuFreq->SetCaption(TranslateText("CPU Frequency"));
        lbCpuVolt->SetCaption(TranslateText("CPU Voltage"));
    }
    WriteLog("LoadReDedizEviz complete.");

    if (bIsNT) {
        WriteLog("NT System");
        if (!LoadIODLL("")) {
            EndStartup(HWND{}, "Open ZuDA.dll Fail !!", "Error", MB_OK);
            return;
        }
        WriteLog("LoadIODLL OK.");
        if (!LoadOCDll()) {
            EndStartup(HWND{}, "Open ACPI Interface (ZOverclk.dll) Fail !!", "Error", MB_OK);
            return;
        }
        WriteLog("Load FILE_NAME_OC_DLL OK.");
        // A library without one of the five entry points is not used: every display update
        // would call the missing ones. It is never initialised, so it is not closed either;
        // it is only unloaded at exit.
        if (BindOCEntryPoints()) {
            WriteLog("before pOCAPI_Initialization");
            bACPISupport = pOCAPI_Initialization() != 0;
            WriteLog("after pOCAPI_Initialization");
        } else {
            LogMissingOCEntryPoints();
            pOCAPI_Close = nullptr;
        }
        if (bACPISupport) {
            WriteLog("Support ZORVEK ACPI Interface.");
            int32_t flag = 0;
            if (BindOCCheckWorkable()) {
                pOCAPI_ACPI_OC_CheckWorkable(OPTION_HWX, &flag);
            }
            if (flag != 0) {
                WriteLog("Support ZORVEK ACPI Interface and BIOS hwx flag support.");
                if (pOCAPI_ACPI_OC_GetCurrentOption(OPTION_HWX) == 0) {
                    WriteLog("BIOS hwx disabled.");
                    // One text after the other: the library may hand both back in the same
                    // buffer.
                    std::string text =
                        TranslateText("Hushwave has been disabled, please enable it first.");
                    text += "\n";
                    text += TranslateText("You can do this through the BIOS setup menu.");
                    EndStartup(Handle(), text, "Hushwave", MB_ICONERROR | MB_OK);
                    return;
                }
            }
            nCPUExtFreqNum = pOCAPI_GetACPIOCList(LIST_EXT_FREQ, nullptr);
            WriteLog("nCPUExtFreqNum: " + std::to_string(nCPUExtFreqNum));
            // A negative count from the board is no list at all.
            lpCPUExtFreqList.reset(new WORD[static_cast<size_t>(std::max(nCPUExtFreqNum, 0))]());
            if (nCPUExtFreqNum > 0) {
                pOCAPI_GetACPIOCList(LIST_EXT_FREQ, lpCPUExtFreqList.get());
            }
            bExtFreqList = true;
        }
    } else {
        WriteLog("None NT system.");
        OpenVxD();
        imgCPUBar->SetVisible(true);
    }

    try {
        LoadBarFrames();
    } catch (...) {
        // The window is never destroyed when its constructor fails, so what it holds so far
        // is given back here, as at the end of a run.
        FormDestroy(this);
        throw;
    }

    WriteLog("before Prepare");
    if (!Prepare()) {
        EndStartup(Handle(), TranslateText("This CPU doesn't support Hushwave function."),
                   "Hushwave", MB_ICONERROR | MB_OK);
        return;
    }
    BrandCode = GetBrandCode();
    WriteLog("after Prepare");

    TBitmap* skin = imgBackground->Picture()->Bitmap();
    TColor cutAway = skin->Canvas()->Pixels(0, 0);
    HRGN shape = BitmapToRegion(skin->Handle(), static_cast<COLORREF>(cutAway), 0);
    SetWindowRgn(Handle(), shape, TRUE);
    SetWidth(imgBackground->Width());
    SetHeight(imgBackground->Height());

    imglstCPUPerf->Draw(imgVIDPerc->Canvas(), 0, 0, 0);

    FillFreqTable();
    FillVIDVolts();

    WriteLog("before Get_FIDVID");
    FIDVIDCodes FID, VID;
    bool read = Get_FIDVID(FID, VID);
    WriteLog("after Get_FIDVID");
    // Without a first reading there is nothing to sweep to yet: the scale and the first
    // display come with the first reading the timer gets.
    if (read) {
        nFIDMax = FID.Max;
        bFIDMaxKnown = true;
        WriteLog("before ShowEffect");
        ShowEffect(FID, VID);
        WriteLog("after ShowEffect");
    }

    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    Timer1->SetEnabled(true);
    WriteLog("TTfrmMain constructor complete.");
}

void TTfrmMain::FormCreate(TObject*) {
    kiln::ControlInfo layout[kMainFormLayoutRows];
    std::copy(std::begin(MainFormLayout), std::end(MainFormLayout), layout);
    kiln::Recover(this, layout, kMainFormLayoutRows);
    Restore1->SetCaption(TranslateText(Restore1->Caption().c_str()));
    Close1->SetCaption(TranslateText(Close1->Caption().c_str()));
    abClose->SetBounds(354, 44, 16, 16);
    abMin->SetBounds(331, 26, 16, 16);
}

void TTfrmMain::FormShow(TObject*) {
    ShowWindow(Application->Handle(), SW_HIDE);
}

void TTfrmMain::FormDestroy(TObject*) {
    for (TBitmap*& frame : BarFrames) {
        delete frame;
        frame = nullptr;
    }
    if (bIsNT) {
        CloseIoAccess();
        CloseOCDll();
    } else {
        CloseIoAccess();
    }
}
