#include "dati/CArchivio.h"
#include "engine/ValutazioneArchivio.h"

#include "dati/Archivio.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/CMotoreStime.h"

#include "doppi/MessaggiRegistrati.h"
#include "Supporto.h"

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

CAnalisi Analisi(int n, int limiteMin) {
    CAnalisi a;
    a.giornateAnalisi = static_cast<std::int16_t>(n);
    a.limiteMinCasa = static_cast<std::int16_t>(limiteMin);
    return a;
}

class ArchivioDiSerieA : public ::testing::Test {
protected:
    void SetUp() override {
        OpzioniGenerazione o;
        o.stagioni = 5;
        ASSERT_EQ(GeneraStagioni(c, o), 0);
        CreaMotore(c);
    }
    std::unique_ptr<DatiGlobali> dati = std::make_unique<DatiGlobali>();
    CCampionato& c = dati->campionato(0);
};

} // namespace

TEST(CArchivio, InserisciEliminaERicercaSullaPosizioneCorrente) {
    CArchivio ar;
    MessaggiRegistrati msg;
    EXPECT_EQ(InserisciAnalisi(ar, Analisi(2, -1), "prima", &msg), 1);
    EXPECT_EQ(InserisciAnalisi(ar, Analisi(3, -2), "seconda", &msg), 1);
    // Inserted at the shown position: the newest comes first and is shown.
    ASSERT_EQ(ar.numero(), 2);
    EXPECT_EQ(ar.analisi[0].titolo, "seconda");
    EXPECT_EQ(ar.corrente, 0);
    ar.corrente = 1;
    EXPECT_EQ(InserisciAnalisi(ar, Analisi(4, -3), "terza", &msg), 1);
    EXPECT_EQ(ar.analisi[1].titolo, "terza");
    EXPECT_EQ(ar.analisi[2].titolo, "prima");

    // The same parameters under another title are a duplicate.
    EXPECT_EQ(InserisciAnalisi(ar, Analisi(2, -1), "altro titolo", &msg), 0);
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_EQ(msg.mostrati[0].testo,
              "ATTENZIONE.\nL'Analisi che si vuole inserire e' gia' presente nell'Archivio alla "
              "posizione numero 3.\nNon viene quindi inserita nuovamente.");
    EXPECT_EQ(msg.mostrati[0].icona, Icona::Informazione);
    EXPECT_EQ(InserisciAnalisi(ar, Analisi(2, -1), "muto", nullptr), 0);
    EXPECT_EQ(ar.numero(), 3);

    EXPECT_EQ(CercaAnalisi(ar, Analisi(4, -3)), 2);
    EXPECT_EQ(CercaAnalisi(ar, Analisi(5, -3)), 0);
    CAnalisi diversa = Analisi(4, -3);
    diversa.precisione1 = 0.5f; // results are compared too
    EXPECT_EQ(CercaAnalisi(ar, diversa), 0);

    EliminaAnalisi(ar); // removes "terza" at 1
    EXPECT_EQ(ar.corrente, 1);
    EXPECT_EQ(ar.analisi[1].titolo, "prima");
    EliminaAnalisi(ar);
    EXPECT_EQ(ar.corrente, 0);
    EliminaAnalisi(ar);
    EXPECT_EQ(ar.corrente, -1);
    EXPECT_EQ(LeggiAnalisi(ar, 0), nullptr);
    EliminaAnalisi(ar); // nothing left: nothing happens
    EXPECT_EQ(ar.numero(), 0);
}

