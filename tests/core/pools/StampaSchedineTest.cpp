// The coupon on paper: where the marks go, the reduced system read from a
// table and cut into slips, and the two listings.
#include "platform/Lavori.h"
#include "platform/Piattaforma.h"
#include "pools/CCondizionamenti.h"
#include "pools/ImpostazioniStampa.h"
#include "pools/OperazioniSchedina.h"
#include "pools/StampaSchedine.h"

#include "Supporto.h"
#include "doppi/MessaggiRegistrati.h"
#include "doppi/StampaRegistrata.h"

#include <gtest/gtest.h>

using namespace veltra;
using namespace veltra::test;

namespace {

class Orologio : public IOrologio {
public:
    std::tm Adesso() const override {
        std::tm t{};
        t.tm_mday = 9;
        t.tm_mon = 4;
        t.tm_year = 105;
        return t;
    }
};

Partita Riga(float p1, float pX, float p2, const std::string& segni, const std::string& casa) {
    Partita p;
    p.campionato = 0;
    p.squadraCasa = casa;
    p.squadraTrasferta = "Ospite";
    p.prob1 = p1;
    p.probX = pX;
    p.prob2 = p2;
    for (std::size_t i = 0; i < segni.size(); ++i)
        p.segni[i] = static_cast<std::int16_t>(SegnoDaCarattere(segni[i]));
    p.pronosticoAuto = segni;
    return p;
}

// 14 rows: rows 0 to 3 doubles ("X2", "1X", "12", "21"), the rest fixed "1".
Schedina DueDoppie() {
    Schedina s;
    s.partite[0] = Riga(0.2f, 0.45f, 0.35f, "X2", "Alfa");
    s.partite[1] = Riga(0.45f, 0.35f, 0.2f, "1X", "Beta");
    s.partite[2] = Riga(0.45f, 0.2f, 0.35f, "12", "Gamma");
    s.partite[3] = Riga(0.35f, 0.2f, 0.45f, "21", "Delta");
    for (int r = 4; r < 14; ++r) s.partite[r] = Riga(0.6f, 0.2f, 0.2f, "1", "Squadra");
    s.schedinaAssente = 0;
    return s;
}

// The reduced system built in place; the message shown, if any, in *errore.
bool CostruisciRidotto(Schedina& s, const std::filesystem::path& cartella,
                       std::string* errore = nullptr) {
    EsecutoreSincrono esecutore;
    MessaggiRegistrati messaggi;
    const CCondizionamenti condizioni;
    ContestoSistema ctx{esecutore, messaggi, cartella, std::nullopt, 1};
    bool ok = false;
    CostruisciSistema(s, condizioni, ctx, [&](bool b) { ok = b; });
    if (errore && !messaggi.mostrati.empty()) *errore = messaggi.mostrati.back().testo;
    return ok;
}

} // namespace

TEST(StampaSchedine, PosizioniDeiSegni) {
    ImpostazioniStampa imp;
    imp.margineSinistro = 100;
    imp.spazioColonne = 50;
    imp.spazioSegni = 40;
    imp.margineSuperiore = 300;
    imp.spazioPartite = 60;
    // Code 5 (X2) in column 2, row 3.
    EXPECT_EQ(PosizioniCella(imp, 2, 3, 5), (std::vector<Segno>{{480, 480}, {520, 480}}));
    EXPECT_EQ(PosizioniCella(imp, 0, 0, 7), (std::vector<Segno>{{100, 300}, {140, 300}, {180, 300}}));
    EXPECT_TRUE(PosizioniCella(imp, 0, 0, 8).empty());
    for (const char* t : {"1", "X", "2", "1X", "X2", "12", "1X2"})
        EXPECT_EQ(TestoCodice(CodiceDaTesto(t)), std::string(t) == "1X2" ? "1X2" : t);
}

