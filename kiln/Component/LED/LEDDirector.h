#pragma once
// A segment table: for each glyph state, whether each segment is dark (0) or lit (1).

namespace kiln {

class LED_Director {
public:
    virtual ~LED_Director() = default;

    virtual int StateCount() const = 0;
    // The state of segment index in glyph state state: 0 dark, 1 lit.
    virtual int Value(int state, int index) const = 0;
};

} // namespace kiln
