#include "net/ScambioAnalisi.h"

#include "dati/FileAtomico.h"
#include "engine/CMotoreStime.h"
#include "engine/ValutazioneArchivio.h"
#include "engine/parametri/TestiAnalisi.h"
#include "net/Internet.h"
#include "platform/Messaggi.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace veltra {
namespace fs = std::filesystem;

namespace {

constexpr const char* kInterrottaServer = "\r\r\n\r\r\nOPERAZIONE INTERROTTA.";

std::string ErroreConnessione(int codice) {
    return "Errore nella connessione con il server (cod." + std::to_string(codice) + ")" +
           kInterrottaServer;
}

} // namespace

std::string IndirizzoServizioDa(std::string_view indirizzoAggiornamenti) {
    const auto u = LeggiUrl(indirizzoAggiornamenti);
    if (!u || !u->http || u->host.empty()) return kIndirizzoServizio;
    return "http://" + u->host + ":" + std::to_string(u->porta);
}

EsitoScambio EseguiScambio(IHttp& http, const ParametriScambio& p, StatoScambio& stato,
                           RegistroInternet& log, const ContestoLavoro& lavoro) {
    EsitoScambio e;
    auto fermo = [&] { return lavoro.FermoRichiesto() || stato.fermo.load(); };
    // Every line goes through here: once a stop was asked for, nothing more
    // is written and the exchange ends.
    auto scrivi = [&](const std::string& testo) {
        if (fermo()) {
            e.interrotto = true;
            return false;
        }
        log.Aggiungi(testo);
        return true;
    };
    OpzioniSessione o;
    o.senzaCache = true;
    o.secondiConnessione = p.secondiConnessione;
    o.secondiStallo = p.secondiStallo;
    o.fermo = fermo;

    // 1. Send.
    if (p.invia && !p.provaLocale) {
        const std::string corpo = CorpoInvio(p.daInviare, p.autore);
        if (!scrivi("Avvio sessione internet in corso...")) return e;
        const auto indirizzo = IndirizzoPercorso(p.indirizzoServizio, kPercorsoInvio);
        auto sessione = indirizzo ? http.ApriSessione(o) : nullptr;
        if (!indirizzo || !sessione) {
            scrivi(ErroreConnessione(1));
            return e;
        }
        if (!scrivi("Sessione internet avviata.\r\r\n")) return e;
        std::string intestazioni = kIntestazioniAnalisi;
        if (!p.chiave.empty()) intestazioni += IntestazioneChiave(p.chiave);
        const RispostaHttp r = InviaDati(*sessione, *indirizzo, intestazioni, corpo);
        if (r.esito == EsitoHttp::Interrotto) {
            e.interrotto = true;
            return e;
        }
        if (!r.ok() || r.stato != 200) {
            const int codice = r.esito == EsitoHttp::Connessione || r.esito == EsitoHttp::Indirizzo ? 2
                               : r.esito == EsitoHttp::Errore                                      ? 4
                                                                                                   : 3;
            scrivi(ErroreConnessione(codice));
            scrivi("(" + (r.ok() ? "risposta " + std::to_string(r.stato) : DescriviErrore(r)) + ")");
            // The service says why it refused: its first lines.
            LettoreRisposta righe(r.corpo);
            std::string riga;
            for (int k = 0; r.ok() && k < 5 && righe.LeggiRiga(riga);) {
                if (riga.size() > 300) riga.resize(300);
                if (!riga.empty() && ++k && !scrivi(riga)) break;
            }
            return e;
        }
        LettoreRisposta righe(r.corpo);
        for (std::string riga; righe.LeggiRiga(riga);) {
            if (!scrivi(riga)) return e;
            e.risposteInvio.push_back(riga);
        }
        e.inviate = static_cast<int>(p.daInviare.size());
        if (e.inviate > 0 &&
            !scrivi("Grazie per la tua partecipazione alla rete di ricercatori di VELTRA\r\r\nI dati "
                    "che hai inviato verranno presto analizzati."))
            return e;
    }

    // 2. Receive.
    if (!p.daRicevere.empty()) {
        if (!scrivi("\r\r\n\r\r\nRicezione analisi in corso...\r\r\n\r\r\n\r\r\n")) return e;
        std::unique_ptr<ISessioneHttp> sessione;
        if (!p.provaLocale) {
            sessione = http.ApriSessione(o);
            if (!sessione) {
                scrivi("Impossibile proseguire con la sessione internet.\r\r\nSi prega di controllare "
                       "le configurazioni per Internet.\r\r\nOPERAZIONE INTERROTTA.");
                return e;
            }
        }
        std::vector<std::optional<std::string>> testi;
        std::vector<std::string> motivi; // why a text is missing
        // After a failed connection the server is not asked again: one
        // time-out is enough to know it cannot be reached.
        std::string irraggiungibile;
        for (CampionatoId c : p.daRicevere) {
            motivi.emplace_back();
            if (!irraggiungibile.empty()) {
                motivi.back() = irraggiungibile;
                testi.push_back(std::nullopt);
                continue;
            }
            const std::string nome = NomeFileRicezione(c);
            if (p.provaLocale) {
                const auto t = LeggiFileControllato(p.cartella / nome, 64 * 1024);
                if (!t.testo && !scrivi("Impossibile aprire il file " + nome + "\r\r\n")) return e;
                testi.push_back(t.testo);
                continue;
            }
            RichiestaHttp q;
            const auto indirizzo = IndirizzoPercorso(p.indirizzoServizio, "/Squadre/" + nome);
            std::optional<std::string> testo;
            if (indirizzo) {
                q.indirizzo = *indirizzo;
                q.ricaricaDallOrigine = true;
                q.maxCorpo = 64 * 1024;
                RispostaHttp r = sessione->Esegui(q);
                if (r.esito == EsitoHttp::Interrotto || fermo()) {
                    e.interrotto = true;
                    return e;
                }
                if (r.ok() && r.stato == 200) {
                    // All the lines joined into one text.
                    std::string unito;
                    LettoreRisposta righe(r.corpo);
                    for (std::string riga; righe.LeggiRiga(riga);) unito += riga + "\r\r\n";
                    testo = std::move(unito);
                } else {
                    motivi.back() = r.ok() ? "risposta " + std::to_string(r.stato) : DescriviErrore(r);
                    if (r.esito == EsitoHttp::Connessione ||
                        (r.esito == EsitoHttp::TempoScaduto && r.stato == 0))
                        irraggiungibile = motivi.back();
                }
            }
            testi.push_back(std::move(testo));
        }
        for (std::size_t k = 0; k < p.daRicevere.size(); ++k) {
            const CampionatoId c = p.daRicevere[k];
            if (!testi[k]) {
                e.esiti.push_back({EsitoRicezione::Mancante, c, {}});
                if (!scrivi("Impossibile reperire le analisi richieste.\r\r\n")) return e;
                if (!motivi[k].empty() && !scrivi("(" + motivi[k] + ")")) return e;
                continue;
            }
            const RispostaAnalisi r = LeggiRispostaAnalisi(*testi[k], c, p.stagioni[static_cast<std::size_t>(c)]);
            if (r.tipo == RispostaAnalisi::Messaggio) {
                e.esiti.push_back({EsitoRicezione::Messaggio, c, r.messaggio});
                if (!scrivi(r.messaggio)) return e;
                continue;
            }
            if (r.tipo == RispostaAnalisi::NonValida) {
                e.esiti.push_back({EsitoRicezione::NonValida, c, r.messaggio});
                if (!scrivi("Errore nella ricezione dei dati via internet.\r\r\nOperazione interrotta."))
                    return e;
                scrivi("(" + std::string(Campionato(c).nome) + ": " + r.messaggio + ")");
                break;
            }
            // Without a wait (the terminal) there is no "Ignora" to speak of.
            if (!scrivi("L'Analisi proposta per il Campionato di " + std::string(Campionato(c).nome) +
                        " ha come titolo:\r\n" + r.titolo +
                        (p.secondiIgnora > 0 ? "\r\r\nSe non vuoi conservarla premi 'Ignora' entro " +
                                                   std::to_string(p.secondiIgnora) + " secondi."
                                             : std::string())))
                return e;
            stato.ignora = false;
            stato.inAttesa = true;
            lavoro.Avanza(static_cast<long>(k), static_cast<long>(p.daRicevere.size()));
            const auto fine = std::chrono::steady_clock::now() + std::chrono::seconds(p.secondiIgnora);
            while (std::chrono::steady_clock::now() < fine && !stato.ignora && !fermo())
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            stato.inAttesa = false;
            lavoro.Avanza(static_cast<long>(k), static_cast<long>(p.daRicevere.size()));
            if (stato.ignora.exchange(false)) {
                e.esiti.push_back({EsitoRicezione::Ignorata, c, r.titolo});
                if (!scrivi("Analisi ignorata.\r\r\n")) return e;
                continue;
            }
            if (fermo()) {
                e.interrotto = true;
                return e;
            }
            e.esiti.push_back({EsitoRicezione::Ricevuta, c, r.titolo});
            e.ricevute.push_back({r.proposta, r.titolo});
        }
    }

    // 3. The end.
    if (!scrivi("\r\r\nOPERAZIONE CONCLUSA.\r\r\n")) return e;
    e.concluso = true;
    return e;
}

