#include "quote/LettoriPagine.h"

#include "dati/FileAtomico.h"
#include "net/Internet.h"
#include "quote/FileEventi.h"

#include <map>

namespace veltra {

namespace fs = std::filesystem;

FormatoPagina FormatoBookmaker(Bookmaker b) {
    switch (b) {
    case Bookmaker::Betandwin:
        return {FormaData::PuntiAnno, 6, true, false};
    case Bookmaker::Betzone:
        return {FormaData::BarreAnno, 3, true, false};
    case Bookmaker::Eurobet:
        return {FormaData::PuntiAnnoBreve, 3, false, false};
    case Bookmaker::Globet:
        return {FormaData::PuntiAnno, 6, false, false};
    case Bookmaker::Snai:
        break;
    }
    return {FormaData::BarreSenzaAnno, 3, false, true};
}

fs::path CartellaPagine(const fs::path& cartella, Bookmaker b) {
    return cartella / kCartellaPagineQuote / NomeBookmaker(b);
}

bool CreaCartellePagine(const fs::path& cartella) {
    bool ok = true;
    for (int b = 0; b < kBookmakerInternet; ++b) {
        std::error_code ec;
        fs::create_directories(CartellaPagine(cartella, static_cast<Bookmaker>(b)), ec);
        ok = ok && !ec;
    }
    return ok;
}

namespace {

std::string NomeCampionato(int c) { return std::string(Campionato(c).nome); }

// The error record of a page request, by what went wrong.
std::string ErrorePagina(const std::string& indirizzo, const Pagina& p) {
    const std::string base = std::string(kServizioNonAttivo) + " ";
    if (!LeggiUrl(indirizzo) || !LeggiUrl(indirizzo)->http) return RecordErrore(base + "(3)");
    switch (p.stato) {
    case 401:
        return RecordErrore(base + "(4)");
    case -6:
        return RecordErrore(base + "(6)");
    case -7:
        return RecordErrore(base + "(7)");
    default:
        break;
    }
    return RecordErrore(base + "[" + std::to_string(p.stato) + "]");
}

// How the log names a page that could not be read.
std::string Motivo(const Pagina& p) {
    if (p.stato == 0) return p.errore.empty() ? "nessuna risposta" : p.errore;
    if (p.stato == 401) return "accesso negato (401)";
    if (p.stato == -6 || p.stato == -7) return "rinvio a un indirizzo non valido";
    return "risposta " + std::to_string(p.stato);
}

class Lettura {
public:
    Lettura(IHttp& http, const ParametriLettura& p, RegistroInternet& log)
        : http_(http), p_(p), log_(log), formato_(FormatoBookmaker(p.bookmaker)),
          cartellaPagine_(CartellaPagine(p.cartella, p.bookmaker)) {}

    EsitoLettura Esegui() {
        const EsitoLettura e = Leggi();
        ScriviCopie();
        if (!ScriviFile()) log_.Aggiungi("Impossibile scrivere il file degli eventi " +
                                         FileEventiBookmaker(p_.bookmaker));
        return e;
    }

private:
    bool Fermo() const { return p_.fermo && p_.fermo(); }

    // The events file replaces the old one whole, or not at all.
    bool ScriviFile() { return ScriviFileAtomico(p_.cartella / FileEventiBookmaker(p_.bookmaker), eventi_); }

    // The copies of the pages read, as one save: the old copies give way to
    // the new ones all together, then those of pages not read again go.
    void ScriviCopie() {
        if (!svuota_) return;
        SalvataggioAtomico s;
        bool ok = true;
        for (const auto& [nome, corpo] : copie_) ok = ok && s.Prepara(cartellaPagine_ / nome, corpo);
        if (!ok || !s.Conferma()) {
            log_.Aggiungi("Impossibile scrivere le copie delle pagine (" + s.Errore() + ")");
            return;
        }
        std::error_code ec;
        for (fs::directory_iterator it(cartellaPagine_, ec), fine; !ec && it != fine; it.increment(ec)) {
            const auto est = it->path().extension().string();
            if ((est == ".htm" || est == ".HTM") && !copie_.count(it->path().filename().string())) {
                std::error_code e2;
                fs::remove(it->path(), e2);
            }
        }
    }

