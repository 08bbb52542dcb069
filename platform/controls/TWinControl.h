#pragma once
// A control with a window of its own, which can hold other controls and take the keyboard
// focus. Its Controls list holds the non-windowed children first, then the windowed ones, each
// group in the order the children were inserted; the later a child in its group, the nearer
// the front. The window is made when first needed: a parentless control that may stand alone
// (a form) gets a top-level window, any other one a child window of its parent's window, and
// windowed children get theirs with it. The control follows what is done to its window:
// WM_SHOWWINDOW sets Visible, WM_WINDOWPOSCHANGED the position and size, and a new window
// region (SWP_FRAMECHANGED) has the control's rectangle painted again.

#include "platform/controls/TControl.h"
#include "platform/kernel/Handle.h"

#include <memory>
#include <vector>

class Surface;
class TCanvas;
class TControlCanvas;
struct WindowStyle;

class TWinControl : public TControl {
public:
    HUSHWAVE_CLASS_NAME(TWinControl)

    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
    // Throws EListError for an index outside 0 .. ControlCount - 1.
    TControl* Controls(int Index) const;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(const TControl* Control) const;

    HWND Handle();
    bool HandleAllocated() const { return static_cast<bool>(FHandle); }
    void HandleNeeded() { Handle(); }

    bool Focused() const;
    // Visible and enabled, and so is every parent.
    bool CanFocus() const;
    // Throws EInvalidOperation when the control cannot take the focus.
    void SetFocus();
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value) { FTabStop = Value; }
    // The control's place among its parent's windowed children when Tab moves the focus; -1
    // without a parent. A value outside the list puts the control last. While the control is
    // being loaded the value is kept and applied once its parent has finished loading.
    int TabOrder() const;
    void SetTabOrder(int Value);
    // The windowed descendants in the order Tab visits them: each control before its own
    // children.
    std::vector<TWinControl*> TabOrderList() const;
    // Focuses the next (or previous) control after CurControl in tab order that can take the
    // focus, wrapping around; with CheckTabStop only controls with TabStop count.
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    TNotifyEvent OnEnter, OnExit;
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;

    void Loaded() override;
    void Dispatch(TMessage& Message) override;
    // The window region, when one is set, decides which points belong to the control.
    bool HitTest(int X, int Y) override;
    void Update() override;

    // For a top-level control: marks an area of its client (in its client coordinates) to be
    // painted when the message loop next runs, or paints it now and presents it. With a
    // control to paint from, painting starts with that control and what lies in front of it.
    void InvalidateTopLevelArea(const RECT& Area);
    void PaintTopLevelArea(const RECT& Area, TControl* From);

protected:
    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    virtual void KeyPress(char& Key);
    virtual void DoEnter();
    virtual void DoExit();

    // Whether the control may have a top-level window when it has no parent.
    virtual bool CanBeTopLevel() const { return false; }
    virtual void AdjustWindowStyle(WindowStyle& Style) const;
    // Called once the window record exists, before the children's windows are made.
    virtual void HandleCreated() {}

    // Frees every child control, the front ones first.
    void DestroyControls();

    // The canvas the control paints with; outside painting it draws on the window surface.
    TControlCanvas& ControlCanvas();
    // Paints the control's own pixels after WM_ERASEBKGND, whose default handling fills the
    // client area with Color.
    virtual void PaintWindow(TCanvas& Canvas);
    void PaintIn(const PaintContext& Context) override;

    void VisibleChanged() override;
    void TextChanged() override;
    void BoundsChanged(bool Resized) override;
    void FontChanged() override;
    void ColorChanged() override;

private:
    friend class InputDispatcher;
    friend class WindowComposer;

    void CreateHandle();
    void DestroyHandle();
    LRESULT MainWndProc(UINT Msg, WPARAM WParam, LPARAM LParam);
    void WindowPosChanged(const WINDOWPOS& Pos);
    void FixupTabList();

    HWND FHandle;
    std::unique_ptr<TControlCanvas> FCanvas;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FWinControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    int FLoadedTabOrder = -1;
    RECT FInvalid{};
    bool FPaintPosted = false;
};

// The control whose window this is, or null.
TWinControl* FindControl(HWND Handle);