// ---------------------------------------------------------------------------

struct CGestioneAnalisiInternet::Copia {
    struct Voce {
        CAnalisi corrente;
        CArchivio archivio;
    };
    std::array<Voce, kNumeroCampionati> voci;
};

CGestioneAnalisiInternet::CGestioneAnalisiInternet(DatiCampionati& dati, fs::path cartella,
                                                   std::string indirizzoServizio,
                                                   IMessaggi& messaggi)
    : dati_(dati), cartella_(std::move(cartella)), indirizzo_(std::move(indirizzoServizio)),
      messaggi_(messaggi), copia_(std::make_unique<Copia>()) {
    for (int c = 0; c < kNumeroCampionati; ++c) {
        copia_->voci[static_cast<std::size_t>(c)].corrente = AnalisiCorrente(dati_.campionato(c));
        copia_->voci[static_cast<std::size_t>(c)].archivio = dati_.campionato(c).archivio;
    }
    ScegliCampionatoArchivio(dati_.campionatoCorrente);
}

CGestioneAnalisiInternet::~CGestioneAnalisiInternet() = default;

void CGestioneAnalisiInternet::ScegliCampionatoArchivio(CampionatoId c) {
    if (c < 0 || c >= kNumeroCampionati) return;
    campionatoArchivio_ = c;
    analisiMostrata_ = dati_.campionato(c).archivio.analisi.empty() ? -1 : 0;
}

