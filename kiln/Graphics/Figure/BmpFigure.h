#pragma once
// A figure that shows its own private copy of a bitmap at its position, at the bitmap's size.
// It has no bitmap until the first AssignBitmap; from then on the copy lives as long as the
// figure. It never deletes or changes its painter.

#include "kiln/Graphics/Figure/PainterConcepts.h"
#include "kiln/Graphics/FigureBase.h"
#include "platform/core/Assert.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRect.h"

#include <memory>

namespace kiln {

template <BitmapPainter Painter> class TBitmapFigure : public BitmapFigure {
public:
    explicit TBitmapFigure(Painter* painter) : m_painterPtr(painter) {}
    TBitmapFigure(const TBitmapFigure&) = delete;
    TBitmapFigure& operator=(const TBitmapFigure&) = delete;

    // Copies the source; later changes to it are not seen until the next call. A null source
    // leaves the figure with an empty bitmap. The class library's Assign takes its source as
    // non-const but only reads it.
    void AssignBitmap(const TBitmap* source) {
        if (!m_bitmap) {
            m_bitmap = std::make_unique<TBitmap>();
            m_bitmap->SetPixelFormat(pf24bit);
        }
        m_bitmap->Assign(const_cast<TBitmap*>(source));
    }

    // Nothing is drawn while the figure has no bitmap or its bitmap holds no image.
    void Draw() override {
        HUSHWAVE_ASSERT(m_painterPtr);
        if (!m_bitmap || !m_bitmap->Handle()) {
            return;
        }
        m_painterPtr->DrawBitmap(m_bitmap->Handle(), TRect(0, 0, Width(), Height()), Left(), Top());
    }

    // Erases the bitmap's rectangle, whether or not the bitmap holds an image; without a
    // bitmap nothing happens.
    void Erase() override {
        HUSHWAVE_ASSERT(m_painterPtr);
        if (!m_bitmap) {
            return;
        }
        m_painterPtr->Erase(TRect(Left(), Top(), Left() + Width(), Top() + Height()));
    }

    int Width() const override { return m_bitmap ? m_bitmap->Width() : 0; }
    int Height() const override { return m_bitmap ? m_bitmap->Height() : 0; }

private:
    std::unique_ptr<TBitmap> m_bitmap;
    Painter* const m_painterPtr;
};

} // namespace kiln
