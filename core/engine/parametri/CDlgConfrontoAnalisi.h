#pragma once
// The comparison of two analyses (modal): every parameter of A beside the
// same parameter of B as "A / B", and the same lines printed on one page.
// The callers give the title: the current analysis window, the search pages,
// the cross-championship window.
#include "dati/CAnalisi.h"

#include <string>
#include <vector>

namespace veltra {

class IMessaggi;
class IOrologio;
class IServizioStampa;

class CDlgConfrontoAnalisi {
public:
    static constexpr int kRisorsa = 209;

    CDlgConfrontoAnalisi(std::string titolo, CAnalisi a, CAnalisi b);

    const std::string& titolo() const { return titolo_; }
    const CAnalisi& a() const { return a_; }
    const CAnalisi& b() const { return b_; }

    // "PESI DELLE GIORNATE : " five "%d%% / %d%%" joined by "  ;  ", "-" for a
    // side without that matchday.
    std::string TestoPesi() const;
    // The 18 entries of the points in storage order, "%+.2f / %+.2f".
    std::string TestoPunti(int indice) const;
    // "Bassa:"/"Alta:" home and away, "%+.2f / %+.2f".
    std::string TestoModificaBassa(bool trasferta) const;
    std::string TestoModificaAlta(bool trasferta) const;
    // "Debole <"/"Forte >" home and away, "%+.0f / %+.0f".
    std::string TestoDebole(bool trasferta) const;
    std::string TestoForte(bool trasferta) const;
    // The limits "Min:"/"Max:" home and away, "%+d / %+d".
    std::string TestoLimiteMin(bool trasferta) const;
    std::string TestoLimiteMax(bool trasferta) const;
    // "CAMPIONATI:" "Inclusi:" "%d / %d", "Importanza:" "%.0f%% / %.0f%%".
    std::string TestoInclusi() const;
    std::string TestoImportanzaMin() const;
    std::string TestoImportanzaMax() const;

    // The printed lines after the title line.
    std::vector<std::string> RigheStampa() const;
    // "&Stampa": asks to prepare the printer, then one page: the title and
    // the date, then the lines.
    void Stampa(IMessaggi& messaggi, IServizioStampa& servizio, const IOrologio& orologio) const;

private:
    std::string titolo_;
    CAnalisi a_, b_;
};

} // namespace veltra
