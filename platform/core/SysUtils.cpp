#include "platform/core/SysUtils.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cwctype>
#include <locale.h>
#include <vector>

char DecimalSeparator = '.';

namespace {

std::vector<std::string> SplitSections(const std::string& format) {
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : format) {
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back().push_back(c);
    }
    return sections;
}

struct Placeholders {
    int integerCount = 0;   // '0' and '#' before the decimal mark
    int integerZeros = 0;   // digits always shown: from the first '0' to the decimal mark
    int fractionZeros = 0;  // '0' after the decimal mark
    int fractionCount = 0;  // '0' and '#' after the decimal mark
    bool thousands = false; // a ',' among the integer placeholders
};

Placeholders Scan(const std::string& section) {
    Placeholders p;
    bool fraction = false;
    bool zeroSeen = false;
    char quote = 0;
    for (char c : section) {
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '.') {
            fraction = true;
        } else if (c == ',' && !fraction) {
            p.thousands = true;
        } else if (c == '0' || c == '#') {
            if (fraction) {
                ++p.fractionCount;
                p.fractionZeros = c == '0' ? p.fractionCount : p.fractionZeros;
            } else {
                ++p.integerCount;
                zeroSeen = zeroSeen || c == '0';
                p.integerZeros += zeroSeen ? 1 : 0;
            }
        }
    }
    return p;
}

// Decimal digits of |value| rounded half away from zero to `decimals` places.
void Digits(double value, int decimals, std::string& integer, std::string& fraction) {
    // to_chars prints the exact binary value and never looks at the C locale.
    char buffer[2048];
    auto printed = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                 std::chars_format::fixed, decimals + 30);
    if (printed.ec != std::errc()) {
        integer.assign(1, '0');
        fraction.assign(static_cast<size_t>(decimals), '0');
        return;
    }
    std::string text(buffer, printed.ptr);
    size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string rest = text.substr(point + 1);
    std::string kept = whole + rest.substr(0, static_cast<size_t>(decimals));
    if (rest[static_cast<size_t>(decimals)] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<size_t>(i)] == '9') {
            kept[static_cast<size_t>(i--)] = '0';
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[static_cast<size_t>(i)];
        }
    }
    integer = kept.substr(0, kept.size() - static_cast<size_t>(decimals));
    fraction = kept.substr(kept.size() - static_cast<size_t>(decimals));
    size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "" : integer.substr(firstNonZero);
}

std::string FormatSection(const std::string& section, double value, bool withSign) {
    Placeholders p = Scan(section);
    std::string integer, fraction;
    Digits(value, p.fractionCount, integer, fraction);
    while (static_cast<int>(fraction.size()) > p.fractionZeros && !fraction.empty() &&
           fraction.back() == '0') {
        fraction.pop_back();
    }
    while (static_cast<int>(integer.size()) < p.integerZeros) {
        integer.insert(integer.begin(), '0');
    }
    bool zero = integer.find_first_not_of('0') == std::string::npos &&
                fraction.find_first_not_of('0') == std::string::npos;

    std::string out;
    if (withSign && value < 0 && !zero) {
        out.push_back('-');
    }
    const int digitCount = static_cast<int>(integer.size());
    int placeholder = 0;
    int fractionIndex = 0;
    bool inFraction = false;
    char quote = 0;
    auto emitDigit = [&](int fromRight) {
        out.push_back(integer[static_cast<size_t>(digitCount - 1 - fromRight)]);
        if (p.thousands && fromRight > 0 && fromRight % 3 == 0) {
            out.push_back(',');
        }
    };
    for (char c : section) {
        if (quote != 0) {
            if (c == quote) {
                quote = 0;
            } else {
                out.push_back(c);
            }
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ',' && !inFraction) {
            continue;
        } else if (c == '.' && !inFraction) {
            inFraction = true;
            if (placeholder < p.integerCount) {
                for (int r = digitCount - 1; r >= 0; --r) {
                    emitDigit(r);
                }
                placeholder = p.integerCount;
            }
            if (!fraction.empty()) {
                out.push_back(DecimalSeparator);
            }
        } else if ((c == '0' || c == '#') && !inFraction) {
            int fromRight = p.integerCount - 1 - placeholder;
            if (placeholder == 0) {
                for (int r = digitCount - 1; r >= fromRight && r >= 0; --r) {
                    emitDigit(r);
                }
            } else if (fromRight < digitCount) {
                emitDigit(fromRight);
            }
            ++placeholder;
        } else if (c == '0' || c == '#') {
            if (fractionIndex < static_cast<int>(fraction.size())) {
                out.push_back(fraction[static_cast<size_t>(fractionIndex)]);
            }
            ++fractionIndex;
        } else {
            out.push_back(c);
        }
    }
    if (!inFraction && placeholder == 0) {
        for (int r = digitCount - 1; r >= 0; --r) {
            emitDigit(r);
        }
    }
    return out;
}

