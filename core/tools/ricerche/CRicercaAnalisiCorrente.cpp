#include "tools/ricerche/CRicercaAnalisiCorrente.h"

#include "dati/DatiCampionati.h"
#include "engine/CMotoreStime.h"
#include "engine/ValutatorePercentuali.h"
#include "engine/ValutazioneArchivio.h"
#include "engine/parametri/TestiAnalisi.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "platform/Priorita.h"
#include "tools/ricerche/DumpRicerca.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace veltra {

namespace {

// The worker's body of both searches: the page's own stop flag (the
// runner's stop counts too), the progress and the best precision so far
// shared with the page, which reads them while the search runs.
template <class Condiviso, class Cerca>
auto CorpoRicerca(std::shared_ptr<Condiviso> condiviso, std::shared_ptr<std::atomic<bool>> fermo,
                  Cerca cerca) {
    return [condiviso, fermo, cerca](ContestoLavoro& esterno) {
        AbbassaPrioritaThread(); // the window keeps the processor it needs
        ContestoLavoro c(*fermo, [condiviso, fermo, &esterno](const Avanzamento& a) {
            if (esterno.FermoRichiesto()) *fermo = true;
            {
                std::lock_guard l(condiviso->mutex);
                condiviso->fatto = a.fatto;
                condiviso->totale = a.totale;
                condiviso->contatore = a.contatore;
            }
            esterno.Avanza(a.fatto, a.totale, a.contatore);
        });
        return cerca(c, [condiviso](float p) {
            std::lock_guard l(condiviso->mutex);
            condiviso->migliore = p;
        });
    };
}

std::string Percento(float p) {
    char b[32];
    std::snprintf(b, sizeof b, "%.1f%%", static_cast<double>(p) * 100);
    return b;
}

} // namespace

CRicercaAnalisiCorrente::CRicercaAnalisiCorrente(DatiCampionati& dati, StatoRicerche& stato,
                                                 IEsecutoreLavori& esecutore, IMessaggi& messaggi,
                                                 const IOrologio& orologio, int thread)
    : dati_(dati), stato_(stato), esecutore_(esecutore), messaggi_(messaggi), orologio_(orologio),
      threadIntero_(std::max(1, thread)), campionato_(dati.campionatoCorrente) {
    partenza_ = AnalisiCorrente(camp());
    dump_ = camp().ricerca;
}

CRicercaAnalisiCorrente::~CRicercaAnalisiCorrente() {
    // A job still running stops, and its end finds the page gone.
    *vivo_ = false;
    if (inCorso_) *stato_.fermo = true;
}

CCampionato& CRicercaAnalisiCorrente::camp() { return dati_.campionato(campionato_); }
const CCampionato& CRicercaAnalisiCorrente::camp() const { return dati_.campionato(campionato_); }

// ---------------------------------------------------------------- settings

void CRicercaAnalisiCorrente::CambioImpostazioni() {
    trovateMostrate_ = false;
    testoPrecisione_.clear();
    indice_ = 0;
    progresso_ = 0;
    progressoTotale_ = 100;
    contatore_.clear();
    ricaricaAbilitata_ = true;
    ripresa_ = false;
}

void CRicercaAnalisiCorrente::ImpostaPercentuali(bool percentuali) {
    if (inCorso_) return;
    percentuali_ = percentuali;
    CambioImpostazioni();
}

void CRicercaAnalisiCorrente::ImpostaPasso(int passo) {
    if (inCorso_) return;
    passo_ = std::clamp(passo, 1, 10);
    ampiezza_ = 10 * passo_;
    CambioImpostazioni();
}

void CRicercaAnalisiCorrente::ImpostaAmpiezza(int ampiezza) {
    if (inCorso_) return;
    ampiezza_ = std::clamp(ampiezza / 10 * 10, 10, 100);
    CambioImpostazioni();
}

void CRicercaAnalisiCorrente::ImpostaUtilizzoMinimo(int utilizzo) {
    if (inCorso_) return;
    utilizzo_ = std::clamp(utilizzo, 60, 100);
    CambioImpostazioni();
}

