#include "engine/parametri/CDlgImpostazioneParametri.h"
#include "engine/ValutazioneArchivio.h"

#include "dati/DatiCampionati.h"
#include "engine/CMotoreStime.h"
#include "engine/parametri/Allineamento.h"
#include "engine/parametri/LimitiTotali.h"
#include "engine/parametri/Percentuali.h"
#include "engine/parametri/ProvaAnalisi.h"
#include "engine/parametri/TestiAnalisi.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"

#include <algorithm>
#include <cstdio>

namespace veltra {

namespace {

// The engine reads only the first N percentages; the others are kept at 0
// so that equal analyses compare equal.
void NormalizzaPercentuali(CAnalisi& a) {
    a.giornateAnalisi = static_cast<std::int16_t>(std::clamp<int>(a.giornateAnalisi, 1, 5));
    for (int k = a.giornateAnalisi; k < 5; ++k)
        a.percentualiImportanza[k] = 0;
}

} // namespace

CDlgImpostazioneParametri::CDlgImpostazioneParametri(DatiCampionati& dati, FinestreNonModali& finestre,
                                                     IMessaggi& messaggi, const IOrologio& orologio)
    : dati_(dati), finestre_(finestre), messaggi_(messaggi), orologio_(orologio) {
    Carica();
}

CCampionato& CDlgImpostazioneParametri::camp() {
    return dati_.campionato(campionato_);
}

std::string CDlgImpostazioneParametri::Titolo() const {
    return "VELTRA - " + std::string(dati_.campionato(campionato_).descrizione().nome) +
           ". Impostazione Parametri";
}

void CDlgImpostazioneParametri::Carica() {
    campionato_ = dati_.campionatoCorrente;
    CCampionato& c = camp();
    if (!c.motore) CreaMotore(c);
    apertura_ = AnalisiCorrente(c);
    NormalizzaPercentuali(apertura_);
    allineata_ = apertura_;
    applicata_ = apertura_;
    corrente_ = apertura_;
    archivio_ = c.archivio;
    archivio_.corrente = archivio_.analisi.empty() ? -1 : 0;
    trasfertaRicordata_.reset();
    Applica();
}

void CDlgImpostazioneParametri::Applica() {
    const EsitoProva e = ProvaAnalisi(camp(), corrente_, applicata_, archivio_,
                                      kLimitiNonValidiParametri, kRestringereLimitiParametri);
    ok_ = e.ok;
    if (e.ok) {
        applicata_ = corrente_;
        testoPrecisione_ = RigaPrecisione(corrente_, true);
    } else {
        testoPrecisione_ = e.stato.pannello1;
    }
    testiStato_ = e.stato;
    if (mostraStato) mostraStato(testiStato_);
}

void CDlgImpostazioneParametri::MostraEsito(const std::string& testo, bool ok,
                                            const TestiStato& stato) {
    testoPrecisione_ = testo;
    ok_ = ok;
    testiStato_ = stato;
    if (mostraStato) mostraStato(testiStato_);
}

void CDlgImpostazioneParametri::CambiaGiornate(int giornate) {
    giornate = std::clamp(giornate, 1, 5);
    if (giornate == corrente_.giornateAnalisi) return;
    corrente_.giornateAnalisi = static_cast<std::int16_t>(giornate);
    PercentualiPerGiornate(corrente_.percentualiImportanza, giornate);
    LimitaDopoGiornate(corrente_);
    Applica();
}

void CDlgImpostazioneParametri::CambiaPercentuale(int indice, int valore) {
    if (!percentualeAbilitata(indice)) return;
    const CAnalisi prima = corrente_;
    RipartisciPercentuali(corrente_.percentualiImportanza, corrente_.giornateAnalisi, indice,
                          valore);
    if (corrente_.StessiParametri(prima)) return;
    Applica();
}

std::string CDlgImpostazioneParametri::TestoPercentuale(int indice) const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%hd%%", corrente_.percentualiImportanza[indice]);
    return buf;
}

void CDlgImpostazioneParametri::CambiaSepara(bool separa) {
    CPunteggiAvanzati& p = corrente_.punteggiAvanzati;
    if (separa == p.separaCasaTrasferta) return;
    if (!separa) {
        ValoriTrasferta v{corrente_.limiteMinTrasferta,
                          corrente_.limiteMaxTrasferta,
                          p.forteTrasferta,
                          p.deboleTrasferta,
                          p.modificaAltaTrasferta,
                          p.modificaBassaTrasferta,
                          {}};
        for (int k = 0; k < 9; ++k)
            v.punti[k] = p.punti[2 * k + 1];
        trasfertaRicordata_ = v;
        corrente_.limiteMinTrasferta = corrente_.limiteMinCasa;
        corrente_.limiteMaxTrasferta = corrente_.limiteMaxCasa;
        p.forteTrasferta = p.forteCasa;
        p.deboleTrasferta = p.deboleCasa;
        p.modificaAltaTrasferta = p.modificaAltaCasa;
        p.modificaBassaTrasferta = p.modificaBassaCasa;
        for (int k = 0; k < 9; ++k)
            p.punti[2 * k + 1] = p.punti[2 * k];
    } else if (trasfertaRicordata_) {
        const ValoriTrasferta& v = *trasfertaRicordata_;
        corrente_.limiteMinTrasferta = v.limiteMin;
        corrente_.limiteMaxTrasferta = v.limiteMax;
        p.forteTrasferta = v.forte;
        p.deboleTrasferta = v.debole;
        p.modificaAltaTrasferta = v.modificaAlta;
        p.modificaBassaTrasferta = v.modificaBassa;
        for (int k = 0; k < 9; ++k)
            p.punti[2 * k + 1] = v.punti[k];
        trasfertaRicordata_.reset();
    }
    p.separaCasaTrasferta = separa;
    Applica();
}

