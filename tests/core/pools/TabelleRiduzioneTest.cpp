// Every committed reduction table, checked in full: this is what the pools module
// promises the player.

#include "pools/riduzioni/CorrezioneErrori.h"
#include "pools/riduzioni/LeggiTabellaRiduzione.h"
#include "pools/riduzioni/SpazioMisto.h"
#include "pools/riduzioni/TabelleCorrezione.h"
#include "pools/riduzioni/VerificaCopertura.h"

#include "CartellaProva.h"

#include <gtest/gtest.h>

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
    test::CartellaProva cartella;
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

} // namespace
} // namespace veltra::riduzioni
