// The configuration archive, the start-up load and the whole save, on real
// working folders.
#include "app/ArchivioConfigurazione.h"
#include "dati/Archivio.h"
#include "app/Avvio.h"
#include "app/DatiGlobali.h"
#include "app/DatiSupporto.h"
#include "dati/FileAtomico.h"
#include "dati/FileDati.h"
#include "dati/GeneratoreStagioni.h"
#include "app/Salvataggio.h"
#include "betting/ArchivioSettimane.h"

#include "doppi/MessaggiRegistrati.h"
#include "Supporto.h"

#include <gtest/gtest.h>

#include <limits>

#include <csignal>
#include <sys/resource.h>

using namespace veltra;
using namespace veltra::test;

namespace {

std::vector<std::uint8_t> Byte(const std::string& s) { return {s.begin(), s.end()}; }

// A folder with data in Serie A and Germany and non-default values in every
// kind of persisted record.
std::unique_ptr<DatiGlobali> DatiRicchi() {
    auto d = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 5;
    GeneraStagioni(d->campionato(0), o);
    o.squadre = 18;
    o.seme = 3;
    GeneraStagioni(d->campionato(8), o);
    CCampionato& a = d->campionato(0);
    a.config.giornateAnalisi = 3;
    a.config.percentualiImportanza[2] = 100;
    a.limiteMinCasa = -4;
    a.limiteMinTrasferta = -2;
    a.limiteMaxTrasferta = 2;
    a.punteggiAvanzati.punti[7] = 1.25f;
    CAnalisi an = AnalisiCorrente(a);
    an.titolo = "03/01/2005 - 09 : 05 : 07";
    an.descrizione = "Pi\xC3\xB9 casa";
    a.archivio.analisi = {an, AnalisiCorrente(d->campionato(1))};
    a.ricerca.tipo = 1;
    a.ricerca.passo = 5;
    d->schedina.schedinaAssente = 0;
    d->schedina.partite[0].squadraCasa = "Alfa";
    d->schedina.partite[0].prob1 = 0.5f;
    d->condizionamenti.numColonneFiltro = 1;
    d->condizionamenti.metodoRiduzione = 1; // AVANZATO
    d->stampa.spazioColonne = 77;
    d->scommesse.nEventi = 2;
    CStrategiaDesc s;
    s.nome = "Prima";
    s.numero = 4;
    s.eventiStrategia.resize(2);
    s.giocate = {{0, 1}};
    d->strategie.strategie = {s, s};
    d->indirizzoAggiornamenti = "http://localhost:8080/dati/";
    d->prossimoIdStrategia = 5;
    d->impostazioneAU = "xy";
    return d;
}

bool Carica(DatiGlobali& d, const std::filesystem::path& dir, MessaggiRegistrati& msg) {
    return CaricaAvvio(d, dir, msg);
}

} // namespace

