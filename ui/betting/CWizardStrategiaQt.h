#pragma once
// The three-step creation of a strategy ("TALBOR - Wizard di Creazione
// Strategia"): the abstract events (236), the plays (237), the name and
// description (238). On OK the strategy joins the end of the list with the
// next number.
#include "betting/CStrategiaDesc.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace veltra {

struct DatiGlobali;
class IMessaggi;

class CWizardStrategiaQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 236;
    CWizardStrategiaQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent = nullptr);
    // The strategy window's modes: one abstract event of strategy `indice`
    // (step 1 alone; confirming gives the strategy a new number), or its
    // name and description (step 3 alone).
    enum class Modifica { Evento, Descrizione };
    CWizardStrategiaQt(DatiGlobali& dati, IMessaggi& messaggi, Modifica modifica, int indice, int evento,
                       QWidget* parent = nullptr);

    int passo() const; // 1..3
    const CStrategiaDesc& strategia() const { return s_; }
    // Step 1.
    EventoStrategia EventoDelModulo() const;
    void ImpostaModulo(const EventoStrategia& e);
    bool InserisciEvento();
    void TogliUltimoEvento();
    // Step 2.
    void MostraEvento(int indice);
    void AggiungiAllaGiocata();
    void TogliDallaGiocata(int riga);
    void InserisciGiocata();
    void TogliUltimaGiocata();
    void Prosegui();
    // Step 3: stores the strategy in the list.
    void Conferma(const QString& nome, const QString& descrizione);

private:
    void AggiornaPulsanti();
    void ConfermaModifica();
    DatiGlobali& dati_;
    std::optional<Modifica> modifica_;
    int indice_ = -1, eventoModificato_ = -1;
    IMessaggi& messaggi_;
    CStrategiaDesc s_;
    std::vector<std::int16_t> giocata_;
    int mostrato_ = 0;
    QStackedWidget* pagine_;
    // Step 1.
    QLabel* lettera_;
    QListWidget* campionati_;
    QComboBox* tipo_;
    QSpinBox* posizione_;
    QSpinBox* minEquita_;
    QSpinBox* maxEquita_;
    QDoubleSpinBox* minQuota_;
    QDoubleSpinBox* maxQuota_;
    QSpinBox* minP_[3];
    QSpinBox* maxP_[3];
    QSpinBox* minDoppia_;
    QCheckBox* doppie_;
    QPushButton* inserisci_;
    QPushButton* togli_;
    QPushButton* prosegui1_;
    // Step 2.
    QLabel* lettera2_;
    QLabel* descrizione2_;
    QLabel* numeroGiocata_;
    QListWidget* giocata_lista_;
    QPushButton* togliGiocata_;
    QPushButton* inserisciGiocata_;
    QPushButton* togliUltima_;
    QPushButton* prosegui2_;
    // Step 3.
    QLineEdit* nome_;
    QPlainTextEdit* descrizione_;
};

} // namespace veltra
