// veltra-cli archivia-settimane and strategia: weeks of odds filed with their
// results into a bookmaker's archive, and a strategy's record over it.
#include "EseguiCli.h"
#include "betting/ArchivioSettimane.h"
#include "betting/FileQuote.h"
#include "betting/ScommessaMgr.h"
#include "dati/Campionato.h"
#include "dati/FileAtomico.h"
#include "dati/FileDati.h"
#include "dati/quote/LeggiQuoteFootballData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>

using namespace veltra;
using namespace veltra::test;
namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> Campi(const std::string& riga) {
    std::map<std::string, std::string> m;
    std::istringstream in(riga);
    std::string t;
    while (in >> t)
        if (const auto u = t.find('='); u != std::string::npos) m[t.substr(0, u)] = t.substr(u + 1);
    return m;
}

std::string Q(const fs::path& p) { return "'" + p.string() + "'"; }

} // namespace

// The shipped data's last Serie A match as a week's only known event, beside
// an event of unknown teams (made void) and a file whose name is no date.
TEST(ArchiviaSettimaneCli, RisultatiNulliENomiRifiutati) {
    auto dati = std::make_unique<DatiGlobali>();
    ASSERT_TRUE(CaricaFileCampionati(*dati, VELTRA_RESOURCES_DIR "/dati"));
    const CCampionato& a = dati->campionato(0);
    int ultimo = a.incontri.numero() - 1;
    while (ultimo >= 0 && a.incontri[ultimo].separatore())
        --ultimo;
    ASSERT_GE(ultimo, 0);
    const Incontro inc = a.incontri[ultimo];
    const auto& nomi = a.squadreStagione(a.config.numeroStagioni()).nomi;
    auto m = std::make_unique<ScommessaMgr>();
    ASSERT_TRUE(m->AggiungiEvento(0, ultimo, nomi[static_cast<std::size_t>(inc.casa)],
                                  nomi[static_cast<std::size_t>(inc.trasferta)], {2, 3, 4, 0, 0, 0}, 0.5f,
                                  0.3f, 0.2f));
    ASSERT_TRUE(m->AggiungiEvento(0, ultimo, "Nessuno", "Mai", {2, 3, 4, 0, 0, 0}, 0.45f, 0.3f, 0.25f));

    CartellaTemporanea dir;
    fs::create_directories(dir / "quo");
    ASSERT_TRUE(ScriviFileAtomico(dir / "quo" / "150102.QUO", ScriviQuote(*m)));
    ASSERT_TRUE(ScriviFileAtomico(dir / "quo" / "settimana.QUO", ScriviQuote(*m)));
    const std::string cartella = "--cartella " + Q(dir / "w");
    Uscita u = EseguiCli("archivia-settimane " + cartella + " --quote " + Q(dir / "quo") +
                         " --bookmaker SNAI");
    ASSERT_EQ(u.codice, 0) << u.errori;
    auto campi = Campi(u.testo);
    EXPECT_EQ(campi["settimane"], "1");
    EXPECT_EQ(campi["eventi"], "2");
    EXPECT_EQ(campi["nulli"], "1");
    EXPECT_EQ(campi["rifiutate"], "1");
    EXPECT_NE(u.errori.find("settimana.QUO"), std::string::npos);
    const fs::path snai = dir / "w" / "QUOTE-ESPORTATE" / "SNAI";
    EXPECT_EQ(LeggiFile(snai / "Settimane.txt"), "1 \n150102 \n");
    const auto testo = LeggiFile(snai / "150102.txt");
    ASSERT_TRUE(testo);
    const auto righe = Righe(*testo);
    ASSERT_EQ(righe.size(), 2u);
    EXPECT_EQ(righe[0][0], inc.risultato);
    EXPECT_EQ(righe[1][0], '-');

    // A strategy on that archive: the known event, sign 1, one play.
    u = EseguiCli("strategia " + cartella +
                  " --nuova Prova --evento tipo=1,posizione=1,minProb1=0.4,campionati=A --giocata A");
    ASSERT_EQ(u.codice, 0) << u.errori;
    const std::string numero = Campi(u.testo)["numero"];
    u = EseguiCli("strategia " + cartella + " --numero " + numero + " --bookmaker SNAI --dal 010102");
    ASSERT_EQ(u.codice, 0) << u.errori;
    campi = Campi(u.testo);
    EXPECT_EQ(campi["settimane"], "1");
    // The known match ranks first (P(1) 0.5 against 0.45): sign 1 at odds 2.
    const bool vinta = inc.risultato == '1';
    EXPECT_EQ(campi["giocabili"], "1");
    EXPECT_EQ(campi["vincenti"], vinta ? "1" : "0");
    EXPECT_EQ(campi["rendimento"], vinta ? "100.0" : "-100.0");
    EXPECT_EQ(campi["max_ritardo"], vinta ? "0" : "1");
    EXPECT_EQ(campi["max_drawdown"], vinta ? "0.00" : "1.00");
    EXPECT_EQ(campi["intervallo"], vinta ? "100.0,100.0" : "-100.0,-100.0");

    // Bad usage: a clear message and exit code 2, nothing written.
    for (const std::string& riga :
         {"archivia-settimane " + cartella + " --quote " + Q(dir / "quo") + " --bookmaker NESSUNO",
          "archivia-settimane " + cartella,
          "strategia " + cartella + " --numero " + numero + " --dal 321299",
          "strategia " + cartella + " --nuova X --evento tipo=1 ",
          "strategia " + cartella + " --nuova X --evento tipo=1 --giocata B",
          "strategia " + cartella + " --nuova X --evento tipo=99 --giocata A"}) {
        u = EseguiCli(riga);
        EXPECT_EQ(u.codice, 2) << riga << "\n" << u.errori;
        EXPECT_FALSE(u.errori.empty()) << riga;
    }
    EXPECT_EQ(LeggiFile(snai / "Settimane.txt"), "1 \n150102 \n");

    // The same folder archived again: the week replaced, listed and counted once.
    u = EseguiCli("archivia-settimane " + cartella + " --quote " + Q(dir / "quo") + " --bookmaker SNAI");
    ASSERT_EQ(u.codice, 0) << u.errori;
    EXPECT_EQ(LeggiFile(snai / "Settimane.txt"), "1 \n150102 \n");
    const std::string record = "strategia " + cartella + " --numero " + numero + " --bookmaker SNAI --dal 010102";
    u = EseguiCli(record);
    ASSERT_EQ(u.codice, 0) << u.errori;
    EXPECT_EQ(Campi(u.testo)["settimane"], "1");
    // A summary that already lists it twice: counted once, with a warning;
    // the next archiving writes it back without the repeat.
    ASSERT_TRUE(ScriviFileAtomico(snai / "Settimane.txt", "2 \n150102 \n150102 \n"));
    u = EseguiCli(record);
    ASSERT_EQ(u.codice, 0) << u.errori;
    EXPECT_EQ(Campi(u.testo)["settimane"], "1");
    EXPECT_NE(u.errori.find("la settimana 150102 era elencata piu' volte"), std::string::npos) << u.errori;
    ASSERT_EQ(EseguiCli("archivia-settimane " + cartella + " --quote " + Q(dir / "quo") + " --bookmaker SNAI")
                  .codice,
              0);
    EXPECT_EQ(LeggiFile(snai / "Settimane.txt"), "1 \n150102 \n");

    // No week to read (an empty archive, or every week before the date): said, exit 1.
    for (const std::string& vuoto : {"strategia " + cartella + " --numero " + numero + " --bookmaker BETZONE",
                                     record.substr(0, record.size() - 6) + "010103"}) {
        u = EseguiCli(vuoto);
        EXPECT_EQ(u.codice, 1) << vuoto;
        EXPECT_TRUE(u.testo.empty()) << u.testo;
        EXPECT_NE(u.errori.find("nessuna settimana archiviata"), std::string::npos) << u.errori;
    }
}

