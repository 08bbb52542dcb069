#include "lang/ControlExplorer.h"

#include "platform/controls/TWinControl.h"
#include "platform/core/Assert.h"

#include <new>

namespace kiln {

bool ControlExplorer::Reset(TWinControl* root) {
    m_findInfo.reset(new (std::nothrow) FindInfo());
    if (!m_findInfo) {
        return false;
    }
    return m_findInfo->m_current.Reset(root);
}

bool ControlExplorer::IsValid() const {
    HUSHWAVE_ASSERT(m_findInfo != NULL);
    return m_findInfo->m_current.IsValid();
}

TControl* ControlExplorer::Current() const {
    HUSHWAVE_ASSERT(m_findInfo != NULL);
    return m_findInfo->m_current.Current();
}

void ControlExplorer::MoveNext() {
    HUSHWAVE_ASSERT(m_findInfo != NULL);
    ControlFinder& current = m_findInfo->m_current;
    auto* container = current.IsValid() ? dynamic_cast<TWinControl*>(current.Current()) : nullptr;
    if (container != nullptr && container->ControlCount() > 0) {
        m_findInfo->m_stack.push(current);
        current.Reset(container);
    } else {
        current.MoveNext();
    }
    while (!current.IsValid()) {
        if (m_findInfo->m_stack.empty()) {
            return;
        }
        current = m_findInfo->m_stack.top();
        m_findInfo->m_stack.pop();
        current.MoveNext();
    }
}

} // namespace kiln
