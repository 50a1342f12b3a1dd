// veltra-cli scambia-analisi: the exchange of analyses with the service from
// a terminal. The chosen archived analyses are sent, the proposed ones of the
// chosen championships are received, evaluated on the folder's data and, as
// asked, made current and/or put at position 1 of the archives; the folder is
// then saved. Standard output has one key=value line per analysis sent, per
// line of the service's reply, per championship asked for, and a summary;
// the window's log goes to standard error. An exchange that did not reach
// its end changes nothing and exits with 4.
#include "Comandi.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "app/DatiSupporto.h"
#include "app/Salvataggio.h"
#include "app/shell/SeguiCambiamenti.h"
#include "app/shell/StatoShell.h"
#include "net/HttpCurl.h"
#include "net/ScambioAnalisi.h"

#include <cstdio>
#include <map>
#include <memory>

namespace veltra::cli {

namespace {

// Blanks and line ends would split a key=value line.
std::string Valore(std::string t) {
    std::string r;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r') continue;
        r += t[i] == '\n' || t[i] == ' ' || t[i] == '\t' ? '_' : t[i];
    }
    while (!r.empty() && r.back() == '_') r.pop_back();
    return r.empty() ? "-" : r;
}

bool SiNo(const std::string& v, const char* opzione) {
    if (v == "si" || v == "1") return true;
    if (v == "no" || v == "0") return false;
    throw ErroreUso{std::string(opzione) + " vuole si o no: " + v};
}

CampionatoId CampionatoScelto(const std::string& v) {
    const auto c = CercaCampionato(v);
    if (!c) throw ErroreUso{"campionato sconosciuto: " + v};
    return *c;
}

const char* NomeEsito(EsitoRicezione::Tipo t) {
    switch (t) {
    case EsitoRicezione::Ricevuta:
        return "ricevuta";
    case EsitoRicezione::Ignorata:
        return "ignorata";
    case EsitoRicezione::Messaggio:
        return "messaggio";
    case EsitoRicezione::Mancante:
        return "mancante";
    case EsitoRicezione::NonValida:
        break;
    }
    return "non_valida";
}

void StampaLog(const std::string& testo, std::size_t& stampato) {
    std::string riga;
    for (std::size_t i = stampato; i < testo.size(); ++i) {
        if (testo.compare(i, 3, "\r\r\n") == 0) {
            std::fprintf(stderr, "%s\n", riga.c_str());
            riga.clear();
            i += 2;
        } else if (testo[i] != '\r')
            riga += testo[i];
    }
    if (!riga.empty()) std::fprintf(stderr, "%s\n", riga.c_str());
    stampato = testo.size();
}

} // namespace

