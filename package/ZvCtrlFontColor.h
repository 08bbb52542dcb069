#pragma once
// Per-state text colours of a text variant as a published property, with a change
// notification that the owning control wires up. A colour of -1 is not set: the control
// falls back to another colour for that state.

#include "platform/core/Events.h"
#include "platform/core/TPersistent.h"
#include "platform/graphics/TColor.h"

#include <utility>

class ZvCtrlFontColor : public TPersistent {
public:
    HUSHWAVE_CLASS_NAME(ZvCtrlFontColor)

    static constexpr TColor NotSet = static_cast<TColor>(-1);

    ZvCtrlFontColor() = default;
    ~ZvCtrlFontColor() override { FOnChange = nullptr; }

    const TNotifyEvent& GetOnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

    // Tells the handler, when one is set.
    void Changed();

protected:
    // Stores a new value and tells the handler; the value the field already holds changes
    // nothing.
    void SetColorField(TColor& Field, TColor Value);

private:
    TNotifyEvent FOnChange;
};
