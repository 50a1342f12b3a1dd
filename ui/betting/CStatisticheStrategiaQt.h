#pragma once
// A strategy's record over the archived weeks: the choice of bookmaker and
// start date (254), the computation as a job, and the statistics window
// (255) with its chart of the cumulative yield and of each week's outcome,
// saved as PNG or embedded in the HTML page.
#include "betting/StatisticheStrategia.h"

#include <QDate>
#include <QDialog>

#include <filesystem>
#include <functional>

class QChart;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QRadioButton;

namespace veltra {

class IMessaggi;
class IEsecutoreLavori;

class CDlgBookmakerDataQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 254;
    // `bookmaker` preselected (0..5).
    CDlgBookmakerDataQt(int bookmaker, QWidget* parent = nullptr);
    int bookmaker() const;
    QDate data() const;
    QComboBox* scelta() const { return scelta_; }
    QDateEdit* dataInizio() const { return data_; }

private:
    QComboBox* scelta_;
    QDateEdit* data_;
};

class CStatisticheStrategiaQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 255;
    CStatisticheStrategiaQt(const CStrategiaDesc& strategia, int posizione, int bookmaker,
                            DataSettimana dal, StatisticheStrategia statistiche,
                            std::filesystem::path cartellaEsportate, IMessaggi& messaggi,
                            QWidget* parent = nullptr);

    // The chart as PNG bytes.
    std::string Png() const;
    bool SalvaPng(const QString& file) const;
    // "&Salva in file html" after its question; the file written, or empty.
    QString SalvaHtml();
    QChartView* grafico() const { return vista_; }
    QRadioButton* rendimentoNetto() const { return sceltaRendimento_; }
    // Test hook: the file the PNG goes to, instead of the save dialog.
    std::function<QString()> sceltaFilePng;

private:
    void Disegna();
    CStrategiaDesc strategia_;
    int posizione_;
    int bookmaker_;
    DataSettimana dal_;
    StatisticheStrategia st_;
    std::filesystem::path cartella_;
    IMessaggi& messaggi_;
    QChartView* vista_;
    QRadioButton* sceltaGuadagno_;
    QRadioButton* sceltaRendimento_;
};

// "S&tatistiche" of a strategy: dialog 254, then the archive read and the
// record computed as a job of `esecutore`, then window 255. `posizione` is
// 1-based. Returns at once; the window opens when the job ends.
void ApriStatisticheStrategia(const CStrategiaDesc& s, int posizione,
                              const std::filesystem::path& cartella, IEsecutoreLavori& esecutore,
                              IMessaggi& messaggi, QWidget* parent);

} // namespace veltra
