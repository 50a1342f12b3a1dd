// The program against its own service, veltra-servizio, on loopback: a
// season's updates published from one working folder reach another through
// veltra-cli aggiorna; analyses go up by POST and come back by GET; the
// local test mode of the exchange needs no server at all.
#include "ServerProva.h"
#include "Supporto.h"

#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "app/Salvataggio.h"
#include "dati/FileAtomico.h"
#include "doppi/MessaggiRegistrati.h"
#include "engine/ValutazioneArchivio.h"
#include "net/CDlgAggiornamentoDati.h"
#include "net/HttpCurl.h"
#include "net/ScambioAnalisi.h"
#include "net/servizio/Servizio.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"

#include <gtest/gtest.h>

#include <array>
#include <sys/wait.h>

namespace veltra::test {
namespace {

namespace fs = std::filesystem;

struct Uscita {
    int codice = -1;
    std::string testo;
};

Uscita Esegui(const std::string& programma, const std::string& argomenti) {
    Uscita u;
    FILE* p = ::popen((programma + " " + argomenti + " 2>&1").c_str(), "r");
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) u.testo.append(buf.data(), n);
    const int stato = ::pclose(p);
    u.codice = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    return u;
}

void NuovaCartella(const fs::path& c) {
    ASSERT_TRUE(PreparaCartellaDiLavoro(c, fs::path(VELTRA_RESOURCES_DIR) / "dati"));
}

std::map<std::string, std::string> Istantanea(const fs::path& cartella) {
    std::map<std::string, std::string> r;
    for (const auto& f : fs::directory_iterator(cartella))
        if (f.path().filename() != "VELTRA.LCK") r[f.path().filename()] = LeggiTesto(f.path());
    return r;
}

TEST(Servizio, UnAggiornamentoPubblicatoArrivaInTuttiICampionati) {
    CartellaTemporanea tmp;
    const fs::path mia = tmp / "mia", club = tmp / "club", servizio = tmp / "servizio";
    NuovaCartella(mia);
    NuovaCartella(club);
    {
        // The club enters a few results the user has not got yet.
        auto dati = std::make_unique<DatiGlobali>();
        MessaggiSilenziosi m;
        ASSERT_TRUE(CaricaAvvio(*dati, club, m));
        int aggiunti = 0;
        for (int c = 0; c < kNumeroCampionati; ++c) {
            CCampionato& camp = dati->campionato(c);
            if (camp.numeroSquadreCorrenti() >= 2)
                aggiunti += AggiungiIncontro(camp, 0, 1, c % 2 ? 'X' : '1') == 0 ? 1 : 0;
        }
        ASSERT_GT(aggiunti, 10);
        ASSERT_TRUE(SalvaDati(*dati, club, m));
    }
    const Uscita pubblica = Esegui(VELTRA_SERVIZIO_PATH, "pubblica --da " + club.string() +
                                                             " --cartella " + servizio.string());
    ASSERT_EQ(pubblica.codice, 0) << pubblica.testo;

    ProcessoServizio server(servizio);
    const std::string indirizzo = server.Base() + "/aggiornamenti/";
    const Uscita u = Esegui(VELTRA_CLI_PATH, "aggiorna --cartella " + mia.string() +
                                                 " --indirizzo " + indirizzo);
    ASSERT_EQ(u.codice, 0) << u.testo;
    EXPECT_NE(u.testo.find("AGGIORNAMENTO: Russia"), std::string::npos);
    EXPECT_NE(u.testo.find("AGGIORNAMENTO CONCLUSO."), std::string::npos);
    for (int c = 0; c < kNumeroCampionati; ++c) {
        SCOPED_TRACE(Campionato(c).nome);
        EXPECT_EQ(LeggiTesto(mia / std::string(Campionato(c).fileIncontri)),
                  LeggiTesto(club / std::string(Campionato(c).fileIncontri)));
        EXPECT_EQ(LeggiTesto(mia / std::string(Campionato(c).fileSquadre)),
                  LeggiTesto(club / std::string(Campionato(c).fileSquadre)));
        EXPECT_FALSE(fs::exists(mia / ("loc" + std::string(Campionato(c).fileIncontri))));
    }
    EXPECT_EQ(LeggiTesto(mia / "lastagg.txt"),
              LeggiTesto(servizio / "aggiornamenti" / "lastagg.txt"));

    // The address is kept for the next time.
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSilenziosi m;
    ASSERT_TRUE(CaricaAvvio(*dati, mia, m));
    EXPECT_EQ(dati->indirizzoAggiornamenti, indirizzo);

    // One championship missing on the service: refused, nothing changes.
    fs::remove(servizio / "aggiornamenti" / "giornaSP.VLT.txt");
    const auto prima = Istantanea(mia);
    const Uscita rifiutato = Esegui(VELTRA_CLI_PATH, "aggiorna --cartella " + mia.string());
    EXPECT_EQ(rifiutato.codice, 4) << rifiutato.testo;
    EXPECT_NE(rifiutato.testo.find("Ricevuto un errore nel tentativo di reperire il File d'Aggiornamento."),
              std::string::npos)
        << rifiutato.testo;
    EXPECT_NE(rifiutato.testo.find("giornaSP.VLT.txt"), std::string::npos);
    EXPECT_EQ(Istantanea(mia), prima);
}

TEST(Servizio, LaFinestraDAggiornamento) {
    CartellaTemporanea tmp;
    const fs::path mia = tmp / "mia", servizio = tmp / "servizio";
    NuovaCartella(mia);
    ASSERT_EQ(Esegui(VELTRA_SERVIZIO_PATH, "pubblica --da " + mia.string() + " --cartella " +
                                               servizio.string())
                  .codice,
              0);
    ProcessoServizio server(servizio);
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati m;
    ASSERT_TRUE(CaricaAvvio(*dati, mia, m));
    ScriviTesto(mia / "lastagg.txt", "01/02/2003\n");
    std::string indirizzo = server.Base() + "/aggiornamenti/";
    HttpCurl http;
    EsecutoreSincrono esecutore;

    // Stopped during the wait after the marker: nothing is fetched or written.
    {
        CDlgAggiornamentoDati d(*dati, {0, 1}, mia, indirizzo, m);
        EXPECT_EQ(d.log().Testo(), "L'ultimo aggiornamento effettuato e' datato: 01/02/2003\r\r\n-----\r\r\n");
        d.log().Osserva([&d] {
            if (d.log().Testo().find("E' disponibile") != std::string::npos) d.Interrompi();
        });
        const auto inizio = std::chrono::steady_clock::now();
        d.Aggiorna(esecutore, http);
        EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::seconds(3));
        EXPECT_FALSE(d.okAbilitato());
        EXPECT_EQ(d.log().Testo().find("AGGIORNAMENTO:"), std::string::npos);
        EXPECT_NE(d.log().Testo().find("Sessione Internet interrotta dall'Utente."), std::string::npos);
        EXPECT_EQ(LeggiTesto(mia / "lastagg.txt"), "01/02/2003\n");
    }
    // A complete download, then OK: the lists are the service's, the coupon
    // is cleared with its message, the news can be saved.
    dati->schedina.schedinaAssente = 0;
    CDlgAggiornamentoDati d(*dati, {0, 13}, mia, indirizzo, m);
    d.secondiAttesa = 0;
    d.campoIndirizzo = server.Base() + "/aggiornamenti"; // without the final slash
    d.Aggiorna(esecutore, http);
    EXPECT_FALSE(d.okAbilitato()) << d.log().Testo(); // the address must end with "/"
    d.campoIndirizzo += "/";
    d.Aggiorna(esecutore, http);
    ASSERT_TRUE(d.okAbilitato()) << d.log().Testo();
    EXPECT_TRUE(d.salvaNewsAbilitato());
    EXPECT_TRUE(d.SalvaNews(tmp / "news.txt"));
    EXPECT_EQ(LeggiTesto(tmp / "news.txt").find("Risultati aggiornati al "), 0u);
    EXPECT_TRUE(fs::exists(mia / "locgiornata.VLT"));
    ASSERT_TRUE(d.Ok());
    EXPECT_FALSE(fs::exists(mia / "locgiornata.VLT"));
    EXPECT_EQ(dati->schedina.schedinaAssente, 1);
    EXPECT_EQ(m.testi().back(), "L'inserimento di nuovi dati rende necessaria la cancellazione del Sistema per il Totocalcio");
    EXPECT_EQ(dati->datiModificati, 1);
    EXPECT_EQ(indirizzo, d.campoIndirizzo);
    EXPECT_EQ(ScriviTestoIncontri(dati->campionato(13).incontri),
              LeggiTesto(servizio / "aggiornamenti" / "giornaSP.VLT.txt"));
}