TEST(Configurazione, CartellaSalvataERilettaUgualeAlByte) {
    CartellaTemporanea dir;
    auto d = DatiRicchi();
    MessaggiRegistrati msg;
    ASSERT_TRUE(SalvaDati(*d, dir.percorso(), msg));
    EXPECT_FALSE(std::filesystem::exists(dir / "Cfg.OLD")); // nothing to back up yet
    EXPECT_EQ(LeggiTesto(dir / "Cfg.VLT")[0], 'p');
    EXPECT_EQ(d->contatoreSalvataggi, 1);

    auto letti = std::make_unique<DatiGlobali>();
    ASSERT_TRUE(Carica(*letti, dir.percorso(), msg)) << testing::PrintToString(msg.testi());
    EXPECT_TRUE(msg.mostrati.empty());
    EXPECT_EQ(letti->datiModificati, 0);
    const CCampionato& a = letti->campionato(0);
    EXPECT_EQ(a.config.giornateAnalisi, 3);
    EXPECT_EQ(a.limiteMinCasa, -4);
    EXPECT_EQ(a.punteggiAvanzati, d->campionato(0).punteggiAvanzati);
    ASSERT_EQ(a.archivio.numero(), 2);
    EXPECT_EQ(a.archivio.analisi[0].descrizione, "Pi\xC3\xB9 casa");
    EXPECT_GT(a.archivio.analisi[0].precisione1, 0.0f); // recomputed at load
    EXPECT_EQ(a.ricerca, d->campionato(0).ricerca);
    EXPECT_EQ(letti->schedina.partite[0].squadraCasa, "Alfa");
    EXPECT_EQ(letti->condizionamenti, d->condizionamenti);
    EXPECT_EQ(letti->condizionamentiLavoro, d->condizionamenti);
    EXPECT_EQ(letti->stampa, d->stampa);
    EXPECT_EQ(letti->scommesse.nEventi, 2);
    EXPECT_EQ(letti->strategie, d->strategie);
    EXPECT_EQ(letti->indirizzoAggiornamenti, d->indirizzoAggiornamenti);
    EXPECT_EQ(letti->prossimoIdStrategia, 5);
    EXPECT_EQ(letti->impostazioneAU, "xy");
    EXPECT_EQ(letti->contatoreSalvataggi, 1);
    EXPECT_EQ(letti->campionato(8).incontri, d->campionato(8).incontri);

    // Saved again: the same bytes, the previous archive kept as Cfg.OLD.
    const std::string cfg = LeggiTesto(dir / "Cfg.VLT");
    const std::string strategie = LeggiTesto(dir / "Strategie.VLT");
    letti->datiModificati = 1;
    ASSERT_TRUE(SalvaDati(*letti, dir.percorso(), msg));
    EXPECT_EQ(LeggiTesto(dir / "Cfg.VLT"), cfg);
    EXPECT_EQ(LeggiTesto(dir / "Cfg.OLD"), cfg);
    EXPECT_EQ(LeggiTesto(dir / "Strategie.VLT"), strategie);
    EXPECT_EQ(letti->datiModificati, 0);
    EXPECT_EQ(LeggiTesto(dir / "Cfg2.VLT"), "5\n0\nSI\nxy\n2\n");
    // And the status bar of Serie A finds its current analysis in the archive.
    const auto stato = StimeAvvio(*letti, msg);
    ASSERT_TRUE(stato);
    EXPECT_EQ(stato->pannello1.rfind("Serie A. Precisione Analisi Corrente: ", 0), 0u);
    EXPECT_EQ(stato->pannello2, "Analisi n. 1 dell'Archivio");
}

// An archive of an older version, its outer layout written field by field;
// the nested records are written in the old layout their own routines give
// for that version (each of those layouts is checked byte by byte where the
// record is tested).
std::vector<std::uint8_t> ArchivioVecchio(std::uint8_t versione, DatiGlobali& d,
                                          std::int32_t versioneStrategie) {
    Archivio ar;
    ar.impostaVersione(versione);
    auto u8 = [&](std::uint8_t v) { ar.campo(v); };
    auto i16 = [&](std::int16_t v) { ar.campo(v); };
    auto i32 = [&](std::int32_t v) { ar.campo(v); };
    u8(versione);
    for (int c = 0; c < kNumeroCampionati; ++c) {
        i16(c == 0 ? 4 : 2); // N
        for (int p : {100, 100, c == 0 ? 100 : 0, 0, 0}) i16(static_cast<std::int16_t>(p));
        for (int l : {-1, 0, -1, 0}) i16(static_cast<std::int16_t>(l));
    }
    d.schedina.Serializza(ar);
    d.condizionamenti.Serializza(ar);
    for (int c = 0; c < kNumeroCampionati; ++c) d.campionato(c).punteggiAvanzati.Serializza(ar);
    for (int c = 0; c < kNumeroCampionati; ++c) i32(0); // empty archives of analyses
    for (std::int32_t v : {11, 12, 13, 14}) i32(v);     // four print settings
    u8('*');
    for (int c = 0; c < kNumeroCampionati; ++c) d.campionato(c).ricerca.Serializza(ar);
    d.scommesse.Serializza(ar);
    if (versione < 'm') {
        i32(versioneStrategie);
        i32(static_cast<std::int32_t>(d.strategie.strategie.size()));
        for (auto& s : d.strategie.strategie) s.Serializza(ar, versioneStrategie);
    }
    const std::string indirizzo = "http://vecchio/";
    u8(static_cast<std::uint8_t>(indirizzo.size()));
    for (char ch : indirizzo) u8(static_cast<std::uint8_t>(ch));
    return ar.dati();
}

