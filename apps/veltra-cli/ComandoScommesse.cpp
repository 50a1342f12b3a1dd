// veltra-cli scommesse: a week of odds (a ".QUO" file) ranked with the
// selection criteria, every combination evaluated, the ranked bets printed
// one a line. The probabilities are the week's own (for a past week, those
// estimated before it was played); --ricalcola estimates the events again
// with the analyses of the working folder. The folder is only read.
#include "Comandi.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "betting/FileQuote.h"
#include "betting/RicalcolaEventi.h"
#include "betting/SelezioneScommesse.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <thread>

namespace veltra::cli {

namespace {

float Numero(const std::string& nome, const std::string& v) {
    float x = 0;
    const auto r = std::from_chars(v.data(), v.data() + v.size(), x);
    if (r.ec != std::errc() || r.ptr != v.data() + v.size())
        throw ErroreUso{"valore non valido per " + nome + ": " + v};
    return x;
}

void Imposta(ScommessaMgr& m, const std::string& assegnazione) {
    const auto uguale = assegnazione.find('=');
    if (uguale == std::string::npos) throw ErroreUso{"atteso NOME=VALORE: " + assegnazione};
    const std::string nome = assegnazione.substr(0, uguale), v = assegnazione.substr(uguale + 1);
    struct Campo {
        const char* nome;
        float ScommessaMgr::*campo;
    } static constexpr kCampi[] = {
        {"minProb1", &ScommessaMgr::minProb1},   {"maxProb1", &ScommessaMgr::maxProb1},
        {"minProbX", &ScommessaMgr::minProbX},   {"maxProbX", &ScommessaMgr::maxProbX},
        {"minProb2", &ScommessaMgr::minProb2},   {"maxProb2", &ScommessaMgr::maxProb2},
        {"minEquita", &ScommessaMgr::minEquita}, {"maxEquita", &ScommessaMgr::maxEquita},
        {"minQuota", &ScommessaMgr::minQuota},   {"maxQuota", &ScommessaMgr::maxQuota},
        {"minProbDoppia", &ScommessaMgr::minProbDoppia},
    };
    for (const Campo& c : kCampi)
        if (nome == c.nome) {
            m.*c.campo = Numero(nome, v);
            return;
        }
    if (nome == "tipoPronostico" || nome == "doppieCalcolate") {
        const float x = Numero(nome, v);
        const int n = static_cast<int>(x);
        if (static_cast<float>(n) != x || n < 0 ||
            n > (nome == "tipoPronostico" ? kTipiPronostico - 1 : 1))
            throw ErroreUso{"valore non valido per " + nome + ": " + v};
        if (nome == "tipoPronostico")
            m.tipoPronostico = n;
        else
            m.doppieCalcolate = static_cast<std::int16_t>(n);
        return;
    }
    throw ErroreUso{"campo sconosciuto: " + nome};
}

std::string G(float v) {
    char b[48];
    std::snprintf(b, sizeof b, "%.9g", static_cast<double>(v));
    return b;
}

} // namespace

int ComandoScommesse(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::string fileQuote;
    int gambe = 1;
    std::vector<std::string> impostazioni;
    bool ricalcola = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella") {
            opzioneCartella = ValoreCartella(a, i);
        } else if (a[i] == "--quote") {
            fileQuote = ValoreOpzione(a, i);
        } else if (a[i] == "--gambe") {
            const std::string v = ValoreOpzione(a, i);
            if (v.size() != 1 || v[0] < '1' || v[0] > '6')
                throw ErroreUso{"--gambe vuole un numero da 1 a 6: " + v};
            gambe = v[0] - '0';
        } else if (a[i] == "--ricalcola") {
            ricalcola = true;
        } else if (a[i] == "--imposta") {
            impostazioni.push_back(ValoreOpzione(a, i));
        } else {
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
        }
    }
    if (fileQuote.empty()) throw ErroreUso{"manca --quote FILE.QUO"};
    const std::string cartella = ApriCartellaLettura(opzioneCartella);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSuErrore messaggi;
    if (!LetturaStabile(cartella, [&] {
            dati = std::make_unique<DatiGlobali>();
            return CaricaAvvio(*dati, cartella, messaggi);
        }))
        return kEsitoCaricamento;
    ScommessaMgr& m = dati->scommesse;
    m.Azzera();
    if (!CaricaQuoteSalvate(m, fileQuote, messaggi)) return kEsitoCaricamento;
    if (m.nEventi == 0) {
        std::fprintf(stderr, "veltra-cli: nessun evento nel file di quote\n");
        return kEsitoCaricamento;
    }
    if (ricalcola) {
        // Events the analyses cannot estimate (clubs no longer in the
        // current season) are left out, each named; the rest are ranked.
        std::vector<std::string> scartati;
        RicalcolaEventi(m, *dati, nullptr, &scartati);
        for (const std::string& e : scartati)
            std::fprintf(stderr, "veltra-cli: evento non stimabile con le analisi correnti, "
                                 "escluso: %s\n",
                         e.c_str());
        if (m.nEventi == 0) {
            std::fprintf(stderr, "veltra-cli: nessun evento stimabile con le analisi correnti\n");
            return kEsitoCaricamento;
        }
    }
    CriteriPredefiniti(m);
    for (const std::string& s : impostazioni)
        Imposta(m, s);
    const int tipo = m.tipoPronostico;
    OrdinaEventi(m, tipo, TipoDoppie(tipo) ? m.doppieCalcolate : 0);
    EsecutoreSincrono esecutore;
    const int fili = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<Scommessa> trovate;
    AvviaLavoro<std::vector<Scommessa>>(
        esecutore, "Calcolo scommesse",
        [&](ContestoLavoro& c) { return CercaScommesse(m, gambe, fili, &c); },
        [&](EsitoLavoro<std::vector<Scommessa>> e) { trovate = std::move(e.risultato); });
    m.scommesse = std::move(trovate);
    std::printf("eventi=%d selezionati=%d scommesse=%d\n", m.nEventi, m.nSelezionati,
                m.nScommesse());
    for (int i = 0; i < m.nScommesse(); ++i) {
        const Scommessa& s = m.scommesse[static_cast<std::size_t>(i)];
        std::string eventi, parziali;
        for (const VoceScommessa& v : s.voci) {
            if (v.campionato == -1) break;
            if (!eventi.empty()) eventi += ';';
            eventi += v.casa + "-" + v.trasferta + ":" + v.segno;
        }
        bool calcolate = false;
        for (const VoceScommessa& v : s.voci)
            calcolate = calcolate || (v.campionato != -1 && v.calcolata);
        if (calcolate) {
            for (const Giocata& g : GiocateCalcolate(s)) {
                if (!parziali.empty()) parziali += ';';
                for (std::size_t k = 0; k < g.segni.size(); ++k)
                    parziali += (k ? "," : "") + g.segni[k];
                parziali += ":" + G(g.percentuale);
            }
        } else {
            parziali = "-";
        }
        std::printf("posizione=%d tipo=%d eventi=%s quota=%s equita=%s probabilita=%s "
                    "quote_parziali=%s\n",
                    i + 1, tipo, eventi.c_str(), G(s.quotaTotale).c_str(),
                    G(s.equitaTotale).c_str(), G(s.probTotale).c_str(), parziali.c_str());
    }
    return kEsitoOk;
}

} // namespace veltra::cli
