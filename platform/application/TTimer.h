#pragma once
// A component that raises OnTimer every Interval milliseconds from the message loop while it
// is Enabled. A timer without a handler, or with interval 0, does not run.

#include "platform/core/Events.h"
#include "platform/core/TComponent.h"
#include "platform/kernel/Types.h"

#include <memory>

class TTimer : public TComponent {
public:
    HUSHWAVE_CLASS_NAME(TTimer)

    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    UINT Interval() const { return FInterval; }
    void SetInterval(UINT Value);
    const TNotifyEvent& OnTimer() const;
    void SetOnTimer(TNotifyEvent Value);

    void Loaded() override;

private:
    void UpdateTimer();

    bool FEnabled = true;
    UINT FInterval = 1000;
    // Shared with each call under way, which a handler giving the timer another handler
    // must not destroy; a call takes the pointer, not a copy of the handler and its binding.
    std::shared_ptr<const TNotifyEvent> FOnTimer;
    UINT_PTR FTimerId = 0;
};