// The club's Serie A gets one more match, with its goals and date.
void UnIncontroInPiu(const fs::path& club) {
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSilenziosi m;
    ASSERT_TRUE(CaricaAvvio(*dati, club, m));
    CCampionato& a = dati->campionato(0);
    ASSERT_EQ(AggiungiIncontro(a, 0, 1, '2'), 0);
    a.reti.Imposta(a.numeroIncontri() - 1, {20261212, 1, 3});
    ASSERT_TRUE(SalvaDati(*dati, club, m));
}

TEST(Servizio, LeRetiArrivanoConIRisultati) {
    CartellaTemporanea tmp;
    const fs::path mia = tmp / "mia", vecchia = tmp / "vecchia", club = tmp / "club",
                   servizio = tmp / "servizio";
    NuovaCartella(mia);
    NuovaCartella(vecchia);
    NuovaCartella(club);
    UnIncontroInPiu(club);
    ASSERT_EQ(Esegui(VELTRA_SERVIZIO_PATH, "pubblica --da " + club.string() + " --cartella " +
                                               servizio.string())
                  .codice,
              0);
    ASSERT_EQ(LeggiTesto(servizio / "aggiornamenti" / "Reti-A.txt"), LeggiTesto(club / "Reti-A.txt"));
    ProcessoServizio server(servizio);
    const std::string aggiorna = "aggiorna --campionato A --indirizzo " + server.Base() + "/aggiornamenti/ --cartella ";

    const Uscita u = Esegui(VELTRA_CLI_PATH, aggiorna + mia.string());
    ASSERT_EQ(u.codice, 0) << u.testo;
    EXPECT_NE(u.testo.find("File delle Reti copiato."), std::string::npos) << u.testo;
    EXPECT_EQ(LeggiTesto(mia / "giornata.VLT"), LeggiTesto(club / "giornata.VLT"));
    EXPECT_EQ(LeggiTesto(mia / "Reti-A.txt"), LeggiTesto(club / "Reti-A.txt"));
    EXPECT_FALSE(fs::exists(mia / "locReti-A.txt"));

    // A service that does not publish the goals still updates the results
    // and says the goals were not: the matches both lists share keep theirs,
    // the new one has none.
    fs::remove(servizio / "aggiornamenti" / "Reti-A.txt");
    const Uscita v = Esegui(VELTRA_CLI_PATH, aggiorna + vecchia.string());
    ASSERT_EQ(v.codice, 0) << v.testo;
    EXPECT_NE(v.testo.find("Reti e date di Serie A non aggiornate"), std::string::npos) << v.testo;
    EXPECT_EQ(LeggiTesto(vecchia / "giornata.VLT"), LeggiTesto(club / "giornata.VLT"));
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSilenziosi m;
    ASSERT_TRUE(CaricaAvvio(*dati, vecchia, m));
    const CCampionato& a = dati->campionato(0);
    EXPECT_FALSE(a.reti.Di(a.numeroIncontri() - 1).conPunteggio());
    EXPECT_TRUE(a.reti.Di(a.numeroIncontri() - 2).conPunteggio());
}

