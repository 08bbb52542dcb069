#pragma once
// While it lives, the calling thread's message language follows the environment, whatever
// locale the program itself has set (usually none, the "C" locale, under which the C library
// would translate nothing). Only the message category changes; numbers, character classes and
// the rest of the program's locale stay as they are.

#include <locale.h>

class MessagesLocale {
public:
    MessagesLocale();
    ~MessagesLocale();
    MessagesLocale(const MessagesLocale&) = delete;
    MessagesLocale& operator=(const MessagesLocale&) = delete;

private:
    locale_t m_locale = nullptr;
    locale_t m_previous = nullptr;
};
