#include "engine/StampaAnalisi.h"

#include "dati/Campionato.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/CMotoreStime.h"

#include "doppi/StampaRegistrata.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

TEST(StampaParametriAvanzati, RigheEPosizioni) {
    StampaRegistrata d;
    d.InizioPagina();
    CPunteggiAvanzati p;
    p.punti[0] = 1.5f;
    p.punti[5] = -0.25f;
    const int ultima = StampaParametriAvanzati(d, 340, p);
    ASSERT_EQ(d.righe.size(), 25u);
    EXPECT_EQ(d.righe[0].y, 400);
    EXPECT_EQ(d.righe[0].testo, "Partite in Casa ed in Trasferta mantenute separate");
    EXPECT_EQ(d.righe[1].testo, "Vittoria in Casa contro squadra forte  : +1.50");
    EXPECT_EQ(d.righe[10].y, d.righe[9].y + 120); // blank line before the away points
    EXPECT_EQ(d.righe[18].testo, "                                      debole: -0.25");
    EXPECT_EQ(d.righe[19].testo, "In Casa     : Alta Classifica: +0.50     Bassa Classifica: -0.50");
    EXPECT_EQ(d.righe[21].testo, "In Casa     : Squadra Debole < -4     Forte > -1");
    EXPECT_EQ(d.righe[23].testo, "Campionati inclusi nell'analisi : 6");
    EXPECT_EQ(d.righe[24].testo, "Percentuali d'importanza dei campionati: Min: 100%     Max: 100%");
    EXPECT_EQ(ultima, d.righe[24].y);

    StampaRegistrata u;
    u.InizioPagina();
    p.separaCasaTrasferta = false;
    StampaParametriAvanzati(u, 0, p);
    ASSERT_EQ(u.righe.size(), 23u);
    EXPECT_EQ(u.righe[0].testo, "Partite in Casa ed in Trasferta mantenute unite");
    EXPECT_EQ(u.righe[19].testo, "Alta Classifica: +0.50     Bassa Classifica: -0.50");
    EXPECT_EQ(u.righe[20].testo, "Squadra Debole < -4     Forte > -1");
}

TEST(StampaParametriAvanzati, InterruzioneDiPagina) {
    StampaRegistrata d;
    d.InizioPagina();
    const int ultima = StampaParametriAvanzati(d, 2700, CPunteggiAvanzati{});
    ASSERT_GE(d.righe.size(), 4u);
    EXPECT_EQ(d.righe[1].y, 2820); // the last line a page may hold
    EXPECT_EQ(d.righe[2].testo, std::string(30, ' ') + "(Continua...)");
    EXPECT_EQ(d.righe[2].y, 2940);
    EXPECT_EQ(d.righe[3].pagina, 2);
    EXPECT_EQ(d.righe[3].y, 0);
    EXPECT_EQ(ultima, d.righe.back().y);
    EXPECT_EQ(d.righe.back().pagina, 2);

    // Ending the page fails: the document is aborted and nothing more is printed.
    StampaRegistrata f;
    f.fallisceAllaFinePagina = 1;
    f.InizioPagina();
    EXPECT_EQ(StampaParametriAvanzati(f, 2700, CPunteggiAvanzati{}), -1);
    EXPECT_EQ(f.chiamate.back(), "Annulla");
    EXPECT_EQ(f.righe.size(), 3u);
}

namespace {

std::tm Giorno(int g, int m, int a) {
    std::tm t{};
    t.tm_mday = g;
    t.tm_mon = m - 1;
    t.tm_year = a - 1900;
    return t;
}

void Genera(CCampionato& c) {
    OpzioniGenerazione o;
    o.stagioni = 3;
    ASSERT_EQ(GeneraStagioni(c, o), 0);
    CreaMotore(c);
}

} // namespace

