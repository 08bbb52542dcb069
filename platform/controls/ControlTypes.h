#pragma once
// The small types the controls share: style flags, mouse buttons, shift states, text alignment
// and the signatures of the controls' events.

#include "platform/core/Set.h"
#include "platform/kernel/Types.h"

#include <cstdint>
#include <functional>

class TObject;

enum class TControlStyleItem {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents
};
using TControlStyle = Set<TControlStyleItem>;
using enum TControlStyleItem;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using enum TMouseButton;

enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateItem>;
using enum TShiftStateItem;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;

using TCursor = int16_t;
constexpr TCursor crDefault = 0;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TCanResizeEvent =
    std::function<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;
