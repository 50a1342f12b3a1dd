#include "tools/scontri/CScontriDiretti.h"
#include "doppi/OrologioFisso.h"

#include "doppi/MessaggiRegistrati.h"
#include "Supporto.h"
#include "platform/Piattaforma.h"
#include "doppi/StampaRegistrata.h"

#include <gtest/gtest.h>

using namespace veltra;

namespace {


void Aggiungi(CCampionato& c, std::vector<std::string> nomi, std::initializer_list<test::M> m) {
    ASSERT_EQ(AggiungiStagione(c, std::move(nomi)), 0);
    for (const auto& i : m)
        ASSERT_EQ(AggiungiIncontro(c, i.casa, i.trasferta, i.risultato), 0);
}

// Alfa at home to Beta over three seasons in which both change index; in
// the last one Beta hosted the first leg and lost it.
class ScontriDiretti : public ::testing::Test {
protected:
    void SetUp() override {
        CCampionato& c = dati.campionato(0);
        Aggiungi(c, {"Alfa", "Beta", "Gamma"}, {{0, 1, '1'}, {1, 0, '2'}, {0, 1, 'X'}});
        Aggiungi(c, {"Gamma", "Alfa", "Beta"}, {{1, 2, 'X'}, {2, 1, '1'}});
        Aggiungi(c, {"Beta", "Delta", "Alfa"}, {{0, 2, '2'}, {1, 0, '1'}, {2, 0, 'X'}});
        sd.Aggiorna(false);
    }
    int Indice(const std::string& nome) const {
        const auto& s = sd.squadre();
        return static_cast<int>(std::find(s.begin(), s.end(), nome) - s.begin());
    }
    void Scegli(const std::string& casa, const std::string& trasferta) {
        sd.Seleziona(Indice(casa), Indice(trasferta));
    }

    DatiGlobali dati;
    CScontriDiretti sd{dati};
};

} // namespace

TEST_F(ScontriDiretti, StatisticheESequenzaSuPiuStagioni) {
    EXPECT_EQ(sd.titolo(), "VELTRA - Serie A. Scontri Diretti");
    EXPECT_EQ(sd.testoPrimaStagione(), "STATISTICHE DALLA STAGIONE 1961/1962");
    sd.Seleziona(0, 0);
    EXPECT_FALSE(sd.calcolato()) << "the same team twice";
    Scegli("Alfa", "Beta");
    ASSERT_TRUE(sd.calcolato());
    const StatisticheScontri& s = sd.statistiche();
    EXPECT_EQ(s.disputati(), 4);
    EXPECT_EQ(std::vector<int>(s.conteggio, s.conteggio + 3), (std::vector<int>{1, 3, 0}));
    EXPECT_EQ(std::vector<int>(s.serieMassima, s.serieMassima + 3), (std::vector<int>{1, 3, 0}));
    // The last meeting is an X after two X.
    EXPECT_EQ(sd.testoSegno(1), "Negli ultimi 3 Incontri e' uscito il Segno 'X'");
    EXPECT_EQ(sd.testoSegno(0), "Il Segno '1' manca da 3 Incontri (Stagione 1961/1962)");
    EXPECT_EQ(sd.testoSegno(2), "Il Segno '2' non e' mai uscito dalla Stagione 1961");
    EXPECT_EQ(sd.testoAndata(), "Alfa ha vinto l'incontro d'Andata");

    // The sequence opens on the latest meeting and walks back to the first.
    EXPECT_EQ(sd.testoStagioneSequenza(), "1963/1964");
    EXPECT_EQ(sd.testoRisultatoSequenza(), "X");
    EXPECT_FALSE(sd.abilitaSuccessivo());
    std::vector<std::string> visti;
    while (sd.abilitaPrecedente()) {
        sd.Precedente();
        visti.push_back(sd.testoStagioneSequenza() + " " + sd.testoRisultatoSequenza());
    }
    EXPECT_EQ(visti, (std::vector<std::string>{"1962/1963 X", "1961/1962 X", "1961/1962 1"}));
    EXPECT_TRUE(sd.abilitaSuccessivo());

    // The other way round: Beta at home to Alfa; the first leg of the last
    // season was not played before it (it is the very match), so none.
    Scegli("Beta", "Alfa");
    EXPECT_EQ(sd.statistiche().disputati(), 3);
    EXPECT_EQ(sd.testoSegno(1), "Il Segno 'X' non e' mai uscito dalla Stagione 1961");
    EXPECT_EQ(sd.testoSegno(2), "Nell'ultimo Incontro e' uscito il Segno '2'");
    EXPECT_EQ(sd.testoSegno(0), "Il Segno '1' manca da 1 Incontro (Stagione 1962/1963)");
    EXPECT_EQ(sd.testoAndata(), "");
}