void CRicercaAnalisiCorrente::ImpostaProcessoreIntero(bool intero) {
    if (inCorso_) return;
    processoreIntero_ = intero;
    CambioImpostazioni();
}

// ---------------------------------------------------------------- the search

void CRicercaAnalisiCorrente::Cerca(std::function<void()> fine) {
    if (inCorso_) {
        if (fermando_) return;
        if (messaggi_.Mostra("Desideri interrompere la Ricerca in corso,\ne salvarla per riprenderla "
                             "in seguito ?",
                             Icona::Esclamazione, Pulsanti::SiNo) != Risposta::Si)
            return;
        fermando_ = true;
        *stato_.fermo = true;
        return;
    }
    if (stato_.inCorso) return; // the other page is searching
    // The climb accepts only candidates that keep the minimum of the data:
    // from a start far below it, it could only end with nothing. Say which
    // limit stops it and offer limits that reach the minimum.
    limitiPartenza_.reset();
    if (!percentuali_ && !ripresa_) {
        ApplicaAnalisi(camp(), partenza_);
        const UtilizzoPartenza u = ControllaUtilizzo(camp(), utilizzo_);
        if (!u.sufficiente) {
            const std::string motivo = MotivoUtilizzo(u, utilizzo_);
            if (!u.limiti) {
                messaggi_.Mostra(motivo + "\nNemmeno allargando i limiti di punteggio si arriva al "
                                          "minimo: abbassare l'Utilizzo Minimo della Base Dati o "
                                          "modificare i Parametri Configurabili.",
                                 Icona::Esclamazione);
                return;
            }
            if (messaggi_.Mostra(motivo + "\n\n" + TestoLimitiUtilizzo(u) +
                                     "\nDesideri avviare la ricerca partendo da questi limiti ?",
                                 Icona::Domanda, Pulsanti::SiNo) != Risposta::Si)
                return;
            limitiPartenza_ = u.limiti;
        }
    }
    *stato_.fermo = false;
    stato_.inCorso = inCorso_ = true;
    fermando_ = false;
    testoPrecisione_.clear();
    indice_ = 0;
    trovateMostrate_ = false;
    condiviso_ = std::make_shared<Condiviso>();
    // The championship holds the starting analysis while the copy searches.
    ApplicaAnalisi(camp(), partenza_);
    tipoCercato_ = percentuali_;
    partenzaCercata_ = partenza_;
    if (limitiPartenza_) {
        // Only the search starts from them: the championship keeps its own.
        partenzaCercata_.limiteMinCasa = (*limitiPartenza_)[0];
        partenzaCercata_.limiteMaxCasa = (*limitiPartenza_)[1];
        partenzaCercata_.limiteMinTrasferta = (*limitiPartenza_)[2];
        partenzaCercata_.limiteMaxTrasferta = (*limitiPartenza_)[3];
    }
    passoCercato_ = passo_;
    ampiezzaCercata_ = ampiezza_;
    utilizzoCercato_ = utilizzo_;
    if (percentuali_)
        AvviaPercentuali(std::move(fine));
    else
        AvviaAvanzata(std::move(fine));
}

