#include "pools/CDlgSpoglioSchedine.h"

#include "dati/DatiCampionati.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "pools/CCondizionamenti.h"
#include "pools/CostruzioneSistema.h"
#include "pools/OperazioniSchedina.h"
#include "pools/RicalcolaSistema.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace veltra {

CDlgSpoglioSchedine::CDlgSpoglioSchedine(DatiCampionati& dati, Schedina& schedina, CCondizionamenti& condizioni)
    : dati_(dati), s_(schedina), condizioni_(condizioni) {
    risultati_.fill(-1);
}

void CDlgSpoglioSchedine::Riempi() {
    p_.Inizia(s_);
    Carica();
}

void CDlgSpoglioSchedine::Carica() {
    celle_ = p_.Colonne(s_);
}

std::string CDlgSpoglioSchedine::casa(int riga) const {
    return s_.partite[static_cast<std::size_t>(riga)].squadraCasa;
}
std::string CDlgSpoglioSchedine::trasferta(int riga) const {
    return s_.partite[static_cast<std::size_t>(riga)].squadraTrasferta;
}

void CDlgSpoglioSchedine::ImpostaRisultato(int riga, int segno) {
    if (riga < 0 || riga >= kRigheSchedina) return;
    risultati_[static_cast<std::size_t>(riga)] = segno >= 0 && segno <= 2 ? segno : -1;
    calcolato_ = false;
}

bool CDlgSpoglioSchedine::calcolaAbilitato() const {
    return !calcolato_ && !inCalcolo_ &&
           std::all_of(risultati_.begin(), risultati_.end(), [](int r) { return r >= 0; });
}

void CDlgSpoglioSchedine::ImpostaColonnePerPagina(int k) {
    p_.perPagina = k == 8 ? 8 : 4;
    p_.pagina = 1;
    Carica();
}

void CDlgSpoglioSchedine::Calcola(IEsecutoreLavori& esecutore, std::function<void()> fine) {
    if (!calcolaAbilitato()) return;
    if (s_.colonnePerPagina != p_.perPagina) {
        s_.colonnePerPagina = p_.perPagina;
        dati_.datiModificati = 1;
    }
    inCalcolo_ = true;
    integrale_ = SpogliaIntegrale(s_, risultati_);
    // The job reads a copy of the system, so the window may repaint meanwhile.
    auto copia = std::make_shared<const Schedina>(s_);
    const RisultatiSchedina r = risultati_;
    AvviaLavoro<EsitoSpoglioRidotto>(
        esecutore, kTitoloCalcoloRidotto,
        [copia, r](ContestoLavoro& c) { return SpogliaRidotto(*copia, r, &c); },
        [this, fine = std::move(fine)](EsitoLavoro<EsitoSpoglioRidotto> e) {
            inCalcolo_ = false;
            ridotto_ = std::move(e.risultato);
            calcolato_ = e.fine.riuscito() && !e.fine.fermato;
            p_.pagina = 1;
            Carica();
            if (fine) fine();
        });
}

std::string CDlgSpoglioSchedine::testoTredicissimo() const {
    return calcolato_ ? std::to_string(ridotto_.tredicissimi) : "";
}
std::string CDlgSpoglioSchedine::testoTredici() const { return calcolato_ ? std::to_string(ridotto_.tredici) : ""; }
std::string CDlgSpoglioSchedine::testoDodici() const { return calcolato_ ? std::to_string(ridotto_.dodici) : ""; }
std::string CDlgSpoglioSchedine::testoMigliore() const {
    return calcolato_ && ridotto_.migliore >= 0 ? std::to_string(ridotto_.migliore) : "";
}

std::string CDlgSpoglioSchedine::Cella(int riga, int c) const {
    if (c < 0 || static_cast<std::size_t>(c) >= celle_.size() || riga < 0 || riga >= kRigheSchedina) return "";
    const int codice = celle_[static_cast<std::size_t>(c)][static_cast<std::size_t>(riga)];
    std::string t = TestoCodice(codice);
    const int r = risultati_[static_cast<std::size_t>(riga)];
    if (calcolato_ && !t.empty() && !(r >= 0 && (SegniCodice(codice) & (1 << r)))) t += "*";
    return t;
}

std::string CDlgSpoglioSchedine::Punti(int c) const {
    const int i = p_.Indice(c);
    if (!calcolato_ || i < 0 || static_cast<std::size_t>(i) >= ridotto_.punti.size()) return "";
    return std::to_string(ridotto_.punti[static_cast<std::size_t>(i)]);
}

void CDlgSpoglioSchedine::Avanti() {
    if (!p_.avanti()) return;
    ++p_.pagina;
    Carica();
}

void CDlgSpoglioSchedine::Indietro() {
    if (!p_.indietro()) return;
    --p_.pagina;
    Carica();
}

