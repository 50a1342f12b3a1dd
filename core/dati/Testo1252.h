#pragma once
// Windows-1252 is the encoding of every text and archive file the program
// exchanges; inside the program text is UTF-8. These are the only two
// crossings.
#include <string>
#include <string_view>

namespace veltra {

// Each byte becomes one character. The five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same
// value, so that any byte string survives a round trip unchanged.
std::string Da1252(std::string_view byte1252);

// Characters outside Windows-1252 become '?'. Invalid UTF-8 bytes are taken
// as Windows-1252 bytes, so text that was never converted is not lost.
std::string A1252(std::string_view utf8);

// Whether the bytes are well-formed UTF-8 throughout.
bool Utf8Valido(std::string_view testo);

// Number of characters a UTF-8 text takes once written in Windows-1252.
std::size_t Lunghezza1252(std::string_view utf8);

// A UTF-16 archive string as the program keeps it: characters outside
// Windows-1252 (and unpaired surrogates) become '?', as on the 8-bit path.
std::string DaUtf16(std::u16string_view utf16);

} // namespace veltra
