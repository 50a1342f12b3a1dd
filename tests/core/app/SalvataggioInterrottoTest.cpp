// A save of the working folder is one transaction. A child process saves and
// is stopped dead (as by a kill) before its N-th file operation, for every N;
// the next start must find the folder exactly as before or exactly as after
// the save, loadable, with no temporary file left. The same with the N-th
// operation failing instead (a full disk): a save that reports failure has
// changed nothing.
#include "app/ArchivioConfigurazione.h"
#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "app/DatiSupporto.h"
#include "app/Salvataggio.h"
#include "dati/FileAtomico.h"
#include "dati/GeneratoreStagioni.h"
#include "platform/Messaggi.h"

#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

using namespace veltra;
using namespace veltra::test;
namespace fs = std::filesystem;

namespace {

using StatoCartella = std::map<std::string, std::string>;

StatoCartella Stato(const fs::path& dir) {
    StatoCartella s;
    for (const auto& v : fs::directory_iterator(dir))
        if (v.is_regular_file()) s[v.path().filename().string()] = LeggiTesto(v.path());
    return s;
}

// The names of the files that differ, for a short failure message.
std::string Differenze(const StatoCartella& a, const StatoCartella& b) {
    std::string d;
    for (const auto& [nome, testo] : a)
        if (!b.count(nome) || b.at(nome) != testo) d += nome + " ";
    for (const auto& [nome, testo] : b)
        if (!a.count(nome)) d += nome + " ";
    return d;
}

void Ripristina(const fs::path& dir, const StatoCartella& s) {
    for (const auto& v : fs::directory_iterator(dir)) fs::remove(v.path());
    for (const auto& [nome, testo] : s) ScriviTesto(dir / nome, testo);
}

// Small data, so that hundreds of saves take little time.
std::unique_ptr<DatiGlobali> Prima() {
    auto d = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 2;
    o.squadre = 6;
    GeneraStagioni(d->campionato(0), o);
    d->prossimoIdStrategia = 3;
    return d;
}

// What the save writes over it: other matches, other teams, other parameters,
// a strategy, another counter. Every championship changes, so that every
// file is part of the save (an unchanged file is left out of it).
std::unique_ptr<DatiGlobali> Dopo() {
    auto d = Prima();
    OpzioniGenerazione o;
    o.stagioni = 3;
    o.squadre = 8;
    o.seme = 9;
    for (int c = 1; c < kNumeroCampionati; ++c) GeneraStagioni(d->campionato(c), o);
    d->campionato(0).config.giornateAnalisi = 3;
    CStrategiaDesc s;
    s.nome = "Nuova";
    s.numero = 3;
    s.eventiStrategia.resize(1);
    s.giocate = {{0}};
    d->strategie.strategie = {s};
    d->prossimoIdStrategia = 4;
    d->contatoreSalvataggi = 1; // as read from the folder saved once
    return d;
}

int gOperazioni = 0;
int gFermaA = 0;
bool gFallisci = false;

bool Osserva(OperazioneFile, const fs::path&) {
    if (++gOperazioni != gFermaA) return true;
    if (gFallisci) return false;
    ::_exit(77); // dies on the spot: no destructor, no clean-up
}

void Osserva(int fermaA, bool fallisci) {
    gOperazioni = 0;
    gFermaA = fermaA;
    gFallisci = fallisci;
    // A kill, unlike a power cut, does not need the flushes to be made.
    ImpostaOsservatoreOperazioni(&Osserva, false);
}

struct Fine {
    ~Fine() { ImpostaOsservatoreOperazioni(nullptr); }
};

// The folder reads as the program reads it at start-up.
void Carica(const fs::path& dir, const char* quando) {
    auto d = std::make_unique<DatiGlobali>();
    EXPECT_TRUE(LeggiDatiSupporto(dir, *d)) << quando;
    const EsitoFile e = CaricaDati(*d, dir);
    EXPECT_TRUE(e) << quando << ": " << e.dettaglio;
}

class SalvataggioInterrotto : public ::testing::Test {
protected:
    void SetUp() override {
        MessaggiSilenziosi m;
        ASSERT_TRUE(SalvaDati(*Prima(), dir.percorso(), m));
        prima = Stato(dir.percorso());
        Carica(dir.percorso(), "prima");
        // The whole save once, counting its file operations.
        Osserva(0, false);
        ASSERT_TRUE(SalvaDati(*Dopo(), dir.percorso(), m));
        operazioni = gOperazioni;
        ImpostaOsservatoreOperazioni(nullptr);
        dopo = Stato(dir.percorso());
        ASSERT_NE(prima, dopo);
        ASSERT_EQ(dopo.count("Cfg.OLD"), 1u);
        Carica(dir.percorso(), "dopo");
        Ripristina(dir.percorso(), prima);
    }
    CartellaTemporanea dir{CartellaTemporanea::InMemoria()};
    StatoCartella prima, dopo;
    int operazioni = 0;
    Fine fine;
};

// Saves in a child stopped before operation `n`; true when it was stopped.
bool SalvaEMuori(const fs::path& dir, int n) {
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        Osserva(n, false);
        MessaggiSilenziosi m;
        ::_exit(SalvaDati(*Dopo(), dir, m) ? 0 : 1);
    }
    int stato = 0;
    ::waitpid(figlio, &stato, 0);
    return WIFEXITED(stato) && WEXITSTATUS(stato) == 77;
}

} // namespace

