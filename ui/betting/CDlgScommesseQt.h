#pragma once
// "TALBOR - Selezione Scommesse" (modeless, dialog 181) over CDlgScommesse:
// the criteria, the calculation run as a job behind a progress window with
// its stop button, the ranked bets browsed one at a time, their print, the
// event information of each leg, the stake split of calculated legs and
// "Salva Quote".
#include "betting/CDlgScommesse.h"
#include "platform/EsecutoreLavoriQt.h"
#include "platform/FinestraNonModaleQt.h"

#include <array>
#include <filesystem>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace veltra {

struct DatiGlobali;
class IMessaggi;
class IServizioStampa;
class IOrologio;

class CDlgScommesseQt : public FinestraNonModaleQt {
    Q_OBJECT
public:
    // With a working folder, "S&trategie..." opens the real plays of the
    // strategies on these events (the strategies live in that folder).
    CDlgScommesseQt(DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                    const IOrologio& orologio, std::filesystem::path cartella = {},
                    QWidget* parent = nullptr);

    static constexpr Finestra kFinestra = Finestra::ScommesseSportive;
    static constexpr int kRisorsa = 181;

    bool Aggiorna(bool datiCambiati = false) override;

    CDlgScommesse& logica() { return logica_; }
    EsecutoreLavoriQt& esecutore() { return esecutore_; }
    QPushButton* pulsanteCalcola() const { return calcola_; }
    QComboBox* tipo() const { return tipo_; }
    QRadioButton* gamba(int k) const { return gambe_[static_cast<std::size_t>(k - 1)]; }
    QSpinBox* limite(LimiteCriterio l) const { return spin_[static_cast<std::size_t>(l)]; }
    QLabel* contatore() const { return contatore_; }

    // Test hook: the file "Salva Quote" writes, instead of the save dialog.
    std::function<std::string()> sceltaFileSalvataggio;
    // The shell's opening of the real plays of the strategies, through its
    // registry of modeless windows. Unset (a bet window on its own), the
    // window keeps a registry of its own for it.
    std::function<void()> apriGiocateReali;

    // Starts (or, while running, offers to stop) the calculation.
    void Calcola();

protected:
    void done(int r) override;

private:
    void Mostra();
    void MostraCriteri();
    void SalvaQuote();

    DatiGlobali& dati_;
    std::filesystem::path cartella_;
    IMessaggi& messaggi_;
    IServizioStampa& stampa_;
    const IOrologio& orologio_;
    CDlgScommesse logica_;
    QProgressBar* progresso_ = nullptr;
    EsecutoreLavoriQt esecutore_;
    bool aperta_ = false;
    bool caricamento_ = false;
    QListWidget* inclusi_;
    QComboBox* tipo_;
    std::array<QRadioButton*, 6> gambe_{};
    std::array<QSpinBox*, kLimitiCriterio> spin_{};
    std::array<QLabel*, kLimitiCriterio> testiSpin_{};
    QCheckBox* doppie_;
    QPushButton* calcola_;
    QPushButton* precedente_;
    QPushButton* successiva_;
    QLabel* contatore_;
    std::array<std::array<QLabel*, 7>, 6> righe_{};
    std::array<QPushButton*, 6> info_{};
    QLabel* totProb_;
    QLabel* totQuota_;
    QLabel* totEquita_;
    QPushButton* calcolata_;
    QPushButton* stampaPulsante_;
    QPushButton* salva_;
    QPushButton* strategie_;
    FinestreNonModali proprie_;
    bool nessunCambio_ = false;
};

} // namespace veltra
