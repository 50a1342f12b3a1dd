// The conditioned system: the column test on the cases that matter, the fast
// count and listing against the plain column-by-column test, the two
// reductions against their quadratic reference, the N-1 guarantee of what is
// built, and the build flows that must leave everything as it was when they
// stop or fail.
#include "platform/Lavori.h"
#include "pools/CCondizionamenti.h"
#include "pools/CostruzioneSistema.h"
#include "pools/EnumeratoreCondizionato.h"
#include "pools/OperazioniSchedina.h"
#include "pools/RiduzioneCondizionato.h"
#include "pools/VerificaColonna.h"

#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>

using namespace veltra;
using namespace veltra::test;

namespace {

Partita Riga(const std::string& segni, float p1 = 0.4f, float pX = 0.3f, float p2 = 0.3f) {
    Partita p;
    p.campionato = 0;
    p.squadraCasa = "Casa";
    p.squadraTrasferta = "Ospite";
    p.prob1 = p1;
    p.probX = pX;
    p.prob2 = p2;
    for (std::size_t i = 0; i < segni.size(); ++i)
        p.segni[i] = static_cast<std::int16_t>(SegnoDaCarattere(segni[i]));
    p.pronosticoAuto = segni;
    return p;
}

// Rows given by their predictions; the rest fixed "1".
Schedina Coupon(const std::vector<std::string>& pronostici) {
    Schedina s;
    for (int r = 0; r < kRigheSchedina; ++r)
        s.partite[r] = Riga(r < static_cast<int>(pronostici.size()) ? pronostici[r] : "1");
    s.schedinaAssente = 0;
    s.riduzioneMin = s.riduzioneMax = -2;
    return s;
}

Colonna Col(const std::string& t) {
    Colonna c{};
    for (int r = 0; r < kRigheSchedina; ++r) c[r] = t[static_cast<std::size_t>(r)];
    return c;
}

CColonnaFiltro Filtro(const std::vector<std::string>& righe, int min, int max, char gruppo = 'A',
                      bool attiva = true) {
    CColonnaFiltro f;
    for (int r = 0; r < kRigheSchedina; ++r) {
        const std::string t = r < static_cast<int>(righe.size()) ? righe[r] : "-";
        f.pronostici[r] = {};
        for (std::size_t i = 0; i < t.size() && i < 3; ++i) f.pronostici[r][i] = t[i];
    }
    f.punteggioMin = static_cast<std::int16_t>(min);
    f.punteggioMax = static_cast<std::int16_t>(max);
    f.gruppo = gruppo;
    f.attiva = attiva;
    return f;
}

std::vector<std::int32_t> IndiciRiferimento(const CondizioniRiduzione& k, const Schedina& s) {
    const SpazioIntegrale sp = SpazioDi(s);
    std::vector<std::int32_t> v;
    std::int32_t i = 0;
    EnumeraIntegrale(sp, [&](const Colonna& c) {
        if (VerificaColonna(k, s, c)) v.push_back(i);
        ++i;
    });
    return v;
}

std::vector<std::int32_t> IndiciVeloci(const CondizioniRiduzione& k, const Schedina& s, int thread) {
    EnumeratoreCondizionato e(k, s);
    EnumeratoreCondizionato::Opzioni o;
    o.elenca = true;
    o.thread = thread;
    auto r = e.Esegui(o);
    EXPECT_EQ(r.conta, static_cast<std::int64_t>(r.indici.size()));
    return r.indici;
}

// A random coupon of `variabili` variable rows and random conditions of every kind.
struct Caso {
    Schedina s;
    CondizioniRiduzione k;
};

Caso CasoCasuale(std::mt19937& g, int variabili) {
    std::uniform_real_distribution<float> u(0.05f, 0.7f);
    const char* doppie[] = {"1X", "X2", "12", "21", "X1", "2X"};
    const char* triple[] = {"1X2", "X12", "21X"};
    const char* fisse[] = {"1", "X", "2"};
    std::vector<std::string> pr(kRigheSchedina);
    std::vector<int> righe(kRigheSchedina);
    for (int r = 0; r < kRigheSchedina; ++r) righe[r] = r;
    std::shuffle(righe.begin(), righe.end(), g);
    for (int i = 0; i < kRigheSchedina; ++i)
        pr[righe[i]] = i < variabili ? (g() % 3 == 0 ? triple[g() % 3] : doppie[g() % 6]) : fisse[g() % 3];
    Caso c{Coupon(pr), {}};
    for (auto& p : c.s.partite) {
        p.prob1 = u(g);
        p.probX = u(g);
        p.prob2 = u(g);
    }
    CondizioniRiduzione& k = c.k;
    const auto lim = [&](std::int16_t& lo, std::int16_t& hi) {
        lo = static_cast<std::int16_t>(g() % 5);
        hi = static_cast<std::int16_t>(lo + 3 + g() % 9);
    };
    k.attivoSegni = g() % 2;
    lim(k.min1, k.max1);
    lim(k.minX, k.maxX);
    lim(k.min2, k.max2);
    k.attivoConsecutivi = g() % 2;
    lim(k.minCons1, k.maxCons1);
    lim(k.minConsX, k.maxConsX);
    lim(k.minCons2, k.maxCons2);
    k.minCons1 = k.minConsX = k.minCons2 = 0;
    k.attivoProbabilita = g() % 2;
    // Limits between the products of sure columns, so some pass and some not.
    const double tipico = std::pow(0.33, 14);
    k.probMin = tipico * std::uniform_real_distribution<double>(0.0, 0.5)(g);
    k.probMax = tipico * std::uniform_real_distribution<double>(2.0, 40.0)(g);
    const int nf = static_cast<int>(g() % 5);
    k.numColonneFiltro = static_cast<std::int16_t>(nf);
    const char* voci[] = {"-", "1", "X", "2", "1X", "X2", "12", "1X2"};
    for (int i = 0; i < nf; ++i) {
        std::vector<std::string> righeF;
        for (int r = 0; r < kRigheSchedina; ++r) righeF.push_back(voci[g() % 8]);
        const int mn = static_cast<int>(g() % 6);
        const char gr = static_cast<char>('A' + g() % 2);
        const bool attiva = g() % 5 != 0;
        k.colonneFiltro[static_cast<std::size_t>(i)] =
            Filtro(righeF, mn, mn + static_cast<int>(g() % 8), gr, attiva);
        if (attiva) ++k.colonneNelGruppo[static_cast<std::size_t>(gr - 'A')];
    }
    int gruppi = 0;
    for (int gr = 0; gr < 2; ++gr) {
        const int n = k.colonneNelGruppo[static_cast<std::size_t>(gr)];
        if (n == 0) continue;
        ++gruppi;
        k.minColonneGruppo[static_cast<std::size_t>(gr)] = static_cast<std::int32_t>(g() % (n + 1));
        k.maxColonneGruppo[static_cast<std::size_t>(gr)] = n;
    }
    k.minGruppi = static_cast<std::int32_t>(g() % (gruppi + 1));
    k.maxGruppi = gruppi;
    return c;
}

} // namespace

