#include "platform/msrhelper/Capabilities.h"

#include <linux/capability.h>
#include <sys/auxv.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace msrhelper {

namespace {

// The three 64-bit sets, each split over two 32-bit words.
struct CapabilitySets {
    __user_cap_data_struct words[_LINUX_CAPABILITY_U32S_3]{};

    bool Empty() const {
        for (const __user_cap_data_struct& w : words) {
            if (w.effective != 0 || w.permitted != 0 || w.inheritable != 0) {
                return false;
            }
        }
        return true;
    }
};

bool Get(CapabilitySets& sets) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(SYS_capget, &header, sets.words) == 0;
}

} // namespace

bool HoldsCapabilities() {
    CapabilitySets sets;
    return getauxval(AT_SECURE) != 0 || !Get(sets) || !sets.Empty();
}

bool DropEveryCapability() {
    // Only a process holding CAP_SETPCAP (root) may empty its bounding set; for any other the
    // calls fail and change nothing.
    for (int capability = 0; prctl(PR_CAPBSET_READ, capability, 0, 0, 0) >= 0; ++capability) {
        prctl(PR_CAPBSET_DROP, capability, 0, 0, 0);
    }
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
        prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0) != 0) {
        return false;
    }
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    CapabilitySets none;
    if (syscall(SYS_capset, &header, none.words) != 0) {
        return false;
    }
    CapabilitySets left;
    return Get(left) && left.Empty();
}

} // namespace msrhelper