void CGestioneAnalisiInternet::Precedente() {
    if (analisiMostrata_ > 0) --analisiMostrata_;
}

void CGestioneAnalisiInternet::Successiva() {
    const int n = static_cast<int>(dati_.campionato(campionatoArchivio_).archivio.analisi.size());
    if (analisiMostrata_ >= 0 && analisiMostrata_ + 1 < n) ++analisiMostrata_;
}

bool CGestioneAnalisiInternet::AggiungiInvio() {
    if (analisiMostrata_ < 0) return false;
    const std::pair<CampionatoId, int> voce{campionatoArchivio_, analisiMostrata_};
    if (std::find(invio_.begin(), invio_.end(), voce) != invio_.end()) {
        messaggi_.Errore("L'analisi selezionata e' gia' inserita nella lista di destra.");
        return false;
    }
    invio_.push_back(voce);
    std::sort(invio_.begin(), invio_.end());
    return true;
}

bool CGestioneAnalisiInternet::TogliInvio(int riga) {
    if (riga < 0 || riga >= static_cast<int>(invio_.size())) {
        messaggi_.Errore("Selezionare un'analisi dalla lista di destra.");
        return false;
    }
    invio_.erase(invio_.begin() + riga);
    return true;
}

std::vector<std::string> CGestioneAnalisiInternet::RigheInvio() const {
    std::vector<std::string> r;
    for (const auto& [c, i] : invio_)
        r.push_back("Analisi n. " + std::to_string(i + 1) + " del campionato di " +
                    std::string(Campionato(c).nome));
    return r;
}

