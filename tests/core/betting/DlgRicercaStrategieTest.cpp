// The strategy search's dialogs without windows: the settings of step 1 and
// which controls they enable, the limits typed for a single evaluation, the
// states of step 2 around a job that runs when the test says, the results
// applied at the job's end, and the conclusion.
#include "betting/DlgRicercaStrategie.h"

#include "ArchivioRicercaProva.h"
#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"
#include "platform/Lavori.h"
#include "platform/Piattaforma.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace veltra;
using namespace veltra::test;

namespace {

constexpr DataSettimana kOggi{11, 12, 2026};

// A runner that keeps the job until the test lets it run, so the states
// while a search runs can be seen.
class EsecutoreManuale : public IEsecutoreLavori {
public:
    void Avvia(const std::string&, std::function<void(ContestoLavoro&)> corpo,
               std::function<void(const FineLavoro&)> fine) override {
        corpo_ = std::move(corpo);
        fine_ = std::move(fine);
    }
    bool inAttesa() const { return static_cast<bool>(corpo_); }
    void Completa() {
        ContestoLavoro c(fermo, {});
        const FineLavoro f = EseguiCorpo(corpo_, c);
        corpo_ = nullptr;
        auto fine = std::move(fine_);
        fine(f);
    }
    std::atomic<bool> fermo{false};

private:
    std::function<void(ContestoLavoro&)> corpo_;
    std::function<void(const FineLavoro&)> fine_;
};

class NavigatoreFinto : public INavigatore {
public:
    bool ApriFile(const std::filesystem::path& file) override {
        aperti.push_back(file);
        return riesce;
    }
    bool riesce = true;
    std::vector<std::filesystem::path> aperti;
};

bool Contiene(const std::string& testo, const std::string& parte) { return testo.find(parte) != std::string::npos; }

} // namespace

TEST(DlgRicercaStrategie, ValoriInizialiMemorizzatiDaAvanti) {
    CDlgParametriRicerca l(kOggi);
    ParametriRicerca p;
    p.bookmaker = 4;
    p.segni = {false, false, true};
    p.thread = 1; // not a setting of this step: left alone
    MessaggiRegistrati m;
    ASSERT_TRUE(l.Avanti(p, m));
    const ParametriRicerca attesi;
    EXPECT_EQ(p.bookmaker, 0);
    EXPECT_EQ(p.dataInizio.chiave(), 20021110L);
    EXPECT_EQ(p.segni, attesi.segni);
    EXPECT_EQ(p.ordinamenti, (std::array<bool, 4>{true, true, false, false}));
    EXPECT_EQ(p.eventiDaConsiderare, 1);
    EXPECT_EQ(p.minSettimaneUtili, 50);
    EXPECT_EQ(p.minSettimaneVincenti, (std::array<int, 12>{50, 25, 10, 5, 0, 0, 75, 50, 65, 30, 15, 25}));
    EXPECT_TRUE(p.maxRendimento);
    EXPECT_EQ(p.inclusi, ParametriRicerca::TuttiInclusi());
    EXPECT_TRUE(p.distinti);
    EXPECT_FALSE(p.verificaDal);
    EXPECT_EQ(p.thread, 1);
    EXPECT_TRUE(m.mostrati.empty());
    // The combos' entries and the chosen ones.
    EXPECT_EQ(TestoVocePercentuale(0), "0 (Qualsiasi)");
    EXPECT_EQ(TestoVocePercentuale(1), "5");
    EXPECT_EQ(TestoVocePercentuale(19), "95");
    EXPECT_EQ(TestoVocePercentuale(20), "100 (Tutte)");
    EXPECT_EQ(l.indiceSettimaneUtili(), 10);
    EXPECT_EQ(l.indiceSettimaneVincenti(8), 13);
}

