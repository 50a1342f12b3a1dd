#include "tools/qualita/FinestraQualitaStimeQt.h"

#include "app/importa/NomeDaFonte.h"
#include "dati/FileAtomico.h"
#include "engine/rating/ModelloProbabilita.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "tools/stagioni/EtichettaStagione.h"

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
#include <QValueAxis>
#include <QVBoxLayout>

namespace veltra {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QString Etichetta(CampionatoId c, int stagione) {
    const int anno = AnnoStagione(c, stagione);
    if (StagioneAnnoSolare(c)) return QString::number(anno);
    return QString::asprintf("%d-%02d", anno, (anno + 1) % 100);
}

QString Numero(double x, bool presente, int decimali = 4) {
    return presente ? QString::number(x, 'f', decimali) : QStringLiteral("-");
}

const char* kColonne[] = {"Stagione",      "Incontri",          "Non stimati",
                          "RPS modello",   "Brier",             "Log-loss",
                          "Centrati",      "Con quote",         "RPS mercato",
                          "RPS modello (stessi incontri)",      "Differenza [IC 95%]",
                          "RPS base",      "Differenza dalla base [IC 95%]"};

} // namespace

FinestraQualitaStimeQt::FinestraQualitaStimeQt(DatiGlobali& dati, IEsecutoreLavori& esecutore,
                                           IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), dati_(dati), esecutore_(esecutore), messaggi_(messaggi),
      campionato_(dati.campionatoCorrente) {
    setObjectName("QualitaStime");
    const CCampionato& c = dati_.campionato(campionato_);
    setWindowTitle(QStringLiteral("VELTRA - %1. Qualità delle Stime").arg(Q(std::string(c.descrizione().nome))));

    auto* scelte = new QHBoxLayout;
    dal_ = new QComboBox;
    dal_->setObjectName("dal");
    al_ = new QComboBox;
    al_->setObjectName("al");
    for (int s = 1; s <= c.config.numeroStagioni(); ++s) {
        dal_->addItem(Etichetta(campionato_, s), s);
        al_->addItem(Etichetta(campionato_, s), s);
    }
    // The last five complete seasons by default.
    const int ultima = std::max(1, c.config.numeroStagioni() - 1);
    al_->setCurrentIndex(ultima - 1);
    dal_->setCurrentIndex(std::max(0, ultima - 5));
    modello_ = new QComboBox;
    modello_->setObjectName("modello");
    modello_->addItem("Motore", static_cast<int>(ModelloStime::Motore));
    modello_->addItem("Modello rating", static_cast<int>(ModelloStime::Rating));
    auto* quote = new QPushButton("&Quote...");
    quote->setObjectName("quote");
    quote->setToolTip("Carica i file di quote di football-data.co.uk (CSV) con cui confrontare le stime");
    testoQuote_ = new QLabel("Nessun file di quote");
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

    tabella_ = new QTableWidget(0, static_cast<int>(std::size(kColonne)));
    tabella_->setObjectName("tabella");
    QStringList teste;
    for (const char* t : kColonne) teste << QString::fromUtf8(t);
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
    modelloInUso_->addItem("Motore (predefinito)", static_cast<int>(ModelloStime::Motore));
    modelloInUso_->addItem("Modello rating", static_cast<int>(ModelloStime::Rating));
    modelloInUso_->setCurrentIndex(c.modello == ModelloStime::Rating ? 1 : 0);
    modelloInUso_->setToolTip("Il modello che da' le probabilita' alla schedina e alle scommesse di questo campionato");
    uso->addWidget(new QLabel("Modello per schedina e scommesse:"));
    uso->addWidget(modelloInUso_);
    uso->addStretch(1);
    auto* chiudi = new QPushButton("C&hiudi");
    uso->addWidget(chiudi);

    auto* corpo = new QVBoxLayout(this);
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
            [this](int i) { ScegliModelloInUso(i); });
    resize(1100, 800);
}

void FinestraQualitaStimeQt::CaricaQuote(const std::vector<std::string>& file) {
    std::vector<LetturaQuote> letti;
    for (const auto& f : file) {
        const auto testo = LeggiFile(f);
        if (!testo) {
            messaggi_.Errore(f + ": impossibile leggere il file");
            return;
        }
        auto l = LeggiQuoteDaValutare(*testo, f);
        if (!l.ok()) {
            messaggi_.Errore(l.errore);
            return;
        }
        letti.push_back(std::move(l));
    }
    quote_ = std::move(letti);
    long righe = 0;
    for (const auto& l : quote_) righe += static_cast<long>(l.quote.partite.size());
    testoQuote_->setText(QStringLiteral("%1 file di quote, %2 righe").arg(quote_.size()).arg(righe));
}

void FinestraQualitaStimeQt::ScegliModelloInUso(int indice) {
    const auto m = static_cast<ModelloStime>(modelloInUso_->itemData(indice).toInt());
    CCampionato& c = dati_.campionato(campionato_);
    if (c.modello == m) return;
    c.modello = m;
    dati_.datiModificati = 1;
    // The coupon and the bets follow the championship's probabilities.
    dati_.notifiche.Pubblica({Cambiamento::Analisi, campionato_});
}

