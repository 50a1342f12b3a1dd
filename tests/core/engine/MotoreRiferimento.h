#pragma once
// A second, deliberately plain implementation of the estimation algorithm,
// written from its description step by step: it walks every entry from the
// start, keeps histories as plain rings and runs every sum in its own loop.
// The tests compare the engine with it bit for bit, so the engine's
// shortcuts (skipping old seasons, lookup tables, one-pass sums, the separate
// state for the data usage) cannot change a result unnoticed.
#include "app/DatiGlobali.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace veltra::test {

class MotoreRiferimento {
public:
    explicit MotoreRiferimento(const CCampionato& c)
        : c_(c), max_(std::max(c.numeroSquadreMax(), c.squadreStagioneMassima())) {}

    static int Arr(float x) {
        int r = static_cast<int>(x);
        float f = x - static_cast<float>(r);
        if (f >= 0.5f) r++;
        else if (f < -0.5f) r--;
        return r;
    }

    int lmc, lMc, lmt, lMt; // limits in use
    int N;
    float w[5];
    float minC, maxC, minT, maxT;
    int origR, origC, righe, colonne;
    float impIni, incImp;
    int primaStagione;
    float soglie[4], limiti[4];
    float sc[60][5], st[60][5];
    int posC[60], posT[60];
    int posizione[60], puntiStr[60], puntiCum[60], giocate[60];
    int squadreStagione = 0;
    float g[3][43][43];
    float coeff[3][3] = {};
    float prec[3] = {};

    void Prepara(int a, int b, int cc, int d) {
        lmc = a; lMc = b; lmt = cc; lMt = d;
        const CPunteggiAvanzati& p = c_.punteggiAvanzati;
        N = c_.config.giornateAnalisi;
        for (int k = 0; k < 5; ++k) w[k] = c_.config.percentualiImportanza[k];
        if (p.separaCasaTrasferta) {
            minC = maxC = p.punti[0];
            minT = maxT = p.punti[1];
            for (int i = 0; i < 18; i += 2) {
                minC = std::min(minC, p.punti[i]); maxC = std::max(maxC, p.punti[i]);
                minT = std::min(minT, p.punti[i + 1]); maxT = std::max(maxT, p.punti[i + 1]);
            }
        } else {
            minC = maxC = p.punti[0];
            for (float x : p.punti) { minC = std::min(minC, x); maxC = std::max(maxC, x); }
            minT = minC; maxT = maxC;
        }
        origR = Arr(N * minC - 1);
        origC = Arr(N * minT - 1);
        righe = Arr(N * maxC + 1 - (N * minC - 1)) + 1;
        colonne = Arr(N * maxT + 1 - (N * minT - 1)) + 1;
        for (int t = 0; t < max_; ++t) {
            for (int k = 0; k < 5; ++k) sc[t][k] = st[t][k] = 7.0f;
            posC[t] = posT[t] = puntiStr[t] = puntiCum[t] = giocate[t] = posizione[t] = 0;
        }
        std::memset(g, 0, sizeof g);
        impIni = p.importanzaMin;
        incImp = p.campionatiInclusi > 1 ? (p.importanzaMax - p.importanzaMin) / (p.campionatiInclusi - 1) : 0.0f;
        primaStagione = c_.numeroStagioniCorrenti() - p.campionatiInclusi;
        soglie[0] = p.forteCasa * 100 + 50;
        soglie[1] = p.forteTrasferta * 100 + 50;
        soglie[2] = p.deboleCasa * 100 - 50;
        soglie[3] = p.deboleTrasferta * 100 - 50;
        limiti[0] = lMc * 100 + 50 + 100.0f;
        limiti[1] = lMt * 100 + 50 + 100.0f;
        limiti[2] = lmc * 100 - 50 - 100.0f;
        limiti[3] = lmt * 100 - 50 - 100.0f;
    }

    float P(bool away, int esito, int forza) const {
        static const int idx[3][3] = {{0, 6, 12}, {2, 8, 14}, {16, 10, 4}};
        return c_.punteggiAvanzati.punti[idx[esito][forza] + (away ? 1 : 0)];
    }

