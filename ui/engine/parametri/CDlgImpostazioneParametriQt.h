#pragma once
// The current analysis window (146, modeless) on screen: sliders, checkbox,
// archive browser and buttons bound to CDlgImpostazioneParametri.
#include "app/DatiGlobali.h"
#include "app/shell/StatoShell.h"
#include "engine/parametri/CDlgImpostazioneParametri.h"
#include "platform/FinestraNonModaleQt.h"

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace veltra {

class IAiuto;
class IServizioStampa;

class CDlgImpostazioneParametriQt : public FinestraNonModaleQt {
    Q_OBJECT
public:
    static constexpr Finestra kFinestra = Finestra::AnalisiCorrente;
    static constexpr int kRisorsa = CDlgImpostazioneParametri::kRisorsa;

    // `mostraStato` receives the two status-bar texts after every
    // recomputation; `aiuto`, when given, answers F1 in the dialogs opened
    // from here.
    CDlgImpostazioneParametriQt(DatiGlobali& dati, StatoShell& stato, IMessaggi& messaggi,
                                  const IOrologio& orologio,
                                  std::function<void(const TestiStato&)> mostraStato,
                                  IAiuto* aiuto = nullptr, IServizioStampa* stampa = nullptr,
                                  QWidget* parent = nullptr);

    // Refresh by the shell (AggiornaFinestre and opening); always true.
    bool Aggiorna(bool datiCambiati) override;
    bool PermettiUscita() override;

    CDlgImpostazioneParametri& logica() { return logica_; }

    // OK and Cancel: the window closes (finished() is emitted).
    void accept() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void Mostra();
    void ApriAvanzati(bool archivio);
    void ApriNote();
    void ApriConfronto();

    CDlgImpostazioneParametri logica_;
    IMessaggi& messaggi_;
    IAiuto* aiuto_;
    IServizioStampa* stampa_;
    const IOrologio& orologio_;
    QSlider* giornate_;
    QLabel* testoGiornate_;
    QCheckBox* separa_;
    QSlider* percentuali_[5];
    QLabel* testiPercentuali_[5];
    QLabel* precisione_;
    QLabel* numeroAnalisi_;
    QPushButton* precedente_;
    QPushButton* successiva_;
    QLabel* campiArchivio_[5];
    QLineEdit* titolo_;
    QPushButton* inserisci_;
    QPushButton* recupera_;
    QPushButton* elimina_;
    QPushButton* note_;
    QPushButton* confronta_;
    QPushButton* avanzatiArchivio_;
    QPushButton* allinea_;
    QPushButton* ok_;
    bool chiusa_ = false;
};

} // namespace veltra
