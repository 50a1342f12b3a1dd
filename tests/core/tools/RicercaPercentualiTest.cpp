// The search on the importance percentages: its order of candidates, the
// insertion rule of the found list, the fast evaluation against the plain
// engine, threads, stop and resume.
#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "engine/CMotoreStime.h"
#include "engine/ValutatorePercentuali.h"
#include "tools/ricerche/EnumerazionePercentuali.h"
#include "tools/ricerche/RicercaPercentuali.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>

using namespace veltra;

namespace {

std::uint32_t Bit(float x) {
    std::uint32_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

std::vector<Percentuali> Tutti(const EnumerazionePercentuali& en,
                               const std::vector<BloccoPercentuali>& blocchi) {
    std::vector<Percentuali> v;
    for (const auto& b : blocchi) en.Candidati(b, v);
    return v;
}

Percentuali P(int a, int b, int c = 0, int d = 0, int e = 0) {
    return {static_cast<std::int16_t>(a), static_cast<std::int16_t>(b), static_cast<std::int16_t>(c),
            static_cast<std::int16_t>(d), static_cast<std::int16_t>(e)};
}

// Parameter sets that take the replay through its variants.
struct Insieme {
    const char* nome;
    void (*imposta)(CCampionato&);
};
const Insieme kInsiemi[] = {
    {"predefiniti", [](CCampionato&) {}},
    {"N 3, limiti larghi", [](CCampionato& c) {
         c.config.giornateAnalisi = 3;
         c.limiteMinCasa = -5; c.limiteMaxCasa = 0; c.limiteMinTrasferta = -2; c.limiteMaxTrasferta = 2;
     }},
    {"N 4, punti frazionari, modifiche", [](CCampionato& c) {
         c.config.giornateAnalisi = 4;
         const float p[18] = {0.25f, 1.1f, -0.87f, 0.13f, -2.31f, -1.0f, 0.07f, 0.93f, -1.19f,
                              0.01f, -1.77f, -0.66f, 0.5f, 1.35f, -1.5f, -0.25f, -2.5f, -1.49f};
         std::memcpy(c.punteggiAvanzati.punti, p, sizeof p);
         c.punteggiAvanzati.modificaAltaCasa = 0.75f;
         c.punteggiAvanzati.modificaBassaTrasferta = -0.25f;
         c.limiteMinCasa = -6; c.limiteMaxCasa = 0; c.limiteMinTrasferta = -3; c.limiteMaxTrasferta = 3;
     }},
    {"N 5, uniti, importanze", [](CCampionato& c) {
         c.config.giornateAnalisi = 5;
         c.punteggiAvanzati.separaCasaTrasferta = false;
         c.punteggiAvanzati.importanzaMin = 0.55f;
         c.punteggiAvanzati.importanzaMax = 1.45f;
         c.punteggiAvanzati.campionatiInclusi = 8;
         c.limiteMinCasa = -7; c.limiteMaxCasa = 2; c.limiteMinTrasferta = -6; c.limiteMaxTrasferta = 3;
     }},
    {"N 2, soglie strette", [](CCampionato& c) {
         c.punteggiAvanzati.forteCasa = -2; c.punteggiAvanzati.deboleCasa = -3;
         c.punteggiAvanzati.forteTrasferta = 0; c.punteggiAvanzati.deboleTrasferta = -1;
         c.limiteMinCasa = -3; c.limiteMaxCasa = 0; c.limiteMinTrasferta = -1; c.limiteMaxTrasferta = 1;
     }},
};

struct Fixture {
    std::unique_ptr<DatiGlobali> dati = std::make_unique<DatiGlobali>();
    CCampionato& c = dati->campionato(0);
    std::vector<ElencoSquadre> stagioni;

    Fixture(std::uint64_t seme, bool filtro) {
        OpzioniGenerazione o;
        o.stagioni = 10;
        o.seme = seme;
        o.ultimaIncompleta = true;
        EXPECT_EQ(GeneraStagioni(c, o), 0);
        if (filtro) {
            c.stagioneFiltro = 8;
            c.ultimoIncontroFiltro = c.incontri.inizioStagione(7) + 250;
        }
        CreaMotore(c);
        stagioni = c.config.stagioni;
    }
    void Applica(const Insieme& i) {
        c.config = Config{};
        c.config.stagioni = stagioni;
        c.limiteMinCasa = -1; c.limiteMaxCasa = 0; c.limiteMinTrasferta = -1; c.limiteMaxTrasferta = 0;
        c.punteggiAvanzati = CPunteggiAvanzati{};
        i.imposta(c);
        const int n = c.config.giornateAnalisi;
        for (int k = 0; k < 5; ++k) c.config.percentualiImportanza[k] = k < n ? 100 : 0;
    }
    // The plain engine on the championship itself.
    bool Semplice(const Percentuali& w, float& p) {
        std::copy(w.begin(), w.end(), c.config.percentualiImportanza);
        const bool ok = c.motore->AggiornaStime() == 0;
        if (ok) p = c.motore->precisioneMedia();
        return ok;
    }
};

EsitoRicercaPercentuali Cerca(const CCampionato& c, const ImpostazioniRicercaPercentuali& imp,
                              const TrovatePercentuali& iniziale, long fermaDopo = 0) {
    std::atomic<bool> fermo{false};
    long rapporti = 0;
    ContestoLavoro contesto(fermo, [&](const Avanzamento&) {
        if (fermaDopo > 0 && ++rapporti >= fermaDopo) fermo = true;
    });
    return CercaPercentuali(c, imp, iniziale, contesto);
}

} // namespace

TEST(EnumerazionePercentuali, SequenzeDellaRicercaCompleta) {
    {
        const EnumerazionePercentuali en(2, P(100, 100), 1, 100);
        const auto v = Tutti(en, en.Blocchi());
        ASSERT_EQ(v.size(), 101u);
        for (int k = 0; k <= 100; ++k) EXPECT_EQ(v[static_cast<std::size_t>(k)], P(150 - k, 50 + k));
    }
    {
        const EnumerazionePercentuali en(2, P(100, 100), 7, 100);
        const auto v = Tutti(en, en.Blocchi());
        ASSERT_EQ(v.size(), 15u);
        EXPECT_EQ(v.front(), P(150, 50));
        EXPECT_EQ(v[1], P(143, 57));
        EXPECT_EQ(v.back(), P(52, 148)); // (50, 150) is not reached
    }
    {
        // Three matchdays: with a = w[2] = 50 the inner weight runs 100..150
        // and w[0] from 150 down to 100.
        const EnumerazionePercentuali en(3, P(100, 100, 100), 1, 100);
        const auto blocchi = en.Blocchi();
        ASSERT_EQ(blocchi.front().esterno, 50);
        std::vector<Percentuali> v;
        en.Candidati(blocchi.front(), v);
        ASSERT_EQ(v.size(), 51u);
        EXPECT_EQ(v.front(), P(150, 100, 50));
        EXPECT_EQ(v.back(), P(100, 150, 50));
    }
    // Five matchdays with a coarse step: exactly the admissible lattice, in
    // loop order (w[4] outermost), and the counts without walking agree.
    for (int passo : {5, 10}) {
        const EnumerazionePercentuali en(5, P(100, 100, 100, 100, 100), passo, 100);
        const auto blocchi = en.Blocchi();
        const auto v = Tutti(en, blocchi);
        std::vector<Percentuali> attesi;
        for (int a = 50; a <= 150; a += passo)
            for (int b = 50; b <= 150; b += passo)
                for (int c = 50; c <= 150; c += passo)
                    for (int d = 50; d <= 150; d += passo) {
                        const int w0 = 500 - a - b - c - d;
                        if (w0 >= 50 && w0 <= 150) attesi.push_back(P(w0, d, c, b, a));
                    }
        EXPECT_EQ(v, attesi);
        long contati = 0;
        for (const auto& b : blocchi) contati += en.NumeroCandidati(b);
        EXPECT_EQ(contati, static_cast<long>(attesi.size()));
    }
}

TEST(EnumerazionePercentuali, FinestraERipresa) {
    // Width 10 around 100/100: (95, 105) ... (105, 95).
    const EnumerazionePercentuali due(2, P(100, 100), 1, 10);
    const auto v = Tutti(due, due.Blocchi());
    ASSERT_EQ(v.size(), 11u);
    EXPECT_EQ(v.front(), P(95, 105));
    EXPECT_EQ(v.back(), P(105, 95));
    // A window at the edge of the range is cut at 50..150, and every weight
    // stays inside its own window, the derived one included.
    const EnumerazionePercentuali tre(3, P(145, 105, 50), 2, 20);
    for (const auto& w : Tutti(tre, tre.Blocchi())) {
        EXPECT_EQ(w[0] + w[1] + w[2], 300);
        EXPECT_TRUE(w[0] >= 135 && w[0] <= 150 && w[1] >= 95 && w[1] <= 115 && w[2] >= 50 && w[2] <= 60);
    }
    // Resuming restarts the outer loop at the stored value; with five
    // matchdays the second loop at the stored value when it lies inside its
    // bounds, at its lower bound otherwise.
    const EnumerazionePercentuali cinque(5, P(100, 100, 100, 100, 100), 10, 100);
    auto b = cinque.Blocchi(70, 90);
    ASSERT_FALSE(b.empty());
    EXPECT_EQ(b.front().esterno, 70);
    EXPECT_EQ(b.front().secondo, 90);
    b = cinque.Blocchi(70, 999);
    EXPECT_EQ(b.front().secondo, cinque.InizioSecondo(70));
    EXPECT_EQ(b.front().secondo, 50);
    b = cinque.Blocchi(70, -5);
    EXPECT_EQ(b.front().secondo, 50);
    EXPECT_EQ(cinque.Blocchi(20, 0).front().esterno, 50); // below the loop: its lower bound
}

TEST(RicercaPercentuali, InserimentoConParita) {
    TrovatePercentuali l = ListaPercentualiIniziale(0.5f);
    EXPECT_EQ(InserisciTrovataPercentuali(l, 0.5f, P(1, 1)), -1); // not strictly better
    EXPECT_EQ(InserisciTrovataPercentuali(l, 0.6f, P(2, 2)), 0);
    TrovatePercentuali m;
    const float p[10] = {0.9f, 0.8f, 0.7f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f, 0.1f, 0.05f};
    for (int i = 0; i < 10; ++i) m[static_cast<std::size_t>(i)] = {p[i], P(60 + i, 60)};
    // Equal to slot 3: goes after it, into slot 4; the tenth is lost.
    EXPECT_EQ(InserisciTrovataPercentuali(m, 0.6f, P(99, 99)), 4);
    EXPECT_EQ(m[3].percentuali, P(63, 60));
    EXPECT_EQ(m[4].percentuali, P(99, 99));
    EXPECT_EQ(m[5].percentuali, P(64, 60));
    EXPECT_EQ(m[9].percentuali, P(68, 60));
    // Equal to the tenth: dropped.
    EXPECT_EQ(InserisciTrovataPercentuali(m, 0.1f, P(98, 98)), -1);
    EXPECT_EQ(InserisciTrovataPercentuali(m, 0.95f, P(97, 97)), 0);
}

TEST(ValutatorePercentuali, IdenticoAlMotoreBitPerBit) {
    for (std::uint64_t seme : {3u, 11u}) {
        for (bool filtro : {false, true}) {
            if (seme == 11 && filtro) continue;
            Fixture f(seme, filtro);
            for (const auto& insieme : kInsiemi) {
                f.Applica(insieme);
                SCOPED_TRACE(std::string(insieme.nome) + " seme " + std::to_string(seme) +
                             (filtro ? " con filtro" : ""));
                const int n = f.c.config.giornateAnalisi;
                // A reduced grid of the search (step 15 over 50..150; for
                // five matchdays a window of width 20, step 5); the last
                // group of lanes is seldom full.
                Percentuali partenza = {};
                for (int k = 0; k < n; ++k) partenza[static_cast<std::size_t>(k)] = 100;
                const EnumerazionePercentuali en(n, partenza, n == 5 ? 5 : n == 2 ? 1 : 15, n == 5 ? 20 : 100);
                auto candidati = Tutti(en, en.Blocchi());
                ASSERT_GT(candidati.size(), 10u);
                ValutatorePercentuali v(f.c);
                ASSERT_TRUE(v.rapido());
                std::vector<float> prec(candidati.size(), -9.0f);
                std::unique_ptr<bool[]> ok(new bool[candidati.size()]);
                v.Valuta(candidati.data(), static_cast<int>(candidati.size()), prec.data(), ok.get());
                int riusciti = 0;
                for (std::size_t i = 0; i < candidati.size(); ++i) {
                    float atteso = -1.0f;
                    const bool okAtteso = f.Semplice(candidati[i], atteso);
                    ASSERT_EQ(ok[i], okAtteso) << i;
                    if (!okAtteso) continue;
                    ++riusciti;
                    ASSERT_EQ(Bit(prec[i]), Bit(atteso)) << i;
                }
                EXPECT_GT(riusciti, 0);
                EXPECT_EQ(v.valutatiSemplici(), 0);
            }
        }
    }
}

TEST(RicercaPercentuali, RapidaSempliceEThreadDannoLaStessaLista) {
    Fixture f(5, false);
    int migliorate = 0;
    for (const auto& insieme : kInsiemi) {
        f.Applica(insieme);
        SCOPED_TRACE(insieme.nome);
        const int n = f.c.config.giornateAnalisi;
        ImpostazioniRicercaPercentuali imp;
        imp.passo = n >= 4 ? 10 : 3;
        imp.ampiezza = n == 5 ? 40 : 100;
        float j = -1.0f;
        Percentuali corrente;
        std::copy(std::begin(f.c.config.percentualiImportanza),
                  std::end(f.c.config.percentualiImportanza), corrente.begin());
        if (!f.Semplice(corrente, j)) j = -1.0f;
        const auto iniziale = ListaPercentualiIniziale(j);

        // What one plain evaluation after the other, inserted in order, leaves.
        TrovatePercentuali attesa = iniziale;
        Percentuali partenza = {};
        std::copy(corrente.begin(), corrente.end(), partenza.begin());
        const EnumerazionePercentuali en(n, partenza, imp.passo, imp.ampiezza);
        long numero = 0;
        for (const auto& w : Tutti(en, en.Blocchi())) {
            float p;
            ++numero;
            if (f.Semplice(w, p)) InserisciTrovataPercentuali(attesa, p, w);
        }
        std::copy(corrente.begin(), corrente.end(), f.c.config.percentualiImportanza);

        for (int thread : {1, 2}) {
            for (bool semplice : {false, true}) {
                imp.thread = thread;
                imp.semplice = semplice;
                const auto e = Cerca(f.c, imp, iniziale);
                EXPECT_TRUE(e.completata);
                EXPECT_EQ(e.candidati, numero);
                for (int i = 0; i < kAnalisiTrovate; ++i) {
                    EXPECT_EQ(Bit(e.trovate[static_cast<std::size_t>(i)].precisione),
                              Bit(attesa[static_cast<std::size_t>(i)].precisione))
                        << "slot " << i << " thread " << thread << " semplice " << semplice;
                    EXPECT_EQ(e.trovate[static_cast<std::size_t>(i)].percentuali,
                              attesa[static_cast<std::size_t>(i)].percentuali);
                }
            }
        }
        migliorate += attesa[0].percentuali[0] != 0;
    }
    EXPECT_GT(migliorate, 2) << "the fixture should find better analyses";
}

TEST(RicercaPercentuali, InterrottaERipresaDaIlRisultatoCompleto) {
    Fixture f(9, false);
    for (int n : {2, 5}) {
        f.Applica(kInsiemi[0]);
        f.c.config.giornateAnalisi = static_cast<std::int16_t>(n);
        for (int k = 0; k < 5; ++k) f.c.config.percentualiImportanza[k] = k < n ? 100 : 0;
        ImpostazioniRicercaPercentuali imp;
        imp.passo = n == 2 ? 1 : 10;
        imp.thread = 2;
        const auto iniziale = ListaPercentualiIniziale(0.0f);
        const auto intera = Cerca(f.c, imp, iniziale);
        ASSERT_TRUE(intera.completata);

        // Only the calling thread reports progress, so with a helper thread
        // the seventh report may come after the last block: stop a
        // one-thread run, whose reports follow the blocks one by one, and
        // resume it on two threads.
        imp.thread = 1;
        const auto fermata = Cerca(f.c, imp, iniziale, 7);
        imp.thread = 2;
        ASSERT_FALSE(fermata.completata);
        EXPECT_LT(fermata.candidati, intera.candidati);
        if (n == 2) {
            // The pair being processed: the outer loop value is w[1].
            EXPECT_GE(fermata.ripresa, 50 + 6);
            EXPECT_EQ(fermata.candidati, fermata.ripresa - 50);
        }
        imp.ripresa = fermata.ripresa;
        imp.ripresaSecondo = fermata.ripresaSecondo;
        const auto ripresa = Cerca(f.c, imp, fermata.trovate);
        ASSERT_TRUE(ripresa.completata);
        EXPECT_EQ(fermata.candidati + ripresa.candidati, intera.candidati) << n;
        EXPECT_EQ(ripresa.trovate, intera.trovate) << n;
    }
}