// A save that cannot write the results file, as on a full disk.
bool SenzaSpazioPerIRisultati(OperazioneFile op, const fs::path& p) {
    return !(op == OperazioneFile::Crea && p.filename().string().rfind("giornata.VLT", 0) == 0);
}

TEST(Servizio, LastaggSiSpostaSoloConIDatiCheDescrive) {
    CartellaTemporanea tmp;
    const fs::path mia = tmp / "mia", club = tmp / "club", servizio = tmp / "servizio";
    NuovaCartella(mia);
    NuovaCartella(club);
    UnIncontroInPiu(club);
    ASSERT_EQ(Esegui(VELTRA_SERVIZIO_PATH, "pubblica --da " + club.string() + " --cartella " +
                                               servizio.string())
                  .codice,
              0);
    ProcessoServizio server(servizio);
    std::string indirizzo = server.Base() + "/aggiornamenti/";
    ScriviTesto(mia / "lastagg.txt", "01/02/2003\n");
    const auto prima = Istantanea(mia);

    // Downloaded and loaded; the final save fails: the data and the date of
    // the last update are both as before.
    {
        auto dati = std::make_unique<DatiGlobali>();
        MessaggiRegistrati m;
        ASSERT_TRUE(CaricaAvvio(*dati, mia, m));
        HttpCurl http;
        EsecutoreSincrono esecutore;
        CDlgAggiornamentoDati d(*dati, {0}, mia, indirizzo, m);
        d.secondiAttesa = 0;
        d.Aggiorna(esecutore, http);
        ASSERT_TRUE(d.okAbilitato()) << d.log().Testo();
        EXPECT_EQ(LeggiTesto(mia / "lastagg.txt"), "01/02/2003\n");
        ASSERT_TRUE(d.Ok());
        dati->marcatoreAggiornamento = d.dataCaricata();
        ImpostaOsservatoreOperazioni(SenzaSpazioPerIRisultati, false);
        const bool salvato = SalvaDati(*dati, mia, m);
        ImpostaOsservatoreOperazioni(nullptr);
        ASSERT_FALSE(salvato);
    }
    EXPECT_EQ(Istantanea(mia), prima);

    // Run again, the update is applied, and the date moves with it.
    const Uscita u = Esegui(VELTRA_CLI_PATH, "aggiorna --campionato A --cartella " + mia.string() +
                                                 " --indirizzo " + indirizzo);
    ASSERT_EQ(u.codice, 0) << u.testo;
    EXPECT_NE(u.testo.find("L'ultimo aggiornamento effettuato e' datato: 01/02/2003"), std::string::npos);
    EXPECT_EQ(LeggiTesto(mia / "giornata.VLT"), LeggiTesto(club / "giornata.VLT"));
    EXPECT_EQ(LeggiTesto(mia / "lastagg.txt"), LeggiTesto(servizio / "aggiornamenti" / "lastagg.txt"));
}

