#include "app/Log.h"

#include "platform/core/SysUtils.h"
#include "platform/kernel/Paths.h"
#include "platform/kernel/Process.h"

#include <cstdio>

bool bDebugLog = false;

void WriteLog(const char* text) {
    if (!bDebugLog) {
        return;
    }
    std::string fileName = ToNativePath(ChangeFileExt(ApplicationExeName(), ".log"));
    FILE* file = std::fopen(fileName.c_str(), "a+");
    if (file == nullptr) {
        return;
    }
    // Minutes before hours: the line format has always put "nn" first.
    std::string line = FormatDateTime("yyyy-mm-dd nn:hh:ss", Now()) + " - " + text;
    std::fprintf(file, "%s\n", line.c_str());
    std::fclose(file);
}

void WriteLog(const std::string& text) {
    WriteLog(text.c_str());
}
