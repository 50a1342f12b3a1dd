// One writer per working folder, across processes: a second writer is
// refused at once and loses nothing; the lock of a dead process blocks no
// one. And the damaged files the loaders must refuse, with their messages.
#include "app/ArchivioConfigurazione.h"
#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "app/DatiSupporto.h"
#include "app/Salvataggio.h"
#include "dati/BloccoCartella.h"
#include "dati/FileAtomico.h"
#include "dati/GeneratoreStagioni.h"
#include "platform/Messaggi.h"

#include "doppi/MessaggiRegistrati.h"
#include "EseguiCli.h"
#include "Supporto.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace veltra;
using namespace veltra::test;
namespace fs = std::filesystem;

namespace {

void CartellaConDati(const fs::path& dir) {
    auto d = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 2;
    o.squadre = 6;
    GeneraStagioni(d->campionato(0), o);
    MessaggiSilenziosi m;
    ASSERT_TRUE(SalvaDati(*d, dir, m));
}

// A child process that holds the folder's lock until killed.
pid_t Trattieni(const fs::path& dir) {
    int tubo[2];
    if (::pipe(tubo) != 0) return -1;
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        BloccoCartella b;
        const char c = b.Prendi(dir) ? 's' : 'n';
        (void)!::write(tubo[1], &c, 1);
        for (;;) ::pause();
    }
    char c = 0;
    (void)!::read(tubo[0], &c, 1);
    ::close(tubo[0]);
    ::close(tubo[1]);
    return c == 's' ? figlio : -1;
}

void Uccidi(pid_t p) {
    ::kill(p, SIGKILL);
    ::waitpid(p, nullptr, 0);
}

std::string Contatore(const fs::path& dir) {
    const std::string t = LeggiTesto(dir / "Cfg2.VLT");
    const auto ultima = t.rfind('\n', t.size() - 2);
    return t.substr(ultima + 1, t.size() - ultima - 2);
}

} // namespace

TEST(BloccoCartella, SecondoScrittoreRifiutatoSubitoEBloccoDiUnMortoLibero) {
    CartellaTemporanea dir;
    CartellaConDati(dir.percorso());
    const std::string cfg = LeggiTesto(dir / "Cfg.VLT");
    const pid_t primo = Trattieni(dir.percorso());
    ASSERT_GT(primo, 0);

    // In the same process too, another lock of the folder is refused.
    BloccoCartella b;
    EXPECT_FALSE(b.Prendi(dir.percorso()));
    EXPECT_TRUE(b.Occupata());
    EXPECT_NE(b.Messaggio().find(dir.percorso().string()), std::string::npos) << b.Messaggio();
    EXPECT_NE(b.Messaggio().find(std::to_string(primo)), std::string::npos) << b.Messaggio();

    // Every writing command is refused at once, naming the folder; nothing is written.
    const std::string cartella = "--cartella " + dir.percorso().string();
    for (const std::string& c : {"verifica --salva " + cartella, "genera " + cartella,
                                "importa --campionato A " + cartella + " /dev/null"}) {
        const Uscita u = EseguiCli(c);
        EXPECT_EQ(u.codice, 3) << c;
        EXPECT_NE(u.errori.find("e' gia' in uso da un altro programma VELTRA"), std::string::npos)
            << c << ": " << u.errori;
        EXPECT_NE(u.errori.find(dir.percorso().string()), std::string::npos) << u.errori;
    }
    EXPECT_EQ(LeggiTesto(dir / "Cfg.VLT"), cfg);
    // A command that only reads runs beside the writer.
    EXPECT_EQ(EseguiCli("verifica " + cartella).codice, 0);

    // The holder dies without a word: its lock goes with it.
    Uccidi(primo);
    const Uscita u = EseguiCli("verifica --salva " + cartella);
    EXPECT_EQ(u.codice, 0) << u.errori;
    EXPECT_EQ(Contatore(dir.percorso()), "2");
}

TEST(BloccoCartella, DueScrittoriInsiemeNessunSalvataggioPerso) {
    // Two processes save the same folder at once, again and again: each run
    // either saves or is refused, and every save that says so is counted.
    CartellaTemporanea dir;
    CartellaConDati(dir.percorso());
    int salvati = 0, rifiutati = 0;
    const std::string comando = std::string(VELTRA_CLI_PATH) + " verifica --salva --cartella " +
                                dir.percorso().string() + " >/dev/null 2>&1";
    for (int giro = 0; giro < 6; ++giro) {
        std::array<pid_t, 2> figli{};
        for (auto& f : figli) {
            f = ::fork();
            if (f == 0) {
                const int s = std::system(comando.c_str());
                ::_exit(WIFEXITED(s) ? WEXITSTATUS(s) : 99);
            }
        }
        for (pid_t f : figli) {
            int stato = 0;
            ::waitpid(f, &stato, 0);
            ASSERT_TRUE(WIFEXITED(stato));
            const int codice = WEXITSTATUS(stato);
            ASSERT_TRUE(codice == 0 || codice == 3) << codice;
            (codice == 0 ? salvati : rifiutati)++;
        }
    }
    EXPECT_GT(salvati, 5);
    EXPECT_EQ(Contatore(dir.percorso()), std::to_string(1 + salvati));
    EXPECT_EQ(EseguiCli("verifica --cartella " + dir.percorso().string()).codice, 0);
}

