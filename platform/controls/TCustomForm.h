#pragma once
// A top-level window of the program. Its window is made when first needed; messages reach
// WndProc, which passes them to Dispatch, the place where a form's own handlers hook in and
// the class library's default handling lives.

#include "platform/core/Events.h"
#include "platform/core/TComponent.h"
#include "platform/window/Messages.h"

#include <functional>
#include <string>

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using enum TCloseAction;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using enum TFormBorderStyle;

enum class TPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter };
using enum TPosition;

class TCustomForm : public TComponent {
public:
    HUSHWAVE_CLASS_NAME(TCustomForm)

    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    HWND Handle();
    bool HandleAllocated() const { return static_cast<bool>(FHandle); }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Asks OnClose; closing the application's main form ends the application.
    void Close();

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value) { FBorderStyle = Value; }
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }

    TNotifyEvent OnCreate, OnShow, OnHide, OnDestroy;
    TCloseEvent OnClose;

    // Runs OnCreate once construction is complete (the class library calls it after the
    // constructor, as forms do without the old creation order).
    virtual void AfterConstruction();
    void BeforeDestruction() override;

    virtual void WndProc(TMessage& Message);
    virtual void Dispatch(TMessage& Message);

protected:
    virtual void DoShow();
    virtual void DoHide();
    void DefaultHandler(TMessage& Message);

private:
    void PlaceOnFirstShow();

    HWND FHandle;
    std::string FCaption;
    bool FVisible = false;
    bool FPlaced = false;
    int FLeft = 0, FTop = 0, FWidth = 320, FHeight = 240;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TPosition FPosition = poDesigned;
};

class TForm : public TCustomForm {
public:
    HUSHWAVE_CLASS_NAME(TForm)
    using TCustomForm::TCustomForm;
};