TEST(VerificaColonna, CasiDelleCondizioni) {
    const Schedina s = Coupon({"1X2", "1X2", "1X2"});
    struct Test {
        const char* nome;
        std::function<void(CondizioniRiduzione&)> imposta;
        std::vector<std::pair<const char*, bool>> colonne;
    };
    const std::vector<Test> casi = {
        {"filtro 1X sulla prima riga, 1..1 in A, gruppi 1..1",
         [](CondizioniRiduzione& k) {
             k.numColonneFiltro = 1;
             k.colonneFiltro[0] = Filtro({"1X"}, 1, 1);
             k.colonneNelGruppo[0] = 1;
             k.minColonneGruppo[0] = k.maxColonneGruppo[0] = 1;
             k.minGruppi = k.maxGruppi = 1;
         },
         {{"11111111111111", true}, {"X1111111111111", true}, {"21111111111111", false}}},
        {"filtro inattivo: mai verificato, non conta nel gruppo",
         [](CondizioniRiduzione& k) {
             k.numColonneFiltro = 2;
             k.colonneFiltro[0] = Filtro({"1X"}, 1, 1);
             k.colonneFiltro[1] = Filtro({"2"}, 1, 1, 'A', false);
             k.colonneNelGruppo[0] = 1;
             k.minColonneGruppo[0] = k.maxColonneGruppo[0] = 1;
             k.minGruppi = k.maxGruppi = 1;
         },
         {{"21111111111111", false}, {"X1111111111111", true}}},
        {"filtri tutti inattivi, minGruppi 1: nessuna colonna",
         [](CondizioniRiduzione& k) {
             k.numColonneFiltro = 1;
             k.colonneFiltro[0] = Filtro({"1"}, 0, 14, 'A', false);
             k.minGruppi = 1;
             k.maxGruppi = 1;
         },
         {{"11111111111111", false}, {"X1111111111111", false}}},
        {"filtri tutti inattivi, minGruppi 0: tutte",
         [](CondizioniRiduzione& k) {
             k.numColonneFiltro = 1;
             k.colonneFiltro[0] = Filtro({"1"}, 0, 14, 'A', false);
         },
         {{"11111111111111", true}, {"2X111111111111", true}}},
        {"segni: almeno due X, al piu' dodici 1",
         [](CondizioniRiduzione& k) {
             k.attivoSegni = 1;
             k.minX = 2;
             k.max1 = 12;
         },
         {{"XX111111111111", true}, {"X1111111111111", false}, {"XXX11111111111", true}}},
        {"sequenze: 1 al piu' 3, 2 almeno 4",
         [](CondizioniRiduzione& k) {
             k.attivoConsecutivi = 1;
             k.maxCons1 = 3;
             k.minCons2 = 4;
         },
         {{"111XX22221X111", true}, {"1111X2222X1X11", false}, {"111XX222X1X111", false}}},
    };
    for (const auto& c : casi) {
        CondizioniRiduzione k;
        c.imposta(k);
        for (const auto& [col, atteso] : c.colonne)
            EXPECT_EQ(VerificaColonna(k, s, Col(col)), atteso) << c.nome << ": " << col;
    }
    const Sequenze m = SequenzeMassime(Col("111XX22221X111"));
    EXPECT_EQ(m.uno, 3);
    EXPECT_EQ(m.x, 2);
    EXPECT_EQ(m.due, 4);

    // The limits are inclusive: a column whose probability is the minimum passes.
    CondizioniRiduzione k;
    k.attivoProbabilita = 1;
    const Colonna c = Col("1X211111111111");
    k.probMin = ProbabilitaColonna(s, c);
    EXPECT_TRUE(VerificaColonna(k, s, c));
    k.probMin = std::nextafter(k.probMin, 1.0);
    EXPECT_FALSE(VerificaColonna(k, s, c));
}