TEST(DlgRicercaStrategie, SettimaneVincentiAbilitatePerNumeroDiEventi) {
    const std::set<int> attesi[6] = {{0},
                                     {0, 1, 6},
                                     {0, 1, 2, 6, 7},
                                     {0, 1, 2, 3, 6, 7, 8, 9, 11},
                                     {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11},
                                     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};
    CDlgParametriRicerca l(kOggi);
    for (int n = 1; n <= 6; ++n) {
        l.ImpostaEventi(n);
        std::set<int> abilitati;
        for (int t = 0; t < kTipiGiocata; ++t)
            if (l.settimaneVincentiAbilitato(t)) abilitati.insert(t);
        EXPECT_EQ(abilitati, attesi[n - 1]) << n;
    }
}

TEST(DlgRicercaStrategie, AvantiEDistintiAbilitati) {
    using Passo = std::function<void(CDlgParametriRicerca&)>;
    const auto nessunCampionato = [](CDlgParametriRicerca& l) {
        for (int c = 0; c < kNumeroCampionati; ++c)
            l.ImpostaIncluso(c, false);
    };
    struct Caso {
        const char* nome;
        std::vector<Passo> passi;
        bool avanti, distinti;
    };
    const Caso casi[] = {
        {"iniziale", {}, true, true},
        {"nessun segno", {[](auto& l) { l.ImpostaSegno(0, false); }}, false, true},
        {"solo X", {[](auto& l) { l.ImpostaSegno(0, false); }, [](auto& l) { l.ImpostaSegno(1, true); }}, true, true},
        {"nessun ordinamento", {[](auto& l) { l.ImpostaGruppoOrdinamento(0, false); }}, false, true},
        {"solo quota",
         {[](auto& l) { l.ImpostaGruppoOrdinamento(0, false); }, [](auto& l) { l.ImpostaGruppoOrdinamento(2, true); }},
         true, true},
        {"nessun campionato", {nessunCampionato}, false, false},
        // A sign changed afterwards does not enable a search of no championship.
        {"nessun campionato poi un segno", {nessunCampionato, [](auto& l) { l.ImpostaSegno(2, true); }}, false, false},
        {"un campionato", {nessunCampionato, [](auto& l) { l.ImpostaIncluso(5, true); }}, true, false},
        {"due campionati",
         {nessunCampionato, [](auto& l) { l.ImpostaIncluso(5, true); }, [](auto& l) { l.ImpostaIncluso(18, true); }},
         true, true},
    };
    for (const auto& c : casi) {
        CDlgParametriRicerca l(kOggi);
        for (const auto& p : c.passi)
            p(l);
        EXPECT_EQ(l.avantiAbilitato(), c.avanti) << c.nome;
        EXPECT_EQ(l.distintiAbilitato(), c.distinti) << c.nome;
        ParametriRicerca p;
        MessaggiRegistrati m;
        EXPECT_EQ(l.Avanti(p, m), c.avanti) << c.nome;
    }
}

TEST(DlgRicercaStrategie, GruppiDiOrdinamento) {
    // "Probabilità" moves rankings 0 and 1 together.
    const std::array<bool, 4> attesi[3] = {
        {true, true, false, false}, {false, false, true, false}, {false, false, false, true}};
    for (int g = 0; g < 3; ++g) {
        CDlgParametriRicerca l(kOggi);
        for (int h = 0; h < 3; ++h)
            l.ImpostaGruppoOrdinamento(h, h == g);
        ParametriRicerca p;
        MessaggiRegistrati m;
        ASSERT_TRUE(l.Avanti(p, m));
        EXPECT_EQ(p.ordinamenti, attesi[g]) << g;
    }
}

