#include "dati/FileDati.h"
#include "dati/ModelliStime.h"

#include "dati/FileAtomico.h"
#include "dati/Testo1252.h"

#include <charconv>
#include <cstdio>

namespace veltra {
namespace fs = std::filesystem;

namespace {

// Formatted input as the files were written: tokens separated by any white
// space, numbers read like "%hd", a result like " %c", a name like "%s".
class Scanner {
public:
    explicit Scanner(std::string_view t) : t_(t) {}

    bool Numero(std::int16_t& v) {
        SaltaSpazi();
        std::size_t i = p_;
        if (i < t_.size() && (t_[i] == '+' || t_[i] == '-')) ++i;
        const std::size_t cifre = i;
        while (i < t_.size() && t_[i] >= '0' && t_[i] <= '9') ++i;
        if (i == cifre) return false;
        long x = 0;
        const char* inizio = t_.data() + p_ + (t_[p_] == '+' ? 1 : 0);
        const auto r = std::from_chars(inizio, t_.data() + i, x);
        if (r.ec != std::errc() || x < -32768 || x > 32767) return false;
        v = static_cast<std::int16_t>(x);
        p_ = i;
        return true;
    }

    bool Carattere(char& c) {
        SaltaSpazi();
        if (p_ >= t_.size()) return false;
        c = t_[p_++];
        return true;
    }

    bool Parola(std::string_view& w) {
        SaltaSpazi();
        const std::size_t i = p_;
        while (p_ < t_.size() && !Spazio(t_[p_])) ++p_;
        w = t_.substr(i, p_ - i);
        return !w.empty();
    }

private:
    static bool Spazio(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }
    void SaltaSpazi() {
        while (p_ < t_.size() && Spazio(t_[p_])) ++p_;
    }
    std::string_view t_;
    std::size_t p_ = 0;
};

EsitoFile Corrotto(std::string dettaglio) {
    return EsitoFile::Errore(kMessaggioFileCorrotti, std::move(dettaglio));
}

void Aggiungi(std::string& s, const char* formato, int a, int b = 0, int c = 0) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, formato, a, b, c);
    s.append(buf, static_cast<std::size_t>(n));
}

} // namespace

std::string ScriviTestoSquadre(const Config& config) {
    std::string s;
    Aggiungi(s, "%hd ", static_cast<std::int16_t>(config.numeroStagioni()));
    for (const auto& stagione : config.stagioni) {
        Aggiungi(s, "%hd \n", static_cast<std::int16_t>(stagione.numero()));
        for (const auto& nome : stagione.nomi) {
            s += A1252(nome);
            s += " \n";
        }
    }
    return s;
}

std::string ScriviTestoIncontri(const ElencoIncontri& incontri) {
    std::string s;
    s.reserve(static_cast<std::size_t>(incontri.numero()) * 8 + 8);
    Aggiungi(s, "%hd ", static_cast<std::int16_t>(incontri.numero()));
    for (const auto& i : incontri) Aggiungi(s, "%hd %hd %c ", i.casa, i.trasferta, i.risultato);
    return s;
}

EsitoFile LeggiTestoSquadre(std::string_view testo, int numeroSquadreMax,
                            std::vector<ElencoSquadre>& stagioni) {
    Scanner in(testo);
    std::int16_t numeroStagioni = 0;
    if (!in.Numero(numeroStagioni)) return Corrotto("numero delle stagioni mancante");
    std::vector<ElencoSquadre> letti;
    if (numeroStagioni > 0) letti.resize(static_cast<std::size_t>(numeroStagioni));
    for (int s = 0; s < numeroStagioni; ++s) {
        std::int16_t n = 0;
        if (!in.Numero(n))
            return Corrotto("stagione " + std::to_string(s + 1) + ": numero delle squadre mancante");
        if (n < 0 || n > numeroSquadreMax)
            return Corrotto("stagione " + std::to_string(s + 1) + ": " + std::to_string(n) +
                            " squadre (al massimo " + std::to_string(numeroSquadreMax) + ")");
        auto& nomi = letti[static_cast<std::size_t>(s)].nomi;
        nomi.reserve(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k) {
            std::string_view w;
            if (!in.Parola(w))
                return Corrotto("stagione " + std::to_string(s + 1) + ": nome della squadra " +
                                std::to_string(k + 1) + " mancante");
            if (w.size() > static_cast<std::size_t>(kLunghezzaMaxNome))
                return Corrotto("stagione " + std::to_string(s + 1) + ": nome di squadra '" +
                                Da1252(w) + "' piu' lungo di 15 caratteri");
            nomi.push_back(Da1252(w));
        }
    }
    stagioni = std::move(letti);
    return {};
}

