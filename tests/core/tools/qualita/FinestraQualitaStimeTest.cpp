// The logic of "Qualità delle Stime" without widgets: seasons offered, odds
// loaded or refused, the walk run as a job and shown as rows, diagram points
// and report, and the model choice reaching the championship and the shell.
#include "tools/qualita/FinestraQualitaStime.h"

#include "platform/Lavori.h"
#include "tools/stagioni/EtichettaStagione.h"

#include "LegaSintetica.h"
#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace veltra;
using namespace veltra::test;

namespace {

// The committed odds fixtures beside this file (found from the resources,
// which the build names with an absolute path, whatever the working folder).
const std::filesystem::path kQui = std::filesystem::path(VELTRA_RESOURCES_DIR) / ".." / "tests" / "core" / "tools" / "qualita";

struct Fissaggio {
    DatiCampionati dati;
    MessaggiRegistrati msg;
    EsecutoreSincrono esecutore;
    Fissaggio() { LegaSintetica::Riempi(dati.campionato(0), 5, 1961); }
    FinestraQualitaStime Logica() {
        return FinestraQualitaStime(dati, [](const std::string& n) {
            return n == "Alfa FC" ? std::string("Alfa") : n;
        });
    }
};

} // namespace

TEST(FinestraQualitaStime, StagioniOfferteEScelteIniziali) {
    Fissaggio f;
    auto l = f.Logica();
    EXPECT_EQ(l.titolo(), "VELTRA - Serie A. Qualità delle Stime");
    EXPECT_EQ(l.stagioni(), (std::vector<std::string>{"1961-62", "1962-63", "1963-64", "1964-65", "1965-66"}));
    // The last season may be under way: the four before it.
    EXPECT_EQ(l.alPredefinito(), 3);
    EXPECT_EQ(l.dalPredefinito(), 0);
    EXPECT_TRUE(l.righe().empty());
    EXPECT_EQ(l.testoQuote(), "Nessun file di quote");
    EXPECT_NE(l.rapporto().find("Nessun file di quote"), std::string::npos);
}

TEST(FinestraQualitaStime, CalcolaRiempieTabellaEDiagramma) {
    Fissaggio f;
    auto l = f.Logica();
    ASSERT_TRUE(l.CaricaQuote({(kQui / "quote-lega.csv").string()}, f.msg));
    EXPECT_EQ(l.testoQuote(), "1 file di quote, 6 righe");
    // A backwards range is refused with a message, nothing run.
    int finiti = 0;
    EXPECT_FALSE(l.Calcola(3, 2, ModelloStime::Rating, f.esecutore, f.msg, [&] { ++finiti; }));
    EXPECT_EQ(f.msg.testi(), std::vector<std::string>{"La prima stagione viene dopo l'ultima."});
    EXPECT_EQ(finiti, 0);

    ASSERT_TRUE(l.Calcola(2, 4, ModelloStime::Rating, f.esecutore, f.msg, [&] { ++finiti; }));
    EXPECT_EQ(finiti, 1);
    EXPECT_FALSE(l.inCorso());
    ASSERT_TRUE(l.risultato());
    const auto righe = l.righe();
    ASSERT_EQ(righe.size(), 4u);
    EXPECT_EQ(righe[0][0], "1963-64");
    EXPECT_EQ(righe[3][0], "Totale");
    // Three seasons of 56 matches, every one estimated by the rating model.
    EXPECT_EQ(righe[3][1], "168");
    EXPECT_EQ(righe[3][2], "0");
    EXPECT_EQ(righe[0][1], "56");
    const double rps = std::stod(righe[3][3]);
    EXPECT_GT(rps, 0.1);
    EXPECT_LT(rps, 0.3);
    EXPECT_EQ(righe[3][3], FormattaTesto("%.4f", l.risultato()->totale.modello.Rps()));

    // Every estimated match falls in one class per sign.
    const DiagrammaQualita d = l.diagramma();
    for (int s = 0; s < 3; ++s) {
        ASSERT_FALSE(d.punti[static_cast<std::size_t>(s)].empty()) << s;
        long n = 0;
        for (const auto& c : l.risultato()->affidabilita.classi[s]) n += c.n;
        EXPECT_EQ(n, 168) << s;
        for (const auto& [x, y] : d.punti[static_cast<std::size_t>(s)]) {
            EXPECT_GE(x, 0);
            EXPECT_LE(x, 1);
            EXPECT_GE(y, 0);
            EXPECT_LE(y, 1);
        }
    }
    EXPECT_NE(d.conteggi.find("Segno X: "), std::string::npos);
    // The odds rows are all outside the seasons walked or not matched: the
    // report accounts for each of the six.
    const std::string r = l.rapporto();
    EXPECT_EQ(r.rfind("Quote: 6 righe, ", 0), 0u) << r;
}

TEST(FinestraQualitaStime, QuoteIllegibiliLascianoQuelleDiPrima) {
    Fissaggio f;
    auto l = f.Logica();
    ASSERT_TRUE(l.CaricaQuote({(kQui / "quote-lega.csv").string()}, f.msg));
    CartellaTemporanea dir;
    const auto senzaQuote = dir.percorso() / "senza.csv";
    ScriviTesto(senzaQuote, "Div,Date,HomeTeam,AwayTeam,FTHG\n");
    for (const std::string& file : {senzaQuote.string(), (dir.percorso() / "assente.csv").string()}) {
        f.msg.mostrati.clear();
        EXPECT_FALSE(l.CaricaQuote({(kQui / "quote-extra.csv").string(), file}, f.msg));
        ASSERT_EQ(f.msg.mostrati.size(), 1u);
        EXPECT_NE(f.msg.testi()[0].find(file), std::string::npos) << f.msg.testi()[0];
        EXPECT_EQ(l.testoQuote(), "1 file di quote, 6 righe");
    }
}

TEST(FinestraQualitaStime, IlModelloInUsoRaggiungeCampionatoEShell) {
    Fissaggio f;
    auto l = f.Logica();
    std::vector<AvvisoCambiamento> avvisi;
    auto iscrizione = f.dati.notifiche.Iscrivi([&](const AvvisoCambiamento& a) { avvisi.push_back(a); });
    EXPECT_EQ(l.modelloInUso(), ModelloStime::Motore);
    l.ScegliModelloInUso(ModelloStime::Motore); // no change, no news
    EXPECT_TRUE(avvisi.empty());
    EXPECT_EQ(f.dati.datiModificati, 0);
    l.ScegliModelloInUso(ModelloStime::Rating);
    EXPECT_EQ(f.dati.campionato(0).modello, ModelloStime::Rating);
    EXPECT_EQ(l.modelloInUso(), ModelloStime::Rating);
    EXPECT_EQ(f.dati.datiModificati, 1);
    ASSERT_EQ(avvisi.size(), 1u);
    EXPECT_EQ(avvisi[0].cosa, Cambiamento::Analisi);
    EXPECT_EQ(avvisi[0].campionato, 0);
}
