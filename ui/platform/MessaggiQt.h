#pragma once
// The core's message boxes shown with QMessageBox: Italian buttons, the icon
// asked for, and for boxes with a help context a "?" button and F1 that open
// the help page of that context while the box stays open.
#include "platform/Messaggi.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QMessageBox;

namespace veltra {

class IAiuto;

class MessaggiQt : public IMessaggi {
public:
    // `aiuto` may be null: the boxes then show no help button.
    explicit MessaggiQt(IAiuto* aiuto = nullptr, QWidget* genitore = nullptr);

    // The window the boxes are centred on and modal to (the main window once
    // it exists). Without one a box blocks the whole program.
    void ImpostaGenitore(QWidget* genitore);
    void ImpostaAiuto(IAiuto* aiuto);

    Risposta Mostra(const std::string& testo, Icona icona, Pulsanti pulsanti = Pulsanti::Ok,
                    int contestoAiuto = kNessunAiuto) override;

    // Title of every box.
    static QString Titolo();

private:
    QPointer<QWidget> genitore_;
    IAiuto* aiuto_;
};

} // namespace veltra