    void Griglie() {
        const CPunteggiAvanzati& p = c_.punteggiAvanzati;
        const bool sep = p.separaCasaTrasferta;
        const bool filtro = c_.ultimoIncontroFiltro != -1;
        const bool stretto = sep && !filtro;
        float* hist[2] = {&sc[0][0], sep ? &st[0][0] : &sc[0][0]};
        int* pos[2] = {posC, sep ? posT : posC};
        int* punti = stretto ? puntiStr : puntiCum;
        float modA = sep ? p.modificaAltaTrasferta : p.modificaAltaCasa;
        float modB = sep ? p.modificaBassaTrasferta : p.modificaBassaCasa;
        int s = -1, turno = 0;
        float peso = impIni - incImp;
        for (int i = 0; i < c_.incontri.numero(); ++i) {
            if (filtro && i > c_.ultimoIncontroFiltro) break;
            const Incontro& m = c_.incontri[i];
            if (m.casa == -1) {
                s++;
                if (s >= primaStagione) {
                    for (int t = 0; t < max_; ++t) {
                        for (int k = 0; k < 5; ++k) sc[t][k] = st[t][k] = 7.0f;
                        puntiStr[t] = puntiCum[t] = giocate[t] = 0;
                    }
                    peso += incImp;
                    turno = 0;
                    squadreStagione = c_.squadreStagione(s + 1).numero();
                }
                continue;
            }
            if (s < primaStagione) continue;
            int h = m.casa, a = m.trasferta;
            giocate[h]++; giocate[a]++;
            if (giocate[h] > turno || giocate[a] > turno) {
                Posizioni(stretto, punti);
                turno++;
            }
            float* X = hist[0] + h * 5 + pos[0][h];
            float* Y = hist[1] + a * 5 + pos[1][a];
            int eh = m.risultato == '1' ? 0 : m.risultato == 'X' ? 1 : 2;
            int ea = 2 - eh;
            int fa = 1, fh = 1;
            if (*X != 7.0f && *Y != 7.0f) {
                float TH = 0, TA = 0;
                for (int k = 0; k < N; ++k) TH += w[k] * hist[0][h * 5 + ((pos[0][h] - 1 - k) % N + N) % N];
                for (int k = 0; k < N; ++k) TA += w[k] * hist[1][a * 5 + ((pos[1][a] - 1 - k) % N + N) % N];
                int div = std::max(1, squadreStagione - 1);
                int cH = std::min(2, posizione[h] * 3 / div);
                int cA = std::min(2, posizione[a] * 3 / div);
                if (cH == 0) TH += 100 * p.modificaAltaCasa;
                if (cH == 2) TH += 100 * p.modificaBassaCasa;
                if (cA == 0) TA += 100 * modA;
                if (cA == 2) TA += 100 * modB;
                int d = cA - cH;
                if (TH >= limiti[0] || TH < limiti[2] || TA >= limiti[1] || TA < limiti[3]) {
                    if (TA >= soglie[1]) fa = d <= 0 ? 0 : 1;
                    else fa = (TA < soglie[3] && d >= 0) ? 2 : 1;
                    if (TH >= soglie[0]) fh = d <= 0 ? 0 : 1;
                    else fh = (TH < soglie[2] && d >= 0) ? 2 : 1;
                } else {
                    int RH = Arr(TH / 100), RA = Arr(TA / 100);
                    g[eh][RH - origR][RA - origC] += peso;
                    if (RA > p.forteTrasferta) fa = d <= 0 ? 0 : 1;
                    else fa = (RA < p.deboleTrasferta && d >= 0) ? 2 : 1;
                    if (RH > p.forteCasa) fh = d <= 0 ? 0 : 1;
                    else fh = (RH < p.deboleCasa && d >= 0) ? 2 : 1;
                }
            }
            *X = P(false, eh, fa);
            *Y = P(true, ea, fh);
            if (eh == 0) punti[h] += 3;
            else if (eh == 2) punti[a] += 3;
            else { punti[h]++; punti[a]++; }
            pos[0][h] = (pos[0][h] + 1) % N;
            pos[1][a] = (pos[1][a] + 1) % N;
        }
    }

    void Posizioni(bool stretto, const int* punti) {
        if (stretto) {
            for (int t = 0; t < max_; ++t) {
                posizione[t] = 0;
                for (int k = 0; k < max_; ++k) if (punti[k] > punti[t]) posizione[t]++;
            }
            return;
        }
        for (int t = 0; t < max_; ++t) {
            posizione[t] = 0;
            for (int k = 0; k < t; ++k) {
                if (punti[k] < punti[t]) posizione[k]++;
                if (punti[k] > punti[t] && posizione[k] + 1 > posizione[t]) posizione[t] = posizione[k] + 1;
            }
        }
    }

