// The archive of weeks: results found in the championships' data, the week
// file's exact text, "Settimane.txt" in date order, the checks on the
// export path, the export as one save, and the weeks read back.
#include "Supporto.h"
#include "betting/ArchivioSettimane.h"
#include "betting/ScommessaMgr.h"
#include "dati/Campionato.h"
#include "dati/DatiCampionati.h"
#include "dati/FileAtomico.h"
#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <memory>

using namespace veltra;
using veltra::test::CartellaTemporanea;
namespace fs = std::filesystem;

namespace {

std::unique_ptr<ScommessaMgr> DueEventi() {
    auto m = std::make_unique<ScommessaMgr>();
    EXPECT_TRUE(m->AggiungiEvento(0, 3, "Inter", "Milan", {2.0f, 3.25f, 4.0f, 0, 0, 0}, 0.5f, 0.3f,
                                  0.2f, "12/01/2002"));
    EXPECT_TRUE(m->AggiungiEvento(1, 0, "Bari", "Lecce", {2.5f, 3.0f, 2.8f, 0, 0, 0}, 0.4f, 0.3f, 0.3f));
    m->eventi[0].esito = '1';
    m->eventi[1].esito = '-';
    return m;
}

std::string Leggi(const fs::path& p) { return LeggiFile(p).value_or("<assente>"); }

} // namespace

TEST(ArchivioSettimane, TestoDellaSettimana) {
    auto m = DueEventi();
    // Calculated doubles: 1X = 2*3.25/5.25, 12 = 2*4/6, X2 = 3.25*4/7.25, with
    // probabilities 0.8, 0.7, 0.5 and their products as equities.
    const std::string atteso =
        "1\t0\tInter\tMilan\t2.000000\t3.250000\t4.000000\t0.500000\t0.300000\t0.200000\t1.000000\t"
        "0.975000\t0.800000\t0.000000\t0.000000\t0.000000\t0.000000\t0.000000\t0.000000\t0.000000\t"
        "0.000000\t0.000000\t1.238095\t1.333333\t1.793103\t0.800000\t0.700000\t0.500000\t0.990476\t"
        "0.933333\t0.896552\t12/01/2002\n"
        "-\t1\tBari\tLecce\t2.500000";
    const std::string testo = TestoSettimana(*m);
    EXPECT_EQ(testo.substr(0, atteso.size()), atteso);
    // Read back: every field, the result and the date.
    std::array<bool, kNumeroCampionati> tutti{};
    tutti.fill(true);
    int scartate = -1;
    const auto eventi = LeggiSettimana(testo, tutti, &scartate);
    ASSERT_EQ(eventi.size(), 2u);
    EXPECT_EQ(scartate, 0);
    EXPECT_EQ(eventi[0].casa, "Inter");
    EXPECT_EQ(eventi[0].esito, '1');
    EXPECT_EQ(eventi[1].esito, '-');
    EXPECT_EQ(eventi[0].data, "12/01/2002");
    for (int k = 0; k < kVociQuota; ++k) {
        EXPECT_NEAR(eventi[0].quote[k], m->eventi[0].quote[k], 1e-6) << k;
        EXPECT_NEAR(eventi[0].equita[k], m->eventi[0].equita[k], 1e-6) << k;
    }
    // The championship mask, and damaged lines left out and counted.
    std::array<bool, kNumeroCampionati> soloB{};
    soloB[1] = true;
    EXPECT_EQ(LeggiSettimana(testo, soloB).size(), 1u);
    const std::string guasto = "1\t0\tInter\tMilan\t2.0\n" + testo.substr(0, testo.find('\n') + 1) +
                               "Z" + testo.substr(1, testo.find('\n')) +
                               "1\t0\tA\tB" + std::string(27, '\t') + "\tx\n";
    EXPECT_EQ(LeggiSettimana(guasto, tutti, &scartate).size(), 1u);
    EXPECT_EQ(scartate, 3);
}

