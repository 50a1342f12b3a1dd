// veltra-cli ricerca-strategie: the strategy search from a terminal over a
// small archive of weeks written here, its winners' lines, the last line, the
// text file, the saved strategies and the refusals of wrong options.
#include "EseguiCli.h"
#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "betting/ArchivioSettimane.h"
#include "betting/RicercaStrategie.h"
#include "betting/ScommessaMgr.h"
#include "dati/FileAtomico.h"
#include "platform/Lavori.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <regex>

using namespace veltra;
using namespace veltra::test;
namespace fs = std::filesystem;

namespace {

std::string Q(const fs::path& p) { return "'" + p.string() + "'"; }

constexpr const char* kSettimane[] = {"050115", "120115", "190115", "260115",
                                      "020215", "090215", "160215", "230215"};
constexpr int kNumeroSettimane = 8;

// Eight weeks of Serie A and Serie B. In Serie A the event with the largest
// P(1), the smallest P(2), the largest equity and the largest odds of '1' is
// the same one (P 60/20/20 at 2.00): it wins '1' in the first six weeks and
// draws in the last two; the other five always end '2'. Serie B's two events
// end by a fixed rotation, for the other signs.
void ScriviArchivio(const fs::path& cartellaBookmaker) {
    fs::create_directories(cartellaBookmaker);
    std::vector<std::string> nomi;
    for (int w = 0; w < kNumeroSettimane; ++w) {
        auto m = std::make_unique<ScommessaMgr>();
        const std::string s = std::to_string(w);
        ASSERT_TRUE(m->AggiungiEvento(0, 10, "Casa" + s, "Ospite" + s, {2.0f, 3.5f, 4.0f, 0, 0, 0},
                                      0.60f, 0.20f, 0.20f));
        const float p2[] = {0.25f, 0.26f, 0.27f, 0.30f, 0.40f};
        for (int i = 0; i < 5; ++i)
            ASSERT_TRUE(m->AggiungiEvento(0, 10, "Squadra" + s + std::to_string(i),
                                          "Altra" + s + std::to_string(i), {1.9f, 3.4f, 3.8f, 0, 0, 0},
                                          0.75f - p2[i], 0.25f, p2[i]));
        ASSERT_TRUE(m->AggiungiEvento(1, 10, "Bcasa" + s, "Bospite" + s, {2.6f, 3.1f, 2.9f, 0, 0, 0},
                                      0.35f, 0.33f, 0.32f));
        ASSERT_TRUE(m->AggiungiEvento(1, 10, "Bprima" + s, "Bseconda" + s, {2.2f, 4.0f, 3.3f, 0, 0, 0},
                                      0.42f, 0.30f, 0.28f));
        m->eventi[0].esito = w < 6 ? '1' : 'X';
        for (int i = 1; i < 6; ++i)
            m->eventi[static_cast<std::size_t>(i)].esito = '2';
        m->eventi[6].esito = "1X2-"[w % 4];
        m->eventi[7].esito = "X12"[w % 3];
        ASSERT_TRUE(ScriviFileAtomico(cartellaBookmaker / (std::string(kSettimane[w]) + ".txt"),
                                      TestoSettimana(*m)));
        nomi.emplace_back(kSettimane[w]);
    }
    ASSERT_TRUE(ScriviFileAtomico(cartellaBookmaker / kFileSettimane, TestoRiepilogo(nomi)));
}

struct Stampato {
    std::vector<std::string> vincitori;
    std::string ultima;
};

Stampato Dividi(const std::string& testo) {
    Stampato e;
    e.vincitori = Righe(testo);
    if (!e.vincitori.empty()) {
        e.ultima = e.vincitori.back();
        e.vincitori.pop_back();
    }
    return e;
}

bool UltimaRigaValida(const std::string& riga) {
    return std::regex_match(riga, std::regex("candidati=[1-9][0-9]* secondi=[0-9]+\\.[0-9]"));
}

class RapportoMuto : public IRapportoRicerca {
public:
    void Campionato(const std::string&) override {}
    void Pronostico(const std::string&) override {}
    void Svuota() override {}
    void Aggiungi(const std::string&) override {}
};

} // namespace