TEST_F(SalvataggioInterrotto, UccisoAOgniOperazioneLaCartellaEPrimaODopo) {
    ASSERT_GT(operazioni, 200); // 42 files: each written, flushed, kept, renamed
    int comePrima = 0, comeDopo = 0;
    for (int n = 1; n <= operazioni; ++n) {
        SCOPED_TRACE("ucciso prima dell'operazione " + std::to_string(n));
        Ripristina(dir.percorso(), prima);
        ASSERT_TRUE(SalvaEMuori(dir.percorso(), n));
        // The next start.
        const EsitoRecupero r = RecuperaCartella(dir.percorso());
        ASSERT_TRUE(r.ok) << r.errore;
        const StatoCartella s = Stato(dir.percorso());
        if (s == prima)
            ++comePrima;
        else if (s == dopo)
            ++comeDopo;
        else
            FAIL() << "la cartella non e' ne' quella di prima ne' quella di dopo; diversi da "
                      "prima: " << Differenze(s, prima) << "; da dopo: " << Differenze(s, dopo);
        // Loading is checked where the outcome changes and at the ends.
        if (n == 1 || n == operazioni || (s == dopo && comeDopo == 1)) Carica(dir.percorso(), "recuperata");
    }
    // The journal is the point of no return: before it nothing, after it all.
    EXPECT_GT(comePrima, 100);
    EXPECT_GT(comeDopo, 50);
    // Past the last operation the save ends normally.
    Ripristina(dir.percorso(), prima);
    EXPECT_FALSE(SalvaEMuori(dir.percorso(), operazioni + 1));
    EXPECT_EQ(Stato(dir.percorso()), dopo);
}

TEST_F(SalvataggioInterrotto, UnRecuperoInterrottoSiRiprende) {
    // A save killed right after its journal was written, then its recovery
    // killed at every operation in turn: the following start completes it.
    int dopoGiornale = 0;
    for (int n = 1; n <= operazioni && !dopoGiornale; ++n) {
        Ripristina(dir.percorso(), prima);
        ASSERT_TRUE(SalvaEMuori(dir.percorso(), n));
        if (fs::exists(dir / kFileGiornale)) dopoGiornale = n;
    }
    ASSERT_GT(dopoGiornale, 0);
    Ripristina(dir.percorso(), prima);
    ASSERT_TRUE(SalvaEMuori(dir.percorso(), dopoGiornale));
    const StatoCartella interrotta = Stato(dir.percorso());
    for (int n = 1;; ++n) {
        SCOPED_TRACE("recupero ucciso prima dell'operazione " + std::to_string(n));
        Ripristina(dir.percorso(), interrotta);
        const pid_t figlio = ::fork();
        if (figlio == 0) {
            Osserva(n, false);
            ::_exit(RecuperaCartella(dir.percorso()).ok ? 0 : 1);
        }
        int stato = 0;
        ::waitpid(figlio, &stato, 0);
        ASSERT_TRUE(WIFEXITED(stato));
        const EsitoRecupero r = RecuperaCartella(dir.percorso());
        ASSERT_TRUE(r.ok) << r.errore;
        const StatoCartella s = Stato(dir.percorso());
        ASSERT_TRUE(s == dopo) << Differenze(s, dopo);
        if (WEXITSTATUS(stato) != 77) break; // the recovery ran to its end
    }
}

