// The component gallery: shows the package's skinned components on one window of the window
// system HUSHWAVE_BACKEND names, and writes a line on standard output for each of their events.
//   hushwave-gallery           shows the window until it is closed
//   hushwave-gallery --list    prints name, class and bounds (left top width height) of each
//                              control on the form, and ends

#include "platform/application/TApplication.h"
#include "platform/backend/SelectWindowSystem.h"
#include "platform/core/Exception.h"
#include "tools/gallery/TGalleryForm.h"

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--list") {
            list = true;
        } else {
            std::fprintf(stderr, "usage: hushwave-gallery [--list]\n");
            return 2;
        }
    }
    int exitCode = 0;
    {
        TApplication application(nullptr);
        if (!InstallWindowSystemFromEnvironment(argc, argv)) {
            return 1;
        }
        PublishGalleryClasses();
        try {
            TGalleryForm* form = nullptr;
            Application->Initialize();
            Application->CreateForm(form);
            if (list) {
                form->ListComponents(std::cout);
            } else {
                Application->Run();
            }
        } catch (const Exception& exception) {
            std::fprintf(stderr, "hushwave-gallery: %s\n", exception.Message().c_str());
            exitCode = 1;
        }
    }
    ShutDownWindowSystem();
    return exitCode;
}
