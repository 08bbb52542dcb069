#pragma once
// The language library: every user-visible English text passes through TranslateText, which
// hands it back unchanged while the library is not bound.

// Loads ReDedizEviz.dll from the executable's folder and binds its three entry points in
// order; true when the library loaded and all three were found. Entry points found before a
// missing one stay bound.
bool LoadReDedizEviz();

const char* TranslateText(const char* text);
// The language's English name, or nullptr while the library is not bound.
const char* GetLanguageName();

// True when the language in force is exactly "Japanese".
bool IsJapaneseLanguage();

// Forgets the bound entry points, so each test starts unbound as the program does.
void UnbindLanguageLibraryForTesting();
