#pragma once
// The core's print device over a QPrinter: a printer chosen in the print
// dialog, or a PDF file.
//
// Device units: the reports place their lines 60 units apart, the last at
// y 2820 and a "(Continua...)" 120 units below it, as on a 300-dpi printer.
// Here one unit is the printable height divided by kAltezzaPaginaUnita
// (3000), whatever the printer's resolution: the lowest text (2940 plus one
// line of type) ends just above the bottom margin on every paper size. The
// text uses the device's fixed-pitch font at kAltezzaCarattereUnita (40
// units, about 11 pt on A4): lines 60 units apart stay readable with a clear
// gap, the columns the reports line up with blanks stay aligned, and about
// 80 characters fit across an A4 page.
#include "platform/Stampa.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <memory>

class QPrinter;

namespace veltra {

class DispositivoStampaQt : public IDispositivoStampa {
public:
    static constexpr double kAltezzaPaginaUnita = 3000.0;
    static constexpr double kAltezzaCarattereUnita = 40.0;

    explicit DispositivoStampaQt(std::unique_ptr<QPrinter> stampante);
    ~DispositivoStampaQt() override;

    // A device that writes a PDF file, without any dialog (tests, print to file).
    static std::unique_ptr<DispositivoStampaQt> SuFilePdf(const QString& file);

    bool InizioDocumento(const std::string& nome) override;
    bool InizioPagina() override;
    void Testo(int x, int y, const std::string& testo) override;
    bool FinePagina() override;
    void FineDocumento() override;
    void Annulla() override;

    // Device pixels per unit of the current document (0 before it starts).
    double Scala() const { return scala_; }
    // Line spacing of the text font, in units (0 before the document starts).
    double InterlineaCarattere() const;
    QPrinter& Stampante() { return *stampante_; }

private:
    std::unique_ptr<QPrinter> stampante_;
    QPainter pittore_;
    double scala_ = 0;
    int pagineIniziate_ = 0;
};

} // namespace veltra
