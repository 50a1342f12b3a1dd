#pragma once
// Where each championship's current season can be read from a public source
// (a Football.TXT or football-data CSV file): a table shipped with the
// program (dati/fonti-aggiornamento.tsv among the resources) and the user's
// own lines in the working folder ("FontiAggiornamento.txt"), which take the
// place of the shipped ones for their championships. Both are text files
// (UTF-8), one championship a line, two fields separated by a tab:
//     CODICE <tab> indirizzo o file
// Empty lines and lines starting with '#' are comments.
#include "dati/Campionati.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace veltra {

inline constexpr const char* kFileFontiUtente = "FontiAggiornamento.txt";
inline constexpr const char* kFileFontiPredefinite = "fonti-aggiornamento.tsv";

class TabellaFonti {
public:
    // Reads a table; on a bad line returns its error ("riga N: ...") and
    // leaves the table as it was.
    std::optional<std::string> Carica(std::string_view testo);
    // The lines of `altra` take the place of this table's for their codes.
    void Sovrapponi(const TabellaFonti& altra);

    std::optional<std::string> Cerca(CampionatoId c) const;
    void Imposta(CampionatoId c, std::string fonte);
    // The table as a file: a heading comment, then one line per championship.
    std::string Testo() const;
    const std::map<CampionatoId, std::string>& voci() const { return voci_; }

private:
    std::map<CampionatoId, std::string> voci_;
};

struct CaricamentoFonti {
    TabellaFonti fonti;
    std::string errore; // a table that could not be read, naming the file ("" when both were read)
};

// The shipped table with the user's lines of `cartella` over it. A user's
// file that cannot be read is said in `errore` and left out (it is never
// overwritten then).
CaricamentoFonti CaricaFonti(const std::filesystem::path& cartella);

// Writes the user's line for a championship into the working folder's
// table, keeping the others; false (with the reason) when the file cannot be
// read or written.
bool MemorizzaFonte(const std::filesystem::path& cartella, CampionatoId c, const std::string& fonte,
                    std::string* errore = nullptr);

} // namespace veltra
