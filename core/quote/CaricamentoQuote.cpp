#include "quote/CaricamentoQuote.h"

#include "betting/FileQuote.h"
#include "betting/RicalcolaEventi.h"
#include "dati/Campionato.h"
#include "dati/DatiCampionati.h"
#include "dati/FileAtomico.h"
#include "engine/CMotoreStime.h"
#include "engine/rating/ModelloProbabilita.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "quote/FileEventi.h"

#include <algorithm>
#include <sstream>

namespace veltra {

namespace fs = std::filesystem;

std::string TestoDisclaimer(Bookmaker b) {
    return std::string("DISCLAIMER.\nGli eventi e le quote sono letti sul sito web del Bookmaker ") +
           NomeBookmaker(b) +
           "®.\nAd esso sono riconosciuti tutti i diritti sulla proprieta' delle informazioni "
           "pubblicate.\nVELTRA non intende violare alcun diritto di copyright con questa "
           "funzionalita',\nma vuole fornire esclusivamente un ausilio agli scommettitori nel "
           "recupero delle informazioni pubblicate su internet.";
}

namespace {

std::string NomeCampionato(int c) { return std::string(Campionato(c).nome); }

bool QuotaOfferta(const std::array<float, 6>& q) {
    return std::any_of(q.begin(), q.end(), [](float v) { return v != 0; });
}

// The two sections of a bookmaker that lists 1-X-2 and the double chances on
// separate pages become one event per match, championship by championship:
// an event of the second section joins the first-section event of the same
// teams (or, when its opponent was not recognised, the one its recognised
// team plays in); one that joins none stays an event of its own.
std::vector<RecordEvento> UnisciSezioni(std::vector<RecordEvento> eventi, const ParametriCaricamento& p,
                                        RegistroInternet& log) {
    auto seconda = [](const RecordEvento& e) {
        return e.quote[0] == 0 && e.quote[1] == 0 && e.quote[2] == 0 &&
               (e.quote[3] != 0 || e.quote[4] != 0 || e.quote[5] != 0);
    };
    std::vector<RecordEvento> r;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        const bool presente = std::any_of(eventi.begin(), eventi.end(),
                                          [c](const RecordEvento& e) { return e.campionato == c; });
        if (!presente) continue;
        const std::size_t inizio = r.size();
        log.Aggiungi("Analisi quote ('1'-'X'-'2') del campionato di " + NomeCampionato(c) + "...");
        for (const auto& e : eventi)
            if (e.campionato == c && !seconda(e)) r.push_back(e);
        log.Aggiungi("Analisi quote ('1X'-'12'-'X2') del campionato di " + NomeCampionato(c) + "...");
        for (const auto& e : eventi) {
            if (e.campionato != c || !seconda(e)) continue;
            auto it = std::find_if(r.begin() + static_cast<std::ptrdiff_t>(inizio), r.end(),
                                   [&e](const RecordEvento& x) {
                                       if (e.trasferta >= 0 && x.trasferta >= 0)
                                           return x.casa == e.casa && x.trasferta == e.trasferta;
                                       return x.casa == e.casa || (e.trasferta < 0 && x.trasferta == e.casa);
                                   });
            if (it != r.end()) {
                for (int k = 3; k < 6; ++k) it->quote[k] = e.quote[k];
                if (it->trasferta < 0) it->trasferta = e.trasferta;
                continue;
            }
            if (e.trasferta < 0 && p.campionati[c]) {
                const auto& nomi = p.campionati[c]->squadreCorrenti().nomi;
                if (e.casa >= 0 && e.casa < static_cast<int>(nomi.size()))
                    log.Aggiungi("Non riconosciuta l'avversaria di " + nomi[e.casa] + "\r\r\n");
            }
            r.push_back(e);
        }
        log.Aggiungi("Caricamento eventi del campionato di " + NomeCampionato(c) + " concluso\r\r\n");
    }
    return r;
}

} // namespace