TEST(EnumeratoreCondizionato, UgualeAlTestColonnaPerColonna) {
    std::mt19937 g(15);
    for (int caso = 0; caso < 40; ++caso) {
        const Caso c = CasoCasuale(g, 5 + caso % 6);
        const auto attesi = IndiciRiferimento(c.k, c.s);
        EXPECT_EQ(IndiciVeloci(c.k, c.s, 1), attesi) << "caso " << caso;
        EXPECT_EQ(IndiciVeloci(c.k, c.s, 2), attesi) << "caso " << caso;
        EnumeratoreCondizionato e(c.k, c.s);
        EXPECT_EQ(e.Esegui({}).conta, static_cast<std::int64_t>(attesi.size()));
    }
}

TEST(EnumeratoreCondizionato, LimitiDiProbabilitaComeLaEnumerazione) {
    std::mt19937 g(7);
    const Caso c = CasoCasuale(g, 8);
    double lo = 2, hi = -1;
    EnumeraIntegrale(SpazioDi(c.s), [&](const Colonna& col) {
        const double p = ProbabilitaColonna(c.s, col);
        lo = std::min(lo, p);
        hi = std::max(hi, p);
    });
    const LimitiProbabilita l = CalcolaLimitiProbabilita(c.s);
    EXPECT_EQ(l.minima, lo);
    EXPECT_EQ(l.massima, hi);
}

namespace {

std::vector<std::vector<std::int16_t>> Matrice(const SpazioIntegrale& sp, const std::vector<std::int32_t>& indici) {
    std::vector<std::vector<std::int16_t>> m(static_cast<std::size_t>(sp.righeVariabili()),
                                             std::vector<std::int16_t>(indici.size()));
    for (std::size_t i = 0; i < indici.size(); ++i) {
        const std::uint32_t w = sp.ParolaDaIndice(indici[i]);
        for (std::size_t r = 0; r < m.size(); ++r) m[r][i] = static_cast<std::int16_t>((w >> (2 * r)) & 3);
    }
    return m;
}

} // namespace

