#pragma once
// What the numeric LED display shows, and how its glyphs look.

enum ZvNumLedType { nledFloat, nledTime, nledDate };

// The rectangular seven-segment glyphs, the only style there is.
enum ZvNumLedStyle { nledRectangle7_s };
