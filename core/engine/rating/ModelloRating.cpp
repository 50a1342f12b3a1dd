#include "engine/rating/ModelloRating.h"


#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <set>

namespace veltra {

namespace {

struct PartitaFit {
    int casa, trasferta;
    int golCasa, golTrasferta; // -1 when only the sign is known
    char risultato;
    double tempo; // days
    int stagione;
};

// The usable matches of seasons prima..ultima (1-based), up to entry `limite`
// (inclusive), with their time: the real date when known, otherwise a week
// per round from the first of August of the season's year.
std::vector<PartitaFit> Partite(const CCampionato& c, int prima, int ultima, int limite,
                                const std::vector<std::vector<int>>& idStagione) {
    std::vector<PartitaFit> v;
    const auto& inc = c.incontri;
    for (int s = prima; s <= ultima; ++s) {
        if (s - 1 >= inc.numeroSeparatori()) break;
        const int inizio = inc.inizioStagione(s - 1);
        const int fine = s < inc.numeroSeparatori() ? inc.inizioStagione(s) : inc.numero();
        const int squadre = std::max(2, c.squadreStagione(s).numero());
        const long base = GiorniDaData((c.descrizione().annoPrimaStagione + s - 1) * 10000 + 801);
        const auto& ids = idStagione[static_cast<std::size_t>(s - prima)];
        for (int p = inizio + 1; p < fine && p <= limite; ++p) {
            const Incontro& m = inc[p];
            if (m.casa < 0 || m.casa >= static_cast<int>(ids.size()) || m.trasferta < 0 ||
                m.trasferta >= static_cast<int>(ids.size()))
                continue;
            const RetiIncontro r = c.reti.Di(p);
            PartitaFit f;
            f.casa = ids[static_cast<std::size_t>(m.casa)];
            f.trasferta = ids[static_cast<std::size_t>(m.trasferta)];
            f.golCasa = r.conPunteggio() ? r.golCasa : -1;
            f.golTrasferta = r.conPunteggio() ? r.golTrasferta : -1;
            f.risultato = m.risultato;
            f.tempo = r.data != 0 ? static_cast<double>(GiorniDaData(r.data))
                                  : static_cast<double>(base + (p - inizio - 1) / (squadre / 2) * 7);
            f.stagione = s;
            v.push_back(f);
        }
    }
    return v;
}

double Sigmoide(double x) {
    return 1.0 / (1.0 + std::exp(-x));
}

} // namespace

Probabilita1X2 ProbabilitaPoisson(double lh, double la, double rho) {
    constexpr int kMax = 16;
    double ph[kMax], pa[kMax];
    ph[0] = std::exp(-lh);
    pa[0] = std::exp(-la);
    for (int k = 1; k < kMax; ++k) {
        ph[k] = ph[k - 1] * lh / k;
        pa[k] = pa[k - 1] * la / k;
    }
    double p1 = 0, pX = 0, p2 = 0;
    for (int x = 0; x < kMax; ++x)
        for (int y = 0; y < kMax; ++y) {
            double p = ph[x] * pa[y];
            if (x == 0 && y == 0) p *= std::max(0.0, 1 - lh * la * rho);
            else if (x == 0 && y == 1) p *= std::max(0.0, 1 + lh * rho);
            else if (x == 1 && y == 0) p *= std::max(0.0, 1 + la * rho);
            else if (x == 1 && y == 1) p *= std::max(0.0, 1 - rho);
            (x > y ? p1 : x == y ? pX : p2) += p;
        }
    const double s = p1 + pX + p2;
    return {p1 / s, pX / s, p2 / s};
}

std::optional<std::string> ImpostaParametroRating(ParametriRating& p, std::string_view nome,
                                                  std::string_view valore) {
    // A number in the "C" notation; a decimal comma counts as a point.
    std::string t(valore);
    for (char& ch : t)
        if (ch == ',') ch = '.';
    double x = 0;
    const auto [fine, ec] = std::from_chars(t.data(), t.data() + t.size(), x);
    if (t.empty() || ec != std::errc() || fine != t.data() + t.size())
        return "valore non valido per " + std::string(nome) + ": " + std::string(valore);
    auto entro = [&](double lo, double hi, double& campo) -> std::optional<std::string> {
        if (!(x >= lo && x <= hi))
            return std::string(nome) + " va da " + std::to_string(lo) + " a " + std::to_string(hi);
        campo = x;
        return std::nullopt;
    };
    if (nome == "decadimento") return entro(0, 0.1, p.decadimento);
    if (nome == "regolarizzazione") return entro(0, 1000, p.regolarizzazione);
    if (nome == "neopromosse") return entro(-2, 2, p.neopromosse);
    if (nome == "rho") return entro(-0.3, 0.3, p.rho);
    if (nome == "pesoStagione") return entro(0, 1, p.pesoStagione);
    if (nome == "pesoInferiore") return entro(0, 2, p.pesoInferiore);
    if (nome == "eloK") return entro(0, 200, p.eloK);
    if (nome == "eloCasa") return entro(-400, 400, p.eloCasa);
    if (nome == "eloPareggio") return entro(0.01, 5, p.eloPareggio);
    if (nome == "stagioniStoria") {
        if (x != std::floor(x) || x < 0 || x > 20) return "stagioniStoria va da 0 a 20 (intero)";
        p.stagioniStoria = static_cast<int>(x);
        return std::nullopt;
    }
    return "parametro del modello rating sconosciuto: " + std::string(nome);
}

std::string TestoParametriRating(const ParametriRating& p) {
    char buf[320];
    std::snprintf(buf, sizeof buf,
                  "decadimento=%.6g regolarizzazione=%.6g neopromosse=%.6g rho=%.6g "
                  "stagioniStoria=%d pesoStagione=%.6g pesoInferiore=%.6g eloK=%.6g eloCasa=%.6g "
                  "eloPareggio=%.6g",
                  p.decadimento, p.regolarizzazione, p.neopromosse, p.rho, p.stagioniStoria,
                  p.pesoStagione, p.pesoInferiore, p.eloK, p.eloCasa, p.eloPareggio);
    return buf;
}

std::optional<std::string> LeggiTabellaParametriRating(std::string_view testo,
                                                       std::vector<ParametriRating>& perCampionato) {
    // Two passes: the line "*" first, whatever its place, then the others over it.
    std::vector<ParametriRating> nuovi(kNumeroCampionati);
    std::vector<std::pair<int, std::string_view>> righe; // (championship or -1, fields)
    int numero = 0;
    for (std::size_t pos = 0; pos < testo.size();) {
        const auto fine = testo.find('\n', pos);
        std::string_view riga = testo.substr(pos, fine == std::string_view::npos ? testo.size() - pos : fine - pos);
        pos = fine == std::string_view::npos ? testo.size() : fine + 1;
        ++numero;
        if (const auto h = riga.find('#'); h != std::string_view::npos) riga = riga.substr(0, h);
        while (!riga.empty() && std::isspace(static_cast<unsigned char>(riga.back()))) riga.remove_suffix(1);
        while (!riga.empty() && std::isspace(static_cast<unsigned char>(riga.front()))) riga.remove_prefix(1);
        if (riga.empty()) continue;
        const auto spazio = riga.find_first_of(" \t");
        const std::string_view codice = riga.substr(0, spazio);
        const std::string_view campi = spazio == std::string_view::npos ? std::string_view{} : riga.substr(spazio + 1);
        int id = -1;
        if (codice != "*") {
            const auto c = CercaCampionato(codice);
            if (!c) return "riga " + std::to_string(numero) + ": campionato sconosciuto \"" + std::string(codice) + "\"";
            id = *c;
        }
        righe.emplace_back(id, campi);
        // The fields are checked now, against a scratch copy, for the line number.
        ParametriRating prova;
        for (std::size_t q = 0; q < campi.size();) {
            while (q < campi.size() && std::isspace(static_cast<unsigned char>(campi[q]))) ++q;
            const auto f = campi.find_first_of(" \t", q);
            const std::string_view campo = campi.substr(q, f == std::string_view::npos ? campi.size() - q : f - q);
            q = f == std::string_view::npos ? campi.size() : f;
            if (campo.empty()) continue;
            const auto uguale = campo.find('=');
            if (uguale == std::string_view::npos)
                return "riga " + std::to_string(numero) + ": \"" + std::string(campo) + "\" non e' nome=valore";
            if (auto e = ImpostaParametroRating(prova, campo.substr(0, uguale), campo.substr(uguale + 1)))
                return "riga " + std::to_string(numero) + ": " + *e;
        }
    }
    auto applica = [](ParametriRating& p, std::string_view campi) {
        for (std::size_t q = 0; q < campi.size();) {
            while (q < campi.size() && std::isspace(static_cast<unsigned char>(campi[q]))) ++q;
            const auto f = campi.find_first_of(" \t", q);
            const std::string_view campo = campi.substr(q, f == std::string_view::npos ? campi.size() - q : f - q);
            q = f == std::string_view::npos ? campi.size() : f;
            if (campo.empty()) continue;
            const auto uguale = campo.find('=');
            ImpostaParametroRating(p, campo.substr(0, uguale), campo.substr(uguale + 1));
        }
    };
    ParametriRating comune;
    for (const auto& [id, campi] : righe)
        if (id < 0) applica(comune, campi);
    std::fill(nuovi.begin(), nuovi.end(), comune);
    for (const auto& [id, campi] : righe)
        if (id >= 0) applica(nuovi[static_cast<std::size_t>(id)], campi);
    perCampionato = std::move(nuovi);
    return std::nullopt;
}

ParametriRating ParametriRatingPredefiniti(CampionatoId id) {
    static const std::vector<ParametriRating> tabella = [] {
        std::vector<ParametriRating> t(kNumeroCampionati);
        // The table is checked by the tests; a damaged one leaves the built-in values.
        LeggiTabellaParametriRating(TabellaParametriRatingIncorporata(), t);
        return t;
    }();
    if (id < 0 || id >= static_cast<int>(tabella.size())) return {};
    return tabella[static_cast<std::size_t>(id)];
}

int DivisioneInferiore(CampionatoId id) {
    const auto a = CercaCampionato("A"), b = CercaCampionato("B");
    return a && b && id == *a ? *b : -1;
}

int ModelloRating::Id(const std::string& nome) {
    const auto [it, nuovo] = ids_.emplace(nome, static_cast<int>(squadre_.size()));
    if (nuovo) squadre_.emplace_back();
    return it->second;
}

int ModelloRating::Aggiorna(const CCampionato& c) {
    pronto_ = false;
    const int ultima = c.numeroStagioniCorrenti();
    if (ultima < 1) return -1;
    const int limite = c.filtroAttivo() ? c.ultimoIncontroFiltro : c.numeroIncontri() - 1;
    const int prima = std::max(1, ultima - p_.stagioniStoria);

    // Scores known for (nearly) every match of the seasons fitted? Otherwise
    // the results-only rating.
    std::vector<std::vector<int>> idStagione;
    for (int s = prima; s <= ultima; ++s) {
        std::vector<int> ids;
        for (const auto& n : c.squadreStagione(s).nomi) ids.push_back(Id(n));
        idStagione.push_back(std::move(ids));
    }
    correnti_ = idStagione.back();
    const auto partite = Partite(c, prima, ultima, limite, idStagione);
    // No match at all in the seasons fitted: nothing to rate the clubs on.
    if (partite.empty()) return -1;
    long conReti = 0;
    for (const auto& f : partite) conReti += f.golCasa >= 0;
    elo_ = partite.empty() || conReti * 10 < static_cast<long>(partite.size()) * 9;
    const int esito = elo_ ? AggiornaElo(c, prima, ultima, limite) : AggiornaPoisson(c, prima, ultima, limite);
    pronto_ = esito == 0;
    return esito;
}

int ModelloRating::AggiornaPoisson(const CCampionato& c, int prima, int ultima, int limite) {
    std::vector<std::vector<int>> idStagione;
    for (int s = prima; s <= ultima; ++s) {
        std::vector<int> ids;
        for (const auto& n : c.squadreStagione(s).nomi) ids.push_back(Id(n));
        idStagione.push_back(std::move(ids));
    }
    std::vector<PartitaFit> partite;
    for (const auto& f : Partite(c, prima, ultima, limite, idStagione))
        if (f.golCasa >= 0) partite.push_back(f);
    if (partite.empty()) return -1;

    // Priors: a club of the current season that was not in the previous one
    // starts weaker.
    const std::set<int> precedenti =
        ultima > prima ? std::set<int>(idStagione[idStagione.size() - 2].begin(),
                                       idStagione[idStagione.size() - 2].end())
                       : std::set<int>{};
    for (auto& s : squadre_) s.prioreAttacco = s.prioreDifesa = 0;
    std::vector<int> promosse;
    if (!precedenti.empty())
        for (int id : correnti_)
            if (!precedenti.count(id)) {
                promosse.push_back(id);
                squadre_[static_cast<std::size_t>(id)].prioreAttacco = -p_.neopromosse;
                squadre_[static_cast<std::size_t>(id)].prioreDifesa = p_.neopromosse;
            }
    if (inferiore_ && p_.pesoInferiore > 0 && !promosse.empty()) PrioriDaInferiore(c, ultima, promosse);

    double tRif = partite.front().tempo;
    for (const auto& f : partite) tRif = std::max(tRif, f.tempo);
    std::vector<double> peso(partite.size());
    for (std::size_t i = 0; i < partite.size(); ++i)
        peso[i] = std::exp(-p_.decadimento * (tRif - partite[i].tempo)) *
                  std::pow(p_.pesoStagione, ultima - partite[i].stagione);

    const std::size_t n = squadre_.size();
    std::vector<double> g(n), h(n);
    const double tau = p_.regolarizzazione;
    for (int iter = 0; iter < 200; ++iter) {
        double cambio = 0;
        // Level and home advantage together (2x2 Newton step).
        {
            double gm = 0, gc = 0, hmm = 0, hmc = 0;
            for (std::size_t i = 0; i < partite.size(); ++i) {
                const auto& f = partite[i];
                const auto& sc = squadre_[static_cast<std::size_t>(f.casa)];
                const auto& st = squadre_[static_cast<std::size_t>(f.trasferta)];
                const double lh = std::exp(mu_ + casa_ + sc.attacco + st.difesa);
                const double la = std::exp(mu_ + st.attacco + sc.difesa);
                gm += peso[i] * (f.golCasa - lh + f.golTrasferta - la);
                gc += peso[i] * (f.golCasa - lh);
                hmm += peso[i] * (lh + la);
                hmc += peso[i] * lh;
            }
            const double det = hmm * hmc - hmc * hmc;
            if (det > 1e-12) {
                const double dm = (hmc * gm - hmc * gc) / det;
                const double dc = (-hmc * gm + hmm * gc) / det;
                mu_ += dm;
                casa_ += dc;
                cambio = std::max({cambio, std::fabs(dm), std::fabs(dc)});
            }
        }
        // Attack, then defence, of every club (each a one-dimensional Newton
        // step; clubs do not share a match's mean within one block).
        for (int blocco = 0; blocco < 2; ++blocco) {
            std::fill(g.begin(), g.end(), 0.0);
            std::fill(h.begin(), h.end(), 0.0);
            for (std::size_t i = 0; i < partite.size(); ++i) {
                const auto& f = partite[i];
                const auto& sc = squadre_[static_cast<std::size_t>(f.casa)];
                const auto& st = squadre_[static_cast<std::size_t>(f.trasferta)];
                const double lh = std::exp(mu_ + casa_ + sc.attacco + st.difesa);
                const double la = std::exp(mu_ + st.attacco + sc.difesa);
                const auto c1 = static_cast<std::size_t>(blocco == 0 ? f.casa : f.trasferta);
                const auto c2 = static_cast<std::size_t>(blocco == 0 ? f.trasferta : f.casa);
                g[c1] += peso[i] * (f.golCasa - lh);
                h[c1] += peso[i] * lh;
                g[c2] += peso[i] * (f.golTrasferta - la);
                h[c2] += peso[i] * la;
            }
            for (std::size_t t = 0; t < n; ++t) {
                auto& s = squadre_[t];
                double& x = blocco == 0 ? s.attacco : s.difesa;
                const double priore = blocco == 0 ? s.prioreAttacco : s.prioreDifesa;
                const double gg = g[t] - tau * (x - priore), hh = h[t] + tau;
                if (hh <= 0) continue;
                const double d = gg / hh;
                x += d;
                cambio = std::max(cambio, std::fabs(d));
            }
        }
        // The likelihood does not change when every attack (defence) moves
        // by c and the level by -c; the penalty is least when the strengths
        // sit on their priors on average. Moving there at once spares the
        // coordinate steps a long crawl along that direction.
        for (int blocco = 0; blocco < 2; ++blocco) {
            double scarto = 0;
            for (const auto& s : squadre_)
                scarto += blocco == 0 ? s.attacco - s.prioreAttacco : s.difesa - s.prioreDifesa;
            scarto /= static_cast<double>(n);
            for (auto& s : squadre_) (blocco == 0 ? s.attacco : s.difesa) -= scarto;
            mu_ += scarto;
        }
        if (cambio < 1e-7) break;
    }
    return 0;
}

void ModelloRating::PrioriDaInferiore(const CCampionato& c, int ultima,
                                      const std::vector<int>& promosse) {
    // The lower division's season that ended before season `ultima` began.
    const CCampionato& b = *inferiore_;
    const int anno = c.descrizione().annoPrimaStagione + ultima - 2;
    const int s = anno - b.descrizione().annoPrimaStagione + 1;
    if (s < 1 || s > b.config.numeroStagioni() || s - 1 >= b.incontri.numeroSeparatori()) return;
    const auto& nomi = b.squadreStagione(s).nomi;
    const int inizio = b.incontri.inizioStagione(s - 1) + 1;
    const int fine = s < b.incontri.numeroSeparatori() ? b.incontri.inizioStagione(s) : b.incontri.numero();
    std::vector<double> fatti(nomi.size()), subiti(nomi.size()), giocate(nomi.size());
    double reti = 0, presenze = 0;
    for (int p = inizio; p < fine; ++p) {
        const Incontro& m = b.incontri[p];
        const RetiIncontro r = b.reti.Di(p);
        if (!r.conPunteggio() || m.casa < 0 || m.trasferta < 0 ||
            m.casa >= static_cast<int>(nomi.size()) || m.trasferta >= static_cast<int>(nomi.size()))
            continue;
        const auto h = static_cast<std::size_t>(m.casa), a = static_cast<std::size_t>(m.trasferta);
        fatti[h] += r.golCasa;
        subiti[h] += r.golTrasferta;
        fatti[a] += r.golTrasferta;
        subiti[a] += r.golCasa;
        giocate[h] += 1;
        giocate[a] += 1;
        reti += r.golCasa + r.golTrasferta;
        presenze += 2;
    }
    if (presenze < 20 || reti <= 0) return;
    const double media = reti / presenze; // goals per club and match
    // Log ratio to the division's mean, pulled towards it by a few matches' worth.
    constexpr double kPartite = 6;
    struct Trovata {
        int id;
        double attacco, difesa;
    };
    std::vector<Trovata> trovate;
    for (int id : promosse) {
        std::string nome;
        for (const auto& [n, i] : ids_)
            if (i == id) nome = n;
        const auto it = std::find(nomi.begin(), nomi.end(), nome);
        if (it == nomi.end()) continue;
        const auto k = static_cast<std::size_t>(it - nomi.begin());
        if (giocate[k] < 1) continue;
        const double den = (giocate[k] + kPartite) * media;
        trovate.push_back({id, std::log((fatti[k] + kPartite * media) / den),
                           std::log((subiti[k] + kPartite * media) / den)});
    }
    if (trovate.empty()) return;
    double ma = 0, md = 0;
    for (const auto& t : trovate) {
        ma += t.attacco;
        md += t.difesa;
    }
    ma /= static_cast<double>(trovate.size());
    md /= static_cast<double>(trovate.size());
    // Around the average promoted club, so the clubs found do not move the
    // prior of those not found.
    for (const auto& t : trovate) {
        auto& q = squadre_[static_cast<std::size_t>(t.id)];
        q.prioreAttacco = -p_.neopromosse + p_.pesoInferiore * (t.attacco - ma);
        q.prioreDifesa = p_.neopromosse + p_.pesoInferiore * (t.difesa - md);
    }
}

int ModelloRating::AggiornaElo(const CCampionato& c, int prima, int ultima, int limite) {
    std::vector<std::vector<int>> idStagione;
    for (int s = prima; s <= ultima; ++s) {
        std::vector<int> ids;
        for (const auto& n : c.squadreStagione(s).nomi) ids.push_back(Id(n));
        idStagione.push_back(std::move(ids));
    }
    for (auto& s : squadre_) s.elo = 1500;
    const auto partite = Partite(c, prima, ultima, limite, idStagione);
    int stagione = prima - 1;
    std::set<int> precedenti;
    const double scala = std::log(10.0) / 400.0;
    for (const auto& f : partite) {
        if (f.stagione != stagione) {
            // A new season: ratings move a third of the way back to the mean,
            // and clubs new to the league start below it.
            stagione = f.stagione;
            const auto& ids = idStagione[static_cast<std::size_t>(stagione - prima)];
            for (auto& s : squadre_) s.elo = 1500 + (s.elo - 1500) * 2.0 / 3.0;
            if (!precedenti.empty())
                for (int id : ids)
                    if (!precedenti.count(id)) squadre_[static_cast<std::size_t>(id)].elo = 1420;
            precedenti = std::set<int>(ids.begin(), ids.end());
        }
        auto& sc = squadre_[static_cast<std::size_t>(f.casa)];
        auto& st = squadre_[static_cast<std::size_t>(f.trasferta)];
        const double x = scala * (sc.elo + p_.eloCasa - st.elo);
        const double p1 = Sigmoide(x - p_.eloPareggio), p2 = Sigmoide(-x - p_.eloPareggio);
        const double atteso = p1 + (1 - p1 - p2) / 2;
        const double punti = f.risultato == '1' ? 1.0 : f.risultato == 'X' ? 0.5 : 0.0;
        sc.elo += p_.eloK * (punti - atteso);
        st.elo -= p_.eloK * (punti - atteso);
    }
    return 0;
}

std::optional<double> ModelloRating::VantaggioCasa() const {
    if (!pronto_ || elo_) return std::nullopt;
    return casa_;
}

std::optional<std::pair<double, double>> ModelloRating::Forze(int squadra) const {
    if (!pronto_ || elo_ || squadra < 0 || squadra >= static_cast<int>(correnti_.size())) return std::nullopt;
    const auto& s = squadre_[static_cast<std::size_t>(correnti_[static_cast<std::size_t>(squadra)])];
    return std::make_pair(s.attacco, s.difesa);
}

std::optional<std::pair<double, double>> ModelloRating::MedieReti(int casa, int trasferta) const {
    if (!pronto_ || elo_ || casa < 0 || trasferta < 0 || casa == trasferta ||
        casa >= static_cast<int>(correnti_.size()) || trasferta >= static_cast<int>(correnti_.size()))
        return std::nullopt;
    const auto& sc = squadre_[static_cast<std::size_t>(correnti_[static_cast<std::size_t>(casa)])];
    const auto& st = squadre_[static_cast<std::size_t>(correnti_[static_cast<std::size_t>(trasferta)])];
    return std::make_pair(std::exp(mu_ + casa_ + sc.attacco + st.difesa),
                          std::exp(mu_ + st.attacco + sc.difesa));
}

std::optional<Probabilita1X2> ModelloRating::Stima(int casa, int trasferta) const {
    if (!pronto_ || casa < 0 || trasferta < 0 || casa == trasferta ||
        casa >= static_cast<int>(correnti_.size()) || trasferta >= static_cast<int>(correnti_.size()))
        return std::nullopt;
    if (!elo_) {
        const auto m = MedieReti(casa, trasferta);
        return ProbabilitaPoisson(m->first, m->second, p_.rho);
    }
    const auto& sc = squadre_[static_cast<std::size_t>(correnti_[static_cast<std::size_t>(casa)])];
    const auto& st = squadre_[static_cast<std::size_t>(correnti_[static_cast<std::size_t>(trasferta)])];
    const double x = std::log(10.0) / 400.0 * (sc.elo + p_.eloCasa - st.elo);
    const double p1 = Sigmoide(x - p_.eloPareggio), p2 = Sigmoide(-x - p_.eloPareggio);
    return Probabilita1X2{p1, 1 - p1 - p2, p2};
}

} // namespace veltra
