#include "app/inserimento/CDlgNuovoCampionato.h"
#include "engine/ValutazioneArchivio.h"

#include "app/DatiGlobali.h"
#include "app/inserimento/DatiDipendenti.h"
#include "app/inserimento/NomeSquadra.h"
#include "dati/CArchivio.h"
#include "dati/Testo1252.h"
#include "engine/CMotoreStime.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "tools/stagioni/EtichettaStagione.h"

#include <new>

namespace veltra {

namespace {
constexpr const char* kTroppeSquadre =
    "Trovato errore in input.\nUna stagione non puo' avere piu' di 64 squadre.";
static_assert(kMaxSquadreStagione == 64, "the message above names the limit");
} // namespace

CDlgNuovoCampionato::CDlgNuovoCampionato(DatiGlobali& dati, IMessaggi& messaggi,
                                         const IOrologio* orologio)
    : dati_(dati), messaggi_(messaggi), orologio_(orologio) {}

std::string CDlgNuovoCampionato::Titolo() const {
    return "VELTRA - " + std::string(Campionato(dati_.campionatoCorrente).nome) +
           ". Nuovo Campionato";
}

void CDlgNuovoCampionato::ImpostaNuovaSquadra(const std::string& testo) {
    // Cut on characters, never inside one.
    std::string s = A1252(testo);
    if (s.size() > kLunghezzaMaxNome) s.resize(kLunghezzaMaxNome);
    nuovaSquadra_ = Da1252(s);
}

bool CDlgNuovoCampionato::Aggiungi() {
    // Blanks alone would store an empty name.
    if (nuovaSquadra_.find_first_not_of(" \t") == std::string::npos) {
        messaggi_.Errore("Inserimento nullo.\nDigitare il nome di una squadra.");
        return false;
    }
    const std::string nome = NomeInLista(nuovaSquadra_);
    for (const auto& n : lista_)
        if (StessaSquadra(n, nome)) {
            messaggi_.Errore("Inserimento duplicato.\nLa squadra e' gia' inclusa nella lista.");
            return false;
        }
    if (static_cast<int>(lista_.size()) >= kMaxSquadreStagione) {
        messaggi_.Errore(kTroppeSquadre);
        return false;
    }
    lista_.push_back(nome);
    nuovaSquadra_.clear();
    return true;
}

bool CDlgNuovoCampionato::Togli(int selezione) {
    if (selezione < 0 || selezione >= static_cast<int>(lista_.size())) {
        messaggi_.Errore("Trovato errore in input.\nSelezionare una squadra.");
        return false;
    }
    std::string nome = lista_[static_cast<std::size_t>(selezione)];
    lista_.erase(lista_.begin() + selezione);
    nome.erase(nome.find_last_not_of(' ') + 1);
    nuovaSquadra_ = nome;
    return true;
}

bool CDlgNuovoCampionato::Ok() {
    if (lista_.size() < 2) {
        messaggi_.Errore("Trovato errore in input.\nInserire il nome di almeno due squadre");
        return false;
    }
    const int c = dati_.campionatoCorrente;
    try {
        std::vector<std::string> nomi;
        for (const auto& n : lista_)
            nomi.push_back(NomeDaSalvare(n));
        CCampionato& camp = dati_.campionato(c);
        if (camp.numeroIncontri() == camp.incontri.numeroSeparatori()) {
            // No match yet: the new season is today's.
            const OrologioDiSistema sistema;
            const std::tm oggi =
                (orologio_ ? *orologio_ : static_cast<const IOrologio&>(sistema)).Adesso();
            const int anno = StagioneDellaData(c, oggi.tm_year + 1900, oggi.tm_mon + 1);
            while (Campionato(c).annoPrimaStagione + camp.config.numeroStagioni() < anno)
                if (AggiungiStagione(camp, {}) != 0) break;
        }
        if (AggiungiStagione(camp, std::move(nomi)) != 0) {
            // Only a full match list is left to refuse the season.
            messaggi_.Errore("Impossibile salvare i dati!\nImpossibile proseguire.");
            return true;
        }
    } catch (const std::bad_alloc&) {
        messaggi_.Errore("Memoria esaurita!\nImpossibile proseguire.");
        return true;
    }
    datiCambiati_ = true;
    dati_.datiModificati = 1;
    RicalcolaArchivio(dati_, c, messaggi_);
    CancellaDatiDipendenti(dati_, messaggi_);
    // The re-evaluation fitted the current championship again: the status
    // bar follows.
    CCampionato& camp = dati_.campionato(c);
    testiStato_ = camp.motore && camp.motore->AggiornaStime() == 0 ? MessaggioStatoDopoStime(camp)
                                                                   : TestiStimeImpossibili(camp);
    return true;
}

const char* CDlgNuovoCampionato::Suggerimento(int controllo) {
    switch (controllo) {
    case kNuovaSquadra:
        return "Scrivere il nome della squadra da inserire nella lista";
    case kAggiungi:
        return "Aggiunge alla lista la nuova squadra";
    case kLista:
        return "Selezionare una squadra per toglierla dalla lista";
    case kTogli:
        return "Toglie la squadra selezionata dalla lista";
    }
    return "";
}

} // namespace veltra
