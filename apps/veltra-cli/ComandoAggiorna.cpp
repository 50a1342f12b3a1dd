// veltra-cli aggiorna: the data update via internet from a terminal (with
// --fonte, from a public source instead: see AggiornaDaFonte). The
// download's log lines are printed as they come; when every chosen file
// arrived whole and passed the checks, the match lists are replaced and the
// folder saved in one transaction. A refused update changes nothing and
// exits with 4.
#include "Comandi.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "app/Salvataggio.h"
#include "app/importa/AggiornaDaFonte.h"
#include "app/importa/FontiAggiornamento.h"
#include "app/importa/NomeDaFonte.h"
#include "dati/FileAtomico.h"
#include "net/AggiornamentoDati.h"
#include "net/HttpCurl.h"
#include "platform/Messaggi.h"

#include <cstdio>
#include <memory>

namespace veltra::cli {

namespace {

// The log as terminal lines.
void Stampa(const std::string& testo, std::size_t& stampato) {
    std::string nuovo = testo.substr(stampato);
    stampato = testo.size();
    std::string riga;
    for (std::size_t i = 0; i < nuovo.size(); ++i) {
        if (nuovo.compare(i, 3, "\r\r\n") == 0) {
            std::printf("%s\n", riga.c_str());
            riga.clear();
            i += 2;
        } else if (nuovo[i] != '\r')
            riga += nuovo[i];
    }
    if (!riga.empty()) std::printf("%s\n", riga.c_str());
    std::fflush(stdout);
}

int Intero(const std::string& t, int minimo, int massimo, const char* opzione) {
    try {
        std::size_t n = 0;
        const int v = std::stoi(t, &n);
        if (n == t.size() && v >= minimo && v <= massimo) return v;
    } catch (...) {
    }
    throw ErroreUso{std::string(opzione) + " non valido: " + t};
}

// The update from a public source: one championship, merged into its
// current season and saved in one transaction.
int AggiornaDaFonte(const std::string& cartellaOpz, CampionatoId c, std::string fonte,
                    const std::string& fileAlias, int stallo) {
    BloccoCartella blocco;
    const std::string cartella = ApriCartellaScrittura(cartellaOpz, blocco, true);
    if (fonte == "predefinita") {
        const CaricamentoFonti t = CaricaFonti(cartella);
        if (!t.errore.empty()) std::fprintf(stderr, "veltra-cli: %s\n", t.errore.c_str());
        const auto f = t.fonti.Cerca(c);
        if (!f) {
            std::fprintf(stderr, "veltra-cli: nessuna fonte predefinita per %s; dati invariati\n",
                         std::string(Campionato(c).nome).c_str());
            return kEsitoAggiornamentoRifiutato;
        }
        fonte = *f;
    }
    TabellaAlias alias;
    std::string perche;
    if (!fileAlias.empty()) {
        const auto testo = LeggiFile(fileAlias, &perche);
        const auto errore = testo ? alias.Carica(*testo) : std::optional<std::string>(perche);
        if (errore) {
            std::fprintf(stderr, "veltra-cli: %s: %s\n", fileAlias.c_str(), errore->c_str());
            return kEsitoCaricamento;
        }
    } else if (auto errore = CaricaAliasPredefiniti(alias)) {
        std::fprintf(stderr, "veltra-cli: %s\n", errore->c_str());
        return kEsitoCaricamento;
    }

    MessaggiSuErrore messaggi;
    auto dati = std::make_unique<DatiGlobali>();
    if (!CaricaAvvio(*dati, cartella, messaggi)) return kEsitoCaricamento;

    std::printf("fonte=%s campionato=%s\n", fonte.c_str(), std::string(Campionato(c).codice).c_str());
    std::fflush(stdout);
    HttpCurl http;
    OpzioniFonte o;
    o.secondiStallo = stallo;
    const TestoFonte t = LeggiFonte(http, fonte, o);
    if (!t.testo) {
        std::fprintf(stderr, "veltra-cli: fonte non leggibile: %s; dati invariati\n", t.errore.c_str());
        return kEsitoAggiornamentoRifiutato;
    }
    UnioneFonte u = UnisciTestoFonte(dati->campionato(c), *t.testo, fonte, alias);
    if (!u.ok()) {
        std::fprintf(stderr, "veltra-cli: fonte rifiutata: %s; dati invariati\n", u.errore.c_str());
        return kEsitoAggiornamentoRifiutato;
    }
    for (const auto& a : u.avvisi) std::printf("avviso: %s\n", a.c_str());
    if (u.cambia()) {
        ApplicaFonte(*dati, c, u, messaggi);
        if (!SalvaDati(*dati, cartella, messaggi)) {
            std::fprintf(stderr, "veltra-cli: %s\n", "Errore nel salvataggio. Impossibile salvare le modifiche!");
            return kEsitoCaricamento;
        }
    }
    std::printf("%s\n", u.Rapporto().c_str());
    return kEsitoOk;
}

// The table of sources, one line per championship that has one.
int StampaFonti(const std::optional<std::string>& cartellaOpz) {
    const std::string cartella = ApriCartellaLettura(cartellaOpz);
    const CaricamentoFonti t = CaricaFonti(cartella);
    if (!t.errore.empty()) std::fprintf(stderr, "veltra-cli: %s\n", t.errore.c_str());
    TabellaFonti utente;
    if (const auto testo = LeggiFile(std::filesystem::path(cartella) / kFileFontiUtente)) utente.Carica(*testo);
    for (const auto& [c, f] : t.fonti.voci())
        std::printf("campionato=%s fonte=%s origine=%s\n", std::string(Campionato(c).codice).c_str(),
                    f.c_str(), utente.Cerca(c) ? "cartella" : "programma");
    return kEsitoOk;
}

} // namespace

int ComandoAggiorna(const std::vector<std::string>& a) {
    std::optional<std::string> cartellaOpz, indirizzoOpz, fonte;
    std::string fileAlias;
    bool elencoFonti = false;
    std::vector<CampionatoId> campionati;
    int attesa = 0, stallo = 20;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            cartellaOpz = ValoreCartella(a, i);
        else if (a[i] == "--indirizzo")
            indirizzoOpz = ValoreOpzione(a, i);
        else if (a[i] == "--fonte")
            fonte = ValoreOpzione(a, i);
        else if (a[i] == "--alias")
            fileAlias = ValoreOpzione(a, i);
        else if (a[i] == "--fonti")
            elencoFonti = true;
        else if (a[i] == "--campionato") {
            const std::string v = ValoreOpzione(a, i);
            const auto c = CercaCampionato(v);
            if (!c) throw ErroreUso{"campionato sconosciuto: " + v};
            campionati.push_back(*c);
        } else if (a[i] == "--attesa")
            attesa = Intero(ValoreOpzione(a, i), 0, 60, "--attesa");
        else if (a[i] == "--stallo")
            stallo = Intero(ValoreOpzione(a, i), 1, 600, "--stallo");
        else
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
    }
    if (elencoFonti) return StampaFonti(cartellaOpz);
    if (!cartellaOpz) throw ErroreUso{"manca --cartella"};
    if (fonte) {
        if (indirizzoOpz) throw ErroreUso{"--fonte e --indirizzo sono due aggiornamenti diversi"};
        if (campionati.size() != 1) throw ErroreUso{"--fonte vuole un solo --campionato"};
        if (fonte->empty()) throw ErroreUso{"--fonte vuota"};
        return AggiornaDaFonte(*cartellaOpz, campionati.front(), *fonte, fileAlias, stallo);
    }
    if (!fileAlias.empty()) throw ErroreUso{"--alias vale solo con --fonte"};
    if (campionati.empty())
        for (int c = 0; c < kNumeroCampionati; ++c) campionati.push_back(c);