TEST(ArchivioSettimane, NomiERiepilogo) {
    struct Nome {
        const char* nome;
        bool valido;
    } nomi[] = {{"311205", true}, {"010100", true}, {"31125", false}, {"321205", false},
                {"011305", false}, {"000105", false}, {"01a105", false}, {"0101055", false},
                {"290224", true}, {"290200", true}, {"290223", false}, {"300224", false},
                {"310424", false}, {"300424", true}};
    for (const Nome& n : nomi)
        EXPECT_EQ(DataDaNome(n.nome).has_value(), n.valido) << n.nome;

    struct Inserimento {
        const char* cosa;
        std::vector<std::string> prima;
        std::string nuova;
        std::vector<std::string> dopo;
    } casi[] = {
        {"in mezzo", {"080102", "220102"}, "150102", {"080102", "150102", "220102"}},
        {"in coda", {"080102"}, "150102", {"080102", "150102"}},
        {"in testa, anno dopo", {"010103"}, "311202", {"311202", "010103"}},
        {"gia' presente: una volta sola", {"080102", "150102"}, "080102", {"080102", "150102"}},
        {"ripetute nella lista: tolte", {"080102", "080102", "150102", "080102"}, "220102",
         {"080102", "150102", "220102"}},
        {"lista vuota", {}, "080102", {"080102"}},
    };
    for (const Inserimento& c : casi) {
        const auto dopo = InserisciSettimana(c.prima, c.nuova);
        EXPECT_EQ(dopo, c.dopo) << c.cosa;
        EXPECT_EQ(LeggiRiepilogo(TestoRiepilogo(dopo)), dopo) << c.cosa;
    }
    std::vector<std::string> ripetute = {"150102", "080102", "150102", "080102", "150102", "220102"};
    EXPECT_EQ(TogliSettimaneRipetute(ripetute), (std::vector<std::string>{"150102", "080102"}));
    EXPECT_EQ(ripetute, (std::vector<std::string>{"150102", "080102", "220102"}));
    EXPECT_EQ(TestoRiepilogo({"080102", "150102"}), "2 \n080102 \n150102 \n");
    EXPECT_EQ(LeggiRiepilogo("0"), std::vector<std::string>{});
    for (const char* guasto : {"", "x", "2 \n080102 \n", "1 \n321205 \n", "1 \nabc \n", "-1"}) {
        std::string errore;
        EXPECT_FALSE(LeggiRiepilogo(guasto, &errore)) << guasto;
        EXPECT_FALSE(errore.empty()) << guasto;
    }
    EXPECT_EQ(PercorsoPiattaforma("QUOTE-ESPORTATE\\SNAI\\311205.txt"),
              fs::path("QUOTE-ESPORTATE/SNAI/311205.txt"));
}

TEST(ArchivioSettimane, ControlliDelPercorso) {
    CartellaTemporanea dir;
    const fs::path radice = dir / "QUOTE-ESPORTATE";
    fs::create_directories(radice / "SNAI");
    fs::create_directories(radice / "VUOTA");
    ASSERT_TRUE(ScriviFileAtomico(radice / "SNAI" / "Settimane.txt", "0"));
    struct Caso {
        fs::path percorso;
        const char* contiene; // "" = accepted
    } casi[] = {
        {radice / "SNAI" / "311205.txt", ""},
        {radice / "SNAI" / "311205.TXT", ""},
        {radice / "SNAI" / "31125.txt", "(GGMMAA)"},
        {radice / "SNAI" / "321205.txt", "data valida"},
        {radice / "SNAI" / "311205.csv", "estensione .txt"},
        {radice / "311205.txt", "all'interno di"},
        {dir / "altrove" / "311205.txt", "all'interno di"},
        {radice / "VUOTA" / "311205.txt", "all'interno di"}, // no Settimane.txt
        {radice / "SNAI" / ".." / ".." / "311205.txt", "all'interno di"},
    };
    for (const Caso& c : casi) {
        const std::string m = ControllaPercorsoEsportazione(radice, c.percorso);
        if (*c.contiene == '\0')
            EXPECT_EQ(m, "") << c.percorso;
        else
            EXPECT_NE(m.find(c.contiene), std::string::npos) << c.percorso << ": " << m;
    }
}

namespace {
int gOperazioni = 0, gFallisciA = 0;
bool Osserva(OperazioneFile, const fs::path&) { return ++gOperazioni != gFallisciA; }
struct FineOsservazione {
    ~FineOsservazione() { ImpostaOsservatoreOperazioni(nullptr); }
};
} // namespace

