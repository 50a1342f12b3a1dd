// The betting manager's operations on real estimates: adding events with the
// calculated double chances, the probability floor, the recompute when the
// analysis changes and its failure, the insertion order, and the odds file.
#include "app/DatiGlobali.h"
#include "betting/ArchivioSettimane.h"
#include "betting/FileQuote.h"
#include "betting/RicalcolaEventi.h"
#include "betting/ScommessaMgr.h"
#include "betting/SelezioneScommesse.h"
#include "dati/GeneratoreStagioni.h"

#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <cmath>

using namespace veltra;
using namespace veltra::test;

namespace {

std::unique_ptr<DatiGlobali> DueCampionati() {
    auto d = std::make_unique<DatiGlobali>();
    OpzioniGenerazione o;
    o.stagioni = 4;
    GeneraStagioni(d->campionato(0), o);
    o.seme = 7;
    GeneraStagioni(d->campionato(1), o);
    return d;
}

const std::string& Squadra(const DatiGlobali& d, int c, int i) {
    return d.campionato(c).squadreCorrenti().nomi[i];
}

// Adds the match of teams (2k, 2k+1) of championship c with the given odds
// and the engine's probabilities.
void Aggiungi(DatiGlobali& d, int c, int k, std::array<float, 6> quote) {
    ASSERT_TRUE(AggiornaStimeScommesse(d, c));
    const auto p = StimaEvento(d, c, 2 * k, 2 * k + 1);
    ASSERT_TRUE(p);
    ASSERT_TRUE(d.scommesse.AggiungiEvento(c, d.campionato(c).numeroIncontriCorrenti(),
                                           Squadra(d, c, 2 * k), Squadra(d, c, 2 * k + 1), quote,
                                           (*p)[0], (*p)[1], (*p)[2]));
}

ScommessaMgr Settimana(DatiGlobali& d) {
    d.scommesse.Azzera();
    Aggiungi(d, 0, 0, {2.10f, 3.20f, 3.60f, 0, 0, 0});
    Aggiungi(d, 0, 1, {1.55f, 3.90f, 6.00f, 1.15f, 1.25f, 0});
    Aggiungi(d, 1, 2, {2.60f, 2.90f, 2.80f, 0, 1.35f, 1.40f});
    return d.scommesse;
}

} // namespace

TEST(ScommessaMgr, DoppieCalcolateTraQuotaSingolaEQuotata) {
    struct Caso {
        float q1, qX, q1X;
        float attesa;     // calculated 1X
        bool probQuotata; // its probability is the quoted 1X's
    } casi[] = {
        {2.00f, 3.00f, 0, 1.2f, false},     // 2·3/5
        {2.00f, 3.00f, 1.25f, 1.25f, true}, // the quoted one is better
        {1.10f, 8.00f, 0, 0, false},        // 0.967 <= 1: not offered
        {1.10f, 8.00f, 1.05f, 1.05f, true},
        {0, 3.00f, 0, 0, false},            // a single missing
    };
    for (const Caso& c : casi) {
        ScommessaMgr m;
        ASSERT_TRUE(m.AggiungiEvento(3, 77, "A", "B", {c.q1, c.qX, 2.5f, c.q1X, 0, 0}, 0.5f,
                                     0.3f, 0.2f));
        const Evento& e = m.eventi[0];
        SCOPED_TRACE(c.q1X);
        EXPECT_NEAR(e.quote[kCalcolata1X], c.attesa, 1e-6);
        EXPECT_FLOAT_EQ(e.prob[kCalcolata1X], c.attesa == 0 ? 0 : 0.8f);
        EXPECT_FLOAT_EQ(e.prob[kQuota1X], c.q1X == 0 ? 0 : 0.8f);
        EXPECT_FLOAT_EQ(e.prob[kQuota1], c.q1 == 0 ? 0 : 0.5f);
        for (int k = 0; k < kVociQuota; ++k)
            EXPECT_EQ(e.equita[k], e.prob[k] * e.quote[k]);
        (void)c.probQuotata;
        EXPECT_EQ(m.conEventi[3], 1);
        EXPECT_TRUE(m.inclusi[3]);
        EXPECT_EQ(m.giornata[3], 77);
    }
}

