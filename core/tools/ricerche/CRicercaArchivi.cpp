#include "tools/ricerche/CRicercaArchivi.h"

#include "dati/DatiCampionati.h"
#include "engine/CMotoreStime.h"
#include "engine/ValutatorePercentuali.h"
#include "engine/parametri/TestiAnalisi.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "platform/Priorita.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace veltra {

CRicercaArchivi::CRicercaArchivi(DatiCampionati& dati, StatoRicerche& stato,
                                 IEsecutoreLavori& esecutore, IMessaggi& messaggi,
                                 const IOrologio& orologio, int thread)
    : dati_(dati), stato_(stato), esecutore_(esecutore), messaggi_(messaggi), orologio_(orologio),
      thread_(std::max(1, thread)), visualizzato_(dati.campionatoCorrente) {
    Attiva();
}

CRicercaArchivi::~CRicercaArchivi() {
    *vivo_ = false;
    if (inCorso_) *stato_.fermo = true;
}

void CRicercaArchivi::Aggiungi(int c) {
    if (inCorso_) return;
    if (c < 0 || c >= kNumeroCampionati) {
        messaggi_.Errore("Selezionare un campionato dalla lista di sinistra.");
        return;
    }
    inclusi_[static_cast<std::size_t>(c)] = true;
}

void CRicercaArchivi::Togli(int c) {
    if (inCorso_) return;
    if (c < 0 || c >= kNumeroCampionati) {
        messaggi_.Errore("Selezionare un campionato dalla lista di destra.");
        return;
    }
    inclusi_[static_cast<std::size_t>(c)] = false;
}

void CRicercaArchivi::ImpostaAmpiezzaPesi(int a) {
    if (!inCorso_) ampiezzaPesi_ = std::clamp(a, 2, 100);
}

void CRicercaArchivi::Cerca(std::function<void()> fine) {
    if (inCorso_) {
        if (fermando_) return;
        if (messaggi_.Mostra("Desideri interrompere la Ricerca in corso ?", Icona::Esclamazione,
                             Pulsanti::SiNo) != Risposta::Si)
            return;
        fermando_ = true;
        *stato_.fermo = true;
        return;
    }
    if (stato_.inCorso) return;
    std::vector<ArchivioDaMigliorare> archivi;
    for (int c = 0; c < kNumeroCampionati; ++c) {
        if (!inclusi_[static_cast<std::size_t>(c)]) continue;
        const CCampionato& camp = dati_.campionato(c);
        archivi.push_back({c, std::string(camp.descrizione().nome), CopiaPerCalcolo(camp), camp.archivio});
    }
    *stato_.fermo = false;
    stato_.inCorso = inCorso_ = true;
    fermando_ = false;
    log_.clear();
    testoArchivio_.clear();
    testoAnalisi_.clear();
    testoTipo_.clear();
    progresso_ = 0;
    condiviso_ = std::make_shared<Condiviso>();
    auto condiviso = condiviso_;
    auto fermo = stato_.fermo;
    const int ampiezza = ampiezzaPesi_;
    const int thread = thread_;
    const IOrologio& orologio = orologio_;
    AvviaLavoro<EsitoRicercaArchivi>(
        esecutore_, "Ricerca negli Archivi",
        [archivi = std::move(archivi), condiviso, fermo, ampiezza, thread,
         &orologio](ContestoLavoro& esterno) mutable {
            AbbassaPrioritaThread(); // the window keeps the processor it needs
            ContestoLavoro c(*fermo, [condiviso, fermo, &esterno](const Avanzamento& a) {
                // The runner's own stop (its progress window, its end) counts too.
                if (esterno.FermoRichiesto()) *fermo = true;
                {
                    std::lock_guard l(condiviso->mutex);
                    condiviso->fatto = a.fatto;
                    condiviso->totale = a.totale;
                }
                esterno.Avanza(a.fatto, a.totale, a.contatore);
            });
            return MiglioraArchivi(std::move(archivi), ampiezza, thread, orologio, c,
                                   [condiviso](const StatoRicercaArchivi& s) {
                                       std::lock_guard l(condiviso->mutex);
                                       condiviso->stato = s;
                                       condiviso->nuovoStato = true;
                                   });
        },
        [this, vivo = vivo_, fine = std::move(fine)](EsitoLavoro<EsitoRicercaArchivi> e) {
            if (!*vivo) return;
            stato_.inCorso = inCorso_ = false;
            fermando_ = false;
            *stato_.fermo = false;
            cercato_ = true;
            progresso_ = progressoTotale_;
            // What was improved before a stop is kept as well.
            for (auto& a : e.risultato.archivi) {
                CArchivio& ar = dati_.campionato(a.id).archivio;
                ar.analisi = std::move(a.archivio.analisi);
                ar.corrente = ar.analisi.empty() ? -1 : std::clamp(ar.corrente, 0, static_cast<int>(ar.analisi.size()) - 1);
            }
            log_ = e.risultato.log; // the whole log (the shown one may lag)
            if (!e.fine.riuscito()) messaggi_.Errore("Ricerca interrotta da un errore: " + e.fine.errore);
            if (fine) fine();
        });
}

void CRicercaArchivi::Sonda() {
    if (!inCorso_) return;
    std::lock_guard l(condiviso_->mutex);
    if (condiviso_->totale > 0) {
        progresso_ = condiviso_->fatto;
        progressoTotale_ = condiviso_->totale;
    }
    if (condiviso_->nuovoStato) {
        const auto& s = condiviso_->stato;
        testoArchivio_ = s.archivio;
        char b[32];
        std::snprintf(b, sizeof b, "%d DI %d", s.analisi, s.numero);
        testoAnalisi_ = b;
        testoTipo_ = s.pesi ? "Pesi delle Giornate d'Analisi" : "Parametri Avanzati";
        log_ = s.log;
        condiviso_->nuovoStato = false;
    }
}

