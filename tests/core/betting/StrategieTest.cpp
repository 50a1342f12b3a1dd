// Strategies at work: resolving abstract events on a week, settling the
// plays on the results, the yields file, the list upkeep, and the record of
// a strategy over archived weeks with its drawdown, run and interval.
#include "betting/ArchivioSettimane.h"
#include "betting/Rendimenti.h"
#include "betting/ScommessaMgr.h"
#include "betting/StatisticheStrategia.h"
#include "betting/Strategie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace veltra;

namespace {

struct Ev {
    const char* casa;
    float p1, pX, p2;
    float q1, qX, q2;
    int campionato = 0;
    char esito = '?';
};

std::unique_ptr<ScommessaMgr> Settimana(std::initializer_list<Ev> eventi) {
    auto m = std::make_unique<ScommessaMgr>();
    for (const Ev& e : eventi) {
        EXPECT_TRUE(m->AggiungiEvento(e.campionato, 1, e.casa, std::string(e.casa) + "T",
                                      {e.q1, e.qX, e.q2, 0, 0, 0}, e.p1, e.pX, e.p2));
        m->eventi[static_cast<std::size_t>(m->nEventi - 1)].esito = e.esito;
    }
    return m;
}

// Type 1: sign 1 by largest probability; wide limits.
EventoStrategia Favorita(int posizione) {
    EventoStrategia e;
    e.tipo = 1;
    e.posizione = static_cast<std::int16_t>(posizione);
    e.minProb1 = 0.4f, e.maxProb1 = 1, e.maxProbX = 1, e.maxProb2 = 1;
    e.minEquita = 0, e.maxEquita = 2;
    e.minQuota = 1, e.maxQuota = 3;
    e.inclusi[1] = false; // Serie B only when a case asks for it
    return e;
}

CStrategiaDesc Strategia(std::vector<EventoStrategia> eventi,
                         std::vector<std::vector<std::int16_t>> giocate) {
    CStrategiaDesc s;
    s.eventiStrategia = std::move(eventi);
    s.giocate = std::move(giocate);
    return s;
}

VoceScommessa Gamba(const char* casa, const char* segno, float quota) {
    VoceScommessa v;
    v.campionato = 0;
    v.casa = casa;
    v.trasferta = std::string(casa) + "T";
    v.segno = segno;
    v.quota = quota;
    return v;
}

} // namespace

TEST(RealizzaStrategia, PosizioniEventiPresiETolleranze) {
    struct Caso {
        const char* cosa;
        std::vector<EventoStrategia> eventi;
        bool realizzata;
        std::vector<std::string> case_; // resolved home teams
    };
    EventoStrategia quota3 = Favorita(1);
    quota3.maxQuota = 1.996f; // Alfa's 2.0 is within the 0.005 tolerance
    EventoStrategia quotaStretta = Favorita(1);
    quotaStretta.maxQuota = 1.99f; // no longer
    EventoStrategia soloB = Favorita(1);
    soloB.inclusi.fill(false);
    soloB.inclusi[1] = true;
    const Caso casi[] = {
        {"posizione 1 e 2", {Favorita(1), Favorita(2)}, true, {"Alfa", "Beta"}},
        {"posizione 3 con due eventi che passano", {Favorita(3)}, false, {}},
        {"A e B posizione 1: B prende il secondo", {Favorita(1), Favorita(1)}, true, {"Alfa", "Beta"}},
        {"tre eventi posizione 1 su due che passano", {Favorita(1), Favorita(1), Favorita(1)}, false, {}},
        {"quota entro la tolleranza", {quota3}, true, {"Alfa"}},
        {"quota oltre la tolleranza: resta Beta", {quotaStretta}, true, {"Beta"}},
        {"solo Serie B inclusa", {soloB}, true, {"Gamma"}},
    };
    for (const Caso& c : casi) {
        auto m = Settimana({{"Alfa", 0.6f, 0.2f, 0.2f, 2.0f, 3.3f, 4.0f},
                            {"Beta", 0.5f, 0.25f, 0.25f, 1.8f, 3.3f, 4.0f},
                            {"Delta", 0.3f, 0.3f, 0.4f, 2.9f, 3.0f, 2.5f},
                            {"Gamma", 0.45f, 0.3f, 0.25f, 2.1f, 3.0f, 3.5f, 1}});
        const auto r = RealizzaStrategia(Strategia(c.eventi, {{0}}), *m);
        EXPECT_EQ(r.realizzata, c.realizzata) << c.cosa;
        std::vector<std::string> trovate;
        for (const auto& g : r.gambe)
            trovate.push_back(g.casa);
        EXPECT_EQ(trovate, c.case_) << c.cosa;
    }
}

