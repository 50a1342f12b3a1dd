// veltra-cli scambia-analisi against veltra-servizio on loopback: an
// archived analysis of one folder goes up, comes back into another folder as
// its current analysis and at position 1 of its archive; an exchange that
// cannot reach the service, or is asked something impossible, leaves the
// folder as it was.
#include "EseguiCli.h"
#include "ServerProva.h"
#include "Supporto.h"

#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "app/Salvataggio.h"
#include "engine/ValutazioneArchivio.h"
#include "net/ScambioAnalisi.h"
#include "platform/Messaggi.h"

#include <gtest/gtest.h>

namespace veltra::test {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> Istantanea(const fs::path& cartella) {
    std::map<std::string, std::string> r;
    for (const auto& f : fs::directory_iterator(cartella))
        if (f.path().filename() != "VELTRA.LCK") r[f.path().filename()] = LeggiTesto(f.path());
    return r;
}

bool Contiene(const std::vector<std::string>& righe, const std::string& riga) {
    return std::find(righe.begin(), righe.end(), riga) != righe.end();
}

// A working folder whose Serie A archive holds, at position 2, an analysis
// with parameters of its own.
CAnalisi PreparaMittente(const fs::path& cartella) {
    EXPECT_TRUE(PreparaCartellaDiLavoro(cartella, fs::path(VELTRA_RESOURCES_DIR) / "dati"));
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSilenziosi m;
    EXPECT_TRUE(CaricaAvvio(*dati, cartella, m));
    CCampionato& a = dati->campionato(0);
    CAnalisi propria = AnalisiCorrente(a);
    ValutaAnalisi(a, propria);
    EXPECT_EQ(InserisciAnalisi(a.archivio, propria, "Corrente", nullptr), 1);
    CAnalisi diversa = propria;
    diversa.giornateAnalisi = 3;
    const std::int16_t percentuali[5] = {130, 90, 80, 0, 0};
    std::copy(std::begin(percentuali), std::end(percentuali), diversa.percentualiImportanza);
    ValutaAnalisi(a, diversa);
    a.archivio.corrente = 1;
    EXPECT_EQ(InserisciAnalisi(a.archivio, diversa, "Da inviare", nullptr), 1);
    ApplicaAnalisi(a, propria);
    EXPECT_TRUE(SalvaDati(*dati, cartella, m));
    return diversa;
}

TEST(ScambiaAnalisiCli, InviataDaUnaCartellaRicevutaInUnAltra) {
    CartellaTemporanea tmp;
    const fs::path mittente = tmp / "mittente", destinatario = tmp / "destinatario";
    const CAnalisi inviata = PreparaMittente(mittente);
    ASSERT_TRUE(PreparaCartellaDiLavoro(destinatario, fs::path(VELTRA_RESOURCES_DIR) / "dati"));
    // The service judges what it receives on its published data; nothing is
    // proposed for Serie A or B yet.
    ASSERT_EQ(std::system((std::string(VELTRA_SERVIZIO_PATH) + " pubblica --da " + destinatario.string() +
                           " --cartella " + (tmp / "servizio").string() + " >/dev/null 2>&1")
                              .c_str()),
              0);
    fs::remove(tmp / "servizio" / "Squadre" / NomeFileRicezione(0));
    fs::remove(tmp / "servizio" / "Squadre" / NomeFileRicezione(1));
    ProcessoServizio server(tmp / "servizio");
    const std::string indirizzo = " --indirizzo " + server.Base();

    const Uscita su = EseguiCli("scambia-analisi --cartella " + mittente.string() + indirizzo +
                                " --invia A:2 --autore 'Club Roma'");
    ASSERT_EQ(su.codice, 0) << su.testo << su.errori;
    const auto righe = Righe(su.testo);
    EXPECT_TRUE(Contiene(righe, "inviata campionato=0 posizione=2")) << su.testo;
    EXPECT_TRUE(Contiene(righe, "inviate=1 ricevute=0 esito=conclusa")) << su.testo;
    EXPECT_NE(su.testo.find("risposta=Analisi_n._1_(Serie_A):_accettata"), std::string::npos)
        << su.testo;
    // The log of the window, on standard error.
    EXPECT_NE(su.errori.find("Grazie per la tua partecipazione"), std::string::npos) << su.errori;

    // The receiver keeps its archive's first analysis below the new one.
    const Uscita giu = EseguiCli("scambia-analisi --cartella " + destinatario.string() +
                                 indirizzo + " --ricevi A --ricevi 1");
    ASSERT_EQ(giu.codice, 0) << giu.testo << giu.errori;
    const auto r = Righe(giu.testo);
    // Nothing flagged is still a POST of "ai=0" (the service's count comes back).
    ASSERT_EQ(r.size(), 4u) << giu.testo;
    EXPECT_EQ(r[0], "risposta=Analisi_ricevute:_0");
    EXPECT_EQ(r[1].rfind("campionato=0 esito=ricevuta titolo=Club_Roma_", 0), 0u) << r[1];
    EXPECT_NE(r[1].find(" corrente=1 archivio=1 precisione="), std::string::npos) << r[1];
    EXPECT_EQ(r[2], "campionato=1 esito=mancante");
    EXPECT_EQ(r[3], "inviate=0 ricevute=1 esito=conclusa");
    EXPECT_EQ(giu.errori.find("Grazie per la tua partecipazione"), std::string::npos);

    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSilenziosi m;
    ASSERT_TRUE(CaricaAvvio(*dati, destinatario, m));
    const CCampionato& a = dati->campionato(0);
    EXPECT_TRUE(AnalisiCorrente(a).StessiParametri(inviata));
    ASSERT_GE(a.archivio.numero(), 1);
    EXPECT_TRUE(a.archivio.analisi[0].StessiParametri(inviata));
    EXPECT_EQ(a.archivio.analisi[0].titolo.rfind("Club_Roma_", 0), 0u);
    // Serie B, with nothing on the service, is as it was.
    EXPECT_EQ(dati->campionato(1).archivio.numero(), 0);
}

TEST(ScambiaAnalisiCli, SoloValutataQuandoNonSiTieneNulla) {
    // Both keep options off: the analysis is evaluated on the folder's data
    // and reported, and the folder is not touched.
    CartellaTemporanea tmp;
    const fs::path cartella = tmp / "c";
    PreparaMittente(cartella);
    // Written instead of sent: nothing reaches a service.
    const Uscita prova = EseguiCli("scambia-analisi --cartella " + cartella.string() +
                                   " --indirizzo http://127.0.0.1:1 --invia A:2 --scrivi-prova");
    ASSERT_EQ(prova.codice, 0) << prova.errori;
    EXPECT_EQ(prova.testo, "file_prova=AnalisiRicezioneA7040.txt\n");
    ASSERT_TRUE(fs::exists(cartella / "AnalisiRicezioneA7040.txt"));
    const auto prima = Istantanea(cartella);
    // No service runs anywhere: the local test mode must not need one.
    const Uscita u = EseguiCli("scambia-analisi --cartella " + cartella.string() +
                               " --indirizzo http://127.0.0.1:1 --ricevi A --ricevi B --da-file "
                               "--correnti no --archivio no");
    ASSERT_EQ(u.codice, 0) << u.testo << u.errori;
    const auto r = Righe(u.testo);
    ASSERT_EQ(r.size(), 3u) << u.testo;
    // The local files carry no title: the token after the parameters stands
    // in for it, as the window reads them.
    EXPECT_EQ(r[0].rfind("campionato=0 esito=ricevuta titolo=", 0), 0u) << r[0];
    EXPECT_NE(r[0].find(" corrente=0 archivio=0 precisione="), std::string::npos) << r[0];
    EXPECT_EQ(r[1], "campionato=1 esito=mancante");
    EXPECT_NE(u.errori.find("Impossibile aprire il file AnalisiRicezioneB7040.txt"),
              std::string::npos)
        << u.errori;
    EXPECT_EQ(Istantanea(cartella), prima);
}

TEST(ScambiaAnalisiCli, RifiutiENessunCambiamento) {
    CartellaTemporanea tmp;
    const fs::path cartella = tmp / "c";
    PreparaMittente(cartella);
    const auto prima = Istantanea(cartella);
    struct Caso {
        const char* argomenti;
        int codice;
        const char* errore;
    };
    const Caso casi[] = {
        // Nobody listens on port 1: the send cannot start.
        {"--indirizzo http://127.0.0.1:1 --invia A:1 --ricevi A", 4,
         "Errore nella connessione con il server (cod.2)"},
        {"--invia A:3", 1, "l'archivio di Serie A ha 2 analisi, non c'e' la n. 3"},
        {"--invia A:0", 2, "--invia vuole CAMPIONATO:POSIZIONE"},
        {"--invia Z:1", 2, "campionato sconosciuto: Z"},
        {"--ricevi A --correnti forse", 2, "--correnti vuole si o no"},
        {"", 2, "niente da fare"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.argomenti);
        const Uscita u =
            EseguiCli("scambia-analisi --cartella " + cartella.string() + " " + c.argomenti);
        EXPECT_EQ(u.codice, c.codice) << u.testo << u.errori;
        EXPECT_NE(u.errori.find(c.errore), std::string::npos) << u.errori;
        EXPECT_EQ(Istantanea(cartella), prima);
    }
}

} // namespace
} // namespace veltra::test