void FinestraQualitaStimeQt::Calcola() {
    const int dal = dal_->currentData().toInt(), al = al_->currentData().toInt();
    if (dal > al) {
        messaggi_.Errore("La prima stagione viene dopo l'ultima.");
        return;
    }
    RichiestaValutazione r;
    r.opzioni.dal = dal;
    r.opzioni.al = al;
    r.opzioni.modello = static_cast<ModelloStime>(modello_->currentData().toInt());
    r.quote = quote_;
    auto alias = std::make_shared<TabellaAlias>();
    CaricaAliasPredefiniti(*alias); // without it, names go by the shortening rule only
    const std::string codice(dati_.campionato(campionato_).descrizione().codice);
    r.nomi = [alias, codice](const std::string& n) { return NomeDaFonte(*alias, codice, n); };
    std::shared_ptr<CCampionato> copia = CopiaPerValutazione(dati_.campionato(campionato_));
    calcola_->setEnabled(false);
    AvviaLavoro<RisultatoValutazione>(
        esecutore_, "Qualità delle Stime",
        [copia, r](ContestoLavoro& c) { return ValutaStime(*copia, r, &c); },
        [finestra = QPointer<FinestraQualitaStimeQt>(this)](EsitoLavoro<RisultatoValutazione> e) {
            if (!finestra) return;
            finestra->calcola_->setEnabled(true);
            if (!e.fine.riuscito()) {
                finestra->messaggi_.Errore("Calcolo non riuscito: " + e.fine.errore);
                return;
            }
            finestra->Mostra(e.risultato);
        });
}

void FinestraQualitaStimeQt::Mostra(const RisultatoValutazione& r) {
    tabella_->setRowCount(0);
    auto riga = [&](const QString& nome, const RiepilogoValutazione& s) {
        const int i = tabella_->rowCount();
        tabella_->insertRow(i);
        const bool m = s.modello.n > 0, q = s.mercato.n > 0, b = s.base.n > 0;
        auto ic = [](const Differenza& d) {
            return d.n ? QString::asprintf("%+.4f [%+.4f, %+.4f]", d.media, d.basso, d.alto)
                       : QStringLiteral("-");
        };
        const QString celle[] = {nome,
                                 QString::number(s.incontri),
                                 QString::number(s.nonStimati),
                                 Numero(s.modello.Rps(), m),
                                 Numero(s.modello.Brier(), m),
                                 Numero(s.modello.LogLoss(), m),
                                 m ? QString::asprintf("%.1f%%", s.modello.Centrati() * 100) : "-",
                                 QString::number(s.mercato.n),
                                 Numero(s.mercato.Rps(), q),
                                 Numero(s.modelloSuMercato.Rps(), q),
                                 ic(s.controMercato),
                                 Numero(s.base.Rps(), b),
                                 ic(s.controBase)};
        for (int k = 0; k < static_cast<int>(std::size(celle)); ++k)
            tabella_->setItem(i, k, new QTableWidgetItem(celle[k]));
    };
    for (const auto& s : r.stagioni) riga(Etichetta(campionato_, s.stagione), s);
    riga(r.interrotta ? "Totale (interrotto)" : "Totale", r.totale);

    // The reliability diagram: the diagonal, then one series per sign.
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
    QString conteggi = "Incontri per classe (0-10%, 10-20%, ...): ";
    for (int s = 0; s < 3; ++s) {
        auto* linea = new QLineSeries;
        linea->setName(nomi[s]);
        linea->setColor(colori[s]);
        linea->setPointsVisible(true);
        QStringList n;
        for (int k = 0; k < DiagrammaAffidabilita::kClassi; ++k) {
            const auto& c = r.affidabilita.classi[s][k];
            n << QString::number(c.n);
            if (c.n > 0) linea->append(c.Prevista(), c.Osservata());
        }
        chart->addSeries(linea);
        linea->attachAxis(ax);
        linea->attachAxis(ay);
        conteggi += QStringLiteral("%1: %2.  ").arg(nomi[s], n.join(' '));
    }
    conteggi_->setText(conteggi);

    QString testo;
    if (!quote_.empty()) {
        long scartateLettura = 0;
        for (const auto& l : quote_) scartateLettura += static_cast<long>(l.quote.scartate.size());
        testo = QStringLiteral("Quote: %1 righe, %2 abbinate, %3 di stagioni non valutate, %4 non abbinate, %5 illeggibili.\n")
                    .arg(r.mercato.righe)
                    .arg(r.mercato.abbinate)
                    .arg(r.mercato.fuoriStagioni)
                    .arg(r.mercato.scartate.size())
                    .arg(scartateLettura);
        for (const auto& q : r.mercato.scartate)
            testo += Q(q.file) + QStringLiteral(":%1: ").arg(q.riga) + Q(q.motivo) + "\n";
        for (const auto& l : quote_)
            for (const auto& q : l.quote.scartate)
                testo += Q(l.file) + QStringLiteral(":%1: ").arg(q.riga) + Q(q.testo) + "\n";
    } else {
        testo = "Nessun file di quote: il confronto con il mercato manca (pulsante \"Quote...\").";
    }
    rapporto_->setPlainText(testo);
}

void MostraModelloInUso(QMainWindow& finestra, const DatiGlobali& dati) {
    auto* etichetta = finestra.statusBar()->findChild<QLabel*>("modelloStime");
    if (!etichetta) {
        etichetta = new QLabel;
        etichetta->setObjectName("modelloStime");
        finestra.statusBar()->addPermanentWidget(etichetta);
    }
    etichetta->setText(Q(TestoModelloInUso(dati.campionato(dati.campionatoCorrente).modello)));
}

} // namespace veltra
