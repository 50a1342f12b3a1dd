#include "platform/ServizioStampaQt.h"

#include "platform/DispositivoStampaQt.h"

#include <QPrintDialog>
#include <QPrinter>

namespace veltra {

std::unique_ptr<IDispositivoStampa> ServizioStampaQt::ScegliDispositivo() {
    auto stampante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialogo(stampante.get(), genitore_);
    dialogo.setObjectName(QStringLiteral("DialogoStampa"));
    dialogo.setWindowTitle(QStringLiteral("Stampa"));
    // Reports print whole; copies are left to the printer driver.
    dialogo.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialogo.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialogo.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialogo.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialogo.exec() != QDialog::Accepted) return nullptr;
    return std::make_unique<DispositivoStampaQt>(std::move(stampante));
}

} // namespace veltra
