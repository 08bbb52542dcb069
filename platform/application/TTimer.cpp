#include "platform/application/TTimer.h"

#include "platform/window/MessageLoop.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
    FEnabled = false;
    UpdateTimer();
}

void TTimer::SetEnabled(bool Value) {
    if (Value != FEnabled) {
        FEnabled = Value;
        UpdateTimer();
    }
}

void TTimer::SetInterval(UINT Value) {
    if (Value != FInterval) {
        FInterval = Value;
        UpdateTimer();
    }
}

const TNotifyEvent& TTimer::OnTimer() const {
    static const TNotifyEvent none;
    return FOnTimer ? *FOnTimer : none;
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
    FOnTimer = Value ? std::make_shared<const TNotifyEvent>(std::move(Value)) : nullptr;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    MessageLoop& loop = MessageLoop::Instance();
    if (FTimerId != 0) {
        loop.KillTimer(FTimerId);
        FTimerId = 0;
    }
    TComponentState state = ComponentState();
    if (FEnabled && FInterval != 0 && FOnTimer && !state.Contains(csLoading) &&
        !state.Contains(csDesigning) && !state.Contains(csDestroying)) {
        FTimerId = loop.SetTimer(FInterval, [this] {
            if (std::shared_ptr<const TNotifyEvent> handler = FOnTimer) {
                (*handler)(this);
            }
        });
    }
}
