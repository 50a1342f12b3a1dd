// The pools windows on the shipped data (offscreen): the new-coupon wizard
// driven page by page, the system window with every command, manual rows and
// the choice of reduction, and the slip print dialog with its calibration.
#include "app/DatiGlobali.h"
#include "dati/ModelliStime.h"
#include "dati/FileDati.h"
#include "engine/CMotoreStime.h"
#include "platform/DispositivoStampaQt.h"
#include "pools/DlgStampaSchedine.h"
#include "betting/CDlgDatiEventoQt.h"
#include "pools/CPropostaSistemaQt.h"
#include "pools/NuovaSchedinaQt.h"
#include "pools/OperazioniSchedina.h"

#include "doppi/MessaggiRegistrati.h"
#include "doppi/StampaRegistrata.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

template <class W> W* Controllo(QWidget& w, const char* nome) {
    W* c = w.findChild<W*>(nome);
    if (!c) ADD_FAILURE() << "manca il controllo " << nome;
    return c;
}

// Screenshots for a person to look at, when asked for.
void Fotografa(QWidget& w, const char* nome) {
    const QByteArray cartella = qgetenv("VELTRA_FOTO");
    if (cartella.isEmpty()) return;
    w.adjustSize();
    w.grab().save(QDir(QString::fromUtf8(cartella)).filePath(QString(nome) + ".png"));
}

class PoolsQt : public ::testing::Test {
protected:
    void SetUp() override {
        const EsitoFile e = CaricaFileCampionati(dati, VELTRA_RESOURCES_DIR "/dati");
        ASSERT_TRUE(e) << e.dettaglio;
        // As in a new working folder: the shipped current seasons have just begun,
        // so every championship is estimated with the rating model.
        for (int c = 0; c < kNumeroCampionati; ++c) {
            dati.campionato(c).modello = ModelloStime::Rating;
            CreaMotore(dati.campionato(c));
        }
    }

    // The wizard with 10 matches of Serie A and 4 of Serie B.
    bool Compila() {
        int pagine = 0;
        return NuovaSchedinaQt(dati, msg, nullptr, [&](QDialog& d) -> int {
            auto* p = qobject_cast<DlgPaginaSchedina*>(&d);
            if (!p) return QDialog::Rejected;
            if (pagine == 0) Fotografa(*p, "pagina-vuota");
            const int quante = pagine == 0 ? 20 : 8;
            for (int i = 0; i < quante; ++i) {
                p->squadre()->setCurrentRow(0);
                p->aggiungi()->click();
            }
            if (pagine == 1) {
                Fotografa(*p, "pagina-serie-b-piena");
                EXPECT_EQ(p->avanti()->text(), "&Schedina >>");
                EXPECT_FALSE(p->aggiungi()->isEnabled());
            }
            ++pagine;
            p->avanti()->click();
            return p->result();
        });
    }

    DatiGlobali dati;
    MessaggiRegistrati msg;
};

} // namespace

TEST_F(PoolsQt, NuovaSchedinaDaPiuCampionati) {
    ASSERT_TRUE(Compila()) << (msg.testi().empty() ? "" : msg.testi()[0]);
    const Schedina& s = dati.schedina;
    EXPECT_EQ(s.schedinaAssente, 0);
    EXPECT_EQ(RigheRiempite(s), 14);
    EXPECT_EQ(s.partite[0].campionato, 0);
    EXPECT_EQ(s.partite[13].campionato, 1);
    EXPECT_EQ(dati.datiModificati, 1);
}

TEST_F(PoolsQt, NuovaSchedinaOltreICampionatiSenzaIncontri) {
    // Serie C1 and C2 ship empty: their pages say so and the wizard goes on
    // to the foreign championships.
    ASSERT_EQ(dati.campionato(2).numeroIncontri(), dati.campionato(2).incontri.numeroSeparatori());
    std::vector<QString> etichette;
    int pagine = 0;
    const bool ok = NuovaSchedinaQt(dati, msg, nullptr, [&](QDialog& d) -> int {
        auto* p = qobject_cast<DlgPaginaSchedina*>(&d);
        if (!p) return QDialog::Rejected;
        const int pagina = pagine++;
        if (pagina == 2 || pagina == 3) {
            EXPECT_EQ(p->squadre()->count(), 0);
            EXPECT_TRUE(p->avanti()->isEnabled());
            for (auto* l : p->findChildren<QLabel*>())
                if (l->text().contains("troppo pochi incontri")) etichette.push_back(l->text());
            if (pagina == 2) Fotografa(*p, "pagina-senza-incontri");
        }
        const int quante = pagina == 0 || pagina == 1 ? 4 : pagina >= 4 ? 40 : 0;
        for (int i = 0; i < quante && p->aggiungi()->isEnabled(); ++i) {
            p->squadre()->setCurrentRow(0);
            p->aggiungi()->click();
        }
        p->avanti()->click();
        return p->result();
    });
    ASSERT_TRUE(ok) << (msg.testi().empty() ? "" : msg.testi()[0]);
    EXPECT_TRUE(msg.mostrati.empty());
    ASSERT_EQ(etichette.size(), 2u);
    EXPECT_TRUE(etichette[0].startsWith("Serie C1"));
    EXPECT_TRUE(etichette[1].startsWith("Serie C2"));
    EXPECT_EQ(RigheRiempite(dati.schedina), 14);
    EXPECT_EQ(dati.schedina.partite[4].campionato, 4);
}

