#include "engine/rating/ModelloProbabilita.h"

#include "engine/CMotoreStime.h"
#include "engine/rating/ModelloRating.h"

#include <algorithm>

namespace veltra {

Probabilita1X2 ProbabilitaDaStima(float p1, float pX, float p2) {
    double p[3] = {p1, pX, p2};
    for (int i = 0; i < 3; ++i)
        if (p[i] <= 0) {
            const double h = (-p[i] + 0.01) / 2;
            p[i] = 0.01;
            for (int j = 0; j < 3; ++j)
                if (j != i) p[j] -= h;
        }
    double s = 0;
    for (double& x : p) {
        x = std::max(x, 0.001);
        s += x;
    }
    return {p[0] / s, p[1] / s, p[2] / s};
}

const char* NomeModello(ModelloStime m) {
    return m == ModelloStime::Rating ? "rating" : "motore";
}

std::optional<ModelloStime> ModelloDaNome(std::string_view nome) {
    if (nome == "motore") return ModelloStime::Motore;
    if (nome == "rating") return ModelloStime::Rating;
    if (nome == "migliore") return kModelloNuoveCartelle;
    return std::nullopt;
}

std::string TestoModelloInUso(ModelloStime m) {
    return m == ModelloStime::Rating ? "Stime: modello rating" : "Stime: motore";
}

namespace {

class ModelloMotore : public IModelloProbabilita {
public:
    explicit ModelloMotore(CCampionato& c) : c_(c) {}
    int Aggiorna() override {
        if (!c_.motore) CreaMotore(c_);
        riuscito_ = c_.motore->AggiornaStime() == 0;
        return riuscito_ ? 0 : -1;
    }
    std::optional<Probabilita1X2> Stima(int casa, int trasferta) const override {
        ::veltra::Stima s;
        if (!riuscito_ || c_.motore->StimaIncontro(casa, trasferta, s) != 0) return std::nullopt;
        return ProbabilitaDaStima(s.p1, s.pX, s.p2);
    }

private:
    CCampionato& c_;
    bool riuscito_ = false;
};

class ModelloRatingCampionato : public IModelloProbabilita {
public:
    ModelloRatingCampionato(CCampionato& c, const ParametriRating& p, const CCampionato* inferiore)
        : c_(c), modello_(p) {
        modello_.ImpostaInferiore(inferiore);
    }
    int Aggiorna() override { return modello_.Aggiorna(c_); }
    std::optional<Probabilita1X2> Stima(int casa, int trasferta) const override {
        return modello_.Stima(casa, trasferta);
    }

private:
    CCampionato& c_;
    ModelloRating modello_;
};

} // namespace

std::unique_ptr<IModelloProbabilita> CreaModelloProbabilita(CCampionato& c, ModelloStime m) {
    if (m == ModelloStime::Rating)
        return std::make_unique<ModelloRatingCampionato>(c, ParametriRatingPredefiniti(c.id()), nullptr);
    return std::make_unique<ModelloMotore>(c);
}

std::unique_ptr<IModelloProbabilita> CreaModelloRating(CCampionato& c, const ParametriRating& p,
                                                       const CCampionato* inferiore) {
    return std::make_unique<ModelloRatingCampionato>(c, p, inferiore);
}

bool OffrireModelloRating(DatiCampionati& dati, int campionato, bool riuscito) {
    CCampionato& c = dati.campionato(campionato);
    if (c.modello != ModelloStime::Motore || !c.motore) return false;
    if (!riuscito && !c.motore->IncontriInsufficienti()) return false;
    if (riuscito) {
        const int n = c.numeroSquadreCorrenti();
        ::veltra::Stima s;
        for (int h = 0; h < n; ++h)
            for (int a = 0; a < n; ++a)
                if (h != a && c.motore->StimaIncontro(h, a, s) == 0) return false;
    }
    const int sotto = DivisioneInferiore(c.id());
    auto m = CreaModelloRating(c, ParametriRatingPredefiniti(c.id()), sotto >= 0 ? &dati.campionato(sotto) : nullptr);
    return m->Aggiorna() == 0 && c.numeroSquadreCorrenti() >= 2 && m->Stima(0, 1).has_value();
}

ModelloStime ModelloInUso(const DatiCampionati& dati, int campionato) {
    return dati.campionato(campionato).modello;
}

std::unique_ptr<IModelloProbabilita> CreaModelloInUso(DatiCampionati& dati, int campionato) {
    CCampionato& c = dati.campionato(campionato);
    if (ModelloInUso(dati, campionato) != ModelloStime::Rating) return CreaModelloProbabilita(c, ModelloStime::Motore);
    const int sotto = DivisioneInferiore(c.id());
    return CreaModelloRating(c, ParametriRatingPredefiniti(c.id()),
                             sotto >= 0 ? &dati.campionato(sotto) : nullptr);
}

std::unique_ptr<IModelloProbabilita> CreaModelloProbabilita(CCampionato& c) {
    return CreaModelloProbabilita(c, c.modello);
}

} // namespace veltra

namespace veltra {

bool AggiornaModelloScelto(DatiCampionati& dati, int campionato) {
    CCampionato& c = dati.campionato(campionato);
    if (c.modello != ModelloStime::Rating) return AggiornaModelloScelto(c);
    c.modelloScelto.reset();
    std::shared_ptr<IModelloProbabilita> m = CreaModelloInUso(dati, campionato);
    if (m->Aggiorna() != 0) return false;
    c.modelloScelto = std::move(m);
    return true;
}

bool AggiornaModelloScelto(CCampionato& c) {
    if (c.modello == ModelloStime::Rating) {
        c.modelloScelto.reset();
        std::shared_ptr<IModelloProbabilita> m = CreaModelloProbabilita(c, ModelloStime::Rating);
        if (m->Aggiorna() != 0) return false;
        c.modelloScelto = std::move(m);
        return true;
    }
    if (!c.motore) CreaMotore(c);
    return c.motore->AggiornaStime() == 0;
}

std::optional<std::array<float, 3>> StimaModelloScelto(const CCampionato& c, int casa,
                                                        int trasferta) {
    if (casa < 0 || trasferta < 0 || casa == trasferta) return std::nullopt;
    if (c.modello == ModelloStime::Rating) {
        if (!c.modelloScelto) return std::nullopt;
        const auto p = c.modelloScelto->Stima(casa, trasferta);
        if (!p) return std::nullopt;
        return std::array<float, 3>{static_cast<float>(p->p1), static_cast<float>(p->pX),
                                    static_cast<float>(p->p2)};
    }
    Stima s;
    if (!c.motore || c.motore->StimaIncontro(casa, trasferta, s) != 0) return std::nullopt;
    return std::array<float, 3>{s.p1, s.pX, s.p2};
}

} // namespace veltra
