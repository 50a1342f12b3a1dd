#include "engine/CMotoreStime.h"

#include "dati/Campionato.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace veltra {

namespace {
// Beyond this many league points the table is ranked the quadratic way.
constexpr int kMaxPuntiIstogramma = 512;
} // namespace

int Arrotonda(float x) {
    // Totals are bounded by the parameter checks; the clamp only keeps the
    // conversion defined for values that cannot index anything anyway.
    if (!(x > -1.0e8f && x < 1.0e8f)) return x > 0 ? 100000000 : -100000000;
    int r = static_cast<int>(x);
    const float f = x - static_cast<float>(r);
    if (f >= 0.5f)
        ++r;
    else if (f < -0.5f)
        --r;
    return r;
}

CMotoreStime::CMotoreStime(CCampionato& campionato) : campionato_(campionato) {
    DimensionaSquadre(std::max(campionato.numeroSquadreMax(), campionato.squadreStagioneMassima()));
}

void CMotoreStime::DimensionaSquadre(int slot) {
    // Slots beyond the league's usual size only ever hold teams of the larger
    // seasons: empty slots have no points, so they move no team's position.
    numeroSquadreMax_ = slot;
    for (Stato* s : {&stato_, &statoDatiUsati_}) {
        const auto n = static_cast<std::size_t>(numeroSquadreMax_);
        s->storicoCasa.assign(n * kMaxGiornateAnalisi, kSlotVuoto);
        s->storicoTrasferta.assign(n * kMaxGiornateAnalisi, kSlotVuoto);
        s->posizioneCasa.assign(n, 0);
        s->posizioneTrasferta.assign(n, 0);
        s->posizione.assign(n, 0);
        s->puntiStretti.assign(n, 0);
        s->puntiClassifica.assign(n, 0);
        s->giocate.assign(n, 0);
        s->classePerPosizione.assign(n, 0);
        s->griglia.assign(3 * kDimensioneGriglia * kDimensioneGriglia, 0.0f);
    }
}

float CMotoreStime::precisioneMedia() const {
    return (precisione_[0] + precisione_[1] + precisione_[2]) / 3.0f;
}

void CMotoreStime::AzzeraSquadre(Stato& s) const {
    std::fill(s.storicoCasa.begin(), s.storicoCasa.end(), kSlotVuoto);
    std::fill(s.storicoTrasferta.begin(), s.storicoTrasferta.end(), kSlotVuoto);
    std::fill(s.puntiStretti.begin(), s.puntiStretti.end(), std::int16_t{0});
    std::fill(s.puntiClassifica.begin(), s.puntiClassifica.end(), std::int16_t{0});
    std::fill(s.giocate.begin(), s.giocate.end(), std::int16_t{0});
}

namespace {

bool Finito(float x, float limite) { return std::isfinite(x) && std::fabs(x) <= limite; }

// The smallest and largest points a team can earn at home and away (home
// entries are the even indices); over all 18 when home and away are joined.
void IntervalliPunti(const CPunteggiAvanzati& p, float& minCasa, float& maxCasa,
                     float& minTrasferta, float& maxTrasferta) {
    minCasa = maxCasa = p.punti[0];
    minTrasferta = maxTrasferta = p.punti[1];
    for (int i = 0; i < 18; i += 2) {
        minCasa = std::min(minCasa, p.punti[i]);
        maxCasa = std::max(maxCasa, p.punti[i]);
        minTrasferta = std::min(minTrasferta, p.punti[i + 1]);
        maxTrasferta = std::max(maxTrasferta, p.punti[i + 1]);
    }
    if (!p.separaCasaTrasferta) {
        minCasa = minTrasferta = std::min(minCasa, minTrasferta);
        maxCasa = maxTrasferta = std::max(maxCasa, maxTrasferta);
    }
}

} // namespace

