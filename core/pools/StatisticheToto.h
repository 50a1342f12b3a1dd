#pragma once
// The archive of checked plays: one record per play (what was played, what
// the proposal was, how many points each made and the smallest enlargement
// of the proposal that would have made 12), the list kept in
// "StatisticheStat2.VLT", and the averages over the plays not excluded.
#include "pools/CCondizionamenti.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

class Archivio;

inline constexpr const char* kFileStatisticheToto = "StatisticheStat2.VLT";
inline constexpr const char* kErroreLetturaStatistiche =
    "Errore nel tentativo di accedere alle statistiche sul totocalcio";
inline constexpr const char* kErroreScritturaStatistiche = "Errore nel tentativo di salvare i dati";

struct CStatisticheToto {
    std::int32_t escluso = 0; // 1: left out of the averages
    std::int64_t data = 0;    // seconds since 1970 UTC
    std::string note;
    std::array<std::string, 14> risultati;
    std::int16_t tripleGiocate = 0, doppieGiocate = 0;
    std::int16_t puntiIntegraleGiocato = 0, puntiBaseGiocata = 0;
    std::int16_t riduzioneMin = -1, riduzioneMax = -1;
    std::int32_t colonneRidotto = 0;
    CCondizionamenti condizioni;
    std::int16_t fissatiUtente = 0;
    std::array<std::int16_t, 10> interventi = {};
    std::int16_t puntiRidotto = 0;
    std::int16_t tripleOriginali = 0, doppieOriginali = 0;
    std::int16_t puntiIntegraleOriginale = 0, puntiBaseOriginale = 0;
    std::int16_t fissaDoppiaPer12 = 0, doppiaTriplaPer12 = 0;

    void Serializza(Archivio& ar);
    friend bool operator==(const CStatisticheToto&, const CStatisticheToto&) = default;
};

struct CListaGiocateToto {
    std::int32_t esclusi = 0;
    std::vector<CStatisticheToto> giocate; // most recent first

    // Reads all or nothing; an excluded count outside 0..plays is refused.
    void Serializza(Archivio& ar);
    friend bool operator==(const CListaGiocateToto&, const CListaGiocateToto&) = default;
};

// The file's bytes and back. Leggi throws ErroreArchivio on damaged bytes,
// including bytes left over after the list.
std::string ScriviListaGiocate(const CListaGiocateToto& lista);
CListaGiocateToto LeggiListaGiocate(const std::string& byte);

struct LetturaStatistiche {
    std::optional<CListaGiocateToto> lista; // nullopt: unreadable
    std::string errore;                     // why, for a report
};
// A missing file is an empty list.
LetturaStatistiche CaricaStatistiche(const std::filesystem::path& cartella);
// Written through the atomic save: on failure the old file is untouched.
bool SalvaStatistiche(const std::filesystem::path& cartella, const CListaGiocateToto& lista);

// "&Archivia": in front of the list, or in place of the most recent play.
void AggiungiGiocata(CListaGiocateToto& lista, CStatisticheToto giocata, bool sostituisci);
// "&Escludi" / "&Includi": the flag and the list's count.
void ImpostaEsclusa(CListaGiocateToto& lista, std::size_t indice, bool esclusa);

// "%d/%m/%Y (%H:%M:%S)" in local time.
std::string TestoData(std::int64_t secondi);
// "Ridotto (N-1)", "Condizionato", "Condiz.Ridotto", "A Correzione di %d-%d Errori".
std::string TestoRiduzione(const CStatisticheToto& g);

// The averages of the page "Statistiche Aggregate". With no play included
// every average is 0.
struct MedieGiocate {
    int incluse = 0, totale = 0;
    double doppieOriginali = 0, tripleOriginali = 0, integraleOriginale = 0, baseOriginale = 0;
    double fissaDoppia = 0, doppiaTripla = 0;
    double doppieGiocate = 0, tripleGiocate = 0, integraleGiocato = 0, baseGiocata = 0;
    double colonneRidotto = 0, puntiRidotto = 0;
    int migliorIntegraleOriginale = 0, peggiorIntegraleOriginale = 0;
    int migliorBaseOriginale = 0, peggiorBaseOriginale = 0;
    int migliorIntegraleGiocato = 0, peggiorIntegraleGiocato = 0;
    int migliorBaseGiocata = 0, peggiorBaseGiocata = 0;
    double doppiePer12 = 0, triplePer12 = 0;
};
MedieGiocate CalcolaMedie(const CListaGiocateToto& lista);
// "VALORI MEDI CALCOLATI SU ..." heading.
std::string TitoloMedie(const MedieGiocate& m);
// "%.1f"
std::string TestoMedia(double v);

} // namespace veltra
