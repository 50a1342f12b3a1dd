// The whole strategy search over an archive of weeks on disk: the passes, the
// progress texts, the winners, the HTML page, the text file, the strategies,
// a stop, outputs that cannot be written, and the out-of-sample check.
#include "Supporto.h"
#include "betting/ArchivioGenerato.h"
#include "betting/RicercaStrategie.h"
#include "betting/RicercaVeloce.h"
#include "betting/TestiRicercaStrategie.h"
#include "platform/Lavori.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace veltra;
using veltra::test::CartellaTemporanea;
namespace fs = std::filesystem;

namespace {

struct RapportoRegistrato : IRapportoRicerca {
    std::vector<std::string> campionati, pronostici;
    std::string box;
    int svuotato = 0;
    void Campionato(const std::string& t) override { campionati.push_back(t); }
    void Pronostico(const std::string& t) override { pronostici.push_back(t); }
    void Svuota() override {
        ++svuotato;
        box.clear();
    }
    void Aggiungi(const std::string& t) override { box += t; }
};

std::string RigaEvento(const Evento& e) {
    char t[64];
    std::string r(1, e.esito == '?' ? '-' : e.esito);
    r += '\t' + std::to_string(e.campionato) + "\tCasa\tOspite";
    for (int g = 0; g < kVociQuota; g += 3)
        for (const auto* a : {&e.quote, &e.prob, &e.equita})
            for (int k = g; k < g + 3; ++k) {
                std::snprintf(t, sizeof t, "\t%.4f", static_cast<double>((*a)[static_cast<std::size_t>(k)]));
                r += t;
            }
    return r + "\t01/01/2020\n";
}

// `settimane` weeks from 7 Jan 2020, one a week, into the bookmaker's folder;
// events alternate between Serie A (0) and Serie B (1).
fs::path ScriviArchivio(const fs::path& lavoro, int bookmaker,
                        std::vector<SettimanaArchiviata>& settimane) {
    const fs::path cartella = lavoro / kCartellaEsportate / CartellaBookmakerRicerca(bookmaker);
    fs::create_directories(cartella);
    std::vector<std::string> nomi;
    for (std::size_t w = 0; w < settimane.size(); ++w) {
        const int giorno = 7 + static_cast<int>(w) * 7;
        char nome[32];
        std::snprintf(nome, sizeof nome, "%02d%02d20", (giorno - 1) % 28 + 1, 1 + (giorno - 1) / 28);
        nomi.push_back(nome);
        std::string testo;
        for (std::size_t i = 0; i < settimane[w].eventi.size(); ++i) {
            settimane[w].eventi[i].campionato = static_cast<std::int16_t>(i % 2);
            testo += RigaEvento(settimane[w].eventi[i]);
        }
        std::ofstream(cartella / (std::string(nome) + ".txt"), std::ios::binary) << testo;
    }
    std::ofstream(cartella / kFileSettimane, std::ios::binary) << TestoRiepilogo(nomi);
    return cartella;
}

std::string Leggi(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

ParametriRicerca Parametri() {
    ParametriRicerca p;
    p.bookmaker = 5;
    p.dataInizio = {1, 1, 2020};
    p.segni = {true, false, false};
    p.ordinamenti = {true, true, false, true};
    p.eventiDaConsiderare = 2;
    p.minSettimaneUtili = 20;
    p.minSettimaneVincenti.fill(0);
    p.inclusi.fill(false);
    p.inclusi[0] = p.inclusi[1] = true;
    p.salvaHtml = p.salvaTesto = p.salvaStrategie = true;
    p.thread = 2;
    return p;
}

const DataOra kOggi{11, 12, 2026, 9, 5};

struct Giro {
    EsitoRicercaStrategie esito;
    RapportoRegistrato rapporto;
    ListaStrategie strategie;
    std::int32_t prossimo = 1;
};

void Esegui(Giro& g, const ParametriRicerca& p, const fs::path& lavoro, bool fermo = false) {
    std::atomic<bool> f{fermo};
    ContestoLavoro c(f, nullptr);
    g.esito = CercaStrategie(p, lavoro, g.strategie, g.prossimo, kOggi, g.rapporto, c);
}

TEST(CercaStrategie, GiroCompletoConPaginaTestoEStrategie) {
    CartellaTemporanea dir;
    auto settimane = ArchivioGenerato(31, 20, 12);
    ScriviArchivio(dir.percorso(), 5, settimane);
    const ParametriRicerca p = Parametri();
    Giro g;
    Esegui(g, p, dir.percorso());
    const auto& e = g.esito;
    EXPECT_EQ(e.errore, "");
    EXPECT_FALSE(e.fermata);

    // One pass per championship, each starting an emptied box.
    EXPECT_EQ(g.rapporto.campionati, (std::vector<std::string>{"Serie A", "Serie B"}));
    EXPECT_EQ(g.rapporto.svuotato, 2);
    EXPECT_EQ(g.rapporto.pronostici, (std::vector<std::string>{"1", "1"}));
    EXPECT_EQ(g.rapporto.box.rfind("RICERCA SUL CAMPIONATO DI Serie B...\r\r\n\r\r\n", 0), 0u);
    EXPECT_NE(g.rapporto.box.find("Ricerca sui pronostici '1' conclusa."), std::string::npos);

    // The winners are the bests of a search of the same weeks.
    ASSERT_FALSE(e.vincitori.empty());
    std::array<MiglioriSegno, 2> attese;
    std::array<int, 2> disponibili{};
    for (int c = 0; c < 2; ++c) {
        std::array<bool, kNumeroCampionati> solo{};
        solo[static_cast<std::size_t>(c)] = true;
        const auto caricate = CaricaSettimane(
            dir.percorso() / kCartellaEsportate / "ALTROBOOKMAKER", p.dataInizio, solo);
        ASSERT_TRUE(caricate);
        attese[static_cast<std::size_t>(c)] =
            CercaSegnoBlocchi(caricate->settimane, p, '1', 1, nullptr, nullptr).migliori;
        disponibili[static_cast<std::size_t>(c)] = static_cast<int>(caricate->settimane.size());
    }
    for (const auto& v : e.vincitori) {
        ASSERT_TRUE(v.gruppo == "A " || v.gruppo == "B ") << v.gruppo;
        const std::size_t c = v.gruppo == "A " ? 0 : 1;
        const auto& b = attese[c][static_cast<std::size_t>(v.ordinamento)]
                              [static_cast<std::size_t>(v.tipo)];
        EXPECT_EQ(v.limiti, b.limiti);
        EXPECT_EQ(v.giocabili, b.giocabili);
        EXPECT_EQ(v.maxRitardo, b.maxRitardo);
        EXPECT_DOUBLE_EQ(v.rendimento, b.guadagno / b.giocabili);
        EXPECT_EQ(v.settimane, disponibili[c]);
        if (c == 1) {
            EXPECT_NE(g.rapporto.box.find(RigaVincitore(v)), std::string::npos);
        }
    }

    // The page, named after the folder of the other bookmaker, closed.
    const fs::path html = dir.percorso() / kCartellaEsportate /
                          "RicercaStrategie-ALTROBOOKMAKER-11-12-2026-9.5.htm";
    EXPECT_EQ(e.html, html);
    const std::string pagina = Leggi(html);
    EXPECT_NE(pagina.find("Analisi strategie con eventi del bookmaker ALTRO BOOKMAKER<br>\n"
                          "Periodo di analisi: 1/1/2020 - 11/12/2026<br>\nMax Rendimento</h2>"),
              std::string::npos);
    EXPECT_NE(pagina.find("<p class=TITOLO>PRONOSTICI: Segni '1' - Settimane disponibili: "),
              std::string::npos);
    EXPECT_NE(pagina.find("Campionati Inclusi: B </p>\n<table>"), std::string::npos);
    EXPECT_NE(pagina.find("Ordinamento:<br>QUOTE"), std::string::npos);
    EXPECT_EQ(pagina.find("Ordinamento:<br>EQUITA'"), std::string::npos);
    EXPECT_NE(pagina.find("Multipla da 2 Max.Q"), std::string::npos);
    EXPECT_EQ(pagina.find("Multipla da 3"), std::string::npos);
    EXPECT_EQ(pagina.substr(pagina.size() - 23), "</center></body></html>");

    // The text file: its header, then one line per kept improvement.
    const fs::path testo = dir.percorso() / kCartellaEsportate /
                           "TutteStrategie-ALTROBOOKMAKER-11-12-2026-9.5.txt";
    EXPECT_EQ(e.testo, testo);
    const std::string righe = Leggi(testo);
    ASSERT_EQ(righe.rfind(IntestazioneTestoRicerca(), 0), 0u);
    EXPECT_NE(righe.find("\nMAX.PROB.\tA \t"), std::string::npos);
    EXPECT_NE(righe.find("\nQUOTE\tB \t"), std::string::npos);
    EXPECT_EQ(e.messaggioFinale,
              "Tutte le strategie trovate con rendimento positivo e che rispettano i vincoli "
              "imposti sono state salvate nel file:\n\n" +
                  testo.string());

    // A strategy for each winner with a gain; the same search again adds none.
    int positivi = 0;
    for (const auto& v : e.vincitori)
        positivi += v.rendimento > 0;
    EXPECT_TRUE(e.strategieSalvate);
    EXPECT_EQ(static_cast<int>(g.strategie.strategie.size()), positivi);
    const auto prima = g.strategie.strategie.size();
    Giro g2;
    g2.strategie = g.strategie;
    g2.prossimo = g.prossimo;
    Esegui(g2, p, dir.percorso());
    EXPECT_EQ(g2.strategie.strategie.size(), prima);
    for (const auto& s : g2.strategie.strategie)
        EXPECT_NE(s.descrizione.find("\r\r\n===\r\r\n"), std::string::npos) << s.nome;
}

TEST(CercaStrategie, UscitaNonScrivibileERisultatiTenuti) {
    CartellaTemporanea dir;
    auto settimane = ArchivioGenerato(31, 20, 12);
    ScriviArchivio(dir.percorso(), 5, settimane);
    ParametriRicerca p = Parametri();
    p.ordinamenti = {false, false, false, true};
    p.distinti = false;
    // A folder where the page should go, and a text file in a missing folder.
    fs::create_directories(dir.percorso() / kCartellaEsportate /
                           "RicercaStrategie-ALTROBOOKMAKER-11-12-2026-9.5.htm");
    p.fileTesto = dir.percorso() / "manca" / "tutte.txt";
    Giro g;
    Esegui(g, p, dir.percorso());
    EXPECT_NE(g.esito.errore.find("pagina HTML"), std::string::npos) << g.esito.errore;
    EXPECT_NE(g.esito.errore.find("tutte.txt"), std::string::npos) << g.esito.errore;
    EXPECT_TRUE(g.esito.html.empty());
    EXPECT_TRUE(g.esito.testo.empty());
    EXPECT_EQ(g.esito.messaggioFinale, "");
    ASSERT_FALSE(g.esito.vincitori.empty());
    EXPECT_TRUE(g.esito.strategieSalvate);
    EXPECT_EQ(g.rapporto.campionati, (std::vector<std::string>{"Tutti i campionati selezionati"}));
    EXPECT_EQ(g.esito.vincitori.front().gruppo, "A B ");
}

TEST(CercaStrategie, FermataELasciaLaPaginaComE) {
    CartellaTemporanea dir;
    auto settimane = ArchivioGenerato(31, 6, 8);
    ScriviArchivio(dir.percorso(), 5, settimane);
    Giro g;
    Esegui(g, Parametri(), dir.percorso(), true);
    EXPECT_TRUE(g.esito.fermata);
    EXPECT_TRUE(g.esito.vincitori.empty());
    const std::string pagina = Leggi(g.esito.html);
    EXPECT_NE(pagina.find("Periodo di analisi"), std::string::npos);
    EXPECT_EQ(pagina.find("</body>"), std::string::npos);
    EXPECT_EQ(g.esito.messaggioFinale, "");
}

TEST(CercaStrategie, SenzaArchivioUnMessaggioERigheVuote) {
    CartellaTemporanea dir;
    fs::create_directories(dir.percorso() / kCartellaEsportate / "ALTROBOOKMAKER");
    ParametriRicerca p = Parametri();
    p.salvaTesto = false;
    Giro g;
    Esegui(g, p, dir.percorso());
    EXPECT_NE(g.esito.errore.find("Nessuna settimana"), std::string::npos);
    EXPECT_TRUE(g.esito.vincitori.empty());
    EXPECT_FALSE(g.esito.strategieSalvate);
    EXPECT_EQ(g.esito.candidati, 0);
    EXPECT_NE(Leggi(g.esito.html).find("<td class=TESTONER0>Singola n.1 Max.P</td>"),
              std::string::npos);

    // A list of no weeks, or weeks all before the start: a message too.
    std::ofstream(dir.percorso() / kCartellaEsportate / "ALTROBOOKMAKER" / kFileSettimane,
                  std::ios::binary)
        << TestoRiepilogo({});
    Giro vuoto;
    Esegui(vuoto, p, dir.percorso());
    EXPECT_NE(vuoto.esito.errore.find("Nessuna settimana dell'archivio di ALTRO BOOKMAKER dal "
                                      "1/1/2020 per i campionati scelti"),
              std::string::npos)
        << vuoto.esito.errore;
    auto settimane = ArchivioGenerato(31, 3, 4);
    ScriviArchivio(dir.percorso(), 5, settimane);
    ParametriRicerca dopo = p;
    dopo.dataInizio = {1, 1, 2021};
    Giro tardi;
    Esegui(tardi, dopo, dir.percorso());
    EXPECT_NE(tardi.esito.errore.find("Nessuna settimana"), std::string::npos);
    Giro buono;
    Esegui(buono, p, dir.percorso());
    EXPECT_EQ(buono.esito.errore, "");
}

TEST(CercaStrategie, LaVerificaNonToccaLaRicerca) {
    CartellaTemporanea dir;
    auto settimane = ArchivioGenerato(77, 16, 12);
    ScriviArchivio(dir.percorso(), 5, settimane);
    ParametriRicerca p = Parametri();
    p.salvaHtml = p.salvaTesto = p.salvaStrategie = false;
    p.ordinamenti = {true, false, false, false};
    p.distinti = false;
    p.verificaDal = DataSettimana{1, 3, 2020}; // the last 8 of the 16 weeks
    Giro a;
    Esegui(a, p, dir.percorso());
    ASSERT_FALSE(a.esito.vincitori.empty());
    for (const auto& v : a.esito.vincitori) {
        EXPECT_EQ(v.settimane + v.settimaneVerifica, 16);
        EXPECT_EQ(v.settimaneVerifica, 8);
        EXPECT_TRUE(v.rendimentoVerifica.has_value());
    }

    // Every later week's results turned round: the search's figures stay,
    // the check's change.
    for (std::size_t w = 8; w < settimane.size(); ++w)
        for (auto& e : settimane[w].eventi)
            e.esito = e.esito == '1' ? '2' : '1';
    ScriviArchivio(dir.percorso(), 5, settimane);
    Giro b;
    Esegui(b, p, dir.percorso());
    ASSERT_EQ(a.esito.vincitori.size(), b.esito.vincitori.size());
    bool verificaCambiata = false;
    for (std::size_t i = 0; i < a.esito.vincitori.size(); ++i) {
        const auto& x = a.esito.vincitori[i];
        const auto& y = b.esito.vincitori[i];
        EXPECT_EQ(x.limiti, y.limiti);
        EXPECT_EQ(x.rendimento, y.rendimento);
        EXPECT_EQ(x.vincenti, y.vincenti);
        EXPECT_EQ(x.giocabili, y.giocabili);
        EXPECT_EQ(x.maxRitardo, y.maxRitardo);
        verificaCambiata = verificaCambiata || x.rendimentoVerifica != y.rendimentoVerifica ||
                           x.vincentiVerifica != y.vincentiVerifica;
    }
    EXPECT_TRUE(verificaCambiata);
    EXPECT_NE(a.rapporto.box.find(" | verifica: rendimento "), std::string::npos);
}

TEST(CercaStrategie, ValutazioneUnica) {
    CartellaTemporanea dir;
    auto settimane = ArchivioGenerato(31, 14, 8);
    ScriviArchivio(dir.percorso(), 5, settimane);
    ParametriRicerca p = Parametri();
    p.distinti = false;
    p.salvaTesto = false;
    LimitiCandidato l;
    l.minProb1 = 0.3f, l.maxProbX = 0.4f, l.maxProb2 = 0.5f;
    l.minEquita = 0.5f, l.maxEquita = 2.0f, l.minQuota = 1.0f, l.maxQuota = 4.0f;
    p.unica = l;
    Giro g;
    Esegui(g, p, dir.percorso());
    EXPECT_EQ(g.esito.candidati, 1);
    ASSERT_FALSE(g.esito.vincitori.empty());
    for (const auto& v : g.esito.vincitori) {
        EXPECT_EQ(v.limiti.minProb1, 0.3f);
        EXPECT_EQ(v.limiti.maxProb1, 1.0f);
        EXPECT_EQ(v.limiti.minProb2, 0.0f);
    }
    EXPECT_EQ(g.rapporto.box.find("Inizio ricerca"), std::string::npos);
}

} // namespace