TEST(ScommessaMgr, CentottantaEventiAlPiu) {
    ScommessaMgr m;
    for (int i = 0; i < kMaxEventi; ++i)
        ASSERT_TRUE(m.AggiungiEvento(0, 1, "A", "B", {2, 3, 4, 0, 0, 0}, 0.4f, 0.3f, 0.3f));
    m.scommesse.resize(3);
    const ScommessaMgr prima = m;
    EXPECT_FALSE(m.AggiungiEvento(0, 1, "C", "D", {2, 3, 4, 0, 0, 0}, 0.4f, 0.3f, 0.3f));
    EXPECT_EQ(m, prima);
    EXPECT_EQ(m.eventi[179].numero, 179);
}

TEST(ScommessaMgr, MinimoDelleProbabilita) {
    // Values in (0, 1) pass as they are; one at or below 0 becomes 0.01 and
    // one at or above 1 becomes 0.99, the others each taking half of the
    // difference; the passes go on until all three are in range.
    struct Caso {
        std::array<float, 3> p, attese;
    } casi[] = {
        {{0.5f, 0.3f, 0.2f}, {0.5f, 0.3f, 0.2f}},
        {{0.55f, -0.02f, 0.47f}, {0.55f - 0.015f, 0.01f, 0.47f - 0.015f}},
        {{1.04f, 0.2f, 0.1f}, {0.99f, 0.2f + 0.025f, 0.1f + 0.025f}},
        // The third's correction pushes the first below 0 again, and the
        // second stays above 1: two more corrections.
        {{0.0f, 1.2f, -0.2f}, {0.01f, 0.960625f, 0.029375f}},
    };
    for (const Caso& c : casi) {
        std::array<float, 3> p = c.p;
        MinimoProbabilita(p);
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(p[k], c.attese[k], 2e-6f) << c.p[0] << " " << c.p[1] << " " << c.p[2] << " k=" << k;
    }
    // Whatever a model gives with a sum of 1, the three end inside (0, 1)
    // and still sum to 1.
    for (float a = -0.6f; a <= 1.6f; a += 0.1f)
        for (float b = -0.6f; b <= 1.6f; b += 0.1f) {
            std::array<float, 3> p = {a, b, 1 - a - b};
            MinimoProbabilita(p);
            for (float x : p) {
                EXPECT_GT(x, 0) << a << " " << b;
                EXPECT_LT(x, 1) << a << " " << b;
            }
            EXPECT_NEAR(p[0] + p[1] + p[2], 1.0f, 1e-5f) << a << " " << b;
        }
}

// Weeks written before the bounds held on both sides carry estimates above 1
// and below 0: read back (odds file or archived week) they are brought
// inside, their doubles and equities following, and even open limits then
// select them. An event without all three single odds stays as stored.
TEST(ScommessaMgr, ProbabilitaFuoriIntervalloCorretteNelleSettimaneSalvate) {
    ScommessaMgr m;
    m.AggiungiEvento(0, 1, "Alta", "Bassa", {1.9f, 3.5f, 4.0f, 1.2f, 0, 1.6f}, 1.07f, -0.02f, -0.05f);
    m.AggiungiEvento(0, 1, "Casa", "Ospite", {2.0f, 3.2f, 3.6f, 0, 0, 0}, 0.5f, 0.28f, 0.22f);
    m.AggiungiEvento(0, 1, "Senza", "Pari", {1.5f, 0, 5.0f, 0, 0, 0}, 1.1f, -0.04f, -0.06f);
    m.eventi[0].esito = '1', m.eventi[1].esito = '2', m.eventi[2].esito = '1';
    const auto daQuote = LeggiQuote(ScriviQuote(m));
    ASSERT_TRUE(daQuote);
    std::array<bool, kNumeroCampionati> tutti{};
    tutti.fill(true);
    const std::vector<Evento> daSettimana = LeggiSettimana(TestoSettimana(m), tutti);
    ASSERT_EQ(daSettimana.size(), 3u);
    for (const Evento* e : {&daQuote->eventi[0], &daSettimana[0]}) {
        for (int k = 0; k < 3; ++k) {
            EXPECT_GT(e->prob[k], 0);
            EXPECT_LT(e->prob[k], 1);
        }
        EXPECT_NEAR(e->prob[0] + e->prob[1] + e->prob[2], 1.0f, 1e-5f);
        EXPECT_FLOAT_EQ(e->prob[kQuota1X], e->prob[0] + e->prob[1]);
        EXPECT_EQ(e->prob[kQuota12], 0); // not offered
        EXPECT_FLOAT_EQ(e->prob[kQuotaX2], e->prob[1] + e->prob[2]);
        for (int k = 0; k < kVociQuota; ++k)
            EXPECT_FLOAT_EQ(e->equita[k], e->prob[k] * e->quote[k]) << k;
    }
    // In range, or missing an odds: as stored (six decimals).
    EXPECT_NEAR(daQuote->eventi[1].prob[0], 0.5f, 1e-6f);
    EXPECT_NEAR(daSettimana[2].prob[0], 1.1f, 1e-6f);
    EXPECT_NEAR(daQuote->eventi[2].prob[2], -0.06f, 1e-6f);

    // Open limits on sign 1 by probability: both complete events selected.
    ScommessaMgr aperta = *daQuote;
    aperta.minProb1 = aperta.minProbX = aperta.minProb2 = 0;
    aperta.maxProb1 = aperta.maxProbX = aperta.maxProb2 = 1;
    aperta.minEquita = 0, aperta.maxEquita = 10, aperta.minQuota = 1, aperta.maxQuota = 100;
    OrdinaEventi(aperta, 1, 0);
    EXPECT_EQ(aperta.nSelezionati, 2);
}

