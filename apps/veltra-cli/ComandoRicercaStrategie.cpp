// veltra-cli ricerca-strategie: the strategy search over a bookmaker's archive
// of weeks from a terminal, for long runs. Prints the winners one per line and
// then `candidati=N secondi=S`; optionally writes the HTML page, the text file
// of every kept improvement and the strategies. Ctrl-C stops it as the
// window's "Interrompi" does.
#include "Comandi.h"

#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "app/Salvataggio.h"
#include "betting/RicercaStrategie.h"
#include "dati/Campionati.h"
#include "platform/Lavori.h"

#include <atomic>
#include <cctype>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
#include <signal.h>
#include <string>

namespace veltra::cli {

namespace {

std::atomic<bool> gFermo{false};

extern "C" void FermaRicercaStrategie(int) { gFermo.store(true); }

std::string Maiuscolo(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

int Intero(const std::string& nome, const std::string& v, int minimo, int massimo) {
    int x = 0;
    const auto r = std::from_chars(v.data(), v.data() + v.size(), x);
    if (r.ec != std::errc() || r.ptr != v.data() + v.size() || x < minimo || x > massimo)
        throw ErroreUso{nome + " vuole un intero da " + std::to_string(minimo) + " a " +
                        std::to_string(massimo) + ": " + v};
    return x;
}

// A percentage of the dialog's combos: 0, 5, ... 100.
int Percentuale(const std::string& nome, const std::string& v) {
    const int x = Intero(nome, v, 0, 100);
    if (x % 5 != 0) throw ErroreUso{nome + " vuole un multiplo di 5 da 0 a 100: " + v};
    return x;
}

// "BETANDWIN" .. "ALTRO BOOKMAKER", or the folder's name, in any case.
int BookmakerRicerca(const std::string& nome) {
    const std::string n = Maiuscolo(nome);
    for (int b = 0; b < kNumeroBookmaker; ++b)
        if (n == NomeBookmakerRicerca(b) || n == CartellaBookmakerRicerca(b)) return b;
    throw ErroreUso{"bookmaker sconosciuto: " + nome +
                    " (BETANDWIN, BETZONE, EUROBET, GLOBET, SNAI, \"ALTRO BOOKMAKER\")"};
}

DataSettimana Data(const std::string& nome, const std::string& v) {
    const auto d = DataDaNome(v);
    if (!d) throw ErroreUso{nome + " vuole una data GGMMAA valida: " + v};
    return *d;
}

// "1X2": the signs to search, each at most once.
std::array<bool, 3> Segni(const std::string& v) {
    std::array<bool, 3> s{};
    for (const char c : v) {
        const int i = c == '1' ? 0 : (c == 'X' || c == 'x') ? 1 : c == '2' ? 2 : -1;
        if (i < 0 || s[static_cast<std::size_t>(i)])
            throw ErroreUso{"--segni vuole i segni 1, X, 2, ciascuno una volta: " + v};
        s[static_cast<std::size_t>(i)] = true;
    }
    if (v.empty()) throw ErroreUso{"--segni vuoto: indicare almeno un segno"};
    return s;
}

// "PEQ": P the probability (rankings max P and, for '1', min P2), E the
// equity, Q the odds.
std::array<bool, 4> Ordinamenti(const std::string& v) {
    std::array<bool, 4> o{};
    for (const char c : v) {
        const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const int i = u == 'P' ? 0 : u == 'E' ? 2 : u == 'Q' ? 3 : -1;
        if (i < 0 || o[static_cast<std::size_t>(i)])
            throw ErroreUso{"--ordinamenti vuole le lettere P, E, Q, ciascuna una volta: " + v};
        o[static_cast<std::size_t>(i)] = true;
        if (i == 0) o[1] = true;
    }
    if (v.empty()) throw ErroreUso{"--ordinamenti vuoto: indicare almeno un ordinamento"};
    return o;
}

std::array<bool, kNumeroCampionati> Campionati(const std::string& v) {
    std::array<bool, kNumeroCampionati> inclusi{};
    for (const std::string& c : Dividi(v, ',')) {
        const auto id = CercaCampionato(c);
        if (!id) throw ErroreUso{"campionato sconosciuto in --campionati: " + c};
        inclusi[static_cast<std::size_t>(*id)] = true;
    }
    return inclusi;
}

std::string SenzaRitorni(const std::string& t) {
    std::string s;
    for (const char c : t)
        if (c != '\r') s += c;
    return s;
}

// The progress box on standard error (--verboso), or nowhere.
class RapportoTerminale : public IRapportoRicerca {
public:
    explicit RapportoTerminale(bool verboso) : verboso_(verboso) {}
    void Campionato(const std::string& testo) override {
        if (verboso_) std::fprintf(stderr, "CAMPIONATO ANALIZZATO : %s\n", testo.c_str());
    }
    void Pronostico(const std::string& testo) override {
        if (verboso_) std::fprintf(stderr, "PRONOSTICO ANALIZZATO : %s\n", testo.c_str());
    }
    void Svuota() override {}
    void Aggiungi(const std::string& testo) override {
        if (verboso_) {
            std::fputs(SenzaRitorni(testo).c_str(), stderr);
            std::fflush(stderr);
        }
    }

private:
    bool verboso_;
};

DataOra Adesso() {
    const std::time_t t = std::time(nullptr);
    std::tm r{};
    localtime_r(&t, &r);
    return DataOra{r.tm_mday, r.tm_mon + 1, r.tm_year + 1900, r.tm_hour, r.tm_min};
}

} // namespace

int ComandoRicercaStrategie(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::optional<int> bookmaker;
    std::optional<DataSettimana> dal;
    ParametriRicerca p;
    p.salvaStrategie = false;
    bool verboso = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::string& o = a[i];
        if (o == "--cartella")
            opzioneCartella = ValoreCartella(a, i);
        else if (o == "--bookmaker")
            bookmaker = BookmakerRicerca(ValoreOpzione(a, i));
        else if (o == "--dal")
            dal = Data(o, ValoreOpzione(a, i));
        else if (o == "--segni")
            p.segni = Segni(ValoreOpzione(a, i));
        else if (o == "--ordinamenti")
            p.ordinamenti = Ordinamenti(ValoreOpzione(a, i));
        else if (o == "--criterio") {
            const std::string v = ValoreOpzione(a, i);
            if (v == "rendimento")
                p.maxRendimento = true;
            else if (v == "frequenza")
                p.maxRendimento = false;
            else
                throw ErroreUso{"--criterio vuole rendimento o frequenza: " + v};
        } else if (o == "--eventi")
            p.eventiDaConsiderare = Intero(o, ValoreOpzione(a, i), 1, 6);
        else if (o == "--min-utili")
            p.minSettimaneUtili = Percentuale(o, ValoreOpzione(a, i));
        else if (o == "--min-vincenti") {
            const auto v = Dividi(ValoreOpzione(a, i), ',');
            if (v.size() != p.minSettimaneVincenti.size())
                throw ErroreUso{"--min-vincenti vuole 12 percentuali separate da virgole, una per "
                                "tipo di giocata"};
            for (std::size_t k = 0; k < v.size(); ++k)
                p.minSettimaneVincenti[k] = Percentuale(o, v[k]);
        } else if (o == "--campionati")
            p.inclusi = Campionati(ValoreOpzione(a, i));
        else if (o == "--uniti")
            p.distinti = false;
        else if (o == "--thread")
            p.thread = Intero(o, ValoreOpzione(a, i), 0, 64);
        else if (o == "--tsv") {
            const std::string f = ValoreOpzione(a, i);
            if (f.empty()) throw ErroreUso{"--tsv vuoto: indicare un file"};
            p.salvaTesto = true;
            p.fileTesto = f;
        } else if (o == "--verifica-dal")
            p.verificaDal = Data(o, ValoreOpzione(a, i));
        else if (o == "--html")
            p.salvaHtml = true;
        else if (o == "--salva-strategie")
            p.salvaStrategie = true;
        else if (o == "--verboso")
            verboso = true;
        else
            throw ErroreUso{"opzione sconosciuta: " + o};
    }
    if (!bookmaker) throw ErroreUso{"manca --bookmaker NOME"};
    if (!dal) throw ErroreUso{"manca --dal GGMMAA"};
    p.bookmaker = *bookmaker;
    p.dataInizio = *dal;
    if (p.verificaDal && p.verificaDal->chiave() <= p.dataInizio.chiave())
        throw ErroreUso{"--verifica-dal deve essere successiva a --dal"};