// An analysis of Serie A that the program's windows could have set.
AnalisiCampionato AnalisiDiProva() {
    AnalisiCampionato a;
    a.campionato = 0;
    a.analisi.giornateAnalisi = 3;
    a.analisi.percentualiImportanza[0] = 120;
    a.analisi.percentualiImportanza[1] = 100;
    a.analisi.percentualiImportanza[2] = 80;
    a.analisi.punteggiAvanzati.campionatiInclusi = 4;
    a.analisi.punteggiAvanzati.importanzaMax = 1.25f;
    a.analisi.punteggiAvanzati.importanzaMin = 0.75f;
    a.analisi.precisione1 = 0.99f;
    a.analisi.precisioneX = 0.99f;
    a.analisi.precisione2 = 0.99f;
    a.analisi.datiUsati = 80;
    return a;
}

ParametriScambio Parametri(const std::string& base) {
    ParametriScambio p;
    p.indirizzoServizio = base;
    p.secondiIgnora = 0;
    p.stagioni.fill(30);
    return p;
}

TEST(Servizio, UnAnalisiInviataTornaComeProposta) {
    CartellaTemporanea tmp;
    const fs::path mia = tmp / "mia", servizio = tmp / "servizio";
    NuovaCartella(mia);
    ASSERT_EQ(Esegui(VELTRA_SERVIZIO_PATH, "pubblica --da " + mia.string() + " --cartella " +
                                               servizio.string())
                  .codice,
              0);
    // Nothing proposed for Serie A and B yet: any analysis the engine can fit wins.
    fs::remove(servizio / "Squadre" / NomeFileRicezione(0));
    fs::remove(servizio / "Squadre" / NomeFileRicezione(1));
    ProcessoServizio server(servizio);
    HttpCurl http;
    std::atomic<bool> fermo{false};
    ContestoLavoro lavoro(fermo, nullptr);
    StatoScambio stato;

    ParametriScambio invio = Parametri(server.Base());
    invio.daInviare = {AnalisiDiProva()};
    invio.autore = "Mario Rossi & C.";
    RegistroInternet log;
    const EsitoScambio inviata = EseguiScambio(http, invio, stato, log, lavoro);
    EXPECT_TRUE(inviata.concluso) << log.Testo();
    EXPECT_EQ(inviata.inviate, 1);
    EXPECT_NE(log.Testo().find("Analisi n. 1 (Serie A): accettata, ora proposta come migliore"),
              std::string::npos)
        << log.Testo();
    EXPECT_NE(log.Testo().find("Grazie per la tua partecipazione"), std::string::npos);
    {
        OrologioDiSistema orologio;
        Servizio letto(servizio, orologio);
        std::string perche;
        ASSERT_TRUE(letto.Apri(&perche)) << perche;
        const auto conservate = letto.archivio().Tutte();
        ASSERT_EQ(conservate.size(), 1u);
        EXPECT_EQ(conservate[0].autore, "Mario Rossi & C.");
        EXPECT_EQ(conservate[0].campi.rfind("0 3 1 120 100 80 ", 0), 0u) << conservate[0].campi;
        EXPECT_TRUE(conservate[0].proposta);
    }

    ParametriScambio ricezione = Parametri(server.Base());
    ricezione.daRicevere = {0, 1};
    RegistroInternet log2;
    const EsitoScambio ricevuta = EseguiScambio(http, ricezione, stato, log2, lavoro);
    EXPECT_TRUE(ricevuta.concluso) << log2.Testo();
    ASSERT_EQ(ricevuta.ricevute.size(), 1u) << log2.Testo();
    EXPECT_TRUE(ricevuta.ricevute[0].proposta.analisi.StessiParametri(AnalisiDiProva().analisi));
    EXPECT_EQ(ricevuta.ricevute[0].titolo.rfind("Mario_Rossi_&_C._", 0), 0u);
    // Nothing for Serie B on this service.
    EXPECT_NE(log2.Testo().find("Impossibile reperire le analisi richieste."), std::string::npos);
    // Without a wait there is no "Ignora" to press, and the log does not ask.
    EXPECT_EQ(log2.Testo().find("'Ignora'"), std::string::npos) << log2.Testo();

    // An analysis no window could make is refused by the service.
    ParametriScambio cattiva = Parametri(server.Base());
    cattiva.daInviare = {AnalisiDiProva()};
    cattiva.daInviare[0].analisi.giornateAnalisi = 9;
    RegistroInternet log3;
    const EsitoScambio rifiutata = EseguiScambio(http, cattiva, stato, log3, lavoro);
    EXPECT_FALSE(rifiutata.concluso);
    EXPECT_NE(log3.Testo().find("Errore nella connessione con il server (cod.3)"), std::string::npos)
        << log3.Testo();
}