TEST(ArchivioSettimane, EsportazioneInUnSoloSalvataggio) {
    auto m = DueEventi();
    auto prepara = [](const CartellaTemporanea& dir) {
        const fs::path snai = dir / "SNAI";
        fs::create_directories(snai);
        EXPECT_TRUE(ScriviFileAtomico(snai / "Settimane.txt", "2 \n080102 \n220102 \n"));
        return snai;
    };
    // The whole export once, counting its file operations.
    FineOsservazione fine;
    int operazioni = 0;
    {
        CartellaTemporanea dir;
        const fs::path snai = prepara(dir);
        gOperazioni = 0, gFallisciA = 0;
        ImpostaOsservatoreOperazioni(&Osserva, false);
        ASSERT_EQ(EsportaSettimana(snai / "150102.txt", *m), "");
        operazioni = gOperazioni;
        ImpostaOsservatoreOperazioni(nullptr);
        EXPECT_EQ(Leggi(snai / "Settimane.txt"), "3 \n080102 \n150102 \n220102 \n");
        EXPECT_EQ(Leggi(snai / "150102.txt"), TestoSettimana(*m));
        // Again: the week file rewritten, the week still listed once.
        ASSERT_EQ(EsportaSettimana(snai / "150102.txt", *m), "");
        EXPECT_EQ(Leggi(snai / "Settimane.txt"), "3 \n080102 \n150102 \n220102 \n");
    }
    ASSERT_GT(operazioni, 2);
    // Each operation failing in turn: both files new, or both as before.
    for (int k = 1; k <= operazioni; ++k) {
        CartellaTemporanea dir;
        const fs::path snai = prepara(dir);
        gOperazioni = 0, gFallisciA = k;
        ImpostaOsservatoreOperazioni(&Osserva, false);
        const std::string e = EsportaSettimana(snai / "150102.txt", *m);
        ImpostaOsservatoreOperazioni(nullptr);
        const std::string riepilogo = Leggi(snai / "Settimane.txt");
        if (e.empty()) {
            EXPECT_EQ(riepilogo, "3 \n080102 \n150102 \n220102 \n") << k;
            EXPECT_EQ(Leggi(snai / "150102.txt"), TestoSettimana(*m)) << k;
        } else {
            EXPECT_EQ(riepilogo, "2 \n080102 \n220102 \n") << k << ": " << e;
            EXPECT_FALSE(fs::exists(snai / "150102.txt")) << k;
        }
    }
    // A damaged summary stops the export before anything is written.
    CartellaTemporanea dir;
    const fs::path snai = dir / "SNAI";
    fs::create_directories(snai);
    ASSERT_TRUE(ScriviFileAtomico(snai / "Settimane.txt", "2 \n080102 \nabcdef \n"));
    EXPECT_NE(EsportaSettimana(snai / "150102.txt", *m).find("file di riepilogo"), std::string::npos);
    EXPECT_FALSE(fs::exists(snai / "150102.txt"));
}

TEST(ArchivioSettimane, CaricaSettimaneDalEMaschera) {
    CartellaTemporanea dir;
    auto m = DueEventi();
    std::array<bool, kNumeroCampionati> tutti{};
    tutti.fill(true);
    ASSERT_TRUE(ScriviFileAtomico(dir / "Settimane.txt", "3 \n080102 \n150102 \n220102 \n"));
    ASSERT_TRUE(ScriviFileAtomico(dir / "080102.txt", TestoSettimana(*m)));
    ASSERT_TRUE(ScriviFileAtomico(dir / "150102.TXT", TestoSettimana(*m))); // any case, as exported
    // 220102.txt is missing: reported, not fatal.
    auto a = CaricaSettimane(dir.percorso(), *DataDaNome("100102"), tutti);
    ASSERT_TRUE(a);
    ASSERT_EQ(a->settimane.size(), 1u);
    EXPECT_EQ(a->settimane[0].nome, "150102");
    EXPECT_EQ(a->avvisi.size(), 1u);
    // Weeks with no event in the mask are dropped.
    std::array<bool, kNumeroCampionati> soloC1{};
    soloC1[2] = true;
    a = CaricaSettimane(dir.percorso(), *DataDaNome("010101"), soloC1);
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->settimane.empty());
    // After the last week: nothing.
    a = CaricaSettimane(dir.percorso(), *DataDaNome("010103"), tutti);
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->settimane.empty());
    // A summary that lists a week twice (older versions did): read once, said.
    ASSERT_TRUE(ScriviFileAtomico(dir / "Settimane.txt", "4 \n080102 \n150102 \n080102 \n150102 \n"));
    ASSERT_TRUE(ScriviFileAtomico(dir / "080102.txt", TestoSettimana(*m)));
    a = CaricaSettimane(dir.percorso(), *DataDaNome("010101"), tutti);
    ASSERT_TRUE(a);
    ASSERT_EQ(a->settimane.size(), 2u);
    EXPECT_EQ(a->settimane[0].nome, "080102");
    EXPECT_EQ(a->settimane[1].nome, "150102");
    EXPECT_EQ(a->avvisi, (std::vector<std::string>{
                             "Settimane.txt: la settimana 080102 era elencata piu' volte: letta una volta sola",
                             "Settimane.txt: la settimana 150102 era elencata piu' volte: letta una volta sola"}));
    // A summary naming a week that is no date is refused with the reason.
    ASSERT_TRUE(ScriviFileAtomico(dir / "Settimane.txt", "1 \n991399 \n"));
    std::string errore;
    EXPECT_FALSE(CaricaSettimane(dir.percorso(), *DataDaNome("010101"), tutti, &errore));
    EXPECT_NE(errore.find("991399"), std::string::npos);
}

