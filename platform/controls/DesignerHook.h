#pragma once
// A form designer's view of a form read for design: it sees the mouse messages of the form's
// controls before they do, and takes the ones it wants (a click then selects instead of
// pressing). The form holds it without owning it.

struct TMessage;
class TControl;

class IDesignerHook {
public:
    virtual ~IDesignerHook() = default;
    // True when the designer took the message; the control then does not handle it.
    virtual bool IsDesignMsg(TControl* Sender, TMessage& Message) = 0;
};