// ---------------------------------------------------------------- display

void CRicercaArchivi::Visualizza(int c) {
    if (c >= 0 && c < kNumeroCampionati) visualizzato_ = c;
}

const CArchivio& CRicercaArchivi::archivio() const { return dati_.campionato(visualizzato_).archivio; }

const CAnalisi* CRicercaArchivi::mostrata() const { return LeggiAnalisi(archivio(), archivio().corrente); }

const CAnalisi* CRicercaArchivi::precedente() const {
    return LeggiAnalisi(precedenti_[static_cast<std::size_t>(visualizzato_)], archivio().corrente);
}

std::string CRicercaArchivi::TestoNumeroAnalisi() const {
    if (!mostrata()) return "-";
    char b[32];
    std::snprintf(b, sizeof b, "%d DI %d", archivio().corrente + 1, archivio().numero());
    return b;
}

bool CRicercaArchivi::precedenteArchivioAbilitato() const { return !inCorso_ && archivio().corrente > 0; }
bool CRicercaArchivi::successivaArchivioAbilitato() const {
    return !inCorso_ && archivio().corrente >= 0 && archivio().corrente + 1 < archivio().numero();
}
void CRicercaArchivi::PrecedenteArchivio() {
    if (precedenteArchivioAbilitato()) --dati_.campionato(visualizzato_).archivio.corrente;
}
void CRicercaArchivi::SuccessivaArchivio() {
    if (successivaArchivioAbilitato()) ++dati_.campionato(visualizzato_).archivio.corrente;
}

bool CRicercaArchivi::modificata() const {
    const CAnalisi* a = mostrata();
    const CAnalisi* p = precedente();
    return a && p && !inCorso_ && !(*a == *p);
}

std::string CRicercaArchivi::TestoValoriOriginali() const {
    const CAnalisi* p = precedente();
    return p && modificata() ? TestoPercentuali(*p) : std::string();
}

void CRicercaArchivi::Ignora() {
    if (!modificata()) return;
    if (messaggi_.Mostra(kDomandaIgnora, Icona::Domanda, Pulsanti::SiNo) != Risposta::Si) return;
    CArchivio& ar = dati_.campionato(visualizzato_).archivio;
    ar.analisi[static_cast<std::size_t>(ar.corrente)] = *precedente();
}

void CRicercaArchivi::Elimina() {
    if (!mostrata() || inCorso_) return;
    if (messaggi_.Mostra(kDomandaEliminaAnalisi, Icona::Domanda, Pulsanti::SiNo) != Risposta::Si)
        return;
    EliminaAnalisi(dati_.campionato(visualizzato_).archivio);
}

// ---------------------------------------------------------------- page events

void CRicercaArchivi::Attiva() {
    for (int c = 0; c < kNumeroCampionati; ++c) {
        const CCampionato& camp = dati_.campionato(c);
        parametri_[static_cast<std::size_t>(c)] = AnalisiCorrente(camp);
        precedenti_[static_cast<std::size_t>(c)] = camp.archivio;
    }
}

void CRicercaArchivi::Ok() {
    for (int c = 0; c < kNumeroCampionati; ++c) {
        CCampionato& camp = dati_.campionato(c);
        const CAnalisi& p = parametri_[static_cast<std::size_t>(c)];
        if (!AnalisiCorrente(camp).StessiParametri(p)) {
            ApplicaAnalisi(camp, p);
            if (camp.motore) camp.motore->AggiornaStime();
        }
    }
}

const char* CRicercaArchivi::Suggerimento(const char* controllo) {
    struct Voce {
        const char* nome;
        const char* testo;
    };
    static constexpr Voce kVoci[] = {
        {"ampiezzaPesi", "Impostare quanto ampia deve essere la ricerca di Percentuali d'Importanza"},
        {"cerca", "Avvia o Interrompe la Ricerca delle Stime Migliori"},
        {"togli", "Toglie dal gruppo dei campionati scelti quello selezionato"},
        {"aggiungi", "Inserisce nel gruppo dei campionati scelti quello selezionato"},
        {"esclusi", "Selezionare il campionato da inserire nel gruppo di quelli per cui compiere la ricerca"},
        {"inclusi", "Visualizza il gruppo dei campionati per cui compiere la ricerca"},
        {"campionato", "Selezionare il campionato da cui visualizzare l'archivio dalle analisi"},
        {"avanzatiArchivio", "Visualizza la finestra con i parametri avanzati dell'analisi visualizzata nell'archivio"},
        {"titolo", "Visualizza il titolo della descrizione dell'analisi visualizzata nell'archivio"},
        {"note", "Consente di leggere la descrizione dell'analisi visualizzata nell'archivio"},
        {"precedenteArchivio", "Visualizza la precedente analisi nell'archivio"},
        {"successivaArchivio", "Visualizza la successiva analisi nell'archivio"},
        {"modifiche", "Confronta l'analisi modificata con quella originale"},
        {"ignora", "Scarta le modifiche fatte e recupera l'analisi originale"},
        {"elimina", "Elimina l'analisi visualizzata nell'archivio"},
    };
    for (const Voce& v : kVoci)
        if (std::strcmp(v.nome, controllo) == 0) return v.testo;
    return "";
}

} // namespace veltra
