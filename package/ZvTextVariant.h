#pragma once
// What the text variants of the skinned controls share: a caption drawn over the shown state
// picture, centred in a text rectangle, in a colour that depends on the state, and moved by a
// displacement the first time it is drawn after the control turned sunken. Each variant is
// this template over its own control and font colour set, and says only which colour a state
// takes (GetFontColorOfCurState).
//
// The caption is drawn into the image's bitmap after every picture change and on every font,
// colour set, caption or bounds change, then the control's window is repainted. The
// displacement is one-shot: a repaint while the control stays sunken draws the caption at its
// own place.
//
// The variant hooks in front of its font's change handler and puts the handler back when it
// goes, so later changes of the font reach no destroyed part of it.

#include "package/ZvCaption.h"
#include "platform/binding/PublishedClass.h"
#include "platform/controls/TWinControl.h"
#include "platform/core/Events.h"
#include "platform/graphics/TFont.h"
#include "platform/kernel/Types.h"

#include <memory>
#include <string>

template <class Base, class FontColorSet> class ZvTextVariant : public Base {
public:
    explicit ZvTextVariant(TComponent* AOwner)
        : Base(AOwner), FPrevFontChange(this->Font()->OnChange),
          FFontColors(std::make_unique<FontColorSet>()) {
        this->Font()->OnChange = [this](TObject* Sender) { FontChange(Sender); };
        FFontColors->SetOnChange([this](TObject* Sender) { FontColorChange(Sender); });
    }
    ~ZvTextVariant() override { this->Font()->OnChange = FPrevFontChange; }

    // How far the caption moves when the control turns sunken; shows at the next press.
    void SetDisp(int DX, int DY) {
        FDispX = DX;
        FDispY = DY;
    }
    void SetTextBounds(int ALeft, int ATop, int AWidth, int AHeight) {
        FTextRect = RECT{ALeft, ATop, ALeft + AWidth, ATop + AHeight};
        DoRepaint();
    }
    // The caption is centred in the size asked for, even when the size lock keeps the control
    // at its picture's size.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override {
        SetTextBounds(0, 0, AWidth, AHeight);
        Base::SetBounds(ALeft, ATop, AWidth, AHeight);
    }

    void ShowSunken() override {
        FSunkenPending = true;
        Base::ShowSunken();
    }
    void ShowBitmap(int State) override {
        Base::ShowBitmap(State);
        DoRepaint();
    }
    void Repaint() override { DoRepaint(); }

    const std::string& GetText() const { return this->Text(); }
    // Repaints also when the caption stays as it was.
    void SetText(const std::string& Value) {
        if (Value == this->Text()) {
            DoRepaint();
            return;
        }
        this->TControl::SetText(Value);
    }

    FontColorSet* GetFontColors() const { return FFontColors.get(); }
    void SetFontColors(FontColorSet* Value) { FFontColors->Assign(Value); }

    // The caption's colour in the state last asked for, as a plain RGB value.
    virtual TColor GetFontColorOfCurState() = 0;

    // Font, Caption and FontColors, which every text variant publishes.
    template <class T> static void PublishTextProperties(ClassBuilder<T>& c) {
        c.Object("Font", &TControl::Font)
            .String("Caption", &ZvTextVariant::SetText)
            .Object("FontColors", &ZvTextVariant::GetFontColors);
    }

protected:
    // A new caption is drawn whoever sets it, also a caller that knows the control only as the
    // platform's control.
    void TextChanged() override {
        Base::TextChanged();
        DoRepaint();
    }

    // The shown picture painted again, the caption over it, and the window repainted.
    void DoRepaint() {
        this->RedrawState();
        DrawTextA();
        this->TWinControl::Repaint();
    }

    void DrawTextA() {
        RECT r = FTextRect;
        if (FSunkenPending) {
            FSunkenPending = false;
            r.left += FDispX;
            r.top += FDispY;
        }
        DrawCaption(*this->GetCanvas(), *this->Font(), this->Text(), r, GetFontColorOfCurState());
    }

    void FontChange(TObject* Sender) {
        DoRepaint();
        if (FPrevFontChange) {
            FPrevFontChange(Sender);
        }
    }
    void FontColorChange(TObject*) { DoRepaint(); }

private:
    int FDispX = 2;
    int FDispY = 2;
    bool FSunkenPending = false;
    RECT FTextRect{0, 0, 0, 0};
    TNotifyEvent FPrevFontChange;
    std::unique_ptr<FontColorSet> FFontColors;
};
