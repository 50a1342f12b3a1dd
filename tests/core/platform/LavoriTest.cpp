// The job shape run in place: typed results, progress, the stop request
// answered between steps, and a job that throws.
#include "platform/Lavori.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace veltra::test {
namespace {

// Sums 1..n, one step at a time, reporting each step; stops when asked.
long Somma(ContestoLavoro& c, long n) {
    long s = 0;
    for (long i = 1; i <= n && !c.FermoRichiesto(); ++i) {
        s += i;
        c.Avanza(i, n);
    }
    return s;
}

TEST(Lavori, RisultatoAvanzamentoEFermo) {
    struct Caso {
        long fermaDopo;
        long attesa;
        bool fermato;
        size_t rapporti;
    };
    for (const Caso& k : {Caso{0, 5050, false, 100}, Caso{10, 55, true, 10}}) {
        EsecutoreSincrono e;
        e.fermaDopo = k.fermaDopo;
        std::vector<Avanzamento> visti;
        std::string titolo;
        e.avanzamento = [&](const std::string& t, const Avanzamento& a) {
            titolo = t;
            visti.push_back(a);
        };
        bool chiamato = false;
        AvviaLavoro<long>(e, "Somma", [](ContestoLavoro& c) { return Somma(c, 100); },
                          [&](EsitoLavoro<long> r) {
                              chiamato = true;
                              EXPECT_EQ(r.risultato, k.attesa);
                              EXPECT_EQ(r.fine.fermato, k.fermato);
                              EXPECT_TRUE(r.fine.riuscito());
                          });
        EXPECT_TRUE(chiamato);
        EXPECT_EQ(titolo, "Somma");
        ASSERT_EQ(visti.size(), k.rapporti);
        EXPECT_EQ(visti.back().fatto, static_cast<long>(k.rapporti));
        EXPECT_EQ(visti.back().totale, 100);
    }
}

TEST(Lavori, UnLavoroCheLanciaFinisceConIlSuoErrore) {
    EsecutoreSincrono e;
    FineLavoro fine;
    e.Avvia("Guasto", [](ContestoLavoro&) { throw std::runtime_error("disco pieno"); },
            [&](const FineLavoro& f) { fine = f; });
    EXPECT_FALSE(fine.riuscito());
    EXPECT_EQ(fine.errore, "disco pieno");
    EXPECT_FALSE(fine.fermato);
}

} // namespace
} // namespace veltra::test