const CAnalisi* CGestioneAnalisiInternet::AnalisiMostrata() const {
    return LeggiAnalisi(dati_.campionato(campionatoArchivio_).archivio, analisiMostrata_);
}

std::vector<std::string> CGestioneAnalisiInternet::TestoAnalisiMostrata() const {
    const CAnalisi* a = AnalisiMostrata();
    if (!a)
        return {"L'archivio delle analisi di " + std::string(Campionato(campionatoArchivio_).nome) +
                " e' vuoto."};
    char b[160];
    std::vector<std::string> r;
    std::snprintf(b, sizeof b, "Analisi n. %d di %d", analisiMostrata_ + 1,
                  dati_.campionato(campionatoArchivio_).archivio.numero());
    r.push_back(b);
    r.push_back("Titolo: " + a->titolo);
    r.push_back("Giornate d'Analisi: " + std::to_string(a->giornateAnalisi));
    r.push_back("Percentuali d'Importanza: " + TestoPercentuali(*a));
    std::snprintf(b, sizeof b, "Limiti: Casa %+d / %+d - Trasferta %+d / %+d", a->limiteMinCasa,
                  a->limiteMaxCasa, a->limiteMinTrasferta, a->limiteMaxTrasferta);
    r.push_back(b);
    r.push_back("Precisione: " + TestoPrecisione(*a));
    r.push_back("Dati Usati: " + TestoDatiUsati(*a));
    return r;
}

std::string CGestioneAnalisiInternet::TestoPunteggiMostrata() const {
    const CAnalisi* a = AnalisiMostrata();
    if (!a) return {};
    const CPunteggiAvanzati& p = a->punteggiAvanzati;
    const auto d = [](float x) { return static_cast<double>(x); };
    std::string t;
    char b[200];
    const char* esiti[3] = {"Vittoria", "Pareggio", "Sconfitta"};
    for (int lato = 0; lato < 2; ++lato) {
        t += lato == 0 ? "PUNTEGGI IN CASA\n" : "PUNTEGGI IN TRASFERTA\n";
        for (int e = 0; e < 3; ++e) {
            std::snprintf(b, sizeof b, "  %-9s  Forte %+.2f  Media %+.2f  Debole %+.2f\n", esiti[e],
                          d(p.Punti(lato == 1, Esito(e), kForte)),
                          d(p.Punti(lato == 1, Esito(e), kMedia)),
                          d(p.Punti(lato == 1, Esito(e), kDebole)));
            t += b;
        }
    }
    std::snprintf(b, sizeof b,
                  "FORZE\n  Casa: debole %+.0f, forte %+.0f\n  Trasferta: debole %+.0f, forte %+.0f\n",
                  d(p.deboleCasa), d(p.forteCasa), d(p.deboleTrasferta), d(p.forteTrasferta));
    t += b;
    std::snprintf(b, sizeof b,
                  "MODIFICHE\n  Casa: bassa %+.2f, alta %+.2f\n  Trasferta: bassa %+.2f, alta %+.2f\n",
                  d(p.modificaBassaCasa), d(p.modificaAltaCasa), d(p.modificaBassaTrasferta),
                  d(p.modificaAltaTrasferta));
    t += b;
    std::snprintf(b, sizeof b,
                  "LIMITI\n  Casa %+d / %+d - Trasferta %+d / %+d\n"
                  "STAGIONI\n  Campionati inclusi: %d - Importanza: da %.0f%% a %.0f%%\n"
                  "  Casa e trasferta separate: %s\n",
                  a->limiteMinCasa, a->limiteMaxCasa, a->limiteMinTrasferta, a->limiteMaxTrasferta,
                  p.campionatiInclusi, d(p.importanzaMin * 100), d(p.importanzaMax * 100),
                  p.separaCasaTrasferta ? "si" : "no");
    t += b;
    return t;
}

