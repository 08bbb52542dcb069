#pragma once
// The library's catalogs live beside it, in locale/<language>/LC_MESSAGES/, wherever it was
// installed; the C library is pointed there before every lookup, so a second copy of the
// library loaded from another folder cannot leave it reading the wrong catalogs.

inline constexpr const char* kTextDomain = "ReDedizEviz";

// The absolute path of the locale folder beside this library.
const char* CatalogFolder();

// Binds the text domain to CatalogFolder() with UTF-8 output.
void BindCatalogs();
