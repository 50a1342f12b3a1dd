// The betting manager as the configuration archive holds it.
#include "betting/ScommessaMgr.h"

#include "pools/RecordTestSupporto.h"

#include <gtest/gtest.h>

namespace veltra::test {
namespace {

Evento EventoPieno(int i) {
    Evento e;
    e.numero = i;
    e.campionato = static_cast<std::int16_t>(i % 19);
    e.casa = "Casa" + std::to_string(i);
    e.trasferta = "Trasferta" + std::to_string(i);
    for (int k = 0; k < kVociQuota; ++k) {
        e.quote[k] = 1.0f + k + i;
        e.prob[k] = 0.01f * (k + 1);
        e.equita[k] = 2.0f + k;
    }
    e.data = "12/03/2006 15:00";
    return e;
}

ScommessaMgr ManagerPieno() {
    ScommessaMgr m;
    m.nEventi = 3;
    m.tipoPronostico = 13;
    m.minProb1 = 0.1f, m.minProbX = 0.2f, m.minProb2 = 0.3f;
    m.maxProb1 = 0.7f, m.maxProbX = 0.8f, m.maxProb2 = 0.9f;
    m.minEquita = 1.05f, m.maxEquita = 1.9f, m.minQuota = 1.2f, m.maxQuota = 7.5f;
    m.minProbDoppia = 0.85f;
    m.doppieCalcolate = 1;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        m.conEventi[c] = c % 3 == 0;
        m.giornata[c] = 100 * c + 7;
        m.inclusi[c] = c % 2 == 0; // not the same as conEventi, to show both are kept
    }
    for (int i = 0; i < 3; ++i)
        m.eventi[i] = EventoPieno(i);
    return m;
}

Byte EventoNuovo() {
    Byte b;
    b.i32(180).i16(-1).str("---------------").str("---------------");
    for (int k = 0; k < 27; ++k)
        b.f32(0);
    b.str("-");
    return b;
}

Byte TestaNuova(bool conInclusi) {
    Byte b;
    b.i32(0).i32(0);
    for (int k = 0; k < 7; ++k)
        b.f32(0);
    b.i16(0);
    for (int k = 0; k < 4; ++k)
        b.f32(0);
    for (int c = 0; c < kNumeroCampionati; ++c)
        b.i32(0).i32(0);
    if (conInclusi)
        for (int c = 0; c < kNumeroCampionati; ++c)
            b.u8(0);
    return b;
}

// Every cut in the head and the first four events, in the last event, and
// around the start and the middle of every other event: every prefix of all
// 180 would take long under the sanitizers and add nothing.
std::vector<std::size_t> TagliDelManager(std::size_t testa) {
    const std::size_t evento = 148, fine = testa + evento * kMaxEventi;
    std::vector<std::size_t> tagli;
    for (std::size_t t = 0; t < testa + 4 * evento; ++t)
        tagli.push_back(t);
    for (int i = 4; i < kMaxEventi - 1; ++i)
        for (std::size_t d : {evento - 1, evento + 1, evento + evento / 2})
            tagli.push_back(testa + i * evento + d - evento);
    for (std::size_t t = fine - evento; t < fine; ++t)
        tagli.push_back(t);
    return tagli;
}

TEST(ScommessaMgr, AndataRitornoConOgniCampoValorizzato) {
    VerificaAndataRitorno(EventoPieno(4));
    VerificaAndataRitorno(ManagerPieno());
}

TEST(ScommessaMgr, NuovoCampoPerCampo) {
    Byte b = TestaNuova(true);
    for (int i = 0; i < kMaxEventi; ++i)
        b += EventoNuovo();
    EXPECT_EQ(Scrivi(ScommessaMgr{}), b.dati());
    EXPECT_EQ(b.dati().size(), 26865u);
}

TEST(ScommessaMgr, TestaEdEventoCampoPerCampo) {
    Byte testa;
    testa.i32(3).i32(13);
    for (float f : {0.1f, 0.2f, 0.3f, 0.7f, 0.8f, 0.9f, 0.85f})
        testa.f32(f);
    testa.i16(1);
    for (float f : {1.05f, 1.9f, 1.2f, 7.5f})
        testa.f32(f);
    for (int c = 0; c < kNumeroCampionati; ++c)
        testa.i32(c % 3 == 0).i32(100 * c + 7);
    for (int c = 0; c < kNumeroCampionati; ++c)
        testa.u8(c % 2 == 0);
    const auto atteso = testa.dati();
    const auto scritto = Scrivi(ManagerPieno());
    ASSERT_GE(scritto.size(), atteso.size());
    EXPECT_TRUE(std::equal(atteso.begin(), atteso.end(), scritto.begin()));

    // Odds, probabilities and equities of 1, X, 2, then of the quoted
    // doubles, then of the calculated ones.
    Byte evento;
    evento.i32(2).i16(2).str("Casa2").str("Trasferta2");
    for (int gruppo = 0; gruppo < 9; gruppo += 3) {
        for (int k = gruppo; k < gruppo + 3; ++k)
            evento.f32(1.0f + k + 2);
        for (int k = gruppo; k < gruppo + 3; ++k)
            evento.f32(0.01f * (k + 1));
        for (int k = gruppo; k < gruppo + 3; ++k)
            evento.f32(2.0f + k);
    }
    evento.str("12/03/2006 15:00");
    EXPECT_EQ(Scrivi(EventoPieno(2)), evento.dati());
}

TEST(ScommessaMgr, FinoAllaVersioneMSenzaInclusi) {
    // The flags follow from the championships that take part.
    Byte b = TestaNuova(false);
    for (int i = 0; i < kMaxEventi; ++i)
        b += EventoNuovo();
    auto dati = b.dati();
    EXPECT_EQ(dati.size(), 26846u);
    dati[54 + 8 * 4] = 1; // conEventi of championship 4
    dati[54 + 8 * 18] = 2;
    for (std::uint8_t v : {std::uint8_t{'m'}, std::uint8_t{'a'}}) {
        const ScommessaMgr m = Leggi<ScommessaMgr>(dati, v);
        for (int c = 0; c < kNumeroCampionati; ++c)
            EXPECT_EQ(m.inclusi[c], c == 4 || c == 18) << c;
        VerificaTroncature(dati, ManagerPieno(), v, TagliDelManager(206));
    }
}

TEST(ScommessaMgr, LaLetturaRiparteDaUnManagerVuoto) {
    ScommessaMgr m = ManagerPieno();
    m.nSelezionati = 5;
    m.scommesse.resize(3);
    m.eventi[0].esito = '1';
    LeggiSu(m, Scrivi(ManagerPieno()));
    EXPECT_EQ(m.nSelezionati, 0);
    EXPECT_EQ(m.nScommesse(), 0);
    EXPECT_EQ(m.eventi[0].esito, '?');
}

TEST(ScommessaMgr, NomiTagliatiAQuindiciCaratteri) {
    Evento e = EventoPieno(1);
    e.casa = "Borussia Mönchengladbach";
    const Evento letto = Leggi<Evento>(Scrivi(e));
    EXPECT_EQ(letto.casa, "Borussia Mönche");
}

TEST(ScommessaMgr, ValoriImpossibiliRifiutati) {
    struct Caso {
        const char* nome;
        std::size_t posizione;
        std::int32_t valore;
        int larghezza;
    };
    const std::size_t ultimoEvento = 225 + 148 * 179;
    const Caso casi[] = {
        {"181 eventi", 0, 181, 4},
        {"eventi negativi", 0, -1, 4},
        {"tipo 14", 4, 14, 4},
        {"tipo negativo", 4, -1, 4},
        {"campionato 19", ultimoEvento + 4, 19, 2},
        {"campionato -2", 225 + 4, -2, 2},
    };
    const ScommessaMgr destinazione = ManagerPieno();
    for (const Caso& c : casi) {
        auto b = Scrivi(ScommessaMgr{});
        for (int i = 0; i < c.larghezza; ++i)
            b[c.posizione + i] = static_cast<std::uint8_t>(c.valore >> (8 * i));
        SCOPED_TRACE(c.nome);
        VerificaRifiuto(b, destinazione);
    }
    // The limits themselves are accepted.
    ScommessaMgr m;
    m.nEventi = kMaxEventi;
    m.tipoPronostico = kTipiPronostico - 1;
    VerificaAndataRitorno(m);
}

TEST(ScommessaMgr, TroncaturaInOgniCampo) {
    VerificaTroncature(Scrivi(ManagerPieno()), ScommessaMgr{}, 'p', TagliDelManager(225));
}

} // namespace
} // namespace veltra::test