const CAnalisi& CGestioneAnalisiInternet::AnalisiOriginale(CampionatoId c) const {
    return copia_->voci[static_cast<std::size_t>(c)].corrente;
}

std::vector<CampionatoId> CGestioneAnalisiInternet::Esclusi() const {
    std::vector<CampionatoId> r;
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (!ricezione_.count(c)) r.push_back(c);
    return r;
}

std::vector<CampionatoId> CGestioneAnalisiInternet::Inclusi() const {
    return {ricezione_.begin(), ricezione_.end()};
}

bool CGestioneAnalisiInternet::AggiungiRicezione(int c) {
    if (c < 0 || c >= kNumeroCampionati || ricezione_.count(c)) {
        messaggi_.Errore("Selezionare un campionato dalla lista di sinistra.");
        return false;
    }
    ricezione_.insert(c);
    return true;
}

bool CGestioneAnalisiInternet::TogliRicezione(int c) {
    if (!ricezione_.count(c)) {
        messaggi_.Errore("Selezionare un campionato dalla lista di destra.");
        return false;
    }
    ricezione_.erase(c);
    return true;
}

CGestioneAnalisiInternet::Stato CGestioneAnalisiInternet::stato() const {
    if (!inCorso_) return Stato::Fermo;
    return statoScambio_->inAttesa ? Stato::Attesa : Stato::InCorso;
}

std::string CGestioneAnalisiInternet::TestoPulsante() const {
    switch (stato()) {
    case Stato::Fermo:
        return "&Connessione";
    case Stato::InCorso:
        return "&Interrompi";
    case Stato::Attesa:
        break;
    }
    return "&Ignora";
}

ParametriScambio CGestioneAnalisiInternet::Parametri() const {
    ParametriScambio p;
    p.indirizzoServizio = indirizzo_;
    p.invia = !inserita_;
    for (const auto& [c, i] : invio_) {
        const auto& archivio = dati_.campionato(c).archivio.analisi;
        if (i < static_cast<int>(archivio.size()))
            p.daInviare.push_back({c, archivio[static_cast<std::size_t>(i)]});
    }
    p.autore = autore;
    p.chiave = chiave;
    p.daRicevere = Inclusi();
    for (int c = 0; c < kNumeroCampionati; ++c)
        p.stagioni[static_cast<std::size_t>(c)] = dati_.campionato(c).config.numeroStagioni();
    p.provaLocale = provaLocale_;
    p.cartella = cartella_;
    p.secondiIgnora = secondiIgnora;
    return p;
}

void CGestioneAnalisiInternet::Connessione(IEsecutoreLavori& esecutore, IHttp& http,
                                           std::function<void()> fine) {
    if (inCorso_) return;
    if (const std::string v = VerificaChiave(); !v.empty()) {
        messaggi_.Errore(v);
        return;
    }
    inCorso_ = true;
    statoScambio_->fermo = false;
    statoScambio_->ignora = false;
    const ParametriScambio p = Parametri();
    provaLocale_ = false; // only for the next exchange
    auto stato = statoScambio_;
    RegistroInternet* log = &log_;
    AvviaLavoro<EsitoScambio>(
        esecutore, "Gestione Archivi Analisi via Internet",
        [&http, p, stato, log](ContestoLavoro& c) { return EseguiScambio(http, p, *stato, *log, c); },
        [this, fine = std::move(fine)](EsitoLavoro<EsitoScambio> esito) {
            ultimoEsito_ = esito.risultato;
            if (esito.fine.fermato || esito.risultato.interrotto || !esito.fine.riuscito())
                log_.Aggiungi("OPERAZIONE INTERROTTA.");
            else
                okAbilitato_ = true;
            Applica(esito.risultato.ricevute);
            ricezione_.clear();
            inCorso_ = false;
            if (fine) fine();
        });
}

