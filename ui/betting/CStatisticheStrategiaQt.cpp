#include "betting/CStatisticheStrategiaQt.h"

#include "betting/HtmlStrategie.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "platform/UiComune.h"

#include <QBuffer>
#include <QPointer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <ctime>

namespace veltra {

namespace {

QString Testo(const char* formato, double a, double b = 0) {
    char t[96];
    std::snprintf(t, sizeof t, formato, a, b);
    return QString::fromUtf8(t);
}

DataSettimana Ultima(const StatisticheStrategia& st, DataSettimana dal) {
    if (st.punti.empty()) return dal;
    return DataDaNome(st.punti.back().settimana).value_or(dal);
}

} // namespace

CDlgBookmakerDataQt::CDlgBookmakerDataQt(int bookmaker, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Seleziona Bookmaker e la data di partenza"));
    setObjectName(QString::number(kRisorsa));
    scelta_ = Nomina(new QComboBox(this), QStringLiteral("bookmaker"));
    for (const char* n : kNomiBookmaker)
        scelta_->addItem(Q(n));
    scelta_->setCurrentIndex(std::clamp(bookmaker, 0, kNumeroBookmaker - 1));
    data_ = Nomina(new QDateEdit(QDate(2002, 11, 10), this), QStringLiteral("dataInizio"));
    data_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    data_->setCalendarPopup(true);
    data_->setDateRange(QDate(2000, 10, 1), QDate::currentDate());
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("SELEZIONA IL BOOKMAKER : "), scelta_);
    form->addRow(QStringLiteral("DATA INIZIO RICERCA :"), data_);
    auto* v = new QVBoxLayout(this);
    v->addLayout(form);
    v->addWidget(PulsantiOkCancella(*this));
}

int CDlgBookmakerDataQt::bookmaker() const { return scelta_->currentIndex(); }
QDate CDlgBookmakerDataQt::data() const { return data_->date(); }

