#pragma once
// A layer on an image control: a platform TImage placed in a parent control, whose picture
// bitmap is the drawing surface, with a canvas layer over that bitmap. The image belongs to
// the owner component given at construction. Deleting the layer deletes the image too, unless
// the owner is already destroying it (its component state holds csDestroying) or it is gone
// already; the canvas layer always goes with the layer.
//
// The image is disabled, so it never takes mouse input itself: the platform hands the input
// to the control under it or to the parent.

#include "kiln/Graphics/CanvasLayer.h"
#include "kiln/Graphics/Color.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TPicture.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRect.h"

#include <memory>

class TWinControl;

namespace kiln {

template <class Saver> class ImageLayer {
public:
    ImageLayer(TComponent* owner, TWinControl* parent) {
        m_image = new Image(owner, this);
        m_image->SetParent(parent);
        TBitmap* bitmap = m_image->Picture()->Bitmap();
        bitmap->SetWidth(0);
        bitmap->SetHeight(0);
        m_image->SetWidth(0);
        m_image->SetHeight(0);
        bitmap->SetPixelFormat(pf24bit);
        m_image->SetLeft(0);
        m_image->SetTop(0);
        bitmap->SetTransparentMode(tmFixed);
        m_canvasLayer = std::make_unique<CanvasLayer<Saver>>(m_image->Canvas(), m_image->Width(),
                                                             m_image->Height());
        m_image->SetEnabled(false);
    }

    virtual ~ImageLayer() {
        if (m_image != nullptr) {
            m_image->m_layer = nullptr;
            if (!m_image->ComponentState().Contains(csDestroying)) {
                Free(m_image);
            }
        }
    }

    ImageLayer(const ImageLayer&) = delete;
    ImageLayer& operator=(const ImageLayer&) = delete;

    void SetParent(TWinControl* parent) { m_image->SetParent(parent); }
    TCanvas* Canvas() { return m_image->Canvas(); }

    void Offset(int dx, int dy) {
        m_image->SetLeft(m_image->Left() + dx);
        m_image->SetTop(m_image->Top() + dy);
    }
    int Left() const { return m_image->Left(); }
    int Top() const { return m_image->Top(); }

    int Width() const { return Bitmap()->Width(); }
    int Height() const { return Bitmap()->Height(); }
    void SetSize(int width, int height) {
        Bitmap()->SetWidth(width);
        Bitmap()->SetHeight(height);
        m_image->SetWidth(width);
        m_image->SetHeight(height);
        m_canvasLayer->SetSize(width, height);
    }

    bool Transparent() const { return m_image->Transparent(); }
    void SetTransparent(bool flag) { m_image->SetTransparent(flag); }
    Color TransparentColor() const { return Color::FromPlatform(Bitmap()->TransparentColor()); }
    void SetTransparentColor(Color c) { Bitmap()->SetTransparentColor(c.Value() & 0xFFFFFF); }

    Color BackgroundColor() const { return m_canvasLayer->BackgroundColor(); }
    void SetBackgroundColor(Color c) { m_canvasLayer->SetBackgroundColor(c); }
    void Clear() { m_canvasLayer->Clear(); }
    void Clear(const TRect& rect) { m_canvasLayer->Clear(rect); }
    void BeginDraw() { m_canvasLayer->BeginDraw(); }
    void EndDraw() { m_canvasLayer->EndDraw(); }
    TRect MapRect(const TRect& rect) const { return m_canvasLayer->MapRect(rect); }
    template <class Point> Point MapPoint(const Point& point) const {
        return m_canvasLayer->MapPoint(point);
    }

    void Repaint() { m_image->Repaint(); }

    // The image control, while it exists.
    TImage* ImageControl() const { return m_image; }

private:
    // The image tells its layer when it goes, so that a parent or owner that frees it first
    // leaves the layer nothing to delete twice.
    class Image : public TImage {
    public:
        Image(TComponent* owner, ImageLayer* layer) : TImage(owner), m_layer(layer) {}
        ~Image() override {
            if (m_layer != nullptr) {
                m_layer->m_image = nullptr;
            }
        }
        ImageLayer* m_layer;
    };

    TBitmap* Bitmap() const { return m_image->Picture()->Bitmap(); }

    Image* m_image = nullptr;
    std::unique_ptr<CanvasLayer<Saver>> m_canvasLayer;
};

} // namespace kiln
