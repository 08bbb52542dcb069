// The component gallery: shows the package's skinned components on one window of the window
// system HUSHWAVE_BACKEND names, and writes a line on standard output for each of their events.
//   hushwave-gallery           shows the window until it is closed
//   hushwave-gallery --list    prints name, class, palette page ("-" for none) and bounds
//                              (left top width height) of each control on the form, and ends
//   hushwave-gallery FORM.dfm  shows the form resource FORM.dfm as its program would, with the
//                              pictures it names read from its folder; a click on a control
//                              writes "<name> OnClick"
//   hushwave-gallery --design [FORM.dfm]
//                              reads FORM.dfm, or the gallery's own form, as a designer would
//   hushwave-gallery --palette prints each palette page with its classes in registration
//                              order, one line a page, and ends

#include "package/ZvComponents.h"
#include "platform/application/TApplication.h"
#include "platform/backend/SelectWindowSystem.h"
#include "platform/binding/ComponentPalette.h"
#include "platform/core/Exception.h"
#include "tools/gallery/ListComponents.h"
#include "tools/gallery/TGalleryForm.h"
#include "tools/gallery/TPreviewForm.h"

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
    bool design = false;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--list") {
            list = true;
        } else if (option == "--palette") {
            palette = true;
        } else if (option == "--design") {
            design = true;
        } else if (file.empty() && !option.empty() && option[0] != '-') {
            file = option;
        } else {
            std::fprintf(stderr,
                         "usage: hushwave-gallery [--design] [FORM.dfm] [--list | --palette]\n");
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
            Application->Initialize();
            TCustomForm* form = nullptr;
            if (file.empty() && !design) {
                TGalleryForm* gallery = nullptr;
                Application->CreateForm(gallery);
                form = gallery;
            } else {
                if (file.empty()) {
                    // The gallery's own resource, under the name its class reads it by.
                    TPreviewForm::SetBuiltInSource("TGalleryForm.dfm", FormReadMode::Design);
                } else {
                    TPreviewForm::SetSource(file,
                                            design ? FormReadMode::Design : FormReadMode::Run);
                }
                TPreviewForm* preview = nullptr;
                Application->CreateForm(preview);
                form = preview;
            }
            if (list) {
                ListComponents(*form, std::cout);
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