TEST(RealizzaStrategia, DoppieSenzaTolleranzaSullaQuota) {
    EventoStrategia e;
    e.tipo = 13; // double chances by largest odds
    e.minProbDoppia = 0.5f;
    e.minEquita = 0, e.maxEquita = 2;
    e.minQuota = 1, e.maxQuota = 1.3f;
    auto m = std::make_unique<ScommessaMgr>();
    // 1X quoted at 1.303: above 1.3, only inside a tolerance the doubles lack.
    ASSERT_TRUE(m->AggiungiEvento(0, 1, "Alfa", "AlfaT", {2.0f, 3.3f, 4.0f, 1.303f, 0, 0}, 0.6f, 0.2f, 0.2f));
    EXPECT_FALSE(RealizzaStrategia(Strategia({e}, {{0}}), *m).realizzata);
    e.maxQuota = 1.31f;
    const auto r = RealizzaStrategia(Strategia({e}, {{0}}), *m);
    ASSERT_TRUE(r.realizzata);
    EXPECT_EQ(r.gambe[0].segno, "1X");
}

TEST(LiquidaStrategia, GiocateEsitiERendimento) {
    struct Caso {
        const char* cosa;
        std::vector<std::vector<std::int16_t>> giocate;
        std::vector<VoceScommessa> gambe;
        std::string esiti; // results of Alfa, Beta in that order
        double rendimento;
        bool vincente;
        std::vector<std::vector<int>> codici;
    };
    const Caso casi[] = {
        {"una vinta a 3.0 e una persa: +0.5", {{0}, {1}},
         {Gamba("Alfa", "1", 3.0f), Gamba("Beta", "2", 2.0f)}, "1X", 0.5, true, {{1}, {-3}}},
        {"multipla di due gambe vinte", {{0, 1}}, {Gamba("Alfa", "1", 1.5f), Gamba("Beta", "2", 2.0f)},
         "12", 2.0, true, {{1, 1}}},
        {"due giocate perse", {{0}, {1}}, {Gamba("Alfa", "1", 1.5f), Gamba("Beta", "1", 2.0f)}, "X2",
         -1.0, false, {{-3}, {-2}}},
        {"gamba nulla: paga 1, conta vinta", {{0}}, {Gamba("Alfa", "1", 1.5f)}, "-1", 0.0, true, {{0}}},
        {"1X vince con 1 e con X", {{0}, {1}}, {Gamba("Alfa", "1X", 1.2f), Gamba("Beta", "1X", 1.4f)},
         "1X", (0.2 + 0.4) / 2, true, {{1}, {1}}},
        {"1X perde con 2 (codice -2)", {{0}}, {Gamba("Alfa", "1X", 1.2f)}, "2-", -1.0, false, {{-2}}},
        {"X2 perde con 1", {{0}}, {Gamba("Alfa", "X2", 1.2f)}, "1-", -1.0, false, {{-1}}},
        {"A due volte: quota al quadrato", {{0, 0}}, {Gamba("Alfa", "1", 1.5f)}, "1-", 1.25, true, {{1, 1}}},
        {"nessuna giocata: rendimento 0", {}, {Gamba("Alfa", "1", 1.5f)}, "1-", 0.0, false, {}},
    };
    for (const Caso& c : casi) {
        auto m = Settimana({{"Alfa", 0.5f, 0.3f, 0.2f, 1.5f, 3.f, 5.f, 0, c.esiti[0]},
                            {"Beta", 0.5f, 0.3f, 0.2f, 1.5f, 3.f, 5.f, 0, c.esiti[1]}});
        CStrategiaDesc s = Strategia({Favorita(1), Favorita(2)}, c.giocate);
        const Liquidazione l = LiquidaStrategia(s, c.gambe, *m);
        EXPECT_NEAR(l.rendimento, c.rendimento, 1e-6) << c.cosa;
        EXPECT_EQ(l.vincente, c.vincente) << c.cosa;
        EXPECT_EQ(l.codici, c.codici) << c.cosa;
    }
    // For single-play strategies in the statistics a void leg makes the week unplayable.
    auto m = Settimana({{"Alfa", 0.5f, 0.3f, 0.2f, 1.5f, 3.f, 5.f, 0, '-'}});
    const Liquidazione l = LiquidaStrategia(Strategia({Favorita(1)}, {{0}}), {Gamba("Alfa", "1", 1.5f)},
                                            *m, RegolaNulle::SettimanaNonGiocabile);
    EXPECT_FALSE(l.giocabile);
}