void CMotoreStime::Prepara(Stato& s, int limiteMinCasa, int limiteMaxCasa,
                           int limiteMinTrasferta, int limiteMaxTrasferta) const {
    const Config& config = campionato_.config;
    const CPunteggiAvanzati& p = campionato_.punteggiAvanzati;

    // Parameters the grids cannot represent are refused rather than clamped:
    // N outside 1..5, a point worth 7.0 (the empty-slot mark), non-finite or
    // absurd values, no season to include, or a range of totals wider than the
    // 43 rows or columns of a grid. The dialogs never produce them; a damaged
    // archive or a typed command line can.
    const int n = config.giornateAnalisi;
    bool valido = n >= 1 && n <= kMaxGiornateAnalisi && p.campionatiInclusi >= 1;
    const float* tutti = &p.modificaAltaCasa;
    for (int i = 0; i < 28; ++i) valido = valido && Finito(tutti[i], 1000.0f);
    for (float x : p.punti) valido = valido && x != kSlotVuoto;

    s.giornate = std::clamp(n, 1, kMaxGiornateAnalisi);
    s.separa = p.separaCasaTrasferta;
    for (int k = 0; k < kMaxGiornateAnalisi; ++k)
        s.pesi[k] = static_cast<float>(config.percentualiImportanza[k]);

    float minCasa, maxCasa, minTrasferta, maxTrasferta;
    IntervalliPunti(p, minCasa, maxCasa, minTrasferta, maxTrasferta);
    const float nf = static_cast<float>(s.giornate);
    if (valido) {
        s.origineRighe = static_cast<float>(Arrotonda(nf * minCasa - 1.0f));
        s.origineColonne = static_cast<float>(Arrotonda(nf * minTrasferta - 1.0f));
        s.righe = Arrotonda(nf * maxCasa + 1.0f - (nf * minCasa - 1.0f)) + 1;
        s.colonne = Arrotonda(nf * maxTrasferta + 1.0f - (nf * minTrasferta - 1.0f)) + 1;
        valido = s.righe >= 1 && s.righe <= kDimensioneGriglia && s.colonne >= 1 &&
                 s.colonne <= kDimensioneGriglia;
    }
    if (!valido) s.righe = s.colonne = 0;
    s.valido = valido;
    s.incontriConStorico = 0;

    // Team state and grids.
    AzzeraSquadre(s);
    std::fill(s.posizioneCasa.begin(), s.posizioneCasa.end(), std::int16_t{0});
    std::fill(s.posizioneTrasferta.begin(), s.posizioneTrasferta.end(), std::int16_t{0});
    std::fill(s.posizione.begin(), s.posizione.end(), std::int16_t{0});
    std::fill(s.griglia.begin(), s.griglia.end(), 0.0f);
    s.squadreStagione = 0;

    // Season weights. With a single season included there is no step between
    // weights: that season gets importanzaMin.
    // A count below 1 (refused above) is taken as 1 so that nothing below
    // overflows on a damaged archive's value.
    const int inclusi = std::max(p.campionatiInclusi, std::int32_t{1});
    s.importanzaIniziale = p.importanzaMin;
    s.incrementoImportanza = inclusi > 1 ? (p.importanzaMax - p.importanzaMin) / static_cast<float>(inclusi - 1)
                                         : 0.0f;
    s.primaStagione = campionato_.numeroStagioniCorrenti() - inclusi;

    s.modifiche[0] = p.modificaAltaCasa;
    s.modifiche[1] = p.modificaBassaCasa;
    s.modifiche[2] = p.modificaAltaTrasferta;
    s.modifiche[3] = p.modificaBassaTrasferta;
    s.forteCasa = p.forteCasa;
    s.forteTrasferta = p.forteTrasferta;
    s.deboleCasa = p.deboleCasa;
    s.deboleTrasferta = p.deboleTrasferta;
    s.soglie[0] = p.forteCasa * 100.0f + 50.0f;
    s.soglie[1] = p.forteTrasferta * 100.0f + 50.0f;
    s.soglie[2] = p.deboleCasa * 100.0f - 50.0f;
    s.soglie[3] = p.deboleTrasferta * 100.0f - 50.0f;
    constexpr float kMargine = 100.0f;
    s.limiti[0] = static_cast<float>(limiteMaxCasa * 100 + 50) + kMargine;
    s.limiti[1] = static_cast<float>(limiteMaxTrasferta * 100 + 50) + kMargine;
    s.limiti[2] = static_cast<float>(limiteMinCasa * 100 - 50) - kMargine;
    s.limiti[3] = static_cast<float>(limiteMinTrasferta * 100 - 50) - kMargine;
    std::memcpy(s.punti, p.punti, sizeof s.punti);
}

void CMotoreStime::PreparaMotore() {
    const CCampionato& c = campionato_;
    // A season larger than any before was added: the only time the engine
    // allocates after its creation.
    if (c.squadreStagioneMassima() > numeroSquadreMax_) DimensionaSquadre(c.squadreStagioneMassima());
    Prepara(stato_, c.limiteMinCasa, c.limiteMaxCasa, c.limiteMinTrasferta, c.limiteMaxTrasferta);
}

