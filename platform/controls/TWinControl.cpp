#include "platform/controls/TWinControl.h"

#include "platform/controls/ControlMessages.h"
#include "platform/controls/InputDispatcher.h"
#include "platform/controls/PaintContext.h"
#include "platform/controls/TControlCanvas.h"
#include "platform/controls/WindowComposer.h"
#include "platform/core/Exception.h"
#include "platform/window/InputCodes.h"
#include "platform/window/Window.h"
#include "platform/window/WindowCalls.h"

#include <algorithm>
#include <unordered_map>

namespace {

std::unordered_map<HWND, TWinControl*>& ControlsByHandle() {
    static std::unordered_map<HWND, TWinControl*> controls;
    return controls;
}

bool IsInputMessage(UINT Msg) {
    return (Msg >= WM_MOUSEMOVE && Msg <= WM_MBUTTONDBLCLK) || Msg == WM_KEYDOWN ||
           Msg == WM_KEYUP || Msg == WM_CHAR;
}

RECT Intersection(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.right <= r.left || r.bottom <= r.top) {
        return RECT{};
    }
    return r;
}

bool IsEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

RECT Union(const RECT& a, const RECT& b) {
    if (IsEmpty(a)) {
        return b;
    }
    if (IsEmpty(b)) {
        return a;
    }
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

} // namespace

