#include "dati/FileDati.h"
#include "dati/GeneratoreStagioni.h"

#include "Supporto.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace veltra;
using namespace veltra::test;

TEST(FileDati, FormatoEsattoDelloScrittore) {
    DatiGlobali dati;
    CCampionato& c = dati.campionato(0);
    ASSERT_EQ(AggiungiStagione(c, {"Alfa", "Beta"}), 0);
    ASSERT_EQ(AggiungiIncontro(c, 0, 1, '1'), 0);
    ASSERT_EQ(AggiungiIncontro(c, 1, 0, 'X'), 0);
    EXPECT_EQ(ScriviTestoIncontri(c.incontri), "3 -1 -1 0 0 1 1 1 0 X ");
    EXPECT_EQ(ScriviTestoSquadre(c.config), "1 2 \nAlfa \nBeta \n");
}

TEST(FileDati, SalvaERileggeVocePerVoceEByteaByte) {
    CartellaTemporanea dir;
    auto dati = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 4;
    o.ultimaIncompleta = true;
    ASSERT_EQ(GeneraStagioni(dati->campionato(0), o), 0);
    ASSERT_EQ(AggiungiStagione(dati->campionato(0), {}), 0); // a season missing from the sources
    o.squadre = 37;
    o.stagioni = 2;
    ASSERT_EQ(GeneraStagioni(dati->campionato(2), o), 0);
    // A name with a character outside ASCII, kept exactly.
    ASSERT_EQ(AggiungiStagione(dati->campionato(8), {"M\xC3\xBCnchen", "K\xC3\xB6ln"}), 0);
    ASSERT_EQ(AggiungiIncontro(dati->campionato(8), 1, 0, '2'), 0);
    dati->datiModificati = 1;

    ASSERT_TRUE(SalvaFileCampionati(*dati, dir.percorso()));
    EXPECT_EQ(dati->datiModificati, 0);
    EXPECT_EQ(LeggiTesto(dir / "squadreGE.VLT"), "1 2 \nM\xFCnchen \nK\xF6ln \n");

    auto letti = std::make_unique<DatiGlobali>();
    const EsitoFile e = CaricaFileCampionati(*letti, dir.percorso());
    ASSERT_TRUE(e) << e.dettaglio;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        EXPECT_EQ(letti->campionato(c).incontri, dati->campionato(c).incontri) << c;
        EXPECT_EQ(letti->campionato(c).config.stagioni, dati->campionato(c).config.stagioni) << c;
    }
    EXPECT_EQ(letti->campionato(0).squadreCorrenti().numero(), 0);
    EXPECT_EQ(letti->campionato(0).squadreStagione(4).numero(), 20);

    // Written again, every file is the same to the byte.
    CartellaTemporanea dir2;
    ASSERT_TRUE(SalvaFileCampionati(*letti, dir2.percorso()));
    for (const auto& d : kCampionati)
        for (auto nome : {d.fileSquadre, d.fileIncontri})
            EXPECT_EQ(LeggiTesto(dir / std::string(nome)), LeggiTesto(dir2 / std::string(nome)))
                << nome;
    // No temporary file is left behind.
    int file = 0;
    for (const auto& voce : std::filesystem::directory_iterator(dir.percorso())) {
        (void)voce;
        ++file;
    }
    EXPECT_EQ(file, 38);
}

TEST(FileDati, LetturaTolleranteAgliSpaziEAlleVociInPiu) {
    std::vector<ElencoSquadre> stagioni;
    ASSERT_TRUE(LeggiTestoSquadre("  1\n\n2\tAlfa\r\nBeta", 20, stagioni));
    ElencoIncontri incontri;
    // Two more entries than announced: only the announced ones are taken.
    ASSERT_TRUE(LeggiTestoIncontri("2\n-1 -1 0\n0 1 X 1 0 2", stagioni, incontri));
    ASSERT_EQ(incontri.numero(), 2);
    EXPECT_TRUE(incontri[0].separatore());
    EXPECT_EQ(incontri[1], (Incontro{0, 1, 'X'}));
    // Only casa = -1 marks a separator; its other two tokens are kept as read.
    ASSERT_TRUE(LeggiTestoIncontri("1 -1 5 Z", stagioni, incontri));
    EXPECT_EQ(ScriviTestoIncontri(incontri), "1 -1 5 Z ");
}

