// The component gallery: shows the package's skinned components on one window of the window
// system HUSHWAVE_BACKEND names, and writes a line on standard output for each of their events.
//   hushwave-gallery           shows the window until it is closed
//   hushwave-gallery --list    prints name, class and bounds (left top width height) of each
//                              control on the form, and ends
//   hushwave-gallery --palette prints each palette page with its classes in registration
//                              order, one line a page, and ends

#include "package/ZvComponents.h"
#include "platform/application/TApplication.h"
#include "platform/backend/SelectWindowSystem.h"
#include "platform/binding/ComponentPalette.h"
#include "platform/core/Exception.h"
#include "tools/gallery/TGalleryForm.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

// "<page>: <class> <class> ...", one line a page.
void PrintPalette(std::ostream& Out) {
    for (const PalettePage& page : PalettePages()) {
        Out << page.Name << ':';
        for (const std::string& className : page.Classes) {
            Out << ' ' << className;
        }
        Out << '\n';
    }
}

} // namespace

int main(int argc, char** argv) {
    bool list = false;
    bool palette = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--list") {
            list = true;
        } else if (option == "--palette") {
            palette = true;
        } else {
            std::fprintf(stderr, "usage: hushwave-gallery [--list | --palette]\n");
            return 2;
        }
    }
    RegisterZvComponents();
    if (palette) {
        PrintPalette(std::cout);
        return 0;
    }
    int exitCode = 0;
    {
        TApplication application(nullptr);
        if (!InstallWindowSystemFromEnvironment(argc, argv)) {
            return 1;
        }
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