TEST(Servizio, IgnoraSaltaUnaSolaAnalisiENonFermaLoScambio) {
    CartellaTemporanea servizio;
    fs::create_directories(servizio / "Squadre");
    for (CampionatoId c : {0, 7}) {
        AnalisiCampionato a = AnalisiDiProva();
        a.campionato = c;
        ScriviTesto(servizio / "Squadre" / NomeFileRicezione(c), TestoProposta(a, "Prova"));
    }
    ProcessoServizio server(servizio.percorso());
    HttpCurl http;
    std::atomic<bool> fermo{false};
    ContestoLavoro lavoro(fermo, nullptr);
    StatoScambio stato;
    ParametriScambio p = Parametri(server.Base());
    p.daRicevere = {0, 7};
    p.secondiIgnora = 3;
    std::thread utente([&] {
        while (!stato.inAttesa) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        stato.ignora = true; // the first one only
    });
    RegistroInternet log;
    const EsitoScambio e = EseguiScambio(http, p, stato, log, lavoro);
    utente.join();
    EXPECT_TRUE(e.concluso) << log.Testo();
    ASSERT_EQ(e.ricevute.size(), 1u);
    EXPECT_EQ(e.ricevute[0].proposta.campionato, 7);
    EXPECT_NE(log.Testo().find("Analisi ignorata."), std::string::npos);
    EXPECT_NE(log.Testo().find("premi 'Ignora' entro 3 secondi."), std::string::npos);
    EXPECT_NE(log.Testo().find("OPERAZIONE CONCLUSA."), std::string::npos);
}

