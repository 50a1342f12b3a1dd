// The print device on a PDF file, the mapping of the reports' units onto the
// page, and the print dialog cancelled.
#include "platform/DispositivoStampaQt.h"
#include "platform/Modale.h"
#include "platform/ServizioStampaQt.h"

#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltra::test {
namespace {

int ContaPagine(const QByteArray& pdf) {
    // Page objects are "/Type /Page"; the page tree is "/Type /Pages".
    return pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/") +
           pdf.count("/Type /Page>");
}

// Prints a report shaped like the program's: lines 60 apart from y 0 to the
// last allowed line 2820, on two pages.
void StampaDuePagine(IDispositivoStampa& d) {
    ASSERT_TRUE(d.InizioDocumento("VELTRA - Analisi"));
    for (int pagina = 0; pagina < 2; ++pagina) {
        ASSERT_TRUE(d.InizioPagina());
        for (int y = 0; y <= 2820; y += 60)
            d.Testo(0, y, "Serie A.  Precisione 1: 12,34%   X: 5,67%   2: 8,90%");
        ASSERT_TRUE(d.FinePagina());
    }
    d.FineDocumento();
}

TEST(DispositivoStampaQt, PdfConDuePagine) {
    QTemporaryDir cartella;
    const QString file = cartella.filePath("analisi.pdf");
    auto d = DispositivoStampaQt::SuFilePdf(file);
    StampaDuePagine(*d);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pdf = f.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 1000);
    EXPECT_EQ(ContaPagine(pdf), 2);
}

// The units fill the printable height; the lowest text of a report, the
// "(Continua...)" 120 units under the last line (2820), fits on the page;
// lines 60 apart do not overlap and are not tiny.
TEST(DispositivoStampaQt, UnitaSullaPagina) {
    QTemporaryDir cartella;
    for (const auto formato : {QPageSize::A4, QPageSize::Letter, QPageSize::A5}) {
        auto d = DispositivoStampaQt::SuFilePdf(cartella.filePath("pagina.pdf"));
        d->Stampante().setPageSize(QPageSize(formato));
        ASSERT_TRUE(d->InizioDocumento("prova"));
        const double altezza = d->Stampante().pageRect(QPrinter::DevicePixel).height();
        EXPECT_NEAR(d->Scala() * DispositivoStampaQt::kAltezzaPaginaUnita, altezza, 1.0);
        EXPECT_LE((2820 + 120 + d->InterlineaCarattere()) * d->Scala(), altezza);
        EXPECT_LE(d->InterlineaCarattere(), 60.0);
        EXPECT_GE(d->InterlineaCarattere(), 36.0);
        d->FineDocumento();
    }
}

TEST(DispositivoStampaQt, AnnullaNonLasciaIlFile) {
    QTemporaryDir cartella;
    const QString file = cartella.filePath("interrotta.pdf");
    auto d = DispositivoStampaQt::SuFilePdf(file);
    ASSERT_TRUE(d->InizioDocumento("VELTRA - Archivio"));
    ASSERT_TRUE(d->InizioPagina());
    d->Testo(0, 0, "Serie A");
    d->Annulla();
    EXPECT_FALSE(QFile::exists(file));
}

TEST(DispositivoStampaQt, DocumentoCheNonPuoIniziare) {
    auto d = DispositivoStampaQt::SuFilePdf("/cartella-che-non-esiste/x/stampa.pdf");
    EXPECT_FALSE(d->InizioDocumento("VELTRA - Analisi"));
    EXPECT_FALSE(d->InizioPagina());
    d->Testo(0, 0, "niente"); // ignored, no crash
    d->FineDocumento();
}

TEST(ServizioStampaQt, DialogoAnnullato) {
    ServizioStampaQt servizio;
    bool mostrato = false;
    QuandoModale([&](QWidget* w) {
        auto* dialogo = qobject_cast<QDialog*>(w);
        ASSERT_NE(dialogo, nullptr);
        EXPECT_EQ(dialogo->objectName(), QStringLiteral("DialogoStampa"));
        mostrato = true;
        dialogo->reject();
    });
    EXPECT_EQ(servizio.ScegliDispositivo(), nullptr);
    EXPECT_TRUE(mostrato);
}

} // namespace
} // namespace veltra::test