TEST(Strategie, ControlloETestiDegliEsiti) {
    CStrategiaDesc s = Strategia({Favorita(1)}, {});
    EXPECT_NE(ControllaStrategia(s), ""); // no play
    s.giocate = {{0}};
    EXPECT_EQ(ControllaStrategia(s), "");
    s.giocate = {{}};
    EXPECT_NE(ControllaStrategia(s), "");
    s.giocate = {{0}};
    s.eventiStrategia.assign(27, Favorita(1));
    EXPECT_NE(ControllaStrategia(s), "");
    EXPECT_STREQ(TestoCodiceEsito(-3), " (Errore: X)");
    EXPECT_STREQ(TestoCodiceEsito(-2), " (Errore: 2)");
    EXPECT_STREQ(TestoCodiceEsito(0), " (Nulla)");
    EXPECT_EQ(TestoStrategiaNonRealizzabile(3),
              "Impossibile realizzare la strategia n. 3.\nNon ci sono eventi che rispettano tutti i "
              "criteri imposti.");
    EventoStrategia e;
    EXPECT_EQ(TestoCampionatiInclusi(e), "TUTTI");
    e.inclusi.fill(false);
    e.inclusi[0] = e.inclusi[2] = e.inclusi[18] = true;
    EXPECT_EQ(TestoCampionatiInclusi(e), "A;C1;RU");
}

TEST(Strategie, SpostamentoENumeri) {
    struct Caso {
        int corrente, primaDi;
        const char* ordine;
        int nuovo;
    } casi[] = {
        {3, 1, "ADBCE", 1}, {1, 4, "ACDBE", 3}, {1, 1, "ABCDE", 1}, {1, 2, "ABCDE", 1}, {4, 0, "EABCD", 0},
    };
    for (const Caso& c : casi) {
        ListaStrategie l;
        std::int32_t contatore = 10;
        for (char n : std::string("ABCDE")) {
            CStrategiaDesc s;
            s.nome = std::string(1, n);
            AggiungiStrategia(l, contatore, s);
        }
        EXPECT_EQ(l.strategie[4].numero, 14);
        EXPECT_EQ(contatore, 15);
        EXPECT_EQ(SpostaStrategia(l, c.corrente, c.primaDi), c.nuovo);
        std::string ordine;
        for (const auto& s : l.strategie)
            ordine += s.nome;
        EXPECT_EQ(ordine, c.ordine) << c.corrente << "->" << c.primaDi;
    }
}

