#pragma once
// Chooses the print device with the platform's print dialog: a printer, or a
// PDF file through the dialog's print-to-file choice.
#include "platform/Stampa.h"

#include <QPointer>
#include <QWidget>

namespace veltra {

class ServizioStampaQt : public IServizioStampa {
public:
    explicit ServizioStampaQt(QWidget* genitore = nullptr) : genitore_(genitore) {}
    void ImpostaGenitore(QWidget* genitore) { genitore_ = genitore; }

    // nullptr when the user cancels the dialog.
    std::unique_ptr<IDispositivoStampa> ScegliDispositivo() override;

private:
    QPointer<QWidget> genitore_;
};

} // namespace veltra
