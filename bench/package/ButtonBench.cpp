// A text button's full press-release cycle on the headless window system: its four picture
// changes (focused, sunken, focused, raised), each with its caption drawn again and the window
// repainted, and the same cycle driven by the pointer through the dispatcher; against a plain
// copy of the button's pixels once per picture change.

#include "package/ZvButtonTx.h"
#include "platform/backend/headless/HeadlessInput.h"
#include "platform/controls/TCustomForm.h"
#include "platform/graphics/Surface.h"
#include "platform/graphics/TBitmap.h"
#include "platform/kernel/Clock.h"
#include "platform/window/MessageLoop.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

constexpr int kSide = 16; // the size of the main window's title-bar buttons
constexpr int kPicturesPerCycle = 4;

std::unique_ptr<TBitmap> Face(TColor colour, TColor corner) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        uint32_t* row = bitmap->PixelRow(y);
        for (int x = 0; x < kSide; ++x) {
            bool cornerPixel = (x < 2 || x >= kSide - 2) && (y < 2 || y >= kSide - 2);
            row[x] = PixelFromColorRef(cornerPixel ? corner : colour);
        }
    }
    return bitmap;
}

// Counts the picture changes the cycle makes.
class CountingButton : public ZvButtonTx {
public:
    using ZvButtonTx::ZvButtonTx;
    void ShowBitmap(int state) override {
        ++pictures;
        ZvButtonTx::ShowBitmap(state);
    }
    int pictures = 0;
};

// A shown form with a shaped 16 x 16 text button at 10, 10, as on the main window.
class ButtonOnForm {
public:
    ButtonOnForm() {
        SetClock(&m_clock);
        m_form->SetBounds(100, 100, 120, 80);
        m_form->Show();
        button = new CountingButton(m_form.get());
        button->SetParent(m_form.get());
        button->SetLeft(10);
        button->SetTop(10);
        const TColor key = clFuchsia;
        button->GetAppearance()->SetRaisedBmp(Face(clSilver, key).get());
        button->GetAppearance()->SetSunkenBmp(Face(clGray, key).get());
        button->GetAppearance()->SetFocusedBmp(Face(clWhite, key).get());
        button->SetTransparent(true);
        button->Font()->SetHeight(-11);
        button->SetText("x");
        MessageLoop::Instance().ProcessMessages();
        pointer = std::make_unique<HeadlessPointer>(m_form->Handle());
        pointer->MoveTo(80, 60);
    }
    ~ButtonOnForm() {
        pointer.reset();
        m_form.reset();
        MessageLoop::Instance().Reset();
        SetClock(nullptr);
    }

    // Pointer in, press, release, pointer out, through the dispatcher, and the paints this
    // posted.
    void PointerCycle() {
        pointer->MoveTo(17, 17);
        pointer->Press(PointerButton::Left);
        pointer->Release(PointerButton::Left);
        pointer->MoveTo(80, 60);
        MessageLoop::Instance().ProcessMessages();
    }
    // The four pictures of a press under the pointer as the button asks for them: focused,
    // sunken, focused, raised.
    void PictureCycle() {
        button->ShowFocused();
        button->ShowSunken();
        button->ShowFocused();
        button->ShowRaised();
        MessageLoop::Instance().ProcessMessages();
    }

    CountingButton* button = nullptr;
    std::unique_ptr<HeadlessPointer> pointer;

private:
    VirtualClock m_clock;
    std::unique_ptr<TForm> m_form = std::make_unique<TForm>(nullptr);
};

void BM_TextButtonFourPictureCycle(benchmark::State& state) {
    ButtonOnForm setup;
    for (auto _ : state) {
        setup.PictureCycle();
    }
    state.counters["pictures"] = kPicturesPerCycle;
}
BENCHMARK(BM_TextButtonFourPictureCycle);

// On this platform the capture goes before the click, and losing it ends the hover, so a
// release shows the raised picture at once and leaving afterwards changes nothing: three
// pictures per cycle.
void BM_TextButtonPointerCycle(benchmark::State& state) {
    ButtonOnForm setup;
    int clicks = 0;
    setup.button->OnClick = [&clicks](TObject*) { ++clicks; };
    setup.button->pictures = 0;
    setup.PointerCycle();
    const int pictures = setup.button->pictures;
    if (clicks != 1) {
        state.SkipWithError("the cycle did not click");
        return;
    }
    for (auto _ : state) {
        setup.PointerCycle();
    }
    state.counters["pictures"] = pictures;
}
BENCHMARK(BM_TextButtonPointerCycle);

// The button's 16 x 16 pixels copied row by row between two surfaces, once per picture.
void BM_PlainCopyOfTheButtonsPixels(benchmark::State& state) {
    Surface from(kSide, kSide), to(kSide, kSide);
    for (auto _ : state) {
        for (int picture = 0; picture < kPicturesPerCycle; ++picture) {
            for (int y = 0; y < kSide; ++y) {
                std::memcpy(to.Row(y), from.Row(y), size_t(kSide) * 4);
            }
            benchmark::DoNotOptimize(to.Bits());
            benchmark::ClobberMemory();
        }
    }
}
BENCHMARK(BM_PlainCopyOfTheButtonsPixels);

} // namespace

BENCHMARK_MAIN();
