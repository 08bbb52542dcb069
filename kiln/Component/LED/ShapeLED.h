#pragma once
// Segment LEDs and the factory that builds a glyph from its description.
//
// A solid shape LED shows a copy of one shape figure, outline and interior in the colour of its
// state: state i in colours[i]. The colours belong to its user and must outlive it.
//
// A glyph description is a sequence of ints:
//
//   header       n (segments), left, top, right, bottom of the glyph's box
//   polygon      0, k, then k pairs x, y
//   rectangle    1, x0, y0, x1, y1
//   ellipse      2, x0, y0, x1, y1
//   round rect   3, x0, y0, x1, y1, corner width, corner height
//   circle       4, left, top, diameter
//   square       5, left, top, side
//
// Segment coordinates are in the glyph's own grid: the glyph's figure starts at (0, 0) with the
// box's size, and every segment lies inside it. Polygon segments are drawn on the pixel grid of
// their glyph, so that the glyph scales as the picture it is designed as. Descriptions are the
// program's own constant data; an unknown segment type is a programming error.

#include "kiln/Component/LED.h"
#include "kiln/Component/LED/LEDDirector.h"
#include "kiln/Graphics/Color.h"
#include "kiln/Graphics/Figure/GridPolygonFigure.h"
#include "kiln/Graphics/Figure/ShapeFigures.h"
#include "platform/core/Assert.h"

#include <concepts>
#include <memory>
#include <utility>

namespace kiln {

template <std::derived_from<ShapeFigure> FigureType> class SolidShapeLED : public ScalableLED {
public:
    SolidShapeLED(int left, int top, const FigureType& figure, const Color* colours, int stateCount)
        : ScalableLED(left, top), m_colours(colours), m_stateCount(stateCount), m_figure(figure) {
        SetState(0);
    }

    int StateCount() const override { return m_stateCount; }
    int State() const override { return m_state; }
    // Setting the current state again changes nothing.
    void SetState(int state) override {
        HUSHWAVE_ASSERT(state >= 0 && state < StateCount());
        if (state == m_state) {
            return;
        }
        m_state = state;
        Update();
    }
    void Update() override {
        m_figure.SetLineColor(m_colours[m_state]);
        m_figure.SetFillColor(m_colours[m_state]);
    }

protected:
    kiln::ScalableFigure& GetFigure() override { return m_figure; }

private:
    const Color* m_colours;
    int m_stateCount;
    int m_state = -1;
    FigureType m_figure;
};

template <ShapePainter Painter> class ShapeLedFatory {
public:
    virtual ~ShapeLedFatory() = default;

    // Builds the glyph that the description starting at description describes, with its
    // segments in state 0, hands it over through led and returns the position just after the
    // description.
    const int* CreateLED(const int* description, const LED_Director* director, Painter* painter,
                         const Color* colours, int stateCount,
                         std::unique_ptr<CompositeScalableLED>& led) const {
        const int* at = description;
        const int segments = *at++;
        const int left = at[0], top = at[1], right = at[2], bottom = at[3];
        at += 4;
        led = std::make_unique<CompositeScalableLED>(left, top, right, bottom, director);
        for (int i = 0; i < segments; ++i) {
            const int type = *at++;
            switch (type) {
            case 0: {
                GridPolygonFigure<Painter> figure(painter);
                const int k = *at++;
                for (int p = 0; p < k; ++p, at += 2) {
                    const Point point{at[0], at[1]};
                    if (p < 2) {
                        figure.SetControlPoint(point, std::size_t(p));
                    } else {
                        figure.AppendControlPoint(point);
                    }
                }
                figure.AttachToGrid(&led->FigureInPlace());
                AddSegment(*led, figure, colours, stateCount);
                break;
            }
            case 1:
                AddSegment(*led, Corners(RectangleFigure<Painter>(painter), at), colours,
                           stateCount);
                at += 4;
                break;
            case 2:
                AddSegment(*led, Corners(EllipseFigure<Painter>(painter), at), colours, stateCount);
                at += 4;
                break;
            case 3: {
                RoundRectFigure<Painter> figure = Corners(RoundRectFigure<Painter>(painter), at);
                figure.SetCorner(at[4], at[5]);
                AddSegment(*led, figure, colours, stateCount);
                at += 6;
                break;
            }
            case 4:
                AddSegment(*led, CircleFigure<Painter>(at[0], at[1], at[2], painter), colours,
                           stateCount);
                at += 3;
                break;
            case 5:
                AddSegment(*led, SquareFigure<Painter>(at[0], at[1], at[2], painter), colours,
                           stateCount);
                at += 3;
                break;
            default:
                HUSHWAVE_ASSERT(false);
            }
        }
        return at;
    }

private:
    // Control points 0 and 1 from x0, y0, x1, y1 at at.
    template <class SegmentFigure>
    static SegmentFigure Corners(SegmentFigure figure, const int* at) {
        figure.SetControlPoint(Point{at[0], at[1]}, 0);
        figure.SetControlPoint(Point{at[2], at[3]}, 1);
        return figure;
    }

    // The figure takes its base size; the segment LED showing a copy of it stands where it is.
    template <class SegmentFigure>
    static void AddSegment(CompositeScalableLED& led, SegmentFigure figure, const Color* colours,
                           int stateCount) {
        figure.Resize(figure.OriginalWidth(), figure.OriginalHeight());
        auto segment =
            std::make_unique<SolidShapeLED<SegmentFigure>>(0, 0, figure, colours, stateCount);
        segment->SetLeft(figure.Left());
        segment->SetTop(figure.Top());
        led.AddLED(std::move(segment));
    }
};

} // namespace kiln