int Count(const std::string& format, size_t at, char c) {
    size_t end = at;
    while (end < format.size() && (format[end] == c || format[end] == (c ^ 0x20))) {
        ++end;
    }
    return static_cast<int>(end - at);
}

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

// Decodes one UTF-8 sequence; invalid bytes come back as themselves.
char32_t NextCodePoint(const std::string& s, size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + static_cast<size_t>(length) > s.size()) {
        ++i;
        return c;
    }
    char32_t cp = length == 1 ? c : c & (0xFF >> (length + 1));
    for (int k = 1; k < length; ++k) {
        unsigned char next = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return c;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    i += static_cast<size_t>(length);
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

} // namespace

std::string FormatFloat(const std::string& Format, double Value) {
    std::vector<std::string> sections = SplitSections(Format);
    if (Value < 0 && sections.size() >= 2 && !sections[1].empty()) {
        return FormatSection(sections[1], -Value, false);
    }
    std::string positive = FormatSection(sections[0], Value, true);
    if (sections.size() >= 3 && !sections[2].empty() &&
        positive.find_first_of("123456789") == std::string::npos) {
        return FormatSection(sections[2], Value, false);
    }
    return positive;
}

std::string FormatDateTime(const std::string& Format, TDateTime Value) {
    uint16_t year, month, day, hour, minute, second, ms;
    DecodeDate(Value, year, month, day);
    DecodeTime(Value, hour, minute, second, ms);
    std::string out;
    bool afterHour = false;
    for (size_t i = 0; i < Format.size();) {
        char c = Format[i];
        char lower = static_cast<char>(c | 0x20);
        if (c == '"' || c == '\'') {
            size_t end = Format.find(c, i + 1);
            end = end == std::string::npos ? Format.size() : end;
            out.append(Format, i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        int n = std::isalpha(static_cast<unsigned char>(c)) ? Count(Format, i, lower) : 1;
        switch (lower) {
        case 'y':
            out += n <= 2 ? TwoDigits(year % 100) : std::to_string(year);
            break;
        case 'm':
            if (afterHour) {
                out += n >= 2 ? TwoDigits(minute) : std::to_string(minute);
            } else {
                out += n >= 2 ? TwoDigits(month) : std::to_string(month);
            }
            break;
        case 'd':
            out += n >= 2 ? TwoDigits(day) : std::to_string(day);
            break;
        case 'h':
            out += n >= 2 ? TwoDigits(hour) : std::to_string(hour);
            break;
        case 'n':
            out += n >= 2 ? TwoDigits(minute) : std::to_string(minute);
            break;
        case 's':
            out += n >= 2 ? TwoDigits(second) : std::to_string(second);
            break;
        case 'z': {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, n >= 3 ? "%03d" : "%d", ms);
            out += buffer;
            break;
        }
        default:
            out.append(Format, i, static_cast<size_t>(n));
            break;
        }
        if (std::isalpha(static_cast<unsigned char>(c))) {
            afterHour = lower == 'h';
        }
        i += static_cast<size_t>(n);
    }
    return out;
}

std::string IntToStr(long long Value) {
    return std::to_string(Value);
}

std::string ChangeFileExt(const std::string& FileName, const std::string& Extension) {
    size_t cut = FileName.find_last_of(".\\/:");
    if (cut != std::string::npos && FileName[cut] == '.') {
        return FileName.substr(0, cut) + Extension;
    }
    return FileName + Extension;
}

std::string ExtractFilePath(const std::string& FileName) {
    size_t cut = FileName.find_last_of("\\/:");
    return cut == std::string::npos ? std::string() : FileName.substr(0, cut + 1);
}

std::string ExtractFileName(const std::string& FileName) {
    size_t cut = FileName.find_last_of("\\/:");
    return cut == std::string::npos ? FileName : FileName.substr(cut + 1);
}

std::string AnsiUpperCase(const std::string& S) {
    // Case rules come from the UTF-8 character tables, whatever locale the process runs in.
    static locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    std::string out;
    out.reserve(S.size());
    for (size_t i = 0; i < S.size();) {
        char32_t cp = NextCodePoint(S, i);
        wint_t upper = utf8 != nullptr ? towupper_l(static_cast<wint_t>(cp), utf8)
                                       : std::towupper(static_cast<wint_t>(cp));
        AppendUtf8(out, static_cast<char32_t>(upper));
    }
    return out;
}

int Pos(const std::string& Substr, const std::string& S) {
    if (Substr.empty()) {
        return 0;
    }
    size_t at = S.find(Substr);
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}
