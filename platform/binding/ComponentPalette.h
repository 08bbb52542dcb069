#pragma once
// The palette of component classes a form designer offers, page by page. Registering a class
// makes it known to form resources with its published properties, so that a resource may
// create it by name, and puts it on its page after the classes registered there before.
// Pages keep the order in which they were first named; a class already on the palette stays
// where it is.

#include <string>
#include <vector>

// A component class as the palette takes it: its name as resources spell it, and what makes
// it known to form resources (safe to call more than once).
struct TComponentClass {
    const char* Name;
    void (*Publish)();
};

struct PalettePage {
    std::string Name;
    std::vector<std::string> Classes;
};

// Publishes each class and places it on the page. A class that is not creatable by name once
// published throws EClassNotFound, and the classes before it stay registered.
void RegisterComponents(const std::string& Page, const TComponentClass* Classes, int Count);

// The pages in the order they were first named, each with its classes in registration order.
const std::vector<PalettePage>& PalettePages();

// The page a class is on, compared without regard to case; empty when it is on none.
std::string PalettePageOf(const std::string& ClassName);
