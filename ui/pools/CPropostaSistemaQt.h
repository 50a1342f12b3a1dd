#pragma once
// "MARVEN - Proposta di Sistema" (modeless): the 14 rows with their
// predictions and percentages, the ten commands, predictions set by hand, the
// thresholds, and the choice of the reduced system, over CPropostaSistema.
#include "platform/EsecutoreLavoriQt.h"
#include "platform/FinestraNonModaleQt.h"
#include "pools/CostruzioneSistema.h"
#include "pools/CPropostaSistema.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace veltra {

struct DatiGlobali;
class IMessaggi;
class IServizioStampa;

class CPropostaSistemaQt : public FinestraNonModaleQt {
    Q_OBJECT
public:
    CPropostaSistemaQt(DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa* stampa,
                            QWidget* parent = nullptr);

    static constexpr Finestra kFinestra = Finestra::SistemaTotocalcio;
    static constexpr int kRisorsa = 130;

    // The first call shows the coupon as it is; later ones (the shell's
    // refresh) recompute it first. false: the window must close.
    bool Aggiorna(bool datiCambiati = false) override;

    CPropostaSistema& logica() { return logica_; }
    QPushButton* pulsanteComando(ComandoSistema c) const {
        return comandi_[static_cast<std::size_t>(c)];
    }
    QCheckBox* manuale(int riga) const { return manuali_[static_cast<std::size_t>(riga)]; }
    QLabel* pronostico(int riga) const { return pronostici_[static_cast<std::size_t>(riga)]; }

    EsecutoreLavoriQt& esecutore() { return esecutore_; }
    // Opens "MARVEN - Condizioni" (modal).
    void Condizioni();

    QPushButton* datiEvento(int riga) const { return info_[static_cast<std::size_t>(riga)]; }
    // Test hook: the event data window of a row, instead of running it.
    std::function<void(QDialog&)> mostraDatiEvento;

    // Test hook: what the row check box opens, instead of the real dialog.
    std::function<std::optional<std::string>(const std::string&)> sceltaPronostico;

protected:
    void done(int r) override;

private:
    void Mostra();
    void Comando(ComandoSistema c);
    void Manuale(int riga);
    void DatiEvento(int riga);
    void Impostazioni();
    void Stampa(bool integrale);
    // The conditioned system selected and its size not known: counted (a job).
    void ContaSeServe();

    DatiGlobali& dati_;
    IMessaggi& messaggi_;
    IServizioStampa* stampa_;
    CPropostaSistema logica_;
    bool riempita_ = false;
    std::array<QPushButton*, 14> info_{};
    std::array<QLabel*, 14> casa_{}, trasferta_{}, pronostici_{}, p1_{}, pX_{}, p2_{};
    std::array<QCheckBox*, 14> manuali_{};
    std::array<QPushButton*, kNumeroComandiSistema> comandi_{};
    QPushButton* sistemaIniziale_;
    QLabel* integrale_;
    QLabel* ridotto_;
    QLabel* condizionato_;
    QLabel* errori_;
    QLabel* colonneErrori_;
    QComboBox* selettoreErrori_;
    QRadioButton* sceltaRidotto_;
    QRadioButton* sceltaCorrezione_;
    QRadioButton* sceltaCondizionato_;
    QRadioButton* sceltaOttimo_;
    QSpinBox* colonneOttimo_;
    QComboBox* obiettivoOttimo_;
    QCheckBox* fuoriOttimo_;
    bool mostra_ = false;
    EsecutoreLavoriQt esecutore_;
    ContestoSistema ctx_;
    bool conteggio_ = false; // a count or a build is running
};

} // namespace veltra
