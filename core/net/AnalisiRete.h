#pragma once
// An analysis as it travels between the program and its service: the fields
// in their fixed order (floats as "%f", integers in decimal), the POST body
// of the analyses sent, the service's reply for one championship, and the
// checks a received analysis must pass before the program takes it: only
// values the program's own windows could have set.
#include "dati/CAnalisi.h"
#include "dati/Campionati.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

// The keys of one analysis in the body, in order ("fc" occurs twice: the
// strong threshold at home, then the minimum importance of past seasons).
inline constexpr std::array<const char*, 46> kChiaviAnalisi = {
    "ser", "gan", "ctsep", "p0",  "p1",  "p2",  "p3",   "p4",  "minc", "maxc", "mint", "maxt",
    "bcc", "acc", "bct",   "act", "dc",  "fc",  "dt",   "ft",  "gvc",  "nvc",  "pvc",  "gpc",
    "npc", "ppc", "psc",   "nsc", "gsc", "gvt", "nvt",  "pvt", "gpt",  "npt",  "ppt",  "pst",
    "nst", "gst", "camp",  "fc",  "lc",  "r1",  "rx",   "r2",  "rm",   "perc"};
// The fields of a proposed analysis: from "ser" to "lc".
inline constexpr std::size_t kCampiParametri = 41;

inline constexpr const char* kPercorsoInvio = "/cgi-bin/AnalisiInvio7040.pl";
inline constexpr std::size_t kMaxAnalisiInviate = 1000;
inline constexpr std::size_t kMaxAutore = 200;

// A championship's analysis: which championship, and the analysis.
struct AnalisiCampionato {
    CampionatoId campionato = 0;
    CAnalisi analisi;
};

// The 46 field texts of an analysis in key order.
std::vector<std::string> CampiAnalisi(const AnalisiCampionato& a);

// The fields back (41 or 46 of them, in key order); the results, when
// present, are read too. nullopt, with the reason, when a field is not a
// number of its kind.
std::optional<AnalisiCampionato> AnalisiDaCampi(const std::vector<std::string_view>& campi,
                                                std::string* errore);

// Empty when the analysis holds only values the program's windows can set;
// otherwise what is wrong. `numeroStagioni` bounds campionatiInclusi (< 1:
// only the general bound).
std::string VerificaAnalisi(const AnalisiCampionato& a, int numeroStagioni);

// The POST body: "ai=N", each analysis as "&key=value", then "&aut=" and the
// author, percent-encoded (in the files' code page).
std::string CorpoInvio(const std::vector<AnalisiCampionato>& analisi, std::string_view autore);

// The body back, as the service reads it: keys in the order above, the
// count as announced, every analysis checked. nullopt with the reason.
struct CorpoInvioLetto {
    std::vector<AnalisiCampionato> analisi;
    std::string autore; // UTF-8
};
std::optional<CorpoInvioLetto> LeggiCorpoInvio(std::string_view corpo, std::string* errore);

// A club's service may take analyses only with a key: 8 to 200 characters
// among letters, digits and ". _ ~ + / = -", sent as "Authorization: Bearer
// KEY". The program keeps the user's key in the named setting "AU" ("?" when
// there is none).
inline constexpr std::size_t kMinChiave = 8;
inline constexpr std::size_t kMaxChiave = 200;
inline constexpr const char* kNessunaChiave = "?";
bool ChiaveValida(std::string_view chiave);
// The header line, with its "\r\n".
std::string IntestazioneChiave(std::string_view chiave);

// The file "AnalisiRicezione" + code + "7040.txt".
std::string NomeFileRicezione(CampionatoId c);

// What the service offers for one championship: "-1" and a text to show,
// "-2" and an analysis with its title, or something else.
struct RispostaAnalisi {
    enum Tipo { Messaggio, Analisi, NonValida } tipo = NonValida;
    std::string messaggio;    // Messaggio: the text; NonValida: why
    AnalisiCampionato proposta;
    std::string titolo;
};
// `campionato`: the championship asked for (an analysis of another one is
// not valid); `numeroStagioni`: its seasons, for the checks.
RispostaAnalisi LeggiRispostaAnalisi(std::string_view testo, CampionatoId campionato,
                                     int numeroStagioni);

// A proposed analysis as the service writes it: "-2", the fields from "ser"
// to "lc", the title (blanks made '_').
std::string TestoProposta(const AnalisiCampionato& a, std::string_view titolo);
// The line of the local test files: "-2 " and all 46 fields.
std::string RigaProvaLocale(const AnalisiCampionato& a);

} // namespace veltra
