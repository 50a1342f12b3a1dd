// The reduced-system view: pages, and the dictation of a page as the sound
// fake records it (order, pause, stop, close while speaking); the hidden
// column's draw.
#include "dati/DatiCampionati.h"
#include "pools/CDlgSistemaRidotto.h"
#include "pools/CostruzioneSistema.h"
#include "pools/Dettatura.h"
#include "pools/OperazioniSchedina.h"
#include "pools/StampaSchedine.h"
#include "pools/VerificaColonna.h"

#include "../doppi/SuoniRegistrati.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace veltra;
using veltra::test::SuoniRegistrati;

namespace {

// A coupon whose reduced system is the first `n` columns of its full system
// (rows 0..3 "1X2" triples, the rest fixed "1", row 13 empty).
Schedina ConColonne(int n) {
    Schedina s;
    s.schedinaAssente = 0;
    for (int i = 0; i < 13; ++i) {
        Partita& p = s.partite[static_cast<std::size_t>(i)];
        p.campionato = 0;
        p.squadraCasa = "Casa" + std::to_string(i);
        p.squadraTrasferta = "Ospite" + std::to_string(i);
        p.prob1 = p.probX = p.prob2 = 0.33f;
        const std::string t = i < 4 ? "1X2" : "1";
        for (std::size_t k = 0; k < t.size(); ++k)
            p.segni[k] = static_cast<std::int16_t>(SegnoDaCarattere(t[k]));
        p.pronosticoAuto = t;
    }
    s.riduzioneMin = s.riduzioneMax = -2;
    std::vector<std::int32_t> indici;
    for (int i = 0; i < n; ++i)
        indici.push_back(i);
    s.ridotto = SistemaDaIndici(SpazioDi(s), indici, nullptr);
    return s;
}

// The sounds of the given columns of a coupon, in reading order.
std::vector<std::string> Attesi(const Schedina& s, int da, int a) {
    std::vector<std::string> v;
    for (int c = da; c < a; ++c)
        for (int r = 0; r < 14; ++r)
            if (const std::string f = FileSuonoCodice(SegnoColonna(s, c, r)); !f.empty()) v.push_back(f);
    return v;
}

// Waits for the end the worker reports.
struct Fine {
    std::promise<FineDettatura> p;
    std::future<FineDettatura> f = p.get_future();
    std::function<void(FineDettatura)> callback() {
        return [this](FineDettatura x) { p.set_value(x); };
    }
    FineDettatura attendi() {
        EXPECT_EQ(f.wait_for(std::chrono::seconds(20)), std::future_status::ready);
        return f.get();
    }
};

} // namespace