TEST(Configurazione, VersioniVecchieLetteERiscritteComeP) {
    struct Caso {
        std::uint8_t versione;
        std::int32_t versioneStrategie;
    };
    for (const Caso caso : {Caso{'n', 1}, Caso{'l', 0}}) {
        SCOPED_TRACE(std::string(1, static_cast<char>(caso.versione)));
        CartellaTemporanea dir;
        auto origine = std::make_unique<DatiGlobali>();
        OpzioniGenerazione o;
        o.stagioni = 3;
        GeneraStagioni(origine->campionato(0), o);
        ASSERT_TRUE(SalvaFileCampionati(*origine, dir.percorso()));
        CStrategiaDesc s;
        s.nome = "Vecchia";
        s.eventiStrategia.resize(1);
        s.giocate = {{0}};
        origine->strategie.strategie = {s};
        origine->schedina.partite[12].squadraCasa = "Tredicesima";
        origine->schedina.partite[13].squadraCasa = "Quattordici";
        const auto cfg = ArchivioVecchio(caso.versione, *origine, caso.versioneStrategie);
        ScriviTesto(dir / "Cfg.VLT", std::string(cfg.begin(), cfg.end()));
        if (caso.versione >= 'm') {
            Archivio st;
            st.impostaVersione(caso.versione);
            std::int32_t v = caso.versioneStrategie, n = 1;
            st.campo(v);
            st.campo(n);
            s.Serializza(st, caso.versioneStrategie);
            ScriviTesto(dir / "Strategie.VLT", std::string(st.dati().begin(), st.dati().end()));
        }

        auto d = std::make_unique<DatiGlobali>();
        MessaggiRegistrati msg;
        ASSERT_TRUE(CaricaAvvio(*d, dir.percorso(), msg)) << testing::PrintToString(msg.testi());
        EXPECT_EQ(d->versioneDati, caso.versione);
        EXPECT_EQ(d->datiModificati, 1); // the exit will offer to save in the current format
        EXPECT_EQ(d->campionato(0).config.giornateAnalisi, 4);
        EXPECT_EQ(d->stampa.margineSuperiore, 11);
        EXPECT_EQ(d->stampa.spazioColonne, 1); // not in files up to 'n'
        EXPECT_EQ(d->stampa.carattereStampa, '*');
        EXPECT_EQ(d->schedina.partite[12].squadraCasa, "Tredicesima");
        EXPECT_EQ(d->schedina.partite[13], Partita{}); // 13 rows before 'o'
        ASSERT_EQ(d->strategie.strategie.size(), 1u);
        EXPECT_EQ(d->strategie.strategie[0].nome, "Vecchia");
        EXPECT_EQ(d->strategie.versioneStrategie, 2);
        EXPECT_EQ(d->indirizzoAggiornamenti, "http://vecchio/");

        ASSERT_TRUE(SalvaDati(*d, dir.percorso(), msg));
        EXPECT_EQ(d->versioneDati, 'p');
        const std::string nuovo = LeggiTesto(dir / "Cfg.VLT");
        EXPECT_EQ(nuovo[0], 'p');
        EXPECT_EQ(LeggiTesto(dir / "Cfg.OLD"), std::string(cfg.begin(), cfg.end()));
        // The strategies now live in Strategie.VLT, at version 2.
        const std::string st = LeggiTesto(dir / "Strategie.VLT");
        ASSERT_GE(st.size(), 8u);
        EXPECT_EQ(st[0], 2);
        EXPECT_EQ(st[4], 1);
        auto riletti = std::make_unique<DatiGlobali>();
        ASSERT_TRUE(CaricaAvvio(*riletti, dir.percorso(), msg));
        EXPECT_EQ(riletti->datiModificati, 0);
        EXPECT_EQ(riletti->strategie, d->strategie);
        EXPECT_EQ(riletti->stampa, d->stampa);
        EXPECT_EQ(riletti->schedina, d->schedina);
    }
}