void CDlgImpostazioneParametri::ImpostaAnalisi(const CAnalisi& a) {
    // The advanced parameters dialog edits the same N and percentages it got.
    corrente_ = a;
    NormalizzaPercentuali(corrente_);
    Applica();
}

void CDlgImpostazioneParametri::Precedente() {
    if (precedenteAbilitato()) --archivio_.corrente;
}

void CDlgImpostazioneParametri::Successiva() {
    if (successivaAbilitato()) ++archivio_.corrente;
}

std::string CDlgImpostazioneParametri::TestoNumeroAnalisi() const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d DI %d", archivio_.corrente + 1, archivio_.numero());
    return buf;
}

std::string CDlgImpostazioneParametri::TestoArchivio(int controllo) const {
    const CAnalisi* a = mostrata();
    if (!a) return "-";
    switch (controllo) {
    case kArchivioGiornate:
        return std::to_string(a->giornateAnalisi);
    case kArchivioPercentuali:
        return TestoPercentuali(*a);
    case kArchivioSepara:
        return a->punteggiAvanzati.separaCasaTrasferta ? "SI" : "NO";
    case kArchivioPrecisione:
        return TestoPrecisione(*a);
    case kArchivioDatiUsati:
        return TestoDatiUsati(*a);
    case kTitolo:
        return a->titolo;
    default:
        return {};
    }
}

void CDlgImpostazioneParametri::Inserisci() {
    if (!ok_) return;
    if (InserisciAnalisi(archivio_, corrente_, TitoloAnalisi(orologio_.Adesso()), &messaggi_) == 0)
        return;
    testiStato_.pannello2 = TestoAnalisiArchivio(CercaAnalisi(archivio_, corrente_));
    if (mostraStato) mostraStato(testiStato_);
}

void CDlgImpostazioneParametri::Recupera() {
    const CAnalisi* a = mostrata();
    if (!a) return;
    corrente_ = *a;
    corrente_.titolo.clear();
    corrente_.descrizione.clear();
    NormalizzaPercentuali(corrente_);
    trasfertaRicordata_.reset();
    Applica();
}

void CDlgImpostazioneParametri::Elimina() {
    if (!mostrata()) return;
    if (messaggi_.Mostra("Vuoi eliminare dall'archivio l'analisi visualizzata?", Icona::Domanda,
                         Pulsanti::SiNo) != Risposta::Si)
        return;
    EliminaAnalisi(archivio_);
    if (ok_) testiStato_.pannello2 = TestoAnalisiArchivio(CercaAnalisi(archivio_, corrente_));
    if (mostraStato) mostraStato(testiStato_);
}

void CDlgImpostazioneParametri::ImpostaNote(const std::string& titolo,
                                            const std::string& descrizione) {
    if (archivio_.corrente < 0 || archivio_.corrente >= archivio_.numero()) return;
    CAnalisi& a = archivio_.analisi[static_cast<std::size_t>(archivio_.corrente)];
    a.titolo = titolo;
    a.descrizione = descrizione;
}

void CDlgImpostazioneParametri::AllineaSeServe(const CAnalisi& nuova, bool inRinfresco) {
    if (nuova.StessiParametri(allineata_)) return;
    allineata_ = nuova;
    AllineaAnalisi(dati_, inRinfresco);
}

void CDlgImpostazioneParametri::Allinea() {
    if (!allineaAbilitato()) return;
    AllineaSeServe(corrente_, false);
}

void CDlgImpostazioneParametri::AllineaDa(const CAnalisi& a) {
    corrente_ = a;
    NormalizzaPercentuali(corrente_);
    applicata_ = corrente_;
    AllineaSeServe(corrente_, false);
}

void CDlgImpostazioneParametri::Ok() {
    CCampionato& c = camp();
    if (archivio_.analisi != c.archivio.analisi) {
        c.archivio.analisi = archivio_.analisi;
        c.archivio.corrente = archivio_.corrente;
        dati_.datiModificati = 1;
    }
    // After a failed change the championship holds the last analysis that
    // could be fitted: that is what the other windows must follow.
    AllineaSeServe(applicata_, false);
}

