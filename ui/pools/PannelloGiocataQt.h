#pragma once
// The layout of one archived play, shared by "MARVEN - Statistiche sulla
// giocata" and the page "Tutte le Giocate".
#include "pools/StatisticheToto.h"

#include <QWidget>

#include <map>
#include <optional>
#include <string>

class QLabel;

namespace veltra {

class PannelloGiocataQt : public QWidget {
    Q_OBJECT
public:
    // `etichettaRiduzione`: "Tipo Riduzione :" or "Riduzione :".
    explicit PannelloGiocataQt(const QString& etichettaRiduzione, QWidget* parent = nullptr);
    void Mostra(const CStatisticheToto& g);
    // The value shown for a field ("doppieOriginali", "interventi3"...).
    QString valore(const QString& campo) const;

private:
    std::map<QString, QLabel*> valori_;
};

// "Descrizione Giocata Totocalcio": the notes of a play. true when confirmed.
bool ModificaNote(std::string& note, QWidget* parent);

// "Aggiunta o Sostituzione statistiche": true to replace the most recent
// play, false to add, nullopt when cancelled.
std::optional<bool> SceltaSostituzione(const CStatisticheToto& recente, QWidget* parent);

} // namespace veltra