TEST(RiduzioneCondizionato, StandardSuQuattroColonne) {
    // 11, 1X, X1, XX on two doubles "1X": STANDARD keeps 11 and XX.
    const Schedina s = Coupon({"1X", "1X"});
    const SpazioIntegrale sp = SpazioDi(s);
    const std::vector<std::int32_t> tutte = {0, 1, 2, 3};
    EXPECT_EQ(RiduciCondizionato(sp, tutte, MetodoRiduzione::Standard), (std::vector<std::int32_t>{0, 3}));
    EXPECT_EQ(riferimento::RiduzioneStandard(Matrice(sp, tutte)), (std::vector<std::int32_t>{0, 3}));
}

TEST(RiduzioneCondizionato, UgualeAlRiferimentoQuadratico) {
    std::mt19937 g(4);
    for (int caso = 0; caso < 30; ++caso) {
        const Caso c = CasoCasuale(g, 4 + caso % 5);
        const SpazioIntegrale sp = SpazioDi(c.s);
        const auto indici = IndiciRiferimento(c.k, c.s);
        const auto m = Matrice(sp, indici);
        for (MetodoRiduzione metodo : {MetodoRiduzione::Standard, MetodoRiduzione::Avanzato}) {
            const auto veloce = RiduciCondizionato(sp, indici, metodo);
            const auto atteso = metodo == MetodoRiduzione::Standard ? riferimento::RiduzioneStandard(m)
                                                                    : riferimento::RiduzioneAvanzata(m);
            EXPECT_EQ(veloce, atteso) << "caso " << caso << " metodo " << static_cast<int>(metodo);
            // Every column of the conditioned system is within one sign of a kept one.
            for (std::size_t i = 0; i < indici.size(); ++i) {
                bool coperta = false;
                for (std::int32_t t : veloce) coperta = coperta || riferimento::Vicine(m, i, static_cast<std::size_t>(t));
                ASSERT_TRUE(coperta) << "caso " << caso << " colonna " << i;
            }
        }
    }
}

TEST(CostruzioneSistema, RidottiNMenoUnoGarantisconoLaSeconda) {
    // Shapes whose tables ship with the program: every column of the full
    // system is within one sign of a column built from the table.
    const std::filesystem::path cartella = std::filesystem::path(VELTRA_RESOURCES_DIR) / "riduzioni";
    const std::vector<std::vector<std::string>> forme = {
        {"1X", "X2", "12"}, {"1X2", "1X", "X2", "21"}, {"1X2", "1X2", "1X2", "X2", "1X"},
        {"1X", "1X", "1X", "1X", "1X", "1X", "1X"}};
    for (const auto& f : forme) {
        Schedina s = Coupon(f);
        s.riduzioneMin = s.riduzioneMax = -1;
        const NumeroSegni n = StatoNumeroSegni(s);
        const CaricamentoTabella t = CaricaTabella(cartella, n.triple, n.doppie, -1, -1);
        ASSERT_TRUE(t.ok) << t.messaggio;
        s.ridotto = t.sistema;
        const SpazioIntegrale sp = SpazioDi(s);
        std::set<std::string> costruite;
        for (int k = 0; k < TotaleColonne(s); ++k) {
            std::string col;
            for (int r = 0; r < kRigheSchedina; ++r) {
                const int codice = SegnoColonna(s, k, r);
                ASSERT_TRUE(codice >= 1 && codice <= 3);
                col += codice == 1 ? '1' : codice == 3 ? 'X' : '2';
            }
            costruite.insert(col);
        }
        EnumeraIntegrale(sp, [&](const Colonna& c) {
            const std::string col(c.begin(), c.end());
            bool coperta = costruite.count(col) > 0;
            for (int r = 0; r < kRigheSchedina && !coperta; ++r)
                for (char alt : sp.segni[r]) {
                    std::string v = col;
                    v[static_cast<std::size_t>(r)] = alt;
                    if (costruite.count(v)) {
                        coperta = true;
                        break;
                    }
                }
            EXPECT_TRUE(coperta) << col;
        });
    }
}

namespace {

struct Flusso {
    EsecutoreSincrono esecutore;
    MessaggiRegistrati messaggi;
    ContestoSistema ctx{esecutore, messaggi, {}, std::nullopt, 2};
};

} // namespace

