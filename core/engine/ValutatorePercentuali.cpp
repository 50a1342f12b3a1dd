#include "engine/ValutatorePercentuali.h"

#include "dati/Campionato.h"

#include <algorithm>
#include <cstring>

namespace veltra {

namespace {

// Four lanes of single-precision floats; two make the eight lanes of a group.
// The operations are the scalar ones lane by lane (IEEE single, no fused
// multiply-add: the build forbids contraction), so every lane computes what
// the engine computes.
typedef float VF __attribute__((vector_size(16)));
typedef std::int32_t VI __attribute__((vector_size(16)));
constexpr int kLarghezza = 4;
constexpr int kBlocchi = ValutatorePercentuali::kCorsie / kLarghezza;

inline VF Tutti(float x) { return VF{x, x, x, x}; }
inline VI TuttiI(std::int32_t x) { return VI{x, x, x, x}; }
inline VF Scegli(VI maschera, VF si, VF no) {
    return reinterpret_cast<VF>((reinterpret_cast<VI>(si) & maschera) |
                                (reinterpret_cast<VI>(no) & ~maschera));
}
// Arrotonda lane by lane, for values far inside the int range.
inline VI ArrotondaV(VF x) {
    VI r = __builtin_convertvector(x, VI);
    const VF f = x - __builtin_convertvector(r, VF);
    return r - (f >= Tutti(0.5f)) + (f < Tutti(-0.5f));
}

} // namespace

struct ValutatorePercentuali::Valori {
    std::vector<VF> v; // [slot * kBlocchi + blocco]
};

// One replayed match, with everything about it that no percentage changes.
struct ValutatorePercentuali::Passo {
    // Value slots of the k-th most recent history entries (k = 0 the latest)
    // the two totals weigh.
    std::int32_t casa[kMaxGiornateAnalisi] = {};
    std::int32_t trasferta[kMaxGiornateAnalisi] = {};
    float aggiuntaCasa = 0, aggiuntaTrasferta = 0; // 100 x the table modification
    bool conAggiuntaCasa = false, conAggiuntaTrasferta = false;
    bool riscaldamento = false;
    std::int8_t d = 0; // away third minus home third
    std::int8_t esito = 0;
    float peso = 0;
    // Points the home team earns against a Forte, Media, Debole opponent;
    // the away team's likewise.
    float valoreCasa[3] = {};
    float valoreTrasferta[3] = {};
};

std::unique_ptr<CCampionato> CopiaPerCalcolo(const CCampionato& c) {
    auto k = CopiaDati(c);
    CreaMotore(*k);
    return k;
}

ValutatorePercentuali::ValutatorePercentuali(const CCampionato& c)
    : copia_(CopiaPerCalcolo(c)), motore_(copia_->motore.get()),
      valori_(std::make_unique<Valori>()) {
    CostruisciTraccia();
}

ValutatorePercentuali::~ValutatorePercentuali() = default;

void ValutatorePercentuali::CostruisciTraccia() {
    CMotoreStime& m = *motore_;
    const CCampionato& c = *copia_;
    m.PreparaMotore();
    const CMotoreStime::Stato& s = m.stato_;
    rapido_ = false;
    traccia_.clear();
    if (!s.valido) return;
    const int n = s.giornate;
    giornate_ = n;
    const int slots = m.numeroSquadreMax_;
    const bool separa = s.separa;
    const bool stretto = separa && !c.filtroAttivo();
    const float modAltaTrasferta = separa ? s.modifiche[2] : s.modifiche[0];
    const float modBassaTrasferta = separa ? s.modifiche[3] : s.modifiche[1];

    // The same walk as the engine's replay, keeping only its structure.
    const auto dimensione = static_cast<std::size_t>(slots);
    std::vector<std::vector<std::int32_t>> storie(2 * dimensione); // writes of this season
    std::vector<int> punti(dimensione, 0), posizione(dimensione, 0), giocate(dimensione, 0),
        classe(dimensione, 0);
    auto ricalcolaPosizioni = [&] {
        for (int t = 0; t < slots; ++t) {
            if (stretto) {
                int piu = 0;
                for (int k = 0; k < slots; ++k) piu += punti[k] > punti[t];
                posizione[t] = piu;
            } else {
                posizione[t] = 0;
                for (int k = 0; k < t; ++k) {
                    if (punti[k] < punti[t]) ++posizione[k];
                    if (punti[k] > punti[t] && posizione[k] + 1 > posizione[t])
                        posizione[t] = posizione[k] + 1;
                }
            }
        }
    };

    const ElencoIncontri& incontri = c.incontri;
    int ultimo = incontri.numero() - 1;
    if (c.filtroAttivo()) ultimo = std::min(ultimo, c.ultimoIncontroFiltro);
    const int s0 = std::max(s.primaStagione, 0);
    if (s0 < incontri.numeroSeparatori()) {
        int stagione = s0 - 1;
        float peso = s.importanzaIniziale - s.incrementoImportanza;
        int turno = 0;
        for (int i = incontri.inizioStagione(s0); i <= ultimo; ++i) {
            const Incontro& inc = incontri[i];
            if (inc.separatore()) {
                ++stagione;
                for (auto& st : storie) st.clear();
                std::fill(punti.begin(), punti.end(), 0);
                std::fill(giocate.begin(), giocate.end(), 0);
                peso += s.incrementoImportanza;
                turno = 0;
                const int squadre = c.squadreStagione(stagione + 1).numero();
                const int divisore = std::max(1, squadre - 1);
                for (int p = 0; p < slots; ++p)
                    classe[static_cast<std::size_t>(p)] = std::min(2, p * 3 / divisore);
                continue;
            }
            const int h = inc.casa, a = inc.trasferta;
            if (static_cast<unsigned>(h) >= static_cast<unsigned>(slots) ||
                static_cast<unsigned>(a) >= static_cast<unsigned>(slots))
                continue;
            // With one history per team a match against itself would write
            // one ring twice: left to the engine.
            if (h == a && !separa) return;
            const auto hu = static_cast<std::size_t>(h), au = static_cast<std::size_t>(a);
            ++giocate[hu];
            ++giocate[au];
            if (giocate[hu] > turno || giocate[au] > turno) {
                ricalcolaPosizioni();
                ++turno;
            }
            const Esito esitoCasa = inc.risultato == '1'   ? kVittoria
                                    : inc.risultato == 'X' ? kPareggio
                                                           : kSconfitta;
            const Esito esitoTrasferta = static_cast<Esito>(2 - esitoCasa);
            Passo p;
            p.peso = peso;
            p.esito = static_cast<std::int8_t>(esitoCasa);
            for (int f = 0; f < 3; ++f) {
                p.valoreCasa[f] = s.punti[CPunteggiAvanzati::IndicePunti(esitoCasa, Forza(f))];
                p.valoreTrasferta[f] =
                    s.punti[CPunteggiAvanzati::IndicePunti(esitoTrasferta, Forza(f)) + 1];
            }
            auto& storiaCasa = storie[2 * hu];
            auto& storiaTrasferta = storie[2 * au + (separa ? 1 : 0)];
            const auto nu = static_cast<std::size_t>(n);
            if (storiaCasa.size() < nu || storiaTrasferta.size() < nu) {
                p.riscaldamento = true;
            } else {
                for (std::size_t k = 0; k < nu; ++k) {
                    p.casa[k] = storiaCasa[storiaCasa.size() - 1 - k];
                    p.trasferta[k] = storiaTrasferta[storiaTrasferta.size() - 1 - k];
                }
                const int classeCasa = classe[static_cast<std::size_t>(posizione[hu])];
                const int classeTrasferta = classe[static_cast<std::size_t>(posizione[au])];
                if (classeCasa == 0 || classeCasa == 2) {
                    p.conAggiuntaCasa = true;
                    p.aggiuntaCasa = 100.0f * (classeCasa == 0 ? s.modifiche[0] : s.modifiche[1]);
                }
                if (classeTrasferta == 0 || classeTrasferta == 2) {
                    p.conAggiuntaTrasferta = true;
                    p.aggiuntaTrasferta =
                        100.0f * (classeTrasferta == 0 ? modAltaTrasferta : modBassaTrasferta);
                }
                p.d = static_cast<std::int8_t>(classeTrasferta - classeCasa);
            }
            const auto indice = static_cast<std::int32_t>(traccia_.size());
            storiaCasa.push_back(2 * indice);
            storiaTrasferta.push_back(2 * indice + 1);
            traccia_.push_back(p);
            if (esitoCasa == kVittoria)
                punti[hu] += 3;
            else if (esitoCasa == kSconfitta)
                punti[au] += 3;
            else {
                ++punti[hu];
                ++punti[au];
            }
        }
    }

    // Warm-up matches write the same values for every candidate.
    valori_->v.assign(2 * traccia_.size() * kBlocchi, Tutti(0.0f));
    for (std::size_t i = 0; i < traccia_.size(); ++i) {
        if (!traccia_[i].riscaldamento) continue;
        for (int b = 0; b < kBlocchi; ++b) {
            valori_->v[2 * i * kBlocchi + static_cast<std::size_t>(b)] =
                Tutti(traccia_[i].valoreCasa[kMedia]);
            valori_->v[(2 * i + 1) * kBlocchi + static_cast<std::size_t>(b)] =
                Tutti(traccia_[i].valoreTrasferta[kMedia]);
        }
    }

    // A counted total lies in [min - 1.5, max + 1.5] units, so its rounded
    // value in [min - 1, max + 2]; the fit reads one row and one column
    // around its rectangle. A candidate that writes elsewhere (it cannot,
    // but nothing is assumed) goes the plain way.
    const int origineRighe = static_cast<int>(s.origineRighe);
    const int origineColonne = static_cast<int>(s.origineColonne);
    const int r0 = std::max(0, c.limiteMinCasa - 2 - origineRighe);
    const int r1 = std::min(kDimensioneGriglia - 1, c.limiteMaxCasa + 3 - origineRighe);
    const int k0 = std::max(0, c.limiteMinTrasferta - 2 - origineColonne);
    const int k1 = std::min(kDimensioneGriglia - 1, c.limiteMaxTrasferta + 3 - origineColonne);
    riga0_ = r0;
    colonna0_ = k0;
    righeScatola_ = std::max(0, r1 - r0 + 1);
    colonneScatola_ = std::max(0, k1 - k0 + 1);
    griglie_.assign(static_cast<std::size_t>(kCorsie * 3 * righeScatola_ * colonneScatola_), 0.0f);
    rapido_ = true;
}

bool ValutatorePercentuali::ValutaSemplice(const Percentuali& w, float& precisione) {
    std::copy(w.begin(), w.end(), copia_->config.percentualiImportanza);
    const bool ok = motore_->AggiornaStime() == 0;
    if (ok) precisione = motore_->precisioneMedia();
    // The fast path expects a prepared context with empty grids outside
    // the part it writes.
    motore_->PreparaMotore();
    return ok;
}

void ValutatorePercentuali::Valuta(const Percentuali* candidati, int numero, float* precisione,
                                   bool* riuscito) {
    for (int i = 0; i < numero; i += kCorsie) {
        const int quanti = std::min(kCorsie, numero - i);
        if (!rapido_) {
            for (int j = 0; j < quanti; ++j) {
                riuscito[i + j] = ValutaSemplice(candidati[i + j], precisione[i + j]);
                ++semplici_;
            }
            continue;
        }
        ValutaGruppo(candidati + i, quanti, precisione + i, riuscito + i);
    }
}

void ValutatorePercentuali::ValutaGruppo(const Percentuali* candidati, int numero,
                                         float* precisione, bool* riuscito) {
    const CMotoreStime::Stato& s = motore_->stato_;
    const int n = giornate_;
    // Weights per lane; the unused lanes repeat the first candidate.
    VF pesi[kMaxGiornateAnalisi][kBlocchi];
    for (int k = 0; k < n; ++k)
        for (int b = 0; b < kBlocchi; ++b)
            for (int j = 0; j < kLarghezza; ++j) {
                const int corsia = b * kLarghezza + j;
                const Percentuali& w = candidati[corsia < numero ? corsia : 0];
                pesi[k][b][j] = static_cast<float>(w[static_cast<std::size_t>(k)]);
            }
    std::fill(griglie_.begin(), griglie_.end(), 0.0f);
    bool fuoriScatola[kCorsie] = {};

    const VF limite0 = Tutti(s.limiti[0]), limite1 = Tutti(s.limiti[1]);
    const VF limite2 = Tutti(s.limiti[2]), limite3 = Tutti(s.limiti[3]);
    const VF soglia0 = Tutti(s.soglie[0]), soglia1 = Tutti(s.soglie[1]);
    const VF soglia2 = Tutti(s.soglie[2]), soglia3 = Tutti(s.soglie[3]);
    const VF forteCasa = Tutti(s.forteCasa), forteTrasferta = Tutti(s.forteTrasferta);
    const VF deboleCasa = Tutti(s.deboleCasa), deboleTrasferta = Tutti(s.deboleTrasferta);
    const VF cento = Tutti(100.0f);
    const int origineRighe = static_cast<int>(s.origineRighe);
    const int origineColonne = static_cast<int>(s.origineColonne);
    const std::size_t cellePerCorsia = static_cast<std::size_t>(3 * righeScatola_ * colonneScatola_);
    VF* const valori = valori_->v.data();

    const std::size_t passi = traccia_.size();
    for (std::size_t i = 0; i < passi; ++i) {
        const Passo& p = traccia_[i];
        if (p.riscaldamento) continue;
        const VI tutti = TuttiI(-1), nessuno = TuttiI(0);
        const VI puoForte = p.d <= 0 ? tutti : nessuno;
        const VI puoDebole = p.d >= 0 ? tutti : nessuno;
        for (int b = 0; b < kBlocchi; ++b) {
            VF th = Tutti(0.0f), ta = Tutti(0.0f);
            for (int k = 0; k < n; ++k) th += pesi[k][b] * valori[p.casa[k] * kBlocchi + b];
            for (int k = 0; k < n; ++k) ta += pesi[k][b] * valori[p.trasferta[k] * kBlocchi + b];
            if (p.conAggiuntaCasa) th += Tutti(p.aggiuntaCasa);
            if (p.conAggiuntaTrasferta) ta += Tutti(p.aggiuntaTrasferta);
            const VI fuori = (th >= limite0) | (th < limite2) | (ta >= limite1) | (ta < limite3);
            // Rounded totals of the lanes inside the limits (the others are
            // not converted: their totals may be far out).
            const VI rh = ArrotondaV(Scegli(fuori, Tutti(0.0f), th / cento));
            const VI ra = ArrotondaV(Scegli(fuori, Tutti(0.0f), ta / cento));
            const VF rhf = __builtin_convertvector(rh, VF);
            const VF raf = __builtin_convertvector(ra, VF);
            // Strength of the away team as the home team's opponent, and of
            // the home team as the away team's: on the unrounded totals
            // outside the limits, on the rounded ones inside.
            const VI forteOspite = (fuori & (ta >= soglia1)) | (~fuori & (raf > forteTrasferta));
            const VI deboleOspite = (fuori & (ta < soglia3)) | (~fuori & (raf < deboleTrasferta));
            const VI forteOspitante = (fuori & (th >= soglia0)) | (~fuori & (rhf > forteCasa));
            const VI deboleOspitante = (fuori & (th < soglia2)) | (~fuori & (rhf < deboleCasa));
            const VI fO = forteOspite & puoForte;
            const VI dO = ~forteOspite & deboleOspite & puoDebole;
            const VI fH = forteOspitante & puoForte;
            const VI dH = ~forteOspitante & deboleOspitante & puoDebole;
            valori[(2 * i) * kBlocchi + static_cast<std::size_t>(b)] =
                Scegli(fO, Tutti(p.valoreCasa[kForte]),
                       Scegli(dO, Tutti(p.valoreCasa[kDebole]), Tutti(p.valoreCasa[kMedia])));
            valori[(2 * i + 1) * kBlocchi + static_cast<std::size_t>(b)] =
                Scegli(fH, Tutti(p.valoreTrasferta[kForte]),
                       Scegli(dH, Tutti(p.valoreTrasferta[kDebole]),
                              Tutti(p.valoreTrasferta[kMedia])));
            for (int j = 0; j < kLarghezza; ++j) {
                if (fuori[j]) continue;
                const int riga = rh[j] - origineRighe;
                const int colonna = ra[j] - origineColonne;
                if (static_cast<unsigned>(riga) >= kDimensioneGriglia ||
                    static_cast<unsigned>(colonna) >= kDimensioneGriglia)
                    continue;
                const int corsia = b * kLarghezza + j;
                const int rr = riga - riga0_, cc = colonna - colonna0_;
                if (static_cast<unsigned>(rr) >= static_cast<unsigned>(righeScatola_) ||
                    static_cast<unsigned>(cc) >= static_cast<unsigned>(colonneScatola_)) {
                    fuoriScatola[corsia] = true;
                    continue;
                }
                griglie_[static_cast<std::size_t>(corsia) * cellePerCorsia +
                         static_cast<std::size_t>((p.esito * righeScatola_ + rr) * colonneScatola_ +
                                                  cc)] += p.peso;
            }
        }
    }

    // The fit, lane by lane, on the engine's own grids.
    CMotoreStime::Stato& stato = motore_->stato_;
    for (int corsia = 0; corsia < numero; ++corsia) {
        if (fuoriScatola[corsia]) {
            riuscito[corsia] = ValutaSemplice(candidati[corsia], precisione[corsia]);
            ++semplici_;
            continue;
        }
        const float* sorgente = griglie_.data() + static_cast<std::size_t>(corsia) * cellePerCorsia;
        for (int e = 0; e < 3; ++e)
            for (int r = 0; r < righeScatola_; ++r)
                std::memcpy(&stato.griglia[static_cast<std::size_t>(
                                CMotoreStime::Cella(e, riga0_ + r, colonna0_))],
                            sorgente + (e * righeScatola_ + r) * colonneScatola_,
                            sizeof(float) * static_cast<std::size_t>(colonneScatola_));
        riuscito[corsia] = motore_->CalcolaRegressione() == 0;
        if (riuscito[corsia]) precisione[corsia] = motore_->precisioneMedia();
    }
}

} // namespace veltra