TEST(FileDati, StagioniVuoteECampionatoSenzaStagioni) {
    std::vector<ElencoSquadre> stagioni;
    ElencoIncontri incontri;
    ASSERT_TRUE(LeggiTestoSquadre("0 ", 20, stagioni));
    ASSERT_TRUE(LeggiTestoIncontri("0 ", stagioni, incontri));
    EXPECT_TRUE(stagioni.empty());
    EXPECT_EQ(incontri.numero(), 0);
    // A negative season count means no seasons.
    ASSERT_TRUE(LeggiTestoSquadre("-3 ", 20, stagioni));
    EXPECT_TRUE(stagioni.empty());
    // Two empty seasons, then one with a match.
    ASSERT_TRUE(LeggiTestoSquadre("3 0 \n0 \n2 \nA \nB \n", 20, stagioni));
    ASSERT_TRUE(LeggiTestoIncontri("4 -1 -1 0 -1 -1 0 -1 -1 0 1 0 2 ", stagioni, incontri));
    EXPECT_EQ(incontri.numeroSeparatori(), 3);
    EXPECT_EQ(incontri.inizioStagione(2), 2);
}

TEST(FileDati, OgniErroreDiLetturaDaFileCorrotti) {
    struct Caso {
        const char* squadre;
        const char* incontri;
        const char* perche;
    };
    const Caso casi[] = {
        {"", "0 ", "file delle squadre vuoto"},
        {"1 2 \nA \n", "0 ", "nome mancante"},
        {"1 x \n", "0 ", "numero di squadre non numerico"},
        {"1 -1 \n", "0 ", "numero di squadre negativo"},
        {"1 65 \n", "0 ", "piu' squadre di quante una stagione ne ammetta"},
        {"1 1 \nNomeDiSedici1234 \n", "0 ", "nome di 16 caratteri"},
        {"1 2 \nA \nB \n", "", "file degli incontri vuoto"},
        {"1 2 \nA \nB \n", "-1 ", "numero di incontri negativo"},
        {"1 2 \nA \nB \n", "3 -1 -1 0 0 1 1 ", "meno voci di quelle annunciate"},
        {"1 2 \nA \nB \n", "2 -1 -1 0 0 1 ", "voce incompleta"},
        {"1 2 \nA \nB \n", "2 -1 -1 0 0 2 1 ", "indice oltre le squadre della stagione"},
        {"1 2 \nA \nB \n", "2 -1 -1 0 -2 1 1 ", "indice negativo"},
        {"1 2 \nA \nB \n", "2 -1 -1 0 0 1 3 ", "risultato non valido"},
        {"1 2 \nA \nB \n", "1 0 1 1 ", "incontro prima del separatore"},
        {"1 2 \nA \nB \n", "2 -1 -1 0 -1 -1 0 ", "piu' separatori che stagioni"},
        {"2 2 \nA \nB \n0 \n", "1 -1 -1 0 ", "meno separatori che stagioni"},
        {"1 2 \nA \nB \n", "99999 ", "numero fuori dai 16 bit"},
    };
    for (const auto& caso : casi) {
        CartellaTemporanea dir;
        auto dati = std::make_unique<DatiGlobali>();
        // Every other championship is valid and non-empty, so nothing may be half-loaded.
        for (const auto& d : kCampionati) {
            ScriviTesto(dir / std::string(d.fileSquadre), "1 2 \nX1 \nX2 \n");
            ScriviTesto(dir / std::string(d.fileIncontri), "2 -1 -1 0 1 0 X ");
        }
        ScriviTesto(dir / "squadrea.VLT", caso.squadre);
        ScriviTesto(dir / "giornata.VLT", caso.incontri);
        const EsitoFile e = CaricaFileCampionati(*dati, dir.percorso());
        EXPECT_FALSE(e) << caso.perche;
        EXPECT_EQ(e.messaggio, "Errore nell'inizializzazione.\nFile corrotti!") << caso.perche;
        EXPECT_FALSE(e.dettaglio.empty()) << caso.perche;
        for (int c = 0; c < kNumeroCampionati; ++c)
            EXPECT_EQ(dati->campionato(c).numeroIncontri(), 0) << caso.perche;
    }
    // A missing file is the same failure.
    CartellaTemporanea vuota;
    auto dati = std::make_unique<DatiGlobali>();
    EXPECT_EQ(CaricaFileCampionati(*dati, vuota.percorso()).messaggio,
              "Errore nell'inizializzazione.\nFile corrotti!");
}