TEST(StampaSchedine, RidottoDaTabellaInSchedineDaQuattro) {
    CartellaTemporanea dir;
    // A table of 10 columns for 0 triples and 4 doubles.
    std::string tabella = {10, 0, 0, 4};
    for (int c = 0; c < 10; ++c) {
        tabella += static_cast<char>(c % 2 ? 3 : 1);
        tabella += static_cast<char>(c < 5 ? 1 : 3);
        tabella += '\x01';
        tabella += '\x03';
    }
    ScriviTesto(dir / "0t4d.VLT", tabella);
    Schedina s = DueDoppie();
    ASSERT_TRUE(CostruisciRidotto(s, dir.percorso()));
    EXPECT_EQ(TotaleColonne(s), 10);
    EXPECT_EQ(NumeroSchedine(s), 3);
    // "X2": stored 1 is its base X, 3 its variant 2; "1X" keeps the stored codes.
    EXPECT_EQ(SegnoColonna(s, 0, 0), 3);
    EXPECT_EQ(SegnoColonna(s, 1, 0), 2);
    EXPECT_EQ(SegnoColonna(s, 6, 1), 3);
    EXPECT_EQ(SegnoColonna(s, 0, 2), 1); // "12": stored 1 is 1
    EXPECT_EQ(SegnoColonna(s, 0, 3), 1); // "21": stored 3 is its variant 1
    EXPECT_EQ(SegnoColonna(s, 6, 5), 1); // a fixed row
    EXPECT_EQ(SegnoColonna(s, 10, 0), 8); // beyond the columns
    // A conditioned system stores the codes themselves.
    Schedina c = s;
    c.riduzioneMin = c.riduzioneMax = -2;
    EXPECT_EQ(SegnoColonna(c, 1, 0), 3);

    ServizioStampaRegistrato servizio;
    ImpostazioniStampa imp;
    ASSERT_TRUE(StampaSchedineRidotto(s, imp, servizio, -1));
    const StampaRegistrata& d = servizio.dispositivo;
    EXPECT_EQ(d.nome, "VELTRA - Stampa Schedine");
    EXPECT_EQ(d.pagine, 3);
    // 14 marks per column, every cell one sign: 4 + 4 + 2 columns.
    EXPECT_EQ(d.TestiPagina(1).size(), 4u * 14u);
    EXPECT_EQ(d.TestiPagina(3).size(), 2u * 14u);
    // Every mark of the last slip within its two columns' boxes.
    const int larghezzaColonna = imp.spazioColonne + 3 * imp.spazioSegni;
    for (const auto& r : d.righe) {
        if (r.pagina != 3) continue;
        EXPECT_GE(r.x, imp.margineSinistro);
        EXPECT_LT(r.x, imp.margineSinistro + 2 * larghezzaColonna);
        EXPECT_EQ((r.y - imp.margineSuperiore) % imp.spazioPartite, 0);
    }

    // The listing: slips side by side, each with its columns' texts.
    ServizioStampaRegistrato tab;
    ASSERT_TRUE(TabulatoRidotto(s, tab, Orologio()));
    const auto testi = tab.dispositivo.TestiPagina(1);
    EXPECT_EQ(testi[0], "VELTRA. Tabulato Sistema Ridotto. (09/05/2005)");
    EXPECT_EQ(testi[1], "Schedina n. 1");

    // The table missing: nothing built, the reason given.
    Schedina senza = DueDoppie();
    senza.riduzioneMin = 0;
    senza.riduzioneMax = 1;
    std::string errore;
    EXPECT_FALSE(CostruisciRidotto(senza, dir.percorso(), &errore));
    EXPECT_FALSE(errore.empty());
}

TEST(StampaSchedine, TabulatoIntegrale) {
    Schedina s = DueDoppie();
    s.partite[0].prob1 = 0.073f;
    s.partite[0].probX = 0.5f;
    s.partite[1].prob1 = 0.173f;
    s.partite[2].pronosticoManuale = "X";
    s.sistemaIniziale = 0;
    ServizioStampaRegistrato servizio;
    ASSERT_TRUE(TabulatoIntegrale(s, servizio, Orologio()));
    const auto& righe = servizio.dispositivo.righe;
    auto trova = [&](int x, int y) {
        for (const auto& r : righe)
            if (r.x == x && r.y == y) return r.testo;
        return std::string("<nessuno>");
    };
    EXPECT_EQ(trova(0, 0), "VELTRA. Tabulato Sistema Integrale. (09/05/2005)");
    EXPECT_EQ(trova(0, 100), "Alfa");
    EXPECT_EQ(trova(800, 100), " 7.3%");
    EXPECT_EQ(trova(800, 160), "17.3%");
    EXPECT_EQ(trova(1400, 100), "42.7%"); // 2 without the bonus
    EXPECT_EQ(trova(1700, 100), "X2");
    EXPECT_EQ(trova(1700, 220), "X");
    EXPECT_EQ(trova(2000, 220), "*");
    EXPECT_EQ(trova(0, 940), "(* = Pronostico Fissato dall'Utente) Sistema Modificato.");
}
