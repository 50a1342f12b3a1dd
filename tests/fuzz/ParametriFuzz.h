#pragma once
// The block of analysis parameters that opens every input of the engine
// fuzzer: the fuzzer reads it and the seed writer writes it by the same walk
// over the fields, so the two cannot drift apart.
#include "app/DatiGlobali.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

namespace veltra::fuzz {

inline constexpr std::size_t kByteParametri = 120;

// Calls campo(x) for every field but the points, punto(f) for each point.
template <typename Campo, typename Punto>
void PercorriParametri(CCampionato& c, Campo&& campo, Punto&& punto) {
    campo(c.config.giornateAnalisi);
    for (auto& p : c.config.percentualiImportanza)
        campo(p);
    campo(c.limiteMinCasa);
    campo(c.limiteMaxCasa);
    campo(c.limiteMinTrasferta);
    campo(c.limiteMaxTrasferta);
    auto& p = c.punteggiAvanzati;
    for (float* f : {&p.modificaAltaCasa, &p.modificaBassaCasa, &p.modificaAltaTrasferta,
                     &p.modificaBassaTrasferta, &p.forteCasa, &p.forteTrasferta, &p.deboleCasa,
                     &p.deboleTrasferta, &p.importanzaMin, &p.importanzaMax})
        campo(*f);
    for (float& f : p.punti)
        punto(f);
    campo(p.campionatiInclusi);
    campo(p.separaCasaTrasferta);
}

// The points are small whole or half numbers in practice: one byte each, in
// eighths, keeps most inputs meaningful while allowing any sign. The flag is
// the low bit of one byte. Every other field is taken as its bytes stand
// (any float, NaN and infinities included): the configuration archive can
// carry any of them.
inline void LeggiParametri(const std::uint8_t* dati, CCampionato& c) {
    std::size_t pos = 0;
    auto prendi = [&](void* x, std::size_t n) {
        const std::size_t k = std::min(n, kByteParametri - pos);
        std::memcpy(x, dati + pos, k);
        pos += k;
    };
    PercorriParametri(
        c,
        [&](auto& x) {
            using T = std::remove_reference_t<decltype(x)>;
            if constexpr (std::is_same_v<T, bool>) {
                std::uint8_t b = 0;
                prendi(&b, 1);
                x = (b & 1) != 0;
            } else {
                T v{};
                prendi(&v, sizeof v);
                x = v;
            }
        },
        [&](float& f) {
            std::int8_t b = 0;
            prendi(&b, 1);
            f = static_cast<float>(b) / 8.0f;
        });
}

inline std::string ScriviParametri(CCampionato& c) {
    std::string s;
    auto metti = [&](const void* x, std::size_t n) { s.append(static_cast<const char*>(x), n); };
    PercorriParametri(
        c,
        [&](auto& x) {
            using T = std::remove_reference_t<decltype(x)>;
            if constexpr (std::is_same_v<T, bool>) {
                const std::uint8_t b = x ? 1 : 0;
                metti(&b, 1);
            } else {
                metti(&x, sizeof x);
            }
        },
        [&](float& f) {
            const auto b = static_cast<std::int8_t>(f * 8.0f);
            metti(&b, 1);
        });
    s.resize(kByteParametri, '\0');
    return s;
}

} // namespace veltra::fuzz