TEST(StampaAnalisiCorrente, RigheDelRapporto) {
    CCampionato c(0), gemello(0);
    Genera(c);
    Genera(gemello);
    const std::int16_t percentuali[5] = {100, 80, 60, 40, 20};
    for (CCampionato* x : {&c, &gemello}) {
        x->config.giornateAnalisi = 4;
        std::copy(std::begin(percentuali), std::end(percentuali), x->config.percentualiImportanza);
        x->limiteMinCasa = -2;
        x->limiteMaxCasa = 1;
        x->limiteMinTrasferta = -3;
        x->limiteMaxTrasferta = 1;
    }
    // The report recomputes the estimates: its figures are those of a fresh fit.
    ASSERT_EQ(gemello.motore->AggiornaStime(), 0);
    const double p1 = gemello.motore->precisione1(), pX = gemello.motore->precisioneX(),
                 p2 = gemello.motore->precisione2();
    char precisione[128], usati[64];
    std::snprintf(precisione, sizeof precisione,
                  "Precisione Stime  : %.1f%% ('1' = %.1f%% - 'X' = %.1f%% - '2' = %.1f%%)",
                  static_cast<double>((gemello.motore->precisione1() + gemello.motore->precisioneX() +
                                       gemello.motore->precisione2()) / 3.0f) * 100.0,
                  p1 * 100.0, pX * 100.0, p2 * 100.0);
    std::snprintf(usati, sizeof usati, "Utilizzo Base Dati: %.1f%%",
                  static_cast<double>(*gemello.motore->PercentualeDatiUsati()));


    StampaRegistrata d;
    StampaAnalisiCorrente(d, c, Giorno(5, 3, 2026));
    EXPECT_EQ(d.nome, "VELTRA 2005 - Serie A. Stampa Analisi Corrente");
    EXPECT_EQ(d.pagine, 1);
    EXPECT_EQ(d.chiamate.back(), "FineDocumento");
    ASSERT_EQ(d.righe.size(), 4u + 25u + 6u);
    const std::string partite = "Base dati composta da " + std::to_string(c.numeroIncontriCorrenti()) + " partite";
    const struct {
        std::size_t indice;
        int y;
        std::string testo;
    } attese[] = {
        {0, 0, "VELTRA 2005 - Serie A. Analisi Corrente. (05/03/2026)"},
        {1, 160, partite},
        {2, 220, "Giornate d'Analisi: 4"},
        {3, 280, "Percentuali d'importanza: 100% - 80% - 60% - 40%"},
        {4, 400, "Partite in Casa ed in Trasferta mantenute separate"},
        {29, 2080 + 120, "Punteggio Totale Minimo in Casa : -2"},
        {30, 2080 + 180, "Punteggio Totale Massimo in Casa: +1"},
        {31, 2080 + 300, "Punteggio Totale Minimo in Trasferta : -3"},
        {32, 2080 + 360, "Punteggio Totale Massimo in Trasferta: +1"},
        {33, 2080 + 480, precisione},
        {34, 2080 + 520, usati},
    };
    EXPECT_EQ(d.righe[28].y, 2080); // the block's last line
    for (const auto& a : attese) {
        EXPECT_EQ(d.righe[a.indice].y, a.y) << a.testo;
        EXPECT_EQ(d.righe[a.indice].testo, a.testo);
    }

    // Joined home and away: one modification, one threshold and one limits line.
    c.punteggiAvanzati.separaCasaTrasferta = false;
    c.config.giornateAnalisi = 2;
    StampaRegistrata u;
    StampaAnalisiCorrente(u, c, Giorno(5, 3, 2026));
    ASSERT_EQ(u.righe.size(), 4u + 23u + 3u);
    EXPECT_EQ(u.righe[3].testo, "Percentuali d'importanza: 100% - 80%");
    const int L = u.righe[26].y;
    EXPECT_EQ(u.righe[27].y, L + 120);
    EXPECT_EQ(u.righe[27].testo, "Punteggi    : Limiti punteggi totali per le stime: Min: -2     Max: +1");
    EXPECT_EQ(u.righe[28].y, L + 300);
    EXPECT_EQ(u.righe[29].y, L + 360);
}

