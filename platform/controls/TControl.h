#pragma once
// The root of the visual controls: a rectangle in its parent's client area that can be shown,
// enabled, clicked and painted. Messages reach a control through WndProc, which hands them to
// Dispatch; Dispatch turns the mouse messages into the overridable MouseDown, MouseUp,
// MouseMove, Click and DblClick, whose base versions fire the user's events.

#include "platform/controls/ControlTypes.h"
#include "platform/core/Events.h"
#include "platform/core/TComponent.h"
#include "platform/graphics/TColor.h"
#include "platform/window/Messages.h"

#include <memory>
#include <string>

class TFont;

class TWinControl;
struct PaintContext;

class TControl : public TComponent {
public:
    HUSHWAVE_CLASS_NAME(TControl)

    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    // Marks the control and what it owns as being destroyed before any destructor runs.
    void BeforeDestruction() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    // The control at the root of this one's parent chain (itself when it has no parent).
    TControl* RootControl();

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    // Asks CanResize first; a refusal leaves position and size as they were.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    RECT ClientRect() const { return RECT{0, 0, FWidth, FHeight}; }
    // Controls have no frame of their own, so the client area is the whole control.
    int ClientWidth() const { return FWidth; }
    int ClientHeight() const { return FHeight; }
    void SetClientWidth(int Value) { SetWidth(Value); }
    void SetClientHeight(int Value) { SetHeight(Value); }
    // Screen position of the client area's top-left corner.
    virtual POINT ClientOrigin() const;
    POINT ClientToScreen(POINT Point) const;
    POINT ScreenToClient(POINT Point) const;

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so is every parent up to the top-level control.
    bool VisibleWithParents() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    bool EnabledWithParents() const;

    // Caption and Text are one value, as in the class library.
    const std::string& Caption() const { return FText; }
    void SetCaption(const std::string& Value) { SetText(Value); }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);

    // A control with ParentFont (or ParentColor) follows its parent's font (or colour) until
    // its own is changed.
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }

    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value) { FShowHint = Value; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value) { FCursor = Value; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value) { FHelpContext = Value; }

    bool MouseCapture() const;
    void SetMouseCapture(bool Value);

    // Whether a point in client coordinates belongs to the control, for hit testing; the
    // point is already known to lie inside the client rectangle.
    virtual bool HitTest(int X, int Y);

    virtual void Click();
    virtual void DblClick();
    virtual bool CanResize(int& NewWidth, int& NewHeight);
    virtual void Resize();

    // Invalidate has the control painted when the message loop next runs; Repaint paints it
    // at once and hands the pixels to the window system. An opaque control (csOpaque) paints
    // only itself and what lies above it; any other control has everything under it painted
    // again first.
    virtual void Invalidate();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    // Paints what is invalid of the control's top-level window now.
    virtual void Update();

    virtual void WndProc(TMessage& Message);
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);
    LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);

    TNotifyEvent OnClick, OnDblClick, OnResize;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TCanResizeEvent OnCanResize;

protected:
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);

    // Paints the control's own pixels while its window is composed.
    virtual void PaintIn(const PaintContext& Context);

    // The control's window was shown, hidden, moved or sized by a window call or by the user:
    // the control takes the window's state without handing it back, and without asking
    // CanResize, since the window has already changed.
    void VisibleFromWindow(bool Value);
    void BoundsFromWindow(const RECT& Bounds);

    // Called after the value changed.
    virtual void VisibleChanged();
    virtual void EnabledChanged();
    virtual void TextChanged();
    virtual void BoundsChanged(bool Resized);
    virtual void FontChanged();
    virtual void ColorChanged();

private:
    friend class TWinControl;
    friend class WindowComposer;

    void ChangeVisible(bool Value, bool ToWindow);
    void ButtonDown(TMessage& Message, TMouseButton Button, bool Double);
    void ButtonUp(TMessage& Message, TMouseButton Button);
    void InvalidateArea();
    // The control's rectangle in its top-level control's client coordinates.
    RECT AreaInRoot(const TWinControl& root) const;
    void TakeParentFont();
    void TakeParentColor();

    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FText;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FTakingParentFont = false;
    TColor FColor = clWindow;
    bool FParentColor = true;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    std::string FHint;
    bool FShowHint = false;
    TCursor FCursor = crDefault;
    int FHelpContext = 0;
};

// The mouse and key state flags of a mouse message's wParam as the class library's shift state.
TShiftState MouseShiftState(WPARAM wParam);