TEST(RecuperaRisultati, DopoLaGiornataConCambioDiStagione) {
    auto dati = std::make_unique<DatiCampionati>();
    CCampionato& c = dati->campionato(0);
    ASSERT_EQ(AggiungiStagione(c, {"Inter", "Milan", "Roma"}), 0);
    ASSERT_EQ(AggiungiIncontro(c, 0, 1, '2'), 0); // before the week: not its result
    ASSERT_EQ(AggiungiStagione(c, {"Roma", "Inter", "Milan"}), 0);
    ASSERT_EQ(AggiungiIncontro(c, 1, 2, 'X'), 0); // Inter-Milan of the new season
    ASSERT_EQ(AggiungiIncontro(c, 0, 1, '1'), 0); // Roma-Inter
    auto m = std::make_unique<ScommessaMgr>();
    ASSERT_TRUE(m->AggiungiEvento(0, 2, "Inter", "Milan", {2, 3, 4, 0, 0, 0}, 0.5f, 0.3f, 0.2f));
    ASSERT_TRUE(m->AggiungiEvento(0, 2, "Roma", "Inter", {2, 3, 4, 0, 0, 0}, 0.5f, 0.3f, 0.2f));
    ASSERT_TRUE(m->AggiungiEvento(0, 2, "Milan", "Roma", {2, 3, 4, 0, 0, 0}, 0.5f, 0.3f, 0.2f));
    // The list: [separator, Inter-Milan 2, separator, Inter-Milan X, Roma-Inter 1];
    // giornata 2 skips the first season's match.
    m->giornata[0] = 2;
    test::MessaggiRegistrati si;
    si.risposte = {Risposta::Si};
    ASSERT_TRUE(RecuperaRisultati(*m, *dati, si));
    EXPECT_EQ(m->eventi[0].esito, 'X');
    EXPECT_EQ(m->eventi[1].esito, '1');
    EXPECT_EQ(m->eventi[2].esito, '-');
    ASSERT_EQ(si.testi().size(), 1u);
    EXPECT_EQ(si.testi()[0], "Il risultato di Milan-Roma non e' stato trovato.\nDesideri considerare "
                           "tale evento come nullo ?");
    // Starting after the separator: the names are still the new season's;
    // from the first season on, its own Inter-Milan comes first.
    m->giornata[0] = 3;
    si.risposte = {Risposta::Si};
    ASSERT_TRUE(RecuperaRisultati(*m, *dati, si));
    EXPECT_EQ(m->eventi[0].esito, 'X');
    m->giornata[0] = 1;
    si.risposte = {Risposta::Si};
    ASSERT_TRUE(RecuperaRisultati(*m, *dati, si));
    EXPECT_EQ(m->eventi[0].esito, '2');
    // No: everything stops with the message.
    test::MessaggiRegistrati no;
    no.risposte = {Risposta::No};
    EXPECT_FALSE(RecuperaRisultati(*m, *dati, no));
    ASSERT_EQ(no.testi().size(), 2u);
    EXPECT_EQ(no.testi()[1], kMessaggioInterrottoSenzaRisultato);
}

