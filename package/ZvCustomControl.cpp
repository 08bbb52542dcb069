#include "package/ZvCustomControl.h"

#include "kiln/Component/TBmpLEDCtrl.h"
#include "kiln/Graphics/WinRegion.h"
#include "package/ZvStates.h"
#include "platform/controls/ControlMessages.h"
#include "platform/gdi/Gdi.h"

ZvCustomControl::ZvCustomControl(TComponent* AOwner, bool ClicksDisabled, int StateCount)
    : ZvControl(AOwner, ClicksDisabled),
      FBmpCtrl(std::make_unique<kiln::TBmpLEDCtrl>(this, this, StateCount)),
      FRegion(std::make_unique<kiln::WinRegion>()) {
    SetStateBitmap(nullptr, ZvState::Raised);
    // Every state bitmap goes through this class first; the state control's own handler,
    // which repaints the state shown, runs after it.
    FPrevBitmapChange = GetStateBitmap(ZvState::Raised)->OnChange;
    for (int i = 0; i < GetStateCount(); ++i) {
        GetStateBitmap(i)->OnChange = [this](TObject* Sender) { StateBitmapChanged(Sender); };
    }
}

// The state control goes first: its image leaves this control while the control is whole.
ZvCustomControl::~ZvCustomControl() {
    FBmpCtrl.reset();
    FRegion.reset();
}

void ZvCustomControl::ShowBitmap(int State) {
    FCurState = State;
    int shown = State;
    while (shown != ZvState::Raised && IsStateEmpty(shown)) {
        shown = Substitute(shown);
    }
    FBmpCtrl->SetState(shown);
}

int ZvCustomControl::Substitute(int) {
    return ZvState::Raised;
}

void ZvCustomControl::SetTransparent(bool Value) {
    if (Value == GetTransparent()) {
        return;
    }
    FBmpCtrl->SetTransparent(Value);
    UpdateRegion();
}

void ZvCustomControl::SetTransparentColor(TColor Value) {
    FBmpCtrl->SetTransparentColor(Value);
    UpdateRegion();
}

int ZvCustomControl::GetStateCount() const {
    return FBmpCtrl->StateCount();
}

TBitmap* ZvCustomControl::GetStateBitmap(int i) {
    return FBmpCtrl->Bitmap(i);
}

void ZvCustomControl::SetStateBitmap(TBitmap* Bitmap, int i) {
    if (i == ZvState::Raised && Bitmap != nullptr) {
        FBmpCtrl->SetTransparentColor(Bitmap->TransparentColor());
    }
    FBmpCtrl->SetBitmap(Bitmap, i);
}

bool ZvCustomControl::IsStateEmpty(int i) const {
    const TBitmap* bitmap = FBmpCtrl->Bitmap(i);
    return bitmap->Width() == 0 || bitmap->Height() == 0;
}

bool ZvCustomControl::GetTransparent() const {
    return FBmpCtrl->Transparent();
}

TColor ZvCustomControl::GetTransparentColor() const {
    return FBmpCtrl->TransparentColor();
}

void ZvCustomControl::ShowRaised() {
    ShowBitmap(ZvState::Raised);
}

bool ZvCustomControl::PointInside(int X, int Y) {
    return FRegion->Contains(X, Y);
}

bool ZvCustomControl::CanResize(int& NewWidth, int& NewHeight) {
    bool result = ZvControl::CanResize(NewWidth, NewHeight);
    if (IsStateEmpty(ZvState::Raised)) {
        return result;
    }
    NewWidth = FBmpCtrl->Width();
    NewHeight = FBmpCtrl->Height();
    return true;
}

void ZvCustomControl::WndProc(TMessage& Message) {
    if (Message.Msg == WM_ERASEBKGND && !ComponentState().Contains(csDesigning)) {
        Message.Result = 1;
        return;
    }
    ZvControl::WndProc(Message);
}

void ZvCustomControl::Repaint() {
    FBmpCtrl->Redraw();
    ZvControl::Repaint();
}

void ZvCustomControl::Resize() {
    ZvControl::Resize();
    UpdateRegion();
}

TCanvas* ZvCustomControl::GetCanvas() {
    return FBmpCtrl->Canvas();
}

void ZvCustomControl::RedrawState() {
    FBmpCtrl->Redraw();
}

void ZvCustomControl::BuildRegion() {
    if (!GetTransparent()) {
        FRegion->SetRect(0, 0, Width(), Height());
    } else if (IsStateEmpty(ZvState::Raised)) {
        FRegion->SetEmpty();
    } else {
        FRegion->FromBitmap(FBmpCtrl->Bitmap(ZvState::Raised), GetTransparentColor());
    }
}

void ZvCustomControl::UpdateRegion() {
    BuildRegion();
    if (ComponentState().Contains(csDesigning)) {
        return;
    }
    // Without a parent there can be no window yet; it gets the region when it is made.
    if (!HandleAllocated() && Parent() == nullptr) {
        return;
    }
    ApplyWindowRegion();
}

// The state control's own handler goes first: it paints the shown picture again, bare. What
// this control draws over its picture (a text variant's caption) comes after it, by showing
// the requested state again or repainting.
void ZvCustomControl::StateBitmapChanged(TObject* Sender) {
    int i = 0;
    while (i < GetStateCount() && GetStateBitmap(i) != Sender) {
        ++i;
    }
    if (i != ZvState::Raised) {
        if (FPrevBitmapChange) {
            FPrevBitmapChange(Sender);
        }
        if (StandsForCurState(i)) {
            ShowBitmap(FCurState);
        }
        return;
    }
    TBitmap* raised = GetStateBitmap(ZvState::Raised);
    FBmpCtrl->SetImageSize(raised->Width(), raised->Height());
    if (FPrevBitmapChange) {
        FPrevBitmapChange(Sender);
    }
    Repaint();
    if (!IsStateEmpty(ZvState::Raised)) {
        SetBounds(Left(), Top(), raised->Width(), raised->Height());
    }
    UpdateRegion();
}

// The requested state itself, or a substitute its chain reaches through empty states: a new
// picture there may change what is shown for it.
bool ZvCustomControl::StandsForCurState(int State) {
    int step = FCurState;
    while (step != ZvState::Raised) {
        if (step == State) {
            return true;
        }
        if (!IsStateEmpty(step)) {
            return false;
        }
        step = Substitute(step);
    }
    return false;
}

void ZvCustomControl::Loaded() {
    ZvControl::Loaded();
    UpdateRegion();
}

// A new window has no shape: a control placed in a parent (again) gives it its own.
void ZvCustomControl::HandleCreated() {
    ZvControl::HandleCreated();
    BuildRegion();
    if (!ComponentState().Contains(csDesigning)) {
        ApplyWindowRegion();
    }
}

bool ZvCustomControl::HasWindowRegion() const {
    return GetTransparent() && !IsStateEmpty(ZvState::Raised);
}

void ZvCustomControl::ApplyWindowRegion() {
    if (HasWindowRegion()) {
        kiln::SetWindowRegion(Handle(), *FRegion, true);
    } else {
        SetWindowRgn(Handle(), HRGN{}, TRUE);
    }
}
