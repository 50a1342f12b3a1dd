#pragma once
// Printing as the reports see it: a device that places text at (x, y) in its
// own units with its default font, page by page. The desktop program maps
// it onto a printer or a PDF file chosen in the platform's print dialog;
// tests record what would have been printed.
#include <memory>
#include <string>

namespace veltra {

class IDispositivoStampa {
public:
    virtual ~IDispositivoStampa() = default;
    // false when the document cannot be started: nothing is printed.
    virtual bool InizioDocumento(const std::string& nome) = 0;
    virtual bool InizioPagina() = 0;
    // Device units from the top-left corner of the printable area; the
    // printable height is 3000 units (lines 60 apart, the last at 2820 at
    // most, with room below it for a continuation line).
    virtual void Testo(int x, int y, const std::string& testo) = 0;
    // May fail (printer error): the report then aborts.
    virtual bool FinePagina() = 0;
    virtual void FineDocumento() = 0;
    virtual void Annulla() = 0;
};

class IServizioStampa {
public:
    virtual ~IServizioStampa() = default;
    // Shows the print dialog; nullptr when there is no printer or the user
    // cancelled.
    virtual std::unique_ptr<IDispositivoStampa> ScegliDispositivo() = 0;
};

} // namespace veltra
