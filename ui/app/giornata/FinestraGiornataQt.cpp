#include "FinestraGiornataQt.h"

#include "dati/FileAtomico.h"
#include "platform/Messaggi.h"
#include "platform/UiComune.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace veltra {

FinestraGiornataQt::FinestraGiornataQt(DatiGlobali& dati, IMessaggi& messaggi,
                                       IServizioStampa& stampa, const IOrologio& orologio,
                                       AzioniGiornata azioni, QWidget* parent)
    : FinestraNonModaleQt(parent), logica_(dati), messaggi_(messaggi), stampa_(stampa),
      orologio_(orologio), azioni_(std::move(azioni)) {
    setObjectName("ProssimaGiornata");

    giornate_ = Nomina(new QComboBox, "giornata", "Scegliere la giornata da mostrare");
    etichetta_ = Nomina(new QLabel, "etichettaGiornata");
    etichetta_->setWordWrap(true);
    const auto& intestazioni = FinestraGiornata::Intestazioni();
    tabella_ = Nomina(new QTableWidget(0, static_cast<int>(intestazioni.size())), "tabellaGiornata");
    tabella_->setHorizontalHeaderLabels(ElencoQ(intestazioni));
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella_->verticalHeader()->setVisible(false);
    tabella_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabella_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);

    stampa_p_ = Pulsante("S&tampa", "stampa", "Stampa la giornata");
    csv_ = Pulsante("Esporta &CSV...", "esportaCsv", "Salva la giornata in un file CSV");
    pronostico_ = Pulsante("&Pronostico", "pronostico",
                           "Apre i pronostici sull'incontro selezionato");
    scontri_ = Pulsante("Scontri &Diretti", "scontri",
                        "Apre gli scontri diretti dell'incontro selezionato");
    schedina_ = Pulsante("Nuova &Schedina", "nuovaSchedina",
                         "Crea una nuova schedina con le partite della giornata");
    auto* ok = Pulsante("&OK", "IDOK");

    auto* scelta = new QHBoxLayout;
    scelta->addWidget(new QLabel("Giornata:"));
    scelta->addWidget(giornate_);
    scelta->addStretch();
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(scelta);
    tutto->addWidget(etichetta_);
    tutto->addWidget(tabella_);
    tutto->addLayout(RigaPulsanti({pronostico_, scontri_, schedina_}, {stampa_p_, csv_, ok}));

    connect(giornate_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (riempimento_ || i < 0 || i >= static_cast<int>(logica_.giornata().giornate.size()))
            return;
        logica_.ScegliGiornata(logica_.giornata().giornate[static_cast<std::size_t>(i)]);
        Mostra();
    });
    connect(stampa_p_, &QPushButton::clicked, this,
            [this] { logica_.Stampa(messaggi_, stampa_, orologio_); });
    connect(csv_, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getSaveFileName(
            this, "VELTRA - Esporta Giornata", QString("giornata-%1.csv").arg(logica_.giornata().numero),
            "File CSV (*.csv)");
        if (!file.isEmpty()) EsportaCsv(file);
    });
    connect(pronostico_, &QPushButton::clicked, this, [this] {
        int c, t;
        if (Selezionata(c, t) && azioni_.pronostico) azioni_.pronostico(c, t);
    });
    connect(scontri_, &QPushButton::clicked, this, [this] {
        int c, t;
        if (Selezionata(c, t) && azioni_.scontri) azioni_.scontri(c, t);
    });
    connect(schedina_, &QPushButton::clicked, this, [this] {
        if (logica_.NuovaSchedina(messaggi_) && azioni_.schedinaCreata) azioni_.schedinaCreata();
    });
    connect(tabella_, &QTableWidget::cellDoubleClicked, this, [this] {
        int c, t;
        if (Selezionata(c, t) && azioni_.pronostico) azioni_.pronostico(c, t);
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
}

bool FinestraGiornataQt::Aggiorna(bool) {
    logica_.Aggiorna();
    Mostra();
    return true;
}

bool FinestraGiornataQt::EsportaCsv(const QString& file) {
    if (!ScriviFileAtomico(file.toStdString(), logica_.Csv())) {
        messaggi_.Errore("Impossibile scrivere il file " + file.toStdString());
        return false;
    }
    return true;
}

bool FinestraGiornataQt::Selezionata(int& casa, int& trasferta) {
    const int r = tabella_->currentRow();
    const auto& righe = logica_.giornata().righe;
    if (r < 0 || r >= static_cast<int>(righe.size())) {
        messaggi_.Errore("Selezionare un incontro!");
        return false;
    }
    casa = righe[static_cast<std::size_t>(r)].casa;
    trasferta = righe[static_cast<std::size_t>(r)].trasferta;
    if (casa < 0 || trasferta < 0) {
        messaggi_.Errore(righe[static_cast<std::size_t>(r)].errore);
        return false;
    }
    return true;
}

void FinestraGiornataQt::Mostra() {
    setWindowTitle(Q(logica_.titolo()));
    etichetta_->setText(Q(logica_.etichetta()));
    {
        riempimento_ = true;
        const QSignalBlocker blocco(giornate_);
        giornate_->clear();
        giornate_->addItems(ElencoQ(logica_.voci()));
        giornate_->setCurrentIndex(logica_.voceScelta());
        riempimento_ = false;
    }
    const auto celle = logica_.celle();
    tabella_->clearSpans();
    tabella_->setRowCount(static_cast<int>(celle.size()));
    const int colonne = tabella_->columnCount();
    for (int r = 0; r < static_cast<int>(celle.size()); ++r) {
        const auto& riga = celle[static_cast<std::size_t>(r)];
        for (int k = 0; k < colonne; ++k) {
            const auto& c = riga[static_cast<std::size_t>(k)];
            auto* cella = new QTableWidgetItem(Q(c.testo));
            if (k == 0 || k >= 4) cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c.valorePositivo) {
                cella->setBackground(QColor(198, 239, 206));
                QFont f = cella->font();
                f.setBold(true);
                cella->setFont(f);
            }
            if (c.errore) {
                cella->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                cella->setForeground(QColor(160, 0, 0));
            }
            tabella_->setItem(r, k, cella);
        }
        // A fixture without an estimate: its reason across the figures.
        if (riga[4].errore) tabella_->setSpan(r, 4, 1, colonne - 4);
    }
    const bool righe = !celle.empty();
    stampa_p_->setEnabled(righe);
    csv_->setEnabled(righe);
    pronostico_->setEnabled(righe);
    scontri_->setEnabled(righe);
    schedina_->setEnabled(logica_.schedinaAbilitata());
    giornate_->setEnabled(righe);
    tabella_->resizeColumnsToContents();
    tabella_->resizeRowsToContents();
    const int cornice = 2 * tabella_->frameWidth();
    QSize serve(tabella_->horizontalHeader()->length() + cornice + 20,
                tabella_->horizontalHeader()->sizeHint().height() +
                    tabella_->verticalHeader()->length() + cornice);
    if (const QScreen* schermo = screen())
        serve = serve.boundedTo(schermo->availableGeometry().size() * 9 / 10);
    tabella_->setMinimumSize(serve);
    adjustSize();
}

} // namespace veltra