EsitoFile LeggiTestoIncontri(std::string_view testo, const std::vector<ElencoSquadre>& stagioni,
                             ElencoIncontri& incontri) {
    Scanner in(testo);
    std::int16_t numero = 0;
    if (!in.Numero(numero)) return Corrotto("numero degli incontri mancante");
    if (numero < 0) return Corrotto("numero degli incontri negativo");
    ElencoIncontri letti;
    letti.Riserva(static_cast<std::size_t>(numero));
    const int numeroStagioni = static_cast<int>(stagioni.size());
    int squadre = -1; // team count of the season being read; -1 before the first separator
    for (int k = 0; k < numero; ++k) {
        Incontro i;
        if (!in.Numero(i.casa) || !in.Numero(i.trasferta) || !in.Carattere(i.risultato))
            return Corrotto("incontro " + std::to_string(k + 1) + " di " + std::to_string(numero) +
                            " mancante o incompleto");
        if (i.separatore()) {
            if (letti.numeroSeparatori() >= numeroStagioni)
                return Corrotto("piu' stagioni negli incontri che nel file delle squadre");
            squadre = stagioni[static_cast<std::size_t>(letti.numeroSeparatori())].numero();
        } else {
            const std::string dove = "incontro " + std::to_string(k + 1) + ": ";
            if (squadre < 0) return Corrotto(dove + "precede l'inizio della prima stagione");
            if (i.casa < 0 || i.casa >= squadre || i.trasferta < 0 || i.trasferta >= squadre)
                return Corrotto(dove + "squadra " + std::to_string(i.casa) + " o " +
                                std::to_string(i.trasferta) + " fuori dalle " +
                                std::to_string(squadre) + " squadre della stagione");
            if (i.risultato != '1' && i.risultato != 'X' && i.risultato != '2')
                return Corrotto(dove + "risultato '" + std::string(1, i.risultato) +
                                "' non valido");
        }
        letti.Aggiungi(i);
    }
    if (letti.numeroSeparatori() != numeroStagioni)
        return Corrotto(std::to_string(numeroStagioni) + " stagioni nel file delle squadre, " +
                        std::to_string(letti.numeroSeparatori()) + " negli incontri");
    incontri = std::move(letti);
    return {};
}

namespace {

EsitoFile LeggiCampionato(CampionatoId id, const fs::path& cartella,
                          std::vector<ElencoSquadre>& stagioni, ElencoIncontri& incontri) {
    const auto& d = Campionato(id);
    const fs::path fileSquadre = cartella / std::string(d.fileSquadre);
    const fs::path fileIncontri = cartella / std::string(d.fileIncontri);
    std::string perche;
    const auto testoIncontri = LeggiFile(fileIncontri, &perche);
    if (!testoIncontri) return Corrotto(fileIncontri.string() + ": " + perche);
    const auto testoSquadre = LeggiFile(fileSquadre, &perche);
    if (!testoSquadre) return Corrotto(fileSquadre.string() + ": " + perche);
    EsitoFile e = LeggiTestoSquadre(*testoSquadre, kMaxSquadreStagione, stagioni);
    if (!e) {
        e.dettaglio = fileSquadre.string() + ": " + e.dettaglio;
        return e;
    }
    e = LeggiTestoIncontri(*testoIncontri, stagioni, incontri);
    if (!e) e.dettaglio = fileIncontri.string() + ": " + e.dettaglio;
    return e;
}

} // namespace

// The scores file beside the two files: never stops a load. A damaged one
// leaves the championship without scores and is named in retiNonLette.
static void CaricaReti(CCampionato& c, const fs::path& cartella) {
    c.reti.Svuota();
    c.retiNonLette.clear();
    const fs::path f = cartella / NomeFileReti(c.descrizione().codice);
    std::error_code ec;
    if (!fs::exists(f, ec)) return;
    std::string perche;
    const auto testo = LeggiFile(f, &perche);
    if (!testo) {
        c.retiNonLette = f.string() + ": " + perche;
        return;
    }
    LetturaReti l = LeggiTestoReti(*testo, c.incontri);
    if (!l.ok())
        c.retiNonLette = f.string() + ": " + l.errore;
    else
        c.reti = std::move(l.reti);
}

// The calendar file beside them: like the scores, never stops a load; a
// damaged one leaves the championship without fixtures and is named in
// calendarioNonLetto.
static void CaricaCalendario(CCampionato& c, const fs::path& cartella) {
    c.calendario.Svuota();
    c.calendarioNonLetto.clear();
    const fs::path f = cartella / NomeFileCalendario(c.descrizione().codice);
    std::error_code ec;
    if (!fs::exists(f, ec)) return;
    std::string perche;
    const auto testo = LeggiFile(f, &perche);
    if (!testo) {
        c.calendarioNonLetto = f.string() + ": " + perche;
        return;
    }
    LetturaCalendario l = LeggiTestoCalendario(*testo, c.config.stagioni);
    if (!l.ok())
        c.calendarioNonLetto = f.string() + ": " + l.errore;
    else
        c.calendario = std::move(l.calendario);
}