TEST(DlgRicercaStrategie, DateNeiLimitiEVerifica) {
    struct Caso {
        DataSettimana data, attesa;
    };
    const Caso casi[] = {{{1, 1, 1999}, {1, 10, 2000}},
                         {{30, 9, 2000}, {1, 10, 2000}},
                         {{1, 10, 2000}, {1, 10, 2000}},
                         {{5, 5, 2005}, {5, 5, 2005}},
                         {{12, 12, 2026}, kOggi},
                         {{1, 1, 2031}, kOggi}};
    for (const auto& c : casi) {
        CDlgParametriRicerca l(kOggi);
        l.ImpostaDataInizio(c.data);
        EXPECT_EQ(l.dataInizio().chiave(), c.attesa.chiave()) << c.data.chiave();
        l.ImpostaDataVerifica(c.data);
        EXPECT_EQ(l.dataVerifica().chiave(), c.attesa.chiave()) << c.data.chiave();
    }
    // The check's weeks must come after the start.
    CDlgParametriRicerca l(kOggi);
    l.ImpostaDataInizio({1, 1, 2010});
    l.ImpostaVerifica(true);
    for (const DataSettimana d : {DataSettimana{1, 1, 2010}, DataSettimana{31, 12, 2009}}) {
        l.ImpostaDataVerifica(d);
        ParametriRicerca p;
        p.bookmaker = 3;
        MessaggiRegistrati m;
        EXPECT_FALSE(l.Avanti(p, m));
        EXPECT_EQ(m.testi(), std::vector<std::string>{CDlgParametriRicerca::kVerificaNonSuccessiva});
        EXPECT_EQ(p.bookmaker, 3); // nothing stored
    }
    l.ImpostaDataVerifica({2, 1, 2010});
    ParametriRicerca p;
    MessaggiRegistrati m;
    ASSERT_TRUE(l.Avanti(p, m));
    ASSERT_TRUE(p.verificaDal);
    EXPECT_EQ(p.verificaDal->chiave(), 20100102L);
    l.ImpostaVerifica(false);
    ASSERT_TRUE(l.Avanti(p, m));
    EXPECT_FALSE(p.verificaDal);
}

TEST(DlgRicercaStrategie, RicercaUnicaConversioni) {
    struct Caso {
        std::array<const char*, 7> testi;
        std::array<float, 7> attesi; // minProb1, maxProbX, maxProb2, minEquita, maxEquita, minQuota, maxQuota
    };
    const Caso casi[] = {
        {{"50", "30", "25", "-10", "20", "1.5", "3"}, {0.5f, 0.3f, 0.25f, 0.9f, 1.2f, 1.5f, 3.0f}},
        {{" 45 ", "35,5", "+20", "-100", "100", "1", "1000"}, {0.45f, 0.355f, 0.2f, 0.0f, 2.0f, 1.0f, 1000.0f}},
        {{"0", "100", "100", "0", "0", "2,25", "2.25"}, {0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 2.25f, 2.25f}},
    };
    for (const auto& c : casi) {
        CDlgRicercaUnica u;
        for (int i = 0; i < 7; ++i)
            u.ImpostaTesto(i, c.testi[static_cast<std::size_t>(i)]);
        std::string errore;
        int campo = 0;
        const auto l = u.Converti(errore, campo);
        ASSERT_TRUE(l) << c.testi[0] << " " << errore;
        const float valori[7] = {l->minProb1, l->maxProbX, l->maxProb2, l->minEquita,
                                 l->maxEquita, l->minQuota, l->maxQuota};
        for (int i = 0; i < 7; ++i)
            EXPECT_FLOAT_EQ(valori[i], c.attesi[static_cast<std::size_t>(i)]) << c.testi[0] << " campo " << i;
        // The limits not typed stay 0: the search fixes them by sign.
        EXPECT_EQ(l->maxProb1, 0.0f);
        EXPECT_EQ(l->minProbX, 0.0f);
        EXPECT_EQ(l->minProb2, 0.0f);
        // Typed again from the limits, they give the same limits.
        const auto di_nuovo = CDlgRicercaUnica(l).Converti(errore, campo);
        ASSERT_TRUE(di_nuovo);
        EXPECT_NEAR(di_nuovo->maxProbX, l->maxProbX, 0.006f);
        EXPECT_EQ(di_nuovo->minQuota, l->minQuota);
    }
}

