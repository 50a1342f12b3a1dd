// The archive of checked plays: its file byte for byte, its atomic save, a
// damaged file, adding or replacing a play, and the averages.
#include "dati/Archivio.h"
#include "dati/FileAtomico.h"
#include "pools/CDlgSpoglioSchedine.h"
#include "pools/StatisticheToto.h"

#include "../Supporto.h"
#include "../doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

using namespace veltra;
using veltra::test::CartellaTemporanea;
using veltra::test::MessaggiRegistrati;

namespace {

CStatisticheToto Giocata(int seme) {
    CStatisticheToto g;
    g.data = 1700000000 + seme;
    g.note = "note è " + std::to_string(seme);
    for (int i = 0; i < 14; ++i)
        g.risultati[static_cast<std::size_t>(i)] = std::string(1, "1X2"[(i + seme) % 3]);
    g.tripleGiocate = static_cast<std::int16_t>(seme % 4);
    g.doppieGiocate = 5;
    g.puntiIntegraleGiocato = static_cast<std::int16_t>(10 + seme % 5);
    g.puntiBaseGiocata = static_cast<std::int16_t>(8 + seme % 3);
    g.riduzioneMin = 1;
    g.riduzioneMax = 2;
    g.colonneRidotto = 1000 + seme;
    g.condizioni.attivoSegni = 1;
    g.condizioni.min1 = 3;
    g.condizioni.numColonneFiltro = 1;
    g.fissatiUtente = 2;
    for (int i = 0; i < 10; ++i)
        g.interventi[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i * seme);
    g.puntiRidotto = 11;
    g.tripleOriginali = 1;
    g.doppieOriginali = 3;
    g.puntiIntegraleOriginale = 10;
    g.puntiBaseOriginale = 9;
    g.fissaDoppiaPer12 = 1;
    g.doppiaTriplaPer12 = static_cast<std::int16_t>(seme % 2);
    return g;
}

std::string Leggi(const std::filesystem::path& p) { return *LeggiFile(p); }

} // namespace

TEST(StatisticheToto, FileIdenticoDopoLetturaEScrittura) {
    CListaGiocateToto lista;
    AggiungiGiocata(lista, Giocata(1), false);
    AggiungiGiocata(lista, Giocata(2), false);
    ImpostaEsclusa(lista, 1, true);
    const std::string byte = ScriviListaGiocate(lista);
    // count, excluded count, then the most recent play first: its date
    ASSERT_GE(byte.size(), 16u);
    EXPECT_EQ(byte.substr(0, 8), std::string("\x02\0\0\0\x01\0\0\0", 8));
    const CListaGiocateToto letta = LeggiListaGiocate(byte);
    EXPECT_EQ(letta, lista);
    EXPECT_EQ(letta.giocate[0].data, 1700000002);
    EXPECT_EQ(ScriviListaGiocate(letta), byte);

    CartellaTemporanea dir;
    ASSERT_TRUE(SalvaStatistiche(dir.percorso(), lista));
    EXPECT_EQ(Leggi(dir / kFileStatisticheToto), byte);
    const LetturaStatistiche l = CaricaStatistiche(dir.percorso());
    ASSERT_TRUE(l.lista);
    EXPECT_EQ(*l.lista, lista);
}

TEST(StatisticheToto, FileMancanteODanneggiato) {
    CartellaTemporanea dir;
    const LetturaStatistiche vuota = CaricaStatistiche(dir.percorso());
    ASSERT_TRUE(vuota.lista);
    EXPECT_TRUE(vuota.lista->giocate.empty());

    CListaGiocateToto lista;
    AggiungiGiocata(lista, Giocata(3), false);
    const std::string buono = ScriviListaGiocate(lista);
    std::string esclusiTroppi = buono;
    esclusiTroppi[4] = 2; // 2 excluded of 1 play
    const std::string danneggiati[] = {
        buono.substr(0, buono.size() - 1), // cut
        buono + "x",                       // bytes after the list
        esclusiTroppi,
        std::string("\xff\xff\xff\x7f\0\0\0\0", 8), // a count the file cannot hold
    };
    for (const std::string& d : danneggiati) {
        { std::ofstream(dir / kFileStatisticheToto, std::ios::binary) << d; }
        const LetturaStatistiche l = CaricaStatistiche(dir.percorso());
        EXPECT_FALSE(l.lista) << d.size();
        EXPECT_FALSE(l.errore.empty());
        EXPECT_THROW(LeggiListaGiocate(d), ErroreArchivio);
    }
}

namespace {
int guasti = 0;
bool RinominaGuasta(OperazioneFile op, const std::filesystem::path&) {
    if (op == OperazioneFile::Rinomina) {
        ++guasti;
        return false;
    }
    return true;
}
} // namespace

