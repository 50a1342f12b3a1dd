// The modeless windows: opening, refresh after a change, closing on a failed
// refresh, and the commands they block.
#include "app/DatiGlobali.h"
#include "dati/GeneratoreStagioni.h"
#include "app/shell/CambiaCampionato.h"
#include "app/shell/Comandi.h"
#include "app/shell/RifiutiComandi.h"
#include "app/shell/StatoShell.h"

#include "FinestraFinta.h"
#include "doppi/MessaggiRegistrati.h"

#include <gtest/gtest.h>

#include <memory>

using namespace veltra;
using namespace veltra::test;

namespace {

const char* kNomi[kNumeroFinestre] = {"analisi", "classifica", "scontri", "pronostici",
                                      "sistema", "scommesse",  "giocate",  "giornata"};

// Every window open, each writing to the same diary.
struct TutteAperte {
    std::vector<std::string> diario;
    std::vector<std::unique_ptr<FinestraFinta>> finestre;
    StatoShell stato;

    TutteAperte() {
        for (int i = 0; i < kNumeroFinestre; ++i) {
            finestre.push_back(std::make_unique<FinestraFinta>(diario, kNomi[i]));
            stato.finestre.Apri(static_cast<Finestra>(i), [&] { return finestre.back().get(); });
        }
        diario.clear();
    }
    FinestraFinta& operator[](Finestra f) { return *finestre[static_cast<int>(f)]; }
};

std::vector<std::string> Aggiornate(const std::vector<std::string>& nomi) {
    std::vector<std::string> v;
    for (const auto& n : nomi)
        v.push_back("aggiorna " + n);
    return v;
}

} // namespace

TEST(Finestre, AggiornaFinestreSecondoCioCheECambiato) {
    struct Caso {
        bool dati, campionato, analisi;
        std::vector<std::string> attese;
    };
    const Caso casi[] = {
        {false, false, false, {"analisi", "pronostici", "giornata"}},
        {true,
         false,
         false,
         {"analisi", "classifica", "scontri", "pronostici", "giornata", "sistema", "scommesse",
          "giocate"}},
        {false, true, false, {"analisi", "classifica", "scontri", "pronostici", "giornata"}},
        {false, false, true, {"pronostici", "giornata", "sistema", "scommesse", "giocate"}},
        {true,
         true,
         true,
         {"classifica", "scontri", "pronostici", "giornata", "sistema", "scommesse", "giocate"}},
    };
    for (const Caso& c : casi) {
        TutteAperte t;
        t.stato.datiCambiati = c.dati;
        t.stato.campionatoCambiato = c.campionato;
        t.stato.analisiCambiata = c.analisi;
        AggiornaFinestre(t.stato);
        EXPECT_EQ(t.diario, Aggiornate(c.attese)) << c.dati << c.campionato << c.analisi;
        EXPECT_FALSE(t.stato.datiCambiati || t.stato.campionatoCambiato || t.stato.analisiCambiata);
    }
}

TEST(Finestre, UnAggiornamentoFallitoChiudeSoloQuellaFinestra) {
    TutteAperte t;
    t[Finestra::Pronostici].riesce = false;
    AggiornaFinestre(t.stato);
    EXPECT_EQ(t.diario, (std::vector<std::string>{"aggiorna analisi", "aggiorna pronostici",
                                                  "chiudi pronostici", "aggiorna giornata"}));
    EXPECT_FALSE(t.stato.finestre.Aperta(Finestra::Pronostici));
    EXPECT_TRUE(t.stato.finestre.Aperta(Finestra::AnalisiCorrente));
    // Gone from the registry: the next refresh does not reach it.
    t.diario.clear();
    AggiornaFinestre(t.stato);
    EXPECT_EQ(t.diario, Aggiornate({"analisi", "giornata"}));
}

TEST(Finestre, ApriCreaUnaVoltaAggiornaEPortaDavanti) {
    std::vector<std::string> diario;
    FinestraFinta w(diario, "pronostici");
    FinestreNonModali f;
    int create = 0;
    auto crea = [&]() -> IFinestraNonModale* {
        ++create;
        return &w;
    };
    EXPECT_EQ(f.Apri(Finestra::Pronostici, crea), &w);
    EXPECT_EQ(f.Apri(Finestra::Pronostici, crea), &w);
    EXPECT_EQ(create, 1);
    EXPECT_EQ(diario, (std::vector<std::string>{"aggiorna pronostici", "davanti pronostici",
                                                "aggiorna pronostici", "davanti pronostici"}));

    diario.clear();
    w.riesce = false;
    EXPECT_EQ(f.Apri(Finestra::Pronostici, crea), nullptr);
    EXPECT_EQ(diario, (std::vector<std::string>{"aggiorna pronostici", "chiudi pronostici"}));
    EXPECT_FALSE(f.Aperta(Finestra::Pronostici));

    EXPECT_EQ(f.Apri(Finestra::Classifica, [] { return nullptr; }), nullptr);
    EXPECT_FALSE(f.Aperta(Finestra::Classifica));
}