TEST(DlgRicercaStrategie, RicercaUnicaRifiuti) {
    struct Caso {
        int campo;
        const char* testo;
        int campoErrato;
        const char* messaggio;
        int altroCampo = -1;
        const char* altroTesto = "";
    };
    const Caso casi[] = {
        {0, "abc", 0, "\"Prob. min '1' [0/100] ?\" non e' un numero: \"abc\""},
        {1, "12x", 1, "non e' un numero"},
        {2, "", 2, "Manca il valore di \"Prob. max '2' [0/100] ?\""},
        {2, "  ", 2, "Manca il valore"},
        {0, "nan", 0, "non e' un numero"},
        {6, "inf", 6, "non e' un numero"},
        {1, "101", 1, "deve essere compreso tra 0 e 100"},
        {0, "-1", 0, "deve essere compreso tra 0 e 100"},
        {3, "-101", 3, "deve essere compreso tra -100 e 100"},
        {4, "100.5", 4, "deve essere compreso tra -100 e 100"},
        {5, "0.99", 5, "deve essere compreso tra 1.00 e 1000.00"},
        {3, "50", 3, "L'equita' minima non puo' superare l'equita' massima.", 4, "20"},
        {5, "150", 5, "La quota minima non puo' superare la quota massima."},
    };
    for (const auto& c : casi) {
        CDlgRicercaUnica u;
        u.ImpostaTesto(c.campo, c.testo);
        if (c.altroCampo >= 0) u.ImpostaTesto(c.altroCampo, c.altroTesto);
        std::string errore;
        int campo = -1;
        EXPECT_FALSE(u.Converti(errore, campo)) << c.testo;
        EXPECT_EQ(campo, c.campoErrato) << c.testo;
        EXPECT_TRUE(Contiene(errore, c.messaggio)) << c.testo << ": " << errore;
    }
    // "OK" shows the reason once and keeps what was typed.
    CDlgRicercaUnica u;
    u.ImpostaTesto(0, "abc");
    MessaggiRegistrati m;
    EXPECT_FALSE(u.Ok(m));
    ASSERT_EQ(m.mostrati.size(), 1u);
    EXPECT_EQ(m.mostrati[0].icona, Icona::Esclamazione);
    EXPECT_EQ(u.testo(0), "abc");
}

TEST(DlgRicercaStrategie, AngoliNascostiEScelte) {
    DatiGlobali dati;
    ListaStrategie lista;
    std::int32_t id = 0;
    CDlgRicercaStrategie l({}, dati, lista, id, "/nessuna", {});
    using A = CDlgRicercaStrategie::Angolo;
    const std::pair<std::array<int, 2>, A> casi[] = {
        {{0, 0}, A::RicercaUnica}, {{8, 8}, A::RicercaUnica}, {{9, 0}, A::FileTesto}, {{18, 8}, A::FileTesto},
        {{19, 0}, A::Nessuno},     {{4, 9}, A::Nessuno},      {{-1, 4}, A::Nessuno},  {{4, -1}, A::Nessuno}};
    for (const auto& [p, atteso] : casi)
        EXPECT_EQ(l.AngoloCliccato(p[0], p[1]), atteso) << p[0] << "," << p[1];
    // Defaults: strategies saved, no HTML page, both cores.
    EXPECT_TRUE(l.salvaStrategie());
    EXPECT_FALSE(l.salvaHtml());
    EXPECT_TRUE(l.tuttiProcessori());
    l.ImpostaTuttiProcessori(false);
    EXPECT_EQ(l.parametri().thread, 1);
    // The text file's question.
    MessaggiRegistrati m;
    m.risposte = {Risposta::Si, Risposta::No};
    l.ChiediFileTesto(m);
    EXPECT_TRUE(l.parametri().salvaTesto);
    l.ChiediFileTesto(m);
    EXPECT_FALSE(l.parametri().salvaTesto);
    ASSERT_EQ(m.mostrati.size(), 2u);
    EXPECT_EQ(m.mostrati[0].testo, CDlgRicercaStrategie::kDomandaTesto);
    EXPECT_EQ(m.mostrati[0].pulsanti, Pulsanti::SiNo);
    LimitiCandidato u;
    u.minQuota = 1.5f;
    l.ImpostaRicercaUnica(u);
    EXPECT_EQ(l.parametri().unica, u);
    l.ImpostaRicercaUnica(std::nullopt);
    EXPECT_FALSE(l.parametri().unica);
}

