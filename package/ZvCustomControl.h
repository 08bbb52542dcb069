#pragma once
// The skinned state control: gives the picture requests of the input base a look. It keeps a
// fixed number of state bitmaps in a bitmap state control, shows one of them, substitutes
// states that have no bitmap, and takes its size and, when Transparent is set, its shape from
// the bitmap of state 0:
//
//   - the control always has the size of state 0's bitmap, once that bitmap has pixels;
//   - with Transparent set, the window region is state 0's bitmap minus its pixels of
//     TransparentColor, and presses and hover follow that region (PointInside);
//   - with Transparent set and no state 0 bitmap, the control reacts nowhere.
//
// The background is never erased outside design time, so the picture does not flash.

#include "package/ZvControl.h"
#include "package/ZvStateBitmaps.h"
#include "platform/core/Events.h"
#include "platform/graphics/TColor.h"

#include <memory>

class TCanvas;

namespace kiln {
class TBmpLEDCtrl;
class WinRegion;
} // namespace kiln

class ZvCustomControl : public ZvControl, public ZvStateBitmaps {
public:
    HUSHWAVE_CLASS_NAME(ZvCustomControl)

    ZvCustomControl(TComponent* AOwner, bool ClicksDisabled, int StateCount);
    ~ZvCustomControl() override;
    ZvCustomControl(const ZvCustomControl&) = delete;
    ZvCustomControl& operator=(const ZvCustomControl&) = delete;

    // Shows the state's bitmap, or the one its substitutes end at when it has none; the state
    // asked for is kept as the current state either way.
    virtual void ShowBitmap(int State);
    // The state shown in place of an empty one; chains end at state 0.
    virtual int Substitute(int State);
    virtual void SetTransparent(bool Value);
    // Stores the colour and rebuilds the region, also when the colour is the one it has.
    virtual void SetTransparentColor(TColor Value);

    int GetStateCount() const;
    TBitmap* GetStateBitmap(int i) override;
    // For state 0 the control first takes the bitmap's transparent colour as its own.
    void SetStateBitmap(TBitmap* Bitmap, int i) override;
    bool IsStateEmpty(int i) const;
    int GetCurState() const { return FCurState; }

    bool GetTransparent() const;
    TColor GetTransparentColor() const;

    void ShowRaised() override;
    bool PointInside(int X, int Y) override;
    bool CanResize(int& NewWidth, int& NewHeight) override;
    void WndProc(TMessage& Message) override;
    void Repaint() override;
    void Resize() override;
    void Loaded() override;

protected:
    // The canvas of the image's bitmap, and painting the shown state into it again: what a
    // text variant draws its caption with and over.
    TCanvas* GetCanvas();
    void RedrawState();

    void BuildRegion();
    // Builds the region and gives it to the window when Transparent is set and state 0 has a
    // bitmap, else takes the window's region away; never at design time. The window is made
    // here when the control has a parent; a control without one gets its region when its
    // window is made (HandleCreated). Runs on Resize, on a change of Transparent or of state
    // 0's bitmap, on every TransparentColor, and once a form resource has been read (sizes
    // read from it do not resize).
    void UpdateRegion();
    // A changed state bitmap: the shown picture is painted anew, the requested state shown
    // again when the bitmap is its own or its substitute's, and a new state 0 bitmap resizes
    // the control and rebuilds its region.
    void StateBitmapChanged(TObject* Sender);

    void HandleCreated() override;

private:
    bool StandsForCurState(int State);
    bool HasWindowRegion() const;
    void ApplyWindowRegion();

    std::unique_ptr<kiln::TBmpLEDCtrl> FBmpCtrl;
    int FCurState = 0;
    std::unique_ptr<kiln::WinRegion> FRegion;
    TNotifyEvent FPrevBitmapChange;
};
