#pragma once
// Windows-1252 is the text of every file the program reads or writes; the core keeps
// text as those bytes and converts only at its edges (screen, file names, terminal).
#include <string>
#include <string_view>

namespace ylkaz {

// Every byte 0..255 maps to one character, the five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) to the C1 controls of the same value, so no byte is lost.
std::string cp1252_vers_utf8(std::string_view octets);

// Characters Windows-1252 cannot hold become "?"; malformed UTF-8 bytes too.
std::string utf8_vers_cp1252(std::string_view utf8);

// The program's own fixed texts are written in UTF-8 in the sources.
inline std::string cp1252(std::string_view utf8) {
    return utf8_vers_cp1252(utf8);
}

} // namespace ylkaz