TEST(DlgRicercaStrategie, StatiDellaRicercaEInterruzione) {
    DatiGlobali dati;
    ListaStrategie lista;
    std::int32_t id = 0;
    CDlgRicercaStrategie l({}, dati, lista, id, "/nessuna", {});
    int fermate = 0, conclusioni = 0;
    EsecutoreManuale esecutore;
    l.ferma = [&] {
        ++fermate;
        esecutore.fermo = true;
    };
    l.concluso = [&] { ++conclusioni; };
    struct Atteso {
        const char* testo;
        bool avvia, avanti, annulla, scelte;
    };
    const auto verifica = [&](const Atteso& a, const char* quando) {
        EXPECT_EQ(l.testoAvvia(), a.testo) << quando;
        EXPECT_EQ(l.avviaAbilitato(), a.avvia) << quando;
        EXPECT_EQ(l.avantiAbilitato(), a.avanti) << quando;
        EXPECT_EQ(l.annullaAbilitato(), a.annulla) << quando;
        EXPECT_EQ(l.sceltePossibili(), a.scelte) << quando;
    };
    verifica({"Avvia Ricerca", true, false, true, true}, "prima");
    MessaggiRegistrati m;
    l.Avvia(esecutore, l, m);
    ASSERT_TRUE(esecutore.inAttesa());
    verifica({"Interrompi", true, false, false, false}, "in corso");
    // The choices and the hidden spots are closed while it runs.
    l.ImpostaSalvaHtml(true);
    l.ImpostaSalvaStrategie(false);
    EXPECT_FALSE(l.salvaHtml());
    EXPECT_TRUE(l.salvaStrategie());
    EXPECT_EQ(l.AngoloCliccato(2, 2), CDlgRicercaStrategie::Angolo::Nessuno);
    // "Interrompi": No goes on, Si stops.
    m.risposte = {Risposta::No, Risposta::Si};
    l.Avvia(esecutore, l, m);
    EXPECT_EQ(fermate, 0);
    EXPECT_TRUE(l.inCorso());
    l.Avvia(esecutore, l, m);
    EXPECT_EQ(fermate, 1);
    EXPECT_EQ(m.testi(), (std::vector<std::string>(2, CDlgRicercaStrategie::kDomandaInterrompi)));
    verifica({"Interrompi", false, false, false, false}, "fermo chiesto");
    esecutore.Completa();
    EXPECT_EQ(conclusioni, 1);
    EXPECT_EQ(l.stato(), CDlgRicercaStrategie::Stato::Fermata);
    verifica({"Avvia Ricerca", false, false, true, false}, "fermata");
}

