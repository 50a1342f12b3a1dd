// veltra-cli schedina: the pools coupon of a working folder, for people who
// script their plays: show it, build a new one from a text file, set
// predictions by hand, apply the system commands, propose the base system
// again. Whatever changes is saved into the folder.
#include "Comandi.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "app/Salvataggio.h"
#include "dati/FileAtomico.h"
#include "engine/ImpostaParametro.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "platform/Risorse.h"
#include "pools/CNuovaSchedina.h"
#include "pools/CPropostaSistema.h"
#include "pools/ComandiSistema.h"
#include "pools/CostruzioneSistema.h"
#include "pools/DimensioniSistema.h"
#include "pools/OperazioniSchedina.h"
#include "pools/RicalcolaSistema.h"
#include "pools/StimeSchedina.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace veltra::cli {

namespace {

std::string Pulisci(std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    return s.substr(i);
}

// By id, code, or name as the championship menu shows it.
std::optional<int> CampionatoDaTesto(const std::string& t) {
    if (const auto c = CercaCampionato(t)) return *c;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        std::string voce(Campionato(c).voceMenu);
        voce.erase(std::remove(voce.begin(), voce.end(), '&'), voce.end());
        if (t == Campionato(c).nome || t == voce) return c;
    }
    return std::nullopt;
}

struct Errore {
    std::string messaggio;
};

// Reads "CAMPIONATO;CASA;TRASFERTA" lines and builds the coupon in `nuova`
// (the stored one is untouched until every line is good).
void LeggiNuova(const std::string& file, DatiGlobali& dati, Schedina& nuova) {
    std::string perche;
    const auto testo = LeggiFile(file, &perche);
    if (!testo) throw Errore{"file non leggibile: " + file + " (" + perche + ")"};
    std::istringstream in(*testo);
    std::string riga;
    int numero = 0, righe = 0;
    std::set<std::pair<int, std::string>> usate;
    while (std::getline(in, riga)) {
        ++numero;
        riga = Pulisci(riga);
        if (riga.empty() || riga[0] == '#') continue;
        auto errore = [&](const std::string& m) {
            return Errore{"riga " + std::to_string(numero) + ": " + m};
        };
        if (righe == kRigheSchedina) throw errore("piu' di 14 incontri");
        std::vector<std::string> campi;
        std::stringstream ss(riga);
        for (std::string c; std::getline(ss, c, ';');) campi.push_back(Pulisci(c));
        if (campi.size() != 3) throw errore("attesi CAMPIONATO;CASA;TRASFERTA");
        const auto c = CampionatoDaTesto(campi[0]);
        if (!c) throw errore("campionato sconosciuto: " + campi[0]);
        if (!AggiornaStimeCampionato(dati, *c))
            throw errore("stime non calcolabili per " + std::string(Campionato(*c).nome));
        int indici[2];
        for (int k = 0; k < 2; ++k) {
            const std::string nome = NormalizzaNomeSquadra(campi[1 + k]);
            indici[k] = IndiceSquadra(dati, *c, nome);
            if (indici[k] < 0) throw errore("squadra sconosciuta: " + campi[1 + k]);
            if (!usate.insert({*c, nome}).second) throw errore("squadra gia' in schedina: " + campi[1 + k]);
        }
        if (!InserisciPartita(nuova, dati, righe, *c, indici[0], indici[1]))
            throw errore("probabilita' non calcolabili (partite giocate insufficienti)");
        ++righe;
    }
    if (righe == 0) throw Errore{"nessun incontro in " + file};
}

void StampaSchedina(const Schedina& s, const std::filesystem::path& riduzioni) {
    for (int r = 0; r < kRigheSchedina; ++r) {
        const Partita& p = s.partite[r];
        if (Vuota(p)) continue;
        std::printf("riga=%d campionato=%d casa=%s trasferta=%s p1=%.9g pX=%.9g p2=%.9g "
                    "pronostico=%s manuale=%d\n",
                    r + 1, p.campionato, p.squadraCasa.c_str(), p.squadraTrasferta.c_str(),
                    static_cast<double>(p.prob1), static_cast<double>(p.probX),
                    static_cast<double>(p.prob2), Pronostico(p).c_str(), Manuale(p) ? 1 : 0);
    }
    const NumeroSegni n = StatoNumeroSegni(s);
    const auto ridotto = DimensioneRidotto(riduzioni, n.triple, n.doppie);
    std::string correzione;
    for (const auto& c : ElencoCorrezioneErrori(riduzioni, n.triple, n.doppie)) {
        if (!correzione.empty()) correzione += ',';
        correzione += std::to_string(c.erroriMin) + "-" + std::to_string(c.erroriMax) + ":" +
                      std::to_string(c.colonne);
    }
    const SistemaRidotto& sr = s.ridotto;
    const std::string condizionato =
        sr.contato && sr.erroriMin == -2 && sr.numColonne >= 0 ? std::to_string(sr.numColonne) : "-";
    std::printf("integrale=%lld ridotto=%s correzione=%s condizionato=%s\n", ColonneIntegrale(s),
                ridotto > 0 ? std::to_string(ridotto).c_str() : "-",
                correzione.empty() ? "-" : correzione.c_str(), condizionato.c_str());
}

} // namespace

