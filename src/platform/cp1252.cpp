#include "platform/cp1252.h"

#include <array>
#include <cstdint>

namespace ylkaz {
namespace {

// Code points of bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> haut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t point_de_code(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F) return haut[c - 0x80];
    return c;
}

void ajouter_utf8(std::string& s, char32_t cp) {
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char octet_de(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < haut.size(); ++i)
        if (haut[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

std::string cp1252_vers_utf8(std::string_view octets) {
    std::string s;
    s.reserve(octets.size() + octets.size() / 4);
    for (char c : octets)
        ajouter_utf8(s, point_de_code(static_cast<unsigned char>(c)));
    return s;
}

std::string utf8_vers_cp1252(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        int suite = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            s += static_cast<char>(c);
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            suite = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            suite = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            suite = 3;
            cp = c & 0x07;
        } else {
            s += '?';
            ++i;
            continue;
        }
        if (i + suite >= utf8.size()) { // sequence cut short at the end
            s += '?';
            break;
        }
        bool bon = true;
        for (int k = 1; k <= suite; ++k) {
            const auto d = static_cast<unsigned char>(utf8[i + k]);
            if ((d & 0xC0) != 0x80) {
                bon = false;
                break;
            }
            cp = (cp << 6) | (d & 0x3F);
        }
        if (!bon) {
            s += '?';
            ++i;
            continue;
        }
        s += octet_de(cp);
        i += suite + 1;
    }
    return s;
}

} // namespace ylkaz
