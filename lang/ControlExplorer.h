#pragma once
// Walks the control tree below a root in pre-order: each control before its children, the
// children of one parent in the order of its Controls list, the root itself never. One cursor
// per open level; the cursors of the levels above wait on a stack.

#include "lang/ControlFinder.h"

#include <memory>
#include <stack>

namespace kiln {

class ControlExplorer {
public:
    struct FindInfo {
        std::stack<ControlFinder> m_stack;
        ControlFinder m_current;
    };

    // Starts a fresh walk at the root's first child; false for an empty root.
    bool Reset(TWinControl* root);
    bool IsValid() const;
    TControl* Current() const;
    void MoveNext();

private:
    std::unique_ptr<FindInfo> m_findInfo;
};

} // namespace kiln