TEST(Configurazione, NumeriDellaSchedinaEDelleScommesseFuoriIntervallo) {
    // Numbers no window could have stored: read as a damaged archive, naming
    // the record, the row and the field.
    struct Caso {
        void (*guasta)(DatiGlobali&);
        const char* dettaglio;
    } casi[] = {
        {[](DatiGlobali& d) { d.schedina.partite[0].prob1 = std::numeric_limits<float>::quiet_NaN(); },
         "schedina, riga 1: prob1"},
        {[](DatiGlobali& d) { d.schedina.partite[3].prob2 = 7.0f; }, "schedina, riga 4: prob2 = 7"},
        {[](DatiGlobali& d) {
             d.scommesse.nEventi = 1;
             d.scommesse.eventi[0].campionato = 0;
             d.scommesse.eventi[0].quote[1] = -3.0f;
         },
         "scommesse, evento 1: quote[1] = -3"},
    };
    for (const auto& caso : casi) {
        auto d = std::make_unique<DatiGlobali>();
        caso.guasta(*d);
        const auto cfg = ScriviArchivioConfigurazione(*d);
        auto letti = std::make_unique<DatiGlobali>();
        const auto strategie = ScriviArchivioStrategie(*d);
        const EsitoFile e = LeggiArchivioConfigurazione(
            cfg, std::string(strategie.begin(), strategie.end()), *letti);
        ASSERT_FALSE(e) << caso.dettaglio;
        EXPECT_EQ(e.messaggio, "Errore nell'inizializzazione.\nFile corrotti!");
        EXPECT_NE(e.dettaglio.find(caso.dettaglio), std::string::npos) << e.dettaglio;
    }
}

// The reduction method of the conditions is kept after the archive's last
// item: a file that ends before it (written before it was kept) reads as
// STANDARD, a value other than 0 or 1 is a damaged file.
TEST(Configurazione, MetodoDiRiduzioneConLeCondizioni) {
    CartellaTemporanea dir;
    auto d = DatiRicchi();
    MessaggiRegistrati msg;
    ASSERT_TRUE(SalvaDati(*d, dir.percorso(), msg));
    const std::string cfg = LeggiTesto(dir / "Cfg.VLT");
    ASSERT_EQ(cfg.substr(cfg.size() - 4), std::string("\x01\x00\x00\x00", 4));
    const std::string senza = cfg.substr(0, cfg.size() - 4);
    struct Caso {
        const char* nome;
        std::string byte;
        bool letto;
        int metodo;
    };
    const Caso casi[] = {
        {"avanzato", cfg, true, 1},
        {"standard", senza + std::string("\x00\x00\x00\x00", 4), true, 0},
        {"file di prima", senza, true, 0},
        {"valore estraneo", senza + std::string("\x07\x00\x00\x00", 4), false, 0},
        {"metodo troncato", senza + std::string("\x01\x00", 2), false, 0},
    };
    for (const Caso& c : casi) {
        auto letti = std::make_unique<DatiGlobali>();
        letti->condizionamenti.metodoRiduzione = 5; // overwritten by any read
        const EsitoFile e =
            LeggiArchivioConfigurazione(Byte(c.byte), LeggiFile(dir / "Strategie.VLT"), *letti);
        EXPECT_EQ(static_cast<bool>(e), c.letto) << c.nome << ": " << e.dettaglio;
        if (!c.letto) {
            EXPECT_EQ(e.messaggio, "Errore nell'inizializzazione.\nFile corrotti!") << c.nome;
            continue;
        }
        EXPECT_EQ(letti->condizionamenti.metodoRiduzione, c.metodo) << c.nome;
        EXPECT_EQ(letti->condizionamentiLavoro.metodoRiduzione, c.metodo) << c.nome;
        // Everything else as saved.
        auto atteso = d->condizionamenti;
        atteso.metodoRiduzione = c.metodo;
        EXPECT_EQ(letti->condizionamenti, atteso) << c.nome;
        EXPECT_EQ(letti->indirizzoAggiornamenti, d->indirizzoAggiornamenti) << c.nome;
    }
}

