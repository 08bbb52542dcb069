#include "lang/ControlFinder.h"

#include "platform/controls/TWinControl.h"
#include "platform/core/Assert.h"

namespace kiln {

bool ControlFinder::Reset(TWinControl* parent) {
    m_parent = parent;
    if (parent == nullptr) {
        return false;
    }
    m_childIndex = 0;
    return true;
}

bool ControlFinder::IsValid() const {
    HUSHWAVE_ASSERT(m_parent != NULL);
    return m_childIndex < m_parent->ControlCount();
}

TControl* ControlFinder::Current() const {
    HUSHWAVE_ASSERT_TEXT(m_parent != NULL && m_childIndex < m_parent->ControlCount(),
                         "m_parent != NULL && m_childIndex < m_parent->ControlCount");
    return m_parent->Controls(m_childIndex);
}

void ControlFinder::MoveNext() {
    HUSHWAVE_ASSERT(m_parent != NULL);
    if (m_childIndex < m_parent->ControlCount()) {
        ++m_childIndex;
    }
}

} // namespace kiln