TWinControl* FindControl(HWND Handle) {
    auto& controls = ControlsByHandle();
    auto it = controls.find(Handle);
    return it == controls.end() ? nullptr : it->second;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TControlCanvas& TWinControl::ControlCanvas() {
    if (!FCanvas) {
        FCanvas = std::make_unique<TControlCanvas>(*this);
    }
    return *FCanvas;
}

void TWinControl::PaintWindow(TCanvas&) {}

void TWinControl::PaintIn(const PaintContext& Context) {
    PaintConfined(Context, [&](const DrawingTarget& target) {
        TControlCanvas& canvas = ControlCanvas();
        TControlCanvas::PaintScope painting(canvas, target);
        Perform(WM_ERASEBKGND, canvas.Handle().value, 0);
        PaintWindow(canvas);
    });
}

TWinControl::~TWinControl() {
    Destroying();
    InputDispatcher::Instance().Forget(*this);
    DestroyControls();
    if (Parent() != nullptr) {
        Parent()->RemoveControl(this);
    }
    if (FHandle) {
        // The control is half gone: its window hears nothing more.
        FindWindow(FHandle)->SetProcedure(nullptr);
        DestroyHandle();
    }
}

void TWinControl::DestroyControls() {
    // Children go with their parent, whoever owns them, as in the class library.
    while (ControlCount() > 0) {
        TControl* child = Controls(ControlCount() - 1);
        RemoveControl(child);
        Free(child);
    }
}

TControl* TWinControl::Controls(int Index) const {
    if (Index < 0 || Index >= ControlCount()) {
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    }
    size_t i = static_cast<size_t>(Index);
    return i < FControls.size() ? FControls[i] : FWinControls[i - FControls.size()];
}

void TWinControl::InsertControl(TControl* AControl) {
    AControl->FParent = this;
    if (auto* windowed = dynamic_cast<TWinControl*>(AControl)) {
        FWinControls.push_back(windowed);
        FTabList.push_back(windowed);
        if (FHandle) {
            windowed->CreateHandle();
        }
    } else {
        FControls.push_back(AControl);
    }
    AControl->TakeParentFont();
    AControl->TakeParentColor();
    AControl->InvalidateArea();
}

void TWinControl::RemoveControl(TControl* AControl) {
    if (AControl->FParent != this) {
        return;
    }
    AControl->InvalidateArea();
    InputDispatcher& dispatcher = InputDispatcher::Instance();
    if (AControl->ComponentState().Contains(csDestroying)) {
        dispatcher.Forget(*AControl);
    } else {
        dispatcher.CancelInput(*AControl, true);
    }
    if (auto* windowed = dynamic_cast<TWinControl*>(AControl)) {
        std::erase(FWinControls, windowed);
        std::erase(FTabList, windowed);
        if (windowed->FHandle) {
            windowed->DestroyHandle();
        }
    } else {
        std::erase(FControls, AControl);
    }
    AControl->FParent = nullptr;
}

bool TWinControl::ContainsControl(const TControl* Control) const {
    for (const TControl* up = Control; up != nullptr; up = up->Parent()) {
        if (up == this) {
            return true;
        }
    }
    return false;
}

HWND TWinControl::Handle() {
    if (!FHandle) {
        CreateHandle();
    }
    return FHandle;
}

void TWinControl::AdjustWindowStyle(WindowStyle&) const {}

void TWinControl::CreateHandle() {
    Window* parentWindow = nullptr;
    if (Parent() != nullptr) {
        parentWindow = FindWindow(Parent()->Handle());
        // Making the parent's window made the windows of its children, this one's included.
        if (FHandle) {
            return;
        }
    } else if (!CanBeTopLevel()) {
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    }
    WindowStyle style;
    AdjustWindowStyle(style);
    FHandle = CreateWindowRecord(parentWindow, style, [this](HWND, UINT msg, WPARAM w, LPARAM l) {
        return MainWndProc(msg, w, l);
    });
    ControlsByHandle()[FHandle] = this;
    Window* window = FindWindow(FHandle);
    window->SetText(Text());
    window->SetBounds(BoundsRect());
    if (parentWindow != nullptr) {
        window->SetVisible(Visible());
    }
    HandleCreated();
    for (TWinControl* child : FWinControls) {
        if (!child->FHandle) {
            child->CreateHandle();
        }
    }
}

void TWinControl::DestroyHandle() {
    for (TWinControl* child : FWinControls) {
        if (child->FHandle) {
            child->DestroyHandle();
        }
    }
    HWND handle = FHandle;
    FHandle = HWND{};
    FPaintPosted = false;
    FInvalid = RECT{};
    ControlsByHandle().erase(handle);
    if (InputDispatcher::Instance().CaptureWindow() == handle) {
        InputDispatcher::Instance().SetCaptureWindow(HWND{});
    }
    DestroyWindowRecord(handle);
}

LRESULT TWinControl::MainWndProc(UINT Msg, WPARAM WParam, LPARAM LParam) {
    // Input reaches a top-level window only; the dispatcher finds the control it is for.
    if (Parent() == nullptr && IsInputMessage(Msg)) {
        InputDispatcher::Instance().RouteInput(*this, Msg, WParam, LParam);
        return 0;
    }
    if (Parent() == nullptr && Msg == WM_ACTIVATE) {
        InputDispatcher::Instance().WindowActivated(*this, (WParam & 0xFFFF) != WA_INACTIVE);
    } else if (Msg == WM_CANCELMODE) {
        InputDispatcher::Instance().CancelMode();
    }
    TMessage message{Msg, WParam, LParam, 0};
    WndProc(message);
    return message.Result;
}

bool TWinControl::Focused() const {
    return InputDispatcher::Instance().FocusedControl() == this;
}

bool TWinControl::CanFocus() const {
    return VisibleWithParents() && EnabledWithParents();
}

void TWinControl::SetFocus() {
    if (!CanFocus()) {
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    }
    InputDispatcher::Instance().SetFocusedControl(this);
}

int TWinControl::TabOrder() const {
    if (Parent() == nullptr) {
        return -1;
    }
    const auto& list = Parent()->FTabList;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
    if (ComponentState().Contains(csLoading)) {
        FLoadedTabOrder = Value;
        return;
    }
    if (Parent() == nullptr) {
        return;
    }
    auto& list = Parent()->FTabList;
    std::erase(list, this);
    if (Value < 0 || static_cast<size_t>(Value) >= list.size()) {
        list.push_back(this);
    } else {
        list.insert(list.begin() + Value, this);
    }
}

void TWinControl::FixupTabList() {
    // Each child that asked for a place while loading gets it, lowest places first; the others
    // keep their order around them.
    std::vector<TWinControl*> byPlace(FTabList.size());
    for (TWinControl* child : FTabList) {
        if (child->FLoadedTabOrder >= 0 &&
            static_cast<size_t>(child->FLoadedTabOrder) < byPlace.size()) {
            byPlace[static_cast<size_t>(child->FLoadedTabOrder)] = child;
        }
        child->FLoadedTabOrder = -1;
    }
    for (size_t place = 0; place < byPlace.size(); ++place) {
        if (byPlace[place] != nullptr) {
            std::erase(FTabList, byPlace[place]);
            FTabList.insert(FTabList.begin() + static_cast<long>(place), byPlace[place]);
        }
    }
}

void TWinControl::Loaded() {
    TControl::Loaded();
    FixupTabList();
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
    std::vector<TWinControl*> list;
    for (TWinControl* child : FTabList) {
        list.push_back(child);
        std::vector<TWinControl*> inner = child->TabOrderList();
        list.insert(list.end(), inner.begin(), inner.end());
    }
    return list;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
    std::vector<TWinControl*> list = TabOrderList();
    if (list.empty()) {
        return;
    }
    if (!GoForward) {
        std::reverse(list.begin(), list.end());
    }
    auto at = std::find(list.begin(), list.end(), CurControl);
    size_t start = at == list.end() ? list.size() - 1 : static_cast<size_t>(at - list.begin());
    for (size_t step = 1; step <= list.size(); ++step) {
        TWinControl* candidate = list[(start + step) % list.size()];
        if ((!CheckTabStop || candidate->TabStop()) && candidate->CanFocus()) {
            candidate->SetFocus();
            return;
        }
    }
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
    if (OnKeyDown) {
        OnKeyDown(this, Key, Shift);
    }
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
    if (OnKeyUp) {
        OnKeyUp(this, Key, Shift);
    }
}

void TWinControl::KeyPress(char& Key) {
    if (OnKeyPress) {
        OnKeyPress(this, Key);
    }
}

void TWinControl::DoEnter() {
    if (OnEnter) {
        OnEnter(this);
    }
}

void TWinControl::DoExit() {
    if (OnExit) {
        OnExit(this);
    }
}

void TWinControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_KEYDOWN: {
        WORD key = static_cast<WORD>(Message.WParam);
        KeyDown(key, InputDispatcher::Instance().KeyShiftState());
        Message.WParam = key;
        break;
    }
    case WM_KEYUP: {
        WORD key = static_cast<WORD>(Message.WParam);
        KeyUp(key, InputDispatcher::Instance().KeyShiftState());
        Message.WParam = key;
        break;
    }
    case WM_CHAR: {
        char key = static_cast<char>(Message.WParam);
        KeyPress(key);
        Message.WParam = static_cast<unsigned char>(key);
        break;
    }
    case CM_ENTER:
        DoEnter();
        break;
    case CM_EXIT:
        DoExit();
        break;
    case WM_SHOWWINDOW:
        VisibleFromWindow(Message.WParam != 0);
        break;
    case WM_WINDOWPOSCHANGED:
        if (Message.LParam != 0) {
            WindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(Message.LParam));
        }
        break;
    case WM_PAINT:
        FPaintPosted = false;
        Update();
        break;
    case WM_ERASEBKGND: {
        TControlCanvas& canvas = ControlCanvas();
        canvas.Brush()->SetColor(Color());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.FillRect(ClientRect());
        Message.Result = 1;
        break;
    }
    default:
        TControl::Dispatch(Message);
        break;
    }
}

