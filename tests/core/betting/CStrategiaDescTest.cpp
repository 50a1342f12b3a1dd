// Strategies and their list as Strategie.VLT (or an old configuration
// archive) holds them.
#include "betting/CStrategiaDesc.h"

#include "pools/RecordTestSupporto.h"

#include <gtest/gtest.h>

namespace veltra::test {
namespace {

CStrategiaDesc StrategiaPiena() {
    CStrategiaDesc s;
    s.daRicerca = true;
    s.bookmaker = 4;
    s.tipoGiocata = 11;
    s.segnoRicerca = 'x';
    s.ordinamento = 3;
    s.maxRendimento = true;
    s.gruppoCampionati = "A B FR ";
    s.numero = 41;
    s.nome = "Multipla da 2 (A-B-FR)";
    s.descrizione = "Rendimento 12,5%\r\nperò con ritardo";
    for (int i = 0; i < 2; ++i) {
        EventoStrategia e;
        e.tipo = static_cast<std::int16_t>(12 + i);
        e.posizione = static_cast<std::int16_t>(2 + i);
        e.minProb1 = 0.11f, e.minProbX = 0.12f, e.minProb2 = 0.13f;
        e.minEquita = 1.01f, e.maxEquita = 1.5f, e.minQuota = 1.3f, e.maxQuota = 4.5f;
        e.maxProb1 = 0.91f, e.maxProbX = 0.92f, e.maxProb2 = 0.93f;
        e.minProbDoppia = 0.8f + i * 0.01f;
        e.doppieCalcolate = 1;
        for (int c = 0; c < kNumeroCampionati; ++c)
            e.inclusi[c] = (c + i) % 3 == 0;
        s.eventiStrategia.push_back(e);
    }
    s.giocate = {{0, 1}, {1, 1, 0}};
    return s;
}

// The record above, field by field.
Byte StrategiaPienaAMano(bool ricerca, bool inclusi) {
    Byte b;
    if (ricerca) b.u8(1).i32(4).i32(11).u8('x').i32(3).u8(1).str("A B FR ");
    b.i32(41).str("Multipla da 2 (A-B-FR)").str("Rendimento 12,5%\r\nper\xF2 con ritardo");
    b.i16(2);
    for (int i = 0; i < 2; ++i) {
        b.i16(12 + i).i16(2 + i);
        for (float f : {0.11f, 0.12f, 0.13f, 1.01f, 1.5f, 1.3f, 4.5f, 0.91f, 0.92f, 0.93f})
            b.f32(f);
        b.f32(0.8f + i * 0.01f).i16(1);
    }
    b.i16(2).i16(2).i16(0).i16(1).i16(3).i16(1).i16(1).i16(0);
    if (inclusi)
        for (int i = 0; i < 2; ++i)
            for (int c = 0; c < kNumeroCampionati; ++c)
                b.u8((c + i) % 3 == 0);
    return b;
}

TEST(CStrategiaDesc, AndataRitornoConOgniCampoValorizzato) {
    VerificaAndataRitorno(StrategiaPiena());
    ListaStrategie l;
    l.strategie = {StrategiaPiena(), CStrategiaDesc{}, StrategiaPiena()};
    l.strategie[2].numero = 7;
    l.strategie[2].giocate.clear();
    VerificaAndataRitorno(l);
}

TEST(CStrategiaDesc, NuovaCampoPerCampo) {
    const auto nuova = Byte().u8(0).i32(0).i32(0).u8('1').i32(0).u8(0).str("");
    Byte comune;
    comune.i32(0).str("").str("").i16(0).i16(0);
    Byte v2 = nuova;
    v2 += comune;
    EXPECT_EQ(Scrivi(CStrategiaDesc{}), v2.dati());
    EXPECT_EQ(v2.dati().size(), 26u);

    Byte lista;
    lista.i32(2).i32(1);
    lista += v2;
    ListaStrategie l;
    l.strategie.resize(1);
    EXPECT_EQ(Scrivi(l), lista.dati());
    EXPECT_EQ(Scrivi(ListaStrategie{}), Byte().i32(2).i32(0).dati());
}

TEST(CStrategiaDesc, StrategiaCampoPerCampo) {
    // Each combination of record version and data version, read and written back.
    struct Caso {
        std::int32_t versioneStrategie;
        std::uint8_t versioneDati;
    };
    for (const Caso c : {Caso{2, 'p'}, Caso{1, 'p'}, Caso{0, 'p'}, Caso{2, 'n'}, Caso{1, 'm'},
                         Caso{0, 'm'}, Caso{0, 'a'}}) {
        SCOPED_TRACE(testing::Message() << c.versioneStrategie << " " << c.versioneDati);
        const bool ricerca = c.versioneStrategie != 0, inclusi = c.versioneDati >= 'n';
        Byte b;
        b.i32(c.versioneStrategie).i32(1);
        b += StrategiaPienaAMano(ricerca, inclusi);

        CStrategiaDesc attesa = StrategiaPiena();
        if (!ricerca) {
            const CStrategiaDesc vuota;
            attesa.daRicerca = vuota.daRicerca;
            attesa.bookmaker = vuota.bookmaker;
            attesa.tipoGiocata = vuota.tipoGiocata;
            attesa.segnoRicerca = vuota.segnoRicerca;
            attesa.ordinamento = vuota.ordinamento;
            attesa.maxRendimento = vuota.maxRendimento;
            attesa.gruppoCampionati = vuota.gruppoCampionati;
        }
        if (!inclusi)
            for (auto& e : attesa.eventiStrategia)
                e.inclusi.fill(true);

        ListaStrategie l;
        l.strategie = {StrategiaPiena()}; // fields absent on file must not survive
        l.versioneStrategie = 5;
        LeggiSu(l, b.dati(), c.versioneDati);
        EXPECT_EQ(l.versioneStrategie, c.versioneStrategie);
        ASSERT_EQ(l.strategie.size(), 1u);
        EXPECT_TRUE(l.strategie[0] == attesa);
        EXPECT_EQ(Scrivi(l, c.versioneDati), b.dati());
        VerificaTroncature(b.dati(), ListaStrategie{}, c.versioneDati);
    }
}

TEST(CStrategiaDesc, ValoriImpossibiliRifiutati) {
    ListaStrategie destinazione;
    destinazione.strategie = {StrategiaPiena()};
    const auto corretta = [] {
        Byte b;
        b.i32(2).i32(1);
        b += StrategiaPienaAMano(true, true);
        return b.dati();
    }();
    // Offsets in the list above.
    const std::size_t strategia = 8, eventi = strategia + 23 + 4 + 23 + 35, evento = eventi + 2,
                      giocate = evento + 2 * 50;
    struct Caso {
        const char* nome;
        std::size_t posizione;
        std::int32_t valore;
        int larghezza;
    };
    const Caso casi[] = {
        {"versione 3", 0, 3, 4},
        {"versione -1", 0, -1, 4},
        {"strategie negative", 4, -1, 4},
        {"strategie oltre la fine", 4, 1000000, 4},
        {"bookmaker 6", strategia + 1, 6, 4},
        {"tipo di giocata 12", strategia + 5, 12, 4},
        {"ordinamento 4", strategia + 10, 4, 4},
        {"eventi negativi", eventi, -1, 2},
        {"eventi oltre la fine", eventi, 200, 2},
        {"tipo di pronostico 14", evento, 14, 2},
        {"tipo di pronostico -1", evento + 50, -1, 2},
        {"posizione 0", evento + 2, 0, 2},
        {"giocate negative", giocate, -1, 2},
        {"giocata negativa", giocate + 2, -3, 2},
        {"giocata oltre la fine", giocate + 2, 30000, 2},
        {"evento 2 di 2", giocate + 4, 2, 2},
        {"evento -1", giocate + 6, -1, 2},
    };
    for (const Caso& c : casi) {
        auto b = corretta;
        for (int i = 0; i < c.larghezza; ++i)
            b[c.posizione + i] = static_cast<std::uint8_t>(c.valore >> (8 * i));
        SCOPED_TRACE(c.nome);
        VerificaRifiuto(b, destinazione);
    }
    // The offsets point where they should: the untouched bytes read.
    EXPECT_TRUE(Leggi<ListaStrategie>(corretta) == destinazione);
}

} // namespace
} // namespace veltra::test