TEST(DlgRicercaStrategie, RisultatiApplicatiAllaFine) {
    CStrategiaDesc trovata;
    trovata.daRicerca = true;
    trovata.nome = "Singola n.1 (A)";
    using S = CDlgRicercaStrategie::Stato;
    struct Caso {
        const char* nome;
        bool fermata;
        const char* errore;
        bool nuova;
        S stato;
        bool applicata;
        const char* erroreEsito = ""; // the run's own message (a page not written): results kept
    };
    const Caso casi[] = {
        {"conclusa", false, "", true, S::Conclusa, true},
        {"fermata: le salvate restano", true, "", true, S::Fermata, true},
        {"fallita: la lista resta", false, "disco pieno", false, S::Fermata, false},
        {"nulla di nuovo", false, "", false, S::Conclusa, false},
        {"pagina non scritta", false, "", true, S::Conclusa, true, "Impossibile creare il file HTML"},
    };
    for (const auto& c : casi) {
        DatiGlobali dati;
        dati.datiModificati = false;
        ListaStrategie lista;
        lista.strategie.resize(2);
        std::int32_t id = 5;
        CDlgRicercaStrategie l({}, dati, lista, id, "/nessuna", {});
        ListaStrategie dopo = c.errore[0] ? ListaStrategie{} : lista; // a failed job returns nothing
        if (c.nuova) dopo.strategie.push_back(trovata);
        EsitoRicercaStrategie e;
        e.strategieSalvate = c.nuova;
        e.errore = c.erroreEsito;
        MessaggiRegistrati m;
        l.Fine(e, dopo, c.nuova ? 6 : (c.errore[0] ? 0 : 5), c.fermata, c.errore, m);
        EXPECT_EQ(l.stato(), c.stato) << c.nome;
        EXPECT_EQ(lista.strategie.size(), c.applicata ? 3u : 2u) << c.nome;
        EXPECT_EQ(id, c.applicata ? 6 : 5) << c.nome;
        EXPECT_EQ(dati.datiModificati, c.applicata) << c.nome;
        const std::string atteso = std::string(c.errore) + c.erroreEsito;
        EXPECT_EQ(m.mostrati.size(), atteso.empty() ? 0u : 1u) << c.nome;
        if (!atteso.empty() && !m.mostrati.empty()) {
            EXPECT_TRUE(Contiene(m.mostrati[0].testo, atteso)) << c.nome;
        }
        EXPECT_EQ(l.esito().errore, c.erroreEsito) << c.nome;
    }
}

TEST(DlgRicercaStrategie, AvanzamentoARighe) {
    DatiGlobali dati;
    ListaStrategie lista;
    std::int32_t id = 0;
    CDlgRicercaStrategie l({}, dati, lista, id, "/nessuna", {});
    l.Aggiungi("RICERCA SUL CAMPIONATO DI Serie A...\r\r\n\r\r\n");
    l.Aggiungi("Ricerca sui pronostici '1'...\r\n");
    EXPECT_EQ(l.avanzamento(), "RICERCA SUL CAMPIONATO DI Serie A...\n\nRicerca sui pronostici '1'...\n");
    l.Svuota();
    EXPECT_EQ(l.avanzamento(), "");
    l.Campionato("Serie A");
    l.Pronostico("X");
    EXPECT_EQ(l.campionato(), "Serie A");
    EXPECT_EQ(l.pronostico(), "X");
}

TEST(DlgRicercaStrategie, Conclusione) {
    struct Caso {
        const char* html;
        bool salvate;
        const char* errore;
    };
    const Caso casi[] = {{"", false, ""},
                         {"/q/RicercaStrategie-SNAI-1-2-2026-3.4.htm", false, ""},
                         {"", true, "Impossibile creare il file HTML"},
                         {"/q/a.htm", true, ""}};
    for (const auto& c : casi) {
        EsitoRicercaStrategie e;
        e.html = c.html;
        e.strategieSalvate = c.salvate;
        e.errore = c.errore;
        VincitoreRicerca v;
        v.gruppo = "A ";
        e.vincitori = {v, v};
        CDlgConclusioneRicerca l(e);
        EXPECT_EQ(l.htmlAbilitato(), c.html[0] != 0) << c.html;
        EXPECT_EQ(l.percorsoHtml(), c.html);
        EXPECT_EQ(l.archivioAbilitato(), c.salvate);
        EXPECT_EQ(l.errore(), c.errore);
        EXPECT_EQ(l.vincitori(), std::vector<std::string>(2, RigaVincitore(v)));
        NavigatoreFinto n;
        MessaggiRegistrati m;
        EXPECT_EQ(l.ApriDocumento(n, m), c.html[0] != 0);
        EXPECT_EQ(n.aperti.size(), c.html[0] ? 1u : 0u);
        EXPECT_TRUE(m.mostrati.empty());
    }
    // A page the browser cannot open: a message with its path.
    EsitoRicercaStrategie e;
    e.html = "/q/a.htm";
    NavigatoreFinto n;
    n.riesce = false;
    MessaggiRegistrati m;
    EXPECT_FALSE(CDlgConclusioneRicerca(e).ApriDocumento(n, m));
    EXPECT_EQ(m.testi(), std::vector<std::string>{"Impossibile aprire il documento:\n\n/q/a.htm"});
}

