// The data update replaces a championship's results: the matches it adds
// leave the calendar, as typed or imported results do.
#include "app/DatiGlobali.h"
#include "dati/FileDati.h"
#include "net/AggiornamentoDati.h"
#include "net/FileAggiornamento.h"

#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

TEST(AggiornamentoDati, GliIncontriAggiuntiLascianoIlCalendario) {
    DatiGlobali dati;
    CCampionato& c = dati.campionato(0);
    Stagione(c, 4, {{0, 1, '1'}, {2, 3, 'X'}});
    c.calendario = {1, {{2, 20260913, -1, "T0", "T2"}, {2, 20260913, -1, "T1", "T3"}}};
    // The service's file: the two stored matches and one more.
    ElencoIncontri nuovi = c.incontri;
    nuovi.Aggiungi({0, 2, '2'});
    CartellaTemporanea dir;
    ScriviTesto(dir / NomeFileLocale(0), ScriviTestoIncontri(nuovi));
    MessaggiRegistrati msg;
    ASSERT_TRUE(CaricaAggiornamento(dati, dir.percorso(), {0}, msg));
    EXPECT_EQ(c.numeroIncontri(), 4);
    ASSERT_EQ(c.calendario.partite.size(), 1u);
    EXPECT_EQ(c.calendario.partite[0].casa, "T1");
}
