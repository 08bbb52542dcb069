#include "drivers/ReDedizEviz/CatalogFolder.h"

#include <dlfcn.h>
#include <libintl.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

std::string FindCatalogFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&FindCatalogFolder), &info) == 0 ||
        info.dli_fname == nullptr) {
        return "locale";
    }
    std::error_code error;
    std::filesystem::path library = std::filesystem::absolute(info.dli_fname, error);
    return (library.parent_path() / "locale").string();
}

} // namespace

const char* CatalogFolder() {
    static const std::string folder = FindCatalogFolder();
    return folder.c_str();
}

void BindCatalogs() {
    const char* bound = bindtextdomain(kTextDomain, nullptr);
    if (bound == nullptr || std::strcmp(bound, CatalogFolder()) != 0) {
        bindtextdomain(kTextDomain, CatalogFolder());
    }
    const char* codeset = bind_textdomain_codeset(kTextDomain, nullptr);
    if (codeset == nullptr || std::strcmp(codeset, "UTF-8") != 0) {
        bind_textdomain_codeset(kTextDomain, "UTF-8");
    }
}