EsitoCaricamento CaricaFileEventi(const fs::path& file, Bookmaker b, const ParametriCaricamento& p,
                                  RegistroInternet& log) {
    EsitoCaricamento r;
    r.scommesse.Azzera();
    log.Aggiungi("Analisi della pagina delle quote...");
    const LetturaFile f = LeggiFileControllato(file);
    if (!f.testo) {
        log.Aggiungi("Errore nell'apertura del file degli eventi!\r\n");
        log.Aggiungi("(" + file.string() + ": " + f.errore + ")");
        log.Aggiungi(kOperazioneInterrotta);
        r.interrotto = true;
        return r;
    }
    ContenutoEventi c = LeggiFileEventi(*f.testo);
    std::vector<RecordEvento> letti =
        b == Bookmaker::Eurobet ? UnisciSezioni(std::move(c.eventi), p, log) : std::move(c.eventi);

    std::vector<RecordEvento> tenuti;
    std::array<int, kNumeroCampionati> conteggi = {};
    bool ignoraTutti = false;
    for (auto& e : letti) {
        const auto& copia = p.campionati[e.campionato];
        const int n = copia ? copia->numeroSquadreCorrenti() : 0;
        if (!copia || e.casa >= n || e.trasferta >= n) {
            log.Aggiungi("Evento di " + NomeCampionato(e.campionato) +
                         " con una squadra fuori dall'elenco: scartato");
            continue;
        }
        if (e.trasferta < 0 || !QuotaOfferta(e.quote)) {
            if (ignoraTutti || !p.completa) continue;
            const SceltaCompletamento s = p.completa(e.campionato, e.casa, e.quote);
            if (s.tipo == SceltaCompletamento::Tipo::IgnoraTutti) ignoraTutti = true;
            if (s.tipo != SceltaCompletamento::Tipo::Ok) continue;
            if (s.casa < 0 || s.casa >= n || s.trasferta < 0 || s.trasferta >= n ||
                s.casa == s.trasferta || !QuotaOfferta(s.quote))
                continue;
            e.casa = s.casa;
            e.trasferta = s.trasferta;
            e.quote = s.quote;
        }
        ++conteggi[e.campionato];
        tenuti.push_back(std::move(e));
    }
    if (c.conErrore) {
        std::string t;
        for (const auto& riga : c.errore) t += (t.empty() ? "" : "\r\r\n") + riga;
        log.Aggiungi(t);
    }
    if (!c.illeggibile.empty()) {
        log.Aggiungi("Risulta impossibile leggere i dati");
        log.Aggiungi("(" + c.illeggibile + ")");
    }
    if (p.lettura.fermo && p.lettura.fermo()) {
        log.Aggiungi(kOperazioneInterrotta);
        r.interrotto = true;
        return r;
    }
    r.trovati = static_cast<int>(tenuti.size());
    log.Aggiungi("Totale eventi trovati: " + std::to_string(tenuti.size()));
    for (int k = 0; k < kNumeroCampionati; ++k)
        if (conteggi[k] > 0)
            log.Aggiungi("Eventi inclusi del campionato di " + NomeCampionato(k) + ": " +
                         std::to_string(conteggi[k]));

    std::array<int, kNumeroCampionati> stime = {}; // 0 not yet, 1 ready, -1 failed
    // Each championship's model in use: the rating model, or the engine.
    std::array<std::unique_ptr<IModelloProbabilita>, kNumeroCampionati> rating;
    for (const auto& e : tenuti) {
        CCampionato& cc = *p.campionati[e.campionato];
        int& s = stime[e.campionato];
        auto& modello = rating[static_cast<std::size_t>(e.campionato)];
        if (s == 0) {
            if (cc.modello == ModelloStime::Rating) {
                modello = CreaModelloRating(cc, ParametriRatingPredefiniti(e.campionato),
                                            p.inferiori[static_cast<std::size_t>(e.campionato)].get());
                s = modello->Aggiorna() == 0 ? 1 : -1;
            } else {
                if (!cc.motore) CreaMotore(cc);
                s = cc.motore->AggiornaStime() == 0 ? 1 : -1;
            }
            if (s < 0)
                log.Aggiungi("Impossibile calcolare le stime del campionato di " +
                             NomeCampionato(e.campionato) + "\r\r\n");
        }
        if (s < 0) continue;
        const auto& nomi = cc.squadreCorrenti().nomi;
        Stima st;
        if (modello && e.casa != e.trasferta) {
            if (const auto q = modello->Stima(e.casa, e.trasferta)) {
                st.p1 = static_cast<float>(q->p1);
                st.pX = static_cast<float>(q->pX);
                st.p2 = static_cast<float>(q->p2);
            } else {
                st.p1 = st.pX = st.p2 = -1;
            }
        }
        if (e.casa == e.trasferta || (modello ? st.p1 < 0 : cc.motore->StimaIncontro(e.casa, e.trasferta, st) != 0)) {
            log.Aggiungi("Impossibile calcolare le stime per " + nomi[e.casa] + "-" + nomi[e.trasferta] +
                         "\r\r\nNon si e' ancora disputato il numero minimo di partite\r\r\n(pari "
                         "alle Giornate d'Analisi)\r\r\nIncontro scartato.");
            continue;
        }
        std::array<float, 3> pr = {st.p1, st.pX, st.p2};
        MinimoProbabilita(pr);
        r.scommesse.AggiungiEvento(e.campionato, cc.numeroIncontriCorrenti(), nomi[e.casa],
                                   nomi[e.trasferta], e.quote, pr[0], pr[1], pr[2], e.data);
    }
    log.Aggiungi("Caricamento eventi e quote concluso\r\r\n");
    return r;
}