TEST(ScommessaMgr, RipristinaOrdineRiportaLOrdineDiInserimento) {
    ScommessaMgr m;
    for (const char* n : {"A", "B", "C", "D"})
        m.AggiungiEvento(0, 1, n, "Z", {2, 3, 4, 0, 0, 0}, 0.4f, 0.3f, 0.3f);
    std::swap(m.eventi[0], m.eventi[3]);
    std::swap(m.eventi[1], m.eventi[100]); // an empty slot moved among the events
    m.RipristinaOrdine();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(m.eventi[i].numero, i);
    EXPECT_EQ(m.eventi[0].casa, "A");
    EXPECT_TRUE(m.eventi[4].vuoto());
}

TEST(RicalcolaEventi, SegueLAnalisiCorrenteESvuotaLeScommesse) {
    auto d = DueCampionati();
    const ScommessaMgr prima = Settimana(*d);
    d->scommesse.scommesse.resize(2);
    // Another analysis of Serie A: its events change, Serie B's do not.
    d->campionato(0).config.giornateAnalisi = 3;
    d->campionatoCorrente = 5;
    MessaggiRegistrati msg;
    ASSERT_TRUE(RicalcolaEventi(d->scommesse, *d, &msg));
    EXPECT_TRUE(msg.mostrati.empty());
    EXPECT_EQ(d->campionatoCorrente, 5);
    EXPECT_EQ(d->scommesse.nScommesse(), 0);
    const ScommessaMgr& dopo = d->scommesse;
    EXPECT_NE(dopo.eventi[0].prob, prima.eventi[0].prob);
    EXPECT_EQ(dopo.eventi[2].prob, prima.eventi[2].prob);
    EXPECT_EQ(dopo.eventi[0].quote, prima.eventi[0].quote);
    // Not offered stays at probability 0.
    EXPECT_EQ(dopo.eventi[0].prob[kQuota1X], 0);
    for (int k = 0; k < kVociQuota; ++k)
        EXPECT_EQ(dopo.eventi[1].equita[k], dopo.eventi[1].prob[k] * dopo.eventi[1].quote[k]);
    // Back to the first analysis: exactly the probabilities of the entry.
    d->campionato(0).config.giornateAnalisi = 2;
    ASSERT_TRUE(RicalcolaEventi(d->scommesse, *d, &msg));
    EXPECT_EQ(d->scommesse, prima);
}

