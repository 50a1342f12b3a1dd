#pragma once
// The strategy search's dialogs on screen, each a thin view over its core
// class: the parameters (250), the search with its progress box (251), the
// limits of a single evaluation (253) and the conclusion (252); and the main
// window's "&Ricerca Strategie" that runs them in sequence.
#include "betting/DlgRicercaStrategie.h"
#include "platform/EsecutoreLavoriQt.h"

#include <QDialog>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QMouseEvent;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace veltra {

struct DatiGlobali;
class IMessaggi;
class INavigatore;
class IOrologio;

// Step 1 (dialog 250).
class CDlgParametriRicercaQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 250;
    // "Avanti >>" stores the settings into `parametri`.
    CDlgParametriRicercaQt(CDlgParametriRicerca& logica, ParametriRicerca& parametri, IMessaggi& messaggi,
                           QWidget* parent = nullptr);
    CDlgParametriRicerca& logica() { return logica_; }

    QComboBox* bookmaker() const { return bookmaker_; }
    QDateEdit* dataInizio() const { return data_; }
    QCheckBox* segno(int s) const { return segni_[static_cast<std::size_t>(s)]; }
    QCheckBox* ordinamento(int g) const { return ordinamenti_[static_cast<std::size_t>(g)]; }
    QComboBox* eventi() const { return eventi_; }
    QComboBox* settimaneUtili() const { return utili_; }
    QComboBox* settimaneVincenti(int tipo) const { return vincenti_[static_cast<std::size_t>(tipo)]; }
    QListWidget* campionati() const { return campionati_; }
    QRadioButton* distintiSi() const { return distintiSi_; }
    QRadioButton* distintiNo() const { return distintiNo_; }
    QCheckBox* verifica() const { return verifica_; }
    QDateEdit* dataVerifica() const { return dataVerifica_; }
    QPushButton* avanti() const { return avanti_; }

private:
    void Mostra();
    void Avanti();

    CDlgParametriRicerca& logica_;
    ParametriRicerca& parametri_;
    IMessaggi& messaggi_;
    bool caricamento_ = false;
    QComboBox* bookmaker_;
    QDateEdit* data_;
    std::array<QCheckBox*, 3> segni_{};
    std::array<QCheckBox*, 3> ordinamenti_{};
    QComboBox* eventi_;
    QComboBox* utili_;
    std::array<QComboBox*, kTipiGiocata> vincenti_{};
    QRadioButton* rendimento_;
    QRadioButton* frequenza_;
    QListWidget* campionati_;
    QRadioButton* distintiSi_;
    QRadioButton* distintiNo_;
    QCheckBox* verifica_;
    QDateEdit* dataVerifica_;
    QPushButton* avanti_;
};

// Dialog 253: the limits of a single evaluation.
class CDlgRicercaUnicaQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 253;
    CDlgRicercaUnicaQt(CDlgRicercaUnica& logica, IMessaggi& messaggi, QWidget* parent = nullptr);
    CDlgRicercaUnica& logica() { return logica_; }
    QLineEdit* campo(int i) const { return campi_[static_cast<std::size_t>(i)]; }
    // After OK: the converted limits.
    const std::optional<LimitiCandidato>& limiti() const { return limiti_; }

    void accept() override;

private:
    CDlgRicercaUnica& logica_;
    IMessaggi& messaggi_;
    std::array<QLineEdit*, CDlgRicercaUnica::kCampi> campi_{};
    std::optional<LimitiCandidato> limiti_;
};

// The run's reports, from the job's thread to the dialog's: each one a
// queued signal.
class RapportoRicercaQt : public QObject, public IRapportoRicerca {
    Q_OBJECT
public:
    using QObject::QObject;
    void Campionato(const std::string& testo) override { emit campionato(QString::fromStdString(testo)); }
    void Pronostico(const std::string& testo) override { emit pronostico(QString::fromStdString(testo)); }
    void Svuota() override { emit svuotato(); }
    void Aggiungi(const std::string& testo) override { emit aggiunto(QString::fromStdString(testo)); }

signals:
    void campionato(const QString& testo);
    void pronostico(const QString& testo);
    void svuotato();
    void aggiunto(const QString& testo);
};

// Step 2 (dialog 251). The search runs as a job of the dialog's own runner
// without a progress window: the dialog shows the progress itself and its
// "Interrompi" must stay reachable.
class CDlgRicercaStrategieQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 251;
    CDlgRicercaStrategieQt(CDlgRicercaStrategie& logica, IMessaggi& messaggi, QWidget* parent = nullptr);
    ~CDlgRicercaStrategieQt() override;
    CDlgRicercaStrategie& logica() { return logica_; }
    EsecutoreLavoriQt& esecutore() { return esecutore_; }

    QRadioButton* salvaStrategie(bool si) const { return si ? strategieSi_ : strategieNo_; }
    QRadioButton* salvaHtml(bool si) const { return si ? htmlSi_ : htmlNo_; }
    QLineEdit* campionato() const { return campionato_; }
    QLineEdit* pronostico() const { return pronostico_; }
    QPlainTextEdit* avanzamento() const { return avanzamento_; }
    QCheckBox* processore() const { return processore_; }
    QPushButton* avvia() const { return avvia_; }
    QPushButton* avanti() const { return avanti_; }
    QPushButton* annulla() const { return annulla_; }

    // Test hook: what dialog 253 answers (nullopt: Annulla), instead of showing it.
    std::function<std::optional<LimitiCandidato>(const std::optional<LimitiCandidato>&)> sceltaRicercaUnica;

    // Escape, the title bar's close: while the search runs, the stop question;
    // on Si the search stops, its results are applied, and the dialog closes.
    void reject() override;

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    void Mostra();

    CDlgRicercaStrategie& logica_;
    IMessaggi& messaggi_;
    RapportoRicercaQt rapporto_; // outlives the runner's thread
    EsecutoreLavoriQt esecutore_;
    QRadioButton* strategieSi_;
    QRadioButton* strategieNo_;
    QRadioButton* htmlSi_;
    QRadioButton* htmlNo_;
    QLineEdit* campionato_;
    QLineEdit* pronostico_;
    QPlainTextEdit* avanzamento_;
    QProgressBar* barra_;
    QCheckBox* processore_;
    QPushButton* avvia_;
    QPushButton* avanti_;
    QPushButton* annulla_;
};

// Step 3 (dialog 252).
class CDlgConclusioneRicercaQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 252;
    CDlgConclusioneRicercaQt(CDlgConclusioneRicerca& logica, INavigatore& navigatore, IMessaggi& messaggi,
                             QWidget* parent = nullptr);
    CDlgConclusioneRicerca& logica() { return logica_; }
    QLineEdit* percorso() const { return percorso_; }
    QPushButton* apri() const { return apri_; }
    QLabel* archivio() const { return archivio_; }
    QLabel* errore() const { return errore_; }
    QPlainTextEdit* vincitori() const { return vincitori_; }

private:
    CDlgConclusioneRicerca& logica_;
    QLineEdit* percorso_;
    QPushButton* apri_;
    QLabel* archivio_;
    QLabel* errore_;
    QPlainTextEdit* vincitori_;
};

// "&Ricerca Strategie": steps 1, 2 and 3 in sequence; any "Annulla" ends it.
// The strategies found go into dati.strategie (the data then modified).
void ComandoRicercaStrategie(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi,
                             const IOrologio& orologio, QWidget* parent);

} // namespace veltra
