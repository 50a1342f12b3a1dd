// veltra-cli valuta on the shipped data: the key=value lines, the usage
// errors and, where the odds files of the sources are at hand, every row of a
// real file joined or reported.
#include "Supporto.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <sys/wait.h>

using namespace veltra::test;

namespace {

struct Uscita {
    int codice;
    std::vector<std::string> righe;
};

Uscita Esegui(const std::string& argomenti) {
    const std::string comando = std::string(VELTRA_CLI_PATH) + " " + argomenti + " 2>/dev/null";
    Uscita u{};
    FILE* p = ::popen(comando.c_str(), "r");
    std::string testo;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) testo.append(buf.data(), n);
    const int stato = ::pclose(p);
    u.codice = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    std::istringstream in(testo);
    for (std::string l; std::getline(in, l);) u.righe.push_back(l);
    return u;
}

// The key=value fields of a line, in order.
std::vector<std::pair<std::string, std::string>> Campi(const std::string& riga) {
    std::vector<std::pair<std::string, std::string>> c;
    std::istringstream in(riga);
    for (std::string p; in >> p;) {
        const auto u = p.find('=');
        c.emplace_back(p.substr(0, u), u == std::string::npos ? "" : p.substr(u + 1));
    }
    return c;
}

std::map<std::string, std::string> Mappa(const std::string& riga) {
    std::map<std::string, std::string> m;
    for (auto& [k, v] : Campi(riga)) m[k] = v;
    return m;
}

TEST(ValutaCli, RigheChiaveValoreSuiDatiDistribuiti) {
    CartellaTemporanea tmp;
    const auto u = Esegui("valuta --cartella " + (tmp / "lavoro").string() +
                          " --campionato A --dal 2023-24 --al 2023-24 --modello rating");
    ASSERT_EQ(u.codice, 0);
    ASSERT_EQ(u.righe.size(), 2u + 30u);
    const std::vector<std::string> chiavi = {
        "stagione", "n", "non_stimati", "rps_modello", "brier_modello", "logloss_modello",
        "centrati_modello", "n_mercato", "rps_mercato", "brier_mercato", "logloss_mercato",
        "centrati_mercato", "rps_modello_su_mercato", "diff_rps_mercato", "ic95_mercato", "n_base",
        "rps_base", "brier_base", "logloss_base", "centrati_base", "diff_rps_base", "ic95_base",
        "pendenza_modello", "pendenza_mercato"};
    const auto campi = Campi(u.righe[0]);
    ASSERT_EQ(campi.size(), chiavi.size());
    for (std::size_t i = 0; i < chiavi.size(); ++i) EXPECT_EQ(campi[i].first, chiavi[i]);
    auto s = Mappa(u.righe[0]);
    EXPECT_EQ(s["stagione"], "2023-24");
    EXPECT_EQ(s["n"], "380"); // the rating model estimates every match
    EXPECT_EQ(s["non_stimati"], "0");
    EXPECT_EQ(s["n_mercato"], "0");
    EXPECT_EQ(s["rps_mercato"], "-");
    EXPECT_LT(std::stod(s["rps_modello"]), std::stod(s["rps_base"]));
    EXPECT_EQ(u.righe[1].rfind("totale=1 n=380 ", 0), 0u);
    EXPECT_EQ(u.righe[2].rfind("affidabilita fonte=modello segno=1 da=0.0 a=0.1 n=", 0), 0u);
    long n = 0;
    for (std::size_t i = 2; i < u.righe.size(); ++i) n += std::stol(Mappa(u.righe[i])["n"]);
    EXPECT_EQ(n, 3 * 380); // every forecast in one class per sign

    // The engine cannot estimate a club's first matches of the season.
    const auto m = Esegui("valuta --cartella " + (tmp / "lavoro").string() +
                          " --campionato A --dal 2023-24 --al 2023-24");
    ASSERT_EQ(m.codice, 0);
    s = Mappa(m.righe[0]);
    EXPECT_GT(std::stol(s["non_stimati"]), 0);
    EXPECT_EQ(std::stol(s["n"]) + std::stol(s["non_stimati"]), 380);

    for (const char* sbagliato :
         {" --campionato A --dal 2023-24 --al 2023-24 --modello altro",
          " --campionato A --dal 1900 --al 1901", " --campionato A --dal 2023-24",
          " --campionato A --dal 2023-24 --al 2022-23",
          " --campionato A --dal 2023-24 --al 2023-24 --modello rating --imposta rho=9"})
        EXPECT_EQ(Esegui("valuta --cartella " + (tmp / "lavoro").string() + sbagliato).codice, 2)
            << sbagliato;
}

// Only where the sources' odds files are (never on a user's clone).
TEST(ValutaCli, FileRealeOgniRigaAbbinataOSegnalata) {
    const auto file = std::filesystem::path(VELTRA_RESOURCES_DIR) / ".." / ".." / "shared" /
                      "data" / "fdodds" / "Italy Serie A Geral.csv";
    if (!std::filesystem::exists(file)) GTEST_SKIP() << "file di quote reali assente: " << file;
    CartellaTemporanea tmp;
    const auto u = Esegui("valuta --cartella " + (tmp / "lavoro").string() +
                          " --campionato A --dal 2023-24 --al 2023-24 --modello rating --quote \"" +
                          file.string() + "\"");
    ASSERT_EQ(u.codice, 0);
    std::map<std::string, std::string> quote;
    long scartate = 0;
    for (const auto& r : u.righe) {
        if (r.rfind("quote ", 0) == 0) quote = Mappa(r);
        scartate += r.rfind("quota_scartata ", 0) == 0;
    }
    ASSERT_FALSE(quote.empty());
    const long righe = std::stol(quote["righe"]);
    EXPECT_GT(righe, 1800);
    EXPECT_EQ(righe, std::stol(quote["abbinate"]) + std::stol(quote["fuori_stagioni"]) + scartate);
    EXPECT_EQ(std::stol(quote["scartate"]), scartate);
    EXPECT_LE(scartate, 3); // rows without odds in the file
    EXPECT_GT(std::stol(quote["abbinate"]), 280); // 2023-24 until the file ends in spring
}

} // namespace