void CMotoreStime::CalcolaGriglie() { Replay(stato_); }

void CMotoreStime::Replay(Stato& s) const {
    if (!s.valido) return;
    const bool filtro = campionato_.filtroAttivo();
    if (s.separa && !filtro)
        ReplayVariante<true, true>(s);
    else if (s.separa)
        ReplayVariante<true, false>(s);
    else
        ReplayVariante<false, false>(s);
}

template <bool Separa, bool Stretto> void CMotoreStime::ReplayVariante(Stato& s) const {
    const int n = s.giornate;
    const int slots = numeroSquadreMax_;
    float* const griglia = s.griglia.data();
    float* const storicoCasa = s.storicoCasa.data();
    float* const storicoTrasferta = Separa ? s.storicoTrasferta.data() : s.storicoCasa.data();
    std::int16_t* const posCasa = s.posizioneCasa.data();
    std::int16_t* const posTrasferta = Separa ? s.posizioneTrasferta.data() : s.posizioneCasa.data();
    std::int16_t* const punti = Stretto ? s.puntiStretti.data() : s.puntiClassifica.data();
    std::int16_t* const posizione = s.posizione.data();
    std::int16_t* const giocate = s.giocate.data();
    const float modAltaTrasferta = Separa ? s.modifiche[2] : s.modifiche[0];
    const float modBassaTrasferta = Separa ? s.modifiche[3] : s.modifiche[1];

    // Ring slot of the k-th most recent entry, for every ring position.
    int recente[kMaxGiornateAnalisi][kMaxGiornateAnalisi];
    for (int pos = 0; pos < n; ++pos)
        for (int k = 0; k < n; ++k) recente[pos][k] = ((pos - 1 - k) % n + n) % n;

    for (int r = 0; r < s.righe; ++r)
        for (int k = 0; k < 3; ++k)
            std::fill_n(griglia + Cella(k, r, 0), s.colonne, 0.0f);

    const ElencoIncontri& incontri = campionato_.incontri;
    int ultimo = incontri.numero() - 1;
    if (campionato_.filtroAttivo()) ultimo = std::min(ultimo, campionato_.ultimoIncontroFiltro);

    // Seasons before primaStagione are skipped whole: start at the separator
    // of the first replayed season.
    int s0 = std::max(s.primaStagione, 0);
    s.incontriConStorico = 0;
    if (s0 >= incontri.numeroSeparatori()) return;
    int stagione = s0 - 1;
    float peso = s.importanzaIniziale - s.incrementoImportanza;
    int turno = 0;
    const std::int8_t* const classe = s.classePerPosizione.data();

    auto ricalcolaPosizioni = [&] {
        if constexpr (Stretto) {
            // Position = number of slots with strictly more points. Points are
            // small non-negative numbers, so a histogram and its suffix sums
            // give every position in linear time.
            int massimo = 0;
            for (int t = 0; t < slots; ++t) massimo = std::max<int>(massimo, punti[t]);
            if (massimo < kMaxPuntiIstogramma) {
                std::int16_t sopra[kMaxPuntiIstogramma];
                std::fill_n(sopra, massimo + 1, std::int16_t{0});
                for (int t = 0; t < slots; ++t) ++sopra[punti[t]];
                int accumulo = 0;
                for (int p = massimo; p >= 0; --p) {
                    const int quanti = sopra[p];
                    sopra[p] = static_cast<std::int16_t>(accumulo);
                    accumulo += quanti;
                }
                for (int t = 0; t < slots; ++t) posizione[t] = sopra[punti[t]];
            } else {
                for (int t = 0; t < slots; ++t) {
                    int piu = 0;
                    for (int k = 0; k < slots; ++k) piu += punti[k] > punti[t];
                    posizione[t] = static_cast<std::int16_t>(piu);
                }
            }
        } else {
            for (int t = 0; t < slots; ++t) {
                posizione[t] = 0;
                for (int k = 0; k < t; ++k) {
                    if (punti[k] < punti[t]) ++posizione[k];
                    if (punti[k] > punti[t] && posizione[k] + 1 > posizione[t])
                        posizione[t] = static_cast<std::int16_t>(posizione[k] + 1);
                }
                s.puntiStretti[t] = punti[t]; // the table also records the points
            }
        }
    };

    int conStorico = 0;
    for (int i = incontri.inizioStagione(s0); i <= ultimo; ++i) {
        const Incontro& m = incontri[i];
        if (m.separatore()) {
            ++stagione;
            // stagione >= primaStagione always holds from s0 on.
            AzzeraSquadre(s);
            peso += s.incrementoImportanza;
            turno = 0;
            s.squadreStagione = campionato_.squadreStagione(stagione + 1).numero();
            // Class of a position: min(2, posizione * 3 / (teams - 1)), the
            // integer division done once a season rather than twice a match.
            // A season of one team has no table to divide: everyone is on top.
            const int divisore = std::max(1, s.squadreStagione - 1);
            for (int p = 0; p < slots; ++p)
                s.classePerPosizione[static_cast<std::size_t>(p)] =
                    static_cast<std::int8_t>(std::min(2, p * 3 / divisore));
            continue;
        }
        const int h = m.casa, a = m.trasferta;
        // The store guarantees valid indices; this keeps the arrays safe anyway.
        if (static_cast<unsigned>(h) >= static_cast<unsigned>(slots) ||
            static_cast<unsigned>(a) >= static_cast<unsigned>(slots))
            continue;

        ++giocate[h];
        ++giocate[a];
        if (giocate[h] > turno || giocate[a] > turno) {
            ricalcolaPosizioni();
            ++turno;
        }

        const Esito esitoCasa = m.risultato == '1'   ? kVittoria
                                : m.risultato == 'X' ? kPareggio
                                                     : kSconfitta;
        const Esito esitoTrasferta = static_cast<Esito>(2 - esitoCasa);
        float* const hc = storicoCasa + h * kMaxGiornateAnalisi;
        float* const ht = storicoTrasferta + a * kMaxGiornateAnalisi;
        const int pc = posCasa[h];
        const int pt = posTrasferta[a];

        Forza forzaOspite = kMedia; // strength of the away team, as the home team's opponent
        Forza forzaOspitante = kMedia;
        if (hc[pc] != kSlotVuoto && ht[pt] != kSlotVuoto) {
            ++conStorico;
            float th = 0.0f, ta = 0.0f;
            for (int k = 0; k < n; ++k) th += s.pesi[k] * hc[recente[pc][k]];
            for (int k = 0; k < n; ++k) ta += s.pesi[k] * ht[recente[pt][k]];
            const int classeCasa = classe[posizione[h]];
            const int classeTrasferta = classe[posizione[a]];
            if (classeCasa == 0)
                th += 100.0f * s.modifiche[0];
            else if (classeCasa == 2)
                th += 100.0f * s.modifiche[1];
            if (classeTrasferta == 0)
                ta += 100.0f * modAltaTrasferta;
            else if (classeTrasferta == 2)
                ta += 100.0f * modBassaTrasferta;
            const int d = classeTrasferta - classeCasa;

            if (th >= s.limiti[0] || th < s.limiti[2] || ta >= s.limiti[1] || ta < s.limiti[3]) {
                // Outside the limits: not counted, strengths on the unrounded totals.
                if (ta >= s.soglie[1])
                    forzaOspite = d <= 0 ? kForte : kMedia;
                else
                    forzaOspite = (ta < s.soglie[3] && d >= 0) ? kDebole : kMedia;
                if (th >= s.soglie[0])
                    forzaOspitante = d <= 0 ? kForte : kMedia;
                else
                    forzaOspitante = (th < s.soglie[2] && d >= 0) ? kDebole : kMedia;
            } else {
                const int rh = Arrotonda(th / 100.0f);
                const int ra = Arrotonda(ta / 100.0f);
                const int riga = rh - static_cast<int>(s.origineRighe);
                const int colonna = ra - static_cast<int>(s.origineColonne);
                // Large table-position modifications can push a total past the
                // grid; such a match is not counted.
                if (static_cast<unsigned>(riga) < kDimensioneGriglia &&
                    static_cast<unsigned>(colonna) < kDimensioneGriglia) {
                    const int g = esitoCasa; // grid 0 = '1', 1 = 'X', 2 = '2'
                    griglia[Cella(g, riga, colonna)] += peso;
                }
                const float rhf = static_cast<float>(rh), raf = static_cast<float>(ra);
                if (raf > s.forteTrasferta)
                    forzaOspite = d <= 0 ? kForte : kMedia;
                else
                    forzaOspite = (raf < s.deboleTrasferta && d >= 0) ? kDebole : kMedia;
                if (rhf > s.forteCasa)
                    forzaOspitante = d <= 0 ? kForte : kMedia;
                else
                    forzaOspitante = (rhf < s.deboleCasa && d >= 0) ? kDebole : kMedia;
            }
        }
        // Warm-up matches (an empty oldest slot) earn points against a Media
        // opponent and enter no grid.
        hc[pc] = s.punti[CPunteggiAvanzati::IndicePunti(esitoCasa, forzaOspite)];
        ht[pt] = s.punti[CPunteggiAvanzati::IndicePunti(esitoTrasferta, forzaOspitante) + 1];

        if (esitoCasa == kVittoria)
            punti[h] = static_cast<std::int16_t>(punti[h] + 3);
        else if (esitoCasa == kSconfitta)
            punti[a] = static_cast<std::int16_t>(punti[a] + 3);
        else {
            ++punti[h];
            ++punti[a];
        }
        posCasa[h] = static_cast<std::int16_t>(pc + 1 == n ? 0 : pc + 1);
        posTrasferta[a] = static_cast<std::int16_t>(pt + 1 == n ? 0 : pt + 1);
    }
    s.incontriConStorico = conStorico;
}

