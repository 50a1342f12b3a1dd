// The service's replies as the program reads them, and what it sends.
#include "net/AggiornamentoDati.h"
#include "net/AnalisiRete.h"
#include "net/FileAggiornamento.h"
#include "net/Internet.h"

#include <gtest/gtest.h>

namespace veltra::test {
namespace {

TEST(Indirizzi, SoloHttpConHostEPorta) {
    struct Caso {
        const char* testo;
        bool letto, http;
        const char* host;
        int porta;
        const char* percorso;
    } casi[] = {
        {"http://127.0.0.1:7040/aggiornamenti/", true, true, "127.0.0.1", 7040, "/aggiornamenti/"},
        {"HTTP://esempio.it", true, true, "esempio.it", 80, "/"},
        {"http://h?x=1", true, true, "h", 80, "/?x=1"},
        {"ftp://h/x", true, false, "h", 21 * 0 + 80, "/x"},
        {"http://h:0/", false, false, "", 0, ""},
        {"http://h:99999/", false, false, "", 0, ""},
        {"http://:80/", false, false, "", 0, ""},
        {"http://u@h/", false, false, "", 0, ""},
        {"non un indirizzo", false, false, "", 0, ""},
        {"http://h/uno due", false, false, "", 0, ""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.testo);
        const auto u = LeggiUrl(c.testo);
        ASSERT_EQ(u.has_value(), c.letto);
        if (!u) continue;
        EXPECT_EQ(u->http, c.http);
        EXPECT_EQ(u->host, c.host);
        if (c.http) {
            EXPECT_EQ(u->porta, c.porta);
        }
        EXPECT_EQ(u->percorso, c.percorso);
    }
}

TEST(Risposte, RigheEBlocchi) {
    LettoreRisposta l("uno\r\ndue\n\ntre");
    std::vector<std::string> righe;
    for (std::string r; l.LeggiRiga(r);) righe.push_back(r);
    EXPECT_EQ(righe, (std::vector<std::string>{"uno", "due", "", "tre"}));
    const std::string lungo(250, 'x');
    LettoreRisposta b(lungo);
    EXPECT_EQ(b.LeggiBlocco(100).size(), 100u);
    EXPECT_EQ(b.LeggiBlocco(100).size(), 100u);
    EXPECT_EQ(b.LeggiBlocco(100).size(), 50u);
    EXPECT_TRUE(b.LeggiBlocco(100).empty());
}

TEST(Risposte, CodificaDelModulo) {
    EXPECT_EQ(CodificaModulo("Mario Rossi & C.=100%"), "Mario+Rossi+%26+C.%3D100%25");
    EXPECT_EQ(DecodificaModulo("Mario+Rossi+%26+C.%3D100%25"), "Mario Rossi & C.=100%");
    EXPECT_FALSE(DecodificaModulo("rotto%2"));
    EXPECT_FALSE(DecodificaModulo("rotto%zz"));
}

TEST(FileAggiornamento, MarcatoreENews) {
    EXPECT_TRUE(MarcatoreValido("12/09/2005"));
    EXPECT_FALSE(MarcatoreValido("2005-09-12"));
    EXPECT_FALSE(MarcatoreValido(std::string(101, '/')));
    const auto news = LeggiNews("12/09/2005\xB0Prima notizia\r\n\xB0Seconda \xE8 qui\xB0");
    ASSERT_TRUE(news);
    EXPECT_EQ(*news, (std::vector<std::string>{"Prima notizia", "Seconda \xC3\xA8 qui"}));
    EXPECT_EQ(TestoNews(*news), "Prima notizia\nSeconda \xC3\xA8 qui\n");
    EXPECT_FALSE(LeggiNews("senza data\xB0notizia"));
    EXPECT_EQ(NomeFileAggiornamento(0), "giornata.VLT.txt");
    EXPECT_EQ(NomeFileLocale(13), "locgiornaSP.VLT");
}

AnalisiCampionato Analisi() {
    AnalisiCampionato a;
    a.campionato = 5;
    a.analisi.giornateAnalisi = 2;
    a.analisi.punteggiAvanzati.importanzaMax = 1.5f;
    a.analisi.punteggiAvanzati.importanzaMin = 0.5f;
    a.analisi.punteggiAvanzati.forteCasa = 1;
    a.analisi.precisione1 = 0.5f;
    a.analisi.precisioneX = 0.3f;
    a.analisi.precisione2 = 0.4f;
    return a;
}

TEST(AnalisiRete, CorpoDellInvio) {
    EXPECT_EQ(CorpoInvio({}, "Io"), "ai=0&aut=Io");
    const std::string corpo = CorpoInvio({Analisi()}, "Bar \xC3\xA8");
    EXPECT_EQ(corpo.rfind("ai=1&ser=5&gan=2&ctsep=1&p0=100&p1=100&p2=0&p3=0&p4=0&minc=-1&maxc=0&"
                          "mint=-1&maxt=0&bcc=-0.500000&acc=0.500000&bct=-0.500000&act=0.500000&"
                          "dc=-4.000000&fc=1.000000&dt=-2.000000&ft=2.000000&gvc=0.000000&",
                          0),
              0u)
        << corpo;
    EXPECT_NE(corpo.find("&camp=6&fc=0.500000&lc=1.500000&r1=0.500000&rx=0.300000&r2=0.400000&"
                         "rm=0.400000&perc=0.000000&aut=Bar+%E8"),
              std::string::npos)
        << corpo;
    // Read back as the service reads it.
    std::string perche;
    const auto letto = LeggiCorpoInvio(corpo, &perche);
    ASSERT_TRUE(letto) << perche;
    EXPECT_EQ(letto->autore, "Bar \xC3\xA8");
    ASSERT_EQ(letto->analisi.size(), 1u);
    EXPECT_TRUE(letto->analisi[0].analisi.StessiParametri(Analisi().analisi));
    EXPECT_EQ(letto->analisi[0].campionato, 5);
}

TEST(AnalisiRete, ValoriCheNessunaFinestraImpostaSonoRifiutati) {
    struct Caso {
        const char* nome;
        void (*guasta)(AnalisiCampionato&);
    } casi[] = {
        {"campionato", [](AnalisiCampionato& a) { a.campionato = 19; }},
        {"giornate", [](AnalisiCampionato& a) { a.analisi.giornateAnalisi = 6; }},
        {"percentuale", [](AnalisiCampionato& a) { a.analisi.percentualiImportanza[0] = 40; a.analisi.percentualiImportanza[1] = 160; }},
        {"somma", [](AnalisiCampionato& a) { a.analisi.percentualiImportanza[0] = 110; }},
        {"punti", [](AnalisiCampionato& a) { a.analisi.punteggiAvanzati.punti[3] = 4.5f; }},
        {"punti uguali", [](AnalisiCampionato& a) { for (int k = 0; k < 18; k += 2) a.analisi.punteggiAvanzati.punti[k] = 1; }},
        {"modifica", [](AnalisiCampionato& a) { a.analisi.punteggiAvanzati.modificaAltaCasa = 0.3f; }},
        {"limiti", [](AnalisiCampionato& a) { a.analisi.limiteMinCasa = 3; a.analisi.limiteMaxCasa = 1; }},
        {"limite lontano", [](AnalisiCampionato& a) { a.analisi.limiteMaxTrasferta = 90; }},
        {"soglie", [](AnalisiCampionato& a) { a.analisi.punteggiAvanzati.forteCasa = -5; }},
        {"inclusi", [](AnalisiCampionato& a) { a.analisi.punteggiAvanzati.campionatiInclusi = 31; }},
        {"importanza", [](AnalisiCampionato& a) { a.analisi.punteggiAvanzati.importanzaMin = 1.0f; }},
        {"precisione", [](AnalisiCampionato& a) { a.analisi.precisione1 = 150; }},
        // Precisions are fractions: 7.5 is 750 %.
        {"precisione oltre 1", [](AnalisiCampionato& a) { a.analisi.precisione1 = 7.5f; }},
        {"dati usati", [](AnalisiCampionato& a) { a.analisi.datiUsati = 101; }},
    };
    EXPECT_EQ(VerificaAnalisi(Analisi(), 30), "");
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        AnalisiCampionato a = Analisi();
        c.guasta(a);
        EXPECT_NE(VerificaAnalisi(a, 30), "");
        // The service refuses the same body.
        EXPECT_FALSE(LeggiCorpoInvio(CorpoInvio({a}, "x"), nullptr).has_value() &&
                     std::string(c.nome) != "inclusi");
    }
}

TEST(AnalisiRete, CorpiMalformati) {
    const std::string buono = CorpoInvio({Analisi()}, "x");
    for (const std::string& corpo :
         {std::string(""), std::string("ai=1&aut=x"), std::string("ai=-1&aut=x"),
          std::string("aut=x"), buono.substr(0, buono.size() / 2),
          std::string("ai=0&aut=%"), std::string("ai=99999999999&aut=x")}) {
        SCOPED_TRACE(corpo);
        EXPECT_FALSE(LeggiCorpoInvio(corpo, nullptr));
    }
}

TEST(AnalisiRete, RispostaDelServizio) {
    const std::string proposta = TestoProposta(Analisi(), "Club del martedi");
    const RispostaAnalisi r = LeggiRispostaAnalisi(proposta, 5, 30);
    ASSERT_EQ(r.tipo, RispostaAnalisi::Analisi) << r.messaggio;
    EXPECT_EQ(r.titolo, "Club_del_martedi");
    EXPECT_TRUE(r.proposta.analisi.StessiParametri(Analisi().analisi));

    const RispostaAnalisi m = LeggiRispostaAnalisi("-1 Nessuna analisi oggi.", 5, 30);
    EXPECT_EQ(m.tipo, RispostaAnalisi::Messaggio);
    EXPECT_EQ(m.messaggio, "Nessuna analisi oggi.");

    EXPECT_EQ(LeggiRispostaAnalisi(proposta, 6, 30).tipo, RispostaAnalisi::NonValida); // another championship
    EXPECT_EQ(LeggiRispostaAnalisi("<html>", 5, 30).tipo, RispostaAnalisi::NonValida);
    EXPECT_EQ(LeggiRispostaAnalisi("-2 5 2 1", 5, 30).tipo, RispostaAnalisi::NonValida);
    EXPECT_EQ(LeggiRispostaAnalisi(proposta, 5, 3).tipo, RispostaAnalisi::NonValida); // 6 seasons of 3
    std::string nan = proposta;
    nan.replace(nan.find("-0.500000"), 9, "nan");
    EXPECT_EQ(LeggiRispostaAnalisi(nan, 5, 30).tipo, RispostaAnalisi::NonValida);

    // More decimals than the wire carries: taken as the six decimals say, so
    // what the program accepts is written back and read again unchanged (the
    // reply fuzzer found 1.0000001 read as 1.00000012 and written as 1.000000).
    std::string lunga = proposta;
    lunga.replace(lunga.find("-0.500000"), 9, "-0.5000004");
    const RispostaAnalisi l = LeggiRispostaAnalisi(lunga, 5, 30);
    ASSERT_EQ(l.tipo, RispostaAnalisi::Analisi) << l.messaggio;
    EXPECT_TRUE(l.proposta.analisi.StessiParametri(r.proposta.analisi));
    const RispostaAnalisi ancora = LeggiRispostaAnalisi(TestoProposta(l.proposta, l.titolo), 5, 30);
    EXPECT_TRUE(ancora.proposta.analisi.StessiParametri(l.proposta.analisi));
}

} // namespace
} // namespace veltra::test