TEST(FileDanneggiati, RifiutatiConUnMessaggioChiaroEIDatiIntatti) {
    CartellaTemporanea base;
    CartellaConDati(base.percorso());
    struct Caso {
        const char* perche;
        void (*guasta)(const fs::path&);
        const char* messaggio; // the box shown
        const char* dettaglio; // found in what veltra-cli adds
    };
    const Caso casi[] = {
        {"file dei risultati che e' una fifo",
         [](const fs::path& c) { fs::remove(c / "giornaGE.VLT"); ::mkfifo((c / "giornaGE.VLT").c_str(), 0644); },
         kMessaggioFileCorrotti, "giornaGE.VLT: non e' un file regolare"},
        {"file delle squadre che porta a un dispositivo senza fine",
         [](const fs::path& c) { fs::remove(c / "squadreGE.VLT"); fs::create_symlink("/dev/zero", c / "squadreGE.VLT"); },
         kMessaggioFileCorrotti, "squadreGE.VLT: non e' un file regolare"},
        {"file delle squadre che e' una cartella",
         [](const fs::path& c) { fs::remove(c / "squadreGE.VLT"); fs::create_directory(c / "squadreGE.VLT"); },
         kMessaggioFileCorrotti, "squadreGE.VLT: e' una cartella"},
        {"Cfg.VLT enorme",
         [](const fs::path& c) { fs::resize_file(c / "Cfg.VLT", kDimensioneMassimaFile + 1); },
         kMessaggioFileCorrotti, "Cfg.VLT: file troppo grande"},
        {"percentuale 32767 in Cfg.VLT",
         [](const fs::path& c) {
             std::string cfg = LeggiTesto(c / "Cfg.VLT");
             cfg[1 + 2 + 2 * 2] = '\xFF'; // Serie A, third percentage
             cfg[1 + 2 + 2 * 2 + 1] = '\x7F';
             ScriviTesto(c / "Cfg.VLT", cfg);
         },
         kMessaggioFileCorrotti, "Serie A: percentualiImportanza[2] = 32767 fuori dall'intervallo 0..1000"},
        {"limite 500 in Cfg.VLT",
         [](const fs::path& c) {
             std::string cfg = LeggiTesto(c / "Cfg.VLT");
             cfg[1 + 20 + 12] = '\xF4'; // Serie B, limiteMinCasa
             cfg[1 + 20 + 13] = '\x01';
             ScriviTesto(c / "Cfg.VLT", cfg);
         },
         kMessaggioFileCorrotti, "Serie B: limiteMinCasa = 500"},
        {"Cfg2.VLT che e' una cartella",
         [](const fs::path& c) { fs::remove(c / "Cfg2.VLT"); fs::create_directory(c / "Cfg2.VLT"); },
         kErroreLetturaDatiSupporto, "Cfg2.VLT: e' una cartella"},
        {"Cfg2.VLT enorme",
         [](const fs::path& c) { fs::resize_file(c / "Cfg2.VLT", 1 << 20); },
         kErroreLetturaDatiSupporto, "Cfg2.VLT: file troppo grande"},
        {"Strategie.VLT che e' una fifo",
         [](const fs::path& c) { fs::remove(c / "Strategie.VLT"); ::mkfifo((c / "Strategie.VLT").c_str(), 0644); },
         kErroreAperturaStrategie, "Strategie.VLT: non e' un file regolare"},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.perche);
        CartellaTemporanea c;
        for (const auto& v : fs::directory_iterator(base.percorso()))
            fs::copy(v.path(), c / v.path().filename().string());
        caso.guasta(c.percorso());
        std::map<std::string, fs::file_time_type> prima;
        for (const auto& v : fs::directory_iterator(c.percorso()))
            prima[v.path().filename().string()] = fs::symlink_status(v.path()).type() == fs::file_type::symlink
                                                      ? fs::file_time_type{}
                                                      : v.last_write_time();
        auto d = std::make_unique<DatiGlobali>();
        MessaggiRegistrati m;
        EsitoFile e;
        EXPECT_FALSE(CaricaAvvio(*d, c.percorso(), m, &e));
        EXPECT_EQ(m.testi(), std::vector<std::string>{caso.messaggio});
        EXPECT_NE(e.dettaglio.find(caso.dettaglio), std::string::npos) << e.dettaglio;
        // The same through veltra-cli, which says which file and why.
        const Uscita u = EseguiCli("verifica --cartella " + c.percorso().string());
        EXPECT_EQ(u.codice, 1);
        EXPECT_NE(u.errori.find(caso.dettaglio), std::string::npos) << u.errori;
        // Nothing was changed or added.
        std::map<std::string, fs::file_time_type> dopo;
        for (const auto& v : fs::directory_iterator(c.percorso()))
            if (v.path().filename() != kFileBlocco)
                dopo[v.path().filename().string()] = fs::symlink_status(v.path()).type() == fs::file_type::symlink
                                                         ? fs::file_time_type{}
                                                         : v.last_write_time();
        EXPECT_EQ(dopo, prima);
    }
}