    BloccoCartella blocco;
    const std::string cartella = ApriCartellaScrittura(cartellaOpz, blocco, true);
    MessaggiSuErrore messaggi;
    auto dati = std::make_unique<DatiGlobali>();
    if (!CaricaAvvio(*dati, cartella, messaggi)) return kEsitoCaricamento;

    std::string indirizzo = indirizzoOpz ? *indirizzoOpz : dati->indirizzoAggiornamenti;
    if (indirizzo.empty()) indirizzo = kIndirizzoAggiornamentiPredefinito;
    if (indirizzo.back() != '/') indirizzo += '/';
    ParametriAggiornamento p = PreparaAggiornamento(*dati, campionati, indirizzo, cartella);
    p.secondiAttesa = attesa;
    p.pulsanteInterrompi = false; // a terminal has Ctrl-C, not the window's button
    p.secondiStallo = stallo;

    const std::string ultimo = UltimoAggiornamento(cartella);
    if (!ultimo.empty())
        std::printf("L'ultimo aggiornamento effettuato e' datato: %s\n-----\n", ultimo.c_str());

    RegistroInternet log;
    std::size_t stampato = 0;
    log.Osserva([&] { Stampa(log.Testo(), stampato); });
    HttpCurl http;
    EsecutoreSincrono esecutore;
    EsitoScaricamento esito;
    AvviaLavoro<EsitoScaricamento>(
        esecutore, "Aggiornamento Dati via Internet",
        [&](ContestoLavoro& c) { return ScaricaAggiornamento(http, p, log, c); },
        [&](EsitoLavoro<EsitoScaricamento> e) { esito = std::move(e.risultato); });
    if (!esito.completo) {
        std::fprintf(stderr, "veltra-cli: aggiornamento rifiutato: %s; dati invariati\n",
                     esito.errore.empty() ? "download incompleto" : esito.errore.c_str());
        return kEsitoAggiornamentoRifiutato;
    }

    log.Aggiungi("\r\r\nAttendere il caricamento dei dati in memoria...");
    const EsitoFile caricato =
        CaricaAggiornamento(*dati, cartella, p.campionati, messaggi, &dati->marcatoreAggiornamento);
    if (!caricato) {
        std::fprintf(stderr, "veltra-cli: aggiornamento rifiutato: %s; dati invariati\n",
                     caricato.dettaglio.c_str());
        return kEsitoAggiornamentoRifiutato;
    }
    dati->indirizzoAggiornamenti = indirizzo;
    if (!SalvaDati(*dati, cartella, messaggi)) {
        std::fprintf(stderr, "veltra-cli: %s\n", "Errore nel salvataggio. Impossibile salvare le modifiche!");
        return kEsitoCaricamento;
    }
    std::printf("aggiornati %zu campionati dall'aggiornamento del %s\n", p.campionati.size(),
                esito.data.c_str());
    return kEsitoOk;
}

} // namespace veltra::cli
