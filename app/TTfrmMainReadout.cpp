// The readout: turning a FID/VID reading into MHz and volts, and sweeping the digits and bars
// from the values last shown to the new ones.

#include "app/AcpiState.h"
#include "app/FreqTable.h"
#include "app/Log.h"
#include "app/TTfrmMain.h"
#include "hardware/AcpiInterface.h"
#include "hardware/FidVidStatus.h"
#include "hardware/IoAccess.h"
#include "hardware/VIDVolts.h"
#include "hardware/Wmi.h"
#include "platform/application/TApplication.h"
#include "platform/application/TTimer.h"
#include "platform/controls/TCustomImageList.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TTrayIcon.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/kernel/Sleep.h"

#include <algorithm>
#include <cmath>

namespace {

int32_t nCPULast = 0;
float fVIDLast = 0.0f;

// The instrumentation's external clock, cached apart for GetCPUExtFreq and for the reading
// without ACPI; a cache still 0 asks again on the next update.
int32_t nWmiExtClockForAcpi = 0;
int32_t nWmiExtClockForReading = 0;

// How often an out-of-range external-clock index is asked for again, 100 ms apart, before
// the instrumentation's clock is taken instead: two seconds of a blocked display are enough
// to tell a board that keeps answering nonsense from one that is switching its setting.
constexpr int kFsbIndexRetries = 20;
// Set when a wait ran out; until the index is in range again each update asks once and does
// not wait, so a board stuck out of range blocks the display once, not on every update.
bool bFsbIndexWaitExhausted = false;

std::string LogText(const char* label, long long value) {
    return label + IntToStr(value);
}

} // namespace

void ResetReadoutForTesting() {
    nCPULast = 0;
    fVIDLast = 0.0f;
    nWmiExtClockForAcpi = 0;
    nWmiExtClockForReading = 0;
    bFsbIndexWaitExhausted = false;
    bACPISupport = false;
    nCPUExtFreqNum = 0;
    lpCPUExtFreqList.reset();
}

bool TTfrmMain::OnAcpiPath() const {
    return bIsNT && bACPISupport;
}

int32_t TTfrmMain::GetCPUExtFreq() {
    int32_t result = -1;
    if (!OnAcpiPath()) {
        return result;
    }
    WriteLog("Support ZVR0710.");
    if (nCPUExtFreqNum > 0 && bExtFreqList) {
        WriteLog("Support CPU Frequency.");
        DWORD nFSBIdx = pOCAPI_ACPI_OC_GetCurrentOption(OPTION_FSB_INDEX);
        const int retries = bFsbIndexWaitExhausted ? 0 : kFsbIndexRetries;
        for (int retry = 0; nFSBIdx >= static_cast<DWORD>(nCPUExtFreqNum) && retry < retries;
             ++retry) {
            Sleep(100);
            nFSBIdx = pOCAPI_ACPI_OC_GetCurrentOption(OPTION_FSB_INDEX);
        }
        if (nFSBIdx < static_cast<DWORD>(nCPUExtFreqNum)) {
            bFsbIndexWaitExhausted = false;
            WriteLog(LogText("lpCPUExtFreqList[nFSBIdx]: ", lpCPUExtFreqList[nFSBIdx]));
            WriteLog(LogText("nFSBIdx: ", nFSBIdx));
            return lpCPUExtFreqList[nFSBIdx] / 100;
        }
        bFsbIndexWaitExhausted = true;
        WriteLog(LogText("nFSBIdx out of range: ", nFSBIdx));
    } else {
        WriteLog("Support ZVR0710 but Get CPU Frequency from DMI.");
    }
    if (nWmiExtClockForAcpi == 0) {
        WmiGetExtClock(nWmiExtClockForAcpi);
    }
    if (nWmiExtClockForAcpi != 0) {
        result = nWmiExtClockForAcpi;
    }
    return result;
}

void TTfrmMain::DrawBarFrame(int index) {
    if (bIsNT) {
        Canvas()->Draw(49, 59, BarFrames[index]);
    } else {
        imgCPUBar->Canvas()->Draw(0, 0, BarFrames[index]);
        imgCPUBar->Refresh();
    }
}