    // Writing commands hold the folder's lock and save the strategies with
    // the rest of the data, all or nothing.
    const bool scrive = p.salvaHtml || p.salvaStrategie;
    BloccoCartella blocco;
    const std::string cartella =
        scrive ? ApriCartellaScrittura(opzioneCartella, blocco, true) : ApriCartellaLettura(opzioneCartella);
    std::unique_ptr<DatiGlobali> dati;
    MessaggiSuErrore messaggi("veltra-cli: ");
    ListaStrategie strategieLocali;
    std::int32_t prossimoLocale = 0;
    if (p.salvaStrategie) {
        dati = std::make_unique<DatiGlobali>();
        if (!CaricaAvvio(*dati, cartella, messaggi)) return kEsitoCaricamento;
    }
    ListaStrategie& strategie = dati ? dati->strategie : strategieLocali;
    std::int32_t& prossimoId = dati ? dati->prossimoIdStrategia : prossimoLocale;

    gFermo = false;
    struct sigaction azione = {};
    azione.sa_handler = FermaRicercaStrategie;
    sigemptyset(&azione.sa_mask);
    struct sigaction precedente = {};
    sigaction(SIGINT, &azione, &precedente);
    ContestoLavoro contesto(gFermo, {});
    RapportoTerminale rapporto(verboso);
    const auto t0 = std::chrono::steady_clock::now();
    const EsitoRicercaStrategie esito =
        CercaStrategie(p, cartella, strategie, prossimoId, Adesso(), rapporto, contesto);
    const double secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    sigaction(SIGINT, &precedente, nullptr);

    for (const VincitoreRicerca& v : esito.vincitori)
        std::printf("%s\n", RigaVincitore(v).c_str());
    std::printf("candidati=%ld secondi=%.1f\n", esito.candidati, secondi);
    std::fflush(stdout);

    int codice = kEsitoOk;
    if (!esito.html.empty()) std::fprintf(stderr, "pagina HTML: %s\n", esito.html.string().c_str());
    if (!esito.testo.empty()) std::fprintf(stderr, "file di testo: %s\n", esito.testo.string().c_str());
    if (!esito.errore.empty()) {
        std::fprintf(stderr, "veltra-cli: %s\n", SenzaRitorni(esito.errore).c_str());
        codice = kEsitoCaricamento;
    }
    if (esito.fermata) {
        std::fprintf(stderr, "veltra-cli: ricerca interrotta\n");
        codice = kEsitoCaricamento;
    }
    if (p.salvaStrategie && esito.strategieSalvate) {
        dati->datiModificati = 1;
        if (!SalvaDati(*dati, cartella, messaggi)) {
            std::fprintf(stderr, "veltra-cli: Errore nel salvataggio.\n");
            return kEsitoCaricamento;
        }
        std::fprintf(stderr, "strategie salvate nell'archivio di %s\n", cartella.c_str());
    }
    return codice;
}

} // namespace veltra::cli