TEST_F(SalvataggioInterrotto, OperazioneFallitaNonCambiaNulla) {
    int fallimenti = 0, senzaCopia = 0;
    for (int n = 1; n <= operazioni; ++n) {
        SCOPED_TRACE("fallisce l'operazione " + std::to_string(n));
        Ripristina(dir.percorso(), prima);
        auto d = Dopo();
        MessaggiSilenziosi m;
        Osserva(n, true);
        const bool ok = SalvaDati(*d, dir.percorso(), m);
        ImpostaOsservatoreOperazioni(nullptr);
        const StatoCartella s = Stato(dir.percorso());
        if (!ok) {
            // Reported as failed: nothing changed, nothing left behind, and
            // the data in memory still count as unsaved.
            ++fallimenti;
            ASSERT_TRUE(s == prima) << Differenze(s, prima);
            EXPECT_EQ(d->contatoreSalvataggi, 1);
            continue;
        }
        // Reported as done: a failure after the last rename only leaves
        // something for the next start to tidy. The backup copy Cfg.OLD is
        // the one file a save may go without.
        ASSERT_TRUE(RecuperaCartella(dir.percorso()).ok);
        StatoCartella atteso = dopo;
        if (!s.count("Cfg.OLD")) {
            atteso.erase("Cfg.OLD");
            ++senzaCopia;
        }
        const StatoCartella recuperata = Stato(dir.percorso());
        ASSERT_TRUE(recuperata == atteso) << Differenze(recuperata, atteso);
    }
    EXPECT_LE(senzaCopia, 4); // the operations that write Cfg.OLD's temporary file
    EXPECT_GT(fallimenti, 100);
}

TEST(RecuperoCartella, TemporaneiRimossiGiornaleDanneggiatoRifiutato) {
    CartellaTemporanea dir;
    ScriviTesto(dir / "Cfg.VLT", "vecchio");
    ScriviTesto(dir / "Cfg.VLT.tmp-a1B2c3", "nuovo");
    ScriviTesto(dir / "giornata.VLT.tmp-ZZZZZZ.prec", "x");
    ScriviTesto(dir / "note.tmp-personali", "dell'utente"); // not a name of the program's
    ScriviTesto(dir / "Cfg.VLT.tmp-abc", "troppo corto per essere nostro");
    EsitoRecupero r = RecuperaCartella(dir.percorso());
    ASSERT_TRUE(r.ok) << r.errore;
    EXPECT_EQ(r.temporaneiRimossi, 2);
    EXPECT_EQ(Stato(dir.percorso()),
              (StatoCartella{{"Cfg.VLT", "vecchio"},
                             {"note.tmp-personali", "dell'utente"},
                             {"Cfg.VLT.tmp-abc", "troppo corto per essere nostro"}}));

    // A journal that does not hold together, or names files outside the
    // folder, is refused and nothing is touched.
    const char* giornali[] = {
        "VELTRA giornale 1\navanti\n1\nCfg.VLT\tCfg.VLT.tmp-a1B2c3\t\n",          // no end
        "VELTRA giornale 1\navanti\n1\n../Cfg.VLT\t../Cfg.VLT.tmp-a1B2c3\t\nfine\n", // outside
        "VELTRA giornale 1\navanti\n1\nCfg.VLT\tPos.VLT.tmp-a1B2c3\t\nfine\n",     // crossed
        "VELTRA giornale 1\nforse\n0\nfine\n",
    };
    for (const char* g : giornali) {
        SCOPED_TRACE(g);
        ScriviTesto(dir / "Cfg.VLT.tmp-a1B2c3", "nuovo");
        ScriviTesto(dir / kFileGiornale, g);
        r = RecuperaCartella(dir.percorso());
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.errore.find("Giornale.VLT"), std::string::npos) << r.errore;
        EXPECT_EQ(LeggiTesto(dir / "Cfg.VLT"), "vecchio");
        EXPECT_EQ(LeggiTesto(dir / "Cfg.VLT.tmp-a1B2c3"), "nuovo");
    }
    // A sound one is carried out.
    ScriviTesto(dir / kFileGiornale,
                "VELTRA giornale 1\navanti\n1\nCfg.VLT\tCfg.VLT.tmp-a1B2c3\t\nfine\n");
    r = RecuperaCartella(dir.percorso());
    ASSERT_TRUE(r.ok) << r.errore;
    EXPECT_EQ(r.salvataggiCompletati, 1);
    EXPECT_EQ(LeggiTesto(dir / "Cfg.VLT"), "nuovo");
    EXPECT_FALSE(fs::exists(dir / kFileGiornale));
}

