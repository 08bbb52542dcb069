#include "platform/controls/TControl.h"

#include "platform/controls/DesignerHook.h"
#include "platform/controls/InputDispatcher.h"
#include "platform/controls/TCustomForm.h"
#include "platform/controls/TWinControl.h"
#include "platform/core/Exception.h"
#include "platform/graphics/TFont.h"
#include "platform/window/InputCodes.h"

TShiftState MouseShiftState(WPARAM wParam) {
    TShiftState shift;
    if ((wParam & MK_SHIFT) != 0) {
        shift << ssShift;
    }
    if ((wParam & MK_CONTROL) != 0) {
        shift << ssCtrl;
    }
    // Mouse messages do not carry Alt; the keyboard's state does.
    if (InputDispatcher::Instance().KeyShiftState().Contains(ssAlt)) {
        shift << ssAlt;
    }
    if ((wParam & MK_LBUTTON) != 0) {
        shift << ssLeft;
    }
    if ((wParam & MK_RBUTTON) != 0) {
        shift << ssRight;
    }
    if ((wParam & MK_MBUTTON) != 0) {
        shift << ssMiddle;
    }
    return shift;
}

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), FFont(std::make_unique<TFont>()) {
    FFont->OnChange = [this](TObject*) {
        if (!FTakingParentFont) {
            FParentFont = false;
        }
        FontChanged();
    };
}

TControl::~TControl() {
    Destroying();
    InputDispatcher::Instance().Forget(*this);
    if (FParent != nullptr) {
        FParent->RemoveControl(this);
    }
}

void TControl::BeforeDestruction() {
    TComponent::BeforeDestruction();
    Destroying();
}

void TControl::SetParent(TWinControl* AParent) {
    if (AParent == FParent) {
        return;
    }
    for (TControl* up = AParent; up != nullptr; up = up->FParent) {
        if (up == this) {
            throw EInvalidOperation("A control cannot be placed inside itself");
        }
    }
    if (FParent != nullptr) {
        FParent->RemoveControl(this);
    }
    if (AParent != nullptr) {
        AParent->InsertControl(this);
    }
}

TControl* TControl::RootControl() {
    TControl* root = this;
    while (root->FParent != nullptr) {
        root = root->FParent;
    }
    return root;
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    int width = AWidth;
    int height = AHeight;
    if (!CanResize(width, height)) {
        return;
    }
    if (ALeft == FLeft && ATop == FTop && width == FWidth && height == FHeight) {
        return;
    }
    bool resized = width != FWidth || height != FHeight;
    InvalidateArea();
    FLeft = ALeft;
    FTop = ATop;
    FWidth = width;
    FHeight = height;
    BoundsChanged(resized);
    InvalidateArea();
    if (resized && !ComponentState().Contains(csLoading)) {
        Resize();
    }
}

POINT TControl::ClientOrigin() const {
    if (FParent == nullptr) {
        return POINT{FLeft, FTop};
    }
    POINT origin = FParent->ClientOrigin();
    return POINT{origin.x + FLeft, origin.y + FTop};
}

POINT TControl::ClientToScreen(POINT Point) const {
    POINT origin = ClientOrigin();
    return POINT{Point.x + origin.x, Point.y + origin.y};
}

POINT TControl::ScreenToClient(POINT Point) const {
    POINT origin = ClientOrigin();
    return POINT{Point.x - origin.x, Point.y - origin.y};
}

void TControl::SetVisible(bool Value) {
    ChangeVisible(Value, true);
}

void TControl::VisibleFromWindow(bool Value) {
    ChangeVisible(Value, false);
}

void TControl::ChangeVisible(bool Value, bool ToWindow) {
    if (Value == FVisible) {
        return;
    }
    if (!Value) {
        InvalidateArea();
        InputDispatcher::Instance().CancelInput(*this, true);
    }
    FVisible = Value;
    if (ToWindow) {
        VisibleChanged();
    }
    if (Value) {
        InvalidateArea();
    }
}

void TControl::BoundsFromWindow(const RECT& Bounds) {
    int width = Bounds.right - Bounds.left;
    int height = Bounds.bottom - Bounds.top;
    if (Bounds.left == FLeft && Bounds.top == FTop && width == FWidth && height == FHeight) {
        return;
    }
    bool resized = width != FWidth || height != FHeight;
    // A top-level window keeps its pixels when it only moves.
    bool repaint = FParent != nullptr || resized;
    if (repaint) {
        InvalidateArea();
    }
    FLeft = Bounds.left;
    FTop = Bounds.top;
    FWidth = width;
    FHeight = height;
    BoundsChanged(resized);
    if (repaint) {
        InvalidateArea();
    }
    if (resized && !ComponentState().Contains(csLoading)) {
        Resize();
    }
}