TEST(StampaArchivio, PagineEInterruzioni) {
    CCampionato c(0);
    Genera(c);
    StampaRegistrata vuoto;
    StampaArchivio(vuoto, c, Giorno(1, 12, 2026));
    ASSERT_EQ(vuoto.righe.size(), 1u);
    EXPECT_EQ(vuoto.nome, "VELTRA - Stampa Archivio");
    EXPECT_EQ(vuoto.righe[0].testo, "VELTRA - Serie A. Archivio Analisi compiute su " +
                                        std::to_string(c.numeroIncontriCorrenti()) + " partite. (01/12/2026)");
    EXPECT_EQ(vuoto.pagine, 1);

    for (int i = 0; i < 4; ++i) {
        CAnalisi a;
        a.titolo = "prova " + std::to_string(i + 1);
        a.giornateAnalisi = static_cast<std::int16_t>(2 + i);
        a.punteggiAvanzati.separaCasaTrasferta = i % 2 == 0;
        a.limiteMinCasa = static_cast<std::int16_t>(-i);
        a.precisione1 = 0.5f;
        a.precisioneX = 0.25f;
        a.precisione2 = 0.75f;
        a.datiUsati = 87.5f;
        c.archivio.analisi.push_back(a);
    }
    StampaRegistrata d;
    StampaArchivio(d, c, Giorno(1, 12, 2026));
    // The first analysis, line by line.
    const std::vector<std::pair<int, std::string>> prima = {
        {120, "Analisi Numero: 1 (prova 1)"},
        {180, "Giornate d'Analisi: 2"},
        {240, "Percentuali d'importanza: 100% - 100%"},
        {360, "Partite in Casa ed in Trasferta mantenute separate"},
    };
    for (std::size_t i = 0; i < prima.size(); ++i) {
        EXPECT_EQ(d.righe[i + 1].y, prima[i].first);
        EXPECT_EQ(d.righe[i + 1].testo, prima[i].second);
    }
    const std::vector<std::string> coda = {
        "Limiti punteggi totali in Casa: Min: +0     Max: +0",
        "Limiti punteggi totali in Trasferta: Min: -1     Max: +0",
        "Precisione Stime  : 50.0% ('1' = 50.0% - 'X' = 25.0% - '2' = 75.0%)",
        "Utilizzo Base Dati: 87.5%",
    };
    for (std::size_t i = 0; i < coda.size(); ++i) EXPECT_EQ(d.righe[29 + i].testo, coda[i]);
    EXPECT_EQ(d.righe[29].y, d.righe[28].y + 120);
    EXPECT_EQ(d.righe[31].y, d.righe[30].y + 120);
    EXPECT_EQ(d.righe[32].y, d.righe[31].y + 60);

    // Several pages: each but the last ends with "(Continua...)" 120 below
    // its last line, and no other line stands below 2820.
    ASSERT_GE(d.pagine, 2);
    EXPECT_EQ(d.pagineFinite, d.pagine);
    EXPECT_EQ(d.chiamate.back(), "FineDocumento");
    const std::string continua = std::string(30, ' ') + "(Continua...)";
    for (int p = 1; p <= d.pagine; ++p) {
        std::vector<StampaRegistrata::Riga> righe;
        for (const auto& r : d.righe)
            if (r.pagina == p) righe.push_back(r);
        ASSERT_GE(righe.size(), 2u);
        for (std::size_t i = 0; i + 1 < righe.size(); ++i) EXPECT_LE(righe[i].y, 2820);
        if (p < d.pagine) {
            EXPECT_EQ(righe.back().testo, continua);
            EXPECT_EQ(righe.back().y, righe[righe.size() - 2].y + 120);
        } else {
            EXPECT_NE(righe.back().testo, continua);
        }
    }
    EXPECT_EQ(d.righe.back().testo, "Utilizzo Base Dati: 87.5%");

    // A page that cannot be ended aborts the document at once.
    StampaRegistrata f;
    f.fallisceAllaFinePagina = 1;
    StampaArchivio(f, c, Giorno(1, 12, 2026));
    EXPECT_EQ(f.chiamate.back(), "Annulla");
    EXPECT_EQ(f.pagine, 1);
    EXPECT_EQ(f.righe.back().testo, continua);
}

TEST(StampaAnalisi, SulDispositivoDelDialogo) {
    CCampionato c(0);
    Genera(c);
    ServizioStampaRegistrato servizio;
    StampaArchivio(servizio, c, Giorno(1, 1, 2026));
    EXPECT_EQ(servizio.dispositivo.righe.size(), 1u);
    EXPECT_EQ(servizio.dispositivo.chiamate.back(), "FineDocumento");

    ServizioStampaRegistrato annullato;
    annullato.annullaDialogo = true;
    StampaArchivio(annullato, c, Giorno(1, 1, 2026));
    StampaAnalisiCorrente(annullato, c, Giorno(1, 1, 2026));
    EXPECT_EQ(annullato.richieste, 2);
    EXPECT_TRUE(annullato.dispositivo.chiamate.empty());
}