    std::unique_ptr<ISessioneHttp> Sessione(bool senzaCache) {
        OpzioniSessione o;
        o.agente = "VELTRA";
        o.senzaCache = senzaCache;
        o.secondiConnessione = p_.secondiConnessione;
        o.secondiStallo = p_.secondiStallo;
        o.fermo = p_.fermo;
        return http_.ApriSessione(o);
    }

    // The table (or, for EUROBET, one championship's); nullopt when it
    // could not be had or read, with the reason in the log.
    bool Tabella(ISessioneHttp& s, int campionato) {
        const auto indirizzo =
            IndirizzoPercorso(p_.indirizzoServizio, PercorsoTabella(p_.bookmaker, campionato));
        std::string perche;
        const auto testo = indirizzo ? ScaricaTesto(s, *indirizzo, true, &perche)
                                     : std::optional<std::string>();
        if (!indirizzo) perche = "indirizzo del servizio non valido: " + p_.indirizzoServizio;
        if (!testo) {
            log_.Aggiungi("Tabella dei nomi non disponibile (" + perche + ")");
            return false;
        }
        if (const auto errore = LeggiTabellaNomi(p_.bookmaker, *testo, tabella_, campionato)) {
            log_.Aggiungi("Tabella dei nomi illeggibile: " + *errore);
            return false;
        }
        return true;
    }

    void SvuotaCopie() {
        std::error_code ec;
        fs::create_directories(cartellaPagine_, ec);
        copie_.clear();
        svuota_ = true;
    }

    void Copia(const std::string& nomeFile, std::string_view corpo) { copie_[nomeFile] = std::string(corpo); }

    static std::vector<std::string> Testo(std::string_view corpo) {
        // The body as it would arrive, in blocks of at most 1023 bytes.
        PulitoreTag t;
        for (std::size_t i = 0; i < corpo.size(); i += 1023) t.Aggiungi(corpo.substr(i, 1023));
        return Gettoni(t.testo());
    }

    // The events of championship c on a page, written as records; the count.
    int Analizza(int c, const std::vector<std::string>& gettoni, int primaQuota = 0,
                 int numeroQuote = 0) {
        const LetturaPagina l = LeggiEventiPagina(formato_, gettoni, tabella_.nomi[c], p_.anno, p_.mese);
        if (l.date == 0 && !gettoni.empty())
            log_.Aggiungi("Nessuna data di incontro riconosciuta nella pagina di " + NomeCampionato(c));
        for (const auto& e : l.eventi) {
            RecordEvento r;
            r.campionato = c;
            r.casa = e.casa;
            r.trasferta = e.trasferta;
            for (int k = 0; k < formato_.quote; ++k)
                r.quote[primaQuota + k] = static_cast<float>(e.quote[k]);
            r.data = e.data;
            eventi_ += RecordEventoTesto(r, numeroQuote ? numeroQuote : formato_.quote);
        }
        auto& v = coppie_[c];
        v.insert(v.end(), l.coppie.begin(), l.coppie.end());
        return static_cast<int>(l.eventi.size());
    }

    EsitoLettura Leggi() {
        auto s = Sessione(true);
        bool letta = false;
        if (s) {
            if (p_.bookmaker == Bookmaker::Eurobet) {
                letta = true; // each championship's table is read with its pages
            } else {
                letta = Tabella(*s, 0);
            }
        } else {
            log_.Aggiungi("Impossibile aprire una sessione internet");
        }
        s.reset();
        if (!letta) {
            eventi_ = RecordErrore(std::string(kServizioNonAttivo) + " (200)");
            return EsitoLettura::Finita;
        }
        tabella_.Escludi(p_.inclusione);
        SvuotaCopie();

        auto pagine = Sessione(false);
        if (!pagine) {
            eventi_ = RecordErrore(std::string(kServizioNonAttivo) + " (1)");
            log_.Aggiungi("Impossibile aprire una sessione internet");
            return EsitoLettura::Finita;
        }
        EsitoLettura e = EsitoLettura::Finita;
        switch (p_.bookmaker) {
        case Bookmaker::Betandwin:
        case Bookmaker::Globet:
            e = PaginaPerCampionato(*pagine);
            break;
        case Bookmaker::Betzone:
            e = PaginaUnica(*pagine);
            break;
        case Bookmaker::Eurobet:
            e = DuePagine(*pagine);
            break;
        case Bookmaker::Snai:
            e = Modulo(*pagine);
            break;
        }
        if (e == EsitoLettura::Interrotta || chiuso_) return e;
        eventi_ += RecordTrailer(coppie_);
        return e;
    }

