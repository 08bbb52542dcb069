#include "platform/graphics/TGraphic.h"

#include "platform/core/Exception.h"
#include "platform/kernel/Paths.h"

#include <cerrno>
#include <cstring>
#include <fstream>

void TGraphic::SetTransparent(bool Value) {
    if (FTransparent != Value) {
        FTransparent = Value;
        Changed();
    }
}

void TGraphic::Changed() {
    if (OnChange) {
        OnChange(this);
    }
}

void TGraphic::LoadFromFile(const std::string& FileName) {
    std::ifstream file(ToNativePath(FileName), std::ios::binary);
    if (!file) {
        throw EFOpenError("Cannot open file \"" + FileName + "\". " + std::strerror(errno));
    }
    LoadFromStream(file);
}

void TGraphic::SaveToFile(const std::string& FileName) {
    std::ofstream file(ToNativePath(FileName), std::ios::binary | std::ios::trunc);
    if (!file) {
        throw EFCreateError("Cannot create file \"" + FileName + "\". " + std::strerror(errno));
    }
    SaveToStream(file);
    file.flush();
    if (!file) {
        throw EWriteError("Error writing file \"" + FileName + "\". " + std::strerror(errno));
    }
}