    int Regressione() {
        if (lmc - origR < 0 || lmt - origC < 0) return -1;
        const int M = (lMc - lmc + 1) * (lMt - lmt + 1);
        std::vector<float> f[3];
        std::vector<float> xs, ys;
        for (int x = lmc; x <= lMc; ++x)
            for (int y = lmt; y <= lMt; ++y) {
                int r = x - origR, k = y - origC;
                float q1 = g[0][r][k], qX = g[1][r][k], q2 = g[2][r][k];
                float q = q1 + qX + q2;
                if (q < 100) {
                    float* qs[3] = {&q1, &qX, &q2};
                    for (int e = 0; e < 3; ++e) {
                        if (r > 0) *qs[e] += g[e][r - 1][k];
                        if (k > 0) *qs[e] += g[e][r][k - 1];
                        if (k < 41) *qs[e] += g[e][r][k + 1];
                        if (r < 41) *qs[e] += g[e][r + 1][k];
                    }
                    q = q1 + qX + q2;
                    if (q == 0) return -1;
                }
                f[0].push_back(q1 / q); f[1].push_back(qX / q); f[2].push_back(q2 / q);
                xs.push_back(static_cast<float>(x)); ys.push_back(static_cast<float>(y));
            }
        float sx = 0, sy = 0;
        for (float x : xs) sx += x;
        for (float y : ys) sy += y;
        float mx = sx / M, my = sy / M;
        float Sxx = 0, Syy = 0, Sxy = 0;
        for (int i = 0; i < M; ++i) Sxx += (xs[i] - mx) * (xs[i] - mx);
        for (int i = 0; i < M; ++i) Syy += (ys[i] - my) * (ys[i] - my);
        for (int i = 0; i < M; ++i) Sxy += (xs[i] - mx) * (ys[i] - my);
        float D = Sxx * Syy - Sxy * Sxy;
        if (D == 0) return -1;
        float nc[3][3], np[3];
        for (int e = 0; e < 3; ++e) {
            float sf = 0, sf2 = 0, sxf = 0, syf = 0;
            for (int i = 0; i < M; ++i) sf += f[e][i];
            float fm = sf / M;
            for (int i = 0; i < M; ++i) sf2 += f[e][i] * f[e][i];
            if (sf2 == M * (fm * fm)) return -1;
            for (int i = 0; i < M; ++i) sxf += xs[i] * f[e][i];
            for (int i = 0; i < M; ++i) syf += ys[i] * f[e][i];
            float Sxs = sxf - M * mx * fm, Sys = syf - M * my * fm;
            float b = (Syy * Sxs - Sxy * Sys) / D;
            float cc = (Sxx * Sys - Sxy * Sxs) / D;
            nc[e][0] = fm - b * mx - cc * my; nc[e][1] = b; nc[e][2] = cc;
            float sst = sf2 - M * (fm * fm);
            float syh = 0;
            for (int i = 0; i < M; ++i) {
                float yh = nc[e][0] + nc[e][1] * xs[i] + nc[e][2] * ys[i];
                syh += yh * yh;
            }
            float ssr = syh - M * (fm * fm);
            float r2 = ssr / sst;
            float pr = (r2 - 2.0f / (M - 1)) * (M - 1) / (M - 3);
            np[e] = pr < 0 ? 0 : pr;
        }
        std::memcpy(coeff, nc, sizeof nc);
        std::memcpy(prec, np, sizeof np);
        return 0;
    }

    int Aggiorna() {
        Prepara(c_.limiteMinCasa, c_.limiteMaxCasa, c_.limiteMinTrasferta, c_.limiteMaxTrasferta);
        Griglie();
        return Regressione();
    }

    std::optional<float> DatiUsati() {
        const int a = Arr(N * minC), b = Arr(N * maxC), cc = Arr(N * minT), d = Arr(N * maxT);
        const int ra = lmc, rb = lMc, rc = lmt, rd = lMt;
        Prepara(a, b, cc, d);
        Griglie();
        float T = 0, U = 0;
        for (int r = 0; r < righe; ++r)
            for (int k = 0; k < colonne; ++k) {
                float v = g[0][r][k] + g[1][r][k] + g[2][r][k];
                T += v;
                int x = a - 1 + r, y = cc - 1 + k;
                if (x >= ra && x <= rb && y >= rc && y <= rd) U += v;
            }
        Prepara(ra, rb, rc, rd);
        Griglie();
        if (T == 0) return std::nullopt;
        return U / T * 100;
    }

    int Stima(int h, int a, float out[3]) const {
        const bool sep = c_.punteggiAvanzati.separaCasaTrasferta;
        const CPunteggiAvanzati& p = c_.punteggiAvanzati;
        const float* hh = &sc[h][0];
        const float* ha = sep ? &st[a][0] : &sc[a][0];
        int ph = posC[h], pa = sep ? posT[a] : posC[a];
        float TH = 0, TA = 0;
        for (int k = 0; k < N; ++k) {
            float v = hh[((ph - 1 - k) % N + N) % N];
            if (v == 7.0f) return -1;
            TH += w[k] * v;
        }
        for (int k = 0; k < N; ++k) {
            float v = ha[((pa - 1 - k) % N + N) % N];
            if (v == 7.0f) return -1;
            TA += w[k] * v;
        }
        TH = TH / 100; TA = TA / 100;
        int div = std::max(1, squadreStagione - 1);
        int cH = std::min(2, posizione[h] * 3 / div), cA = std::min(2, posizione[a] * 3 / div);
        if (cH == 0) TH += p.modificaAltaCasa;
        if (cH == 2) TH += p.modificaBassaCasa;
        if (cA == 0) TA += sep ? p.modificaAltaTrasferta : p.modificaAltaCasa;
        if (cA == 2) TA += sep ? p.modificaBassaTrasferta : p.modificaBassaCasa;
        for (int e = 0; e < 3; ++e) out[e] = coeff[e][0] + coeff[e][1] * TH + coeff[e][2] * TA;
        return 0;
    }

private:
    const CCampionato& c_;
    int max_;
};

} // namespace veltra::test