CStatisticheStrategiaQt::CStatisticheStrategiaQt(const CStrategiaDesc& strategia, int posizione,
                                                 int bookmaker, DataSettimana dal,
                                                 StatisticheStrategia statistiche,
                                                 std::filesystem::path cartella,
                                                 IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), strategia_(strategia), posizione_(posizione), bookmaker_(bookmaker), dal_(dal),
      st_(std::move(statistiche)), cartella_(std::move(cartella)), messaggi_(messaggi) {
    setWindowTitle(QStringLiteral("TALBOR - Statistiche sulla strategia"));
    setObjectName(QString::number(kRisorsa));
    auto* form = new QFormLayout;
    auto riga = [&](const QString& etichetta, const QString& valore, const char* nome) {
        form->addRow(etichetta, Nomina(new QLabel(valore, this), QString::fromUtf8(nome)));
    };
    riga(QStringLiteral("STRATEGIA :"), Q(strategia_.nome), "nome");
    riga(QStringLiteral("BOOKMAKER :"), Q(kNomiBookmaker[static_cast<std::size_t>(bookmaker_)]), "bookmaker");
    riga(QStringLiteral("DATA INIZIO ANALISI :"),
         QStringLiteral("%1/%2/%3").arg(dal_.giorno).arg(dal_.mese).arg(dal_.anno), "dataInizio");
    riga(QStringLiteral("SETTIMANE DISPONIBILI:"), QString::number(st_.disponibili), "disponibili");
    riga(QStringLiteral("SETTIMANE GIOCABILI :"),
         QString::number(st_.giocabili) + Testo(" (%.1f%%)", st_.percentualeGiocabili()), "giocabili");
    riga(QStringLiteral("SETTIMANE VINCENTI :"),
         QString::number(st_.vincenti) + Testo(" (%.1f%%)", st_.percentualeVincenti()), "vincenti");
    riga(QStringLiteral("RENDIMENTO :"), Testo("%.1f%%", st_.rendimento()), "rendimento");
    riga(QStringLiteral("RITARDO MASSIMO : "), QString::number(st_.ritardoMassimo), "ritardo");
    riga(QStringLiteral("MAX DRAWDOWN (puntate) :"), Testo("%.2f", st_.maxDrawdown), "drawdown");
    riga(QStringLiteral("INTERVALLO 90% DEL RENDIMENTO MEDIO :"),
         Testo("%.1f%% / %.1f%%", st_.intervalloBasso, st_.intervalloAlto), "intervallo");

    sceltaGuadagno_ = Nomina(new QRadioButton(QStringLiteral("Grafico Guadagno netto"), this),
                             QStringLiteral("graficoGuadagno"));
    sceltaRendimento_ = Nomina(new QRadioButton(QStringLiteral("Grafico Rendimento netto"), this),
                               QStringLiteral("graficoRendimento"));
    sceltaGuadagno_->setChecked(true);
    connect(sceltaGuadagno_, &QRadioButton::toggled, this, [this] { Disegna(); });

    vista_ = Nomina(new QChartView(this), QStringLiteral("grafico"));
    vista_->setRenderHint(QPainter::Antialiasing);
    vista_->setMinimumSize(560, 320);

    auto* html = Pulsante(QStringLiteral("&Salva in file html"), QStringLiteral("salvaHtml"));
    auto* png = Pulsante(QStringLiteral("Salva &PNG..."), QStringLiteral("salvaPng"),
                         QStringLiteral("Salva il grafico come immagine PNG"));
    auto* chiudi = Pulsante(QStringLiteral("Chiudi"), QStringLiteral("IDCANCEL"));
    connect(html, &QPushButton::clicked, this, [this] { SalvaHtml(); });
    connect(png, &QPushButton::clicked, this, [this] {
        const QString f = sceltaFilePng ? sceltaFilePng()
                                        : QFileDialog::getSaveFileName(this, QStringLiteral("Salva il grafico"),
                                                                       QString(), QStringLiteral("Immagine PNG (*.png)"));
        if (f.isEmpty()) return;
        if (!SalvaPng(f)) messaggi_.Errore("Impossibile salvare il grafico nel file:\n\n" + f.toStdString());
    });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* scelte = new QHBoxLayout;
    scelte->addWidget(sceltaGuadagno_);
    scelte->addWidget(sceltaRendimento_);
    scelte->addStretch();
    auto* v = new QVBoxLayout(this);
    v->addLayout(form);
    v->addLayout(scelte);
    v->addWidget(vista_, 1);
    v->addLayout(RigaPulsanti({html, png}, {chiudi}));
    Disegna();
}

void CStatisticheStrategiaQt::Disegna() {
    const bool guadagno = sceltaGuadagno_->isChecked();
    auto* chart = new QChart;
    chart->setTitle(guadagno ? QStringLiteral("Guadagno netto (puntate) ed esito di ogni settimana")
                             : QStringLiteral("Rendimento netto (%) ed esito di ogni settimana (%)"));
    auto* linea = new QLineSeries;
    linea->setName(guadagno ? QStringLiteral("Guadagno netto") : QStringLiteral("Rendimento netto"));
    auto* vinte = new QScatterSeries;
    vinte->setName(QStringLiteral("Settimana vinta"));
    vinte->setMarkerSize(6);
    vinte->setColor(QColor(0, 140, 60));
    auto* perse = new QScatterSeries;
    perse->setName(QStringLiteral("Settimana persa"));
    perse->setMarkerSize(6);
    perse->setColor(QColor(200, 40, 40));
    double minimo = 0, massimo = 0;
    for (std::size_t i = 0; i < st_.punti.size(); ++i) {
        const PuntoStatistica& p = st_.punti[i];
        const double y = guadagno ? p.guadagnoNetto : p.rendimentoNetto;
        linea->append(static_cast<double>(i + 1), y);
        minimo = std::min(minimo, y), massimo = std::max(massimo, y);
        if (!p.giocata) continue;
        const double esito = guadagno ? p.rendimento : p.rendimento * 100;
        (p.rendimento > 0 ? vinte : perse)->append(static_cast<double>(i + 1), esito);
        minimo = std::min(minimo, esito), massimo = std::max(massimo, esito);
    }
    chart->addSeries(linea);
    chart->addSeries(vinte);
    chart->addSeries(perse);
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Settimane disponibili"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(0, std::max<double>(1, static_cast<double>(st_.punti.size()) + 1));
    auto* y = new QValueAxis;
    y->setRange(minimo - 1, massimo + 1);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (auto* s : {static_cast<QAbstractSeries*>(linea), static_cast<QAbstractSeries*>(vinte),
                    static_cast<QAbstractSeries*>(perse)}) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    QChart* vecchio = vista_->chart();
    vista_->setChart(chart);
    delete vecchio;
}