void CDlgSpoglioSchedine::CreaGiocata(IEsecutoreLavori& esecutore, std::int64_t adesso,
                                      std::function<void(std::optional<CStatisticheToto>)> fine) {
    if (!statisticheAbilitato()) return;
    CStatisticheToto g;
    g.data = adesso;
    for (int i = 0; i < kRigheSchedina; ++i) {
        const int r = risultati_[static_cast<std::size_t>(i)];
        g.risultati[static_cast<std::size_t>(i)] = r >= 0 ? std::string(1, CarattereSegno(r)) : "n";
    }
    g.condizioni = condizioni_;
    g.condizioni.copia = {};
    g.riduzioneMin = s_.riduzioneMin;
    g.riduzioneMax = s_.riduzioneMax;
    g.colonneRidotto = std::max(0, TotaleColonne(s_));
    g.tripleGiocate = static_cast<std::int16_t>(integrale_.triple);
    g.doppieGiocate = static_cast<std::int16_t>(integrale_.doppie);
    g.puntiIntegraleGiocato = static_cast<std::int16_t>(integrale_.punti);
    g.puntiBaseGiocata = static_cast<std::int16_t>(integrale_.base);
    // The best column: below 12 the best score, else the points of the best.
    g.puntiRidotto = static_cast<std::int16_t>(ridotto_.massimo);
    int manuali = 0;
    for (const Partita& p : s_.partite)
        manuali += Manuale(p);
    g.fissatiUtente = static_cast<std::int16_t>(manuali);
    for (int i = 0; i < 10; ++i)
        g.interventi[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(
            std::clamp<std::int32_t>(s_.contatoriModifiche[static_cast<std::size_t>(i)], -32768, 32767));

    // The proposal: the coupon is saved in its backup copy, the base system
    // recomputed without manual predictions and the coupon restored; the
    // search then works on a copy of that proposal.
    SalvaCopia(s_);
    RicalcolaSistema(s_, dati_, false, false);
    auto proposta = std::make_shared<Schedina>(s_);
    RipristinaCopia(s_);
    proposta->ridotto = {};
    proposta->copia = {};
    const EsitoIntegrale orig = SpogliaIntegrale(*proposta, risultati_);
    g.tripleOriginali = static_cast<std::int16_t>(orig.triple);
    g.doppieOriginali = static_cast<std::int16_t>(orig.doppie);
    g.puntiIntegraleOriginale = static_cast<std::int16_t>(orig.punti);
    g.puntiBaseOriginale = static_cast<std::int16_t>(orig.base);

    const RisultatiSchedina r = risultati_;
    AvviaLavoro<std::pair<int, int>>(
        esecutore, kTitoloRicercaVincente,
        [proposta, r](ContestoLavoro& c) { return CercaAllargamento(*proposta, r, &c); },
        [g, fine = std::move(fine)](EsitoLavoro<std::pair<int, int>> e) mutable {
            if (e.fine.fermato || !e.fine.riuscito()) return fine(std::nullopt);
            g.fissaDoppiaPer12 = static_cast<std::int16_t>(e.risultato.first);
            g.doppiaTriplaPer12 = static_cast<std::int16_t>(e.risultato.second);
            fine(std::move(g));
        });
}

EsitoArchiviazione ArchiviaGiocata(std::optional<CListaGiocateToto>& lista, const std::filesystem::path& cartella,
                                   const CStatisticheToto& giocata,
                                   const std::function<std::optional<bool>(const CStatisticheToto&)>& sceltaSostituzione,
                                   IMessaggi& messaggi) {
    if (!lista) {
        LetturaStatistiche l = CaricaStatistiche(cartella);
        if (!l.lista) {
            messaggi.Errore(kErroreLetturaStatistiche);
            return EsitoArchiviazione::Errore;
        }
        lista = std::move(l.lista);
    }
    bool sostituisci = false;
    if (!lista->giocate.empty()) {
        const std::optional<bool> scelta = sceltaSostituzione(lista->giocate.front());
        if (!scelta) return EsitoArchiviazione::Annullata;
        sostituisci = *scelta;
    }
    CListaGiocateToto nuova = *lista;
    AggiungiGiocata(nuova, giocata, sostituisci);
    if (!SalvaStatistiche(cartella, nuova)) {
        messaggi.Errore(kErroreScritturaStatistiche);
        return EsitoArchiviazione::Errore;
    }
    *lista = std::move(nuova);
    messaggi.Mostra(sostituisci ? kGiocataSostituita : kGiocataArchiviata, Icona::Informazione);
    return sostituisci ? EsitoArchiviazione::Sostituita : EsitoArchiviazione::Aggiunta;
}

} // namespace veltra
