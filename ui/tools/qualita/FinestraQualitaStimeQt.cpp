#include "tools/qualita/FinestraQualitaStimeQt.h"

#include "app/importa/NomeDaFonte.h"
#include "engine/rating/ModelloProbabilita.h"
#include "platform/EsecutoreLavoriQt.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMainWindow>
#include <QPen>
#include <QStatusBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>
#include <QPointer>

#include <map>

namespace veltra {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

NomeProgramma NomiDelCampionato(const DatiGlobali& dati) {
    auto alias = std::make_shared<TabellaAlias>();
    CaricaAliasPredefiniti(*alias); // without it, names go by the shortening rule only
    const std::string codice(dati.campionato(dati.campionatoCorrente).descrizione().codice);
    return [alias, codice](const std::string& n) { return NomeDaFonte(*alias, codice, n); };
}

} // namespace

FinestraQualitaStimeQt::FinestraQualitaStimeQt(DatiGlobali& dati, IEsecutoreLavori& esecutore,
                                           IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(dati, NomiDelCampionato(dati)), esecutore_(esecutore),
      messaggi_(messaggi) {
    setObjectName("QualitaStime");
    setWindowTitle(Q(logica_.titolo()));

    auto* scelte = new QHBoxLayout;
    dal_ = new QComboBox;
    dal_->setObjectName("dal");
    al_ = new QComboBox;
    al_->setObjectName("al");
    for (const auto& e : logica_.stagioni()) {
        dal_->addItem(Q(e));
        al_->addItem(Q(e));
    }
    al_->setCurrentIndex(logica_.alPredefinito());
    dal_->setCurrentIndex(logica_.dalPredefinito());
    modello_ = new QComboBox;
    modello_->setObjectName("modello");
    modello_->addItem("Motore", static_cast<int>(ModelloStime::Motore));
    modello_->addItem("Modello rating", static_cast<int>(ModelloStime::Rating));
    modello_->setCurrentIndex(logica_.modelloInUso() == ModelloStime::Rating ? 1 : 0);
    auto* quote = new QPushButton("&Quote...");
    quote->setObjectName("quote");
    quote->setToolTip("Carica i file di quote di football-data.co.uk (CSV) con cui confrontare le stime");
    testoQuote_ = new QLabel(Q(logica_.testoQuote()));
    calcola_ = new QPushButton("&Calcola");
    calcola_->setObjectName("calcola");
    scelte->addWidget(new QLabel("Dal:"));
    scelte->addWidget(dal_);
    scelte->addWidget(new QLabel("Al:"));
    scelte->addWidget(al_);
    scelte->addWidget(new QLabel("Modello:"));
    scelte->addWidget(modello_);
    scelte->addWidget(quote);
    scelte->addWidget(testoQuote_, 1);
    scelte->addWidget(calcola_);

    tabella_ = new QTableWidget(0, kColonneQualita);
    tabella_->setObjectName("tabella");
    QStringList teste;
    for (const char* t : kIntestazioniQualita) teste << QString::fromUtf8(t);
    tabella_->setHorizontalHeaderLabels(teste);
    tabella_->verticalHeader()->hide();
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabella_->setMinimumHeight(240);

    auto* chart = new QChart;
    chart->setTitle("Affidabilità: probabilità prevista e frequenza osservata (10 classi per segno)");
    auto* vista = new QChartView(chart);
    vista->setObjectName("diagramma");
    vista->setRenderHint(QPainter::Antialiasing);
    vista->setMinimumSize(520, 360);
    diagramma_ = vista;
    conteggi_ = new QLabel;
    conteggi_->setObjectName("conteggi");
    conteggi_->setWordWrap(true);

    rapporto_ = new QPlainTextEdit;
    rapporto_->setObjectName("rapporto");
    rapporto_->setReadOnly(true);
    rapporto_->setMaximumHeight(90);

    auto* uso = new QHBoxLayout;
    modelloInUso_ = new QComboBox;
    modelloInUso_->setObjectName("modelloInUso");
    modelloInUso_->addItem("Motore", static_cast<int>(ModelloStime::Motore));
    modelloInUso_->addItem("Modello rating", static_cast<int>(ModelloStime::Rating));
    modelloInUso_->setCurrentIndex(logica_.modelloInUso() == ModelloStime::Rating ? 1 : 0);
    modelloInUso_->setToolTip("Il modello che da' le probabilita' alla schedina e alle scommesse di questo campionato");
    uso->addWidget(new QLabel("Modello per schedina e scommesse:"));
    uso->addWidget(modelloInUso_);
    uso->addStretch(1);
    auto* chiudi = new QPushButton("C&hiudi");
    uso->addWidget(chiudi);

    qualitaInUso_ = new QLabel(Q(logica_.testoQualitaInUso()));
    qualitaInUso_->setObjectName("qualitaInUso");
    qualitaInUso_->setWordWrap(true);

    auto* corpo = new QVBoxLayout(this);
    corpo->addWidget(qualitaInUso_);
    corpo->addLayout(scelte);
    corpo->addWidget(tabella_, 1);
    corpo->addWidget(vista, 2);
    corpo->addWidget(conteggi_);
    corpo->addWidget(rapporto_);
    corpo->addLayout(uso);

    connect(calcola_, &QPushButton::clicked, this, [this] { Calcola(); });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(quote, &QPushButton::clicked, this, [this] {
        const QStringList scelti = QFileDialog::getOpenFileNames(
            this, "File di quote", QString(), "File CSV (*.csv);;Tutti i file (*)");
        std::vector<std::string> file;
        for (const auto& f : scelti) file.push_back(f.toStdString());
        if (!file.empty()) CaricaQuote(file);
    });
    connect(modelloInUso_, &QComboBox::currentIndexChanged, this,
            [this](int i) {
                logica_.ScegliModelloInUso(static_cast<ModelloStime>(modelloInUso_->itemData(i).toInt()));
                MisuraModelloInUso();
            });
    resize(1100, 800);
    // The model in use measured once the window is up.
    QTimer::singleShot(0, this, [this] { MisuraModelloInUso(); });
}

void FinestraQualitaStimeQt::MisuraModelloInUso() {
    qualitaInUso_->setText(Q(logica_.testoQualitaInUso()));
    if (logica_.CalcolaQualitaInUso(esecutore_, [this] {
            qualitaInUso_->setText(Q(logica_.testoQualitaInUso()));
            calcola_->setEnabled(!logica_.inCorso());
        }))
        calcola_->setEnabled(!logica_.inCorso());
}

void FinestraQualitaStimeQt::CaricaQuote(const std::vector<std::string>& file) {
    if (logica_.CaricaQuote(file, messaggi_)) testoQuote_->setText(Q(logica_.testoQuote()));
}

void FinestraQualitaStimeQt::Calcola() {
    const auto modello = static_cast<ModelloStime>(modello_->currentData().toInt());
    if (!logica_.Calcola(dal_->currentIndex(), al_->currentIndex(), modello, esecutore_, messaggi_,
                         [this] { Aggiorna(); }))
        return;
    // A job run in place has already ended.
    calcola_->setEnabled(!logica_.inCorso());
}

void FinestraQualitaStimeQt::Mostra(const RisultatoValutazione& r) {
    logica_.Imposta(r);
    Aggiorna();
}

void FinestraQualitaStimeQt::Aggiorna() {
    calcola_->setEnabled(!logica_.inCorso());
    const auto righe = logica_.righe();
    tabella_->setRowCount(0);
    for (const auto& celle : righe) {
        const int i = tabella_->rowCount();
        tabella_->insertRow(i);
        for (int k = 0; k < kColonneQualita; ++k)
            tabella_->setItem(i, k, new QTableWidgetItem(QString::fromStdString(celle[static_cast<std::size_t>(k)])));
    }

    // The reliability diagram: the diagonal, then one series per sign.
    const DiagrammaQualita d = logica_.diagramma();
    auto* chart = static_cast<QChartView*>(diagramma_)->chart();
    chart->removeAllSeries();
    for (auto* a : chart->axes()) chart->removeAxis(a);
    auto* ax = new QValueAxis;
    ax->setRange(0, 1);
    ax->setTitleText("Probabilità prevista (media della classe)");
    auto* ay = new QValueAxis;
    ay->setRange(0, 1);
    ay->setTitleText("Frequenza osservata");
    chart->addAxis(ax, Qt::AlignBottom);
    chart->addAxis(ay, Qt::AlignLeft);
    auto* diagonale = new QLineSeries;
    diagonale->setName("Perfetta affidabilità");
    diagonale->setPen(QPen(Qt::gray, 1, Qt::DashLine));
    diagonale->append(0, 0);
    diagonale->append(1, 1);
    chart->addSeries(diagonale);
    diagonale->attachAxis(ax);
    diagonale->attachAxis(ay);
    const char* nomi[3] = {"Segno 1", "Segno X", "Segno 2"};
    const QColor colori[3] = {QColor(0x1f, 0x77, 0xb4), QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28)};
    for (int s = 0; s < 3; ++s) {
        auto* linea = new QLineSeries;
        linea->setName(nomi[s]);
        linea->setColor(colori[s]);
        linea->setPointsVisible(true);
        for (const auto& [x, y] : d.punti[static_cast<std::size_t>(s)]) linea->append(x, y);
        chart->addSeries(linea);
        linea->attachAxis(ax);
        linea->attachAxis(ay);
    }
    conteggi_->setText(Q(d.conteggi));
    rapporto_->setPlainText(Q(logica_.rapporto()));
}