TEST(RicalcolaEventi, SoloGliEventiNonPiuStimabiliSonoTolti) {
    // Serie A (0) and B (1) have data; championship 2 has none and cannot be
    // estimated. Each case spoils some events of the week; only those go.
    struct Caso {
        const char* nome;
        std::function<void(ScommessaMgr&)> guasta;
        std::vector<int> tenuti; // indices in the week as made
    } casi[] = {
        {"squadra sconosciuta", [](ScommessaMgr& m) { m.eventi[1].trasferta = "Sconosciuta"; }, {0, 2}},
        {"campionato senza stime",
         [](ScommessaMgr& m) {
             m.AggiungiEvento(2, 0, "Alfa", "Beta", {2, 3, 4, 0, 0, 0}, 0.4f, 0.3f, 0.3f);
         },
         {0, 1, 2}},
        {"tutti",
         [](ScommessaMgr& m) {
             for (int i = 0; i < m.nEventi; ++i) m.eventi[i].casa = "Nessuno";
         },
         {}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        auto d = DueCampionati();
        const ScommessaMgr settimana = Settimana(*d);
        c.guasta(d->scommesse);
        // The kept ones in another slot order: the insertion order survives.
        std::swap(d->scommesse.eventi[0], d->scommesse.eventi[2]);
        const ScommessaMgr prima = d->scommesse;
        d->scommesse.scommesse.resize(2);
        d->datiModificati = 0;
        MessaggiRegistrati msg;
        std::vector<std::string> scartati;
        EXPECT_FALSE(RicalcolaEventi(d->scommesse, *d, &msg, &scartati));
        EXPECT_EQ(d->datiModificati, 1);
        EXPECT_EQ(d->scommesse.nScommesse(), 0);
        ASSERT_EQ(msg.mostrati.size(), 1u);
        const ScommessaMgr& m = d->scommesse;
        ASSERT_EQ(m.nEventi, static_cast<int>(c.tenuti.size()));
        ASSERT_EQ(scartati.size(), static_cast<std::size_t>(prima.nEventi) - c.tenuti.size());
        if (c.tenuti.empty()) {
            EXPECT_EQ(msg.testi()[0], kEventiNonRicalcolabili);
            EXPECT_EQ(m, ScommessaMgr{});
            continue;
        }
        std::string atteso = kEventiNonRicalcolati;
        for (const std::string& e : scartati)
            atteso += "\n" + e;
        EXPECT_EQ(msg.testi()[0], atteso);
        for (const std::string& e : scartati)
            EXPECT_TRUE(e.find("Sconosciuta") != std::string::npos || e == "Alfa-Beta (Serie C1)") << e;
        // Kept events: their odds and probabilities as the analysis gives
        // them, their order restorable, the empty slots after them.
        ScommessaMgr ordinato = m;
        ordinato.RipristinaOrdine();
        for (std::size_t k = 0; k < c.tenuti.size(); ++k) {
            const Evento& e = ordinato.eventi[k];
            const Evento& s = settimana.eventi[static_cast<std::size_t>(c.tenuti[k])];
            EXPECT_EQ(e.numero, static_cast<int>(k));
            EXPECT_EQ(e.casa, s.casa);
            EXPECT_EQ(e.quote, s.quote);
            EXPECT_EQ(e.prob, s.prob);
        }
        EXPECT_TRUE(m.eventi[c.tenuti.size()].vuoto());
    }
}

TEST(FileQuote, AndataERitornoByteEsatti) {
    auto d = DueCampionati();
    Settimana(*d);
    d->scommesse.eventi[2].data = "12/03/2006 15:00";
    d->scommesse.minProbDoppia = 0.85f;
    d->scommesse.tipoPronostico = 12;
    CartellaTemporanea dir;
    MessaggiRegistrati msg;
    ASSERT_TRUE(SalvaQuote(d->scommesse, dir / "a.QUO", msg));
    const std::string testo = LeggiTesto(dir / "a.QUO");
    // Always 180 event lines after the 43 of the head.
    EXPECT_EQ(std::count(testo.begin(), testo.end(), '\n'), 4 + 19 + 19 + 180);
    EXPECT_EQ(testo.substr(0, 8), "p 3 12 \n");
    EXPECT_NE(testo.find(" 12/03/2006_15:00\n"), std::string::npos);
    ScommessaMgr caricato;
    ASSERT_TRUE(CaricaQuote(caricato, dir / "a.QUO", *d, msg));
    EXPECT_TRUE(msg.mostrati.empty());
    EXPECT_EQ(caricato.nEventi, 3);
    EXPECT_EQ(caricato.eventi[2].data, "12/03/2006 15:00");
    // The text read and written again is the same text, byte for byte.
    const auto letto = LeggiQuote(testo);
    ASSERT_TRUE(letto);
    EXPECT_EQ(ScriviQuote(*letto), testo);
    // Loading recomputes the equities from the odds as written (six
    // decimals), so the first reload may move a last digit; from then on a
    // week saved and loaded under the same analysis stays the same.
    ASSERT_TRUE(SalvaQuote(caricato, dir / "b.QUO", msg));
    ScommessaMgr ancora;
    ASSERT_TRUE(CaricaQuote(ancora, dir / "b.QUO", *d, msg));
    EXPECT_EQ(ScriviQuote(ancora), LeggiTesto(dir / "b.QUO"));
}

TEST(FileQuote, SenzaVirgoleDecimaliInQualunqueLocale) {
    ScommessaMgr m;
    m.AggiungiEvento(0, 1, "A", "B", {2.5f, 3, 4, 0, 0, 0}, 0.4f, 0.3f, 0.3f);
    const std::string c = ScriviQuote(m);
    if (!std::setlocale(LC_NUMERIC, "it_IT.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "nessun locale con la virgola decimale";
    const std::string l = ScriviQuote(m);
    const auto letto = LeggiQuote(l);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(l, c);
    ASSERT_TRUE(letto);
    EXPECT_EQ(letto->eventi[0].quote[0], 2.5f);
}

TEST(FileQuote, FileCorrottiRifiutatiSenzaToccareGliEventi) {
    auto d = DueCampionati();
    const ScommessaMgr settimana = Settimana(*d);
    const std::string buono = ScriviQuote(settimana);
    auto sostituisci = [&](const std::string& da, const std::string& a) {
        std::string t = buono;
        t.replace(t.find(da), da.size(), a);
        return t;
    };
    const std::string nomeLungo = Squadra(*d, 0, 0);
    struct Caso {
        const char* cosa;
        std::string testo;
    } casi[] = {
        {"200 eventi", sostituisci("p 3 0 ", "p 200 0 ")},
        {"eventi negativi", sostituisci("p 3 0 ", "p -1 0 ")},
        {"troncato", buono.substr(0, buono.size() - 40)},
        {"vuoto", ""},
        {"nome di 16", sostituisci(" " + nomeLungo + " ", " SquadraLunga16ch ")},
        {"numero illeggibile", sostituisci("2.100000", "2,100000")},
        {"campionato 19", sostituisci("\n1 0 ", "\n1 19 ")},
        {"evento vuoto tra gli inseriti", sostituisci("\n2 1 ", "\n180 -1 ")},
        {"non un numero", sostituisci("3.200000", "nan")},
    };
    CartellaTemporanea dir;
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.cosa);
        ASSERT_NE(c.testo, buono);
        ScriviTesto(dir / "c.QUO", c.testo);
        d->scommesse = settimana;
        d->scommesse.scommesse.resize(4);
        const ScommessaMgr prima = d->scommesse;
        MessaggiRegistrati msg;
        EXPECT_FALSE(CaricaQuote(d->scommesse, dir / "c.QUO", *d, msg));
        EXPECT_EQ(msg.testi(), std::vector<std::string>{kErroreCaricamentoQuote});
        EXPECT_EQ(d->scommesse, prima);
    }
    MessaggiRegistrati msg;
    EXPECT_FALSE(CaricaQuote(d->scommesse, dir / "manca.QUO", *d, msg));
    EXPECT_EQ(msg.testi(), std::vector<std::string>{kErroreAperturaQuote});
    // A folder that cannot take the file.
    EXPECT_FALSE(SalvaQuote(settimana, dir / "no" / "x.QUO", msg));
    EXPECT_EQ(msg.testi().back(), kErroreAperturaQuote);
}

TEST(FileQuote, ProbabilitaRicalcolateConLAnalisiDelCaricamento) {
    auto d = DueCampionati();
    const ScommessaMgr settimana = Settimana(*d);
    CartellaTemporanea dir;
    MessaggiRegistrati msg;
    ASSERT_TRUE(SalvaQuote(settimana, dir / "s.QUO", msg));
    d->campionato(0).config.giornateAnalisi = 3;
    ScommessaMgr m;
    ASSERT_TRUE(CaricaQuote(m, dir / "s.QUO", *d, msg));
    EXPECT_NE(m.eventi[0].prob, settimana.eventi[0].prob);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(m.eventi[0].quote[k], settimana.eventi[0].quote[k]);
}

TEST(FileQuote, NomeProposto) {
    std::tm t{};
    t.tm_mday = 5, t.tm_mon = 2, t.tm_year = 106, t.tm_hour = 9, t.tm_min = 7, t.tm_sec = 3;
    EXPECT_EQ(NomeProposto(t), "05-03-2006 09h07m03s");
}
