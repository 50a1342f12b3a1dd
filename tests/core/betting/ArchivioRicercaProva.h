#pragma once
// A small archive of weeks for the strategy search's window tests: weekly
// weeks from 3 January 2003, each with five Serie A events whose favourite
// '1' wins two weeks in three.
#include "betting/ArchivioSettimane.h"
#include "betting/RicercaStrategie.h"
#include "betting/ScommessaMgr.h"
#include "dati/FileAtomico.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace veltra::test {

// Writes `settimane` weeks (at most 48) under
// cartellaLavoro/QUOTE-ESPORTATE/<bookmaker's folder>; returns their names.
inline std::vector<std::string> ScriviArchivioRicerca(const std::filesystem::path& cartellaLavoro,
                                                      int bookmaker, int settimane) {
    const auto dir = cartellaLavoro / kCartellaEsportate / CartellaBookmakerRicerca(bookmaker);
    std::filesystem::create_directories(dir);
    std::vector<std::string> nomi;
    for (int k = 0; k < settimane; ++k) {
        const int giorno = 3 + (k % 4) * 7, mese = 1 + k / 4;
        char nome[8];
        std::snprintf(nome, sizeof nome, "%02d%02d03", giorno % 100, mese % 100);
        char data[16];
        std::snprintf(data, sizeof data, "%02d/%02d/2003", giorno % 100, mese % 100);
        ScommessaMgr m;
        for (int j = 0; j < 5; ++j) {
            const float p1 = 0.46f + 0.03f * static_cast<float>((k + j) % 6);
            const float pX = 0.26f, p2 = 1 - p1 - pX;
            const float q1 = 1.55f + 0.1f * static_cast<float>((k * 5 + j) % 8);
            EXPECT_TRUE(m.AggiungiEvento(0, 0, "Casa" + std::to_string(k * 5 + j),
                                         "Ospite" + std::to_string(k * 5 + j), {q1, 3.2f, 4.5f, 0, 0, 0}, p1,
                                         pX, p2, data));
            m.eventi[static_cast<std::size_t>(j)].esito = (k + 2 * j) % 3 != 0 ? '1' : (j % 2 ? 'X' : '2');
        }
        EXPECT_TRUE(ScriviFileAtomico(dir / (std::string(nome) + ".txt"), TestoSettimana(m)));
        nomi.push_back(nome);
    }
    EXPECT_TRUE(ScriviFileAtomico(dir / kFileSettimane, TestoRiepilogo(nomi)));
    return nomi;
}

} // namespace veltra::test
