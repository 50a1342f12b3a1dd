#pragma once
// Archived weeks made up for the strategy-search tests.
#include "betting/ArchivioSettimane.h"
#include "betting/Evento.h"

#include <algorithm>
#include <random>
#include <vector>

namespace veltra {

// A generated archive: probabilities and odds on a 0.01 step so that ties
// happen, results of every kind including void and unknown.
inline std::vector<SettimanaArchiviata> ArchivioGenerato(unsigned seme, int settimane, int eventi) {
    std::mt19937 g(seme);
    auto centesimi = [&](int a, int b) {
        return static_cast<float>(std::uniform_int_distribution<int>(a, b)(g)) / 100.0f;
    };
    std::vector<SettimanaArchiviata> s(static_cast<std::size_t>(settimane));
    const char esiti[] = {'1', '1', '1', 'X', 'X', '2', '2', '-', '?'};
    for (auto& w : s) {
        const int n = std::uniform_int_distribution<int>(1, eventi)(g);
        for (int i = 0; i < n; ++i) {
            Evento e;
            e.campionato = 0;
            const float p1 = centesimi(20, 70);
            const float px = centesimi(15, std::max(15, 90 - static_cast<int>(p1 * 100) - 5));
            e.prob = {p1, px, 1.0f - p1 - px};
            for (std::size_t v = 0; v < 3; ++v) {
                e.quote[v] = centesimi(100, 420);
                e.equita[v] = e.prob[v] * e.quote[v];
            }
            e.esito = esiti[std::uniform_int_distribution<int>(0, 8)(g)];
            w.eventi.push_back(e);
        }
    }
    return s;
}

} // namespace veltra