TEST(StatisticheToto, ArchiviazioneAtomica) {
    CartellaTemporanea dir;
    MessaggiRegistrati m;
    std::optional<CListaGiocateToto> lista = CListaGiocateToto{};
    int domande = 0;
    auto scegli = [&](bool sostituisci) {
        return [&, sostituisci](const CStatisticheToto& recente) -> std::optional<bool> {
            ++domande;
            EXPECT_EQ(recente, lista->giocate.front());
            return sostituisci;
        };
    };
    // The first play is added without asking.
    EXPECT_EQ(ArchiviaGiocata(lista, dir.percorso(), Giocata(1), scegli(true), m), EsitoArchiviazione::Aggiunta);
    EXPECT_EQ(domande, 0);
    EXPECT_EQ(ArchiviaGiocata(lista, dir.percorso(), Giocata(2), scegli(false), m), EsitoArchiviazione::Aggiunta);
    EXPECT_EQ(ArchiviaGiocata(lista, dir.percorso(), Giocata(3), scegli(true), m), EsitoArchiviazione::Sostituita);
    EXPECT_EQ(domande, 2);
    ASSERT_EQ(lista->giocate.size(), 2u);
    EXPECT_EQ(lista->giocate[0], Giocata(3));
    EXPECT_EQ(lista->giocate[1], Giocata(1));
    EXPECT_EQ(m.testi(), (std::vector<std::string>{kGiocataArchiviata, kGiocataArchiviata, kGiocataSostituita}));
    const std::string prima = Leggi(dir / kFileStatisticheToto);
    EXPECT_EQ(prima, ScriviListaGiocate(*lista));

    // A failing save: the message, and neither the file nor the list changed.
    const CListaGiocateToto tenuta = *lista;
    ImpostaOsservatoreOperazioni(&RinominaGuasta, false);
    const auto esito = ArchiviaGiocata(lista, dir.percorso(), Giocata(4), scegli(false), m);
    ImpostaOsservatoreOperazioni(nullptr);
    EXPECT_GT(guasti, 0);
    EXPECT_EQ(esito, EsitoArchiviazione::Errore);
    EXPECT_EQ(m.testi().back(), kErroreScritturaStatistiche);
    EXPECT_EQ(*lista, tenuta);
    EXPECT_EQ(Leggi(dir / kFileStatisticheToto), prima);
    for (const auto& e : std::filesystem::directory_iterator(dir.percorso()))
        EXPECT_FALSE(NomeTemporaneo(e.path().filename().string())) << e.path();

    // Cancelled: nothing written.
    EXPECT_EQ(ArchiviaGiocata(lista, dir.percorso(), Giocata(5), [](const CStatisticheToto&) {
                  return std::optional<bool>{};
              }, m),
              EsitoArchiviazione::Annullata);
    EXPECT_EQ(Leggi(dir / kFileStatisticheToto), prima);

    // A list not held (damaged at start-up) is read from the file; a
    // damaged file is reported and left as it is.
    { std::ofstream(dir / kFileStatisticheToto, std::ios::binary) << "rotto"; }
    std::optional<CListaGiocateToto> nessuna;
    EXPECT_EQ(ArchiviaGiocata(nessuna, dir.percorso(), Giocata(6), scegli(false), m), EsitoArchiviazione::Errore);
    EXPECT_EQ(m.testi().back(), kErroreLetturaStatistiche);
    EXPECT_EQ(Leggi(dir / kFileStatisticheToto), "rotto");
}

TEST(StatisticheToto, Medie) {
    CListaGiocateToto lista;
    // No play: every average 0.0, no division by zero.
    MedieGiocate m = CalcolaMedie(lista);
    EXPECT_EQ(TestoMedia(m.integraleGiocato), "0.0");
    EXPECT_EQ(TitoloMedie(m), "VALORI MEDI CALCOLATI SU 0 GIOCATE ARCHIVIATE");

    CStatisticheToto a = Giocata(0), b = Giocata(1), c = Giocata(2);
    a.puntiIntegraleGiocato = 10;
    b.puntiIntegraleGiocato = 13;
    c.puntiIntegraleGiocato = 3; // excluded below
    a.doppieOriginali = 3;
    a.fissaDoppiaPer12 = 2;
    a.doppiaTriplaPer12 = 1;
    a.tripleOriginali = 1;
    b.doppieOriginali = 4;
    b.fissaDoppiaPer12 = 0;
    b.doppiaTriplaPer12 = 0;
    b.tripleOriginali = 0;
    AggiungiGiocata(lista, a, false);
    AggiungiGiocata(lista, b, false);
    AggiungiGiocata(lista, c, false);
    ImpostaEsclusa(lista, 0, true);
    EXPECT_EQ(lista.esclusi, 1);
    m = CalcolaMedie(lista);
    EXPECT_EQ(TitoloMedie(m), "VALORI MEDI CALCOLATI SU 2 DELLE 3 GIOCATE ARCHIVIATE");
    EXPECT_EQ(TestoMedia(m.integraleGiocato), "11.5");
    EXPECT_EQ(m.migliorIntegraleGiocato, 13);
    EXPECT_EQ(m.peggiorIntegraleGiocato, 10);
    // 12 needs (3 + 2 - 1 + 4) / 2 doubles and (1 + 1 + 0) / 2 triples
    EXPECT_EQ(TestoMedia(m.doppiePer12), "4.0");
    EXPECT_EQ(TestoMedia(m.triplePer12), "1.0");

    // All excluded: 0.0 again.
    ImpostaEsclusa(lista, 1, true);
    ImpostaEsclusa(lista, 2, true);
    ImpostaEsclusa(lista, 2, true); // twice: counted once
    EXPECT_EQ(lista.esclusi, 3);
    m = CalcolaMedie(lista);
    EXPECT_EQ(TestoMedia(m.baseGiocata), "0.0");
    EXPECT_EQ(TitoloMedie(m), "VALORI MEDI CALCOLATI SU 0 DELLE 3 GIOCATE ARCHIVIATE");
}

TEST(StatisticheToto, TestoRiduzione) {
    CStatisticheToto g;
    g.riduzioneMin = g.riduzioneMax = -1;
    EXPECT_EQ(TestoRiduzione(g), "Ridotto (N-1)");
    g.riduzioneMin = g.riduzioneMax = -2;
    EXPECT_EQ(TestoRiduzione(g), "Condizionato");
    g.condizioni.condizionatoRidotto = 1;
    EXPECT_EQ(TestoRiduzione(g), "Condiz.Ridotto");
    g.riduzioneMin = 0;
    g.riduzioneMax = 3;
    EXPECT_EQ(TestoRiduzione(g), "A Correzione di 0-3 Errori");
}
