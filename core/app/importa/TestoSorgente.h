#pragma once
// Small text helpers shared by the readers of result files.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

// Without leading and trailing blanks, tabs and line ends.
std::string_view Rifila(std::string_view s);
// Split at every `separatore` (fields may be empty).
std::vector<std::string_view> Dividi(std::string_view s, char separatore);
// Split at runs of white space.
std::vector<std::string_view> Parole(std::string_view s);
// A whole field of decimal digits (optional sign); nullopt otherwise.
std::optional<int> Intero(std::string_view s);
// A source file's text as UTF-8: unchanged when it is UTF-8, otherwise read
// as Windows-1252 (or Latin-1, which it contains), as spreadsheets often save
// it. Names then reach the championship as the letters they stand for and
// come back unchanged after a save.
std::string TestoInUtf8(std::string_view testo);
// The lines of a text file; "\r\n" and "\n" both end a line, a UTF-8 byte
// order mark is dropped.
std::vector<std::string_view> Righe(std::string_view testo);
// The fields of one CSV record, without surrounding blanks; a field in double
// quotes may hold commas ("" is a quote).
std::vector<std::string> CampiCsv(std::string_view riga);

} // namespace veltra