int CMotoreStime::CalcolaRegressione() {
    const Stato& s = stato_;
    if (!s.valido) return -1;
    const CCampionato& c = campionato_;
    const int r0 = c.limiteMinCasa - static_cast<int>(s.origineRighe);
    const int c0 = c.limiteMinTrasferta - static_cast<int>(s.origineColonne);
    const int r1 = c.limiteMaxCasa - static_cast<int>(s.origineRighe);
    const int c1 = c.limiteMaxTrasferta - static_cast<int>(s.origineColonne);
    if (r0 < 0 || c0 < 0) return -1;
    // A rectangle reaching past the grid cannot be read.
    if (r1 >= kDimensioneGriglia || c1 >= kDimensioneGriglia) return -1;
    const int nx = c.limiteMaxCasa - c.limiteMinCasa + 1;
    const int ny = c.limiteMaxTrasferta - c.limiteMinTrasferta + 1;
    if (nx < 1 || ny < 1) return -1;
    const int m = nx * ny;
    const float mf = static_cast<float>(m);
    const float* g = s.griglia.data();

    // One pass over the cells, rows in increasing x and columns in increasing
    // y: every sum accumulates in that order.
    float sommaX = 0, sommaY = 0;
    float sommaF[3] = {}, sommaF2[3] = {}, sommaXF[3] = {}, sommaYF[3] = {};
    for (int x = c.limiteMinCasa; x <= c.limiteMaxCasa; ++x) {
        const int r = x - static_cast<int>(s.origineRighe);
        for (int y = c.limiteMinTrasferta; y <= c.limiteMaxTrasferta; ++y) {
            const int k = y - static_cast<int>(s.origineColonne);
            float q3[3];
            for (int e = 0; e < 3; ++e) q3[e] = g[Cella(e, r, k)];
            float q = q3[0] + q3[1] + q3[2];
            if (q < 100.0f) {
                for (int e = 0; e < 3; ++e) {
                    if (r > 0) q3[e] += g[Cella(e, r - 1, k)];
                    if (k > 0) q3[e] += g[Cella(e, r, k - 1)];
                    if (k < 41) q3[e] += g[Cella(e, r, k + 1)];
                    if (r < 41) q3[e] += g[Cella(e, r + 1, k)];
                }
                q = q3[0] + q3[1] + q3[2];
                if (q == 0.0f) return -1;
            }
            const float xf = static_cast<float>(x), yf = static_cast<float>(y);
            sommaX += xf;
            sommaY += yf;
            for (int e = 0; e < 3; ++e) {
                const float f = q3[e] / q;
                sommaF[e] += f;
                sommaF2[e] += f * f;
                sommaXF[e] += xf * f;
                sommaYF[e] += yf * f;
            }
        }
    }
    const float mediaX = sommaX / mf;
    const float mediaY = sommaY / mf;
    float sxx = 0, syy = 0, sxy = 0;
    for (int x = c.limiteMinCasa; x <= c.limiteMaxCasa; ++x) {
        for (int y = c.limiteMinTrasferta; y <= c.limiteMaxTrasferta; ++y) {
            const float dx = static_cast<float>(x) - mediaX;
            const float dy = static_cast<float>(y) - mediaY;
            sxx += dx * dx;
            syy += dy * dy;
            sxy += dx * dy;
        }
    }
    const float det = sxx * syy - sxy * sxy;
    if (det == 0.0f) return -1;

    float coeff[3][3];
    float media[3];
    for (int e = 0; e < 3; ++e) {
        const float fm = sommaF[e] / mf;
        media[e] = fm;
        // M times the square of the mean, squared first: (M * mean) * mean
        // rounds differently in single precision.
        if (sommaF2[e] == mf * (fm * fm)) return -1;
        const float sxs = sommaXF[e] - mf * mediaX * fm;
        const float sys = sommaYF[e] - mf * mediaY * fm;
        const float b = (syy * sxs - sxy * sys) / det;
        const float cc = (sxx * sys - sxy * sxs) / det;
        coeff[e][0] = fm - b * mediaX - cc * mediaY;
        coeff[e][1] = b;
        coeff[e][2] = cc;
    }

    // Adjusted coefficient of determination of each plane.
    float prec[3];
    for (int e = 0; e < 3; ++e) {
        const float sst = sommaF2[e] - mf * (media[e] * media[e]);
        float sommaYhat2 = 0;
        for (int x = c.limiteMinCasa; x <= c.limiteMaxCasa; ++x) {
            for (int y = c.limiteMinTrasferta; y <= c.limiteMaxTrasferta; ++y) {
                const float yhat = coeff[e][0] + coeff[e][1] * static_cast<float>(x) +
                                   coeff[e][2] * static_cast<float>(y);
                sommaYhat2 += yhat * yhat;
            }
        }
        const float ssr = sommaYhat2 - mf * (media[e] * media[e]);
        const float r2 = ssr / sst;
        const float m1 = static_cast<float>(m - 1), m3 = static_cast<float>(m - 3);
        float p = (r2 - 2.0f / m1) * m1 / m3;
        if (p < 0.0f) p = 0.0f;
        prec[e] = p;
    }
    std::memcpy(coefficienti_, coeff, sizeof coeff);
    std::memcpy(precisione_, prec, sizeof prec);
    return 0;
}

