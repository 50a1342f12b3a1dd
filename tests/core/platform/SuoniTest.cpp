// The dictation sounds shipped with the program, checked without ears: each
// is a PCM wave file of the format they were made in and of a length that
// fits its words, and a damaged header is refused.
#include "platform/Suoni.h"
#include "pools/Dettatura.h"

#include "../Supporto.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

using namespace veltra;

TEST(Suoni, FileDellaDettaturaValidi) {
    const std::filesystem::path cartella = VELTRA_RESOURCES_DIR "/suoni";
    std::map<std::string, int> durate;
    for (int codice = 1; codice <= 8; ++codice) {
        const std::string nome = codice == 8 ? std::string(kSuonoColonnaNascosta) : FileSuonoCodice(codice);
        const auto f = LeggiFormatoWav(cartella / nome);
        ASSERT_TRUE(f) << nome;
        EXPECT_EQ(f->canali, 1) << nome;
        EXPECT_EQ(f->campionamento, 22050) << nome;
        EXPECT_EQ(f->bitPerCampione, 16) << nome;
        // spoken words: a fifth of a second to a second; the tone a quarter
        EXPECT_GE(f->millisecondi, 150) << nome;
        EXPECT_LE(f->millisecondi, 1200) << nome;
        durate[nome] = f->millisecondi;
    }
    EXPECT_EQ(FileSuonoCodice(8), "");
    EXPECT_NEAR(durate["suono.wav"], 250, 20);
    // Two or three words take longer than one of them.
    EXPECT_GT(durate["unoics.wav"], durate["uno.wav"]);
    EXPECT_GT(durate["icsdue.wav"], durate["due.wav"]);
    EXPECT_GT(durate["unoicsdue.wav"], durate["unoics.wav"]);
}

TEST(Suoni, IntestazioniDanneggiate) {
    veltra::test::CartellaTemporanea dir;
    const std::filesystem::path buono = std::filesystem::path(VELTRA_RESOURCES_DIR) / "suoni" / "uno.wav";
    std::ifstream in(buono, std::ios::binary);
    const std::string byte((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string nonPcm = byte;
    nonPcm[20] = 3; // format 3: float
    const std::string casi[] = {"", "RIFF", byte.substr(0, 40), byte.substr(0, byte.size() - 10), nonPcm,
                                "RIFX" + byte.substr(4)};
    int i = 0;
    for (const std::string& c : casi) {
        const auto p = dir / ("rotto" + std::to_string(i++) + ".wav");
        { std::ofstream(p, std::ios::binary) << c; }
        EXPECT_FALSE(LeggiFormatoWav(p)) << i;
    }
}