    void Accedi(ISessioneHttp& s) {
        if (!p_.chiediAccesso) return;
        const auto a = p_.chiediAccesso();
        if (!a) return;
        log_.Aggiungi("Accesso all'area riservata del bookmaker...");
        const std::string corpo =
            tabella_.modulo1 + CodificaModulo(a->login) + tabella_.modulo2 + CodificaModulo(a->password);
        const Pagina r = InviaModulo(s, tabella_.indirizzoAccesso, kIntestazioniModulo, corpo);
        if (r.stato != 200) {
            log_.Aggiungi("Accesso non riuscito (" + Motivo(r) + "): si cercano le sole quote libere");
            return;
        }
        // The copy never holds the password, even if the page repeats it.
        std::string copia = r.corpo;
        for (const std::string& segreto : {a->password, CodificaModulo(a->password)}) {
            if (segreto.empty()) continue;
            for (std::size_t i = copia.find(segreto); i != std::string::npos;
                 i = copia.find(segreto, i + 5))
                copia.replace(i, segreto.size(), "*****");
        }
        Copia("LOGIN.htm", copia);
        log_.Aggiungi("Accesso effettuato");
    }

    EsitoLettura PaginaPerCampionato(ISessioneHttp& s) {
        if (p_.bookmaker == Bookmaker::Globet) Accedi(s);
        for (int c = 0; c < kNumeroCampionati; ++c) {
            if (Fermo()) return EsitoLettura::Interrotta;
            if (!tabella_.ConPagina(c)) continue;
            log_.Aggiungi("Analisi quote del campionato di " + NomeCampionato(c) + "...");
            const std::string indirizzo = tabella_.base + tabella_.suffissi[c];
            const Pagina pg = ScaricaPagina(s, indirizzo, kIntestazioniPagina);
            if (Fermo()) return EsitoLettura::Interrotta;
            if (pg.stato != 200) {
                log_.Aggiungi("Nessun evento");
                log_.Aggiungi("(" + NomeCampionato(c) + ": " + Motivo(pg) + ")");
                continue;
            }
            Copia(NomeCampionato(c) + ".htm", pg.corpo);
            log_.Aggiungi("Eventi Trovati:" + std::to_string(Analizza(c, Testo(pg.corpo))));
        }
        return EsitoLettura::Finita;
    }

    EsitoLettura PaginaUnica(ISessioneHttp& s) {
        bool alcuno = false;
        for (int c = 0; c < kNumeroCampionati; ++c) alcuno = alcuno || !tabella_.nomi[c].empty();
        if (!alcuno) return EsitoLettura::Finita;
        if (Fermo()) return EsitoLettura::Interrotta;
        log_.Aggiungi("Lettura della pagina degli eventi...");
        const Pagina pg = ScaricaPagina(s, tabella_.base, kIntestazioniPagina);
        if (Fermo()) return EsitoLettura::Interrotta;
        if (pg.stato != 200) {
            log_.Aggiungi("(" + Motivo(pg) + ")");
            eventi_ = ErrorePagina(tabella_.base, pg);
            chiuso_ = true;
            return EsitoLettura::Finita;
        }
        Copia("Tutte.htm", pg.corpo);
        const auto gettoni = Testo(pg.corpo);
        for (int c = 0; c < kNumeroCampionati; ++c) {
            if (Fermo()) return EsitoLettura::Interrotta;
            if (tabella_.nomi[c].empty()) continue;
            log_.Aggiungi("Analisi quote del campionato di " + NomeCampionato(c) + "...");
            log_.Aggiungi("Eventi Trovati:" + std::to_string(Analizza(c, gettoni)));
        }
        return EsitoLettura::Finita;
    }

