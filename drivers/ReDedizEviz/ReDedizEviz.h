#pragma once
// The language library's entry points. Texts go in and come out as zero-terminated UTF-8; the
// texts returned belong to the library and stay valid while it is loaded. The language in force
// is taken from the environment at each call: LANGUAGE (a list of languages separated by ':',
// the first with a catalog wins), then LC_ALL, LC_MESSAGES and LANG (a locale name, such as
// ja_JP.UTF-8, of a locale installed on the system).

#ifdef __cplusplus
extern "C" {
#endif

// The folder holding the catalogs: locale/<language>/LC_MESSAGES/ReDedizEviz.mo beside the
// library.
const char* ZvGetLangPathName(void);

// The translation of an English text into the language in force; the text itself (the same
// address) when there is none. A null text comes back null.
const char* ZvTranslateStr(const char* text);

// The English name of the language in force: "Japanese", "German", or "English" when no
// catalog applies.
const char* ZvGetLangName(void);

#ifdef __cplusplus
}
#endif