TEST_F(PoolsQt, AltriIncontri) {
    CNuovaSchedina w(dati, dati.schedina, dati.condizionamenti);
    w.Inizia();
    ASSERT_TRUE(w.ApriPagina(0, msg));
    for (int i = 0; i < 20; ++i) w.Aggiungi(0, msg);
    ASSERT_TRUE(w.LasciaPagina(msg));
    ASSERT_TRUE(w.ApriPagina(1, msg));
    for (int i = 0; i < 6; ++i) w.Aggiungi(0, msg);
    ASSERT_TRUE(w.LasciaPagina(msg));
    ASSERT_TRUE(w.ApriAltri(msg));
    DlgAltriIncontri a(w);
    // 13 rows: the coupon may end here.
    EXPECT_TRUE(a.schedina()->isEnabled());
    EXPECT_FALSE(a.togli()->isEnabled());
    a.casa()->setText("Real Madrid");
    a.formaCasa(0)->setCurrentIndex(0);
    a.aggiungi()->click();
    Fotografa(a, "altri-incontri");
    EXPECT_FALSE(a.aggiungi()->isEnabled());
    EXPECT_FALSE(a.casa()->isEnabled());
    const Partita& p = dati.schedina.partite[13];
    EXPECT_EQ(p.campionato, -1);
    EXPECT_EQ(p.squadraCasa, "Real_Madrid");
    EXPECT_EQ(p.squadraTrasferta, "Squadra_2");
    EXPECT_EQ(p.formaCasa[0], 'V');
    EXPECT_EQ(p.formaCasa[1], 'P');
    a.togli()->click();
    EXPECT_FALSE(a.schedina()->isEnabled());
    EXPECT_TRUE(Vuota(dati.schedina.partite[13]));
    w.Annulla();
}

