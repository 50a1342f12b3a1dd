#pragma once
// Dialog 212 in the modes where the choice goes back to the caller (the
// championships of a data update): the two lists, "&Aggiungi  >>" and
// "<<  &Togli" (or a double click), "Continua >>" and "&Cancella".
#include "dati/SelezioneCampionati.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace veltra {

class IMessaggi;

class SelezioneCampionatiQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = SelezioneCampionati::kRisorsa;

    SelezioneCampionatiQt(SelezioneCampionati& logica, IMessaggi& messaggi,
                          QWidget* parent = nullptr);

    SelezioneCampionati& logica() { return logica_; }
    QListWidget* sinistra() const { return sinistra_; }
    QListWidget* destra() const { return destra_; }
    QPushButton* aggiungi() const { return aggiungi_; }
    QPushButton* togli() const { return togli_; }
    QPushButton* continua() const { return continua_; }

private:
    void Mostra();

    SelezioneCampionati& logica_;
    IMessaggi& messaggi_;
    QListWidget* sinistra_;
    QListWidget* destra_;
    QPushButton* aggiungi_;
    QPushButton* togli_;
    QPushButton* continua_;
};

} // namespace veltra
