#pragma once
// "VELTRA - Gestore Stampe" (modal): the items to tick in their groups, the
// championship drop-downs of the two analysis items, "&Stampa" and
// "&Cancella". The rules and the run are the core's (app/stampe).
#include "app/stampe/CDlgGestoreStampe.h"
#include "pools/CostruzioneSistema.h"
#include "platform/EsecutoreLavoriQt.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace veltra {

class IServizioStampa;
class IOrologio;

class CDlgGestoreStampeQt : public QDialog, private IAzioniGestoreStampe {
    Q_OBJECT
public:
    CDlgGestoreStampeQt(DatiGlobali& dati, IMessaggi& messaggi, IServizioStampa& stampa,
                        const IOrologio& orologio, QWidget* genitore = nullptr);

    CDlgGestoreStampe& logica() { return logica_; }
    QCheckBox* casella(VoceStampa v) const { return caselle_[static_cast<std::size_t>(v)]; }
    QComboBox* tendina(VoceStampa v) const;
    QPushButton* pulsanteStampa() const { return stampa_; }
    EsecutoreLavoriQt& esecutore() { return esecutore_; }

    void Stampa();

private:
    void Mostra();
    void StampaSchedine(bool integrale) override;
    void CostruisciRidotto(std::function<void(bool)> fine) override;

    DatiGlobali& dati_;
    IMessaggi& messaggi_;
    IServizioStampa& servizio_;
    const IOrologio& orologio_;
    CDlgGestoreStampe logica_;
    EsecutoreLavoriQt esecutore_;
    ContestoSistema ctx_;
    std::array<QCheckBox*, kVociStampa> caselle_{};
    QComboBox* tendinaAnalisi_;
    QComboBox* tendinaArchivio_;
    QPushButton* stampa_;
};

} // namespace veltra