namespace veltra::test {
namespace {

TEST(GestioneAnalisiInternet, LaRicevutaVaAllaPosizioneUnoEOkAvvisaIlResto) {
    // The archive's window shows its second analysis: the received one still
    // goes to position 1. OK marks the data changed and tells the layers
    // above which championship's current analysis changed.
    CartellaTemporanea tmp;
    const CAnalisi inviata = PreparaMittente(tmp.percorso());
    auto dati = std::make_unique<DatiGlobali>();
    MessaggiSilenziosi m;
    ASSERT_TRUE(CaricaAvvio(*dati, tmp.percorso(), m));
    CCampionato& a = dati->campionato(0);
    {
        CGestioneAnalisiInternet scrittura(*dati, tmp.percorso(), kIndirizzoServizio, m);
        scrittura.ScegliCampionatoArchivio(0);
        scrittura.Successiva();
        ASSERT_TRUE(scrittura.AggiungiInvio());
        ASSERT_EQ(scrittura.ScriviFileProva(), std::vector<std::string>{"AnalisiRicezioneA7040.txt"});
    }
    // Make room (the same analysis would be refused as a duplicate), and let
    // the archive point past its only analysis.
    a.archivio.analisi.erase(a.archivio.analisi.begin() + 1);
    a.archivio.corrente = 1;

    std::vector<int> avvisati;
    auto iscrizione = dati->notifiche.Iscrivi([&](const AvvisoCambiamento& x) {
        if (x.cosa == Cambiamento::Analisi) avvisati.push_back(x.campionato);
    });
    CGestioneAnalisiInternet g(*dati, tmp.percorso(), kIndirizzoServizio, m);
    g.secondiIgnora = 0;
    g.ImpostaProvaLocale(true);
    ASSERT_TRUE(g.AggiungiRicezione(0));
    EsecutoreSincrono esecutore;
    struct Nessuno : IHttp {
        std::unique_ptr<ISessioneHttp> ApriSessione(const OpzioniSessione&) override { return nullptr; }
    } http;
    g.Connessione(esecutore, http);
    ASSERT_TRUE(g.ultimoEsito().concluso) << g.log().Testo();
    ASSERT_EQ(a.archivio.numero(), 2);
    EXPECT_TRUE(a.archivio.analisi[0].StessiParametri(inviata));
    EXPECT_EQ(a.archivio.analisi[1].titolo, "Corrente");
    EXPECT_TRUE(avvisati.empty()); // nothing is said before OK
    dati->datiModificati = 0;
    EXPECT_TRUE(g.Ok());
    EXPECT_EQ(dati->datiModificati, 1);
    EXPECT_EQ(avvisati, std::vector<int>{0});
}

TEST(GestioneAnalisiInternet, IlServizioEQuelloDellIndirizzoDegliAggiornamenti) {
    const std::pair<const char*, const char*> casi[] = {
        {"http://club.example.org:8080/agg/", "http://club.example.org:8080"},
        {"http://127.0.0.1/aggiornamenti/", "http://127.0.0.1:80"},
        {"HTTP://Server:7041", "http://Server:7041"},
        {"ftp://club.example.org/agg/", kIndirizzoServizio},
        {"non un indirizzo", kIndirizzoServizio},
        {"", kIndirizzoServizio},
    };
    for (const auto& [aggiornamenti, servizio] : casi)
        EXPECT_EQ(IndirizzoServizioDa(aggiornamenti), servizio) << aggiornamenti;
}

} // namespace
} // namespace veltra::test