// Only where the shared data are present (a user's clone has none): a real
// league file through importa-quote and archivia-settimane, every archived
// result checked against the result the odds file itself gives for the match
// of that date and those odds.
TEST(ArchiviaSettimaneCli, FileRealeRisultatiConcordi) {
    const fs::path fonte = VELTRA_RESOURCES_DIR "/../../shared/data/fdodds/Italy Serie A Geral.csv";
    std::error_code ec;
    if (!fs::is_regular_file(fonte, ec))
        GTEST_SKIP() << "dati condivisi assenti: " << fonte;
    CartellaTemporanea dir;
    const std::string cartella = "--cartella " + Q(dir / "w");
    Uscita u = EseguiCli("importa-quote " + cartella + " --destinazione " + Q(dir / "quo") + " " + Q(fonte));
    ASSERT_EQ(u.codice, 0) << u.errori;
    const int importate = std::stoi(Campi(u.testo)["settimane"]);
    ASSERT_GT(importate, 50);
    u = EseguiCli("archivia-settimane " + cartella + " --quote " + Q(dir / "quo"));
    ASSERT_EQ(u.codice, 0) << u.errori;
    EXPECT_EQ(std::stoi(Campi(u.testo)["settimane"]), importate);
    EXPECT_EQ(Campi(u.testo)["nulli"], "0");

    const auto csv = LeggiFile(fonte);
    ASSERT_TRUE(csv);
    const auto partite = LeggiQuoteFootballData(*csv);
    ASSERT_TRUE(partite);
    // Date and average odds of every match with a result.
    std::multimap<std::string, std::pair<std::array<double, 3>, char>> perData;
    for (const auto& p : partite->partite) {
        const auto q = ScegliQuote(p, "media");
        if (!q || p.risultato == '?') continue;
        char d[16];
        std::snprintf(d, sizeof d, "%02d/%02d/%04d", p.giorno, p.mese, p.anno);
        perData.emplace(d, std::make_pair(std::array<double, 3>{q->q1, q->qX, q->q2}, p.risultato));
    }
    const fs::path archivio = dir / "w" / "QUOTE-ESPORTATE" / "ALTROBOOKMAKER";
    const auto riepilogo = LeggiRiepilogo(LeggiFile(archivio / "Settimane.txt").value_or(""));
    ASSERT_TRUE(riepilogo);
    ASSERT_EQ(static_cast<int>(riepilogo->size()), importate);
    std::array<bool, kNumeroCampionati> tutti{};
    tutti.fill(true);
    int controllati = 0;
    long precedente = 0;
    for (const std::string& nome : *riepilogo) {
        const long chiave = DataDaNome(nome)->chiave();
        EXPECT_GE(chiave, precedente) << nome;
        precedente = chiave;
        const auto testo = LeggiFile(archivio / (nome + ".txt"));
        ASSERT_TRUE(testo) << nome;
        int scartate = 0;
        const auto eventi = LeggiSettimana(*testo, tutti, &scartate);
        EXPECT_EQ(scartate, 0) << nome;
        for (const Evento& e : eventi) {
            const auto [da, a] = perData.equal_range(e.data);
            int trovate = 0;
            char risultato = '?';
            for (auto it = da; it != a; ++it) {
                const auto& q = it->second.first;
                if (std::fabs(q[0] - e.quote[0]) < 1e-4 && std::fabs(q[1] - e.quote[1]) < 1e-4 &&
                    std::fabs(q[2] - e.quote[2]) < 1e-4) {
                    ++trovate;
                    risultato = it->second.second;
                }
            }
            if (trovate != 1) continue; // two matches of one day with the same odds
            EXPECT_EQ(e.esito, risultato) << nome << " " << e.casa << "-" << e.trasferta;
            ++controllati;
        }
    }
    EXPECT_GT(controllati, importate * 5);
}

