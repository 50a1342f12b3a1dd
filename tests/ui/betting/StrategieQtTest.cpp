// The strategy windows offscreen: the strategy window in its three modes,
// the stake split, the statistics window with its chart saved as PNG and
// embedded in the HTML page, and the export of a week into the archive.
#include "platform/AttendiLavori.h"
#include "app/DatiGlobali.h"
#include "betting/ArchivioSettimane.h"
#include "betting/CStatisticheStrategiaQt.h"
#include "betting/CVisualizzaStrategieQt.h"
#include "betting/ComandiStrategieQt.h"
#include "betting/FileQuote.h"
#include "betting/Rendimenti.h"
#include "betting/Strategie.h"
#include "app/Avvio.h"
#include "dati/FileAtomico.h"
#include "dati/FileDati.h"

#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"

#include <QChartView>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QChart>

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;
namespace fs = std::filesystem;

namespace {

void Fotografa(QWidget& w, const char* nome) {
    const QByteArray cartella = qgetenv("VELTRA_FOTO");
    if (cartella.isEmpty()) return;
    w.adjustSize();
    w.grab().save(QDir(QString::fromUtf8(cartella)).filePath(QString(nome) + ".png"));
}

QStringList Righe(QListWidget* l) {
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

EventoStrategia Favorita(int posizione) {
    EventoStrategia e;
    e.tipo = 1;
    e.posizione = static_cast<std::int16_t>(posizione);
    e.minProb1 = 0.4f, e.maxProb1 = 1, e.maxProbX = 1, e.maxProb2 = 1;
    e.minEquita = 0, e.maxEquita = 2, e.minQuota = 1, e.maxQuota = 3;
    return e;
}

class StrategieQt : public ::testing::Test {
protected:
    void SetUp() override {
        CStrategiaDesc a;
        a.nome = "Due favorite";
        a.descrizione = "La prima e la seconda per probabilita' del segno 1";
        a.eventiStrategia = {Favorita(1), Favorita(2)};
        a.giocate = {{0, 1}, {1}};
        CStrategiaDesc b;
        b.nome = "Terza";
        b.eventiStrategia = {Favorita(3)};
        b.giocate = {{0}};
        AggiungiStrategia(dati.strategie, dati.prossimoIdStrategia, a);
        AggiungiStrategia(dati.strategie, dati.prossimoIdStrategia, b);
        settimana = std::make_unique<ScommessaMgr>();
        settimana->AggiungiEvento(0, 1, "Inter", "Milan", {1.8f, 3.4f, 4.5f, 0, 0, 0}, 0.55f, 0.25f, 0.2f, "12/01/2002");
        settimana->AggiungiEvento(0, 1, "Roma", "Lazio", {2.2f, 3.2f, 3.3f, 0, 0, 0}, 0.45f, 0.3f, 0.25f);
        settimana->eventi[0].esito = '1';
        settimana->eventi[1].esito = 'X';
    }
    DatiGlobali dati;
    MessaggiRegistrati msg;
    CartellaTemporanea dir;
    std::unique_ptr<ScommessaMgr> settimana;
};

} // namespace

TEST_F(StrategieQt, VisteSfogliaRiepilogoEdElimina) {
    CVisualizzaStrategieQt w(CVisualizzaStrategieQt::Modo::Viste, dati, dir.percorso(), msg);
    EXPECT_EQ(Righe(w.giocata()), (QStringList{"Evento A", "Evento B"}));
    EXPECT_FALSE(w.findChild<QPushButton*>("precedente")->isEnabled());
    w.findChild<QPushButton*>("giocataSuccessiva")->click();
    EXPECT_EQ(Righe(w.giocata()), QStringList{"Evento B"});
    w.findChild<QPushButton*>("eventoSuccessivo")->click();
    EXPECT_NE(w.findChild<QLabel*>("criteri")->text().indexOf("POSIZIONE OCCUPATA NELL'ORDINAMENTO: 2"), -1);
    // A yields file that knows the first strategy only.
    ListaStrategie solo;
    solo.strategie = {dati.strategie.strategie[0]};
    const auto r = CalcolaRendimenti(solo, *settimana);
    w.ImpostaFileRendimenti(NuovoRendimento(solo, r, *settimana));
    EXPECT_EQ(w.settimaneAnalisi()->text(), "1");
    const QString rendimento = w.rendimento()->text();
    EXPECT_TRUE(rendimento.startsWith('+') || rendimento.startsWith('-')) << rendimento.toStdString();
    Fotografa(w, "239-viste");
    w.findChild<QPushButton*>("successiva")->click();
    EXPECT_EQ(w.strategia(), 1);
    EXPECT_EQ(w.settimaneAnalisi()->text(), "-");
    // Deleting: No keeps it, Yes removes it and shows the previous one.
    msg.risposte = {Risposta::No};
    EXPECT_FALSE(w.Elimina());
    EXPECT_EQ(dati.strategie.strategie.size(), 2u);
    msg.risposte = {Risposta::Si};
    EXPECT_TRUE(w.Elimina());
    EXPECT_EQ(dati.strategie.strategie.size(), 1u);
    EXPECT_EQ(w.strategia(), 0);
    EXPECT_EQ(dati.datiModificati, 1);
}

TEST_F(StrategieQt, RendimentiEsitiESalvataggio) {
    auto copia = std::make_unique<ScommessaMgr>(*settimana);
    RendimentiSettimana r = CalcolaRendimenti(dati.strategie, *copia);
    CVisualizzaStrategieQt w(dati, dir.percorso(), msg, std::move(copia), r);
    // Inter (0.55) then Roma (0.45): Inter won at 1.80, Roma drew.
    EXPECT_EQ(Righe(w.giocata()), (QStringList{"Ev.A: Inter-Milan 1 (1.80) (E:-1%) (OK)",
                                               "Ev.B: Roma-Lazio 1 (2.20) (E:-1%) (Errore: X)",
                                               "Quota Totale:3.96"}));
    EXPECT_EQ(w.rendimento()->text(), "-100.0%");
    Fotografa(w, "239-rendimenti");
    w.MostraStrategia(1);
    EXPECT_EQ(w.rendimento()->text(), "- - -"); // only two events pass: position 3 cannot
    const fs::path ren = dir / "prova.REN";
    w.sceltaFileRendimenti = [&](int) { return QString("0|") + QString::fromStdString(ren.string()); };
    w.SalvaRendimenti();
    w.sceltaFileRendimenti = [&](int) { return QString("1|") + QString::fromStdString(ren.string()); };
    w.SalvaRendimenti();
    const auto letto = CaricaRendimento(ren);
    ASSERT_TRUE(letto);
    EXPECT_EQ(letto->settimane.size(), 2u);
    EXPECT_FLOAT_EQ(letto->strategie[0].settimane[1].rendimentoCumulato, -2.0f);
    w.sceltaFileRendimenti = [&](int) { return QString("2|") + QString::fromStdString(ren.string()); };
    w.SalvaRendimenti();
    EXPECT_EQ(CaricaRendimento(ren)->settimane.size(), 2u);
}

TEST_F(StrategieQt, GiocateRealiBudgetEPagina) {
    dati.scommesse = *settimana;
    CVisualizzaStrategieQt w(CVisualizzaStrategieQt::Modo::GiocateReali, dati, dir.percorso(), msg);
    EXPECT_FALSE(w.findChild<QPushButton*>("budget")->isEnabled());
    w.Calcola();
    AttendiLavori(w.esecutore());
    ASSERT_TRUE(w.risoluzioni()[0] && w.risoluzioni()[0]->realizzata);
    EXPECT_TRUE(w.findChild<QPushButton*>("budget")->isEnabled());
    EXPECT_EQ(Righe(w.giocata()).last(), "Quota Totale:3.96");
    Fotografa(w, "239-giocate-reali");
    CCalcolaPuntateQt p(dati.strategie.strategie[0], w.risoluzioni()[0]->gambe, msg);
    EXPECT_TRUE(p.Calcola("100"));
    const QStringList righe = Righe(p.elenco());
    // A budget with a thousands separator is refused, the split on screen kept.
    for (const char* importo : {"1.234,50", "1.000.000"}) {
        msg.mostrati.clear();
        EXPECT_FALSE(p.Calcola(importo));
        ASSERT_EQ(msg.mostrati.size(), 1u) << importo;
        EXPECT_NE(msg.testi()[0].find("non e' valido"), std::string::npos);
        EXPECT_EQ(Righe(p.elenco()), righe);
    }
    msg.mostrati.clear();
    EXPECT_EQ(righe[0], "Giocata n.1");
    EXPECT_TRUE(righe.contains("Puntata:35.71")); // 1/3.96 against 1/2.20
    EXPECT_TRUE(righe.contains("Vincita attesa:141.43"));
    Fotografa(p, "256-puntate");
    msg.risposte = {Risposta::Si};
    const QString pagina = w.EsportaGiocate();
    ASSERT_FALSE(pagina.isEmpty());
    const auto testo = LeggiFile(pagina.toStdString());
    ASSERT_TRUE(testo);
    EXPECT_NE(testo->find("Ev.A: Inter-Milan 1 (Q:1.80) (E:-1%) (P:55.0%) (Data: 12/01/2002)"), std::string::npos);
    EXPECT_NE(testo->find("Quota Totale: 3.96"), std::string::npos);
}

TEST_F(StrategieQt, StatisticheGraficoPngEHtml) {
    // Three archived weeks, the same two events with different results.
    std::vector<SettimanaArchiviata> settimane;
    for (const char* nome : {"080102", "150102", "220102"}) {
        SettimanaArchiviata s{nome, *DataDaNome(nome), {}};
        for (int i = 0; i < 2; ++i)
            s.eventi.push_back(settimana->eventi[static_cast<std::size_t>(i)]);
        settimane.push_back(s);
    }
    settimane[1].eventi[1].esito = '1';
    const CStrategiaDesc& s = dati.strategie.strategie[0];
    const StatisticheStrategia st = CalcolaStatistiche(s, settimane);
    ASSERT_EQ(st.disponibili, 3);
    CStatisticheStrategiaQt w(s, 1, 4, {1, 1, 2002}, st, dir.percorso(), msg);
    EXPECT_EQ(w.findChild<QLabel*>("giocabili")->text(), "3 (100.0%)");
    EXPECT_EQ(w.findChild<QLabel*>("vincenti")->text(), "1 (33.3%)");
    EXPECT_EQ(w.findChild<QLabel*>("bookmaker")->text(), "SNAI");
    auto* linea = qobject_cast<QLineSeries*>(w.grafico()->chart()->series().at(0));
    ASSERT_TRUE(linea);
    EXPECT_EQ(linea->count(), 3);
    w.rendimentoNetto()->setChecked(true);
    EXPECT_EQ(w.grafico()->chart()->series().size(), 3);
    w.resize(700, 640);
    Fotografa(w, "255-statistiche");
    const QString png = QString::fromStdString((dir / "grafico.png").string());
    ASSERT_TRUE(w.SalvaPng(png));
    EXPECT_EQ(LeggiFile(png.toStdString()).value_or("").substr(1, 3), "PNG");
    msg.risposte = {Risposta::Si};
    const QString html = w.SalvaHtml();
    ASSERT_FALSE(html.isEmpty());
    const auto pagina = LeggiFile(html.toStdString());
    ASSERT_TRUE(pagina);
    EXPECT_NE(pagina->find("data:image/png;base64,iVBOR"), std::string::npos);
    EXPECT_NE(pagina->find("BOOKMAKER: SNAI"), std::string::npos);
    EXPECT_EQ(msg.testi().back().rfind("La statistica calcolata è stata salvata nel file:", 0), 0u);

    // Nothing from the start date: zero weeks, no division.
    CStatisticheStrategiaQt vuota(s, 1, 0, {1, 1, 2010}, CalcolaStatistiche(s, {}), dir.percorso(), msg);
    EXPECT_EQ(vuota.findChild<QLabel*>("giocabili")->text(), "0 (0.0%)");
    EXPECT_EQ(vuota.findChild<QLabel*>("rendimento")->text(), "0.0%");
}

TEST_F(StrategieQt, EsportaEventiControlliEArchivio) {
    ASSERT_TRUE(CaricaFileCampionati(dati, VELTRA_RESOURCES_DIR "/dati"));
    ASSERT_TRUE(CreaCartelleEsportazione(dir.percorso()));
    // Teams the shipped data do not know.
    settimana->eventi[0].casa = "Nessuno", settimana->eventi[1].casa = "Mai";
    ASSERT_TRUE(ScriviFileAtomico(dir / "settimana.QUO", ScriviQuote(*settimana)));
    std::vector<std::string> proposte = {"x/311205.txt", "QUOTE-ESPORTATE\\SNAI\\321205.txt",
                                         "QUOTE-ESPORTATE\\SNAI\\311205.txt"};
    std::size_t k = 0;
    auto apri = [&](const char*, const char*, const std::string&) { return (dir / "settimana.QUO").string(); };
    auto salva = [&](const char* titolo, const char*, const std::string&) {
        EXPECT_STREQ(titolo, kTitoloSalvaEsportazione);
        return k < proposte.size() ? (dir.percorso().string() + "/" + proposte[k++]) : std::string();
    };
    // Both events unknown to the shipped data: made void on Yes.
    msg.risposte = {Risposta::Si, Risposta::Si};
    const std::string scritto = ComandoEsportaEventi(dati, dir.percorso(), msg, nullptr, apri, salva);
    EXPECT_EQ(k, 3u);
    ASSERT_FALSE(scritto.empty());
    const auto testi = msg.testi();
    ASSERT_EQ(testi.size(), 4u);
    EXPECT_NE(testi[2].find("all'interno di"), std::string::npos);
    EXPECT_NE(testi[3].find("data valida"), std::string::npos);
    EXPECT_EQ(LeggiFile(dir / "QUOTE-ESPORTATE" / "SNAI" / "Settimane.txt"), "1 \n311205 \n");
    EXPECT_EQ(LeggiFile(scritto).value_or("?")[0], '-');
    // The same week exported again replaces it: still listed once.
    proposte = {"QUOTE-ESPORTATE\\SNAI\\311205.txt"};
    k = 0;
    msg.risposte = {Risposta::Si, Risposta::Si};
    EXPECT_EQ(ComandoEsportaEventi(dati, dir.percorso(), msg, nullptr, apri, salva), scritto);
    EXPECT_EQ(LeggiFile(dir / "QUOTE-ESPORTATE" / "SNAI" / "Settimane.txt"), "1 \n311205 \n");
}

#include "betting/CWizardStrategiaQt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

TEST_F(StrategieQt, WizardEventiGiocateENome) {
    const auto prima = dati.strategie.strategie.size();
    const std::int32_t numero = dati.prossimoIdStrategia;
    CWizardStrategiaQt w(dati, msg);
    auto* prosegui = w.findChild<QPushButton*>("prosegui1");
    EXPECT_FALSE(prosegui->isEnabled());
    // Step 1: A by largest probability of 1, B with the form changed.
    w.findChild<QComboBox*>("tipo")->setCurrentIndex(1);
    ASSERT_TRUE(w.InserisciEvento());
    EXPECT_EQ(w.findChild<QLabel*>("lettera")->text(), "B");
    w.findChild<QSpinBox*>("posizione")->setValue(2);
    w.findChild<QComboBox*>("tipo")->setCurrentIndex(12);
    EXPECT_FALSE(w.findChild<QSpinBox*>("minProb1")->isEnabled()); // doubles: no sign limits
    ASSERT_TRUE(w.InserisciEvento());
    ASSERT_TRUE(w.InserisciEvento());
    w.TogliUltimoEvento();
    ASSERT_EQ(w.strategia().eventiStrategia.size(), 2u);
    EXPECT_EQ(w.strategia().eventiStrategia[0].tipo, 1);
    EXPECT_FLOAT_EQ(w.strategia().eventiStrategia[0].minProb1, 0.5f);
    EXPECT_FLOAT_EQ(w.strategia().eventiStrategia[0].maxQuota, 3.0f);
    EXPECT_EQ(w.strategia().eventiStrategia[1].posizione, 2);
    // The form shows back what it stores.
    const EventoStrategia e = w.strategia().eventiStrategia[1];
    w.ImpostaModulo(e);
    EXPECT_EQ(w.EventoDelModulo(), e);
    Fotografa(w, "236-wizard-eventi");
    ASSERT_TRUE(prosegui->isEnabled());
    w.Prosegui();
    EXPECT_EQ(w.passo(), 2);
    // Step 2: no play yet, no going on.
    EXPECT_FALSE(w.findChild<QPushButton*>("prosegui2")->isEnabled());
    w.AggiungiAllaGiocata(); // A
    w.MostraEvento(1);
    w.AggiungiAllaGiocata(); // B
    w.AggiungiAllaGiocata(); // B again
    w.TogliDallaGiocata(2);
    w.TogliDallaGiocata(-1);
    EXPECT_EQ(msg.testi().back(), "Selezionare un evento dalla lista di destra.");
    w.InserisciGiocata();
    w.AggiungiAllaGiocata();
    w.InserisciGiocata();
    EXPECT_EQ(w.strategia().giocate, (std::vector<std::vector<std::int16_t>>{{0, 1}, {1}}));
    Fotografa(w, "237-wizard-giocate");
    w.Prosegui();
    EXPECT_EQ(w.passo(), 3);
    w.Conferma("Nuova", "Due eventi");
    EXPECT_EQ(w.result(), QDialog::Accepted);
    ASSERT_EQ(dati.strategie.strategie.size(), prima + 1);
    EXPECT_EQ(dati.strategie.strategie.back().nome, "Nuova");
    EXPECT_EQ(dati.strategie.strategie.back().numero, numero);
    EXPECT_EQ(dati.prossimoIdStrategia, numero + 1);
    EXPECT_EQ(dati.datiModificati, 1);
}

TEST_F(StrategieQt, ModificheDaVisteEventoDescrizioneEPosizione) {
    const std::int32_t vecchio = dati.strategie.strategie[0].numero;
    {
        CWizardStrategiaQt w(dati, msg, CWizardStrategiaQt::Modifica::Evento, 0, 1);
        EXPECT_EQ(w.findChild<QPushButton*>("prosegui1")->text(), "&Modifica");
        EXPECT_FALSE(w.findChild<QPushButton*>("inserisciEvento")->isVisibleTo(&w));
        EXPECT_EQ(w.findChild<QSpinBox*>("posizione")->value(), 2); // loaded from event B
        w.findChild<QSpinBox*>("posizione")->setValue(4);
        w.findChild<QPushButton*>("prosegui1")->click();
        EXPECT_EQ(w.result(), QDialog::Accepted);
    }
    const CStrategiaDesc& s = dati.strategie.strategie[0];
    EXPECT_EQ(s.eventiStrategia[1].posizione, 4);
    EXPECT_EQ(s.eventiStrategia[0].posizione, 1);
    EXPECT_NE(s.numero, vecchio); // a new number: old yields no longer apply
    EXPECT_EQ(s.numero + 1, dati.prossimoIdStrategia);
    {
        CWizardStrategiaQt w(dati, msg, CWizardStrategiaQt::Modifica::Descrizione, 0, 0);
        EXPECT_EQ(w.passo(), 3);
        EXPECT_EQ(w.findChild<QLineEdit*>("nome")->text(), "Due favorite");
        w.Conferma("Rinominata", "Nuova descrizione");
    }
    EXPECT_EQ(dati.strategie.strategie[0].nome, "Rinominata");
    EXPECT_EQ(dati.strategie.strategie[0].numero, s.numero); // the name alone keeps the number

    CVisualizzaStrategieQt w(CVisualizzaStrategieQt::Modo::Viste, dati, dir.percorso(), msg);
    w.MostraStrategia(1);
    EXPECT_EQ(w.Sposta(0), 0);
    EXPECT_EQ(dati.strategie.strategie[0].nome, "Terza");
    EXPECT_EQ(w.findChild<QLabel*>("nome")->text(), "Terza");
    EXPECT_EQ(w.Sposta(1), 0); // before the one right after: no move
}

TEST_F(StrategieQt, GiocateRealiSenzaEventi) {
    dati.scommesse.Azzera();
    FinestreNonModali finestre;
    const bool cambiati = false;
    EXPECT_EQ(ApriGiocateReali(dati, dir.percorso(), msg, finestre, cambiati, nullptr), nullptr);
    EXPECT_FALSE(finestre.Aperta(Finestra::GiocateReali));
    EXPECT_EQ(msg.testi().back(), "In mancanza di eventi disponibili, la finestra del calcolo delle giocate delle "
                                  "strategie viene chiusa.");
}

// With no strategy the real-plays window has nothing to resolve, split,
// export or count: every command is idle, and pressing each one all the
// same (enabled by force) does nothing and loses nothing.
TEST_F(StrategieQt, GiocateRealiSenzaStrategie) {
    dati.strategie.strategie.clear();
    dati.scommesse = *settimana;
    const ScommessaMgr eventi = dati.scommesse;
    CVisualizzaStrategieQt w(CVisualizzaStrategieQt::Modo::GiocateReali, dati, dir.percorso(), msg);
    ASSERT_TRUE(w.Aggiorna(false));
    w.show();
    EXPECT_EQ(w.findChild<QLabel*>("posizione")->text(), "nessuna strategia");
    const auto pulsanti = w.findChildren<QPushButton*>();
    ASSERT_GE(pulsanti.size(), 8);
    for (const char* nome : {"calcola", "budget", "esportaGiocate", "statistiche"}) {
        auto* b = w.findChild<QPushButton*>(nome);
        ASSERT_TRUE(b) << nome;
        EXPECT_FALSE(b->isEnabled()) << nome;
    }
    Fotografa(w, "239-giocate-reali-senza-strategie");
    msg.risposte = {Risposta::Si, Risposta::Si, Risposta::Si};
    for (QPushButton* b : pulsanti) {
        if (b->objectName() == "IDCANCEL") continue;
        b->setEnabled(true);
        b->click();
        AttendiLavori(w.esecutore());
    }
    EXPECT_TRUE(msg.mostrati.empty()) << msg.testi().front();
    EXPECT_EQ(dati.scommesse, eventi);
    EXPECT_TRUE(w.isVisible());
    w.findChild<QPushButton*>("IDCANCEL")->click();
    EXPECT_FALSE(w.isVisible());
}