TEST_F(ScontriDiretti, CoppiaMaiIncontrata) {
    Scegli("Delta", "Alfa");
    ASSERT_TRUE(sd.calcolato());
    EXPECT_EQ(sd.statistiche().disputati(), 0);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(sd.testoSegno(k), std::string("Il Segno '") + kSegni[k] +
                                        "' non e' mai uscito dalla Stagione 1961");
    EXPECT_EQ(sd.testoStagioneSequenza(), "");
    EXPECT_FALSE(sd.abilitaPrecedente());
    EXPECT_FALSE(sd.abilitaSuccessivo());
    EXPECT_EQ(sd.testoAndata(), "");
}

TEST_F(ScontriDiretti, TagliaStoricoEAggiornamento) {
    Scegli("Alfa", "Beta");
    // Up to the end of season 2: its teams are the current ones.
    CCampionato& c = dati.campionato(0);
    c.ultimoIncontroFiltro = c.incontri.inizioStagione(2) - 1;
    c.stagioneFiltro = 2;
    sd.Aggiorna(false);
    EXPECT_EQ(sd.statistiche().disputati(), 4) << "no recount without a change";
    sd.Aggiorna(true);
    EXPECT_EQ(sd.squadre(), (std::vector<std::string>{"Gamma", "Alfa", "Beta"}));
    // The selection follows the names.
    EXPECT_EQ(sd.casa(), 1);
    EXPECT_EQ(sd.trasferta(), 2);
    EXPECT_EQ(sd.statistiche().disputati(), 3);
    // In season 2 the reverse fixture came after the meeting: no first leg.
    EXPECT_EQ(sd.testoAndata(), "");
    // Another championship clears the selection.
    dati.campionatoCorrente = 1;
    sd.Aggiorna(false);
    EXPECT_FALSE(sd.calcolato());
    EXPECT_EQ(sd.casa(), -1);
}

TEST(ScontriDirettiAnnoSolare, StagioniDiUnAnno) {
    DatiGlobali dati;
    dati.campionatoCorrente = 15; // Finlandia
    CCampionato& c = dati.campionato(15);
    test::Stagione(c, 2, {{0, 1, '1'}});
    test::Stagione(c, 2, {{1, 0, 'X'}, {0, 1, 'X'}});
    CScontriDiretti sd(dati);
    sd.Aggiorna(false);
    sd.Seleziona(0, 1);
    EXPECT_EQ(sd.testoPrimaStagione(), "STATISTICHE DALLA STAGIONE 1994");
    EXPECT_EQ(sd.testoSegno(0), "Il Segno '1' manca da 1 Incontro (Stagione 1994)");
    EXPECT_EQ(sd.testoAndata(), "L' Andata e' terminata con un Pareggio");
    EXPECT_EQ(sd.testoStagioneSequenza(), "1995");
}

