#pragma once
// The core's help requests (F1, the "?" of a message) open the program's
// help window at the page of the context.
#include "platform/Piattaforma.h"

#include <QPointer>
#include <QString>

class QWidget;

namespace veltra {

class FinestraAiutoQt;

// The help context of a window from its resource number, as the main
// window's topic 0x20065 comes from its resource 101. A context without a
// page of its own opens the contents.
constexpr int ContestoAiutoFinestra(int risorsa) {
    return 0x20000 + risorsa;
}

// F1 inside `finestra` (and its controls) opens the page of `contesto`.
void CollegaTastoAiuto(QWidget& finestra, IAiuto& aiuto, int contesto);

// A dialog opened from `genitore` asks, on F1, for the page of the window
// that opened it (its own shortcut: the parent's does not reach another
// window). Nothing when `genitore` has no F1.
void EreditaTastoAiuto(QWidget& dialogo, QWidget& genitore);

class AiutoQt : public IAiuto {
public:
    explicit AiutoQt(QString cartella = QStringLiteral(":/aiuto"));
    ~AiutoQt() override;

    void Mostra(int contesto) override;
    // Opens a page by its file name ("dati.html"), for links outside the help.
    void MostraPagina(const QString& pagina);

    // The window the last request opened (null before the first).
    FinestraAiutoQt* Finestra() const;

private:
    FinestraAiutoQt& FinestraPerRichiesta();

    QString cartella_;
    QPointer<FinestraAiutoQt> finestra_;       // the program's help window
    QPointer<FinestraAiutoQt> finestraModale_; // the one opened over a modal window
};

} // namespace veltra
