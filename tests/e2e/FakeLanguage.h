#pragma once
// The language library, registered in process as "ReDedizEviz.dll": a language name and a
// table of translations. Like a library that keeps one buffer for its answers, every
// translation is written into the same place, so a caller must copy one before asking again.

#include <map>
#include <string>

void RegisterFakeLanguage(const std::string& languageName,
                          std::map<std::string, std::string> translations);