void CRicercaAnalisiCorrente::AvviaPercentuali(std::function<void()> fine) {
    ImpostazioniRicercaPercentuali imp;
    imp.passo = passo_;
    imp.ampiezza = ampiezza_;
    imp.thread = thread();
    if (ripresa_) {
        // The reloaded list goes on; a stored second value outside its loop
        // is clamped by the enumeration.
        imp.ripresa = dump_.ripresa;
        imp.ripresaSecondo = dump_.ripresaSecondo;
        if (trovateP_[0].percentuali[0] != 0) testoPrecisione_ = Percento(trovateP_[0].precisione);
    } else {
        float j = -1.0f;
        if (camp().motore && camp().motore->AggiornaStime() == 0) j = camp().motore->precisioneMedia();
        trovateP_ = ListaPercentualiIniziale(j);
    }
    ripresa_ = false;
    progresso_ = 0;
    progressoTotale_ = 100;
    std::shared_ptr<CCampionato> copia = CopiaPerCalcolo(camp());
    const auto iniziale = trovateP_;
    auto condiviso = condiviso_;
    auto fermo = stato_.fermo;
    AvviaLavoro<EsitoRicercaPercentuali>(
        esecutore_, "Ricerca sulle Percentuali d'Importanza",
        CorpoRicerca(condiviso, fermo, [copia, imp, iniziale](ContestoLavoro& c, auto migliore) {
            return CercaPercentuali(*copia, imp, iniziale, c, migliore);
        }),
        [this, vivo = vivo_, fine = std::move(fine)](EsitoLavoro<EsitoRicercaPercentuali> e) {
            if (!*vivo) return;
            esitoP_ = e.risultato;
            trovateP_ = e.risultato.trovate;
            if (!e.fine.riuscito()) messaggi_.Errore("Ricerca interrotta da un errore: " + e.fine.errore);
            const bool nessuna = FineRicerca(fermando_ || !e.risultato.completata, e.risultato.completata);
            // The page shows itself idle again before the message.
            if (fine) fine();
            if (nessuna) messaggi_.Errore(kNessunaAnalisiMigliore);
        });
}

void CRicercaAnalisiCorrente::AvviaAvanzata(std::function<void()> fine) {
    ImpostazioniRicercaAvanzata imp;
    imp.utilizzoMinimo = utilizzo_;
    imp.thread = thread();
    if (ripresa_) {
        if (trovateA_[0].precisione >= 0) testoPrecisione_ = Percento(trovateA_[0].precisione);
    } else {
        trovateA_ = ListaAvanzataIniziale();
    }
    ripresa_ = false;
    progresso_ = 0;
    progressoTotale_ = 30;
    std::shared_ptr<CCampionato> copia = CopiaPerCalcolo(camp());
    if (limitiPartenza_) {
        ParametriAvanzati p = LeggiParametriAvanzati(*copia);
        p.limiti = *limitiPartenza_;
        ApplicaParametriAvanzati(*copia, p);
    }
    const auto iniziale = trovateA_;
    auto condiviso = condiviso_;
    auto fermo = stato_.fermo;
    AvviaLavoro<EsitoRicercaAvanzata>(
        esecutore_, "Ricerca sui Parametri Avanzati",
        CorpoRicerca(condiviso, fermo, [copia, imp, iniziale](ContestoLavoro& c, auto migliore) {
            return CercaAvanzata(*copia, imp, iniziale, c, migliore);
        }),
        [this, vivo = vivo_, fine = std::move(fine)](EsitoLavoro<EsitoRicercaAvanzata> e) {
            if (!*vivo) return;
            trovateA_ = e.risultato.trovate;
            if (!e.fine.riuscito()) messaggi_.Errore("Ricerca interrotta da un errore: " + e.fine.errore);
            const bool nessuna = FineRicerca(fermando_ || !e.risultato.completata, e.risultato.completata);
            // The page shows itself idle again before the message.
            if (fine) fine();
            if (nessuna) messaggi_.Errore(kNessunaAnalisiMigliore);
        });
}

void CRicercaAnalisiCorrente::Sonda() {
    if (!inCorso_) return;
    std::lock_guard l(condiviso_->mutex);
    if (condiviso_->totale > 0) {
        progresso_ = condiviso_->fatto;
        progressoTotale_ = condiviso_->totale;
    }
    contatore_ = condiviso_->contatore;
    if (condiviso_->migliore) testoPrecisione_ = Percento(*condiviso_->migliore);
}