// Sign '1', one event, the three ranking groups, the last two weeks kept for
// the check: every group finds the winning event (+100% in the six weeks
// searched) and the check shows it losing in the two later ones. The text
// file, the HTML page and the strategies are written.
TEST(RicercaStrategieCli, VincitoriVerificaTestoEStrategie) {
    CartellaTemporanea dir;
    const fs::path lavoro = dir / "w";
    const fs::path snai = lavoro / kCartellaEsportate / "SNAI";
    ScriviArchivio(snai);
    const fs::path tsv = dir / "tutte.tsv";
    const Uscita u = EseguiCli("ricerca-strategie --cartella " + Q(lavoro) +
                               " --bookmaker snai --dal 050115 --segni 1 --ordinamenti PEQ --eventi 1 "
                               "--campionati A --verifica-dal 160215 --thread 2 --tsv " + Q(tsv) +
                               " --html --salva-strategie");
    ASSERT_EQ(u.codice, 0) << u.errori;
    const Stampato e = Dividi(u.testo);
    EXPECT_TRUE(UltimaRigaValida(e.ultima)) << e.ultima;
    ASSERT_EQ(e.vincitori.size(), 3u) << u.testo;
    const std::string cifre = ": rendimento +100.0%, vincenti 6 su 6 (100.0%), giocabili 6 su 6 "
                              "(100.0%), ritardo max 0; P1 ";
    const std::string verifica =
        " | verifica: rendimento -100.0%, vincenti 0 su 2 (0.0%), giocabili 2 su 2 (100.0%)";
    const char* etichette[] = {"Max.P", "Max.E", "Max.Q"};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string& r = e.vincitori[i];
        EXPECT_EQ(r.rfind(std::string("'1' [A] Singola n.1 ") + etichette[i] + cifre, 0), 0u) << r;
        ASSERT_GE(r.size(), verifica.size());
        EXPECT_EQ(r.substr(r.size() - verifica.size()), verifica) << r;
    }

    // The text file: its header, and the improvements ending with the best.
    const auto testo = LeggiFile(tsv);
    ASSERT_TRUE(testo) << u.errori;
    const auto righe = Righe(*testo);
    ASSERT_GE(righe.size(), 4u);
    EXPECT_EQ(righe[0], "ORDINAMENTO\tSERIE INCLUSE\tRENDIMENTO\tRITARDO MAX.\tSETTIMANE VINCENTI\t"
                        "% SETT.VINCENTI\tSETTIMANE TOTALI\t% SETT.TOTALI\tMIN P1\tMAX P1\tMIN PX\t"
                        "MAX PX\tMIN P2\tMAX P2\tMIN E\tMAX E\tMIN Q\tMAX Q");
    for (const std::string gruppo : {"MAX.PROB.", "EQUITA'", "QUOTE"}) {
        const std::string migliore = gruppo + "\tA \t100.0%\t0\t6\t100.0%\t6\t100.0%\t";
        EXPECT_TRUE(std::any_of(righe.begin(), righe.end(),
                                [&](const std::string& r) { return r.rfind(migliore, 0) == 0; }))
            << migliore;
    }

    // The HTML page in QUOTE-ESPORTATE, the three strategies in the folder.
    bool pagina = false;
    for (const auto& f : fs::directory_iterator(lavoro / kCartellaEsportate))
        pagina |= f.path().filename().string().rfind("RicercaStrategie-SNAI-", 0) == 0 &&
                  f.path().extension() == ".htm";
    EXPECT_TRUE(pagina) << u.errori;
    auto dati = std::make_unique<DatiGlobali>();
    ASSERT_TRUE(CaricaDati(*dati, lavoro));
    std::vector<int> ordinamenti;
    for (const CStrategiaDesc& s : dati->strategie.strategie)
        if (s.daRicerca && s.bookmaker == 4 && s.segnoRicerca == '1' && s.tipoGiocata == 0)
            ordinamenti.push_back(s.ordinamento);
    std::sort(ordinamenti.begin(), ordinamenti.end());
    EXPECT_EQ(ordinamenti, (std::vector<int>{0, 2, 3}));
}