bool TControl::VisibleWithParents() const {
    for (const TControl* control = this; control != nullptr; control = control->FParent) {
        if (!control->FVisible) {
            return false;
        }
    }
    return true;
}

void TControl::SetEnabled(bool Value) {
    if (Value == FEnabled) {
        return;
    }
    FEnabled = Value;
    if (!Value) {
        InputDispatcher::Instance().CancelInput(*this, false);
    }
    EnabledChanged();
    Invalidate();
}

bool TControl::EnabledWithParents() const {
    for (const TControl* control = this; control != nullptr; control = control->FParent) {
        if (!control->FEnabled) {
            return false;
        }
    }
    return true;
}

void TControl::SetText(const std::string& Value) {
    if (Value == FText) {
        return;
    }
    FText = Value;
    TextChanged();
}

void TControl::SetFont(TFont* Value) {
    FFont->Assign(Value);
}

void TControl::SetParentFont(bool Value) {
    if (Value == FParentFont) {
        return;
    }
    FParentFont = Value;
    if (Value) {
        TakeParentFont();
    }
}

void TControl::TakeParentFont() {
    if (FParentFont && FParent != nullptr) {
        FTakingParentFont = true;
        FFont->Assign(FParent->Font());
        FTakingParentFont = false;
    }
}

void TControl::SetColor(TColor Value) {
    FParentColor = false;
    if (Value != FColor) {
        FColor = Value;
        ColorChanged();
    }
}

void TControl::SetParentColor(bool Value) {
    if (Value == FParentColor) {
        return;
    }
    FParentColor = Value;
    if (Value) {
        TakeParentColor();
    }
}

void TControl::TakeParentColor() {
    if (FParentColor && FParent != nullptr && FParent->Color() != FColor) {
        FColor = FParent->Color();
        ColorChanged();
    }
}

bool TControl::MouseCapture() const {
    return InputDispatcher::Instance().CaptureControl() == this;
}

void TControl::SetMouseCapture(bool Value) {
    InputDispatcher& dispatcher = InputDispatcher::Instance();
    if (Value) {
        dispatcher.SetCaptureControl(this);
    } else if (dispatcher.CaptureControl() == this) {
        dispatcher.SetCaptureControl(nullptr);
    }
}

bool TControl::HitTest(int, int) {
    return true;
}

void TControl::Click() {
    if (OnClick) {
        OnClick(this);
    }
}

void TControl::DblClick() {
    if (OnDblClick) {
        OnDblClick(this);
    }
}

bool TControl::CanResize(int& NewWidth, int& NewHeight) {
    bool result = true;
    if (OnCanResize) {
        OnCanResize(this, NewWidth, NewHeight, result);
    }
    return result;
}

void TControl::Resize() {
    if (OnResize) {
        OnResize(this);
    }
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) {
        OnMouseDown(this, Button, Shift, X, Y);
    }
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) {
        OnMouseUp(this, Button, Shift, X, Y);
    }
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) {
        OnMouseMove(this, Shift, X, Y);
    }
}

void TControl::PaintIn(const PaintContext&) {}

void TControl::VisibleChanged() {}

void TControl::EnabledChanged() {}

void TControl::TextChanged() {
    Invalidate();
}

void TControl::BoundsChanged(bool) {}

void TControl::FontChanged() {
    Invalidate();
}

void TControl::ColorChanged() {
    Invalidate();
}

void TControl::InvalidateArea() {
    if (!VisibleWithParents()) {
        return;
    }
    auto* root = dynamic_cast<TWinControl*>(RootControl());
    if (root == nullptr) {
        return;
    }
    root->InvalidateTopLevelArea(AreaInRoot(*root));
}

RECT TControl::AreaInRoot(const TWinControl& root) const {
    POINT origin = ClientOrigin();
    POINT rootOrigin = root.ClientOrigin();
    RECT area{origin.x - rootOrigin.x, origin.y - rootOrigin.y, 0, 0};
    area.right = area.left + FWidth;
    area.bottom = area.top + FHeight;
    return area;
}