// A save leaves out the files whose text has not changed: a change of one
// strategy writes the strategy list and the small files that count saves,
// so that it needs no room for the championships' files; those stay the very
// as they were.
TEST_F(SalvataggioInterrotto, UnSalvataggioRiscriveSoloIFileCambiati) {
    MessaggiSilenziosi m;
    auto d = Prima();
    ASSERT_TRUE(SalvaDati(*d, dir.percorso(), m));
    const StatoCartella salvato = Stato(dir.percorso());
    static std::vector<std::string> creati;
    creati.clear();
    ImpostaOsservatoreOperazioni(
        [](OperazioneFile op, const fs::path& p) {
            if (op == OperazioneFile::Crea) {
                std::string nome = p.filename().string();
                creati.push_back(nome.substr(0, nome.find(".tmp-")));
            }
            return true;
        },
        false);
    CStrategiaDesc s;
    s.nome = "Una";
    s.numero = 3;
    s.eventiStrategia.resize(1);
    s.giocate = {{0}};
    d->strategie.strategie = {s};
    const bool ok = SalvaDati(*d, dir.percorso(), m);
    ImpostaOsservatoreOperazioni(nullptr);
    ASSERT_TRUE(ok);
    std::sort(creati.begin(), creati.end());
    // Cfg.VLT did not change, so neither did its copy Cfg.OLD.
    EXPECT_EQ(creati, (std::vector<std::string>{"Cfg2.VLT", "Giornale.VLT", "Strategie.VLT"}))
        << testing::PrintToString(creati);
    const StatoCartella nuovo = Stato(dir.percorso());
    EXPECT_EQ(Differenze(nuovo, salvato), "Cfg2.VLT Strategie.VLT ");
    Carica(dir.percorso(), "dopo");
}

// The message of a failed save names the file that could not be written and
// why, whichever it is.
TEST_F(SalvataggioInterrotto, IlMessaggioNominaIlFileCheNonSiPuoScrivere) {
    static std::string bersaglio;
    struct Caso {
        std::string file;
        const char* inizio;
    } casi[] = {
        {"Strategie.VLT", kErroreScritturaStrategie},
        {"squadreb.VLT", "Errore nella scrittura del file squadreb.VLT."},
        {"Cfg2.VLT", "Errore nella scrittura del file Cfg2.VLT."},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.file);
        Ripristina(dir.percorso(), prima);
        bersaglio = c.file;
        // The disk fills up when that file is written.
        ImpostaOsservatoreOperazioni(
            [](OperazioneFile op, const fs::path& p) {
                if (op == OperazioneFile::Scrivi && p.filename().string().rfind(bersaglio + ".tmp-", 0) == 0) {
                    errno = ENOSPC;
                    return false;
                }
                return true;
            },
            false);
        test::MessaggiRegistrati m;
        const bool ok = SalvaDati(*Dopo(), dir.percorso(), m);
        ImpostaOsservatoreOperazioni(nullptr);
        EXPECT_FALSE(ok);
        ASSERT_EQ(m.testi().size(), 1u);
        EXPECT_EQ(m.testi()[0].rfind(c.inizio, 0), 0u) << m.testi()[0];
        EXPECT_NE(m.testi()[0].find(c.file + ": "), std::string::npos) << m.testi()[0];
        EXPECT_EQ(Stato(dir.percorso()), prima);
    }
}

// A journal that an earlier save left in the folder (its process died after
// writing it) is carried out by the next save, not dropped half done.
TEST(RecuperoCartella, UnGiornaleRimastoVieneCompletatoDalSalvataggioSeguente) {
    CartellaTemporanea dir;
    ScriviTesto(dir / "a.txt", "a vecchio");
    ScriviTesto(dir / "b.txt", "b vecchio");
    // The first renamed, the second still to be.
    ScriviTesto(dir / "a.txt", "a nuovo");
    ScriviTesto(dir / "b.txt.tmp-Zz0099", "b nuovo");
    ScriviTesto(dir / kFileGiornale,
                "VELTRA giornale 1\navanti\n2\na.txt\ta.txt.tmp-Aa0011\t\nb.txt\tb.txt.tmp-Zz0099\t\nfine\n");
    SalvataggioAtomico s;
    ASSERT_TRUE(s.Prepara(dir / "c.txt", "c"));
    ASSERT_TRUE(s.Prepara(dir / "d.txt", "d"));
    ASSERT_TRUE(s.Conferma()) << s.Errore();
    EXPECT_EQ(LeggiTesto(dir / "a.txt"), "a nuovo");
    EXPECT_EQ(LeggiTesto(dir / "b.txt"), "b nuovo");
    EXPECT_EQ(LeggiTesto(dir / "c.txt"), "c");
    EXPECT_FALSE(fs::exists(dir / kFileGiornale));
    EXPECT_FALSE(fs::exists(dir / "b.txt.tmp-Zz0099"));
    // A damaged one stops the save and is left for a look.
    ScriviTesto(dir / kFileGiornale, "VELTRA giornale 1\navanti\n");
    SalvataggioAtomico t;
    ASSERT_TRUE(t.Prepara(dir / "c.txt", "c2"));
    ASSERT_TRUE(t.Prepara(dir / "d.txt", "d2"));
    EXPECT_FALSE(t.Conferma());
    EXPECT_NE(t.Errore().find(kFileGiornale), std::string::npos) << t.Errore();
    EXPECT_EQ(LeggiTesto(dir / "c.txt"), "c");
}
