#include "tools/classifica/CClassifica.h"

#include "dati/DatiCampionati.h"
#include "platform/Messaggi.h"
#include "tools/stagioni/EtichettaStagione.h"
#include "tools/stagioni/VociUtilizzabili.h"

namespace veltra {

namespace {

constexpr int kSquadrePerGirone = 18;

int Gironi(CampionatoId c) {
    return c == 2 ? 2 : c == 3 ? 3 : 1;
}

} // namespace

bool CClassifica::Aggiorna(bool datiCambiati, IMessaggi& messaggi) {
    const CampionatoId c = dati_.campionatoCorrente;
    if (c == campionato_ && !datiCambiati) return true;

    const CCampionato& camp = dati_.campionato(c);
    const int n = VociUtilizzabili(camp);
    // Only the latest season counts: start after its separator.
    int inizio = n;
    while (inizio > 0 && !camp.incontri[inizio - 1].separatore())
        --inizio;
    int separatori = 0;
    for (int i = 0; i < n; ++i)
        separatori += camp.incontri[i].separatore();
    const std::vector<std::string>& nomi = camp.squadreStagione(separatori).nomi;

    std::vector<RigaClassifica> conteggi(nomi.size());
    for (std::size_t t = 0; t < conteggi.size(); ++t)
        conteggi[t].squadra = static_cast<int>(t);
    int incontri = 0;
    for (int i = inizio; i < n; ++i) {
        const Incontro& m = camp.incontri[i];
        // An index outside the season's list is damaged data: skip it rather
        // than count it for no one.
        if (m.casa < 0 || m.trasferta < 0 || m.casa >= static_cast<int>(nomi.size()) ||
            m.trasferta >= static_cast<int>(nomi.size()))
            continue;
        RigaClassifica& casa = conteggi[static_cast<std::size_t>(m.casa)];
        RigaClassifica& fuori = conteggi[static_cast<std::size_t>(m.trasferta)];
        if (m.risultato == '1') {
            ++casa.vinteCasa;
            ++fuori.perseFuori;
        } else if (m.risultato == 'X') {
            ++casa.pareggiCasa;
            ++fuori.pareggiFuori;
        } else if (m.risultato == '2') {
            ++casa.perseCasa;
            ++fuori.vinteFuori;
        } else {
            continue;
        }
        ++incontri;
    }
    if (incontri == 0) {
        messaggi.Mostra(kNessunIncontroClassifica, Icona::Informazione);
        return false;
    }

    if (c != campionato_) girone_ = 0;
    campionato_ = c;
    numeroGironi_ = Gironi(c);
    titolo_ = "VELTRA - " + std::string(camp.descrizione().nome) + ". Classifica";
    nomi_ = nomi;
    stagione_ = separatori;
    ordinate_ = OrdinaClassifica(conteggi);
    return true;
}

std::string CClassifica::etichetta() const {
    if (campionato_ < 0) return {};
    std::string t = "Stagione " + EtichettaStagione(campionato_, stagione_);
    if (numeroGironi_ > 1) {
        t += std::string(" - Girone ") + static_cast<char>('A' + girone_);
        if (righe().empty()) t += ": nessuna squadra in questo girone";
    }
    return t;
}

void CClassifica::AltroGirone() {
    if (numeroGironi_ > 1) girone_ = (girone_ + 1) % numeroGironi_;
}

bool CClassifica::DelGirone(int squadra) const {
    if (numeroGironi_ == 1) return true;
    const int g = std::min(squadra / kSquadrePerGirone, numeroGironi_ - 1);
    return g == girone_;
}

std::vector<RigaClassifica> CClassifica::righe() const {
    std::vector<RigaClassifica> r;
    for (const RigaClassifica& riga : ordinate_)
        if (DelGirone(riga.squadra)) r.push_back(riga);
    return r;
}

std::vector<TestiRigaClassifica> CClassifica::testi() const {
    std::vector<TestiRigaClassifica> t;
    for (const RigaClassifica& r : righe())
        t.push_back({nomi_[static_cast<std::size_t>(r.squadra)], r.giocate(), r.giocateCasa(),
                     r.vinteCasa, r.pareggiCasa, r.perseCasa, r.giocateFuori(), r.vinteFuori,
                     r.pareggiFuori, r.perseFuori, r.punti()});
    return t;
}

std::vector<std::string> CClassifica::Intestazioni() {
    return {"Squadre", "Giocate", "Casa:", "V", "P", "S", "Fuori:", "V", "P", "S", "Punti"};
}

} // namespace veltra
