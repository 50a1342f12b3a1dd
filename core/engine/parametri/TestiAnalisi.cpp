#include "engine/parametri/TestiAnalisi.h"

#include <cstdio>

namespace veltra {

namespace {
double Cento(float x) {
    return static_cast<double>(x * 100.0f);
}
} // namespace

std::string TestoPrecisione(const CAnalisi& a) {
    char buf[128];
    const float media = (a.precisione1 + a.precisioneX + a.precisione2) / 3.0f;
    std::snprintf(buf, sizeof buf, "%.1f%% ('1' = %.1f%% - 'X' = %.1f%% - '2' = %.1f%%)",
                  Cento(media), Cento(a.precisione1), Cento(a.precisioneX), Cento(a.precisione2));
    return buf;
}

std::string TestoDatiUsati(const CAnalisi& a) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.1f%% su %d campionati", static_cast<double>(a.datiUsati),
                  a.punteggiAvanzati.campionatiInclusi);
    return buf;
}

std::string RigaPrecisione(const CAnalisi& a, bool dueSpazi) {
    return TestoPrecisione(a) + (dueSpazi ? "  - Dati Usati: " : " - Dati Usati: ") +
           TestoDatiUsati(a);
}

std::string TestoPercentuali(const CAnalisi& a) {
    std::string t;
    const int n = a.giornateAnalisi < 2 ? 2 : a.giornateAnalisi > 5 ? 5 : a.giornateAnalisi;
    for (int k = 0; k < n; ++k) {
        if (k > 0) t += " - ";
        t += std::to_string(a.percentualiImportanza[k]) + "%";
    }
    return t;
}

} // namespace veltra