TEST(Finestre, ComandiRifiutatiMentreLaLoroFinestraEAperta) {
    struct Caso {
        int comando;
        Finestra finestra;
    };
    const Caso casi[] = {
        {comando::NuovaSchedina, Finestra::SistemaTotocalcio},
        {comando::RicercaParametri, Finestra::AnalisiCorrente},
        {comando::ArchiviInternet, Finestra::AnalisiCorrente},
        {comando::ConfrontoAnalisi, Finestra::AnalisiCorrente},
        {comando::ImmissioneQuote, Finestra::ScommesseSportive},
        {comando::ModificaQuote, Finestra::ScommesseSportive},
        {comando::QuoteInternet, Finestra::ScommesseSportive},
        {comando::CreaStrategia, Finestra::GiocateReali},
        {comando::VisualizzaStrategie, Finestra::GiocateReali},
        {comando::CalcoloRendimenti, Finestra::GiocateReali},
    };
    for (const Caso& c : casi) {
        std::vector<std::string> diario;
        FinestraFinta w(diario, "w");
        FinestreNonModali f;
        MessaggiRegistrati msg;
        EXPECT_FALSE(ComandoRifiutato(c.comando, f, msg)) << c.comando;
        f.Apri(c.finestra, [&] { return &w; });
        diario.clear();
        EXPECT_TRUE(ComandoRifiutato(c.comando, f, msg)) << c.comando;
        ASSERT_EQ(msg.mostrati.size(), 1u);
        EXPECT_EQ(msg.mostrati[0].testo, RifiutoDelComando(c.comando)->messaggio);
        EXPECT_EQ(msg.mostrati[0].icona, Icona::Esclamazione);
        EXPECT_EQ(diario, std::vector<std::string>{"davanti w"});
    }
    EXPECT_EQ(RifiutoDelComando(comando::NuovaSchedina)->messaggio,
              "Attualmente \xC3\xA8 aperta la finestra del sistema per il totocalcio.\nSe si vuole "
              "procedere nella creazione di una nuova schedina, prima bisogna chiudere tale "
              "finestra.");
    // Other windows do not block a command.
    TutteAperte t;
    MessaggiRegistrati msg;
    EXPECT_FALSE(ComandoRifiutato(comando::NuoviIncontri, t.stato.finestre, msg));
    EXPECT_TRUE(msg.mostrati.empty());
}

TEST(CambiaCampionato, LoStessoCampionatoRicalcolaSenzaRicostruireClassifiche) {
    DatiGlobali d;
    OpzioniGenerazione o;
    o.stagioni = 4;
    ASSERT_EQ(GeneraStagioni(d.campionato(0), o), 0);
    o.squadre = 18;
    ASSERT_EQ(GeneraStagioni(d.campionato(8), o), 0);
    TutteAperte t;

    TestiStato testi = CambiaCampionato(d, t.stato, 0);
    EXPECT_TRUE(testi.ok);
    EXPECT_EQ(testi.pannello1.rfind("Serie A", 0), 0u) << testi.pannello1;
    EXPECT_EQ(t.diario, Aggiornate({"analisi", "pronostici", "giornata"}));

    t.diario.clear();
    testi = CambiaCampionato(d, t.stato, 8);
    EXPECT_TRUE(testi.ok);
    EXPECT_EQ(d.campionatoCorrente, 8);
    EXPECT_EQ(t.diario, Aggiornate({"analisi", "classifica", "scontri", "pronostici", "giornata"}));
    EXPECT_FALSE(t.stato.campionatoCambiato);

    // No data: the estimates fail (the status says why), the championship is
    // current all the same.
    testi = CambiaCampionato(d, t.stato, 5);
    EXPECT_FALSE(testi.ok);
    EXPECT_EQ(testi.pannello1, kStimePochiIncontri);
    EXPECT_EQ(testi.pannello2, " ");
    EXPECT_EQ(d.campionatoCorrente, 5);
}