bool CMotoreStime::IncontriInsufficienti() const {
    if (!stato_.valido) return false;
    const CCampionato& c = campionato_;
    // The rectangle of the score limits and the ring of cells around it that
    // fills its empty cells.
    const int nx = c.limiteMaxCasa - c.limiteMinCasa + 3;
    const int ny = c.limiteMaxTrasferta - c.limiteMinTrasferta + 3;
    if (nx < 3 || ny < 3) return false;
    return stato_.incontriConStorico < nx * ny;
}

int CMotoreStime::AggiornaStime() {
    PreparaMotore();
    CalcolaGriglie();
    return CalcolaRegressione();
}

int CMotoreStime::PunteggiTotali(int casa, int trasferta, float& totaleCasa,
                                 float& totaleTrasferta) const {
    const Stato& s = stato_;
    const int squadre = std::min(campionato_.numeroSquadreCorrenti(), numeroSquadreMax_);
    if (casa < 0 || trasferta < 0 || casa >= squadre || trasferta >= squadre) return -1;
    const int n = s.giornate;
    const float* hc = s.storicoCasa.data() + casa * kMaxGiornateAnalisi;
    const float* ht = (s.separa ? s.storicoTrasferta.data() : s.storicoCasa.data()) +
                      trasferta * kMaxGiornateAnalisi;
    const int pc = s.posizioneCasa[casa];
    const int pt = s.separa ? s.posizioneTrasferta[trasferta] : s.posizioneCasa[trasferta];
    float th = 0, ta = 0;
    for (int k = 0; k < n; ++k) {
        const float v = hc[((pc - 1 - k) % n + n) % n];
        if (v == kSlotVuoto) return -1;
        th += s.pesi[k] * v;
    }
    for (int k = 0; k < n; ++k) {
        const float v = ht[((pt - 1 - k) % n + n) % n];
        if (v == kSlotVuoto) return -1;
        ta += s.pesi[k] * v;
    }
    th = th / 100.0f;
    ta = ta / 100.0f;
    // Table classes from the positions of the last replayed matchday.
    const int divisore = std::max(1, s.squadreStagione - 1);
    const int classeCasa = std::min(2, s.posizione[casa] * 3 / divisore);
    const int classeTrasferta = std::min(2, s.posizione[trasferta] * 3 / divisore);
    if (classeCasa == 0)
        th += s.modifiche[0];
    else if (classeCasa == 2)
        th += s.modifiche[1];
    const float modAlta = s.separa ? s.modifiche[2] : s.modifiche[0];
    const float modBassa = s.separa ? s.modifiche[3] : s.modifiche[1];
    if (classeTrasferta == 0)
        ta += modAlta;
    else if (classeTrasferta == 2)
        ta += modBassa;
    totaleCasa = th;
    totaleTrasferta = ta;
    return 0;
}