// Every other option reaches the search: the terminal's lines are those of the
// same search run here. A text file that cannot be created is reported with
// exit code 1 and the winners are printed all the same.
TEST(RicercaStrategieCli, OpzioniComeLaRicerca) {
    CartellaTemporanea dir;
    const fs::path lavoro = dir / "w";
    ScriviArchivio(lavoro / kCartellaEsportate / "ALTROBOOKMAKER");
    const fs::path tsv = dir / "manca" / "tutte.tsv";
    const Uscita u = EseguiCli(
        "ricerca-strategie --cartella " + Q(lavoro) +
        " --bookmaker 'Altro Bookmaker' --dal 120115 --segni X --ordinamenti QE --criterio frequenza "
        "--eventi 2 --min-utili 25 --min-vincenti 10,20,10,5,0,0,5,50,65,30,15,25 --campionati B,A "
        "--uniti --thread 1 --tsv " + Q(tsv));
    EXPECT_EQ(u.codice, 1) << u.errori;
    EXPECT_FALSE(u.errori.empty());
    EXPECT_FALSE(fs::exists(tsv));
    const Stampato e = Dividi(u.testo);
    EXPECT_TRUE(UltimaRigaValida(e.ultima)) << e.ultima;

    ParametriRicerca p;
    p.bookmaker = 5;
    p.dataInizio = {12, 1, 2015};
    p.segni = {false, true, false};
    p.ordinamenti = {false, false, true, true};
    p.maxRendimento = false;
    p.eventiDaConsiderare = 2;
    p.minSettimaneUtili = 25;
    p.minSettimaneVincenti = {10, 20, 10, 5, 0, 0, 5, 50, 65, 30, 15, 25};
    p.inclusi.fill(false);
    p.inclusi[0] = p.inclusi[1] = true;
    p.distinti = false;
    p.salvaStrategie = false;
    p.thread = 1;
    ListaStrategie strategie;
    std::int32_t prossimo = 0;
    RapportoMuto rapporto;
    std::atomic<bool> fermo{false};
    ContestoLavoro contesto(fermo, {});
    const EsitoRicercaStrategie atteso =
        CercaStrategie(p, lavoro, strategie, prossimo, DataOra{}, rapporto, contesto);
    ASSERT_FALSE(atteso.vincitori.empty());
    EXPECT_TRUE(std::any_of(atteso.vincitori.begin(), atteso.vincitori.end(),
                            [](const VincitoreRicerca& v) { return v.vincenti > 0; }));
    std::vector<std::string> righe;
    for (const VincitoreRicerca& v : atteso.vincitori)
        righe.push_back(RigaVincitore(v));
    EXPECT_EQ(e.vincitori, righe);
    EXPECT_EQ(e.ultima.substr(0, e.ultima.find(' ')), "candidati=" + std::to_string(atteso.candidati));
}

// Wrong options: a message naming the fault, exit code 2, nothing printed or
// written.
TEST(RicercaStrategieCli, OpzioniErrate) {
    CartellaTemporanea dir;
    const fs::path lavoro = dir / "w";
    const fs::path snai = lavoro / kCartellaEsportate / "SNAI";
    ScriviArchivio(snai);
    const std::string base = "ricerca-strategie --cartella " + Q(lavoro) + " ";
    const fs::path tsv = dir / "t.tsv";
    const struct {
        std::string opzioni, cenno;
    } casi[] = {
        {"--dal 050115", "--bookmaker"},
        {"--bookmaker SNAI", "--dal"},
        {"--bookmaker NESSUNO --dal 050115", "NESSUNO"},
        {"--bookmaker SNAI --dal 320115", "320115"},
        {"--bookmaker SNAI --dal 050115 --segni 1Y", "--segni"},
        {"--bookmaker SNAI --dal 050115 --segni 11", "--segni"},
        {"--bookmaker SNAI --dal 050115 --ordinamenti PX", "--ordinamenti"},
        {"--bookmaker SNAI --dal 050115 --criterio massimo", "--criterio"},
        {"--bookmaker SNAI --dal 050115 --eventi 7", "--eventi"},
        {"--bookmaker SNAI --dal 050115 --min-utili 33", "--min-utili"},
        {"--bookmaker SNAI --dal 050115 --min-vincenti 50,25,10", "--min-vincenti"},
        {"--bookmaker SNAI --dal 050115 --min-vincenti 50,25,10,5,0,0,75,50,65,30,15,x", "--min-vincenti"},
        {"--bookmaker SNAI --dal 050115 --campionati A,ZZ", "ZZ"},
        {"--bookmaker SNAI --dal 050115 --thread due", "--thread"},
        {"--bookmaker SNAI --dal 050115 --verifica-dal 050115", "--verifica-dal"},
        {"--bookmaker SNAI --dal 050115 --tsv " + Q(tsv) + " --salva", "--salva"},
        {"--bookmaker SNAI --dal 050115 --eventi", "--eventi"},
    };
    const auto prima = LeggiFile(snai / kFileSettimane);
    for (const auto& c : casi) {
        const Uscita u = EseguiCli(base + c.opzioni);
        EXPECT_EQ(u.codice, 2) << c.opzioni << "\n" << u.errori;
        EXPECT_NE(u.errori.find(c.cenno), std::string::npos) << c.opzioni << "\n" << u.errori;
        EXPECT_TRUE(u.testo.empty()) << c.opzioni;
    }
    EXPECT_FALSE(fs::exists(tsv));
    EXPECT_EQ(LeggiFile(snai / kFileSettimane), prima);
}
