#pragma once
// A cursor over the children of one windowed control, in the order of its Controls list. The
// child count is read afresh on every call, never cached.

class TControl;
class TWinControl;

namespace kiln {

class ControlFinder {
public:
    // Places the cursor on the parent's first child (already the end position when there is
    // none); false for an empty parent, which leaves the index unchanged.
    bool Reset(TWinControl* parent);
    bool IsValid() const;
    TControl* Current() const;
    // Moves to the next child; at the end position it stays there.
    void MoveNext();

private:
    TWinControl* m_parent = nullptr;
    int m_childIndex = -1;
};

} // namespace kiln
