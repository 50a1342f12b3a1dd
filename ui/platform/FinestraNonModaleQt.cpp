#include "platform/FinestraNonModaleQt.h"

namespace veltra {

FinestraNonModaleQt::FinestraNonModaleQt(QWidget* parent) : QDialog(parent) {
    setModal(false);
    setWindowFlag(Qt::Window);
}

FinestraNonModaleQt* FinestraNonModaleQt::Di(IFinestraNonModale* voce) {
    auto* v = dynamic_cast<Voce*>(voce);
    return v ? &v->finestra() : nullptr;
}

IFinestraNonModale& FinestraNonModaleQt::Registra(FinestreNonModali& finestre, Finestra tipo,
                                                  const bool& datiCambiati) {
    datiCambiati_ = &datiCambiati;
    connect(this, &QDialog::finished, this, [this, &finestre, tipo] {
        // Closed by the user: forget it, unless the shell already did.
        if (finestre.Cerca(tipo) == &voce_) finestre.Rimuovi(tipo);
        deleteLater();
    });
    return voce_;
}

bool FinestraNonModaleQt::Voce::Aggiorna() {
    return finestra_.datiCambiati_ && finestra_.Aggiorna(*finestra_.datiCambiati_);
}

void FinestraNonModaleQt::Voce::Chiudi() {
    // The registry has already forgotten the window.
    finestra_.hide();
    finestra_.deleteLater();
}

void FinestraNonModaleQt::Voce::PortaInPrimoPiano() {
    finestra_.show();
    finestra_.raise();
    finestra_.activateWindow();
}

} // namespace veltra