TEST(Configurazione, ArchivioDanneggiatoInOgniPuntoNonAvviaNulla) {
    CartellaTemporanea dir;
    auto d = DatiRicchi();
    MessaggiRegistrati msg;
    ASSERT_TRUE(SalvaDati(*d, dir.percorso(), msg));
    const std::string cfg = LeggiTesto(dir / "Cfg.VLT");
    // Every cut of the archive is refused with the program's message, but
    // the one just before the reduction method: that is a whole file of the
    // version before it was kept (tested on its own below).
    const std::size_t senzaMetodo = cfg.size() - 4;
    for (std::size_t n = 0; n < cfg.size(); n += (n < 2000 ? 1 : 97)) {
        if (n == senzaMetodo) continue;
        auto letti = std::make_unique<DatiGlobali>();
        const EsitoFile e = LeggiArchivioConfigurazione(
            Byte(cfg.substr(0, n)), LeggiFile(dir / "Strategie.VLT"), *letti);
        ASSERT_FALSE(e) << n;
        EXPECT_EQ(e.messaggio, "Errore nell'inizializzazione.\nFile corrotti!") << n;
    }
    // A count far beyond the file: the archive of Serie A claims 2^31-1 analyses.
    std::string enorme = cfg;
    // Where Serie A's archive starts: after the version, the 19 configurations,
    // the coupon, the conditions and the 19 sets of advanced parameters.
    Archivio prima;
    d->schedina.Serializza(prima);
    d->condizionamenti.Serializza(prima);
    const std::size_t archivi = 1 + 19 * 20 + prima.dati().size() + 19 * 120;
    ASSERT_EQ(enorme[archivi], 2);
    enorme.replace(archivi, 4, std::string("\xFF\xFF\xFF\x7F", 4));
    auto letti = std::make_unique<DatiGlobali>();
    EXPECT_FALSE(LeggiArchivioConfigurazione(Byte(enorme), LeggiFile(dir / "Strategie.VLT"), *letti));

    // Start-up failures, each with its message and nothing else shown.
    struct Caso {
        const char* perche;
        void (*guasta)(const CartellaTemporanea&);
        const char* messaggio;
    };
    const Caso casi[] = {
        {"Cfg.VLT mancante", [](const CartellaTemporanea& c) { std::filesystem::remove(c / "Cfg.VLT"); },
         "Errore nell'inizializzazione.\nFile corrotti!"},
        {"Cfg.VLT troncato", [](const CartellaTemporanea& c) {
             ScriviTesto(c / "Cfg.VLT", LeggiTesto(c / "Cfg.VLT").substr(0, 500)); },
         "Errore nell'inizializzazione.\nFile corrotti!"},
        {"Strategie.VLT mancante", [](const CartellaTemporanea& c) { std::filesystem::remove(c / "Strategie.VLT"); },
         "Errore nell'apertura del file della lista delle strategie per le scommesse sportive."},
        {"Strategie.VLT troncato", [](const CartellaTemporanea& c) {
             ScriviTesto(c / "Strategie.VLT", LeggiTesto(c / "Strategie.VLT").substr(0, 20)); },
         "Errore nella lettura del file della lista delle strategie per le scommesse sportive."},
        {"file dei risultati mancante", [](const CartellaTemporanea& c) { std::filesystem::remove(c / "giornaRU.VLT"); },
         "Errore nell'inizializzazione.\nFile corrotti!"},
        {"file delle squadre danneggiato", [](const CartellaTemporanea& c) { ScriviTesto(c / "squadreGE.VLT", "1 99 \n"); },
         "Errore nell'inizializzazione.\nFile corrotti!"},
    };
    for (const auto& caso : casi) {
        CartellaTemporanea c;
        for (const auto& voce : std::filesystem::directory_iterator(dir.percorso()))
            std::filesystem::copy(voce.path(), c.percorso() / voce.path().filename());
        caso.guasta(c);
        auto x = std::make_unique<DatiGlobali>();
        MessaggiRegistrati m;
        EXPECT_FALSE(CaricaAvvio(*x, c.percorso(), m)) << caso.perche;
        EXPECT_EQ(m.testi(), std::vector<std::string>{caso.messaggio}) << caso.perche;
    }
}