TEST(ArchivioSettimane, PiuSettimaneInUnSoloSalvataggio) {
    CartellaTemporanea dir;
    auto m = DueEventi();
    ASSERT_TRUE(ScriviFileAtomico(dir / "Settimane.txt", "1 \n150102 \n"));
    const std::string testo = TestoSettimana(*m);
    ASSERT_EQ(EsportaSettimane(dir.percorso(), {{"220102", testo}, {"080102", testo}, {"150102", testo}}),
              "");
    // Weeks in date order; one filed again keeps its one place.
    EXPECT_EQ(Leggi(dir / "Settimane.txt"), "3 \n080102 \n150102 \n220102 \n");
    for (const char* w : {"080102.txt", "150102.txt", "220102.txt"}) EXPECT_EQ(Leggi(dir / w), testo);
    // A failure at any operation: every file as before.
    ASSERT_TRUE(ScriviFileAtomico(dir / "Settimane.txt", "0"));
    for (const char* w : {"080102.txt", "150102.txt", "220102.txt"}) fs::remove(dir / w);
    static int conta, fallisci;
    for (fallisci = 1;; ++fallisci) {
        conta = 0;
        ImpostaOsservatoreOperazioni([](OperazioneFile, const fs::path&) { return ++conta != fallisci; },
                                     false);
        const std::string e = EsportaSettimane(dir.percorso(), {{"080102", testo}, {"150102", testo}});
        ImpostaOsservatoreOperazioni(nullptr);
        if (e.empty()) break;
        SCOPED_TRACE(fallisci);
        EXPECT_EQ(Leggi(dir / "Settimane.txt"), "0");
        EXPECT_FALSE(fs::exists(dir / "080102.txt"));
        EXPECT_FALSE(fs::exists(dir / "150102.txt"));
        // The message names the file that could not be written.
        EXPECT_NE(e.find(dir.percorso().string()), std::string::npos) << e;
    }
    EXPECT_GT(fallisci, 5);
    EXPECT_EQ(Leggi(dir / "Settimane.txt"), "2 \n080102 \n150102 \n");
}

TEST(ArchivioSettimane, RiepilogoMancanteODanneggiatoRicostruitoDaiFile) {
    auto m = DueEventi();
    const std::string testo = TestoSettimana(*m);
    struct Caso {
        const char* nome;
        std::optional<std::string> riepilogo; // nullopt: missing
        std::vector<std::string> settimane;   // week files present
        const char* atteso;
        bool messaggio, copia;
    } casi[] = {
        {"sano", "2 \n080102 \n150102 \n", {"080102", "150102", "220102"}, "2 \n080102 \n150102 \n", false, false},
        {"mancante in una cartella appena creata", std::nullopt, {}, "0", false, false},
        {"mancante", std::nullopt, {"220102", "080102"}, "2 \n080102 \n220102 \n", true, false},
        {"conteggio sbagliato", "3 \n080102 \n", {"080102", "150102"}, "2 \n080102 \n150102 \n", true, true},
        {"nome non data", "1 \nabcdef \n", {"150102"}, "1 \n150102 \n", true, true},
        {"vuoto", "", {}, "0", true, true},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        CartellaTemporanea dir;
        if (c.riepilogo) {
            ASSERT_TRUE(ScriviFileAtomico(dir / "Settimane.txt", *c.riepilogo));
        }
        for (const auto& w : c.settimane) ASSERT_TRUE(ScriviFileAtomico(dir / (w + ".txt"), testo));
        ScriviFileAtomico(dir / "leggimi.txt", "non una settimana");
        const EsitoRiepilogo e = RiparaRiepilogo(dir.percorso());
        ASSERT_TRUE(e.ok) << e.messaggio;
        EXPECT_EQ(Leggi(dir / "Settimane.txt"), c.atteso);
        EXPECT_EQ(!e.messaggio.empty(), c.messaggio) << e.messaggio;
        if (c.copia) {
            EXPECT_EQ(Leggi(dir / "Settimane.txt.danneggiato"), *c.riepilogo);
        } else {
            EXPECT_FALSE(fs::exists(dir / "Settimane.txt.danneggiato"));
        }
        // The archive can be filed into again.
        EXPECT_EQ(EsportaSettimana(dir / "010302.txt", *m), "");
    }
    // Not a file: left alone, and said.
    CartellaTemporanea dir;
    fs::create_directory(dir / "Settimane.txt");
    const EsitoRiepilogo e = RiparaRiepilogo(dir.percorso());
    EXPECT_FALSE(e.ok);
    EXPECT_NE(e.messaggio.find("cartella"), std::string::npos) << e.messaggio;
}
