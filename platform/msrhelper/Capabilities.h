#pragma once
// The capabilities hushwave-msr is started with, and giving them up.

namespace msrhelper {

// Whether the process holds any permitted or effective capability, or was started with raised
// privilege (file capabilities, set-user-ID).
bool HoldsCapabilities();

// Gives up every capability for good: permitted, effective, inheritable and ambient sets
// emptied, the bounding set too when the process may empty it (root), and no privilege to be
// gained again by executing anything. True when none is left.
bool DropEveryCapability();

} // namespace msrhelper