TEST(Configurazione, SalvataggioFallitoLasciaTuttoComEra) {
    CartellaTemporanea dir;
    auto d = DatiRicchi();
    MessaggiRegistrati msg;
    ASSERT_TRUE(SalvaDati(*d, dir.percorso(), msg));
    std::map<std::string, std::string> prima;
    for (const auto& v : std::filesystem::directory_iterator(dir.percorso()))
        prima[v.path().filename().string()] = LeggiTesto(v.path());

    // More strategies than a small file may hold: the strategy list fails first.
    d->strategie.strategie.resize(200, d->strategie.strategie[0]);
    d->datiModificati = 1;
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit vecchio{};
    getrlimit(RLIMIT_FSIZE, &vecchio);
    rlimit piccolo = vecchio;
    piccolo.rlim_cur = 4000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &piccolo), 0);
    const bool ok = SalvaDati(*d, dir.percorso(), msg);
    setrlimit(RLIMIT_FSIZE, &vecchio);

    EXPECT_FALSE(ok);
    // The strategies' message, then the file and why.
    ASSERT_EQ(msg.testi().size(), 1u);
    EXPECT_EQ(msg.testi()[0].rfind("Errore nel salvataggio del file contenente la lista delle "
                                   "strategie delle scommesse sportive.\n", 0),
              0u);
    EXPECT_NE(msg.testi()[0].find("Strategie.VLT"), std::string::npos);
    EXPECT_EQ(d->datiModificati, 1);
    EXPECT_EQ(d->contatoreSalvataggi, 1);
    std::map<std::string, std::string> dopo;
    for (const auto& v : std::filesystem::directory_iterator(dir.percorso()))
        dopo[v.path().filename().string()] = LeggiTesto(v.path());
    EXPECT_EQ(dopo, prima); // no file changed, none added, no temporary left
}

TEST(Avvio, CartelleDiEsportazioneCreateUnaVolta) {
    CartellaTemporanea dir;
    std::filesystem::create_directories(dir / "QUOTE-ESPORTATE" / "SNAI");
    const std::string settimane = TestoRiepilogo({"010124", "080124"});
    ScriviTesto(dir / "QUOTE-ESPORTATE" / "SNAI" / "Settimane.txt", settimane);
    ASSERT_TRUE(CreaCartelleEsportazione(dir.percorso()));
    for (const char* b : {"BETANDWIN", "BETZONE", "EUROBET", "GLOBET", "SNAI"})
        EXPECT_TRUE(std::filesystem::is_directory(dir / "HTML-QUOTE" / b)) << b;
    EXPECT_EQ(LeggiTesto(dir / "QUOTE-ESPORTATE" / "ALTROBOOKMAKER" / "Settimane.txt"), "0");
    EXPECT_EQ(LeggiTesto(dir / "QUOTE-ESPORTATE" / "EUROBET" / "Settimane.txt"), "0");
    // An existing export keeps its weeks.
    EXPECT_EQ(LeggiTesto(dir / "QUOTE-ESPORTATE" / "SNAI" / "Settimane.txt"), settimane);
}

TEST(Configurazione, GiocateTotocalcioNelSalvataggioENellAvvio) {
    CartellaTemporanea dir;
    MessaggiRegistrati msg;
    auto d = DatiRicchi();
    // No play and no file: the save writes none.
    ASSERT_TRUE(SalvaDati(*d, dir.percorso(), msg));
    EXPECT_FALSE(std::filesystem::exists(dir / kFileStatisticheToto));

    CStatisticheToto g;
    g.data = 1234567890;
    g.note = "prima";
    g.risultati.fill("1");
    AggiungiGiocata(*d->giocateToto, g, false);
    ASSERT_TRUE(SalvaDati(*d, dir.percorso(), msg));
    const auto scritto = LeggiFile(dir / kFileStatisticheToto);
    ASSERT_TRUE(scritto);
    EXPECT_EQ(*scritto, ScriviListaGiocate(*d->giocateToto));

    auto letti = std::make_unique<DatiGlobali>();
    ASSERT_TRUE(Carica(*letti, dir.percorso(), msg));
    ASSERT_TRUE(letti->giocateToto);
    EXPECT_EQ(*letti->giocateToto, *d->giocateToto);

    // A damaged archive of plays does not stop the start-up, and the next
    // save leaves it as it is.
    ScriviTesto(dir / kFileStatisticheToto, "danneggiato");
    auto danneggiati = std::make_unique<DatiGlobali>();
    ASSERT_TRUE(Carica(*danneggiati, dir.percorso(), msg));
    EXPECT_FALSE(danneggiati->giocateToto);
    ASSERT_TRUE(SalvaDati(*danneggiati, dir.percorso(), msg));
    EXPECT_EQ(*LeggiFile(dir / kFileStatisticheToto), "danneggiato");
}