TEST(Rendimenti, NuovoAggiuntaSostituzioneERiepilogo) {
    ListaStrategie lista;
    std::int32_t contatore = 0;
    AggiungiStrategia(lista, contatore, Strategia({Favorita(1)}, {{0}}));
    AggiungiStrategia(lista, contatore, Strategia({Favorita(5)}, {{0}})); // never realizable
    auto vinta = Settimana({{"Alfa", 0.6f, 0.2f, 0.2f, 2.0f, 3.f, 4.f, 0, '1'}});
    auto persa = Settimana({{"Alfa", 0.6f, 0.2f, 0.2f, 2.0f, 3.f, 4.f, 0, '2'}});
    auto rv = CalcolaRendimenti(lista, *vinta);
    auto rp = CalcolaRendimenti(lista, *persa);
    EXPECT_EQ(rv.stato, (std::vector<std::int32_t>{kVincente, kNonRealizzabile}));
    EXPECT_EQ(rp.stato, (std::vector<std::int32_t>{kSenzaVincite, kNonRealizzabile}));
    EXPECT_NEAR(rv.rendimento[0], 1.0, 1e-6);

    CRendimento r = NuovoRendimento(lista, rv, *vinta);
    r = AggiornaRendimento(r, lista, rp, *persa, false);
    ASSERT_EQ(r.settimane.size(), 2u);
    ASSERT_EQ(r.strategie[0].settimane.size(), 2u);
    EXPECT_FLOAT_EQ(r.strategie[0].settimane[1].rendimentoCumulato, 0.0f); // +1 then -1
    // Replacing the last week with a win again: 1 + 1.
    CRendimento s = AggiornaRendimento(r, lista, rv, *vinta, true);
    EXPECT_EQ(s.settimane.size(), 2u);
    EXPECT_FLOAT_EQ(s.strategie[0].settimane[1].rendimentoCumulato, 2.0f);
    EXPECT_EQ(s.settimane[1].eventi[0].esito, '1');

    // A strategy added afterwards has fewer weeks than the file.
    AggiungiStrategia(lista, contatore, Strategia({Favorita(1)}, {{0}}));
    CRendimento t = AggiornaRendimento(s, lista, CalcolaRendimenti(lista, *persa), *persa, false);
    EXPECT_EQ(t.settimane.size(), 3u);
    EXPECT_EQ(t.strategie[2].settimane.size(), 1u);
    const auto ultima = RiepilogoStrategia(t, lista.strategie[2].numero);
    EXPECT_EQ(ultima.settimaneAnalisi, 1);
    EXPECT_DOUBLE_EQ(ultima.percentualeVincenti, 0.0);
    EXPECT_NEAR(ultima.rendimento, -100.0, 1e-4);
    const auto prima = RiepilogoStrategia(t, lista.strategie[0].numero);
    EXPECT_EQ(prima.settimaneAnalisi, 3);
    EXPECT_NEAR(prima.percentualeVincenti, 200.0 / 3, 1e-9);
    EXPECT_NEAR(prima.rendimento, 100.0, 1e-4);
    const auto mai = RiepilogoStrategia(t, lista.strategie[1].numero);
    EXPECT_TRUE(mai.presente);
    EXPECT_EQ(mai.settimaneAnalisi, 0);
    EXPECT_EQ(mai.percentualeVincenti, 0.0);
    EXPECT_FALSE(RiepilogoStrategia(t, 999).presente);
    // A strategy no longer in the list leaves the file.
    lista.strategie.erase(lista.strategie.begin());
    EXPECT_EQ(AggiornaRendimento(t, lista, CalcolaRendimenti(lista, *vinta), *vinta, false).strategie.size(), 2u);

    // Round trip, and damaged bytes refused whole.
    const std::string byte = ScriviRendimento(t);
    const auto letto = LeggiRendimento(byte);
    ASSERT_TRUE(letto);
    EXPECT_EQ(*letto, t);
    for (std::size_t n : {std::size_t{0}, std::size_t{3}, byte.size() / 2, byte.size() - 1}) {
        std::string errore;
        EXPECT_FALSE(LeggiRendimento(byte.substr(0, n), &errore)) << n;
        EXPECT_FALSE(errore.empty());
    }
    std::string lungo = byte + "x";
    EXPECT_FALSE(LeggiRendimento(lungo));
}

TEST(FigureDaSerie, RitardoDrawdownEIntervallo) {
    struct Caso {
        const char* cosa;
        std::vector<double> y;
        int ritardo;
        double drawdown;
    } casi[] = {
        {"perse 3, vinta 1, perse 5", {-1, -1, -1, 0.5, -1, -1, 0, -1, -1}, 5, 6.5},
        {"solo vinte", {0.5, 0.2, 1.0}, 0, 0.0},
        {"caduta da un picco", {2.0, -1, -1, 0.5, -1}, 2, 2.5},
        {"vuota", {}, 0, 0.0},
    };
    for (const Caso& c : casi) {
        const FigureSerie f = FigureDaSerie(c.y);
        EXPECT_EQ(f.ritardoMassimo, c.ritardo) << c.cosa;
        EXPECT_NEAR(f.maxDrawdown, c.drawdown, 1e-9) << c.cosa;
    }
    // A constant series has a point interval; a mixed one brackets its mean,
    // and the same series gives the same interval every time.
    const FigureSerie costante = FigureDaSerie({0.25, 0.25, 0.25, 0.25});
    EXPECT_NEAR(costante.intervalloBasso, 25.0, 1e-9);
    EXPECT_NEAR(costante.intervalloAlto, 25.0, 1e-9);
    std::vector<double> y;
    for (int i = 0; i < 100; ++i)
        y.push_back(i % 3 == 0 ? 1.2 : -1.0); // mean about -0.27
    const FigureSerie a = FigureDaSerie(y), b = FigureDaSerie(y);
    double media = 0;
    for (double v : y)
        media += v;
    media = media / 100 * 100;
    EXPECT_LT(a.intervalloBasso, media);
    EXPECT_GT(a.intervalloAlto, media);
    EXPECT_GT(a.intervalloAlto - a.intervalloBasso, 10.0);
    EXPECT_LT(a.intervalloAlto - a.intervalloBasso, 80.0);
    EXPECT_EQ(a.intervalloBasso, b.intervalloBasso);
    EXPECT_EQ(a.intervalloAlto, b.intervalloAlto);
}

namespace {

SettimanaArchiviata Archiviata(const char* nome, std::initializer_list<Ev> eventi) {
    SettimanaArchiviata s{nome, *DataDaNome(nome), {}};
    auto m = Settimana(eventi);
    for (int i = 0; i < m->nEventi; ++i)
        s.eventi.push_back(m->eventi[static_cast<std::size_t>(i)]);
    return s;
}

} // namespace