std::string CGestioneAnalisiInternet::VerificaChiave() const {
    if (chiave.empty() || ChiaveValida(chiave)) return {};
    return kChiaveNonValida;
}

void CGestioneAnalisiInternet::Pulsante() {
    if (!inCorso_) return;
    if (statoScambio_->inAttesa)
        statoScambio_->ignora = true;
    else
        statoScambio_->fermo = true;
}

void CGestioneAnalisiInternet::Applica(const std::vector<AnalisiRicevuta>& ricevute) {
    for (const auto& r : ricevute) {
        const CampionatoId c = r.proposta.campionato;
        CCampionato& camp = dati_.campionato(c);
        const CAnalisi propria = AnalisiCorrente(camp);
        CAnalisi a = r.proposta.analisi;
        ValutaAnalisi(camp, a);
        valutate_.push_back({{c, a}, r.titolo});
        // Position 1, whichever analysis the archive's window was showing.
        camp.archivio.corrente = 0;
        if (inArchivio && InserisciAnalisi(camp.archivio, a, r.titolo, &messaggi_) == 1) {
            archivioCambiato_ = true;
            inserita_ = true;
        }
        if (comeCorrenti) {
            ApplicaAnalisi(camp, a);
            if (camp.motore->AggiornaStime() != 0) messaggi_.Errore(kStimeAnalisiRicevuta);
            correntiCambiate_ = true;
            cambiati_.insert(c);
        } else {
            ApplicaAnalisi(camp, propria);
            camp.motore->AggiornaStime();
        }
    }
}

std::vector<std::string> CGestioneAnalisiInternet::ScriviFileProva() {
    std::map<CampionatoId, std::string> file;
    for (const auto& a : Parametri().daInviare) file[a.campionato] += RigaProvaLocale(a);
    std::vector<std::string> scritti;
    for (const auto& [c, testo] : file) {
        if (!ScriviFileAtomico(cartella_ / NomeFileRicezione(c), testo)) {
            messaggi_.Errore("Impossibile scrivere il file " + NomeFileRicezione(c));
            return {};
        }
        scritti.push_back(NomeFileRicezione(c));
    }
    return scritti;
}

void CGestioneAnalisiInternet::ProvaLocale() {
    if (messaggi_.Mostra(kDomandaSalvaProva, Icona::Domanda, Pulsanti::SiNo) == Risposta::Si)
        ScriviFileProva();
    provaLocale_ =
        messaggi_.Mostra(kDomandaCaricaProva, Icona::Domanda, Pulsanti::SiNo) == Risposta::Si;
}

bool CGestioneAnalisiInternet::Ok() {
    if (correntiCambiate_ || archivioCambiato_) dati_.datiModificati = 1;
    // The layers above recompute what rests on the current analyses (the
    // coupon, the betting events) and refresh their windows.
    for (CampionatoId c : cambiati_) {
        AvvisoCambiamento avviso{Cambiamento::Analisi, c};
        avviso.messaggi = &messaggi_;
        dati_.notifiche.Pubblica(avviso);
    }
    return correntiCambiate_;
}

void CGestioneAnalisiInternet::Annulla() {
    for (int c = 0; c < kNumeroCampionati; ++c) {
        CCampionato& camp = dati_.campionato(c);
        const auto& v = copia_->voci[static_cast<std::size_t>(c)];
        const bool cambiata = !AnalisiCorrente(camp).StessiParametri(v.corrente);
        camp.archivio = v.archivio;
        if (cambiata) {
            ApplicaAnalisi(camp, v.corrente);
            if (camp.motore) camp.motore->AggiornaStime();
        }
    }
    correntiCambiate_ = archivioCambiato_ = false;
    cambiati_.clear();
}

} // namespace veltra