namespace {

// The measured figures of the status bar, by championship, model and data
// (user-interface thread only).
std::map<std::string, std::string>& FigureMisurate() {
    static std::map<std::string, std::string> figure;
    return figure;
}

std::string ChiaveFigura(const DatiGlobali& dati) {
    const CCampionato& c = dati.campionato(dati.campionatoCorrente);
    return std::to_string(dati.campionatoCorrente) + ' ' + NomeModello(c.modello) + ' ' +
           std::to_string(c.numeroIncontri()) + ' ' + std::to_string(c.config.numeroStagioni());
}

} // namespace

void MostraModelloInUso(QMainWindow& finestra, const DatiGlobali& dati) {
    auto* etichetta = finestra.statusBar()->findChild<QLabel*>("modelloStime");
    if (!etichetta) {
        etichetta = new QLabel;
        etichetta->setObjectName("modelloStime");
        etichetta->setToolTip("Il modello delle stime in uso e il suo RPS fuori campione sull'ultima stagione "
                              "completa: misura la qualita' delle previsioni (piu' basso e' meglio)");
        finestra.statusBar()->addPermanentWidget(etichetta);
    }
    const CCampionato& c = dati.campionato(dati.campionatoCorrente);
    const std::string chiave = ChiaveFigura(dati);
    etichetta->setProperty("chiave", QString::fromStdString(chiave));
    const auto it = FigureMisurate().find(chiave);
    if (it != FigureMisurate().end()) {
        etichetta->setText(Q(TestoModelloInUso(c.modello) + (it->second.empty() ? "" : " - " + it->second)));
        return;
    }
    etichetta->setText(Q(TestoModelloInUso(c.modello)));
    // Measured once in the background; the label shows it if still about
    // the same championship and model.
    FigureMisurate()[chiave] = "";
    auto* esecutore = etichetta->findChild<EsecutoreLavoriQt*>();
    if (!esecutore) {
        esecutore = new EsecutoreLavoriQt(nullptr, EsecutoreLavoriQt::Progresso::Nessuna);
        esecutore->setParent(etichetta);
    }
    std::shared_ptr<CCampionato> copia = CopiaPerValutazione(c);
    std::shared_ptr<CCampionato> inferiore;
    if (DivisioneInferiore(c.id()) >= 0) inferiore = CopiaPerValutazione(dati.campionato(DivisioneInferiore(c.id())));
    const ModelloStime modello = c.modello;
    QPointer<QLabel> vista(etichetta);
    AvviaLavoro<QualitaUltimaStagione>(
        *esecutore, "Qualità delle Stime",
        [copia, inferiore, modello](ContestoLavoro& l) {
            return ValutaUltimaStagione(*copia, inferiore.get(), modello, {}, {}, &l);
        },
        [vista, chiave, modello](EsitoLavoro<QualitaUltimaStagione> e) {
            if (!e.fine.riuscito() || e.fine.fermato) {
                FigureMisurate().erase(chiave);
                return;
            }
            const std::string rps = TestoQualitaUltimaStagione(e.risultato);
            FigureMisurate()[chiave] = rps;
            if (vista && vista->property("chiave").toString().toStdString() == chiave)
                vista->setText(Q(TestoModelloInUso(modello) + (rps.empty() ? "" : " - " + rps)));
        });
}

} // namespace veltra
