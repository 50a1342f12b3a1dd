#pragma once
// The alias table: how the program names the clubs the sources spell in
// other ways. A text file (UTF-8), one alias a line, three fields separated
// by tabs:
//     CODICE <tab> nome nella fonte <tab> nome del programma
// CODICE is a championship code ("A", "IN", ...) or "*" for every
// championship; a line for the championship wins over a "*" line. Blanks in
// the program's name are stored as '.'. Empty lines and lines starting with
// '#' are comments.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace veltra {

class TabellaAlias {
public:
    // Reads the table (UTF-8, or Windows-1252 as results files may be); on a
    // bad line returns its error ("riga N: ...") and leaves the table as it was.
    std::optional<std::string> Carica(std::string_view testo);

    // The program's name of a source spelling, if the table has one.
    std::optional<std::string> Cerca(std::string_view codiceCampionato,
                                     std::string_view nomeFonte) const;

    int numero() const { return static_cast<int>(voci_.size()); }

private:
    std::map<std::pair<std::string, std::string>, std::string> voci_;
};

} // namespace veltra
