#include "kiln/Component/TBmpLEDCtrl.h"

#include "kiln/Graphics/Color.h"
#include "platform/core/Assert.h"

#include <vector>

namespace kiln {

TBmpLEDCtrl::TBmpLEDCtrl(TComponent* owner, TWinControl* control, int stateCount) {
    HUSHWAVE_ASSERT(stateCount > 0);
    m_layer = std::make_unique<Layer>(owner, control);
    m_painter = std::make_unique<Painter>(m_layer.get());
    const std::vector<TBitmap*> noSources(std::size_t(stateCount), nullptr);
    m_led = std::make_unique<BitmapLED>(0, 0, noSources.data(), noSources.data() + stateCount,
                                        m_painter.get());
    for (int i = 0; i < stateCount; ++i) {
        m_led->Bitmap(i)->OnChange = [this](TObject* sender) { OnBitmapChange(sender); };
    }
}

// The image leaves its control first, while the control is still whole. The painter and then
// the LED follow, each pointing at what went before it; that is harmless, since neither draws
// unless asked and nothing can ask once the image is gone.
TBmpLEDCtrl::~TBmpLEDCtrl() {
    m_layer.reset();
    m_painter.reset();
    m_led.reset();
}

int TBmpLEDCtrl::StateCount() const {
    return m_led->StateCount();
}

int TBmpLEDCtrl::State() const {
    return m_led->State();
}

void TBmpLEDCtrl::SetState(int state) {
    if (state == State()) {
        return;
    }
    m_led->SetState(state);
    m_led->Figure().Draw();
}

void TBmpLEDCtrl::Redraw() {
    m_led->Update();
    m_led->Figure().Draw();
    m_layer->Repaint();
}

void TBmpLEDCtrl::Offset(int dx, int dy) {
    m_layer->Offset(dx, dy);
}

int TBmpLEDCtrl::Left() const {
    return m_layer->Left();
}

int TBmpLEDCtrl::Top() const {
    return m_layer->Top();
}

int TBmpLEDCtrl::Width() const {
    return m_layer->Width();
}

int TBmpLEDCtrl::Height() const {
    return m_layer->Height();
}

TBitmap* TBmpLEDCtrl::Bitmap(int index) const {
    return m_led->Bitmap(index);
}

void TBmpLEDCtrl::SetBitmap(TBitmap* bitmap, int index) {
    Bitmap(index)->Assign(bitmap);
}

TColor TBmpLEDCtrl::TransparentColor() const {
    return m_layer->TransparentColor().ToPlatform();
}

void TBmpLEDCtrl::SetTransparentColor(TColor colour) {
    m_layer->SetTransparentColor(Color::FromPlatform(colour));
}

bool TBmpLEDCtrl::Transparent() const {
    return m_layer->Transparent();
}

void TBmpLEDCtrl::SetTransparent(bool flag) {
    m_layer->SetTransparent(flag);
}

void TBmpLEDCtrl::SetImageSize(int width, int height) {
    m_layer->SetSize(width, height);
}

TCanvas* TBmpLEDCtrl::Canvas() {
    return m_layer->Canvas();
}

void TBmpLEDCtrl::OnBitmapChange(TObject* sender) {
    int i = 0;
    while (i < StateCount() && Bitmap(i) != sender) {
        ++i;
    }
    if (i == State()) {
        Redraw();
    }
}

} // namespace kiln