void TTfrmMain::ShowEffect(FIDVIDCodes FID, FIDVIDCodes VID) {
    Timer2->SetEnabled(false);

    int32_t nCPUNow = FrequencyForFid(FID.Curr);
    float fVIDNow = VIDVolts[VID.Curr];
    if (OnAcpiPath()) {
        WriteLog("Support ZVR0710.");
        nExtClock = GetCPUExtFreq();
        if (nExtClock > 0) {
            nCPUNow = nCPUNow / 200 * nExtClock;
        }
    } else {
        WriteLog("Not Support ZVR0710, Get CPU Frequency from DMI.");
        if (nWmiExtClockForReading == 0) {
            WmiGetExtClock(nWmiExtClockForReading);
        }
        if (nWmiExtClockForReading != 0) {
            nCPUNow = nCPUNow / 200 * nWmiExtClockForReading;
        }
    }
    const int32_t nBarUnit = FrequencyForFid(nFIDMax) / 20;

    int32_t nStep = 0;
    int32_t nDirection = 0;
    float fVIDStep = 0.0f;
    const int32_t d = (nCPUNow - nCPULast) / 100;
    if (d != 0) {
        if (d < 0) {
            WriteLog("nCPUNow < nCPULast");
            nStep = (nCPULast - nCPUNow) / 100;
            nDirection = -100;
        } else {
            WriteLog("nCPUNow > nCPULast");
            nStep = (nCPUNow - nCPULast) / 100;
            nDirection = 100;
        }
        WriteLog("nCPULast: " + IntToStr(nCPULast) + ", nCPUNow: " + IntToStr(nCPUNow) +
                 ", nStep: " + IntToStr(nStep));
        // Computed in double and rounded to single precision once, not once per operation.
        fVIDStep = static_cast<float>((static_cast<double>(fVIDNow) - fVIDLast) / nStep);
    }

    if (nStep > 50) {
        nCPULast = nCPUNow;
        fVIDLast = fVIDNow;
        SetHint(nCPUNow, fVIDNow);
        Timer2->SetEnabled(true);
        WriteLog("nStep > 50");
        return;
    }
    WriteLog(LogText("Total step = ", nStep));

    for (int32_t i = 0; i <= nStep; ++i) {
        const int32_t cpu = nDirection * i + nCPULast;
        const std::string text = FormatFloat("0000.00", cpu);
        if (nBarUnit != 0) {
            nThisCPUBar = std::max(cpu / nBarUnit, 0);
        }
        WriteLog(LogText("nThisCPUBar = ", nThisCPUBar));
        DrawBarFrame(std::min(nThisCPUBar, 20));
        ShowDigits("imgCPU", text, 7, "L");
        WriteLog("fVIDNow: " + FormatFloat("0.00", fVIDNow) +
                 ", fVIDLast: " + FormatFloat("0.00", fVIDLast));

        // Rounded once: i x fVIDStep + fVIDLast is exact in double for every pass of a sweep,
        // so the float is the exact value rounded, whether or not the compiler fuses the two.
        const float v = static_cast<float>(i * static_cast<double>(fVIDStep) + fVIDLast);
        // 0.94 is a double and 0.02 a float, as the bar's scale has always been computed.
        int32_t nThisVIDBar = static_cast<int32_t>((v - 0.94) / static_cast<double>(0.02f) - 5);
        WriteLog(LogText("nThisVIDBar = ", nThisVIDBar));
        if (!OnAcpiPath()) {
            ShowDigits("imgVID", FormatFloat("0.0000", v), 6, "M");
        }
        nThisVIDBar = std::clamp(nThisVIDBar, 2, 20);
        imglstCPUPerf->Draw(imgVIDPerc->Canvas(), 0, 0, nThisVIDBar);
        imgVIDPerc->Refresh();
        Sleep(10);
    }

    ShowDigits("imgCPU", FormatFloat("0000.00", nCPUNow), 7, "L");
    if (OnAcpiPath() && pOCAPI_GetSingleHealthData != nullptr) {
        const int32_t millivolts = pOCAPI_GetSingleHealthData(ITEM_VCORE);
        if (millivolts > 0) {
            WriteLog("Get CPU VCore from ACPI.");
            ShowDigits("imgVID", FormatFloat("0.0000", millivolts * 0.001), 6, "M");
        }
    }
    nCPULast = nCPUNow;
    fVIDLast = fVIDNow;
    SetHint(nCPUNow, fVIDNow);
    Timer2->SetEnabled(true);
    WriteLog("ShowEffect completed.");
}

void TTfrmMain::SetHint(int32_t nCPUNow, float fVIDNow) {
    TrayIcon1->SetHint("CPU Frequency : " + IntToStr(nCPUNow) +
                       " MHz\nVoltage : " + FormatFloat("0.0000", fVIDNow) + " v");
}

void TTfrmMain::ShowDigits(const std::string& prefix, const std::string& text, int count,
                           const std::string& size) {
    if (prefix == "imgCPU") {
        Sleep(1);
    }
    if (static_cast<int>(text.size()) > count || text.empty()) {
        return;
    }
    const std::string padded = std::string(count - text.size(), '*') + text;
    auto* list = dynamic_cast<TCustomImageList*>(FindComponent("imglstNum" + size));
    for (int j = 1; j <= count; ++j) {
        auto* digit = dynamic_cast<TImage*>(FindComponent(prefix + IntToStr(j)));
        if (digit == nullptr || list == nullptr) {
            continue;
        }
        const char c = padded[static_cast<size_t>(j - 1)];
        const int index = c == '*' ? 11 : (c == '.' || c == ',') ? 10 : c - '0';
        list->Draw(digit->Canvas(), 0, 0, index);
        digit->Refresh();
    }
}

void TTfrmMain::LoadBarFrames() {
    for (int i = 0; i <= 20; ++i) {
        BarFrames[i] = new TBitmap();
        BarFrames[i]->LoadFromFile(ExtractFilePath(Application->ExeName()) + "RES\\bar_" +
                                   FormatFloat("00", i) + ".bmp");
        BarFrames[i]->SetTransparent(bIsNT);
    }
}

void TTfrmMain::Timer1Timer(TObject*) {
    FIDVIDCodes FID, VID;
    if (!Get_FIDVID(FID, VID)) {
        return;
    }
    if (!bFIDMaxKnown) {
        nFIDMax = FID.Max;
        bFIDMaxKnown = true;
    }
    Timer1->SetEnabled(false);
    ShowEffect(FID, VID);
    Timer1->SetEnabled(true);
}

void TTfrmMain::Timer2Timer(TObject*) {
    if (nThisCPUBar < 21) {
        DrawBarFrame(nThisCPUBar);
    }
}