bool CRicercaAnalisiCorrente::FineRicerca(bool interrotta, bool completata) {
    stato_.inCorso = inCorso_ = false;
    fermando_ = false;
    *stato_.fermo = false;
    cercato_ = true;
    if (completata) progresso_ = progressoTotale_;
    if (interrotta) SalvaDump();
    // The championship keeps the starting analysis until a found one is shown.
    ApplicaAnalisi(camp(), partenza_);
    const bool trovata = percentuali_ ? trovateP_[0].percentuali[0] != 0 : trovateA_[0].precisione >= 0;
    if (trovata) {
        indice_ = 0;
        trovateMostrate_ = true;
        MostraTrovata();
        return false;
    }
    if (camp().motore) camp().motore->AggiornaStime();
    return !interrotta;
}

void CRicercaAnalisiCorrente::SalvaDump() {
    // The settings the last search ran with, whatever the spins show now.
    if (tipoCercato_)
        SalvaRicercaPercentuali(dump_, partenzaCercata_, passoCercato_, ampiezzaCercata_, esitoP_);
    else
        SalvaRicercaAvanzata(dump_, partenzaCercata_, utilizzoCercato_, trovateA_);
    camp().ricerca = dump_;
    dati_.datiModificati = 1;
}

// ---------------------------------------------------------------- reload

void CRicercaAnalisiCorrente::Ricarica() {
    if (inCorso_) return;
    dump_ = camp().ricerca;
    if (dump_.giornate < 1) {
        messaggi_.Mostra("Nessuna ricerca salvata per questo campionato.", Icona::Informazione);
        return;
    }
    partenza_ = AnalisiDellaRicerca(dump_);
    ApplicaAnalisi(camp(), partenza_);
    AggiornaStato();
    CambioImpostazioni();
    if (dump_.tipo == CDumpRicerca::kPercentuali) {
        percentuali_ = true;
        passo_ = std::clamp<int>(dump_.passo, 1, 10);
        ampiezza_ = std::clamp<int>(dump_.ampiezza / 10 * 10, 10, 100);
        trovateP_ = dump_.trovatePercentuali;
        if (trovateP_[0].percentuali[0] != 0) testoPrecisione_ = Percento(trovateP_[0].precisione);
    } else {
        percentuali_ = false;
        utilizzo_ = std::clamp<int>(dump_.utilizzoMinimo, 60, 100);
        trovateA_ = dump_.trovateAvanzate;
        if (trovateA_[0].precisione >= 0) testoPrecisione_ = Percento(trovateA_[0].precisione);
    }
    ripresa_ = true;
    ricaricaAbilitata_ = false;
    indice_ = 0;
    // The reloaded list can be browsed and stored before the search goes on.
    trovateMostrate_ = true;
    tipoCercato_ = percentuali_;
    partenzaCercata_ = partenza_;
}

// ---------------------------------------------------------------- found analyses

bool CRicercaAnalisiCorrente::precedenteTrovataAbilitato() const {
    return trovateMostrate_ && !inCorso_ && indice_ > 0;
}

bool CRicercaAnalisiCorrente::successivaTrovataAbilitato() const {
    if (!trovateMostrate_ || inCorso_ || indice_ >= kAnalisiTrovate - 1) return false;
    const auto k = static_cast<std::size_t>(indice_ + 1);
    return tipoCercato_ ? trovateP_[k].percentuali[0] != 0 : trovateA_[k].precisione >= 0;
}

void CRicercaAnalisiCorrente::PrecedenteTrovata() {
    if (!precedenteTrovataAbilitato()) return;
    --indice_;
    MostraTrovata();
}

void CRicercaAnalisiCorrente::SuccessivaTrovata() {
    if (!successivaTrovataAbilitato()) return;
    ++indice_;
    MostraTrovata();
}

bool CRicercaAnalisiCorrente::inserisciAbilitato() const {
    return !inCorso_ && Trovata().has_value();
}