TEST(CostruzioneSistema, CondizionatoCostruitoRidottoELetto) {
    std::mt19937 g(21);
    Caso c = CasoCasuale(g, 7);
    CCondizionamenti cond;
    static_cast<CondizioniRiduzione&>(cond) = c.k;
    const auto passanti = IndiciRiferimento(c.k, c.s);
    const SpazioIntegrale sp = SpazioDi(c.s);

    // Counted only: the count, no columns.
    Flusso f;
    bool ok = false;
    ContaCondizionato(c.s, cond, true, f.ctx, [&](bool b) { ok = b; });
    ASSERT_TRUE(ok);
    EXPECT_EQ(c.s.ridotto.numColonne, static_cast<std::int32_t>(passanti.size()));
    EXPECT_FALSE(SistemaPronto(c.s));

    // Built: the columns read back through SegnoColonna, in order.
    CostruisciSistema(c.s, cond, f.ctx, [&](bool b) { ok = b; });
    ASSERT_TRUE(ok);
    ASSERT_EQ(TotaleColonne(c.s), static_cast<int>(passanti.size()));
    for (std::size_t k = 0; k < passanti.size(); k += 7) {
        const Colonna col = sp.ColonnaDaIndice(passanti[k]);
        for (int r = 0; r < kRigheSchedina; ++r)
            EXPECT_EQ(SegnoColonna(c.s, static_cast<int>(k), r), CodiceSegno(col[r]));
    }
    // Page form: page 1 of 4 columns starts at column 4.
    EXPECT_EQ(SegnoColonna(c.s, 1, 0, 0), SegnoColonna(c.s, 4, 0));
    int variabile = 0;
    while (sp.rigaMatrice[variabile] < 0) ++variabile;
    EXPECT_EQ(SegnoColonna(c.s, static_cast<int>(passanti.size()), variabile), 8);

    // Reduced: the method kept with the conditions, without a question.
    cond.condizionatoRidotto = 1;
    cond.metodoRiduzione = 1;
    InvalidaRidotto(c.s);
    ContaCondizionato(c.s, cond, true, f.ctx, [&](bool b) { ok = b; });
    ASSERT_TRUE(ok);
    EXPECT_TRUE(f.messaggi.mostrati.empty());
    const auto avanzata = riferimento::RiduzioneAvanzata(Matrice(sp, passanti));
    EXPECT_EQ(c.s.ridotto.numColonne, static_cast<std::int32_t>(avanzata.size()));
    EXPECT_TRUE(SistemaPronto(c.s));
    EXPECT_EQ(c.s.ridotto.condizionatoRidotto, 1);
}

TEST(CostruzioneSistema, InterruzioneETabellaMancanteLascianoTutto) {
    std::mt19937 g(3);
    Caso c = CasoCasuale(g, 8);
    c.k.attivoSegni = c.k.attivoConsecutivi = c.k.attivoProbabilita = 0;
    CCondizionamenti cond;
    static_cast<CondizioniRiduzione&>(cond) = c.k;
    Flusso f;
    bool ok = false;
    CostruisciSistema(c.s, cond, f.ctx, [&](bool b) { ok = b; });
    ASSERT_TRUE(ok);
    const Schedina prima = c.s;

    // The stop pressed at the first report of each step: count, build, reduction.
    struct Ferma : IEsecutoreLavori {
        std::string titolo;
        void Avvia(const std::string& t, std::function<void(ContestoLavoro&)> corpo,
                   std::function<void(const FineLavoro&)> fine) override {
            EsecutoreSincrono interno;
            interno.fermaDopo = t == titolo ? 1 : 0;
            interno.Avvia(t, std::move(corpo), std::move(fine));
        }
    };
    const char* titoli[] = {kTitoloConteggioCondizionato, kTitoloCostruzioneCondizionato,
                            kTitoloRiduzioneCondizionato};
    for (int passo = 0; passo < 3; ++passo) {
        c.s.ridotto.contato = 0;
        const Schedina invalidata = c.s;
        cond.condizionatoRidotto = passo == 2;
        Ferma ferma;
        ferma.titolo = titoli[passo];
        MessaggiRegistrati messaggi;
        ContestoSistema ctx{ferma, messaggi, {}, MetodoRiduzione::Avanzato, 1};
        bool esito = true;
        if (passo == 0)
            ContaCondizionato(c.s, cond, true, ctx, [&](bool b) { esito = b; });
        else
            CostruisciSistema(c.s, cond, ctx, [&](bool b) { esito = b; });
        EXPECT_FALSE(esito) << passo;
        EXPECT_EQ(c.s, invalidata) << passo;
        EXPECT_TRUE(messaggi.mostrati.empty()) << passo;
    }
    c.s = prima;

    // The error-correcting table missing: its message without the end of the
    // program, and the system held unchanged.
    CartellaTemporanea vuota;
    Flusso t;
    t.ctx.cartellaRiduzioni = vuota.percorso();
    c.s.riduzioneMin = 0;
    c.s.riduzioneMax = 2;
    CostruisciSistema(c.s, cond, t.ctx, [&](bool b) { ok = b; });
    EXPECT_FALSE(ok);
    EXPECT_EQ(t.messaggi.testi(), std::vector<std::string>{"Errore nell'apertura del file per il Sistema Ridotto!"});
    EXPECT_EQ(c.s.ridotto, prima.ridotto);

    // A damaged table: a byte outside 1..3.
    std::ofstream(vuota / "0t1d.VLT", std::ios::binary) << std::string("\x02\x00\x00\x01\x01\x07", 6);
    Schedina una = Coupon({"1X"});
    una.riduzioneMin = una.riduzioneMax = -1;
    const SistemaRidotto primaUna = una.ridotto;
    Flusso d;
    d.ctx.cartellaRiduzioni = vuota.percorso();
    CostruisciSistema(una, cond, d.ctx, [&](bool b) { ok = b; });
    EXPECT_FALSE(ok);
    EXPECT_EQ(d.messaggi.testi(), std::vector<std::string>{"Errore nella lettura del file per il Sistema Ridotto!"});
    EXPECT_EQ(una.ridotto, primaUna);
}

