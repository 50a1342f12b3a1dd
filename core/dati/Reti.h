#pragma once
// The goals and the date of every stored match. The results file keeps only
// the sign; a model that reads scores, and a walk through the seasons by
// calendar date, need more. They live in a text file of their own per
// championship ("Reti-A.txt" ...), one line for every entry of the match list
// in the same order, written by the importer and by the save, never needed:
// a match without a line, or whose line no longer describes it, simply has no
// score and no date.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

class ElencoIncontri;
struct Incontro;

// A calendar date as yyyymmdd (20240519); 0 when not known.
using DataNumerica = std::int32_t;

// Days since 1970-01-01 of a valid yyyymmdd date (proleptic Gregorian).
long GiorniDaData(DataNumerica data);
DataNumerica DataDaGiorni(long giorni);
bool DataValida(DataNumerica data);

struct RetiIncontro {
    DataNumerica data = 0;
    std::int16_t golCasa = -1; // -1: score not known
    std::int16_t golTrasferta = -1;

    bool conPunteggio() const { return golCasa >= 0 && golTrasferta >= 0; }
    friend bool operator==(const RetiIncontro&, const RetiIncontro&) = default;
};

// Parallel to a championship's match list; it may be shorter (entries after
// its end have nothing known).
class RetiCampionato {
public:
    // What is known of entry `posizione` (nothing for a position past the end).
    RetiIncontro Di(int posizione) const {
        return posizione >= 0 && posizione < numero() ? voci_[static_cast<std::size_t>(posizione)]
                                                      : RetiIncontro{};
    }
    // Sets entry `posizione`, padding the entries before it with nothing known.
    void Imposta(int posizione, const RetiIncontro& r);
    void Tronca(int numero);
    void Svuota() { voci_.clear(); }
    int numero() const { return static_cast<int>(voci_.size()); }
    // Entries with a score.
    int conPunteggio() const;
    bool vuoto() const;
    friend bool operator==(const RetiCampionato&, const RetiCampionato&) = default;

private:
    std::vector<RetiIncontro> voci_;
};

inline constexpr const char* kIntestazioneReti = "VELTRA-RETI 1";

// The file's name for a championship code: "Reti-A.txt".
std::string NomeFileReti(std::string_view codiceCampionato);

// Text of the file: the heading, the number of entries, then one line per
// entry "casa trasferta segno data golCasa golTrasferta" (the first three
// repeat the match list so that a line that no longer describes its match is
// recognised; data 0 and goals "-" when not known).
std::string ScriviTestoReti(const RetiCampionato& reti, const ElencoIncontri& incontri);

struct LetturaReti {
    RetiCampionato reti;
    int scartate = 0;      // lines that no longer match their entry, or goals against the sign
    std::string errore;    // the file is damaged: "riga N: ..."; `reti` is then empty
    bool ok() const { return errore.empty(); }
};

// Reads the file against the match list it belongs to. A line whose match or
// sign differs from the list's entry, or whose goals give another sign, is
// kept as "nothing known" and counted.
LetturaReti LeggiTestoReti(std::string_view testo, const ElencoIncontri& incontri);

// The sign the goals give.
char SegnoDaReti(int golCasa, int golTrasferta);

} // namespace veltra
