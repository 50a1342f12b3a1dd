#include "engine/parametri/DiagnosticaGriglie.h"

#include "dati/DatiCampionati.h"
#include "engine/CMotoreStime.h"

#include <array>
#include <cstdio>
#include <optional>
#include <vector>

namespace veltra {

namespace {

struct CellaDiagnostica {
    int x, y;
    float grezzi[3];
    float corretti[3];
};

using Piani = std::array<float, 9>; // a, b, c of 1, X, 2

// Least squares over the cells as the engine fits, on the raw or the
// corrected counts; nullopt when a cell is empty or the fit is undefined.
std::optional<Piani> Adatta(const std::vector<CellaDiagnostica>& celle, bool corretti) {
    const float m = static_cast<float>(celle.size());
    float sx = 0, sy = 0, sf[3] = {}, sf2[3] = {}, sxf[3] = {}, syf[3] = {};
    for (const auto& c : celle) {
        const float* q3 = corretti ? c.corretti : c.grezzi;
        const float q = q3[0] + q3[1] + q3[2];
        if (q == 0.0f) return std::nullopt;
        sx += static_cast<float>(c.x);
        sy += static_cast<float>(c.y);
        for (int e = 0; e < 3; ++e) {
            const float f = q3[e] / q;
            sf[e] += f;
            sf2[e] += f * f;
            sxf[e] += static_cast<float>(c.x) * f;
            syf[e] += static_cast<float>(c.y) * f;
        }
    }
    const float mx = sx / m, my = sy / m;
    float sxx = 0, syy = 0, sxy = 0;
    for (const auto& c : celle) {
        const float dx = static_cast<float>(c.x) - mx, dy = static_cast<float>(c.y) - my;
        sxx += dx * dx;
        syy += dy * dy;
        sxy += dx * dy;
    }
    const float d = sxx * syy - sxy * sxy;
    if (d == 0.0f) return std::nullopt;
    Piani p{};
    for (int e = 0; e < 3; ++e) {
        const float media = sf[e] / m;
        if (sf2[e] == m * media * media) return std::nullopt;
        const float sxs = sxf[e] - m * mx * media;
        const float sys = syf[e] - m * my * media;
        const float b = (syy * sxs - sxy * sys) / d;
        const float cc = (sxx * sys - sxy * sxs) / d;
        p[3 * e] = media - b * mx - cc * my;
        p[3 * e + 1] = b;
        p[3 * e + 2] = cc;
    }
    return p;
}

// A blank before a non-negative number keeps the columns in line.
std::string Allineato(int v) {
    return (v >= 0 ? " " : "") + std::to_string(v);
}

double D(float x) {
    return static_cast<double>(x);
}

std::string Conteggi(const float q3[3]) {
    const float q = q3[0] + q3[1] + q3[2];
    char buf[160];
    auto quota = [q](float v) { return q > 0 ? D(v * 100.0f / q) : 0.0; };
    std::snprintf(buf, sizeof buf, "N=%d\t1=%.1f\t(%.1f%%)\tX=%.1f\t(%.1f%%)\t2=%.1f\t(%.1f%%)",
                  static_cast<int>(q + 0.5f), D(q3[0]), quota(q3[0]), D(q3[1]), quota(q3[1]),
                  D(q3[2]), quota(q3[2]));
    return buf;
}

std::string Piano(const char* nome, const Piani& p) {
    char buf[256];
    std::snprintf(
        buf, sizeof buf,
        "%s: 1=(%.1f)+(%.1f)*C+(%.1f)*T\tX=(%.1f)+(%.1f)*C+(%.1f)*T\t2=(%.1f)+(%.1f)*C+(%."
        "1f)*T\n",
        nome, D(p[0] * 100), D(p[1] * 100), D(p[2] * 100), D(p[3] * 100), D(p[4] * 100),
        D(p[5] * 100), D(p[6] * 100), D(p[7] * 100), D(p[8] * 100));
    return buf;
}

} // namespace

std::string StatisticheGriglie(const CCampionato& c, bool corretta) {
    if (!c.motore) return "Nemmeno una casella contiene incontri!";
    const CMotoreStime& m = *c.motore;
    std::vector<CellaDiagnostica> celle;
    bool qualcuna = false;
    for (int x = c.limiteMinCasa; x <= c.limiteMaxCasa; ++x) {
        const int r = x - static_cast<int>(m.origineRighe());
        for (int y = c.limiteMinTrasferta; y <= c.limiteMaxTrasferta; ++y) {
            const int k = y - static_cast<int>(m.origineColonne());
            CellaDiagnostica cella{x, y, {}, {}};
            if (r >= 0 && r < kDimensioneGriglia && k >= 0 && k < kDimensioneGriglia) {
                for (int e = 0; e < 3; ++e)
                    cella.grezzi[e] = cella.corretti[e] = m.griglia(e, r, k);
                const float q = cella.grezzi[0] + cella.grezzi[1] + cella.grezzi[2];
                if (q < 100.0f) {
                    for (int e = 0; e < 3; ++e) {
                        if (r > 0) cella.corretti[e] += m.griglia(e, r - 1, k);
                        if (k > 0) cella.corretti[e] += m.griglia(e, r, k - 1);
                        if (k < 41) cella.corretti[e] += m.griglia(e, r, k + 1);
                        if (r < 41) cella.corretti[e] += m.griglia(e, r + 1, k);
                    }
                }
                qualcuna = qualcuna || q > 0.0f;
            }
            celle.push_back(cella);
        }
    }
    if (!qualcuna) return "Nemmeno una casella contiene incontri!";

    std::string t;
    for (const auto& cella : celle) {
        if (cella.grezzi[0] + cella.grezzi[1] + cella.grezzi[2] == 0.0f && !corretta) {
            char buf[128];
            std::snprintf(buf, sizeof buf,
                          "C=%d\tT=%d\tN=0\t1=0.0\t(0.0%%)\tX=0.0\t(0.0%%)\t2=0.0\t(0.0%%)\n",
                          cella.x, cella.y);
            t += buf;
            continue;
        }
        t += "C=" + Allineato(cella.x) + " T=" + Allineato(cella.y) + " " + Conteggi(cella.grezzi);
        if (corretta) t += "\t" + Conteggi(cella.corretti);
        t += "\n";
    }

    const auto grezzo = Adatta(celle, false);
    t += grezzo ? Piano("NON CORRETTO", *grezzo)
                : "L'algoritmo (SENZA LA CORREZIONE) non puo' calcolare le stime!\n";
    std::optional<Piani> mostrato = grezzo;
    if (corretta) {
        mostrato = Adatta(celle, true);
        t += mostrato ? Piano("CORRETTO", *mostrato)
                      : "L'algoritmo (CON LA CORREZIONE) non puo' calcolare le stime!\n";
    }
    if (!mostrato) return t;
    const Piani& p = *mostrato;
    int ultimaX = celle.front().x;
    for (const auto& cella : celle) {
        if (cella.x != ultimaX) {
            t += "\n";
            ultimaX = cella.x;
        }
        const float x = static_cast<float>(cella.x), y = static_cast<float>(cella.y);
        char buf[96];
        std::snprintf(buf, sizeof buf, "%d %d\t(%.1f)\t(%.1f)\t(%.1f)\t", cella.x, cella.y,
                      D((p[0] + p[1] * x + p[2] * y) * 100), D((p[3] + p[4] * x + p[5] * y) * 100),
                      D((p[6] + p[7] * x + p[8] * y) * 100));
        t += buf;
    }
    return t + "\n";
}

std::string TabellaTotali(const CPunteggiAvanzati& p) {
    static const char kLettere[3] = {'V', 'P', 'S'};
    std::string t;
    for (int n = 2; n <= 5; ++n) {
        // Non-increasing sequences of results: most wins first.
        for (int v = n; v >= 0; --v) {
            for (int pa = n - v; pa >= 0; --pa) {
                const int s = n - v - pa;
                std::string combinazione;
                float casa = 0, trasferta = 0;
                const int quanti[3] = {v, pa, s};
                for (int e = 0; e < 3; ++e)
                    for (int i = 0; i < quanti[e]; ++i) {
                        if (!combinazione.empty()) combinazione += ' ';
                        combinazione += kLettere[e];
                        casa += p.Punti(false, static_cast<Esito>(e), kMedia);
                        trasferta += p.Punti(true, static_cast<Esito>(e), kMedia);
                    }
                char buf[96];
                std::snprintf(buf, sizeof buf, "%s: %+.2f\t%s: %+.2f\n", combinazione.c_str(),
                              D(casa), combinazione.c_str(), D(trasferta));
                t += buf;
            }
        }
        if (n < 5) t += "\n";
    }
    return t;
}

} // namespace veltra
