#include "app/importa/FontiAggiornamento.h"

#include "app/importa/TestoSorgente.h"
#include "dati/FileAtomico.h"
#include "platform/Risorse.h"

namespace veltra {

namespace fs = std::filesystem;

std::optional<std::string> TabellaFonti::Carica(std::string_view file) {
    std::map<CampionatoId, std::string> voci;
    const std::string testo = TestoInUtf8(file);
    const auto righe = Righe(testo);
    for (std::size_t n = 0; n < righe.size(); ++n) {
        const std::string dove = "riga " + std::to_string(n + 1) + ": ";
        const auto r = Rifila(righe[n]);
        if (r.empty() || r.front() == '#') continue;
        const auto campi = Dividi(r, '\t');
        if (campi.size() != 2)
            return dove + "servono due campi separati da una tabulazione (codice, indirizzo)";
        const std::string codice(Rifila(campi[0]));
        const std::string fonte(Rifila(campi[1]));
        const auto c = CercaCampionato(codice);
        if (!c || codice != Campionato(*c).codice) return dove + "campionato sconosciuto: " + codice;
        if (fonte.empty()) return dove + "indirizzo vuoto";
        if (!voci.emplace(*c, fonte).second) return dove + codice + " compare due volte";
    }
    voci_ = std::move(voci);
    return std::nullopt;
}

void TabellaFonti::Sovrapponi(const TabellaFonti& altra) {
    for (const auto& [c, f] : altra.voci_) voci_[c] = f;
}

std::optional<std::string> TabellaFonti::Cerca(CampionatoId c) const {
    if (auto it = voci_.find(c); it != voci_.end()) return it->second;
    return std::nullopt;
}

void TabellaFonti::Imposta(CampionatoId c, std::string fonte) { voci_[c] = std::move(fonte); }

std::string TabellaFonti::Testo() const {
    std::string t = "# Fonti dell'aggiornamento scelte dall'utente: codice del campionato, una\n"
                    "# tabulazione, l'indirizzo o il file. Valgono al posto di quelle del programma.\n";
    for (const auto& [c, f] : voci_) t += std::string(Campionato(c).codice) + "\t" + f + "\n";
    return t;
}

namespace {

// A table file; a missing one is an empty table.
std::optional<std::string> Leggi(const fs::path& f, TabellaFonti& t) {
    const LetturaFile l = LeggiFileControllato(f, 1 << 20);
    if (l.mancante) return std::nullopt;
    if (!l.testo) return f.string() + ": " + l.errore;
    if (auto e = t.Carica(*l.testo)) return f.string() + ": " + *e;
    return std::nullopt;
}

} // namespace

CaricamentoFonti CaricaFonti(const fs::path& cartella) {
    CaricamentoFonti r;
    if (auto e = Leggi(CartellaRisorse() / "dati" / kFileFontiPredefinite, r.fonti)) r.errore = *e;
    TabellaFonti utente;
    if (auto e = Leggi(cartella / kFileFontiUtente, utente))
        r.errore += (r.errore.empty() ? "" : "; ") + *e;
    else
        r.fonti.Sovrapponi(utente);
    return r;
}

bool MemorizzaFonte(const fs::path& cartella, CampionatoId c, const std::string& fonte,
                    std::string* errore) {
    TabellaFonti utente;
    if (auto e = Leggi(cartella / kFileFontiUtente, utente)) {
        if (errore) *errore = *e;
        return false;
    }
    utente.Imposta(c, fonte);
    if (!ScriviFileAtomico(cartella / kFileFontiUtente, utente.Testo())) {
        if (errore) *errore = (cartella / kFileFontiUtente).string() + ": impossibile scrivere il file";
        return false;
    }
    return true;
}

} // namespace veltra
