#include "platform/AiutoQt.h"

#include "aiuto/FinestraAiutoQt.h"

#include <QApplication>
#include <QShortcut>

namespace veltra {

void CollegaTastoAiuto(QWidget& finestra, IAiuto& aiuto, int contesto) {
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &finestra);
    QObject::connect(f1, &QShortcut::activated, &finestra,
                     [&aiuto, contesto] { aiuto.Mostra(contesto); });
}

void EreditaTastoAiuto(QWidget& dialogo, QWidget& genitore) {
    for (QShortcut* s : genitore.findChildren<QShortcut*>(Qt::FindDirectChildrenOnly)) {
        if (s->key() != QKeySequence(Qt::Key_F1)) continue;
        auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &dialogo);
        QObject::connect(f1, &QShortcut::activated, s, &QShortcut::activated);
        return;
    }
}

AiutoQt::AiutoQt(QString cartella) : cartella_(std::move(cartella)) {}

AiutoQt::~AiutoQt() {
    delete finestra_.data();
}

void AiutoQt::Mostra(int contesto) {
    FinestraPerRichiesta().MostraContesto(contesto);
}

void AiutoQt::MostraPagina(const QString& pagina) {
    FinestraPerRichiesta().ApriPagina(pagina);
}

FinestraAiutoQt& AiutoQt::FinestraPerRichiesta() {
    // While a modal window (a message, a dialog) is open, every other window
    // is blocked: the help then opens as a window of that modal one, usable
    // until it closes. Otherwise the one help window of the program is used.
    if (QWidget* modale = QApplication::activeModalWidget()) {
        if (!finestraModale_ || finestraModale_->parentWidget() != modale) {
            finestraModale_ = new FinestraAiutoQt(modale, cartella_);
            finestraModale_->setAttribute(Qt::WA_DeleteOnClose);
        }
        return *finestraModale_;
    }
    if (!finestra_) finestra_ = new FinestraAiutoQt(nullptr, cartella_);
    return *finestra_;
}

FinestraAiutoQt* AiutoQt::Finestra() const {
    if (finestraModale_ && finestraModale_->isVisible()) return finestraModale_;
    return finestra_;
}

} // namespace veltra