void TWinControl::WindowPosChanged(const WINDOWPOS& Pos) {
    BoundsFromWindow(RECT{Pos.x, Pos.y, Pos.x + Pos.cx, Pos.y + Pos.cy});
    if ((Pos.flags & SWP_FRAMECHANGED) != 0 && Parent() != nullptr) {
        // The region changed; the whole rectangle holds the old shape and the new one.
        InvalidateArea();
    }
}

bool TWinControl::HitTest(int X, int Y) {
    if (!FHandle) {
        return true;
    }
    const auto& region = FindWindow(FHandle)->GetRegion();
    return !region || region->Contains(X, Y);
}

void TWinControl::VisibleChanged() {
    if (FHandle && Parent() != nullptr) {
        FindWindow(FHandle)->SetVisible(Visible());
    }
}

void TWinControl::TextChanged() {
    if (FHandle) {
        FindWindow(FHandle)->SetText(Text());
    }
    TControl::TextChanged();
}

void TWinControl::BoundsChanged(bool) {
    if (FHandle) {
        FindWindow(FHandle)->SetBounds(BoundsRect());
    }
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (int i = 0; i < ControlCount(); ++i) {
        Controls(i)->TakeParentFont();
    }
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    for (int i = 0; i < ControlCount(); ++i) {
        Controls(i)->TakeParentColor();
    }
}

void TWinControl::InvalidateTopLevelArea(const RECT& Area) {
    if (!FHandle || Parent() != nullptr) {
        return;
    }
    RECT area = Intersection(Area, ClientRect());
    if (IsEmpty(area)) {
        return;
    }
    FInvalid = Union(FInvalid, area);
    if (!FPaintPosted) {
        FPaintPosted = true;
        PostMessageA(FHandle, WM_PAINT, 0, 0);
    }
}

void TWinControl::PaintTopLevelArea(const RECT& Area, TControl* From) {
    if (!FHandle || Parent() != nullptr) {
        return;
    }
    RECT area = Intersection(Area, ClientRect());
    if (IsEmpty(area)) {
        return;
    }
    Window* window = FindWindow(FHandle);
    WindowComposer::Compose(*this, window->GetSurface(), area, From);
    if (From == nullptr && Intersection(FInvalid, area) == FInvalid) {
        FInvalid = RECT{};
    }
    window->Present(area);
}

void TWinControl::Update() {
    if (Parent() != nullptr) {
        TControl::Update();
        return;
    }
    if (!IsEmpty(FInvalid)) {
        RECT invalid = FInvalid;
        FInvalid = RECT{};
        PaintTopLevelArea(invalid, nullptr);
    }
}