void TControl::Invalidate() {
    InvalidateArea();
}

void TControl::Repaint() {
    if (!VisibleWithParents()) {
        return;
    }
    auto* root = dynamic_cast<TWinControl*>(RootControl());
    if (root == nullptr) {
        return;
    }
    bool fromHere = root != this && FControlStyle.Contains(csOpaque);
    root->PaintTopLevelArea(AreaInRoot(*root), fromHere ? this : nullptr);
}

void TControl::Update() {
    if (auto* root = dynamic_cast<TWinControl*>(RootControl())) {
        root->Update();
    }
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMessage message{Msg, WParam, LParam, 0};
    WndProc(message);
    return message.Result;
}

namespace {

bool IsMouseMessage(UINT Msg) {
    return (Msg >= WM_MOUSEMOVE && Msg <= WM_MBUTTONDBLCLK) || Msg == WM_MOUSELEAVE;
}

// The designer of the form a control at design time lies on, if it has one.
IDesignerHook* DesignerOf(TControl& Control) {
    TControl* top = &Control;
    while (top->Parent() != nullptr) {
        top = top->Parent();
    }
    auto* form = dynamic_cast<TCustomForm*>(top);
    return form != nullptr ? form->Designer() : nullptr;
}

} // namespace

void TControl::WndProc(TMessage& Message) {
    if (ComponentState().Contains(csDesigning) && IsMouseMessage(Message.Msg)) {
        IDesignerHook* designer = DesignerOf(*this);
        if (designer != nullptr && designer->IsDesignMsg(this, Message)) {
            return;
        }
    }
    // Without csDoubleClicks the second press of a double click is an ordinary press.
    if (!FControlStyle.Contains(csDoubleClicks) &&
        (Message.Msg == WM_LBUTTONDBLCLK || Message.Msg == WM_RBUTTONDBLCLK ||
         Message.Msg == WM_MBUTTONDBLCLK)) {
        Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
    }
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        ButtonDown(Message, mbLeft, false);
        break;
    case WM_LBUTTONDBLCLK:
        ButtonDown(Message, mbLeft, true);
        break;
    case WM_RBUTTONDOWN:
        ButtonDown(Message, mbRight, false);
        break;
    case WM_RBUTTONDBLCLK:
        ButtonDown(Message, mbRight, true);
        break;
    case WM_MBUTTONDOWN:
        ButtonDown(Message, mbMiddle, false);
        break;
    case WM_MBUTTONDBLCLK:
        ButtonDown(Message, mbMiddle, true);
        break;
    case WM_LBUTTONUP:
        ButtonUp(Message, mbLeft);
        break;
    case WM_RBUTTONUP:
        ButtonUp(Message, mbRight);
        break;
    case WM_MBUTTONUP:
        ButtonUp(Message, mbMiddle);
        break;
    case WM_MOUSEMOVE:
        MouseMove(MouseShiftState(Message.WParam), GET_X_LPARAM(Message.LParam),
                  GET_Y_LPARAM(Message.LParam));
        break;
    default:
        DefaultHandler(Message);
        break;
    }
}

void TControl::DefaultHandler(TMessage& Message) {
    Message.Result = 0;
}

void TControl::ButtonDown(TMessage& Message, TMouseButton Button, bool Double) {
    TShiftState shift = MouseShiftState(Message.WParam);
    if (Double) {
        shift << ssDouble;
    }
    if (Button == mbLeft) {
        if (FControlStyle.Contains(csCaptureMouse)) {
            SetMouseCapture(true);
        }
        if (FControlStyle.Contains(csClickEvents)) {
            if (Double) {
                DblClick();
            } else {
                InputDispatcher::Instance().PressStarted(*this);
            }
        }
    }
    MouseDown(Button, shift, GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
}

void TControl::ButtonUp(TMessage& Message, TMouseButton Button) {
    int x = GET_X_LPARAM(Message.LParam);
    int y = GET_Y_LPARAM(Message.LParam);
    if (Button == mbLeft) {
        // The capture goes before the click, so a click handler already sees it released.
        if (FControlStyle.Contains(csCaptureMouse)) {
            SetMouseCapture(false);
        }
        bool pressedHere = InputDispatcher::Instance().TakePress(*this);
        if (pressedHere && x >= 0 && y >= 0 && x < FWidth && y < FHeight) {
            Click();
        }
    }
    MouseUp(Button, MouseShiftState(Message.WParam), x, y);
}
