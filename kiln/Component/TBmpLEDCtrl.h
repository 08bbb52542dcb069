#pragma once
// The drawing engine of a skinned control: a fixed number of state bitmaps and an image child
// inside the control that shows one of them at a time. It copies the chosen state's bitmap into
// the bitmap the image draws, and paints it again whenever the shown state's bitmap changes.
//
// It is built from the library's drawing stack: an image layer as the surface, a painter on it,
// and a bitmap LED whose states are the state bitmaps and whose figure is the shown copy, placed
// at the image's top-left corner. The state bitmaps belong to it: callers may read and change
// them in place, but never delete them. The image child belongs to the owner component given at
// construction.

#include "kiln/Component/LED/BmpLED.h"
#include "kiln/Component/LEDCtrl.h"
#include "kiln/Graphics/ImageLayer.h"
#include "kiln/Graphics/NullSaver.h"
#include "kiln/Graphics/SimplePainter.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TColor.h"

#include <memory>

class TComponent;
class TObject;
class TWinControl;

namespace kiln {

class TBmpLEDCtrl : public LEDCtrl {
public:
    // stateCount empty bitmaps, state 0 shown, in a 0 x 0 image at the control's top-left
    // corner; each bitmap's OnChange goes to OnBitmapChange.
    TBmpLEDCtrl(TComponent* owner, TWinControl* control, int stateCount);
    ~TBmpLEDCtrl() override;
    TBmpLEDCtrl(const TBmpLEDCtrl&) = delete;
    TBmpLEDCtrl& operator=(const TBmpLEDCtrl&) = delete;

    int StateCount() const override;
    int State() const override;
    void SetState(int state) override;
    void Redraw() override;
    void Offset(int dx, int dy) override;
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;

    // The live bitmap of a state, 0 <= index < StateCount().
    TBitmap* Bitmap(int index) const;
    // The state's bitmap becomes a copy of the given one (empty for none) and raises its
    // OnChange.
    void SetBitmap(TBitmap* bitmap, int index);

    // The image's transparent colour as a 24-bit RGB value; set, system colours are resolved
    // to their current value.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor colour);
    bool Transparent() const;
    void SetTransparent(bool flag);

    // The image and the bitmap it draws take that size; what growing uncovers is erased to the
    // layer's background.
    void SetImageSize(int width, int height);
    // The canvas of the image's bitmap; what is drawn there shows with the image's next
    // refresh.
    TCanvas* Canvas();

    // Redraws when the sender is the bitmap of the state shown (the lowest state with that
    // bitmap); any other sender changes nothing visible.
    void OnBitmapChange(TObject* sender);

private:
    using Saver = NullSaver<TCanvas*>;
    using Layer = ImageLayer<Saver>;
    using Painter = SimplePainter<Layer>;
    using BitmapLED = TBitmapLED<Painter>;

    std::unique_ptr<Layer> m_layer;
    std::unique_ptr<Painter> m_painter;
    std::unique_ptr<BitmapLED> m_led;
};

} // namespace kiln
