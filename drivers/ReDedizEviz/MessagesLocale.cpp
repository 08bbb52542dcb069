#include "drivers/ReDedizEviz/MessagesLocale.h"

#include <cstdlib>
#include <string>
#include <string_view>

// The C library's catalog generation. It remembers translations by locale name only, so a
// change of LANGUAGE goes unnoticed until this counter moves; the GNU gettext manual asks
// programs that change LANGUAGE at run time to increment it.
extern "C" int _nl_msg_cat_cntr;

namespace {

// Forgets remembered translations when a language variable has changed since the last call.
void NoticeEnvironmentChanges() {
    static std::string last;
    std::string current;
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        current += value != nullptr ? "=" + std::string(value) : "-";
        current += '\0';
    }
    if (current != last) {
        last = current;
        ++_nl_msg_cat_cntr;
    }
}

// The locale the environment names for messages, in the order the C library itself reads it.
const char* EnvironmentLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') {
            return value;
        }
    }
    return "C";
}

} // namespace

MessagesLocale::MessagesLocale() {
    NoticeEnvironmentChanges();
    locale_t base = duplocale(uselocale(nullptr));
    if (base == nullptr) {
        return;
    }
    std::string_view name = EnvironmentLocaleName();
    if (name != "C" && name != "POSIX") {
        m_locale = newlocale(LC_MESSAGES_MASK, name.data(), base);
    }
    // The C library ignores LANGUAGE under the plain "C" locale. Its UTF-8 variant lets
    // LANGUAGE choose the catalog, also when the locale the environment names is not installed.
    if (m_locale == nullptr) {
        m_locale = newlocale(LC_MESSAGES_MASK, "C.UTF-8", base);
    }
    if (m_locale == nullptr) {
        freelocale(base);
        return;
    }
    m_previous = uselocale(m_locale);
}

MessagesLocale::~MessagesLocale() {
    if (m_locale != nullptr) {
        uselocale(m_previous);
        freelocale(m_locale);
    }
}