int ComandoScambiaAnalisi(const std::vector<std::string>& a) {
    std::optional<std::string> cartellaOpz, indirizzoOpz;
    std::vector<std::pair<CampionatoId, int>> invio; // (championship, 1-based archive position)
    std::vector<CampionatoId> ricezione;
    std::string autore;
    std::optional<std::string> chiave;
    bool correnti = true, archivio = true, scriviProva = false, daFile = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            cartellaOpz = ValoreCartella(a, i);
        else if (a[i] == "--indirizzo")
            indirizzoOpz = ValoreOpzione(a, i);
        else if (a[i] == "--invia") {
            const std::string v = ValoreOpzione(a, i);
            const auto duePunti = v.rfind(':');
            int n = 0;
            try {
                std::size_t letti = 0;
                if (duePunti != std::string::npos) n = std::stoi(v.substr(duePunti + 1), &letti);
                if (duePunti == std::string::npos || letti != v.size() - duePunti - 1) n = 0;
            } catch (...) {
                n = 0;
            }
            if (n < 1) throw ErroreUso{"--invia vuole CAMPIONATO:POSIZIONE (da 1): " + v};
            invio.push_back({CampionatoScelto(v.substr(0, duePunti)), n});
        } else if (a[i] == "--ricevi")
            ricezione.push_back(CampionatoScelto(ValoreOpzione(a, i)));
        else if (a[i] == "--autore")
            autore = ValoreOpzione(a, i);
        else if (a[i] == "--chiave") {
            chiave = ValoreOpzione(a, i);
            // Never echoed: it may be read over the user's shoulder or in a log.
            if (*chiave != "-" && !ChiaveValida(*chiave))
                throw ErroreUso{"--chiave: da 8 a 200 caratteri tra lettere, cifre e . _ ~ + / = - "
                                "(oppure - per toglierla)"};
        }
        else if (a[i] == "--correnti")
            correnti = SiNo(ValoreOpzione(a, i), "--correnti");
        else if (a[i] == "--archivio")
            archivio = SiNo(ValoreOpzione(a, i), "--archivio");
        else if (a[i] == "--scrivi-prova")
            scriviProva = true;
        else if (a[i] == "--da-file")
            daFile = true;
        else
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
    }
    if (invio.empty() && ricezione.empty() && !scriviProva && !chiave)
        throw ErroreUso{"niente da fare: indicare --invia e/o --ricevi"};
    if (autore.size() > kMaxAutore) throw ErroreUso{"--autore troppo lungo"};

    BloccoCartella blocco;
    const std::string cartella = ApriCartellaScrittura(cartellaOpz, blocco, true);
    MessaggiSuErrore messaggi;
    auto dati = std::make_unique<DatiGlobali>();
    if (!CaricaAvvio(*dati, cartella, messaggi)) return kEsitoCaricamento;
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (dati->campionato(c).filtroAttivo()) {
            std::fprintf(stderr, "veltra-cli: il campionato %s ha un filtro storico attivo: "
                                 "toglierlo prima di scambiare analisi\n",
                         std::string(Campionato(c).nome).c_str());
            return kEsitoCaricamento;
        }
    for (const auto& [c, n] : invio)
        if (n > dati->campionato(c).archivio.numero()) {
            std::fprintf(stderr, "veltra-cli: l'archivio di %s ha %d analisi, non c'e' la n. %d\n",
                         std::string(Campionato(c).nome).c_str(), dati->campionato(c).archivio.numero(), n);
            return kEsitoCaricamento;
        }

    // The club's key: typed once, kept in the setting "AU" of Cfg2.VLT.
    if (chiave) {
        dati->impostazioneAU = *chiave == "-" ? kNessunaChiave : *chiave;
        if (!ScriviDatiSupporto(cartella, *dati)) {
            std::fprintf(stderr, "veltra-cli: %s\n", kErroreDatiSupporto);
            return kEsitoCaricamento;
        }
        std::printf("chiave=%s\n", *chiave == "-" ? "tolta" : "salvata");
        if (invio.empty() && ricezione.empty() && !scriviProva) return kEsitoOk;
    }
    // As the window: the shell follows the changes of the current analyses
    // (the coupon and the betting events are recomputed).
    StatoShell shell;
    const auto iscrizione = SeguiCambiamenti(*dati, shell);
    const std::string indirizzo =
        indirizzoOpz ? *indirizzoOpz : IndirizzoServizioDa(dati->indirizzoAggiornamenti);
    CGestioneAnalisiInternet g(*dati, cartella, indirizzo, messaggi);
    g.secondiIgnora = 0; // no one to press "Ignora": --ricevi says what is wanted
    for (const auto& [c, n] : invio) {
        g.ScegliCampionatoArchivio(c);
        for (int k = 1; k < n; ++k) g.Successiva();
        g.AggiungiInvio();
    }
    g.autore = autore;
    if (ChiaveValida(dati->impostazioneAU)) g.chiave = dati->impostazioneAU;
    for (CampionatoId c : ricezione) g.AggiungiRicezione(c);
    g.comeCorrenti = correnti;
    g.inArchivio = archivio;

    if (scriviProva) {
        // The local test files of the analyses to send, as the connection
        // page's hidden click writes them.
        const auto scritti = g.ScriviFileProva();
        if (scritti.empty() && !invio.empty()) return kEsitoCaricamento;
        for (const std::string& f : scritti) std::printf("file_prova=%s\n", f.c_str());
        // Written instead of sent.
        while (!g.RigheInvio().empty()) g.TogliInvio(0);
        invio.clear();
        if (ricezione.empty()) return kEsitoOk;
    }
    // The local test mode: nothing is sent, the proposed analyses are read
    // from the folder's own files.
    g.ImpostaProvaLocale(daFile);

    std::size_t stampato = 0;
    g.log().Osserva([&] { StampaLog(g.log().Testo(), stampato); });
    HttpCurl http;
    EsecutoreSincrono esecutore;
    g.Connessione(esecutore, http);
    const EsitoScambio& e = g.ultimoEsito();

    if (e.inviate > 0)
        for (const auto& [c, n] : invio) std::printf("inviata campionato=%d posizione=%d\n", c, n);
    for (const std::string& r : e.risposteInvio) std::printf("risposta=%s\n", Valore(r).c_str());
    for (const EsitoRicezione& r : e.esiti) {
        std::printf("campionato=%d esito=%s", r.campionato, NomeEsito(r.tipo));
        if (r.tipo == EsitoRicezione::Ricevuta) {
            std::printf(" titolo=%s corrente=%d archivio=%d", Valore(r.testo).c_str(),
                        correnti ? 1 : 0, archivio ? 1 : 0);
            // The received analysis as it fits this folder's data.
            for (const AnalisiRicevuta& v : g.valutate())
                if (v.proposta.campionato == r.campionato && v.titolo == r.testo) {
                    const CAnalisi& x = v.proposta.analisi;
                    std::printf(" precisione=%.9g utilizzo=%.9g",
                                static_cast<double>((x.precisione1 + x.precisioneX + x.precisione2) / 3),
                                static_cast<double>(x.datiUsati));
                }
        } else if (!r.testo.empty())
            std::printf(" testo=%s", Valore(r.testo).c_str());
        std::printf("\n");
    }
    std::printf("inviate=%d ricevute=%zu esito=%s\n", e.inviate, e.ricevute.size(),
                e.concluso ? "conclusa" : "interrotta");
    if (!e.concluso) {
        g.Annulla();
        std::fprintf(stderr, "veltra-cli: scambio non concluso; dati invariati\n");
        return kEsitoAggiornamentoRifiutato;
    }
    g.Ok();
    if (dati->datiModificati && !SalvaDati(*dati, cartella, messaggi)) {
        std::fprintf(stderr, "veltra-cli: Errore nel salvataggio. Impossibile salvare le modifiche!\n");
        return kEsitoCaricamento;
    }
    return kEsitoOk;
}

} // namespace veltra::cli
