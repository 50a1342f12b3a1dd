// The comparison and copy of analyses between championships: the precision
// matrix leaves the championships as they were, the copy rules of both
// modes, and the copies carried out on OK (archive duplicates refused).
#include "../doppi/MessaggiRegistrati.h"
#include "../doppi/OrologioFisso.h"
#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/CMotoreStime.h"
#include "tools/ricerche/CDlgCopiaAnalisi.h"

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

std::unique_ptr<DatiGlobali> Dati() {
    auto dati = std::make_unique<DatiGlobali>();
    for (int c = 0; c < 2; ++c) {
        OpzioniGenerazione o;
        o.stagioni = 6;
        o.seme = 10 + static_cast<std::uint64_t>(c);
        EXPECT_EQ(GeneraStagioni(dati->campionato(c), o), 0);
        CreaMotore(dati->campionato(c));
    }
    // Championship 0 has its own analysis, different from 1's.
    CCampionato& a = dati->campionato(0);
    a.config.giornateAnalisi = 3;
    a.config.percentualiImportanza[0] = 120;
    a.config.percentualiImportanza[1] = 90;
    a.config.percentualiImportanza[2] = 90;
    return dati;
}

MatricePrecisione Calcola(CDlgCopiaAnalisi& d) {
    std::atomic<bool> fermo{false};
    std::vector<std::string> passi;
    ContestoLavoro c(fermo, [&](const Avanzamento& a) { passi.push_back(a.contatore); });
    auto m = CalcolaMatricePrecisione(d.Origini(), d.archivio(), c);
    EXPECT_EQ(passi.front(), "Analisi del campionato di: " + std::string(Campionato(0).nome));
    return m;
}

} // namespace

TEST(CopiaAnalisi, CorrentiDueCelleRegoleECopiaSulCorrente) {
    auto dati = Dati();
    const CAnalisi prima0 = AnalisiCorrente(dati->campionato(0));
    const CAnalisi prima1 = AnalisiCorrente(dati->campionato(1));
    CDlgCopiaAnalisi d(*dati, {0, 1}, false);
    const auto m = Calcola(d);
    EXPECT_EQ(m.celle[0][1].stato, CellaPrecisione::Riuscita);
    EXPECT_EQ(m.celle[1][0].stato, CellaPrecisione::Riuscita);
    EXPECT_EQ(m.celle[0][0].stato, CellaPrecisione::Vuota);
    EXPECT_GT(m.celle[0][1].p1, 0.0f);
    EXPECT_TRUE(AnalisiCorrente(dati->campionato(0)).StessiParametri(prima0));
    EXPECT_TRUE(AnalisiCorrente(dati->campionato(1)).StessiParametri(prima1));
    d.ImpostaMatrice(m);
    const auto righe = d.RighePrecisione();
    ASSERT_EQ(righe.size(), 1u);
    EXPECT_EQ(righe[0].rfind(std::string(Campionato(1).nome) + ": ", 0), 0u);
    EXPECT_NE(righe[0].find("; Dati usati: "), std::string::npos);

    MessaggiRegistrati msg;
    EXPECT_TRUE(d.Copia(1, msg));
    EXPECT_EQ(d.RigheCopie(), std::vector<std::string>{"Da: " + std::string(Campionato(0).nome) +
                                                       " a: " + std::string(Campionato(1).nome)});
    // A second current analysis for the same target is refused, naming it.
    d.ScegliSorgente(1);
    EXPECT_TRUE(d.Copia(0, msg)); // the other way round is another copy
    EXPECT_TRUE(msg.mostrati.empty());
    d.ScegliSorgente(0);
    EXPECT_FALSE(d.Copia(1, msg));
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_EQ(msg.mostrati[0].testo, "L'analisi selezionata e' gia' inserita nella lista di destra.");
    EXPECT_FALSE(d.Elimina(-1, msg));
    EXPECT_EQ(msg.mostrati.back().testo, "Selezionare un'analisi dalla lista di destra.");

    int annunci = 0;
    auto iscrizione = dati->notifiche.Iscrivi([&](const AvvisoCambiamento& a) {
        if (a.cosa == Cambiamento::Analisi && a.campionato == 1) ++annunci;
    });
    dati->campionatoCorrente = 1;
    OrologioFisso orologio;
    EXPECT_TRUE(d.Ok(msg, orologio));
    EXPECT_TRUE(AnalisiCorrente(dati->campionato(1)).StessiParametri(prima0));
    EXPECT_TRUE(AnalisiCorrente(dati->campionato(0)).StessiParametri(prima1));
    EXPECT_EQ(annunci, 1);
    EXPECT_EQ(dati->datiModificati, 1);
}

TEST(CopiaAnalisi, CorrentiSecondaSorgenteVersoLoStessoBersaglioRifiutata) {
    auto dati = Dati();
    for (int c = 2; c < 3; ++c) {
        OpzioniGenerazione o;
        o.stagioni = 6;
        o.seme = 30;
        ASSERT_EQ(GeneraStagioni(dati->campionato(c), o), 0);
        CreaMotore(dati->campionato(c));
    }
    CDlgCopiaAnalisi d(*dati, {0, 1, 2}, false);
    d.ImpostaMatrice(Calcola(d));
    MessaggiRegistrati msg;
    EXPECT_TRUE(d.Copia(2, msg));
    d.ScegliSorgente(1);
    EXPECT_FALSE(d.Copia(2, msg));
    ASSERT_EQ(msg.mostrati.size(), 1u);
    EXPECT_EQ(msg.mostrati[0].testo,
              "Nella lista di destra è già stata inserita una nuova analisi corrente per il campionato di " +
                  std::string(Campionato(2).nome) + ".");
}

TEST(CopiaAnalisi, ArchivioInserisceInTestaEUnDuplicatoLoDice) {
    auto dati = Dati();
    CAnalisi a = AnalisiCorrente(dati->campionato(0));
    dati->campionato(0).archivio.analisi.push_back(a);
    dati->campionato(0).archivio.corrente = 0;
    const CAnalisi prima1 = AnalisiCorrente(dati->campionato(1));
    OrologioFisso orologio;
    MessaggiRegistrati msg;
    for (int volta = 0; volta < 2; ++volta) {
        SCOPED_TRACE(volta);
        CDlgCopiaAnalisi d(*dati, {0, 1}, true);
        d.ImpostaMatrice(Calcola(d));
        // Championship 1's archive: empty at first, so its row is empty.
        if (volta == 0) {
            EXPECT_EQ(d.AnalisiDi(1), nullptr);
        }
        ASSERT_TRUE(d.Copia(1, msg));
        EXPECT_FALSE(d.Copia(1, msg));
        EXPECT_FALSE(d.Ok(msg, orologio));
    }
    const CArchivio& ar = dati->campionato(1).archivio;
    ASSERT_EQ(ar.numero(), 1);
    EXPECT_EQ(ar.analisi[0].titolo,
              "09/05/2005 - 21 : 05 : 07. Copiata da: " + std::string(Campionato(0).nome));
    EXPECT_TRUE(AnalisiCorrente(dati->campionato(1)).StessiParametri(prima1)) << "the archive mode leaves the current one";
    EXPECT_EQ(msg.testi().back(),
              "ATTENZIONE.\nL'Analisi del campionato di " + std::string(Campionato(0).nome) +
                  " e' gia' presente nell'archivio del campionato di " + std::string(Campionato(1).nome) +
                  " alla posizione numero 1.\nNon viene quindi inserita nuovamente.");
}