TEST(SistemaRidottoVista, Pagine) {
    DatiCampionati dati;
    Schedina s = ConColonne(10);
    s.colonnePerPagina = 4;
    CDlgSistemaRidotto v(dati, s);
    v.Riempi();
    EXPECT_EQ(v.testoTotale(), "10");
    EXPECT_EQ(v.pagine(), 3);
    EXPECT_FALSE(v.indietroAbilitato());
    EXPECT_TRUE(v.avantiAbilitato());
    for (int r = 0; r < 14; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(v.Cella(r, c), TestoCodice(SegnoColonna(s, c, r))) << r << " " << c;
    EXPECT_EQ(v.Cella(4, 0), "1"); // a fixed row
    EXPECT_EQ(v.Cella(13, 0), ""); // the empty row: code 8, no text
    v.Avanti();
    v.Avanti();
    EXPECT_EQ(v.testoPagina(), "3");
    EXPECT_FALSE(v.avantiAbilitato());
    EXPECT_EQ(v.ColonnePagina().size(), 2u); // columns 8 and 9
    EXPECT_EQ(v.Cella(0, 1), TestoCodice(SegnoColonna(s, 9, 0)));
    EXPECT_NE(v.Cella(0, 1), "");
    EXPECT_EQ(v.Cella(0, 2), "");
    EXPECT_EQ(v.Cella(4, 3), "");
    v.Indietro();
    EXPECT_EQ(v.pagina(), 2);

    // 8 per page: stored in the coupon, page 1 again.
    v.ImpostaColonnePerPagina(8);
    EXPECT_EQ(s.colonnePerPagina, 8);
    EXPECT_EQ(dati.datiModificati, 1);
    EXPECT_EQ(v.pagina(), 1);
    EXPECT_EQ(v.pagine(), 2);

    // No system held: "-----", one page.
    Schedina senza = ConColonne(3);
    InvalidaRidotto(senza);
    CDlgSistemaRidotto w(dati, senza);
    w.Riempi();
    EXPECT_EQ(w.testoTotale(), "-----");
    EXPECT_EQ(w.pagine(), 1);
    EXPECT_FALSE(w.avantiAbilitato());
    EXPECT_EQ(w.Cella(0, 0), "");
}

TEST(Dettatura, LeggeLaPaginaInOrdineConLePause) {
    DatiCampionati dati;
    Schedina s = ConColonne(10);
    CDlgSistemaRidotto v(dati, s);
    v.Riempi();
    SuoniRegistrati suoni;
    std::vector<int> attese; // only the worker writes it while it runs
    CDettatura d(suoni, [&](int ms) { attese.push_back(ms); });
    d.ImpostaPausaTraSegni(3);
    Fine fine;
    ASSERT_TRUE(d.Avvia(v.ColonnePagina(), fine.callback()));
    EXPECT_EQ(fine.attendi(), FineDettatura::Completata);
    d.Chiudi();
    EXPECT_EQ(suoni.nomi(), Attesi(s, 0, 4));
    for (const auto& voce : suoni.voci()) EXPECT_TRUE(voce.attendi);
    // 0.5 s before the start, then per column 0.5 s and per row 0.3 s
    // (the empty row is silent but still waited for).
    std::vector<int> attesi = {500};
    for (int c = 0; c < 4; ++c) {
        attesi.push_back(500);
        attesi.insert(attesi.end(), 14, 300);
    }
    EXPECT_EQ(attese, attesi);
    // After a whole page the view moves to the next one.
    EXPECT_TRUE(v.DettaturaFinita(FineDettatura::Completata));
    EXPECT_EQ(v.pagina(), 2);
    EXPECT_FALSE(v.DettaturaFinita(FineDettatura::Fermata));
    EXPECT_EQ(v.pagina(), 2);
}

TEST(Dettatura, StopAlSettimoSegnoPoiRipartenzaDallaPrimaColonna) {
    Schedina s = ConColonne(4);
    std::vector<ColonnaDettata> pagina;
    for (int c = 0; c < 4; ++c) {
        ColonnaDettata col{};
        for (int r = 0; r < 14; ++r) col[static_cast<std::size_t>(r)] = SegnoColonna(s, c, r);
        pagina.push_back(col);
    }
    SuoniRegistrati suoni;
    CDettatura* dp = nullptr;
    int segniAttesi = 0;
    // The wait before a sign: the 7th is where the user presses Stop.
    CDettatura d(suoni, [&](int ms) {
        if (ms == 400 && ++segniAttesi == 7 && dp) dp->Stop();
    });
    dp = &d;
    d.ImpostaPausaTraSegni(4);
    Fine primo;
    ASSERT_TRUE(d.Avvia(pagina, primo.callback()));
    EXPECT_EQ(primo.attendi(), FineDettatura::Fermata);
    const auto sei = Attesi(s, 0, 1);
    EXPECT_EQ(suoni.nomi(), std::vector<std::string>(sei.begin(), sei.begin() + 6));

    segniAttesi = 100; // no more stops
    Fine secondo;
    ASSERT_TRUE(d.Avvia(pagina, secondo.callback()));
    EXPECT_EQ(secondo.attendi(), FineDettatura::Completata);
    auto tutti = std::vector<std::string>(sei.begin(), sei.begin() + 6);
    const auto pag = Attesi(s, 0, 4);
    tutti.insert(tutti.end(), pag.begin(), pag.end());
    EXPECT_EQ(suoni.nomi(), tutti); // from column 1, row 1 again
}

TEST(Dettatura, PausaTrattieneEStopFunzionaAncheInPausa) {
    ColonnaDettata col{};
    col.fill(1);
    col[3] = 8; // silent
    col[5] = 7;
    SuoniRegistrati suoni;
    CDettatura* dp = nullptr;
    int segni = 0, inPausa = 0;
    CDettatura d(suoni, [&](int ms) {
        if (ms == CDettatura::kAttesaPausa) {
            // while paused nothing is played
            if (++inPausa == 5) dp->Pausa(); // resume
            return;
        }
        if (ms == 200 && ++segni == 3) {
            EXPECT_TRUE(dp->Pausa());
        }
    });
    dp = &d;
    d.ImpostaPausaTraSegni(2);
    EXPECT_EQ(d.pausaTraSegni(), 2);
    Fine fine;
    ASSERT_TRUE(d.Avvia({col}, fine.callback()));
    EXPECT_EQ(fine.attendi(), FineDettatura::Completata);
    EXPECT_EQ(inPausa, 5);
    EXPECT_EQ(suoni.nomi().size(), 13u);
    EXPECT_EQ(suoni.nomi()[4], "unoicsdue.wav");

    // Paused for ever, then Stop: it ends without resuming.
    SuoniRegistrati altri;
    CDettatura* ep = nullptr;
    int pausaVista = 0;
    bool iniziata = false;
    CDettatura e(altri, [&](int ms) {
        // The user pauses while the first wait runs.
        if (ms == CDettatura::kAttesaInizio && !iniziata) {
            iniziata = true;
            EXPECT_TRUE(ep->Pausa()); // Avvia cleared the pause set before it
        }
        if (ms == CDettatura::kAttesaPausa && ++pausaVista == 3) ep->Stop();
    });
    ep = &e;
    e.Pausa();
    Fine fermata;
    ASSERT_TRUE(e.Avvia({col}, fermata.callback()));
    EXPECT_EQ(fermata.attendi(), FineDettatura::Fermata);
    EXPECT_EQ(pausaVista, 3);
    EXPECT_TRUE(altri.nomi().empty());
}

TEST(Dettatura, ChiusuraMentreParla) {
    ColonnaDettata col{};
    col.fill(4);
    std::vector<ColonnaDettata> pagina(8, col);
    SuoniRegistrati suoni;
    suoni.durata = std::chrono::milliseconds(5);
    bool chiamata = false;
    {
        // Real waits (sleeping), as in the window.
        CDettatura d(suoni);
        d.ImpostaPausaTraSegni(1);
        ASSERT_TRUE(d.Avvia(pagina, [&](FineDettatura) { chiamata = true; }));
        EXPECT_FALSE(d.Avvia(pagina, {})); // one at a time
        // Wait until it speaks, then close.
        for (int i = 0; i < 400 && suoni.voci().size() < 2; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_GE(suoni.voci().size(), 2u);
        const auto prima = std::chrono::steady_clock::now();
        d.Chiudi();
        // Closing does not sit out the waits: at most one sound's length.
        EXPECT_LT(std::chrono::steady_clock::now() - prima, std::chrono::seconds(2));
        EXPECT_FALSE(d.inCorso());
    } // and the destructor after Chiudi is harmless
    EXPECT_FALSE(chiamata);
    EXPECT_LT(suoni.voci().size(), 8u * 14u);
}

TEST(ColonnaNascosta, SegniDalGeneratore) {
    struct Caso {
        int valore;
        char segno;
    };
    // a = whole part of 13 x value / 32767
    for (const Caso& c : {Caso{0, '1'}, Caso{12602, '1'}, Caso{12603, 'X'}, Caso{25205, 'X'}, Caso{25206, '2'},
                          Caso{32767, '2'}})
        EXPECT_EQ(SegnoNascosto(c.valore), c.segno) << c.valore;
    // The generator of old: seed 1 gives 41, 18467, 6334...
    GeneratoreColonna g(1);
    EXPECT_EQ(g.Prossimo(), 41);
    EXPECT_EQ(g.Prossimo(), 18467);
    EXPECT_EQ(g.Prossimo(), 6334);
    GeneratoreColonna h(1);
    const auto c = ColonnaNascosta(h);
    EXPECT_EQ(std::string(c.begin(), c.begin() + 3), "1X1"); // 41, 18467, 6334
}