    EsitoLettura DuePagine(ISessioneHttp& s) {
        auto tabelle = Sessione(true);
        int trovati[2] = {0, 0};
        for (int c = 0; c < kNumeroCampionati; ++c) {
            if (Fermo()) return EsitoLettura::Interrotta;
            if (p_.inclusione.size() <= static_cast<std::size_t>(c) || p_.inclusione[c] != '1') continue;
            log_.Aggiungi("Analisi quote del campionato di " + NomeCampionato(c) + "...");
            if (!tabelle || !Tabella(*tabelle, c) || !tabella_.ConPagina(c)) {
                log_.Aggiungi("Nessun evento");
                continue;
            }
            static constexpr const char* kTipi[2] = {"-1-X-2", "-1X-12-X2"};
            int n = 0;
            for (int k = 0; k < 2; ++k) {
                const std::string nome = NomeCampionato(c) + kTipi[k] + ".htm";
                const std::string indirizzo =
                    tabella_.suffissi[c] + std::string(Campionato(c).codice) + kTipi[k] + ".htm";
                const Pagina pg = ScaricaPagina(s, indirizzo, kIntestazioniPagina);
                if (Fermo()) return EsitoLettura::Interrotta;
                if (pg.stato != 200) {
                    log_.Aggiungi("(" + nome + ": " + Motivo(pg) + ")");
                    continue;
                }
                Copia(nome, pg.corpo);
                const int m = Analizza(c, Testo(pg.corpo), 3 * k, 6);
                trovati[k] += m;
                n += m;
            }
            log_.Aggiungi(n ? "Eventi Trovati:" + std::to_string(n) : std::string("Nessun evento"));
        }
        bool alcuno = false;
        for (char x : p_.inclusione) alcuno = alcuno || x == '1';
        if (alcuno && (trovati[0] == 0 || trovati[1] == 0)) {
            eventi_ += RecordErrore(
                std::string(trovati[0] == 0 ? "Non sono state trovate Quote per: '1'-'X'-'2'\n" : "") +
                (trovati[1] == 0 ? "Non sono state trovate Quote per: '1X'-'12'-'X2'\n" : ""));
            chiuso_ = true;
        }
        return EsitoLettura::Finita;
    }

    EsitoLettura Modulo(ISessioneHttp& s) {
        for (int c = 0; c < kNumeroCampionati; ++c) {
            if (Fermo()) return EsitoLettura::Interrotta;
            if (!tabella_.ConPagina(c) || tabella_.manifestazioni[c] < 0) continue;
            log_.Aggiungi("Analisi quote del campionato di " + NomeCampionato(c) + "...");
            const int m = tabella_.manifestazioni[c], n = tabella_.avvenimenti[c];
            const std::string corpo = "palinsesto=" + std::to_string(tabella_.palinsesto) +
                                      "&manifestazione=" + std::to_string(m) +
                                      "&tot_avvenimenti=" + std::to_string(n) +
                                      "&vai=" + std::to_string(n) + "&scommessa_" + std::to_string(n) +
                                      "=" + CodificaModulo(tabella_.codiceScommessa);
            const std::string indirizzo = tabella_.base + "/quote/servlet/quote.Shopping?";
            const Pagina pg = InviaModulo(s, indirizzo, kIntestazioniModulo, corpo);
            if (Fermo()) return EsitoLettura::Interrotta;
            if (pg.stato != 200) {
                log_.Aggiungi("Nessun evento");
                log_.Aggiungi("(" + NomeCampionato(c) + ": " + Motivo(pg) + ")");
                continue;
            }
            Copia(NomeCampionato(c) + "-" + std::to_string(m) + ".htm", pg.corpo);
            log_.Aggiungi("Eventi Trovati:" + std::to_string(Analizza(c, Testo(pg.corpo))));
        }
        return EsitoLettura::Finita;
    }

    IHttp& http_;
    const ParametriLettura& p_;
    RegistroInternet& log_;
    FormatoPagina formato_;
    fs::path cartellaPagine_;
    TabellaNomiBookmaker tabella_;
    std::string eventi_;
    std::map<std::string, std::string> copie_; // the pages' copies, by file name
    bool svuota_ = false;                      // the copies are to be replaced
    bool chiuso_ = false; // the events text ends with an error record: no trailer
    std::array<std::vector<int>, kNumeroCampionati> coppie_;
};

} // namespace

EsitoLettura LeggiPagineBookmaker(IHttp& http, const ParametriLettura& p, RegistroInternet& log) {
    return Lettura(http, p, log).Esegui();
}

} // namespace veltra
