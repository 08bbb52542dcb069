#pragma once
// An LED whose states are bitmaps: state i shows bitmap i. The LED owns one bitmap per state,
// copied from the sources it was built from; its users may change them in place through
// Bitmap(i), and call Update() when i is the current state. Its figure shows a copy of the
// current state's bitmap as it was at the last SetState or Update.

#include "kiln/Component/LED.h"
#include "kiln/Graphics/Figure/BmpFigure.h"
#include "kiln/Graphics/Figure/PainterConcepts.h"
#include "platform/core/Assert.h"
#include "platform/graphics/TBitmap.h"

#include <concepts>
#include <cstddef>
#include <memory>
#include <vector>

namespace kiln {

// A figure that can be given a copy of a bitmap to show.
template <class F>
concept BitmapShowingFigure = std::derived_from<F, Figure> &&
    requires(F& figure, const TBitmap* source) {
    figure.AssignBitmap(source);
};

// An indexable list of state bitmaps.
template <class C>
concept BitmapList = requires(const C& list, std::size_t i) {
    { list.size() } -> std::convertible_to<std::size_t>;
    { list[i] } -> std::convertible_to<const TBitmap*>;
};

namespace detail {

// The state logic of a bitmap LED: the current state (-1 until the first SetState), the figure
// that shows it, and the LED's list of bitmaps, which it reads but does not own.
template <BitmapShowingFigure FigureType, BitmapList Container> class BitmapLEDHelper {
public:
    template <class Painter>
    BitmapLEDHelper(Painter* painter, const Container* bitmaps)
        : m_figure(painter), m_pBitmaps(bitmaps) {}

    int StateCount() const {
        HUSHWAVE_ASSERT(m_pBitmaps);
        return int(m_pBitmaps->size());
    }
    int State() const { return m_state; }

    // Setting the current state again copies nothing.
    void SetState(int state) {
        HUSHWAVE_ASSERT(state >= 0 && state < StateCount());
        if (state == m_state) {
            return;
        }
        m_state = state;
        ShowCurrentBitmap();
    }

    void Update() {
        HUSHWAVE_ASSERT(m_state >= 0 && m_state < StateCount());
        ShowCurrentBitmap();
    }

    FigureType& GetFigure() { return m_figure; }

private:
    void ShowCurrentBitmap() {
        HUSHWAVE_ASSERT(m_pBitmaps);
        m_figure.AssignBitmap((*m_pBitmaps)[std::size_t(m_state)]);
    }

    int m_state = -1;
    FigureType m_figure;
    const Container* m_pBitmaps;
};

} // namespace detail

template <BitmapPainter Painter> class TBitmapLED : public LED {
public:
    // One state per source in [first, last), each a copy (a null source gives an empty
    // bitmap); state 0 is current. An empty range has no state 0 and fails the state check.
    TBitmapLED(int left, int top, TBitmap* const* first, TBitmap* const* last, Painter* painter)
        : LED(left, top), m_statePart(painter, &m_bitmaps) {
        try {
            for (; first != last; ++first) {
                AppendBitmap(*first);
            }
            SetState(0);
        } catch (...) {
            RemoveAllBitmaps();
            throw;
        }
    }
    ~TBitmapLED() override { RemoveAllBitmaps(); }
    TBitmapLED(const TBitmapLED&) = delete;
    TBitmapLED& operator=(const TBitmapLED&) = delete;

    // Adds a copy of the source as the last state.
    void AppendBitmap(const TBitmap* source) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->Assign(const_cast<TBitmap*>(source));
        m_bitmaps.push_back(bitmap.get());
        bitmap.release();
    }

    // Deletes the bitmap of the state; later states move down by one.
    void RemoveBitmap(int index) {
        CheckIndex(index);
        delete m_bitmaps[std::size_t(index)];
        m_bitmaps.erase(m_bitmaps.begin() + index);
    }

    // The LED's own bitmap of the state, to read or change in place.
    TBitmap* Bitmap(int index) const {
        CheckIndex(index);
        return m_bitmaps[std::size_t(index)];
    }

    int StateCount() const override { return m_statePart.StateCount(); }
    int State() const override { return m_statePart.State(); }
    void SetState(int state) override { m_statePart.SetState(state); }
    void Update() override { m_statePart.Update(); }

protected:
    kiln::Figure& GetFigure() override { return m_statePart.GetFigure(); }

private:
    using Bitmaps = std::vector<TBitmap*>;

    void CheckIndex(int index) const {
        HUSHWAVE_ASSERT(index >= 0);
        HUSHWAVE_ASSERT_TEXT(index < int(m_bitmaps.size()), "index < (int) m_bitmaps.size()");
    }

    // From the last state down, as removing each in turn would.
    void RemoveAllBitmaps() {
        while (!m_bitmaps.empty()) {
            RemoveBitmap(int(m_bitmaps.size()) - 1);
        }
    }

    Bitmaps m_bitmaps;
    detail::BitmapLEDHelper<TBitmapFigure<Painter>, Bitmaps> m_statePart;
};

} // namespace kiln