int ComandoSchedina(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::string nuova;
    std::vector<std::pair<int, std::string>> pronostici;
    std::vector<ComandoSistema> comandi;
    bool base = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella") {
            opzioneCartella = ValoreCartella(a, i);
        } else if (a[i] == "--nuova") {
            nuova = ValoreOpzione(a, i);
        } else if (a[i] == "--pronostico") {
            const std::string v = ValoreOpzione(a, i);
            const auto uguale = v.find('=');
            const auto riga = uguale == std::string::npos ? std::nullopt : LeggiIntero(v.substr(0, uguale));
            if (!riga || *riga < 1 || *riga > kRigheSchedina)
                throw ErroreUso{"--pronostico vuole RIGA=TESTO con RIGA da 1 a 14: " + v};
            const std::string testo = v.substr(uguale + 1);
            const auto& validi = PronosticiSelezionabili();
            if (testo != "-" && std::find(validi.begin(), validi.end(), testo) == validi.end())
                throw ErroreUso{"pronostico non valido: " + testo};
            pronostici.emplace_back(static_cast<int>(*riga) - 1, testo);
        } else if (a[i] == "--comando") {
            const std::string nome = ValoreOpzione(a, i);
            const auto c = ComandoDaNome(nome);
            if (!c) throw ErroreUso{"comando sconosciuto: " + nome};
            comandi.push_back(*c);
        } else if (a[i] == "--base") {
            base = true;
        } else {
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
        }
    }
    // A command that changes the coupon writes the folder: it is locked for
    // the whole command; printing the coupon only reads it.
    const bool scrive = !nuova.empty() || !pronostici.empty() || !comandi.empty() || base;
    BloccoCartella blocco;
    const std::string cartella = scrive ? ApriCartellaScrittura(opzioneCartella, blocco, true)
                                        : ApriCartellaLettura(opzioneCartella);

    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSuErrore messaggi;
    if (!CaricaAvvio(*dati, cartella, messaggi)) return kEsitoCaricamento;
    Schedina& s = dati->schedina;
    const auto riduzioni = CartellaRiduzioni();
    bool cambiata = false;

    if (!nuova.empty()) {
        Schedina costruita = s;
        Azzera(costruita);
        try {
            LeggiNuova(nuova, *dati, costruita);
        } catch (const Errore& e) {
            std::fprintf(stderr, "veltra-cli: %s\n", e.messaggio.c_str());
            return kEsitoUso;
        }
        s = costruita;
        s.schedinaAssente = 0;
        static_cast<CondizioniRiduzione&>(dati->condizionamenti) = CondizioniRiduzione{};
        cambiata = true;
    }
    if (s.schedinaAssente != 0) {
        if (!pronostici.empty() || !comandi.empty() || base) {
            std::fprintf(stderr, "veltra-cli: nessuna schedina nella cartella\n");
            return kEsitoUso;
        }
        std::printf("schedina=assente\n");
        return kEsitoOk;
    }
    for (const auto& [riga, testo] : pronostici) {
        Partita& p = s.partite[static_cast<std::size_t>(riga)];
        if (Vuota(p)) {
            std::fprintf(stderr, "veltra-cli: la riga %d della schedina e' vuota\n", riga + 1);
            return kEsitoUso;
        }
        p.pronosticoManuale = testo;
        TestoPronostico(p);
        s.sistemaIniziale = 0;
        InvalidaRidotto(s);
        cambiata = true;
    }
    if (base) {
        RicalcolaSistema(s, *dati, false, true);
        cambiata = true;
    }
    for (ComandoSistema c : comandi) {
        const bool ok = ApplicaComandoSistema(s, c).ok;
        std::printf("comando=%s esito=%s\n", std::string(NomeComando(c)).c_str(),
                    ok ? "ok" : "fallito");
        cambiata = cambiata || ok;
    }
    if (cambiata) {
        // The reduction chosen as the system window would, for the new shape.
        CPropostaSistema proposta(*dati, s, dati->condizionamenti, riduzioni);
        proposta.Riempi(false, messaggi);
        proposta.Chiudi();
        dati->datiModificati = 1;
        if (!SalvaDati(*dati, cartella, messaggi)) {
            messaggi.Errore("Errore nel salvataggio.\nImpossibile salvare le modifiche!");
            return kEsitoCaricamento;
        }
    }
    // The conditioned system counted as the system window counts it (a
    // reduced one with the method stored with the conditions).
    if (StatoNumeroSegni(s).triple + StatoNumeroSegni(s).doppie > 0) {
        EsecutoreSincrono esecutore;
        ContestoSistema ctx{esecutore, messaggi, riduzioni, std::nullopt, 0};
        ContaCondizionato(s, dati->condizionamenti, true, ctx, [](bool) {});
    }
    StampaSchedina(s, riduzioni);
    return kEsitoOk;
}

} // namespace veltra::cli
