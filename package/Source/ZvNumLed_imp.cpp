#include "package/Source/ZvNumLed_imp.h"

#include "kiln/Component/LED/GlyphBuilder.h"
#include "platform/core/Assert.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>

namespace kiln {

namespace {

// The decimal digits of a whole, finite, non-negative number, lowest first: every digit of its
// exact value, however large it is, and "0" for zero.
std::string LowestDigitsFirst(double whole) {
    char text[std::numeric_limits<double>::max_exponent10 + 2];
    const std::to_chars_result written =
        std::to_chars(std::begin(text), std::end(text), whole, std::chars_format::fixed, 0);
    std::string digits(std::begin(text), written.ptr);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

// Whether the value falls on a day of the calendar the platform decodes, the years 1 to 9999;
// never for a value that is no number.
bool InCalendar(TDateTime value) {
    static const TDateTime first = EncodeDate(1, 1, 1), pastLast = EncodeDate(10000, 1, 1);
    return value >= first && value < pastLast;
}

} // namespace

ZvNumLed_imp::ZvNumLed_imp(TComponent* owner, TWinControl* parent, int width, int height)
    : m_colours{Color::FromValue(0xFF000000), Color::FromValue(0xFF000000)}, m_dateTime(Now()) {
    m_layer = std::make_unique<Layer>(owner, parent);
    m_layer->SetBackgroundColor(Color::FromValue(0xFF000000));
    // Until it is set, the transparent colour is that first background, so that a transparent
    // display shows its segments only.
    m_layer->SetTransparentColor(Color::FromValue(0xFF000000));
    m_layer->Clear();
    m_layer->SetSize(width, height);
    m_painter = std::make_unique<Painter>(m_layer.get());
    m_colours[0] = Color(14, 38, 62);
    m_colours[1] = Color(10, 240, 10);
    SetFormat("8888");
}

ZvNumLed_imp::~ZvNumLed_imp() {
    DeleteGlyphs();
    m_painter.reset();
    m_layer.reset();
}

void ZvNumLed_imp::SetType(ZvNumLedType type) {
    if (type == m_type) {
        return;
    }
    m_type = type;
    RefreshValue();
}

void ZvNumLed_imp::SetStyle(ZvNumLedStyle style) {
    if (style == m_style) {
        return;
    }
    m_style = style;
    BuildLayout(m_format);
    RefreshValue();
}

void ZvNumLed_imp::SetZeroLeading(bool flag) {
    m_zeroLeading = flag;
    RefreshValue();
}

void ZvNumLed_imp::SetFormat(const std::string& format) {
    if (format == m_format) {
        return;
    }
    if (BuildLayout(format)) {
        m_layer->Clear();
        RefreshValue();
    }
}

void ZvNumLed_imp::SetValue(double value) {
    if (m_type == nledFloat) {
        if (value != m_value) {
            RenderNumber(value);
        }
    } else if (value != m_dateTime) {
        RenderDateTime(value);
    }
}

bool ZvNumLed_imp::GetValue(double& value) const {
    value = m_type == nledFloat ? m_value : m_dateTime;
    return true;
}

void ZvNumLed_imp::On(unsigned index) {
    const std::size_t count = m_states.size();
    if (index == 0) {
        for (std::size_t k = 0; k < count; ++k) {
            m_enabled[k] = true;
            m_row.SetLEDState(k, LitState(k));
        }
    } else if (index <= count) {
        m_enabled[index - 1] = true;
        m_row.SetLEDState(index - 1, m_states[index - 1]);
    }
    DrawRow();
}

void ZvNumLed_imp::Off(unsigned index) {
    const std::size_t count = m_states.size();
    if (index == 0) {
        for (std::size_t k = 0; k < count; ++k) {
            m_enabled[k] = false;
            m_row.SetLEDState(k, 0);
        }
    } else if (index <= count) {
        m_enabled[index - 1] = false;
        m_row.SetLEDState(index - 1, 0);
    }
    DrawRow();
}

void ZvNumLed_imp::Resize(int width, int height) {
    // A group, and so the row, cannot take a negative size.
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (m_keepRatio) {
        ScalableFigure& row = m_row.Figure();
        HUSHWAVE_ASSERT_TEXT(row.OriginalWidth() > 0 && row.OriginalHeight() > 0,
                             "Figure()->OriginalWidth() > 0 && Figure()->OriginalHeight() > 0");
        // The base size scaled by the smaller of the two factors, truncated, in whole numbers:
        // the side whose factor that is keeps its length exactly, which a factor rounded to a
        // double can miss by a pixel.
        const int64_t baseWidth = row.OriginalWidth(), baseHeight = row.OriginalHeight();
        if (width * baseHeight <= height * baseWidth) {
            height = int(width * baseHeight / baseWidth);
        } else {
            width = int(height * baseWidth / baseHeight);
        }
    }
    m_layer->SetSize(width, height);
    m_row.Figure().Resize(width, height);
    m_layer->Clear();
    DrawRow();
}

void ZvNumLed_imp::MoveImage(int left, int top) {
    m_layer->Offset(left - m_layer->Left(), top - m_layer->Top());
}

void ZvNumLed_imp::SetSegmentColor(int index, Color colour) {
    m_colours[index] = colour;
    for (const auto& glyph : m_glyphs) {
        glyph->Update();
    }
    DrawRow();
}

void ZvNumLed_imp::SetBackgroundColor(Color colour) {
    m_layer->SetBackgroundColor(colour);
    Refresh();
}

void ZvNumLed_imp::Refresh() {
    m_layer->Clear();
    ApplyStates();
    for (const auto& glyph : m_glyphs) {
        glyph->Update();
    }
    DrawRow();
}

bool ZvNumLed_imp::BuildLayout(const std::string& text) {
    std::unique_ptr<Builder<Painter>> builder = MakeBuilder<Painter>(m_style);
    int x = 0, maxHeight = 0;
    std::vector<std::unique_ptr<CompositeScalableLED>> made;
    for (char c : text) {
        const std::optional<GlyphKind> kind = GlyphFor(c);
        if (!kind || builder == nullptr) {
            break;
        }
        std::unique_ptr<CompositeScalableLED> glyph =
            builder->Make(*kind, x, m_painter.get(), m_colours, 2);
        maxHeight = std::max(maxHeight, glyph->Height());
        x += glyph->Width();
        made.push_back(std::move(glyph));
    }
    builder.reset();
    if (made.empty() || made.size() != text.size()) {
        return false;
    }
    DeleteGlyphs();
    m_row.SetOriginalWidth(x);
    m_row.SetOriginalHeight(maxHeight);
    for (auto& glyph : made) {
        m_row.Add(glyph.get());
        m_glyphs.push_back(std::move(glyph));
    }
    m_format = text;
    m_states.resize(m_glyphs.size());
    m_enabled.resize(m_glyphs.size(), true);
    for (std::size_t k = 0; k < m_states.size(); ++k) {
        m_states[k] = LitState(k);
    }
    ApplyStates();
    m_row.Figure().Resize(ImageWidth(), ImageHeight());
    return true;
}

void ZvNumLed_imp::DeleteGlyphs() {
    while (m_row.LEDCount() > 0) {
        m_row.Detach(0);
    }
    m_glyphs.clear();
}

void ZvNumLed_imp::ApplyStates() {
    for (std::size_t k = 0; k < m_states.size(); ++k) {
        m_row.SetLEDState(k, m_enabled[k] ? m_states[k] : 0);
    }
}

void ZvNumLed_imp::RefreshValue() {
    if (m_type == nledFloat) {
        RenderNumber(m_value);
    } else {
        RenderDateTime(m_dateTime);
    }
}

void ZvNumLed_imp::RenderNumber(double value) {
    m_value = value;
    const std::size_t length = m_format.size();
    const std::size_t point = m_format.find('.');
    const std::size_t dot = point == std::string::npos ? length + 1 : point + 1;
    int places = 0;
    for (std::size_t i = dot; i < length; ++i) {
        places += m_format[i] == '8';
    }
    // A value that is no number, or too large for a double once scaled, shows zeros.
    const double whole = std::fabs(std::floor(value * std::pow(10.0, places) + 0.5));
    const std::string digits = std::isfinite(whole) ? LowestDigitsFirst(whole) : "0";
    std::size_t next = 0;
    bool shown = false;
    for (std::size_t i = length; i >= 1; --i) {
        if (m_format[i - 1] != '8') {
            continue;
        }
        const int d = next < digits.size() ? digits[next] - '0' : 0;
        const bool higherAreZero = ++next >= digits.size();
        if (i < dot && d == 0 && higherAreZero && !m_zeroLeading && shown) {
            m_states[i - 1] = 0;
        } else {
            m_states[i - 1] = d + 1;
        }
        if (i < dot) {
            shown = true;
        }
    }
    ApplyStates();
    DrawRow();
}

void ZvNumLed_imp::RenderDateTime(TDateTime value) {
    m_dateTime = value;
    if (m_type == nledTime) {
        RenderTime();
    } else {
        RenderDate();
    }
    ApplyStates();
    DrawRow();
}

void ZvNumLed_imp::RenderTime() {
    uint16_t hour = 0, minute = 0, second = 0, msec = 0;
    if (InCalendar(m_dateTime)) {
        DecodeTime(m_dateTime, hour, minute, second, msec);
    }
    RenderField("Hh", hour);
    RenderField("Mm", minute);
    RenderField("Ss", second);
}

void ZvNumLed_imp::RenderDate() {
    uint16_t year = 0, month = 0, day = 0;
    if (InCalendar(m_dateTime)) {
        DecodeDate(m_dateTime, year, month, day);
    }
    RenderField("Dd", day);
    RenderField("Mm", month);
    RenderField("Yy", year);
}

void ZvNumLed_imp::RenderField(const char* letters, unsigned field) {
    for (std::size_t i = m_format.size(); i >= 1; --i) {
        if (std::strchr(letters, m_format[i - 1]) != nullptr) {
            m_states[i - 1] = int(field % 10) + 1;
            field /= 10;
        }
    }
}

} // namespace kiln
