#pragma once
// A top-level window of the program. Its window is made when first needed; messages reach
// WndProc, which passes them to Dispatch, the place where a form's own handlers hook in and
// the class library's default handling lives. A form starts hidden.

#include "platform/controls/TWinControl.h"
#include "platform/core/Events.h"

#include <functional>
#include <string>

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using enum TCloseAction;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using enum TFormBorderStyle;

enum class TPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter };
using enum TPosition;

class TCanvas;

class IDesignerHook;

class TCustomForm : public TWinControl {
public:
    HUSHWAVE_CLASS_NAME(TCustomForm)

    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    // Drawing on it goes straight to the window's surface and stays until the next repaint.
    TCanvas* Canvas();

    // Asks OnClose; closing the application's main form ends the application. caFree frees
    // the form through Release.
    void Close();
    // Frees the form once the messages already posted have been handled, so a handler of the
    // form or of one of its controls may call it and still return through them.
    void Release();

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle Value) { FBorderStyle = Value; }
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition Value) { FPosition = Value; }
    // The designer of a form read for design; its controls' mouse messages reach it first.
    IDesignerHook* Designer() const { return FDesigner; }
    void SetDesigner(IDesignerHook* Value) { FDesigner = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

    TNotifyEvent OnCreate, OnShow, OnHide, OnDestroy, OnPaint;
    TCloseEvent OnClose;

    // Runs OnCreate once construction is complete (the class library calls it after the
    // constructor, as forms do without the old creation order).
    virtual void AfterConstruction();
    void BeforeDestruction() override;

    void Dispatch(TMessage& Message) override;

protected:
    virtual void DoShow();
    virtual void DoHide();
    // Fires OnPaint; the background has been filled with Color before.
    virtual void Paint();
    void PaintWindow(TCanvas& Canvas) override;

    // Tells the components that refer to others (ComponentReferences) of each one leaving.
    void Notification(TComponent* AComponent, TOperation Operation) override;
    bool CanBeTopLevel() const override { return true; }
    void AdjustWindowStyle(WindowStyle& Style) const override;
    void VisibleChanged() override;

private:
    void PlaceOnFirstShow();

    bool FPlaced = false;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TPosition FPosition = poDesigned;
    IDesignerHook* FDesigner = nullptr;
    TModalResult FModalResult = mrNone;
};

class TForm : public TCustomForm {
public:
    HUSHWAVE_CLASS_NAME(TForm)
    using TCustomForm::TCustomForm;
};
