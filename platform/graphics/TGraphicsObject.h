#pragma once
// The base of the canvas's drawing tools: a persistent object that tells its OnChange handler
// whenever one of its properties takes a different value.

#include "platform/core/Events.h"
#include "platform/core/TPersistent.h"

class TGraphicsObject : public TPersistent {
public:
    HUSHWAVE_CLASS_NAME(TGraphicsObject)

    TNotifyEvent OnChange;

protected:
    void Changed() {
        if (OnChange) {
            OnChange(this);
        }
    }

    // Sets the field and reports the change, if the value differs.
    template <class T> void Update(T& field, const T& value) {
        if (!(field == value)) {
            field = value;
            Changed();
        }
    }
};