TEST_F(ScontriDiretti, Stampa) {
    Scegli("Alfa", "Beta");
    test::MessaggiRegistrati msg;
    test::ServizioStampaRegistrato servizio;
    test::OrologioFisso orologio{true};
    sd.Stampa(msg, servizio, orologio);
    ASSERT_EQ(msg.testi(), std::vector<std::string>{"Prepara la stampante e poi premi 'OK'"});
    EXPECT_EQ(servizio.richieste, 0) << "the user did not confirm";

    msg.risposte = {Risposta::Ok};
    sd.Stampa(msg, servizio, orologio);
    const auto& d = servizio.dispositivo;
    EXPECT_EQ(d.chiamate, (std::vector<std::string>{"InizioDocumento", "InizioPagina", "FinePagina",
                                                    "FineDocumento"}));
    const std::vector<std::string> attese = {
        "VELTRA - Serie A. Statistiche Scontri Diretti dal 1961/1962. (09/05/2005)",
        "Alfa - Beta",
        "Incontri Disputati   : 4",
        "Vittorie in Casa     : 1",
        "Pareggi              : 3",
        "Vittorie in Trasferta: 0",
        "Massimo numero di Vittorie Consecutive in Casa     : 1",
        "Massimo numero di Pareggi Consecutivi              : 3",
        "Massimo numero di Vittorie Consecutive in Trasferta: 0",
        "Il Segno '1' manca da 3 Incontri (Stagione 1961/1962)",
        "Negli ultimi 3 Incontri e' uscito il Segno 'X'",
        "Il Segno '2' non e' mai uscito dalla Stagione 1961",
        "Alfa ha vinto l'incontro d'Andata",
        "1963/1964 : X",
        "1962/1963 : X",
        "1961/1962 : X",
        "1961/1962 : 1",
    };
    EXPECT_EQ(d.TestiPagina(1), attese);
    ASSERT_EQ(d.righe.size(), attese.size());
    EXPECT_EQ(d.righe[0].y, 0);
    for (std::size_t i = 1; i < d.righe.size(); ++i) {
        EXPECT_EQ(d.righe[i].x, 0);
        EXPECT_EQ(d.righe[i].y, 160 + 60 * static_cast<int>(i - 1));
    }
}

TEST(ScontriDirettiStampa, SequenzaLungaSuPiuPagineEPaginaFallita) {
    DatiGlobali dati;
    CCampionato& c = dati.campionato(0);
    for (int s = 0; s < 40; ++s)
        test::Stagione(c, 2, {{0, 1, s % 2 ? '1' : '2'}});
    CScontriDiretti sd(dati);
    sd.Aggiorna(false);
    sd.Seleziona(0, 1);
    test::OrologioFisso orologio{true};
    {
        test::MessaggiRegistrati msg;
        msg.risposte = {Risposta::Ok};
        test::ServizioStampaRegistrato servizio;
        sd.Stampa(msg, servizio, orologio);
        const auto& d = servizio.dispositivo;
        // Title, then 45 lines from 160 to 2800 on the first page (the
        // empty first-leg line among them); the 46th line opens the second
        // page at the top.
        ASSERT_EQ(d.pagine, 2);
        const auto p1 = d.TestiPagina(1);
        ASSERT_EQ(p1.size(), 1u + 44u + 1u);
        EXPECT_EQ(p1.back(), "                              (Continua...)");
        const std::size_t continua = p1.size() - 1;
        EXPECT_EQ(d.righe[continua - 1].y, 2800);
        EXPECT_EQ(d.righe[continua].y, 2920);
        EXPECT_EQ(d.righe[continua + 1].pagina, 2);
        EXPECT_EQ(d.righe[continua + 1].y, 0);
        // 12 statistics lines and 40 meetings: 7 left for page 2, the
        // oldest meeting last.
        const auto p2 = d.TestiPagina(2);
        ASSERT_EQ(p2.size(), 7u);
        EXPECT_EQ(p2.back(), "1961/1962 : 2");
        EXPECT_EQ(d.chiamate.back(), "FineDocumento");
    }
    {
        test::MessaggiRegistrati msg;
        msg.risposte = {Risposta::Ok};
        test::ServizioStampaRegistrato servizio;
        servizio.dispositivo.fallisceAllaFinePagina = 1;
        sd.Stampa(msg, servizio, orologio);
        EXPECT_EQ(
            servizio.dispositivo.chiamate,
            (std::vector<std::string>{"InizioDocumento", "InizioPagina", "FinePagina", "Annulla"}));
    }
}