TEST_F(PoolsQt, NuovaSchedinaAnnullataRimetteLaPrecedente) {
    ASSERT_TRUE(Compila());
    const StatoSchedina prima = dati.schedina;
    const bool ok = NuovaSchedinaQt(dati, msg, nullptr, [](QDialog& d) {
        auto* p = qobject_cast<DlgPaginaSchedina*>(&d);
        if (p) {
            p->squadre()->setCurrentRow(0);
            p->aggiungi()->click();
            EXPECT_FALSE(p->avanti()->isEnabled()); // a match without its away team
        }
        return static_cast<int>(QDialog::Rejected);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(static_cast<const StatoSchedina&>(dati.schedina), prima);
}

TEST_F(PoolsQt, PropostaDiSistemaComandiEManuali) {
    ASSERT_TRUE(Compila());
    CPropostaSistemaQt f(dati, msg, nullptr);
    ASSERT_TRUE(f.Aggiorna());
    f.show();
    Fotografa(f, "proposta");
    EXPECT_EQ(f.windowTitle(), "MARVEN - Proposta di Sistema");
    auto* integrale = Controllo<QLabel>(f, "colonneIntegrale");
    ASSERT_TRUE(integrale);
    EXPECT_EQ(integrale->text().toStdString(), std::to_string(ColonneIntegrale(dati.schedina)));
    for (int r = 0; r < 14; ++r)
        EXPECT_EQ(f.pronostico(r)->text().toStdString(), Pronostico(dati.schedina.partite[r]));

    // Every enabled command changes the coupon and counts itself.
    for (int c = 0; c < kNumeroComandiSistema; ++c) {
        auto* b = f.pulsanteComando(static_cast<ComandoSistema>(c));
        if (!b->isEnabled()) continue;
        const std::size_t prima = msg.mostrati.size();
        b->click();
        if (msg.mostrati.size() == prima) {
            EXPECT_GE(dati.schedina.contatoriModifiche[static_cast<std::size_t>(c)], 1) << c;
        }
    }
    auto* iniziale = Controllo<QPushButton>(f, "sistemaIniziale");
    EXPECT_TRUE(iniziale->isEnabled());
    EXPECT_EQ(dati.schedina.sistemaIniziale, 0);

    // A row set by hand: checked and disabled; cancelled: unchecked.
    f.sceltaPronostico = [](const std::string&) { return std::optional<std::string>("X2"); };
    f.manuale(3)->click();
    EXPECT_EQ(f.pronostico(3)->text(), "X2");
    EXPECT_TRUE(f.manuale(3)->isChecked());
    EXPECT_FALSE(f.manuale(3)->isEnabled());
    f.sceltaPronostico = [](const std::string&) { return std::optional<std::string>(); };
    f.manuale(4)->click();
    EXPECT_FALSE(f.manuale(4)->isChecked());
    Fotografa(f, "proposta-modificata");

    iniziale->click();
    EXPECT_EQ(dati.schedina.sistemaIniziale, 1);
    EXPECT_EQ(dati.schedina.partite[3].pronosticoManuale, "-");
    EXPECT_FALSE(iniziale->isEnabled());
    EXPECT_TRUE(f.manuale(3)->isEnabled());

    // The choice of reduction goes to the coupon.
    auto* ridotto = Controllo<QRadioButton>(f, "sceltaRidotto");
    auto* correzione = Controllo<QRadioButton>(f, "sceltaCorrezione");
    if (correzione->isEnabled()) {
        correzione->click();
        EXPECT_GE(dati.schedina.riduzioneMin, 0);
    }
    if (ridotto->isEnabled()) {
        ridotto->click();
        EXPECT_EQ(dati.schedina.riduzioneMin, -1);
    }
    f.close();
}

// The "i" of each row opens the event data window of its two teams, with the
// pools prefix; a row of another competition has none.
TEST_F(PoolsQt, PropostaDiSistemaDatiEvento) {
    ASSERT_TRUE(Compila());
    Partita& altro = dati.schedina.partite[13];
    altro.campionato = -1;
    altro.squadraCasa = "Real_Madrid";
    altro.squadraTrasferta = "Squadra_2";
    CPropostaSistemaQt f(dati, msg, nullptr);
    ASSERT_TRUE(f.Aggiorna());
    std::vector<std::string> aperte;
    f.mostraDatiEvento = [&](QDialog& d) {
        const auto& l = static_cast<CDlgDatiEventoQt&>(d).logica();
        aperte.push_back(d.windowTitle().toStdString() + "|" + l.casa() + "|" + l.trasferta());
    };
    for (int r = 0; r < kRigheSchedina; ++r) {
        const Partita& p = dati.schedina.partite[static_cast<std::size_t>(r)];
        EXPECT_EQ(f.datiEvento(r)->isEnabled(), r != 13) << r;
        f.datiEvento(r)->click();
        if (r == 13) continue;
        ASSERT_EQ(aperte.size(), static_cast<std::size_t>(r + 1));
        EXPECT_EQ(aperte.back(), "MARVEN - " + std::string(Campionato(p.campionato).nome) +
                                     ". Informazioni sull'evento selezionato|" + p.squadraCasa +
                                     "|" + p.squadraTrasferta);
    }
    EXPECT_EQ(aperte.size(), 13u);
}

TEST_F(PoolsQt, StampaSchedinaCalibrazioneEProvaSuPdf) {
    ASSERT_TRUE(Compila());
    ServizioStampaRegistrato servizio;
    DlgStampaSchedine d(dati, msg, servizio, true);
    Fotografa(d, "stampa-schedine");
    EXPECT_EQ(d.windowTitle(), "Stampa Schedina Sistema Integrale");
    EXPECT_FALSE(Controllo<QPushButton>(d, "tutte")->isEnabled());
    d.spin("margineSinistro")->setValue(200);
    Controllo<QPushButton>(d, "prova")->click();
    EXPECT_EQ(servizio.dispositivo.nome, "VELTRA - Prova di Stampa");
    EXPECT_EQ(servizio.dispositivo.righe.size(), 4u * 14u * 3u);
    EXPECT_EQ(dati.stampa.margineSinistro, 200);

    // The full system on a PDF: one page, one mark per predicted sign.
    QTemporaryDir cartella;
    const QString file = cartella.filePath("schedina.pdf");
    struct SuPdf : IServizioStampa {
        QString file;
        std::unique_ptr<IDispositivoStampa> ScegliDispositivo() override {
            return DispositivoStampaQt::SuFilePdf(file);
        }
    } pdf;
    pdf.file = file;
    DlgStampaSchedine suPdf(dati, msg, pdf, true);
    Controllo<QPushButton>(suPdf, "singola")->click();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_GT(f.size(), 0);
    if (!qgetenv("VELTRA_FOTO").isEmpty())
        QFile::copy(file, QDir(QString::fromUtf8(qgetenv("VELTRA_FOTO"))).filePath("schedina.pdf"));
}
