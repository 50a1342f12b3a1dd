#pragma once
// The comparison of two analyses on screen (modal): "A / B" for every value,
// "&OK" closes, "&Stampa" prints.
#include "engine/parametri/CDlgConfrontoAnalisi.h"

#include <QDialog>

namespace veltra {

class IMessaggi;
class IOrologio;
class IServizioStampa;

class CDlgConfrontoAnalisiQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = CDlgConfrontoAnalisi::kRisorsa;

    // Without a print service "&Stampa" is disabled.
    CDlgConfrontoAnalisiQt(CDlgConfrontoAnalisi logica, IMessaggi& messaggi,
                           IServizioStampa* stampa, const IOrologio& orologio,
                           QWidget* parent = nullptr);

    const CDlgConfrontoAnalisi& logica() const { return logica_; }

private:
    CDlgConfrontoAnalisi logica_;
};

} // namespace veltra