EsitoFile CaricaCampionato(CCampionato& c, const fs::path& cartella) {
    std::vector<ElencoSquadre> stagioni;
    ElencoIncontri incontri;
    EsitoFile e = LeggiCampionato(c.id(), cartella, stagioni, incontri);
    if (!e) return e;
    c.config.stagioni = std::move(stagioni);
    c.incontri = std::move(incontri);
    CaricaReti(c, cartella);
    CaricaCalendario(c, cartella);
    c.ultimoIncontroFiltro = -1;
    c.stagioneFiltro = -1;
    return e;
}

EsitoFile CaricaFileCampionati(DatiCampionati& dati, const fs::path& cartella) {
    std::array<std::vector<ElencoSquadre>, kNumeroCampionati> stagioni;
    std::array<ElencoIncontri, kNumeroCampionati> incontri;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        EsitoFile e = LeggiCampionato(c, cartella, stagioni[c], incontri[c]);
        if (!e) return e;
    }
    for (int c = 0; c < kNumeroCampionati; ++c) {
        auto& camp = dati.campionato(c);
        camp.config.stagioni = std::move(stagioni[c]);
        camp.incontri = std::move(incontri[c]);
        camp.ultimoIncontroFiltro = -1;
        camp.stagioneFiltro = -1;
        CaricaReti(camp, cartella);
        CaricaCalendario(camp, cartella);
    }
    // The model of each championship; an unreadable line leaves the engine.
    if (const auto testo = LeggiFile(cartella / kFileModelliStime))
        LeggiTestoModelliStime(*testo, dati);
    else
        for (int c = 0; c < kNumeroCampionati; ++c) dati.campionato(c).modello = ModelloStime::Motore;
    return {};
}

EsitoFile PreparaFileCampionati(const DatiCampionati& dati, const fs::path& cartella,
                                SalvataggioAtomico& salvataggio) {
    for (int c = 0; c < kNumeroCampionati; ++c) {
        const auto& camp = dati.campionato(c);
        const fs::path f = cartella / std::string(camp.descrizione().fileSquadre);
        if (!salvataggio.Prepara(f, ScriviTestoSquadre(camp.config)))
            return EsitoFile::Errore(kMessaggioErroreSalvataggio,
                                     f.string() + ": impossibile scrivere il file");
    }
    for (int c = 0; c < kNumeroCampionati; ++c) {
        const auto& camp = dati.campionato(c);
        const fs::path f = cartella / std::string(camp.descrizione().fileIncontri);
        if (!salvataggio.Prepara(f, ScriviTestoIncontri(camp.incontri)))
            return EsitoFile::Errore(kMessaggioErroreSalvataggio,
                                     f.string() + ": impossibile scrivere il file");
    }
    // The model of each championship, once any has left the engine.
    {
        const fs::path f = cartella / kFileModelliStime;
        std::error_code ec;
        bool scelto = fs::exists(f, ec);
        for (int c = 0; c < kNumeroCampionati; ++c)
            scelto = scelto || dati.campionato(c).modello != ModelloStime::Motore;
        if (scelto && !salvataggio.Prepara(f, ScriviTestoModelliStime(dati)))
            return EsitoFile::Errore(kMessaggioErroreSalvataggio,
                                     f.string() + ": impossibile scrivere il file");
    }
    // The scores files, of the championships that know any score or date.
    for (int c = 0; c < kNumeroCampionati; ++c) {
        const auto& camp = dati.campionato(c);
        if (camp.reti.vuoto() || !camp.retiNonLette.empty()) continue;
        const fs::path f = cartella / NomeFileReti(camp.descrizione().codice);
        if (!salvataggio.Prepara(f, ScriviTestoReti(camp.reti, camp.incontri)))
            return EsitoFile::Errore(kMessaggioErroreSalvataggio,
                                     f.string() + ": impossibile scrivere il file");
    }
    // The calendars: written while they hold fixtures, and once more when the
    // last fixture has gone (a stale file would bring played matches back).
    // A damaged one is left as it is.
    for (int c = 0; c < kNumeroCampionati; ++c) {
        const auto& camp = dati.campionato(c);
        if (!camp.calendarioNonLetto.empty()) continue;
        const fs::path f = cartella / NomeFileCalendario(camp.descrizione().codice);
        std::error_code ec;
        if (camp.calendario.vuoto() && !fs::exists(f, ec)) continue;
        if (!salvataggio.Prepara(f, ScriviTestoCalendario(camp.calendario)))
            return EsitoFile::Errore(kMessaggioErroreSalvataggio,
                                     f.string() + ": impossibile scrivere il file");
    }
    return {};
}

EsitoFile SalvaFileCampionati(DatiCampionati& dati, const fs::path& cartella) {
    SalvataggioAtomico salvataggio;
    if (EsitoFile e = PreparaFileCampionati(dati, cartella, salvataggio); !e) return e;
    if (!salvataggio.Conferma())
        return EsitoFile::Errore(kMessaggioErroreSalvataggio,
                                 cartella.string() + ": impossibile sostituire i file");
    dati.datiModificati = 0;
    return {};
}

} // namespace veltra
