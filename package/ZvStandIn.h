#pragma once
// Whether a state bitmap that changed is the stand-in of the state a check box or radio button
// was asked to show: the raised picture of its group, shown while the state's own is empty.
// The control then shows the requested state again, with the new picture.

#include "package/ZvCustomControl.h"
#include "package/ZvStates.h"
#include "platform/graphics/TBitmap.h"

inline bool StandsInForCurState(ZvCustomControl& Control, const TObject* Sender) {
    int i = 0;
    while (i < Control.GetStateCount() &&
           static_cast<const TObject*>(Control.GetStateBitmap(i)) != Sender) {
        ++i;
    }
    int standIn = Control.Substitute(Control.GetCurState());
    return standIn != ZvState::Raised && i == standIn;
}
