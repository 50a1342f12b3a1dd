#include "app/importa/DataCalendario.h"

#include "app/importa/TestoSorgente.h"

#include <array>
#include <cstdio>

namespace veltra {

namespace {
constexpr std::array<std::string_view, 12> kMesi = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 7> kGiorni = {"Mon", "Tue", "Wed", "Thu",
                                                     "Fri", "Sat", "Sun"};

bool Bisestile(int a) {
    return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
}

int GiorniDelMese(int a, int m) {
    static constexpr int kGiorniMese[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && Bisestile(a) ? 29 : kGiorniMese[m - 1];
}
} // namespace

bool DataCalendario::Valida() const {
    return anno >= 1800 && anno <= 2999 && mese >= 1 && mese <= 12 && giorno >= 1 &&
           giorno <= GiorniDelMese(anno, mese);
}

int DataCalendario::GiornoSettimana() const {
    // Sakamoto's method gives 0 = Sunday; shifted so that Monday is 0.
    static constexpr int t[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int a = anno - (mese < 3 ? 1 : 0);
    const int domenica0 = (a + a / 4 - a / 100 + a / 400 + t[mese - 1] + giorno) % 7;
    return (domenica0 + 6) % 7;
}

std::string DataCalendario::Testo() const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", anno, mese, giorno);
    return buf;
}

int MeseInglese(std::string_view s) {
    for (std::size_t i = 0; i < kMesi.size(); ++i)
        if (s == kMesi[i]) return static_cast<int>(i) + 1;
    return 0;
}

int GiornoInglese(std::string_view s) {
    for (std::size_t i = 0; i < kGiorni.size(); ++i)
        if (s == kGiorni[i]) return static_cast<int>(i);
    return -1;
}

std::optional<DataCalendario> LeggiDataNumerica(std::string_view t) {
    const auto parti = Dividi(t, '/');
    if (parti.size() != 3) return std::nullopt;
    const auto g = Intero(parti[0]), m = Intero(parti[1]), a = Intero(parti[2]);
    if (!g || !m || !a) return std::nullopt;
    DataCalendario d{*a, *m, *g};
    if (parti[2].size() == 2)
        d.anno += *a >= 50 ? 1900 : 2000;
    else if (parti[2].size() != 4)
        return std::nullopt;
    if (!d.Valida()) return std::nullopt;
    return d;
}

std::optional<DataCalendario> LeggiDataEstesa(std::string_view t) {
    const auto parti = Parole(t);
    if (parti.size() != 4 || GiornoInglese(parti[0]) < 0) return std::nullopt;
    const int m = MeseInglese(parti[1]);
    const auto g = Intero(parti[2]), a = Intero(parti[3]);
    if (m == 0 || !g || !a) return std::nullopt;
    DataCalendario d{*a, m, *g};
    if (!d.Valida() || d.GiornoSettimana() != GiornoInglese(parti[0])) return std::nullopt;
    return d;
}

} // namespace veltra