std::optional<CAnalisi> CRicercaAnalisiCorrente::Trovata() const {
    const auto k = static_cast<std::size_t>(indice_);
    if (!trovateMostrate_) return std::nullopt;
    const bool p = tipoCercato_;
    CAnalisi a = partenzaCercata_;
    a.titolo.clear();
    a.descrizione.clear();
    if (p) {
        if (trovateP_[k].percentuali[0] == 0) return std::nullopt;
        std::copy(trovateP_[k].percentuali.begin(), trovateP_[k].percentuali.end(),
                  a.percentualiImportanza);
    } else {
        if (trovateA_[k].precisione < 0) return std::nullopt;
        a.punteggiAvanzati = trovateA_[k].punteggi;
        a.limiteMinCasa = trovateA_[k].limiti[0];
        a.limiteMaxCasa = trovateA_[k].limiti[1];
        a.limiteMinTrasferta = trovateA_[k].limiti[2];
        a.limiteMaxTrasferta = trovateA_[k].limiti[3];
    }
    return a;
}

std::string CRicercaAnalisiCorrente::testoTrovata() const {
    const auto a = inCorso_ ? std::nullopt : Trovata();
    if (!a) return {};
    char b[200];
    if (tipoCercato_) {
        std::snprintf(b, sizeof b, "Analisi trovata n. %d - Percentuali d'Importanza: ", indice_ + 1);
        return b + TestoPercentuali(*a);
    }
    std::snprintf(b, sizeof b, "Analisi trovata n. %d - Limiti Casa da %d a %d, Trasferta da %d a %d",
                  indice_ + 1, a->limiteMinCasa, a->limiteMaxCasa, a->limiteMinTrasferta,
                  a->limiteMaxTrasferta);
    return b;
}

bool CRicercaAnalisiCorrente::Valuta(CAnalisi& a) {
    CCampionato& c = camp();
    if (!c.motore) CreaMotore(c);
    ApplicaAnalisi(c, a);
    if (c.motore->AggiornaStime() != 0) return false;
    a.precisione1 = c.motore->precisione1();
    a.precisioneX = c.motore->precisioneX();
    a.precisione2 = c.motore->precisione2();
    a.datiUsati = c.motore->PercentualeDatiUsati().value_or(0.0f);
    return true;
}

void CRicercaAnalisiCorrente::MostraTrovata() {
    auto a = Trovata();
    if (!a) return;
    testoPrecisione_ = Valuta(*a) ? TestoPrecisione(*a) : std::string();
}

void CRicercaAnalisiCorrente::Inserisci() {
    auto a = Trovata();
    if (!a || inCorso_) return;
    Valuta(*a);
    CArchivio& ar = camp().archivio;
    if (ar.corrente < 0) ar.corrente = 0;
    InserisciAnalisi(ar, *a, TitoloAnalisi(orologio_.Adesso()), &messaggi_);
    RimettiPartenza();
}

// ---------------------------------------------------------------- archive

const CArchivio& CRicercaAnalisiCorrente::archivio() const { return camp().archivio; }
const CAnalisi* CRicercaAnalisiCorrente::mostrata() const {
    return LeggiAnalisi(camp().archivio, camp().archivio.corrente);
}

std::string CRicercaAnalisiCorrente::TestoNumeroAnalisi() const {
    if (!mostrata()) return "-";
    char b[32];
    std::snprintf(b, sizeof b, "%d DI %d", archivio().corrente + 1, archivio().numero());
    return b;
}

bool CRicercaAnalisiCorrente::precedenteArchivioAbilitato() const {
    return !inCorso_ && archivio().corrente > 0;
}
bool CRicercaAnalisiCorrente::successivaArchivioAbilitato() const {
    return !inCorso_ && archivio().corrente >= 0 && archivio().corrente + 1 < archivio().numero();
}
void CRicercaAnalisiCorrente::PrecedenteArchivio() {
    if (precedenteArchivioAbilitato()) --camp().archivio.corrente;
}
void CRicercaAnalisiCorrente::SuccessivaArchivio() {
    if (successivaArchivioAbilitato()) ++camp().archivio.corrente;
}

void CRicercaAnalisiCorrente::Recupera() {
    const CAnalisi* a = mostrata();
    if (!a || inCorso_) return;
    partenza_ = *a;
    ApplicaAnalisi(camp(), partenza_);
    AggiornaStato();
    CambioImpostazioni();
}

