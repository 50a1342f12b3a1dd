#pragma once
// "Informazioni sull'evento selezionato" (dialog 235) over CDlgDatiEvento:
// the league table, the two teams' matches and the estimate of the match.
// The pools window opens it with the "MARVEN" prefix.
#include "betting/CDlgDatiEvento.h"

#include <QDialog>

namespace veltra {

struct Scommessa;

class CDlgDatiEventoQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 235;
    CDlgDatiEventoQt(const DatiCampionati& dati, int campionato, const std::string& casa,
                     const std::string& trasferta, const std::string& prefisso = "TALBOR",
                     QWidget* parent = nullptr);
    const CDlgDatiEvento& logica() const { return logica_; }

private:
    CDlgDatiEvento logica_;
};

// "TALBOR - Scommessa Calcolata" (dialog 213): the plays of a bet whose legs
// use calculated double chances, with the share of the stake of each.
class CDlgScommessaCalcolataQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 213;
    CDlgScommessaCalcolataQt(const Scommessa& s, QWidget* parent = nullptr);
};

} // namespace veltra
