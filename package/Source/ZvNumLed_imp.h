#pragma once
// The numeric LED display's picture: a row of glyphs, one per character of the format, drawn on
// an image layer in a light colour for lit segments and a dark one for unlit segments, over the
// layer's background. The row is stretched to the image's size.
//
// Numbers fill the "8" places right to left, the lowest digits first; digits that do not fit
// are dropped, and the sign is not shown. A time fills "H", "M" and "S" places, a date "D", "M"
// and "Y" places, right to left as well. A number that is no number shows 0, and a time or
// date outside the years 1 to 9999 zeros in every place. A glyph switched off shows every segment
// dark until it is switched on again; a new layout keeps the places that were off dark. Zeros left
// of the units digit are blank unless zero leading is on.
//
// The time and date of the platform are day counts in a double, so one value setter serves
// both: the display's type says what the value is.

#include "kiln/Component/LED.h"
#include "kiln/Component/LED/BasicLEDCollector.h"
#include "kiln/Graphics/Color.h"
#include "kiln/Graphics/ImageLayer.h"
#include "kiln/Graphics/NullSaver.h"
#include "kiln/Graphics/SimplePainter.h"
#include "package/ZvNumLedTypes.h"
#include "platform/core/DateTime.h"

#include <memory>
#include <string>
#include <vector>

class TCanvas;
class TComponent;
class TWinControl;

namespace kiln {

class ZvNumLed_imp {
public:
    using Layer = ImageLayer<NullSaver<TCanvas*>>;
    using Painter = SimplePainter<Layer>;

    // The image belongs to owner and is placed in parent at width × height.
    ZvNumLed_imp(TComponent* owner, TWinControl* parent, int width, int height);
    ~ZvNumLed_imp();
    ZvNumLed_imp(const ZvNumLed_imp&) = delete;
    ZvNumLed_imp& operator=(const ZvNumLed_imp&) = delete;

    ZvNumLedType GetType() const { return m_type; }
    void SetType(ZvNumLedType type);
    ZvNumLedStyle GetStyle() const { return m_style; }
    void SetStyle(ZvNumLedStyle style);
    bool GetZeroLeading() const { return m_zeroLeading; }
    void SetZeroLeading(bool flag);
    bool GetKeepRatio() const { return m_keepRatio; }
    void SetKeepRatio(bool flag) { m_keepRatio = flag; }
    const std::string& GetFormat() const { return m_format; }
    // A format with a character that has no glyph, or an empty one, changes nothing.
    void SetFormat(const std::string& format);

    // A number while the type is nledFloat, a time or date (TDateTime) otherwise; a value
    // equal to the last one of its kind draws nothing.
    void SetValue(double value);
    // The last value of the current type's kind.
    bool GetValue(double& value) const;

    // Index 0 means every glyph, 1 to n one glyph; a larger index only redraws.
    void On(unsigned index);
    void Off(unsigned index);

    void Resize(int width, int height);
    void MoveImage(int left, int top);
    int ImageWidth() const { return m_layer->Width(); }
    int ImageHeight() const { return m_layer->Height(); }
    void SetParent(TWinControl* parent) { m_layer->SetParent(parent); }
    bool Transparent() const { return m_layer->Transparent(); }
    void SetTransparent(bool flag) { m_layer->SetTransparent(flag); }

    // The segment colours: 0 dark (off), 1 light (on). Setting one redraws the row.
    Color SegmentColor(int index) const { return m_colours[index]; }
    void SetSegmentColor(int index, Color colour);
    Color BackgroundColor() const { return m_layer->BackgroundColor(); }
    // Redraws everything on the new background.
    void SetBackgroundColor(Color colour);
    Color TransparentColor() const { return m_layer->TransparentColor(); }
    void SetTransparentColor(Color colour) { m_layer->SetTransparentColor(colour); }

    // Clears the image and draws every glyph again from the stored states.
    void Refresh();

    TImage* ImageControl() const { return m_layer->ImageControl(); }

private:
    using GlyphRow = BasicLED_Collector<ScalableLED_Collector, CompositeScalableFig>;

    bool BuildLayout(const std::string& text);
    void DeleteGlyphs();
    void ApplyStates();
    void RefreshValue();
    void RenderNumber(double value);
    void RenderDateTime(TDateTime value);
    void RenderTime();
    void RenderDate();
    // Fills the places of the format whose character is one of letters with the field's
    // digits, right to left.
    void RenderField(const char* letters, unsigned field);
    int LitState(std::size_t glyph) const { return m_row.LEDStateCount(glyph) - 1; }
    void DrawRow() { m_row.Figure().Draw(); }

    std::unique_ptr<Layer> m_layer;
    std::unique_ptr<Painter> m_painter;
    GlyphRow m_row;
    std::vector<std::unique_ptr<CompositeScalableLED>> m_glyphs;
    Color m_colours[2];
    std::string m_format;
    ZvNumLedType m_type = nledFloat;
    ZvNumLedStyle m_style = nledRectangle7_s;
    bool m_zeroLeading = false;
    bool m_keepRatio = false;
    std::vector<int> m_states;
    std::vector<bool> m_enabled;
    double m_value = 0.0;
    TDateTime m_dateTime;
};

} // namespace kiln