// Answers every request by failing the test: the local mode must not call.
class HttpVietato : public IHttp {
public:
    std::unique_ptr<ISessioneHttp> ApriSessione(const OpzioniSessione&) override {
        ADD_FAILURE() << "sessione aperta in modalita' locale";
        return nullptr;
    }
};

TEST(Servizio, LaProvaLocaleScriveELeggeIFileNellaCartella) {
    CartellaTemporanea tmp;
    NuovaCartella(tmp.percorso());
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiRegistrati m;
    ASSERT_TRUE(CaricaAvvio(*dati, tmp.percorso(), m));
    CCampionato& a = dati->campionato(0);
    CAnalisi archiviata = AnalisiCorrente(a);
    ValutaAnalisi(a, archiviata);
    ASSERT_EQ(InserisciAnalisi(a.archivio, archiviata, "Prova", nullptr), 1);
    const CAnalisi inviata = a.archivio.analisi[0];
    // The user works with other parameters meanwhile.
    const CAnalisi propria = AnalisiDiProva().analisi;
    ApplicaAnalisi(a, propria);
    ASSERT_FALSE(AnalisiCorrente(a).StessiParametri(inviata));

    CGestioneAnalisiInternet g(*dati, tmp.percorso(), kIndirizzoServizio, m);
    g.secondiIgnora = 0;
    g.ScegliCampionatoArchivio(0);
    ASSERT_TRUE(g.AggiungiInvio());
    EXPECT_FALSE(g.AggiungiInvio()); // already in the list
    EXPECT_EQ(g.RigheInvio(), std::vector<std::string>{"Analisi n. 1 del campionato di Serie A"});
    m.risposte = {Risposta::Si, Risposta::Si};
    g.ProvaLocale();
    EXPECT_TRUE(g.provaLocale());
    EXPECT_EQ(LeggiTesto(tmp / "AnalisiRicezioneA7040.txt").rfind("-2 0 ", 0), 0u);
    ASSERT_TRUE(g.AggiungiRicezione(0));
    g.inArchivio = false;
    HttpVietato http;
    EsecutoreSincrono esecutore;
    g.Connessione(esecutore, http);
    const std::string log = g.log().Testo();
    EXPECT_EQ(log.find("Avvio sessione internet"), std::string::npos) << log;
    EXPECT_NE(log.find("L'Analisi proposta per il Campionato di Serie A ha come titolo:"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("OPERAZIONE CONCLUSA."), std::string::npos);
    EXPECT_TRUE(AnalisiCorrente(a).StessiParametri(inviata));
    EXPECT_TRUE(g.correntiCambiate());
    EXPECT_TRUE(g.Inclusi().empty()); // cleared after each exchange
    EXPECT_FALSE(g.provaLocale());   // only for one exchange

    // Cancel puts the user's own parameters back.
    g.Annulla();
    EXPECT_TRUE(AnalisiCorrente(a).StessiParametri(propria));
}

} // namespace
} // namespace veltra::test
