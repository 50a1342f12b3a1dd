#include "tools/scontri/CScontriDiretti.h"

#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "platform/Stampa.h"
#include "tools/stagioni/EtichettaStagione.h"

#include <algorithm>
#include <ctime>

namespace veltra {

namespace {

int Cerca(const std::vector<std::string>& nomi, const std::string& nome) {
    const auto it = std::find(nomi.begin(), nomi.end(), nome);
    return it == nomi.end() ? -1 : static_cast<int>(it - nomi.begin());
}

// Lines of a printed page: 60 apart, the last at 2820 at most.
constexpr int kPasso = 60;
constexpr int kUltimaRiga = 2820;
constexpr const char* kContinua = "                              (Continua...)";

} // namespace

bool CScontriDiretti::Aggiorna(bool datiCambiati) {
    const CampionatoId c = dati_.campionatoCorrente;
    if (c == campionato_ && !datiCambiati) return true;
    const CCampionato& camp = dati_.campionato(c);
    std::string nomeCasa, nomeTrasferta;
    if (c == campionato_) {
        if (casa_ >= 0) nomeCasa = squadre_[static_cast<std::size_t>(casa_)];
        if (trasferta_ >= 0) nomeTrasferta = squadre_[static_cast<std::size_t>(trasferta_)];
    }
    campionato_ = c;
    titolo_ = "VELTRA - " + std::string(camp.descrizione().nome) + ". Scontri Diretti";
    squadre_ = camp.squadreCorrenti().nomi;
    // The statistics start from the first season stored with its teams: the
    // seasons a championship never had (stored empty before the first one
    // typed or imported) are not part of them.
    primaStagione_ = 1;
    while (primaStagione_ < camp.config.numeroStagioni() &&
           camp.squadreStagione(primaStagione_).nomi.empty())
        ++primaStagione_;
    casa_ = nomeCasa.empty() ? -1 : Cerca(squadre_, nomeCasa);
    trasferta_ = nomeTrasferta.empty() ? -1 : Cerca(squadre_, nomeTrasferta);
    Calcola();
    return true;
}

void CScontriDiretti::Seleziona(int casa, int trasferta) {
    const int n = static_cast<int>(squadre_.size());
    casa_ = casa >= 0 && casa < n ? casa : -1;
    trasferta_ = trasferta >= 0 && trasferta < n ? trasferta : -1;
    Calcola();
}

void CScontriDiretti::Calcola() {
    calcolato_ = casa_ >= 0 && trasferta_ >= 0 && casa_ != trasferta_;
    statistiche_ = {};
    posizione_ = -1;
    if (!calcolato_) return;
    statistiche_ =
        CalcolaScontri(dati_.campionato(campionato_), squadre_[static_cast<std::size_t>(casa_)],
                       squadre_[static_cast<std::size_t>(trasferta_)]);
    posizione_ = statistiche_.disputati() - 1;
}

std::string CScontriDiretti::Stagione(int stagione) const {
    return EtichettaStagione(campionato_, stagione);
}

std::string CScontriDiretti::testoPrimaStagione() const {
    if (campionato_ < 0) return {};
    return "STATISTICHE DALLA STAGIONE " + Stagione(primaStagione_);
}

std::string CScontriDiretti::testoSegno(int segno) const {
    if (!calcolato_) return {};
    const StatisticheScontri& s = statistiche_;
    const char c = kSegni[segno];
    if (s.conteggio[segno] > 0 && s.assenza[segno] == 0) {
        if (s.serieCorrente[segno] == 1)
            return FormattaTesto("Nell'ultimo Incontro e' uscito il Segno '%c'", c);
        return FormattaTesto("Negli ultimi %d Incontri e' uscito il Segno '%c'",
                             s.serieCorrente[segno], c);
    }
    if (s.conteggio[segno] > 0)
        return FormattaTesto("Il Segno '%c' manca da %d Incontr%c (Stagione %s)", c,
                             s.assenza[segno], s.assenza[segno] == 1 ? 'o' : 'i',
                             Stagione(s.ultimaStagione[segno]).c_str());
    return FormattaTesto("Il Segno '%c' non e' mai uscito dalla Stagione %d", c,
                         AnnoStagione(campionato_, primaStagione_));
}

std::string CScontriDiretti::testoAndata() const {
    if (!calcolato_) return {};
    // The first leg was played with the teams the other way round: its '1'
    // is a win of the team shown away.
    switch (statistiche_.andata) {
    case '1':
        return squadre_[static_cast<std::size_t>(trasferta_)] + " ha vinto l'incontro d'Andata";
    case '2':
        return squadre_[static_cast<std::size_t>(casa_)] + " ha vinto l'incontro d'Andata";
    case 'X':
        return "L' Andata e' terminata con un Pareggio";
    default:
        return {};
    }
}

void CScontriDiretti::Precedente() {
    if (abilitaPrecedente()) --posizione_;
}

void CScontriDiretti::Successivo() {
    if (abilitaSuccessivo()) ++posizione_;
}

std::string CScontriDiretti::testoStagioneSequenza() const {
    if (!calcolato_ || posizione_ < 0) return {};
    return Stagione(statistiche_.sequenza[static_cast<std::size_t>(posizione_)].stagione);
}

std::string CScontriDiretti::testoRisultatoSequenza() const {
    if (!calcolato_ || posizione_ < 0) return {};
    return std::string(1, statistiche_.sequenza[static_cast<std::size_t>(posizione_)].risultato);
}

std::vector<std::string> CScontriDiretti::RigheStampa() const {
    std::vector<std::string> r;
    if (!calcolato_) return r;
    const StatisticheScontri& s = statistiche_;
    r.push_back(squadre_[static_cast<std::size_t>(casa_)] + " - " +
                squadre_[static_cast<std::size_t>(trasferta_)]);
    r.push_back(FormattaTesto("Incontri Disputati   : %d", s.disputati()));
    r.push_back(FormattaTesto("Vittorie in Casa     : %d", s.conteggio[0]));
    r.push_back(FormattaTesto("Pareggi              : %d", s.conteggio[1]));
    r.push_back(FormattaTesto("Vittorie in Trasferta: %d", s.conteggio[2]));
    r.push_back(FormattaTesto("Massimo numero di Vittorie Consecutive in Casa     : %d",
                              s.serieMassima[0]));
    r.push_back(FormattaTesto("Massimo numero di Pareggi Consecutivi              : %d",
                              s.serieMassima[1]));
    r.push_back(FormattaTesto("Massimo numero di Vittorie Consecutive in Trasferta: %d",
                              s.serieMassima[2]));
    for (int k = 0; k < 3; ++k)
        r.push_back(testoSegno(k));
    r.push_back(testoAndata());
    for (auto it = s.sequenza.rbegin(); it != s.sequenza.rend(); ++it)
        r.push_back(Stagione(it->stagione) + FormattaTesto(" : %c", it->risultato));
    return r;
}

void CScontriDiretti::Stampa(IMessaggi& messaggi, IServizioStampa& servizio,
                             const IOrologio& orologio) const {
    if (!calcolato_) return;
    if (messaggi.Mostra("Prepara la stampante e poi premi 'OK'", Icona::Informazione,
                        Pulsanti::OkAnnulla) != Risposta::Ok)
        return;
    auto d = servizio.ScegliDispositivo();
    const std::string nome(dati_.campionato(campionato_).descrizione().nome);
    if (!d || !d->InizioDocumento("VELTRA - " + nome + ". Statistiche Scontri Diretti")) return;
    if (!d->InizioPagina()) {
        d->Annulla();
        return;
    }
    const std::tm oggi = orologio.Adesso();
    char data[32];
    std::strftime(data, sizeof data, "(%d/%m/%Y)", &oggi);
    d->Testo(0, 0,
             "VELTRA - " + nome + ". Statistiche Scontri Diretti dal " + Stagione(primaStagione_) +
                 ". " + data);

    int y = 160 - kPasso;
    for (const std::string& riga : RigheStampa()) {
        if (y + kPasso > kUltimaRiga) {
            d->Testo(0, y + 2 * kPasso, kContinua);
            if (!d->FinePagina()) {
                d->Annulla();
                return;
            }
            if (!d->InizioPagina()) {
                d->Annulla();
                return;
            }
            y = 0;
        } else {
            y += kPasso;
        }
        if (!riga.empty()) d->Testo(0, y, riga);
    }
    if (!d->FinePagina()) {
        d->Annulla();
        return;
    }
    d->FineDocumento();
}

} // namespace veltra
