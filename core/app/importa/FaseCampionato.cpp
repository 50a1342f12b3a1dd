#include "app/importa/FaseCampionato.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace veltra {

namespace {

using Coppia = std::pair<std::string, std::string>;

Coppia CoppiaDi(const PartitaSorgente& p) {
    return p.casa < p.trasferta ? Coppia{p.casa, p.trasferta} : Coppia{p.trasferta, p.casa};
}

// Groups of teams linked by the matches of one stage (connected components).
std::vector<std::set<std::string>> Gruppi(const std::vector<const PartitaSorgente*>& partite) {
    std::map<std::string, std::string> capo;
    const auto radice = [&](std::string n) {
        while (capo[n] != n)
            n = capo[n];
        return n;
    };
    for (const auto* p : partite) {
        capo.emplace(p->casa, p->casa);
        capo.emplace(p->trasferta, p->trasferta);
        const auto a = radice(p->casa), b = radice(p->trasferta);
        if (a != b) capo[a] = b;
    }
    std::map<std::string, std::set<std::string>> gruppi;
    for (const auto& [n, _] : capo)
        gruppi[radice(n)].insert(n);
    std::vector<std::set<std::string>> v;
    for (auto& [_, g] : gruppi)
        v.push_back(std::move(g));
    return v;
}

// Why a group of a later stage is not part of the league phase; "" when it is.
std::string MotivoEsclusione(const std::set<std::string>& gruppo,
                             const std::vector<const PartitaSorgente*>& partite,
                             const std::set<std::string>& regolari) {
    for (const auto& n : gruppo)
        if (!regolari.count(n)) return "con " + n + ", squadra di un'altra divisione";
    if (gruppo.size() < 3) return "spareggio tra due squadre";
    std::set<Coppia> incontrate;
    for (const auto* p : partite) {
        if (!gruppo.count(p->casa)) continue;
        if (p->eliminazione) return "turno a eliminazione diretta";
        incontrate.insert(CoppiaDi(*p));
    }
    if (incontrate.size() != gruppo.size() * (gruppo.size() - 1) / 2)
        return "turno a eliminazione diretta";
    return {};
}

void Scarta(FaseCampionato& f, const PartitaSorgente& p, const std::string& motivo) {
    f.scartate.push_back({p.origine, p.casa + " - " + p.trasferta + ": " + motivo});
}

} // namespace

FaseCampionato SelezionaFaseCampionato(const StagioneSorgente& s) {
    FaseCampionato f;
    std::set<std::string> squadre;
    std::vector<bool> tenuta(s.partite.size(), false);
    std::vector<std::string> motivo(s.partite.size());

    if (s.conFasi) {
        std::map<int, std::vector<const PartitaSorgente*>> perFase;
        for (const auto& p : s.partite)
            perFase[p.fase].push_back(&p);
        for (const auto& p : s.partite)
            if (p.fase == 0) squadre.insert({p.casa, p.trasferta});
        for (std::size_t i = 0; i < s.partite.size(); ++i) {
            const auto& p = s.partite[i];
            const std::string fase = p.nomeFase.empty() ? "" : "fase \"" + p.nomeFase + "\", ";
            if (p.fase == 0) {
                tenuta[i] = !p.eliminazione;
                if (!tenuta[i]) motivo[i] = fase + "turno a eliminazione diretta";
            }
        }
        for (const auto& [fase, partite] : perFase) {
            if (fase == 0) continue;
            for (const auto& gruppo : Gruppi(partite)) {
                const std::string m = MotivoEsclusione(gruppo, partite, squadre);
                for (const auto* p : partite)
                    if (gruppo.count(p->casa)) {
                        const auto i = static_cast<std::size_t>(p - s.partite.data());
                        tenuta[i] = m.empty();
                        motivo[i] = "fase \"" + p->nomeFase + "\", " + m;
                    }
            }
        }
    } else {
        std::map<std::string, int> giocate;
        for (const auto& p : s.partite) {
            ++giocate[p.casa];
            ++giocate[p.trasferta];
        }
        int massimo = 0;
        for (const auto& [_, n] : giocate)
            massimo = std::max(massimo, n);
        for (std::size_t i = 0; i < s.partite.size(); ++i) {
            const auto& p = s.partite[i];
            const bool ospiteCasa = giocate[p.casa] * 3 < massimo;
            const bool ospite = ospiteCasa || giocate[p.trasferta] * 3 < massimo;
            tenuta[i] = !ospite;
            if (ospite)
                motivo[i] = "spareggio con " + (ospiteCasa ? p.casa : p.trasferta) +
                            ", squadra di un'altra divisione";
            else
                squadre.insert({p.casa, p.trasferta});
        }
    }

    // A match listed twice (same day, same teams), as when a split round is
    // also kept in a file apart, is stored once.
    std::set<std::tuple<DataCalendario, std::string, std::string>> viste;
    for (std::size_t i = 0; i < s.partite.size(); ++i) {
        const auto& p = s.partite[i];
        if (!tenuta[i]) {
            Scarta(f, p, motivo[i]);
        } else if (p.stato == StatoPartita::NonGiocata && p.programmata) {
            f.calendario.push_back(&p);
        } else if (p.stato == StatoPartita::NonGiocata) {
            Scarta(f, p, p.motivoNonGiocata);
        } else if (!viste.insert({p.data, p.casa, p.trasferta}).second) {
            Scarta(f, p, "ripetuta (stesso giorno, stesse squadre)");
        } else {
            f.partite.push_back(&p);
            if (p.stato == StatoPartita::Assegnata) ++f.assegnate;
        }
    }
    // The same fixture again on another date: normal in split leagues, where
    // most pairs meet more than twice; a likely duplicate where every other
    // fixture is played once.
    std::map<std::pair<std::string, std::string>, std::vector<const PartitaSorgente*>> perCoppia;
    for (const PartitaSorgente* p : f.partite) perCoppia[{p->casa, p->trasferta}].push_back(p);
    std::size_t ripetute = 0;
    for (const auto& [_, v] : perCoppia) ripetute += v.size() > 1;
    if (ripetute > 0 && ripetute * 10 < perCoppia.size()) {
        for (const auto& [coppia, v] : perCoppia) {
            if (v.size() < 2) continue;
            std::string date;
            for (const PartitaSorgente* p : v)
                date += (date.empty() ? "" : ", ") + p->data.Testo();
            f.avvisi.push_back({v[1]->origine, coppia.first + " - " + coppia.second +
                                                   ": stesso incontro in piu' date (" + date +
                                                   "), tenuto"});
        }
    }
    f.squadre.assign(squadre.begin(), squadre.end());
    return f;
}

} // namespace veltra