EsitoCaricamento ScaricaQuote(IHttp& http, const ParametriCaricamento& p, RegistroInternet& log) {
    log.Svuota();
    const Bookmaker b = p.lettura.bookmaker;
    if (p.conferma && !p.conferma(TestoDisclaimer(b))) {
        log.Aggiungi(kOperazioneInterrotta);
        EsitoCaricamento r;
        r.interrotto = true;
        return r;
    }
    log.Aggiungi("Attendere prego.\r\r\nE' in corso lo scaricamento e l'analisi delle quote via "
                 "internet...");
    if (LeggiPagineBookmaker(http, p.lettura, log) == EsitoLettura::Interrotta) {
        log.Aggiungi(kOperazioneInterrotta);
        EsitoCaricamento r;
        r.interrotto = true;
        return r;
    }
    return CaricaFileEventi(p.lettura.cartella / FileEventiBookmaker(b), b, p, log);
}

CDlgCaricamentoQuote::CDlgCaricamentoQuote(DatiCampionati& dati, fs::path cartella,
                                           std::string indirizzoServizio)
    : dati_(dati), cartella_(std::move(cartella)), indirizzo_(std::move(indirizzoServizio)) {
    for (int c = 0; c < kNumeroCampionati; ++c) inclusi_.push_back(c);
    scommesse_.Azzera();
}

bool CDlgCaricamentoQuote::Aggiungi(int c, IMessaggi& messaggi) {
    const auto it = std::find(esclusi_.begin(), esclusi_.end(), c);
    if (inCorso_ || it == esclusi_.end()) {
        if (!inCorso_) messaggi.Errore(kSelezionareSinistra);
        return false;
    }
    esclusi_.erase(it);
    inclusi_.insert(std::upper_bound(inclusi_.begin(), inclusi_.end(), c), c);
    return true;
}

bool CDlgCaricamentoQuote::Togli(int c, IMessaggi& messaggi) {
    const auto it = std::find(inclusi_.begin(), inclusi_.end(), c);
    if (inCorso_ || it == inclusi_.end()) {
        if (!inCorso_) messaggi.Errore(kSelezionareDestra);
        return false;
    }
    inclusi_.erase(it);
    esclusi_.insert(std::upper_bound(esclusi_.begin(), esclusi_.end(), c), c);
    return true;
}

std::string CDlgCaricamentoQuote::Inclusione() const {
    std::string s(kNumeroCampionati, '0');
    for (int c : inclusi_) s[c] = '1';
    return s;
}