void CDlgImpostazioneParametri::Annulla() {
    CCampionato& c = camp();
    ApplicaAnalisi(c, apertura_);
    testiStato_ = AggiornaMessaggioStato(c);
    if (campionato_ == dati_.campionatoCorrente && mostraStato) mostraStato(testiStato_);
    AllineaSeServe(apertura_, false);
}

std::string CDlgImpostazioneParametri::DomandaModifiche(const char* prima) const {
    const CCampionato& c = dati_.campionato(campionato_);
    const bool analisi = !applicata_.StessiParametri(apertura_);
    const bool archivio = archivio_.analisi != c.archivio.analisi;
    const char* cosa = analisi && archivio ? "sull'Analisi Corrente e nell'Archivio Analisi"
                       : analisi           ? "sull'Analisi Corrente"
                                           : "nell'Archivio Analisi";
    char buf[512];
    std::snprintf(buf, sizeof buf,
                  "%s, desideri confermare le modifiche compiute %s del campionato di %s?", prima,
                  cosa, std::string(c.descrizione().nome).c_str());
    return buf;
}

bool CDlgImpostazioneParametri::ConfermaPrimaDiUscire() {
    const bool analisi = !applicata_.StessiParametri(apertura_);
    const bool archivio = archivio_.analisi != camp().archivio.analisi;
    if (!analisi && !archivio) return true;
    switch (messaggi_.Mostra(DomandaModifiche("Prima di uscire da VELTRA"), Icona::Domanda,
                             Pulsanti::SiNoAnnulla)) {
    case Risposta::Si:
        Ok();
        return true;
    case Risposta::No:
        Annulla();
        return true;
    default:
        return false;
    }
}

void CDlgImpostazioneParametri::RivalutaArchivio() {
    // The data changed: the figures of the archived analyses are those of
    // the old data. ValutaAnalisi leaves each one applied; Applica follows.
    CCampionato& c = camp();
    for (auto& a : archivio_.analisi)
        ValutaAnalisi(c, a);
    ApplicaAnalisi(c, applicata_);
}

bool CDlgImpostazioneParametri::Aggiorna(bool datiCambiati) {
    if (dati_.campionatoCorrente == campionato_) {
        if (datiCambiati) RivalutaArchivio();
        Applica();
        return true;
    }
    CCampionato& c = camp();
    const bool analisi = !applicata_.StessiParametri(apertura_);
    const bool archivio = archivio_.analisi != c.archivio.analisi;
    bool conferma = true;
    if (analisi || archivio)
        conferma = messaggi_.Mostra(DomandaModifiche("Prima di cambiare campionato"),
                                    Icona::Domanda, Pulsanti::SiNo) == Risposta::Si;
    if (conferma) {
        if (archivio) {
            c.archivio.analisi = archivio_.analisi;
            c.archivio.corrente = c.archivio.analisi.empty() ? -1 : 0;
            dati_.datiModificati = 1;
        }
        AllineaSeServe(applicata_, true);
    } else {
        ApplicaAnalisi(c, apertura_);
        if (!c.motore) CreaMotore(c);
        c.motore->AggiornaStime();
        AllineaSeServe(apertura_, true);
    }
    Carica();
    return true;
}

const char* CDlgImpostazioneParametri::Suggerimento(int controllo) {
    switch (controllo) {
    case kGiornate:
        return "Impostare il numero di Giornate d'Analisi utili per il calcolo dei valori delle "
               "squadre a confronto";
    case 1061:
        return "Impostare il valore percentuale di importanza della partita piu' recente";
    case 1064:
        return "Impostare il valore percentuale di importanza della penultima partita";
    case 1067:
        return "Impostare il valore percentuale di importanza della terzultima partita";
    case 1073:
        return "Impostare il valore percentuale di importanza della quartultima partita";
    case 1076:
        return "Impostare il valore percentuale di importanza della quintultima partita";
    case kAvanzati:
        return "Apre la finestra dedicata all'impostazione dei parametri avanzati per l'analisi "
               "corrente";
    case kPrecedente:
        return "Visualizza la precedente analisi nell'archivio";
    case kSuccessiva:
        return "Visualizza la successiva analisi nell'archivio";
    case kTitolo:
        return "Visualizza il titolo della descrizione dell'analisi visualizzata nell'archivio";
    case kInserisci:
        return "Inserisce nell'archivio l'analisi corrente";
    case kRecupera:
        return "Elimina l'analisi corrente e recupera quella visualizzata nell'archivio";
    case kElimina:
        return "Elimina l'analisi visualizzata nell'archivio";
    case kNote:
        return "Consente di leggere e modificare la descrizione dell'analisi visualizzata "
               "nell'archivio";
    case kConfronta:
        return "Confronta i Parametri Avanzati dell'analisi corrente con quelli dell'analisi "
               "visualizzata nell'archivio";
    case kAvanzatiArchivio:
        return "Visualizza la finestra con i parametri avanzati dell'analisi visualizzata "
               "nell'archivio";
    case kAllinea:
        return "Allinea le altre finestre aperte in base alla nuova analisi corrente";
    default:
        return nullptr;
    }
}

} // namespace veltra