void CRicercaAnalisiCorrente::Elimina() {
    if (!mostrata() || inCorso_) return;
    if (messaggi_.Mostra(kDomandaEliminaAnalisi, Icona::Domanda, Pulsanti::SiNo) != Risposta::Si)
        return;
    EliminaAnalisi(camp().archivio);
    AggiornaStato();
}

void CRicercaAnalisiCorrente::ImpostaNote(const std::string& titolo, const std::string& descrizione) {
    CArchivio& ar = camp().archivio;
    if (ar.corrente < 0 || ar.corrente >= ar.numero()) return;
    ar.analisi[static_cast<std::size_t>(ar.corrente)].titolo = titolo;
    ar.analisi[static_cast<std::size_t>(ar.corrente)].descrizione = descrizione;
}

bool CRicercaAnalisiCorrente::confrontaAbilitato() const {
    return !inCorso_ && mostrata() != nullptr && Trovata().has_value();
}

CAnalisi CRicercaAnalisiCorrente::AnalisiDaConfrontare() const {
    if (auto a = Trovata()) return *a;
    return AnalisiCorrente(camp());
}

// ---------------------------------------------------------------- page events

void CRicercaAnalisiCorrente::AggiornaStato() {
    const TestiStato t = AggiornaMessaggioStato(camp());
    if (mostraStato) mostraStato(t);
}

void CRicercaAnalisiCorrente::Attiva() {
    dati_.campionatoCorrente = static_cast<std::int16_t>(campionato_);
}

void CRicercaAnalisiCorrente::RimettiPartenza() {
    if (inCorso_) return;
    ApplicaAnalisi(camp(), partenza_);
    AggiornaStato();
}

void CRicercaAnalisiCorrente::Ok() {
    if (inCorso_) return;
    if (cercato_) SalvaDump();
    RimettiPartenza();
}

const char* CRicercaAnalisiCorrente::Suggerimento(const char* controllo) {
    struct Voce {
        const char* nome;
        const char* testo;
    };
    static constexpr Voce kVoci[] = {
        {"percentuali", "Imposta la ricerca delle Percentuali d'Importanza delle Giornate d'analisi"},
        {"avanzati", "Imposta la ricerca dei Parametri Avanzati"},
        {"ampiezza", "Impostare quanto ampia deve essere la ricerca di Percentuali d'Importanza"},
        {"passo", "Impostare di quanto verra' modificata una coppia di Percentuali d'Importanza ad ogni ricerca"},
        {"utilizzo", "Impostare la percentuale minima di utilizzo dei dati nelle ricerche"},
        {"processore", "Scegliere se assegnare tutto il processore alla ricerca"},
        {"cerca", "Avvia o Interrompe la Ricerca delle Stime Migliori"},
        {"precedenteTrovata", "Visualizza la precedente analisi trovata"},
        {"successivaTrovata", "Visualizza la successiva analisi trovata"},
        {"ricarica", "Carica l'ultima ricerca compiuta o interrotta, per riprenderla in esame"},
        {"elimina", "Elimina l'analisi visualizzata nell'archivio"},
        {"recupera", "Recupera l'analisi visualizzata nell'archivio e la rende attiva e corrente"},
        {"inserisci", "Inserisce nell'archivio l'analisi trovata ed attualmente visualizzata"},
        {"confronta", "Confronta i Parametri Avanzati dell'analisi trovata con quelli dell'analisi visualizzata nell'archivio"},
        {"titolo", "Visualizza il titolo della descrizione dell'analisi visualizzata nell'archivio"},
        {"note", "Consente di leggere e modificare la descrizione dell'analisi visualizzata nell'archivio"},
        {"precedenteArchivio", "Visualizza la precedente analisi nell'archivio"},
        {"successivaArchivio", "Visualizza la successiva analisi nell'archivio"},
        {"avanzatiArchivio", "Visualizza la finestra con i parametri avanzati dell'analisi visualizzata nell'archivio"},
    };
    for (const Voce& v : kVoci)
        if (std::strcmp(v.nome, controllo) == 0) return v.testo;
    return "";
}

} // namespace veltra