TEST(FileDati, UnSalvataggioFallitoLasciaIntattiIFilePrecedenti) {
    CartellaTemporanea dir;
    auto dati = std::make_unique<DatiGlobali>();
    ASSERT_TRUE(SalvaFileCampionati(*dati, dir.percorso()));
    const std::string prima = LeggiTesto(dir / "giornata.VLT");

    OpzioniGenerazione o;
    o.stagioni = 3;
    ASSERT_EQ(GeneraStagioni(dati->campionato(0), o), 0);
    dati->datiModificati = 1;
    // A full disk, as the file-size limit makes a large write fail.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit vecchio{};
    getrlimit(RLIMIT_FSIZE, &vecchio);
    rlimit piccolo = vecchio;
    piccolo.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &piccolo), 0);
    const EsitoFile e = SalvaFileCampionati(*dati, dir.percorso());
    setrlimit(RLIMIT_FSIZE, &vecchio);

    EXPECT_FALSE(e);
    EXPECT_EQ(e.messaggio, "Errore nel salvataggio.\nImpossibile salvare le modifiche!");
    EXPECT_EQ(dati->datiModificati, 1);
    EXPECT_EQ(LeggiTesto(dir / "giornata.VLT"), prima);
    EXPECT_EQ(LeggiTesto(dir / "squadrea.VLT"), "0 ");
    int file = 0;
    for (const auto& voce : std::filesystem::directory_iterator(dir.percorso())) {
        (void)voce;
        ++file;
    }
    EXPECT_EQ(file, 38);
}

TEST(DatiGlobali, ModificheRifiutateNonCambianoNulla) {
    DatiGlobali dati;
    CCampionato& c = dati.campionato(4); // Austria: leagues of 10, real seasons of 12
    EXPECT_EQ(AggiungiIncontro(c, 0, 1, '1'), -1); // no season yet
    EXPECT_EQ(AggiungiStagione(c, std::vector<std::string>(65, "X")), -1);
    EXPECT_EQ(AggiungiStagione(c, {"Con spazio"}), -1);
    EXPECT_EQ(AggiungiStagione(c, {"SedeciCaratteri1"}), -1);
    EXPECT_EQ(AggiungiStagione(c, {""}), -1);
    EXPECT_EQ(c.config.numeroStagioni(), 0);
    EXPECT_EQ(c.numeroIncontri(), 0);
    ASSERT_EQ(AggiungiStagione(c, {"A", "B"}), 0);
    for (auto [h, a, r] : {std::tuple{0, 2, '1'}, {-1, 0, '1'}, {0, 0, 'X'}, {0, 1, '0'}})
        EXPECT_EQ(AggiungiIncontro(c, h, a, r), -1);
    EXPECT_EQ(c.numeroIncontri(), 1);
    EXPECT_EQ(NormalizzaNomeSquadra("  Real Madrid "), "Real.Madrid");
}

TEST(DatiGlobali, AccessoriConFiltroStorico) {
    DatiGlobali dati;
    CCampionato& c = dati.campionato(0);
    Stagione(c, 2, {{0, 1, '1'}});
    Stagione(c, 3, {{0, 1, '1'}, {1, 2, 'X'}});
    EXPECT_EQ(c.numeroSquadreCorrenti(), 3);
    EXPECT_EQ(c.numeroStagioniCorrenti(), 2);
    EXPECT_EQ(c.numeroIncontriCorrenti(), 5);
    c.ultimoIncontroFiltro = 1;
    c.stagioneFiltro = 1;
    EXPECT_EQ(c.numeroSquadreCorrenti(), 2);
    EXPECT_EQ(c.numeroStagioniCorrenti(), 1);
    EXPECT_EQ(c.numeroIncontriCorrenti(), 1);
    EXPECT_EQ(c.squadreStagione(2).numero(), 3);
    EXPECT_EQ(c.squadreStagione(3).numero(), 0);
}