TEST(CArchivio, SerializzazioneByteAByte) {
    CArchivio ar;
    CAnalisi a = Analisi(3, -2);
    a.titolo = "12/01/2005 - 10 : 20 : 30";
    a.descrizione = "Pi\xC3\xB9 casa";
    a.punteggiAvanzati.punti[5] = -1.25f;
    a.punteggiAvanzati.separaCasaTrasferta = false;
    a.precisione1 = 0.4f; // not stored
    ar.analisi = {a, Analisi(1, 0)};
    Archivio w;
    ar.Serializza(w);
    // count, ten int16, two strings, 120 bytes of advanced parameters; twice.
    const std::size_t primo = 20 + 1 + a.titolo.size() + 1 + 8 + 120;
    ASSERT_EQ(w.dati().size(), 4 + primo + 20 + 2 + 120);
    EXPECT_EQ(w.dati()[0], 2);
    EXPECT_EQ(w.dati()[4], 3); // N
    EXPECT_EQ(w.dati()[4 + 20], a.titolo.size());

    CArchivio letto;
    Archivio r(w.dati());
    letto.Serializza(r);
    EXPECT_EQ(r.restanti(), 0u);
    EXPECT_EQ(letto.corrente, 0);
    ASSERT_EQ(letto.numero(), 2);
    EXPECT_EQ(letto.analisi[0].descrizione, a.descrizione);
    EXPECT_TRUE(letto.analisi[0].StessiParametri(a));
    EXPECT_EQ(letto.analisi[0].precisione1, 0.0f);
    Archivio w2;
    letto.Serializza(w2);
    EXPECT_EQ(w2.dati(), w.dati());

    // Cut anywhere, the archive is refused.
    for (std::size_t n = 0; n < w.dati().size(); ++n) {
        std::vector<std::uint8_t> tronco(w.dati().begin(), w.dati().begin() + n);
        Archivio t(tronco);
        CArchivio x;
        EXPECT_THROW(x.Serializza(t), ErroreArchivio) << n;
    }
}

TEST_F(ArchivioDiSerieA, ValutaERicalcolaSuiDatiCorrenti) {
    CAnalisi larga = AnalisiCorrente(c);
    larga.limiteMinCasa = -4;
    larga.limiteMinTrasferta = -2;
    larga.limiteMaxTrasferta = 2;
    c.archivio.analisi = {larga, AnalisiCorrente(c)};
    MessaggiRegistrati msg;
    ASSERT_TRUE(RicalcolaArchivio(*dati, 0, msg));
    EXPECT_TRUE(msg.mostrati.empty());
    // Each analysis carries its own results; the current analysis is back.
    const CAnalisi& a0 = c.archivio.analisi[0];
    const CAnalisi& a1 = c.archivio.analisi[1];
    EXPECT_NE(a0.precisione1, a1.precisione1);
    EXPECT_TRUE(a1.StessiParametri(AnalisiCorrente(c)));
    ASSERT_EQ(c.motore->AggiornaStime(), 0);
    EXPECT_EQ(c.motore->precisione1(), a1.precisione1);
    EXPECT_EQ(CercaAnalisiCorrente(c, *c.motore->PercentualeDatiUsati()), 2);

    // New results change the recomputed precisions.
    const float prima = a0.precisione1;
    OpzioniGenerazione o;
    o.stagioni = 1;
    o.seme = 99;
    ASSERT_EQ(GeneraStagioni(c, o), 0);
    ASSERT_TRUE(RicalcolaArchivio(*dati, 0, msg));
    EXPECT_NE(c.archivio.analisi[0].precisione1, prima);
}

TEST_F(ArchivioDiSerieA, FitImpossibileRipristinaIParametri) {
    c.limiteMaxCasa = c.limiteMinCasa; // a single row: no fit
    MessaggiRegistrati msg;
    EXPECT_TRUE(RicalcolaArchivio(*dati, 0, msg));
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_EQ(msg.mostrati[0].contestoAiuto, 113);
    EXPECT_EQ(c.limiteMaxCasa, 0); // defaults back
    // With no data at all even the reset fails.
    auto vuoti = std::make_unique<DatiGlobali>();
    MessaggiRegistrati msg2;
    EXPECT_FALSE(RicalcolaArchivio(*vuoti, 3, msg2));
    EXPECT_EQ(msg2.testi(),
              (std::vector<std::string>{
                  "Impossibile calcolare le stime.\nIl File dei dati potrebbe essere corrotto.\n"
                  "Verra' ora compiuto un tentativo per azzerare i dati errati",
                  "Tentativo fallito.\nPer ovviare all'errore contatta l'autore del programma."}));
}

TEST(CAnalisi, TitoloConDataEOra) {
    std::tm t{};
    t.tm_mday = 3;
    t.tm_mon = 0;
    t.tm_year = 105;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 7;
    EXPECT_EQ(TitoloAnalisi(t), "03/01/2005 - 09 : 05 : 07");
}
