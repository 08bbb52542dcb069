#pragma once
// The program's one window. Its components come from its form resource (TTfrmMain.dfm), which
// is read before the constructor's body runs.

#include "hardware/FIDVIDCodes.h"
#include "platform/binding/FormClassInfo.h"
#include "platform/binding/FormResource.h"
#include "platform/controls/TCustomForm.h"

#include <cstdint>
#include <string>

class TBitmap;
class TImage;
class TImageList;
class TLabel;
class TMenuItem;
class TPopupMenu;
class TTimer;
class TTrayIcon;
class ZvButtonTx;

class TTfrmMain : public TForm {
public:
    HUSHWAVE_CLASS_NAME(TTfrmMain)

    static constexpr int kBarFrameCount = 21;

    explicit TTfrmMain(TComponent* Owner);

    // Window messages WM_USER+0 to WM_USER+7 from other programs.
    void OnUserMessage(TMessage& Message);
    void Dispatch(TMessage& Message) override;

    // The handlers the form resource binds.
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void Timer2Timer(TObject* Sender);
    void imgBackgroundMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                                int Y);
    void abMinClick(TObject* Sender);
    void abCloseClick(TObject* Sender);
    void TrayIcon1Restore(TObject* Sender);
    void Restore1Click(TObject* Sender);
    void Close1Click(TObject* Sender);

    // The components of the form resource, in its order.
    TImage* imgBackground = nullptr;
    TImage* imgCPUBar = nullptr;
    TImage* imgCPU1 = nullptr;
    TImage* imgCPU2 = nullptr;
    TImage* imgCPU3 = nullptr;
    TImage* imgCPU4 = nullptr;
    TImage* imgCPU5 = nullptr;
    TImage* imgCPU6 = nullptr;
    TImage* imgCPU7 = nullptr;
    TImage* imgVIDPerc = nullptr;
    TImage* imgVID1 = nullptr;
    TImage* imgVID2 = nullptr;
    TImage* imgVID3 = nullptr;
    TImage* imgVID4 = nullptr;
    TImage* imgVID5 = nullptr;
    TImage* imgVID6 = nullptr;
    TImage* imgClose = nullptr;
    TImage* imgMin = nullptr;
    TLabel* lbCpuFreq = nullptr;
    TLabel* lbCpuVolt = nullptr;
    TImage* imgMinDn = nullptr;
    TImage* imgMinOv = nullptr;
    TImage* imgMinUp = nullptr;
    TImage* imgCloseDn = nullptr;
    TImage* imgCloseOv = nullptr;
    TImage* imgCloseUp = nullptr;
    TTimer* Timer1 = nullptr;
    TImageList* imglstNumL = nullptr;
    TImageList* imglstNumM = nullptr;
    TImageList* imglstNumS = nullptr;
    TTrayIcon* TrayIcon1 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* Restore1 = nullptr;
    TMenuItem* Close1 = nullptr;
    TTimer* Timer2 = nullptr;
    TImageList* imglstCPUPerf = nullptr;
    ZvButtonTx* abMin = nullptr;
    ZvButtonTx* abClose = nullptr;

    // The frequency arc's frames, index 0 to 20; null until the start-up sequence loads them.
    // The window owns them.
    TBitmap* BarFrames[kBarFrameCount] = {};
    // The maximum FID code of the first reading: the scale of the bar.
    int32_t nFIDMax = 0;
    // The bar frame last drawn.
    int32_t nThisCPUBar = 0;
    // The board's external-clock list has been fetched.
    bool bExtFreqList = false;
    // The external clock in MHz last obtained through the ACPI interface; 0 or less: none.
    int32_t nExtClock = 0;

    // The first reading's FID maximum has been taken as the bar's scale.
    bool bFIDMaxKnown = false;

    // The readout: one reading turned into MHz and volts, swept from the values last shown.
    void ShowEffect(FIDVIDCodes FID, FIDVIDCodes VID);
    // Draws text into the digit images prefix1 .. prefix<count> from the image list
    // imglstNum<size>, right-aligned, unlit digits on the left.
    void ShowDigits(const std::string& prefix, const std::string& text, int count,
                    const std::string& size);
    void LoadBarFrames();
    // The external clock in MHz on the ACPI path, -1 when none is known.
    int32_t GetCPUExtFreq();

    static const FormClassInfo& Published();

private:
    bool OnAcpiPath() const;
    void DrawBarFrame(int index);
    void SetHint(int32_t nCPUNow, float fVIDNow);

    // Last, so that the fields above are there when it fills them.
    FormResource FResource{*this, Published()};
};

extern TTfrmMain* frmMain;

// True on the Windows NT family: GetVersionExA succeeds and reports VER_PLATFORM_WIN32_NT.
bool IsNTPlatform();

// Forgets the values last shown, the clock caches and what start-up learnt of the board, so
// that each test starts from them as the process does.
void ResetReadoutForTesting();