void CDlgCaricamentoQuote::Carica(IEsecutoreLavori& esecutore, IHttp& http, std::function<void()> fine) {
    if (inCorso_) {
        Interrompi();
        return;
    }
    inCorso_ = true;
    *fermo_ = false;
    scommesse_.Azzera();
    ParametriCaricamento p;
    p.lettura.bookmaker = bookmaker;
    p.lettura.inclusione = Inclusione();
    p.lettura.indirizzoServizio = indirizzo_;
    p.lettura.cartella = cartella_;
    std::tm t{};
    if (oggi) {
        t = oggi();
    } else {
        const std::time_t ora = std::time(nullptr);
        localtime_r(&ora, &t);
    }
    p.lettura.anno = t.tm_year + 1900;
    p.lettura.mese = t.tm_mon + 1;
    p.lettura.secondiStallo = secondiStallo;
    if (bookmaker == Bookmaker::Globet) p.lettura.chiediAccesso = chiediAccesso;
    for (int c : inclusi_) p.campionati[c] = std::shared_ptr<CCampionato>(CopiaDati(dati_.campionato(c)));
    // The lower divisions, for the rating model's promoted clubs.
    for (int c : inclusi_)
        if (const int sotto = DivisioneInferiore(c); sotto >= 0)
            p.inferiori[static_cast<std::size_t>(c)] = std::shared_ptr<CCampionato>(CopiaDati(dati_.campionato(sotto)));
    p.conferma = conferma;
    p.completa = completa;
    RegistroInternet* log = &log_;
    auto fermo = fermo_;
    AvviaLavoro<EsitoCaricamento>(
        esecutore, "Caricamento Quote via Internet",
        [&http, p, log, fermo](ContestoLavoro& c) mutable {
            p.lettura.fermo = [fermo, &c] { return fermo->load() || c.FermoRichiesto(); };
            return ScaricaQuote(http, p, *log);
        },
        [this, fine = std::move(fine)](EsitoLavoro<EsitoCaricamento> e) {
            scommesse_ = std::move(e.risultato.scommesse);
            interrotto_ = e.risultato.interrotto || e.fine.fermato || !e.fine.riuscito();
            if (!e.fine.riuscito()) {
                log_.Aggiungi("Errore: " + e.fine.errore);
                log_.Aggiungi(kOperazioneInterrotta);
                scommesse_.Azzera();
            } else if (e.fine.fermato && !e.risultato.interrotto) {
                log_.Aggiungi(kOperazioneInterrotta);
                scommesse_.Azzera();
            }
            inCorso_ = false;
            *fermo_ = false;
            if (fine) fine();
        });
}

void CDlgCaricamentoQuote::Interrompi() {
    if (!inCorso_ || fermo_->load()) return;
    *fermo_ = true;
    log_.Aggiungi(kMessaggioInterruzione);
}

std::string CDlgCaricamentoQuote::NomeFileQuote(const std::tm& ora) const {
    char b[64];
    std::strftime(b, sizeof b, "%d-%m-%Y %Hh%Mm%Ss", &ora);
    return std::string(NomeBookmaker(bookmaker)) + "-" + b;
}

bool CDlgCaricamentoQuote::SalvaQuote(const fs::path& file, IMessaggi& messaggi) {
    if (!veltra::SalvaQuote(scommesse_, file, messaggi)) {
        log_.Aggiungi("Impossibile creare il file delle quote " + file.filename().string() + "\r\r\n");
        return false;
    }
    return true;
}

bool CDlgCaricamentoQuote::SalvataggioNascosto(const std::tm& ora, IMessaggi& messaggi) {
    if (inCorso_ || scommesse_.nEventi == 0) return false;
    char b[64];
    std::strftime(b, sizeof b, "%d-%m-%Y %Hh%Mm%Ss", &ora);
    const std::string nome = std::string(NomeBookmaker(bookmaker)) + "_" + b + ".QUO";
    if (messaggi.Mostra("Vuoi che gli eventi scaricati vengano ora salvati su file nella cartella di "
                        "VELTRA (con nome: " + nome + ") ?\n\n(Funzionalità di test)",
                        Icona::Domanda, Pulsanti::SiNo) != Risposta::Si)
        return false;
    return SalvaQuote(cartella_ / nome, messaggi);
}

bool CDlgCaricamentoQuote::Ok(ScommessaMgr& principale, IMessaggi& messaggi) const {
    if (scommesse_.nEventi == 0) {
        if (principale.nEventi > 0) messaggi.Mostra(kNessunEventoScaricato, Icona::Informazione);
        return false;
    }
    principale = scommesse_;
    return true;
}

} // namespace veltra
