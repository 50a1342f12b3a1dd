#include "net/AggiornamentoDati.h"

#include "dati/FileAtomico.h"
#include "dati/Reti.h"
#include "engine/ValutazioneArchivio.h"
#include "net/FileAggiornamento.h"
#include "net/Internet.h"
#include "platform/Messaggi.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace veltra {
namespace fs = std::filesystem;

ParametriAggiornamento PreparaAggiornamento(const DatiCampionati& dati,
                                            std::vector<CampionatoId> campionati,
                                            std::string indirizzo, fs::path cartella) {
    std::sort(campionati.begin(), campionati.end());
    campionati.erase(std::unique(campionati.begin(), campionati.end()), campionati.end());
    ParametriAggiornamento p;
    p.indirizzo = std::move(indirizzo);
    p.cartella = std::move(cartella);
    for (CampionatoId c : campionati) {
        p.campionati.push_back(c);
        p.stagioni.push_back(dati.campionato(c).config.stagioni);
    }
    return p;
}

namespace {

constexpr const char* kInterrottaUtente = "Sessione Internet interrotta dall'Utente.";
constexpr const char* kRiprovare = "Si prega di riprovare piu' avanti. Grazie.";

// The job's stop request or the window's stop button.
struct Fermo {
    const ContestoLavoro& lavoro;
    const std::shared_ptr<std::atomic<bool>>& finestra;
    bool operator()() const { return lavoro.FermoRichiesto() || (finestra && finestra->load()); }
};

void Interrotta(RegistroInternet& log) {
    log.Aggiungi("-----");
    log.Aggiungi(kInterrottaUtente);
}

// The wait after the marker, in short steps: true when the user stopped.
bool Attendi(int secondi, const Fermo& fermo) {
    const auto fine = std::chrono::steady_clock::now() + std::chrono::seconds(secondi);
    while (std::chrono::steady_clock::now() < fine) {
        if (fermo()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return fermo();
}

// A fetch through the session, telling an interruption apart.
struct Scaricato {
    std::optional<std::string> testo;
    bool interrotto = false;
    bool lettura = false; // the reply began but broke off (or was too large)
    bool irraggiungibile = false; // no connection, or the server went silent
    std::string perche;
};

Scaricato Scarica(ISessioneHttp& s, const std::string& indirizzo, std::size_t max,
                  const Fermo& fermo) {
    Scaricato r;
    RichiestaHttp q;
    q.indirizzo = indirizzo;
    q.maxCorpo = max;
    const auto u = LeggiUrl(indirizzo);
    if (!u || !u->http) {
        r.perche = "indirizzo non valido: " + indirizzo;
        return r;
    }
    RispostaHttp risposta = s.Esegui(q);
    if (risposta.esito == EsitoHttp::Interrotto || fermo()) {
        r.interrotto = true;
        return r;
    }
    if (!risposta.ok()) {
        r.perche = DescriviErrore(risposta);
        r.irraggiungibile = risposta.esito == EsitoHttp::Connessione ||
                            (risposta.esito == EsitoHttp::TempoScaduto && risposta.stato == 0);
        r.lettura = risposta.esito == EsitoHttp::TroppoGrande ||
                    ((risposta.esito == EsitoHttp::TempoScaduto || risposta.esito == EsitoHttp::Errore) &&
                     risposta.stato == 200);
    }
    else if (risposta.stato != 200)
        r.perche = "risposta " + std::to_string(risposta.stato) + " per " + indirizzo;
    else
        r.testo = std::move(risposta.corpo);
    return r;
}

void Dettaglio(RegistroInternet& log, const std::string& perche) {
    if (!perche.empty()) log.Aggiungi("(" + perche + ")");
}

} // namespace

EsitoScaricamento ScaricaAggiornamento(IHttp& http, const ParametriAggiornamento& p,
                                       RegistroInternet& log, const ContestoLavoro& lavoro) {
    EsitoScaricamento e;
    const Fermo fermo{lavoro, p.fermo};
    log.Aggiungi("Avvio sessione internet in corso...");
    OpzioniSessione o;
    o.secondiConnessione = p.secondiConnessione;
    o.secondiStallo = p.secondiStallo;
    o.fermo = fermo;
    auto sessione = http.ApriSessione(o);
    if (!sessione) {
        log.Aggiungi("Impossibile avviare sessione internet.");
        log.Aggiungi("Si prega di controllare le configurazioni per Internet.");
        e.errore = "impossibile avviare la sessione internet";
        return e;
    }
    log.Aggiungi("Sessione internet avviata.\r\r\n");

    const long passi = static_cast<long>(p.campionati.size()) + 2;
    lavoro.Avanza(0, passi);

    // The marker.
    bool copiati = false;
    // Once the server could not be reached, nothing more is asked of it: one
    // time-out is enough to know.
    bool irraggiungibile = false;
    std::vector<std::string> testi;
    std::vector<std::optional<std::string>> testiReti;
    [&] {
        log.Aggiungi("Ricerca del File d'Inizializzazione...");
        Scaricato m = Scarica(*sessione, p.indirizzo + kFileMarcatore, 64 * 1024, fermo);
        if (m.interrotto) {
            Interrotta(log);
            e.interrotto = true;
            return;
        }
        if (!m.testo) {
            log.Aggiungi("Ricevuto un errore nel tentativo di reperire il File d'Inizializzazione.");
            Dettaglio(log, m.perche);
            irraggiungibile = m.irraggiungibile;
            e.errore = "file d'inizializzazione non trovato: " + m.perche;
            return;
        }
        // Read in blocks of 100 characters until a shorter one: the date is
        // the first block.
        std::string data(LettoreRisposta(*m.testo).LeggiBlocco(kMaxMarcatore));
        const auto riga = data.find_first_of("\r\n");
        if (riga != std::string::npos) data.resize(riga);
        if (!MarcatoreValido(data)) {
            log.Aggiungi("Ricevuto un errore nel tentativo di reperire il File d'Inizializzazione.");
            log.Aggiungi("Se la connessione ad Internet e' attiva e l'indirizzo e' corretto,");
            log.Aggiungi("e' possibile che l'aggiornamento non sia ancora presente.");
            log.Aggiungi(kRiprovare);
            e.errore = "file d'inizializzazione non valido";
            return;
        }
        e.data = data;
        if (p.pulsanteInterrompi)
            log.Aggiungi("\r\r\nE' disponibile l'Aggiornamento datato: " + data +
                         ".\r\r\nSe non si vuole proseguire, premere 'Interrompi' entro " +
                         std::to_string(p.secondiAttesa) + " secondi\r\r\n");
        else
            log.Aggiungi("\r\r\nE' disponibile l'Aggiornamento datato: " + data + ".\r\r\n");
        if (Attendi(p.secondiAttesa, fermo)) {
            Interrotta(log);
            e.interrotto = true;
            return;
        }
        lavoro.Avanza(1, passi);

        // Each chosen championship's results file.
        std::size_t k = 0;
        for (; k < p.campionati.size(); ++k) {
            const CampionatoId c = p.campionati[k];
            log.Aggiungi("\r\r\nAGGIORNAMENTO: " + std::string(Campionato(c).nome) + "\r\r\n");
            log.Aggiungi("Ricerca del File d'Aggiornamento...");
            Scaricato f = Scarica(*sessione, p.indirizzo + NomeFileAggiornamento(c),
                                  kMaxFileAggiornamento, fermo);
            if (f.interrotto) {
                Interrotta(log);
                e.interrotto = true;
                break;
            }
            if (!f.testo) {
                irraggiungibile = f.irraggiungibile;
                if (f.lettura) {
                    log.Aggiungi("Ricevuto un errore nella lettura del File di Aggiornamento.");
                    Dettaglio(log, f.perche);
                    log.Aggiungi(kRiprovare);
                } else {
                    log.Aggiungi("Ricevuto un errore nel tentativo di reperire il File d'Aggiornamento.");
                    Dettaglio(log, f.perche);
                }
                e.errore = NomeFileAggiornamento(c) + ": " + f.perche;
                break;
            }
            log.Aggiungi("File di Aggiornamento trovato.");
            log.Aggiungi("Avvio copia del File di Aggiornamento...");
            // Copied in blocks of 100 bytes, the stop request looked at after each.
            std::string copia;
            copia.reserve(f.testo->size());
            LettoreRisposta lettore(*f.testo);
            bool fermato = false;
            for (auto b = lettore.LeggiBlocco(100); !b.empty(); b = lettore.LeggiBlocco(100)) {
                copia.append(b);
                if (fermo()) {
                    fermato = true;
                    break;
                }
            }
            if (fermato) {
                Interrotta(log);
                e.interrotto = true;
                break;
            }
            ElencoIncontri letti;
            const EsitoFile v = VerificaFileAggiornamento(c, copia, p.stagioni[k], letti);
            if (!v) {
                log.Aggiungi("Ricevuto un errore nella lettura del File di Aggiornamento.");
                Dettaglio(log, v.dettaglio);
                log.Aggiungi(kRiprovare);
                e.errore = v.dettaglio;
                break;
            }
            testi.push_back(std::move(copia));
            log.Aggiungi("File di Aggiornamento copiato.");

            // The goals and dates beside it. A service that does not publish
            // them still updates the results; the log says the goals were not.
            Scaricato r = Scarica(*sessione, p.indirizzo + NomeFileRetiAggiornamento(c),
                                  kMaxFileReti, fermo);
            if (r.interrotto) {
                Interrotta(log);
                e.interrotto = true;
                break;
            }
            if (!r.testo && (r.lettura || r.perche.rfind("risposta", 0) != 0)) {
                // A reply that broke off, or no reply: the update is not whole.
                log.Aggiungi("Ricevuto un errore nella lettura del File delle Reti.");
                Dettaglio(log, r.perche);
                log.Aggiungi(kRiprovare);
                e.errore = NomeFileRetiAggiornamento(c) + ": " + r.perche;
                break;
            }
            std::optional<std::string> reti;
            if (r.testo) {
                const LetturaReti l = LeggiTestoReti(*r.testo, letti);
                if (l.ok())
                    reti = std::move(*r.testo);
                else
                    Dettaglio(log, NomeFileRetiAggiornamento(c) + ": " + l.errore);
            }
            if (reti) {
                log.Aggiungi("File delle Reti copiato.");
            } else {
                log.Aggiungi("Reti e date di " + std::string(Campionato(c).nome) +
                             " non aggiornate: il servizio non ha un File delle Reti valido.");
                e.senzaReti.push_back(c);
            }
            testiReti.push_back(std::move(reti));
            lavoro.Avanza(static_cast<long>(k) + 2, passi);
        }
        log.Aggiungi("\r\r\nAGGIORNAMENTO CONCLUSO.\r\r\n");
        if (k < p.campionati.size() || e.interrotto) return;

        // Everything arrived: the copies and the marker, all or nothing. The
        // marker stays a local copy too: "lastagg.txt" moves only in the save
        // that writes the data it dates.
        SalvataggioAtomico salvataggio;
        bool ok = true;
        for (std::size_t j = 0; j < testi.size() && ok; ++j) {
            const CampionatoId c = p.campionati[j];
            ok = salvataggio.Prepara(p.cartella / NomeFileLocale(c), testi[j]);
            if (ok && testiReti[j])
                ok = salvataggio.Prepara(p.cartella / NomeFileRetiLocale(c), *testiReti[j]);
            else if (ok) {
                std::error_code ec; // a copy of an earlier download must not pass for this one
                fs::remove(p.cartella / NomeFileRetiLocale(c), ec);
            }
        }
        ok = ok && salvataggio.Prepara(p.cartella / kFileMarcatoreLocale, e.data + "\n");
        if (!ok || !salvataggio.Conferma()) {
            log.Aggiungi("Impossibile salvare il File di Aggiornamento.");
            e.errore = "impossibile scrivere nella cartella " + p.cartella.string();
            return;
        }
        copiati = true;
    }();

    // The news, unless the user stopped or the server is out of reach.
    if (!e.interrotto && !irraggiungibile) {
        log.Aggiungi("\r\r\nRicerca delle News...");
        Scaricato n = Scarica(*sessione, p.indirizzo + kFileNews, kMaxNews, fermo);
        if (n.interrotto) {
            Interrotta(log);
            e.interrotto = true;
        } else if (!n.testo) {
            log.Aggiungi(n.perche.rfind("risposta", 0) == 0 ? "Il File delle News non e' presente."
                                                             : "Ricevuto un errore nella lettura del File delle News.");
            if (n.perche.rfind("risposta", 0) != 0) log.Aggiungi(kRiprovare);
        } else if (auto voci = LeggiNews(*n.testo)) {
            for (const auto& v : *voci) log.Aggiungi(v);
            e.news = std::move(*voci);
            e.newsRicevute = true;
        } else {
            log.Aggiungi("Il file delle News non e' presente.");
        }
    }
    lavoro.Avanza(passi, passi);
    e.completo = copiati && !e.interrotto;
    if (e.interrotto) e.errore = "interrotto dall'utente";
    return e;
}

namespace {

// The goals and dates that go with a downloaded list: the service's, and
// where it knows nothing of an entry that the old list has in the same place
// (the common beginning of both lists), what was known of it. Without the
// service's file only that common beginning keeps its goals: an entry after
// it may be another match.
RetiCampionato RetiDopoAggiornamento(const CCampionato& camp, const ElencoIncontri& nuovi,
                                     const RetiCampionato* servizio) {
    RetiCampionato r = servizio ? *servizio : RetiCampionato{};
    const int n = std::min(camp.incontri.numero(), nuovi.numero());
    for (int i = 0; i < n && camp.incontri[i] == nuovi[i]; ++i) {
        const RetiIncontro noto = r.Di(i);
        if (noto.data == 0 && !noto.conPunteggio()) {
            const RetiIncontro vecchio = camp.reti.Di(i);
            if (vecchio.data != 0 || vecchio.conPunteggio()) r.Imposta(i, vecchio);
        }
    }
    r.Tronca(nuovi.numero());
    return r;
}

} // namespace

EsitoFile CaricaAggiornamento(DatiCampionati& dati, const fs::path& cartella,
                              const std::vector<CampionatoId>& campionati, IMessaggi& messaggi,
                              std::string* dataAggiornamento) {
    std::vector<ElencoIncontri> nuovi(campionati.size());
    std::vector<RetiCampionato> reti(campionati.size());
    std::vector<bool> conReti(campionati.size(), false);
    for (std::size_t k = 0; k < campionati.size(); ++k) {
        const CampionatoId c = campionati[k];
        const fs::path f = cartella / NomeFileLocale(c);
        std::string perche;
        const auto testo = LeggiFile(f, &perche);
        EsitoFile e;
        if (!testo)
            e = EsitoFile::Errore(kErroreCaricamentoAggiornamento, f.filename().string() + ": " + perche);
        else
            e = VerificaFileAggiornamento(c, *testo, dati.campionato(c).config.stagioni, nuovi[k]);
        if (!e) {
            e.messaggio = kErroreCaricamentoAggiornamento;
            messaggi.Errore(e.messaggio);
            return e;
        }
        // The scores file was checked when it arrived; one that no longer
        // reads is left out, as a service without it.
        const fs::path fr = cartella / NomeFileRetiLocale(c);
        const LetturaFile tr = LeggiFileControllato(fr, kMaxFileReti);
        std::optional<LetturaReti> lr;
        if (tr.testo) lr = LeggiTestoReti(*tr.testo, nuovi[k]);
        conReti[k] = lr && lr->ok();
        reti[k] = RetiDopoAggiornamento(dati.campionato(c), nuovi[k], conReti[k] ? &lr->reti : nullptr);
    }
    if (dataAggiornamento) {
        const LetturaFile m = LeggiFileControllato(cartella / kFileMarcatoreLocale, 64 * 1024);
        *dataAggiornamento = m.testo ? m.testo->substr(0, m.testo->find_first_of("\r\n")) : "";
        if (!MarcatoreValido(*dataAggiornamento)) dataAggiornamento->clear();
    }
    // Every file is good: the lists change together.
    for (std::size_t k = 0; k < campionati.size(); ++k) {
        CCampionato& camp = dati.campionato(campionati[k]);
        // The matches the update adds after the stored ones leave the calendar.
        const int prima = camp.incontri.numero();
        const bool accoda = nuovi[k].numero() >= prima &&
                            std::equal(camp.incontri.begin(), camp.incontri.end(), nuovi[k].begin());
        camp.incontri = std::move(nuovi[k]);
        camp.reti = std::move(reti[k]);
        // The service's file replaces a local one that could not be read.
        if (conReti[k]) camp.retiNonLette.clear();
        if (accoda) TogliIncontriGiocati(camp, prima);
        camp.ultimoIncontroFiltro = -1;
        camp.stagioneFiltro = -1;
    }
    for (CampionatoId c : campionati) {
        AvvisoCambiamento avviso{Cambiamento::Dati, c};
        avviso.messaggi = &messaggi;
        // The coupon and the bets go with the first; the others find
        // nothing left to clear and say nothing.
        dati.notifiche.Pubblica(avviso);
    }
    for (CampionatoId c : campionati) RicalcolaArchivio(dati, c, messaggi, c == campionati.back());
    dati.datiModificati = 1;
    std::error_code ec;
    for (CampionatoId c : campionati) {
        fs::remove(cartella / NomeFileLocale(c), ec);
        fs::remove(cartella / NomeFileRetiLocale(c), ec);
    }
    fs::remove(cartella / kFileMarcatoreLocale, ec);
    return {};
}

std::string UltimoAggiornamento(const fs::path& cartella) {
    const auto t = LeggiFileControllato(cartella / kFileMarcatore, 64 * 1024);
    if (!t.testo) return {};
    std::string riga = t.testo->substr(0, t.testo->find_first_of("\r\n"));
    return riga;
}

} // namespace veltra
