// veltra-cli stampa: one print-manager item to a PDF file, read back as text.
#include "EseguiCli.h"
#include "Supporto.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

using namespace veltra::test;

namespace {

std::string TestoPdf(const std::filesystem::path& pdf) {
    const std::string comando = "pdftotext -layout '" + pdf.string() + "' -";
    std::string t;
    FILE* p = ::popen(comando.c_str(), "r");
    if (!p) return t;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) t.append(buf, n);
    ::pclose(p);
    return t;
}

} // namespace

TEST(VeltraCliStampa, AnalisiInPdf) {
    CartellaTemporanea dir;
    const std::string d = dir.percorso().string();
    ASSERT_EQ(EseguiCli("genera --cartella " + d + " --stagioni 3").codice, 0);

    struct {
        std::string argomenti, errore;
    } sbagliati[] = {
        {"--voce tutto --pdf x.pdf", "voce sconosciuta: tutto"},
        {"--voce archivio-analisi --pdf x.pdf", "questa voce vuole --campionato"},
        {"--voce scommesse --campionato A --pdf x.pdf", "--campionato vale solo"},
        {"--voce analisi-corrente --campionato A", "stampa vuole --pdf FILE"},
    };
    for (const auto& s : sbagliati) {
        const Uscita u = EseguiCli("stampa --cartella " + d + " " + s.argomenti);
        EXPECT_EQ(u.codice, 2) << s.argomenti;
        EXPECT_NE(u.errori.find(s.errore), std::string::npos) << u.errori;
    }

    const auto pdf = dir / "analisi.pdf";
    const Uscita u =
        EseguiCli("stampa --cartella " + d + " --voce analisi-corrente --campionato A --pdf " + pdf.string());
#if VELTRA_CLI_CON_QT
    ASSERT_EQ(u.codice, 0) << u.errori;
    EXPECT_EQ(u.testo, "voce=analisi-corrente pdf=" + pdf.string() + "\n");
    const std::string testo = TestoPdf(pdf);
    EXPECT_NE(testo.find("VELTRA 2005 - Serie A. Analisi Corrente."), std::string::npos) << testo;
    EXPECT_NE(testo.find("Partite in Casa ed in Trasferta mantenute separate"), std::string::npos);
    EXPECT_NE(testo.find("Precisione Stime"), std::string::npos);

    // Nothing to print: a message, no file.
    const Uscita vuota = EseguiCli("stampa --cartella " + d + " --voce tabulato-integrale --pdf " +
                                   (dir / "t.pdf").string());
    EXPECT_EQ(vuota.codice, 1);
    EXPECT_NE(vuota.errori.find("nessuna schedina"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "t.pdf"));
#else
    EXPECT_EQ(u.codice, 2);
    EXPECT_NE(u.errori.find("stampa non disponibile"), std::string::npos) << u.errori;
    (void)TestoPdf;
#endif
}
