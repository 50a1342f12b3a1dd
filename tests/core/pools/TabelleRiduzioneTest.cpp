// Every committed reduction table, checked in full: this is what the pools module
// promises the player.

#include "pools/riduzioni/CorrezioneErrori.h"
#include "pools/riduzioni/LeggiTabellaRiduzione.h"
#include "pools/riduzioni/SpazioMisto.h"
#include "pools/riduzioni/TabelleCorrezione.h"
#include "pools/riduzioni/VerificaCartella.h"
#include "pools/riduzioni/VerificaCopertura.h"

#include "Supporto.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace veltra::riduzioni {
namespace {

const std::filesystem::path kCartella = std::filesystem::path(VELTRA_RESOURCES_DIR) / "riduzioni";

TEST(TabelleRiduzione, OgniTabellaNMenoUnoCopreTuttiIRisultati) {
    for (int n = 1; n <= kMaxRigheVariabili; ++n)
        for (int t = 0; t <= n; ++t) {
            const int d = n - t;
            const LetturaTabella l = LeggiTabellaRiduzione(kCartella, t, d);
            ASSERT_TRUE(l.ok()) << NomeTabellaRiduzione(t, d) << ": " << l.dettaglio;
            const EsitoVerifica v = VerificaCopertura(l.tabella);
            EXPECT_TRUE(v.ok) << NomeTabellaRiduzione(t, d) << ": " << v.difetto;
            EXPECT_GE(static_cast<uint32_t>(l.tabella.numColonne), SpazioMisto(t, d).LimiteSfere());
        }
}

// The error-correcting tables are too large to ship (about 190 MB) and follow from their
// names: the generator writes them. Checked here up to 10 rows, which covers every
// count case (too large, empty, in range) in seconds.
TEST(TabelleRiduzione, OgniTabellaACorrezioneDiErroriScrittaEEsatta) {
    constexpr int kRighe = 10;
    test::CartellaTemporanea cartella;
    const EsitoTabelleCorrezione scritte = ScriviTabelleCorrezione(cartella.percorso(), kRighe);
    ASSERT_EQ(scritte.errore, "");
    uint64_t attese = 0;
    for (int n = 1; n <= kRighe; ++n)
        for (int t = 0; t <= n; ++t)
            for (int e = 0; e <= 4; ++e)
                for (int f = e + 1; f <= 7; ++f) {
                    const int d = n - t;
                    const std::string nome = NomeTabellaCorrezione(t, d, e, f);
                    const uint64_t conta = ContaCorrezioneErrori(t, d, e, f);
                    // The system window offers a pair exactly when its file exists.
                    if (conta == 0 || conta > 0xFFFF) {
                        EXPECT_FALSE(std::filesystem::exists(cartella.percorso() / nome)) << nome;
                        continue;
                    }
                    ++attese;
                    const LetturaTabella l =
                        LeggiTabellaCorrezione(cartella.percorso(), t, d, e, f);
                    ASSERT_TRUE(l.ok()) << nome << ": " << l.dettaglio;
                    const EsitoVerifica v = VerificaCorrezioneErrori(l.tabella, e, f);
                    EXPECT_TRUE(v.ok) << nome << ": " << v.difetto;
                }
    EXPECT_EQ(scritte.file, attese);
}

// The folder check finds what a damaged installation would lack or hold wrongly.
TEST(TabelleRiduzione, VerificaCartellaTrovaFileMancantiInattesiEGuasti) {
    constexpr int kRighe = 3;
    test::CartellaTemporanea cartella;
    const auto& dir = cartella.percorso();
    ASSERT_EQ(ScriviTabelleCorrezione(dir, kRighe).errore, "");
    for (int n = 1; n <= kRighe; ++n)
        for (int t = 0; t <= n; ++t)
            std::filesystem::copy_file(kCartella / NomeTabellaRiduzione(t, n - t),
                                       dir / NomeTabellaRiduzione(t, n - t));
    const EsitoVerificaCartella sana = VerificaCartella(dir, kRighe);
    EXPECT_TRUE(sana.difetti.empty()) << sana.difetti.front();
    EXPECT_EQ(sana.tabelleN1, 9u);
    EXPECT_GT(sana.tabelleCorrezione, 0u);

    // 2t0d: 9 outcomes, one column cannot cover them all.
    std::filesystem::remove(dir / NomeTabellaCorrezione(1, 1, 0, 1));
    std::filesystem::copy_file(dir / NomeTabellaRiduzione(1, 0), dir / NomeTabellaRiduzione(2, 0),
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(dir / NomeTabellaRiduzione(1, 0),
                               dir / NomeTabellaCorrezione(1, 0, 4, 7));
    const EsitoVerificaCartella guasta = VerificaCartella(dir, kRighe);
    ASSERT_EQ(guasta.difetti.size(), 3u);
    for (const std::string& nome : {NomeTabellaRiduzione(2, 0), NomeTabellaCorrezione(1, 1, 0, 1),
                                    NomeTabellaCorrezione(1, 0, 4, 7)})
        EXPECT_TRUE(std::any_of(guasta.difetti.begin(), guasta.difetti.end(),
                                [&](const std::string& d) { return d.rfind(nome + ":", 0) == 0; }))
            << nome;
}

} // namespace
} // namespace veltra::riduzioni