// What a killed run leaves behind is put right by the next one: the odds
// folder of an importa-quote stopped after its journal, a bookmaker folder
// whose list of weeks was never written though a week file is there. Filing
// the same weeks again lists each once.
TEST(ArchiviaSettimaneCli, DopoUnaInterruzioneLArchivioSiRimetteInSesto) {
    auto m = std::make_unique<ScommessaMgr>();
    ASSERT_TRUE(m->AggiungiEvento(0, 0, "Nessuno", "Mai", {2, 3, 4, 0, 0, 0}, 0.45f, 0.3f, 0.25f));
    CartellaTemporanea dir;
    const fs::path quo = dir / "quo";
    fs::create_directories(quo);
    ASSERT_TRUE(ScriviFileAtomico(quo / "080102.QUO", ScriviQuote(*m)));
    // importa-quote killed after its journal: the second week still under
    // its temporary name, a third's temporary file from before the journal.
    ScriviTesto(quo / "150102.QUO.tmp-Ab12Cd", ScriviQuote(*m));
    ScriviTesto(quo / "220102.QUO.tmp-Zz99Yy", "mezzo");
    ScriviTesto(quo / kFileGiornale, "VELTRA giornale 1\navanti\n1\n150102.QUO\t150102.QUO.tmp-Ab12Cd\t\nfine\n");
    const fs::path snai = dir / "w" / "QUOTE-ESPORTATE" / "SNAI";
    fs::create_directories(snai);
    ASSERT_TRUE(ScriviFileAtomico(snai / "010102.txt", TestoSettimana(*m)));
    const std::string comando =
        "archivia-settimane --cartella " + Q(dir / "w") + " --quote " + Q(quo) + " --bookmaker SNAI";
    Uscita u = EseguiCli(comando);
    ASSERT_EQ(u.codice, 0) << u.errori;
    EXPECT_EQ(Campi(u.testo)["settimane"], "2") << u.testo;
    EXPECT_NE(u.errori.find("Settimane.txt"), std::string::npos) << u.errori;
    EXPECT_FALSE(fs::exists(quo / kFileGiornale));
    EXPECT_FALSE(fs::exists(quo / "220102.QUO.tmp-Zz99Yy"));
    EXPECT_TRUE(fs::exists(quo / "150102.QUO"));
    EXPECT_EQ(LeggiFile(snai / "Settimane.txt"), "3 \n010102 \n080102 \n150102 \n");
    u = EseguiCli(comando);
    ASSERT_EQ(u.codice, 0) << u.errori;
    EXPECT_EQ(LeggiFile(snai / "Settimane.txt"), "3 \n010102 \n080102 \n150102 \n");
}

// The temporary files a killed importa-quote left in its odds folder are gone
// after the next run, whatever that run imports.
TEST(ImportaQuoteCli, ITemporaneiDiUnaCorsaUccisaSonoRimossi) {
    CartellaTemporanea dir;
    const fs::path dest = dir / "quo";
    fs::create_directories(dest);
    ScriviTesto(dest / "060426.QUO.tmp-Ab12Cd", "a meta'");
    ScriviTesto(dest / "130426.QUO", "di prima");
    ScriviTesto(dir / "vuoto.csv", "Div,Date,HomeTeam,AwayTeam\n");
    const Uscita u = EseguiCli("importa-quote --cartella " + Q(dir / "w") + " --destinazione " + Q(dest) +
                               " " + Q(dir / "vuoto.csv"));
    EXPECT_EQ(u.codice, 0) << u.errori;
    EXPECT_FALSE(fs::exists(dest / "060426.QUO.tmp-Ab12Cd"));
    EXPECT_EQ(LeggiTesto(dest / "130426.QUO"), "di prima");
}