// The real run behind the presenter: its texts reach the progress box, and a
// search stopped during the second sign keeps and applies the strategies the
// first sign saved.
TEST(DlgRicercaStrategie, RicercaFermataTieneLeStrategieSalvate) {
    CartellaTemporanea dir;
    ScriviArchivioRicerca(dir.percorso(), 4, 4);
    ParametriRicerca p;
    p.bookmaker = 4;
    p.inclusi.fill(false);
    p.inclusi[0] = true;
    p.minSettimaneUtili = 0;
    p.minSettimaneVincenti.fill(0);
    p.thread = 1;
    // Sign '1' alone, to the end: how many progress reports it gives.
    DatiGlobali soloUno;
    soloUno.datiModificati = false;
    long rapporti = 0;
    EsecutoreSincrono conta;
    conta.avanzamento = [&](const std::string&, const Avanzamento&) { ++rapporti; };
    MessaggiRegistrati m;
    {
        CDlgRicercaStrategie l(p, soloUno, soloUno.strategie, soloUno.prossimoIdStrategia, dir.percorso(),
                               {11, 12, 2026, 10, 30});
        l.Avvia(conta, l, m);
        EXPECT_EQ(l.stato(), CDlgRicercaStrategie::Stato::Conclusa);
        EXPECT_TRUE(Contiene(l.avanzamento(), "Ricerca sui pronostici '1' conclusa.\n")) << l.avanzamento();
        EXPECT_EQ(l.campionato(), "Serie A");
        EXPECT_EQ(l.pronostico(), "1");
    }
    ASSERT_GT(rapporti, 0);
    ASSERT_FALSE(soloUno.strategie.strategie.empty());
    EXPECT_TRUE(soloUno.datiModificati);
    // Signs '1' and 'X', stopped just after 'X' started.
    p.segni = {true, true, false};
    DatiGlobali dati;
    dati.datiModificati = false;
    EsecutoreSincrono ferma;
    ferma.fermaDopo = rapporti + 1;
    CDlgRicercaStrategie l(p, dati, dati.strategie, dati.prossimoIdStrategia, dir.percorso(), {11, 12, 2026, 10, 30});
    l.Avvia(ferma, l, m);
    EXPECT_EQ(l.stato(), CDlgRicercaStrategie::Stato::Fermata);
    EXPECT_FALSE(l.avantiAbilitato());
    EXPECT_EQ(dati.strategie, soloUno.strategie);
    EXPECT_EQ(dati.prossimoIdStrategia, soloUno.prossimoIdStrategia);
    EXPECT_TRUE(dati.datiModificati);
    EXPECT_TRUE(Contiene(l.avanzamento(), "Ricerca sui pronostici 'X'...")) << l.avanzamento();
    EXPECT_FALSE(Contiene(l.avanzamento(), "Ricerca sui pronostici 'X' conclusa.")) << l.avanzamento();
    EXPECT_TRUE(m.mostrati.empty());
}
