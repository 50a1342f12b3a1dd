// The hill climb on the advanced parameters and the search over archives.
#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/CMotoreStime.h"
#include "engine/ValutatorePercentuali.h"
#include "doppi/OrologioFisso.h"
#include "engine/ValutazioneArchivio.h"
#include "tools/ricerche/RicercaArchivi.h"
#include "tools/ricerche/RicercaAvanzata.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

using namespace veltra;

namespace {

std::unique_ptr<DatiGlobali> Dati(std::uint64_t seme) {
    auto dati = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 7;
    o.seme = seme;
    EXPECT_EQ(GeneraStagioni(dati->campionato(0), o), 0);
    CreaMotore(dati->campionato(0));
    return dati;
}

struct Valutata {
    bool ok = false;
    float precisione = 0, usati = 0;
};
Valutata Valuta(const CCampionato& c, const ParametriAvanzati& p) {
    auto k = CopiaPerCalcolo(c);
    ApplicaParametriAvanzati(*k, p);
    Valutata v;
    v.ok = k->motore->AggiornaStime() == 0;
    if (v.ok) {
        v.precisione = k->motore->precisioneMedia();
        v.usati = k->motore->PercentualeDatiUsati().value_or(-1.0f);
    }
    return v;
}

} // namespace

TEST(RicercaAvanzata, CandidatiDelleScansioni) {
    ParametriAvanzati p;
    p.limiti = {-1, 0, -1, 0};
    // Scan 1: (0.05, 1.95) ... (1.00, 1.00); never (0.00, 2.00).
    auto v = CandidatiScansione(0, p, 2);
    ASSERT_EQ(v.size(), 20u);
    EXPECT_EQ(v.front().punteggi.importanzaMin, 0.05f);
    EXPECT_EQ(v.front().punteggi.importanzaMax, 1.95f);
    EXPECT_EQ(v.back().punteggi.importanzaMin, 1.00f);
    EXPECT_EQ(v.back().punteggi.importanzaMax, 1.00f);
    // Scan 2, p(t, V, Forte): from max(+1 + 0.25, 0 + 0.5) = 1.25 to 4.00.
    v = CandidatiScansione(1, p, 2);
    ASSERT_EQ(v.size(), 56u);
    EXPECT_EQ(v.front().punteggi.punti[1], 1.25f);
    EXPECT_EQ(v.back().punteggi.punti[1], 4.00f);
    // Scan 3 tries nothing when p(c, V, Media) + 0.25 > 4.00.
    ParametriAvanzati alto = p;
    alto.punteggi.punti[6] = 3.9f;
    EXPECT_TRUE(CandidatiScansione(2, alto, 2).empty());
    // Scan 20: -0.75, -0.50, -0.25.
    v = CandidatiScansione(19, p, 2);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].punteggi.modificaBassaCasa, -0.75f);
    EXPECT_EQ(v[2].punteggi.modificaBassaCasa, -0.25f);
    // Scan 28, limiteMinCasa: from R(-2 x 2) = -4 to limiteMaxCasa 0, exclusive.
    v = CandidatiScansione(27, p, 2);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].limiti[0], -3);
    EXPECT_EQ(v[2].limiti[0], -1);
    // Home and away joined: 25 scans, the pairs take the same value.
    ParametriAvanzati uniti = p;
    uniti.punteggi.separaCasaTrasferta = false;
    EXPECT_EQ(NumeroScansioni(false), 25);
    for (const auto& c : CandidatiScansione(23, uniti, 2)) EXPECT_EQ(c.limiti[0], c.limiti[2]);
    for (const auto& c : CandidatiScansione(19, uniti, 2))
        EXPECT_EQ(c.punteggi.modificaBassaCasa, c.punteggi.modificaBassaTrasferta);
}

TEST(RicercaAvanzata, MiglioramentiVeriStessiSuDueThreadEUtilizzoRispettato) {
    auto dati = Dati(4);
    CCampionato& c = dati->campionato(0);
    c.limiteMinCasa = -3; c.limiteMaxCasa = 0; c.limiteMinTrasferta = -1; c.limiteMaxTrasferta = 1;
    std::atomic<bool> fermo{false};
    ContestoLavoro contesto(fermo, {});
    for (int utilizzo : {40, 95}) {
        ImpostazioniRicercaAvanzata imp;
        imp.utilizzoMinimo = utilizzo;
        imp.thread = 1;
        const auto uno = CercaAvanzata(c, imp, ListaAvanzataIniziale(), contesto);
        imp.thread = 2;
        const auto due = CercaAvanzata(c, imp, ListaAvanzataIniziale(), contesto);
        ASSERT_TRUE(uno.completata);
        EXPECT_EQ(uno.trovate, due.trovate);
        EXPECT_EQ(uno.candidati, due.candidati);
        // Newest first, each better than the one before it, each what a plain
        // evaluation of its parameters gives, none below the minimum usage.
        float dopo = 2.0f;
        for (const auto& t : uno.trovate) {
            if (t.precisione < 0) break;
            EXPECT_LT(t.precisione, dopo);
            dopo = t.precisione;
            const auto v = Valuta(c, {t.punteggi, t.limiti});
            ASSERT_TRUE(v.ok);
            EXPECT_EQ(v.precisione, t.precisione);
            EXPECT_GE(v.usati, static_cast<float>(utilizzo));
        }
        if (utilizzo == 40) {
            EXPECT_GT(uno.miglioramenti, 0);
        }
    }
}

TEST(RicercaArchivi, AnalisiMigliorataAlSuoPostoConLaNota) {
    auto dati = Dati(6);
    CCampionato& c = dati->campionato(0);
    CAnalisi a = AnalisiCorrente(c);
    a.titolo = "vecchia";
    a.descrizione = "prima";
    c.archivio.analisi = {a};
    c.archivio.corrente = 0;
    test::OrologioFisso orologio;
    std::atomic<bool> fermo{false};
    ContestoLavoro contesto(fermo, {});
    std::vector<ArchivioDaMigliorare> v;
    v.push_back({0, "Serie A", std::shared_ptr<CCampionato>(CopiaPerCalcolo(c)), c.archivio});
    const auto e = MiglioraArchivi(std::move(v), 10, 2, orologio, contesto);
    ASSERT_TRUE(e.completata);
    const CArchivio& nuovo = e.archivi[0].archivio;
    ASSERT_EQ(nuovo.numero(), 1);
    const CAnalisi& m = nuovo.analisi[0];
    ASSERT_FALSE(m.StessiParametri(a)) << "the fixture's analysis should improve";
    EXPECT_NE(e.log.find("Analisi n. 1 del campionato di Serie A"), std::string::npos);
    EXPECT_NE(m.descrizione.find("Analisi calcolata automaticamente dall'Analisi:\r\r\nvecchia\r\r\nprima"),
              std::string::npos);
    EXPECT_GT((m.precisione1 + m.precisioneX + m.precisione2) / 3.0f,
              [&] {
                  CAnalisi x = a;
                  ValutaAnalisi(c, x);
                  return (x.precisione1 + x.precisioneX + x.precisione2) / 3.0f;
              }());
}
