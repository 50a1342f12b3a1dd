#pragma once
// "Qualità delle Stime": how good the forecasts of the current championship's
// models were on past seasons, walking forward, against the bookmakers' odds
// the user loads and the base rate; a table per season, the reliability
// diagram, and the choice of the model that feeds the coupon and the bets.
// The walk runs as a job (progress window with a stop button). The logic is
// FinestraQualitaStime's; this class holds only the widgets.
#include "app/DatiGlobali.h"
#include "tools/qualita/FinestraQualitaStime.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QMainWindow;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace veltra {

class IEsecutoreLavori;
class IMessaggi;

class FinestraQualitaStimeQt : public QDialog {
    Q_OBJECT
public:
    FinestraQualitaStimeQt(DatiGlobali& dati, IEsecutoreLavori& esecutore, IMessaggi& messaggi,
                         QWidget* parent = nullptr);

    // Loads odds files (what the "Quote..." button does after its dialog).
    void CaricaQuote(const std::vector<std::string>& file);
    // Runs the walk over the chosen seasons (the "Calcola" button).
    void Calcola();
    // Shows a result (what the job's end does).
    void Mostra(const RisultatoValutazione& r);

    // Measures the model in use over the last complete season (done once the
    // window opens, and when the model in use changes).
    void MisuraModelloInUso();

    QTableWidget* tabella() const { return tabella_; }
    FinestraQualitaStime& logica() { return logica_; }

private:
    void Aggiorna();

    FinestraQualitaStime logica_;
    IEsecutoreLavori& esecutore_;
    IMessaggi& messaggi_;

    QComboBox* dal_;
    QComboBox* al_;
    QComboBox* modello_;
    QComboBox* modelloInUso_;
    QLabel* qualitaInUso_;
    QLabel* testoQuote_;
    QPushButton* calcola_;
    QTableWidget* tabella_;
    QWidget* diagramma_;
    QLabel* conteggi_;
    QPlainTextEdit* rapporto_;
};

// The status bar's indicator of the model the current championship uses
// ("Stime: motore" / "Stime: modello rating"), made on first use, followed by
// its out-of-sample RPS over the last complete season once measured (in the
// background, kept until the championship's matches change).
void MostraModelloInUso(QMainWindow& finestra, const DatiGlobali& dati);

} // namespace veltra