std::string CStatisticheStrategiaQt::Png() const {
    QByteArray byte;
    QBuffer b(&byte);
    b.open(QIODevice::WriteOnly);
    vista_->grab().save(&b, "PNG");
    return std::string(byte.constData(), static_cast<std::size_t>(byte.size()));
}

bool CStatisticheStrategiaQt::SalvaPng(const QString& file) const { return vista_->grab().save(file, "PNG"); }

QString CStatisticheStrategiaQt::SalvaHtml() {
    if (messaggi_.Mostra("Vuoi che le statistiche calcolate vengano ora salvate su file HTML ?",
                         Icona::Domanda, Pulsanti::SiNo) != Risposta::Si)
        return {};
    const std::time_t t = std::time(nullptr);
    std::tm oggi{};
    localtime_r(&t, &oggi);
    const auto file = FileStatisticheHtml(cartella_, bookmaker_, oggi);
    bool aggiunta = false;
    const std::string sezione =
        HtmlStatistiche(strategia_, posizione_, bookmaker_, dal_, Ultima(st_, dal_), st_, Png());
    if (!ScriviSezioneHtml(file, "Statistiche delle strategie", sezione, &aggiunta)) {
        messaggi_.Errore("Impossibile scrivere il file:\n\n" + file.string());
        return {};
    }
    messaggi_.Mostra((aggiunta ? "La statistica calcolata è stata aggiunta in coda al file:\n\n"
                               : "La statistica calcolata è stata salvata nel file:\n\n") +
                         file.string(),
                     Icona::Informazione);
    return Q(file.string());
}

void ApriStatisticheStrategia(const CStrategiaDesc& s, int posizione, const std::filesystem::path& cartella,
                              IEsecutoreLavori& esecutore, IMessaggi& messaggi, QWidget* parent) {
    CDlgBookmakerDataQt scelta(s.daRicerca ? s.bookmaker : 0, parent);
    if (scelta.exec() != QDialog::Accepted) return;
    const int bookmaker = scelta.bookmaker();
    const QDate d = scelta.data();
    const DataSettimana dal{d.day(), d.month(), d.year()};
    const std::filesystem::path esportate = cartella / kCartellaEsportate;
    const std::filesystem::path archivio = esportate / kCartelleBookmaker[static_cast<std::size_t>(bookmaker)];
    struct Risultato {
        bool letto = false;
        std::string errore;
        StatisticheStrategia st;
    };
    const CStrategiaDesc copia = s;
    QPointer<QWidget> genitore = parent;
    AvviaLavoro<Risultato>(
        esecutore, kMessaggioCalcoloStatistiche,
        [copia, archivio, dal](ContestoLavoro& c) {
            Risultato r;
            const auto a = CaricaSettimane(archivio, dal, MascheraStrategia(copia), &r.errore);
            if (!a) return r;
            r.letto = true;
            r.st = CalcolaStatistiche(copia, a->settimane, &c);
            return r;
        },
        [copia, posizione, bookmaker, dal, esportate, genitore, &messaggi](EsitoLavoro<Risultato> e) {
            if (!e.fine.riuscito()) {
                messaggi.Errore(e.fine.errore);
                return;
            }
            if (e.fine.fermato || e.risultato.st.fermata) return;
            if (!e.risultato.letto) {
                messaggi.Errore("Errore nella lettura delle settimane archiviate.\n" + e.risultato.errore);
                return;
            }
            CStatisticheStrategiaQt w(copia, posizione, bookmaker, dal, std::move(e.risultato.st), esportate,
                                      messaggi, genitore);
            w.exec();
        });
}

} // namespace veltra