TEST(CalcolaStatistiche, DisponibiliGiocabiliNulleEPunti) {
    const std::vector<SettimanaArchiviata> settimane = {
        Archiviata("080102", {{"Alfa", 0.6f, 0.2f, 0.2f, 2.0f, 3.f, 4.f, 0, '1'}}),  // won +1
        Archiviata("150102", {{"Beta", 0.6f, 0.2f, 0.2f, 2.0f, 3.f, 4.f, 1, '1'}}),  // no Serie A
        Archiviata("220102", {{"Alfa", 0.6f, 0.2f, 0.2f, 2.0f, 3.f, 4.f, 0, '-'}}),  // void
        Archiviata("290102", {{"Alfa", 0.6f, 0.2f, 0.2f, 2.0f, 3.f, 4.f, 0, 'X'}}),  // lost
        Archiviata("050202", {{"Alfa", 0.2f, 0.2f, 0.6f, 5.0f, 3.f, 1.5f, 0, '1'}}), // not realizable
    };
    EventoStrategia soloA = Favorita(1);
    soloA.inclusi.fill(false);
    soloA.inclusi[0] = true;
    CStrategiaDesc s = Strategia({soloA}, {{0}});
    EXPECT_EQ(MascheraStrategia(s)[0], true);
    EXPECT_EQ(MascheraStrategia(s)[1], false);

    StatisticheStrategia st = CalcolaStatistiche(s, settimane);
    EXPECT_EQ(st.disponibili, 4);
    EXPECT_EQ(st.giocabili, 2); // the void week is skipped by a single-play strategy
    EXPECT_EQ(st.vincenti, 1);
    EXPECT_NEAR(st.rendimento(), 0.0, 1e-9);
    EXPECT_EQ(st.ritardoMassimo, 1);
    EXPECT_NEAR(st.maxDrawdown, 1.0, 1e-6);
    ASSERT_EQ(st.punti.size(), 4u);
    EXPECT_EQ(st.punti[1].settimana, "220102");
    EXPECT_FALSE(st.punti[1].giocata);
    EXPECT_NEAR(st.punti[1].guadagnoNetto, 1.0, 1e-6); // carries the value so far
    EXPECT_NEAR(st.punti[2].guadagnoNetto, 0.0, 1e-6);
    EXPECT_NEAR(st.punti[2].rendimentoNetto, 0.0, 1e-6);

    // A strategy found for multiples counts the void leg as odds 1.
    s.tipoGiocata = 1;
    st = CalcolaStatistiche(s, settimane);
    EXPECT_EQ(st.giocabili, 3);
    EXPECT_EQ(st.vincenti, 1); // the void week pays 1: no gain
    EXPECT_EQ(st.ritardoMassimo, 2);

    // Nothing after the last week.
    st = CalcolaStatistiche(s, {});
    EXPECT_EQ(st.disponibili, 0);
    EXPECT_EQ(st.percentualeGiocabili(), 0.0);
    EXPECT_EQ(st.rendimento(), 0.0);
}

#include "dati/Archivio.h"

TEST(Strategie, PiuDiVentiseiEventiRifiutati) {
    // 26 letters go and come back.
    CStrategiaDesc s = Strategia(std::vector<EventoStrategia>(26, Favorita(1)), {{0}});
    Archivio w;
    s.Serializza(w);
    {
        Archivio r(w.dati());
        CStrategiaDesc letta;
        letta.Serializza(r);
        EXPECT_EQ(letta, s);
    }
    // A 27th is refused when written...
    CStrategiaDesc troppi = Strategia(std::vector<EventoStrategia>(27, Favorita(1)), {{0}});
    Archivio w27;
    EXPECT_THROW(troppi.Serializza(w27), ErroreArchivio);
    // ...and when a file announces it: the count raised to 27 in the bytes.
    std::vector<std::uint8_t> b = w.dati();
    const std::uint8_t conteggio[] = {26, 0, 1, 0, 1, 0}; // n, tipo 1, posizione 1
    auto it = std::search(b.begin(), b.end(), std::begin(conteggio), std::end(conteggio));
    ASSERT_NE(it, b.end());
    *it = 27;
    Archivio r(b);
    CStrategiaDesc letta;
    try {
        letta.Serializza(r);
        ADD_FAILURE() << "27 eventi accettati";
    } catch (const ErroreArchivio& e) {
        EXPECT_NE(std::string(e.what()).find("26"), std::string::npos) << e.what();
    }
    EXPECT_EQ(letta, CStrategiaDesc{}); // all or nothing
}
