#pragma once
// Where the main window puts its pictures, in window pixels. The skin is drawn around these
// places: the digit and bar images sit on flat display glass of the skin's display colour.

namespace skin {

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int Right() const { return left + width; }
    constexpr int Bottom() const { return top + height; }
};

inline constexpr int kFaceWidth = 385;
inline constexpr int kFaceHeight = 215;

inline constexpr Box kArcBox{49, 59, 296, 88};
inline constexpr int kArcFrames = 21;

inline constexpr int kFreqDigits = 7;
inline constexpr Box kFirstFreqDigit{170, 114, 22, 27};
inline constexpr int kFreqDigitStep = 24;

inline constexpr int kVoltDigits = 6;
inline constexpr Box kFirstVoltDigit{262, 176, 9, 12};
inline constexpr int kVoltDigitStep = 10;

inline constexpr Box kVoltBar{173, 177, 79, 10};
inline constexpr int kVoltLevels = 21;

inline constexpr Box kFreqLabel{32, 152, 108, 13};
inline constexpr Box kVoltLabel{77, 176, 83, 13};

inline constexpr Box kMinButton{331, 26, 16, 16};
inline constexpr Box kCloseButton{354, 44, 16, 16};

// The image lists' order: ten digits, the decimal point, an unlit digit.
inline constexpr int kDigitImages = 12;
inline constexpr int kPointImage = 10;
inline constexpr int kUnlitImage = 11;

constexpr Box FreqDigit(int index) {
    return {kFirstFreqDigit.left + index * kFreqDigitStep, kFirstFreqDigit.top,
            kFirstFreqDigit.width, kFirstFreqDigit.height};
}
constexpr Box VoltDigit(int index) {
    return {kFirstVoltDigit.left + index * kVoltDigitStep, kFirstVoltDigit.top,
            kFirstVoltDigit.width, kFirstVoltDigit.height};
}

} // namespace skin
