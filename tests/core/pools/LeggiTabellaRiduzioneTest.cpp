#include "pools/riduzioni/LeggiTabellaRiduzione.h"
#include "pools/riduzioni/ScriviTabellaRiduzione.h"

#include "Supporto.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace veltra::riduzioni {
namespace {

using test::CartellaTemporanea;

TEST(LeggiTabellaRiduzione, LeggeColonneEIntestazione) {
    CartellaTemporanea cartella;
    // 2 triples, 1 double: columns "1 X base", "2 1 second".
    test::ScriviByte(cartella / "2t1d.VLT", {2, 0, 2, 1, 1, 3, 1, 2, 1, 3});
    const LetturaTabella l = LeggiTabellaRiduzione(cartella.percorso(), 2, 1);
    ASSERT_TRUE(l.ok()) << l.dettaglio;
    EXPECT_EQ(l.tabella.numColonne, 2);
    EXPECT_EQ(l.tabella.valori, (std::vector<uint8_t>{1, 3, 1, 2, 1, 3}));
    EXPECT_EQ(l.tabella.Valore(1, 0), 2);

    const LetturaTabella dimensione =
        LeggiDimensioneTabella(cartella.percorso() / "2t1d.VLT", 2, 1);
    ASSERT_TRUE(dimensione.ok());
    EXPECT_EQ(dimensione.tabella.numColonne, 2);
}

TEST(LeggiTabellaRiduzione, NomiDeiFile) {
    EXPECT_EQ(NomeTabellaRiduzione(3, 5), "3t5d.VLT");
    EXPECT_EQ(NomeTabellaCorrezione(2, 5, 1, 3), "2t5d13e.VLT");
}

TEST(LeggiTabellaRiduzione, FileMancanteDaErroreDiApertura) {
    CartellaTemporanea cartella;
    const LetturaTabella l = LeggiTabellaCorrezione(cartella.percorso(), 1, 2, 0, 1);
    EXPECT_EQ(l.esito, EsitoLettura::ErroreApertura);
    EXPECT_EQ(l.messaggio, "Errore nell'apertura del file per il Sistema Ridotto!\n"
                           "VELTRA verra' ora terminato.");
    EXPECT_TRUE(l.tabella.valori.empty());
}

// A fifo, or a folder, where a table should be is refused at once: the reader
// never waits for a writer. (Should it wait, a writer comes after two seconds
// and the read ends in another error, so the test fails rather than hangs.)
TEST(LeggiTabellaRiduzione, FifoOCartellaRifiutateSenzaAttendere) {
    CartellaTemporanea cartella;
    const auto fifo = cartella / "2t1d.VLT";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_directory(cartella / "1t2d.VLT");
    std::atomic<bool> letto{false};
    std::thread sblocca([&] {
        for (int i = 0; i < 200 && !letto; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        while (!letto) {
            const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    const LetturaTabella tabella = LeggiTabellaRiduzione(cartella.percorso(), 2, 1);
    const LetturaTabella dimensione = LeggiDimensioneTabella(fifo, 2, 1);
    const LetturaTabella suCartella = LeggiTabellaRiduzione(cartella.percorso(), 1, 2);
    letto = true;
    sblocca.join();
    for (const LetturaTabella* l : {&tabella, &dimensione}) {
        EXPECT_EQ(l->esito, EsitoLettura::ErroreApertura) << l->dettaglio;
        EXPECT_NE(l->dettaglio.find("non e' un file regolare"), std::string::npos) << l->dettaglio;
    }
    EXPECT_EQ(suCartella.esito, EsitoLettura::ErroreApertura);
    EXPECT_NE(suCartella.dettaglio.find("cartella"), std::string::npos) << suCartella.dettaglio;
}

TEST(LeggiTabellaRiduzione, FileDanneggiatiDannoErroreDiLettura) {
    struct Caso {
        const char* perche;
        std::vector<uint8_t> byte; // file 1t1d.VLT, read as 1 triple, 1 double
    };
    const Caso casi[] = {
        {"vuoto", {}},
        {"intestazione a meta'", {1, 0, 1}},
        {"colonna tronca", {2, 0, 1, 1, 1, 1, 2}},
        {"byte dopo l'ultima colonna", {1, 0, 1, 1, 1, 1, 3}},
        {"triple diverse dal nome", {1, 0, 2, 1, 1, 1}},
        {"doppie diverse dal nome", {1, 0, 1, 0, 1, 1}},
        {"zero su una tripla", {1, 0, 1, 1, 0, 1}},
        {"quattro su una tripla", {1, 0, 1, 1, 4, 1}},
        {"due su una doppia", {1, 0, 1, 1, 1, 2}},
        {"conteggio da lunghezza con colonna tronca", {0xFF, 0xFF, 1, 1, 1, 1, 2}},
        {"conteggio da lunghezza ma poche colonne", {0xFF, 0xFF, 1, 1, 1, 1}},
        {"piu' colonne dei risultati possibili",
         {7, 0, 1, 1, 1, 1, 1, 3, 2, 1, 2, 3, 3, 1, 3, 3, 1, 1}},
    };
    for (const Caso& caso : casi) {
        CartellaTemporanea cartella;
        test::ScriviByte(cartella / "1t1d.VLT", caso.byte);
        const LetturaTabella l = LeggiTabellaRiduzione(cartella.percorso(), 1, 1);
        EXPECT_EQ(l.esito, EsitoLettura::ErroreLettura) << caso.perche;
        EXPECT_EQ(l.messaggio, "Errore nella lettura del file per il Sistema Ridotto!\n"
                               "VELTRA verra' ora terminato.")
            << caso.perche;
        EXPECT_TRUE(l.tabella.valori.empty()) << caso.perche;
    }
}

TEST(LeggiTabellaRiduzione, TabellaOltreIlConteggioA16Bit) {
    // 70000 distinct columns of 11 triples: the count field holds 0xFFFF, the length the rest.
    const SpazioMisto spazio(11, 0);
    std::vector<uint32_t> indici(70000);
    for (uint32_t i = 0; i < indici.size(); ++i)
        indici[i] = i * 2;
    const TabellaRiduzione scritta = TabellaDaIndici(spazio, indici);

    CartellaTemporanea cartella;
    ASSERT_EQ(ScriviTabellaRiduzione(cartella.percorso() / "11t0d.VLT", scritta), "");
    const LetturaTabella l = LeggiTabellaRiduzione(cartella.percorso(), 11, 0);
    ASSERT_TRUE(l.ok()) << l.dettaglio;
    EXPECT_EQ(l.tabella.numColonne, 70000);
    EXPECT_EQ(l.tabella.valori, scritta.valori);

    // Exactly 65535 columns also carry the marker and read back whole.
    indici.resize(65535);
    ASSERT_EQ(
        ScriviTabellaRiduzione(cartella.percorso() / "11t0d.VLT", TabellaDaIndici(spazio, indici)),
        "");
    EXPECT_EQ(LeggiTabellaRiduzione(cartella.percorso(), 11, 0).tabella.numColonne, 65535);
}

} // namespace
} // namespace veltra::riduzioni
