#include "app/inserimento/CDlgNuoviIncontri.h"
#include "engine/ValutazioneArchivio.h"

#include "app/inserimento/DatiDipendenti.h"
#include "dati/CArchivio.h"
#include "engine/CMotoreStime.h"
#include "platform/Messaggi.h"

#include <cstdio>

namespace veltra {

CDlgNuoviIncontri::CDlgNuoviIncontri(DatiGlobali& dati, IMessaggi& messaggi)
    : dati_(dati), messaggi_(messaggi) {}

std::string CDlgNuoviIncontri::Titolo() const {
    return "VELTRA - " + std::string(Campionato(dati_.campionatoCorrente).nome) +
           ". Nuovi Incontri";
}

const std::vector<std::string>& CDlgNuoviIncontri::squadre() const {
    return dati_.campionato(dati_.campionatoCorrente).squadreCorrenti().nomi;
}

bool CDlgNuoviIncontri::abilitaAggiungi() const {
    return casa_ >= 0 && trasferta_ >= 0 && casa_ != trasferta_;
}

bool CDlgNuoviIncontri::abilitaOk() const {
    // Not with a match half composed, and not before there is one to store.
    return casa_ < 0 && trasferta_ < 0 && !inseriti_.empty();
}

bool CDlgNuoviIncontri::Aggiungi() {
    const int n = static_cast<int>(squadre().size());
    const bool risultatoValido = risultato_ == '1' || risultato_ == 'X' || risultato_ == '2';
    if (!abilitaAggiungi() || casa_ >= n || trasferta_ >= n || !risultatoValido) {
        messaggi_.Errore("Trovato errore in input!");
        return false;
    }
    inseriti_.push_back(Incontro{static_cast<std::int16_t>(casa_),
                                 static_cast<std::int16_t>(trasferta_), risultato_});
    casa_ = trasferta_ = -1;
    risultato_ = '1';
    selezioneInserito_ = -1; // the list moved down by one
    return true;
}

std::vector<std::string> CDlgNuoviIncontri::testiInseriti() const {
    const auto& nomi = squadre();
    std::vector<std::string> t;
    for (auto i = inseriti_.rbegin(); i != inseriti_.rend(); ++i)
        t.push_back(" " + nomi[static_cast<std::size_t>(i->casa)] + " - " +
                    nomi[static_cast<std::size_t>(i->trasferta)] + " : " + i->risultato);
    return t;
}

bool CDlgNuoviIncontri::Togli() {
    const int n = static_cast<int>(inseriti_.size());
    if (selezioneInserito_ < 0 || selezioneInserito_ >= n) {
        messaggi_.Errore("Selezionare un incontro!");
        return false;
    }
    // The list shows the newest first.
    inseriti_.erase(inseriti_.begin() + (n - 1 - selezioneInserito_));
    selezioneInserito_ = -1;
    return true;
}

bool CDlgNuoviIncontri::Ok() {
    if (inseriti_.empty()) return true;
    const int c = dati_.campionatoCorrente;
    CCampionato& camp = dati_.campionato(c);
    // All or nothing, so that a refusal loses none of the typed results.
    if (camp.numeroIncontri() + static_cast<int>(inseriti_.size()) > kNumeroMaxIncontri) {
        messaggi_.Errore("Impossibile salvare i dati!\nImpossibile proseguire.");
        return false;
    }
    const int primoNuovo = camp.numeroIncontri();
    for (const Incontro& i : inseriti_)
        AggiungiIncontro(camp, i.casa, i.trasferta, i.risultato);
    // A match whose result is stored is no longer to be played.
    TogliIncontriGiocati(camp, primoNuovo);
    inseriti_.clear();
    selezioneInserito_ = -1;
    // From here the results are part of the data: they are saved even if the
    // estimates fail below.
    datiCambiati_ = true;
    dati_.datiModificati = 1;

    CancellaDatiDipendenti(dati_, messaggi_);
    // The fit is checked just below with this dialog's own message; the
    // archive's check would reset the user's parameters first.
    RicalcolaArchivio(dati_, c, messaggi_, false);
    if (camp.motore->AggiornaStime() != 0) {
        // As after a new season: a championship still short of matches is
        // told so, anything else may be damage.
        messaggi_.Errore(camp.motore->IncontriInsufficienti()
                             ? kMessaggioPochiIncontri
                             : "Impossibile calcolare le stime.\nIl file dei dati potrebbe essere "
                               "corrotto.",
                         kAiutoStimeFallite);
        testiStato_ = TestiStimeImpossibili(camp);
        return false;
    }
    testiStato_ = MessaggioStatoDopoStime(camp);
    return true;
}

const char* CDlgNuoviIncontri::Suggerimento(int controllo) {
    switch (controllo) {
    case kCasa:
        return "Selezionare la squadra che ha giocato in casa l'incontro di cui si vuole inserire "
               "l'esito";
    case kTrasferta:
        return "Selezionare la squadra che ha giocato in trasferta l'incontro di cui si vuole "
               "inserire l'esito";
    case kRisultato1:
        return "Selezionare 1 se l'incontro e' stato vinto dalla squadra in casa";
    case kRisultatoX:
        return "Selezionare X se l'incontro si e' concluso in pareggio";
    case kRisultato2:
        return "Selezionare 2 se l'incontro e' stato vinto dalla squadra in trasferta";
    case kAggiungi:
        return "Aggiunge alla lista dei nuovi incontri quello appena composto";
    case kInseriti:
        return "Selezionare un incontro per toglierlo dalla lista";
    case kTogli:
        return "Toglie l'incontro selezionato dalla lista";
    }
    return "";
}

} // namespace veltra