float CMotoreStime::ValoreStorico(int squadra, bool trasferta, int k) const {
    const Stato& s = stato_;
    const int n = s.giornate;
    if (squadra < 0 || squadra >= numeroSquadreMax_ || k < 0 || k >= n) return kSlotVuoto;
    const bool lontano = trasferta && s.separa;
    const float* storico =
        (lontano ? s.storicoTrasferta.data() : s.storicoCasa.data()) + squadra * kMaxGiornateAnalisi;
    const int pos = lontano ? s.posizioneTrasferta[squadra] : s.posizioneCasa[squadra];
    return storico[((pos - 1 - k) % n + n) % n];
}

int CMotoreStime::StimaIncontro(int casa, int trasferta, Stima& stima) const {
    float th = 0, ta = 0;
    if (PunteggiTotali(casa, trasferta, th, ta) != 0) return -1;
    stima.p1 = coefficienti_[0][0] + coefficienti_[0][1] * th + coefficienti_[0][2] * ta;
    stima.pX = coefficienti_[1][0] + coefficienti_[1][1] * th + coefficienti_[1][2] * ta;
    stima.p2 = coefficienti_[2][0] + coefficienti_[2][1] * th + coefficienti_[2][2] * ta;
    return 0;
}

std::optional<float> CMotoreStime::PercentualeDatiUsati() {
    const CCampionato& c = campionato_;
    const CPunteggiAvanzati& p = c.punteggiAvanzati;
    Stato& s = statoDatiUsati_;
    // The widened limits: the whole reachable range of totals.
    float minCasa, maxCasa, minTrasferta, maxTrasferta;
    IntervalliPunti(p, minCasa, maxCasa, minTrasferta, maxTrasferta);
    const float nf = static_cast<float>(std::clamp<int>(c.config.giornateAnalisi, 1, 5));
    const int loCasa = Arrotonda(nf * minCasa), hiCasa = Arrotonda(nf * maxCasa);
    const int loTrasf = Arrotonda(nf * minTrasferta), hiTrasf = Arrotonda(nf * maxTrasferta);
    Prepara(s, loCasa, hiCasa, loTrasf, hiTrasf);
    if (!s.valido) return std::nullopt;
    Replay(s);

    float totale = 0, usati = 0;
    for (int r = 0; r < s.righe; ++r) {
        const int x = loCasa - 1 + r;
        for (int k = 0; k < s.colonne; ++k) {
            const int y = loTrasf - 1 + k;
            const float v = s.griglia[Cella(0, r, k)] + s.griglia[Cella(1, r, k)] +
                            s.griglia[Cella(2, r, k)];
            totale += v;
            if (x >= c.limiteMinCasa && x <= c.limiteMaxCasa && y >= c.limiteMinTrasferta &&
                y <= c.limiteMaxTrasferta)
                usati += v;
        }
    }
    if (totale == 0.0f) return std::nullopt;
    return usati / totale * 100.0f;
}

int CMotoreStime::RipristinaParametri() {
    CCampionato& c = campionato_;
    c.config.giornateAnalisi = 2;
    const std::int16_t percentuali[5] = {100, 100, 0, 0, 0};
    std::memcpy(c.config.percentualiImportanza, percentuali, sizeof percentuali);
    c.limiteMinCasa = -1;
    c.limiteMaxCasa = 0;
    c.limiteMinTrasferta = -1;
    c.limiteMaxTrasferta = 0;
    c.punteggiAvanzati = CPunteggiAvanzati{};
    return AggiornaStime();
}

void CreaMotore(CCampionato& c) { c.motore = std::make_shared<CMotoreStime>(c); }

} // namespace veltra