// An error-correcting system counts errors from the base column, every row
// on its first sign: a triple "2X1" plays 2 there, and its two variants the
// other two signs. An N-1 table is read as stored.
TEST(CostruzioneSistema, CorrezioneDiErroriCentrataSulPrimoSegno) {
    CartellaTemporanea tabelle;
    // One triple and one double, 0 to 1 errors: the base and its three variants.
    ScriviByte(tabelle / "1t1d01e.VLT", {4, 0, 1, 1, 1, 1, 2, 1, 3, 1, 1, 3});
    ScriviByte(tabelle / "1t1d.VLT", {4, 0, 1, 1, 1, 1, 2, 1, 3, 1, 1, 3});
    struct Caso {
        const char* tripla;
        int min, max;
        const char* base; // the first column's triple and double signs
        const char* variante; // the triple's signs in columns 2 and 3
    };
    const Caso casi[] = {
        {"1X2", 0, 1, "1X", "2X"},
        {"2X1", 0, 1, "2X", "1X"},
        {"X12", 0, 1, "XX", "21"},
        {"21X", 0, 1, "2X", "X1"},
        {"2X1", -1, -1, "1X", "2X"}, // N-1: as stored
    };
    auto carattere = [](int codice) { return codice == 1 ? '1' : codice == 3 ? 'X' : codice == 2 ? '2' : '?'; };
    for (const Caso& c : casi) {
        Schedina s = Coupon({c.tripla, "X2"});
        s.riduzioneMin = static_cast<std::int16_t>(c.min);
        s.riduzioneMax = static_cast<std::int16_t>(c.max);
        const CaricamentoTabella t = CaricaTabella(tabelle.percorso(), 1, 1, c.min, c.max);
        ASSERT_TRUE(t.ok) << t.messaggio;
        s.ridotto = t.sistema;
        ASSERT_EQ(TotaleColonne(s), 4);
        const std::string base{carattere(SegnoColonna(s, 0, 0)), carattere(SegnoColonna(s, 0, 1))};
        EXPECT_EQ(base, c.base) << c.tripla << " " << c.min;
        const std::string varianti{carattere(SegnoColonna(s, 1, 0)), carattere(SegnoColonna(s, 2, 0))};
        EXPECT_EQ(varianti, c.variante) << c.tripla << " " << c.min;
        // The double's variant and the fixed rows are untouched.
        EXPECT_EQ(carattere(SegnoColonna(s, 3, 1)), '2') << c.tripla;
        EXPECT_EQ(SegnoColonna(s, 3, 5), 1) << c.tripla;
    }
}
