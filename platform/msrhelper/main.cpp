// hushwave-msr: answers the window program's I/O library and instrumentation with the FID/VID
// status register of processor 0 and the firmware's external clock, so that the window program
// itself needs no privilege. It is the one file to be given capabilities:
//
//   setcap cap_sys_rawio,cap_dac_read_search=ep hushwave-msr
//
// The kernel checks them only when the msr device and the SMBIOS table are opened, so it opens
// both first and then gives up every capability before it reads a request. Requests come as
// messages on standard input, answers go to standard output; it ends when standard input
// closes. It takes nothing from its environment and no option but the test-only
// `--stand-in MSR-FILE DMI-FILE`, which it refuses while it holds any capability.
#include "platform/dmi/DmiTableFile.h"
#include "platform/msrhelper/Capabilities.h"
#include "platform/msrhelper/HelperService.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

int main(int argc, char** argv) {
    clearenv();
    close_range(3, ~0U, 0);
    // A caller that goes away ends the helper through the failed write, not through a signal.
    std::signal(SIGPIPE, SIG_IGN);

    std::string msrDevice = msrhelper::kMsrDevicePath;
    std::string dmiTable = dmi::kDmiTablePath;
    if (argc == 4 && std::string(argv[1]) == "--stand-in") {
        if (msrhelper::HoldsCapabilities()) {
            std::fputs("hushwave-msr: --stand-in is refused while it holds capabilities\n", stderr);
            return 2;
        }
        msrDevice = argv[2];
        dmiTable = argv[3];
    } else if (argc != 1) {
        std::fputs("usage: hushwave-msr (started by the program's I/O library)\n", stderr);
        return 2;
    }

    const msrhelper::HelperService service(msrDevice, dmiTable);
    if (!msrhelper::DropEveryCapability()) {
        std::fputs("hushwave-msr: cannot give up its capabilities\n", stderr);
        return 1;
    }
    service.Serve(STDIN_FILENO, STDOUT_FILENO);
    return 0;
}
