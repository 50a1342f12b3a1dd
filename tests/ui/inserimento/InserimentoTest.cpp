// The two data-entry dialogs on screen (offscreen): their controls carry the
// resource numbers, and using them changes the championship.
#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "app/inserimento/CDlgNuoviIncontriQt.h"
#include "app/inserimento/CDlgNuovoCampionatoQt.h"

#include "doppi/MessaggiRegistrati.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

template <class W> W* Controllo(QWidget& dlg, int id) {
    W* w = dlg.findChild<W*>(QString::number(id));
    if (!w) ADD_FAILURE() << "manca il controllo " << id;
    return w;
}

void Preparati(DatiGlobali& d) {
    OpzioniGenerazione o;
    o.stagioni = 4;
    o.ultimaIncompleta = true;
    GeneraStagioni(d.campionato(0), o);
}

} // namespace

TEST(InserimentoQt, NuoviIncontriAccodaGliIncontriAlCampionato) {
    DatiGlobali dati;
    Preparati(dati);
    MessaggiRegistrati msg;
    const int prima = dati.campionato(0).numeroIncontri();
    CDlgNuoviIncontriQt dlg(dati, msg);
    EXPECT_EQ(dlg.objectName(), "111");
    EXPECT_EQ(dlg.windowTitle(), "VELTRA - Serie A. Nuovi Incontri");

    auto* casa = Controllo<QListWidget>(dlg, 1005);
    auto* trasferta = Controllo<QListWidget>(dlg, 1006);
    auto* x = Controllo<QRadioButton>(dlg, 1008);
    auto* aggiungi = Controllo<QPushButton>(dlg, 1011);
    auto* inseriti = Controllo<QListWidget>(dlg, 1012);
    auto* togli = Controllo<QPushButton>(dlg, 1148);
    auto* ok = Controllo<QPushButton>(dlg, 1);
    ASSERT_TRUE(casa && trasferta && x && aggiungi && inseriti && togli && ok);
    EXPECT_EQ(casa->count(), dati.campionato(0).numeroSquadreCorrenti());
    EXPECT_EQ(casa->toolTip(), QString::fromUtf8(CDlgNuoviIncontri::Suggerimento(1005)));
    EXPECT_TRUE(Controllo<QRadioButton>(dlg, 1007)->isChecked());
    EXPECT_FALSE(aggiungi->isEnabled() || ok->isEnabled() || togli->isEnabled());

    casa->setCurrentRow(2);
    trasferta->setCurrentRow(2);
    EXPECT_FALSE(aggiungi->isEnabled());
    trasferta->setCurrentRow(4);
    x->click();
    ASSERT_TRUE(aggiungi->isEnabled());
    aggiungi->click();
    EXPECT_TRUE(casa->selectedItems().isEmpty());
    EXPECT_TRUE(Controllo<QRadioButton>(dlg, 1007)->isChecked());
    EXPECT_TRUE(ok->isEnabled());

    casa->setCurrentRow(5);
    EXPECT_FALSE(ok->isEnabled()); // a match half composed
    trasferta->setCurrentRow(0);
    aggiungi->click();
    ASSERT_EQ(inseriti->count(), 2);
    const auto& n = dati.campionato(0).squadreCorrenti().nomi;
    EXPECT_EQ(inseriti->item(0)->text().toStdString(), " " + n[5] + " - " + n[0] + " : 1");

    // Removing the top entry drops the last match added.
    inseriti->setCurrentRow(0);
    ASSERT_TRUE(togli->isEnabled());
    togli->click();
    EXPECT_EQ(inseriti->count(), 1);

    ok->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    ASSERT_EQ(dati.campionato(0).numeroIncontri(), prima + 1);
    EXPECT_EQ(dati.campionato(0).incontri[prima], (Incontro{2, 4, 'X'}));
    EXPECT_TRUE(dlg.logica().datiCambiati());
    EXPECT_EQ(dati.datiModificati, 1);
    EXPECT_TRUE(msg.mostrati.empty()); // no coupon, no bets to clear
}

TEST(InserimentoQt, NuovoCampionatoAggiungeUnaStagione) {
    DatiGlobali dati;
    Preparati(dati);
    MessaggiRegistrati msg;
    const int stagioni = dati.campionato(0).config.numeroStagioni();
    CDlgNuovoCampionatoQt dlg(dati, msg);
    EXPECT_EQ(dlg.objectName(), "110");
    EXPECT_EQ(dlg.windowTitle(), "VELTRA - Serie A. Nuovo Campionato");
    auto* nome = Controllo<QLineEdit>(dlg, 1001);
    auto* aggiungi = Controllo<QPushButton>(dlg, 1002);
    auto* lista = Controllo<QListWidget>(dlg, 1003);
    auto* togli = Controllo<QPushButton>(dlg, 1004);
    auto* ok = Controllo<QPushButton>(dlg, 1);
    ASSERT_TRUE(nome && aggiungi && lista && togli && ok);
    EXPECT_EQ(nome->maxLength(), 15);
    EXPECT_EQ(nome->toolTip(), "Scrivere il nome della squadra da inserire nella lista");

    auto scrivi = [&](const char* s) {
        nome->setText(QString::fromUtf8(s));
        aggiungi->click();
    };
    scrivi("Roma");
    scrivi("Lazio");
    scrivi("ROMA");
    EXPECT_EQ(msg.testi(), std::vector<std::string>{
                               "Inserimento duplicato.\nLa squadra e' gia' inclusa nella lista."});
    EXPECT_EQ(nome->text(), "ROMA"); // kept for the user to correct
    scrivi("Città Nuova");
    EXPECT_EQ(nome->text(), "");
    ASSERT_EQ(lista->count(), 3);
    EXPECT_EQ(lista->item(2)->text(), QString::fromUtf8("Città Nuova    "));

    lista->setCurrentRow(1);
    togli->click();
    EXPECT_EQ(nome->text(), "Lazio");
    ok->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dati.campionato(0).config.numeroStagioni(), stagioni + 1);
    EXPECT_EQ(dati.campionato(0).squadreCorrenti().nomi,
              (std::vector<std::string>{"Roma", "Città.Nuova"}));
}
