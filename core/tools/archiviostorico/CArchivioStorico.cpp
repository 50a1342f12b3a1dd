#include "tools/archiviostorico/CArchivioStorico.h"

#include "platform/Messaggi.h"
#include "tools/stagioni/EtichettaStagione.h"

namespace veltra {

CArchivioStorico::CArchivioStorico(DatiCampionati& dati, IMessaggi& messaggi)
    : dati_(dati), messaggi_(messaggi), camp_(dati.campionato(dati.campionatoCorrente)),
      ultimoRicordato_(camp_.ultimoIncontroFiltro), stagioneRicordata_(camp_.stagioneFiltro) {
    camp_.ultimoIncontroFiltro = -1;
    camp_.stagioneFiltro = -1;
    // The seasons whose separator is stored; the team lists should match them.
    stagione_ = numeroStagioni() - 1;
    Riempi();
}

CArchivioStorico::~CArchivioStorico() {
    if (!chiuso_) {
        camp_.ultimoIncontroFiltro = ultimoRicordato_;
        camp_.stagioneFiltro = stagioneRicordata_;
    }
}

std::string CArchivioStorico::Titolo() const {
    return "VELTRA - " + std::string(camp_.descrizione().nome) + ". Archivio Storico";
}

int CArchivioStorico::numeroStagioni() const {
    return camp_.incontri.numeroSeparatori();
}

std::string CArchivioStorico::testoStagione() const {
    if (stagione_ < 0) return {};
    return "STAGIONE " + EtichettaStagione(camp_.id(), stagione_ + 1);
}

void CArchivioStorico::Precedente() {
    if (!abilitaPrecedente()) return;
    --stagione_;
    filtroCasa_ = filtroTrasferta_ = evidenziaCasa_ = evidenziaTrasferta_ = -1;
    Riempi();
}

void CArchivioStorico::Successivo() {
    if (!abilitaSuccessivo()) return;
    ++stagione_;
    filtroCasa_ = filtroTrasferta_ = evidenziaCasa_ = evidenziaTrasferta_ = -1;
    Riempi();
}

const std::vector<std::string>& CArchivioStorico::squadre() const {
    return camp_.squadreStagione(stagione_ + 1).nomi;
}

void CArchivioStorico::Riempi() {
    righe_.clear();
    voci_.clear();
    selezione_ = -1;
    if (stagione_ < 0) return;
    const ElencoIncontri& incontri = camp_.incontri;
    const std::vector<std::string>& nomi = squadre();
    const int n = static_cast<int>(nomi.size());
    for (int i = incontri.inizioStagione(stagione_) + 1;
         i < incontri.numero() && !incontri[i].separatore(); ++i) {
        const Incontro& m = incontri[i];
        if (filtrato() && m.casa != filtroCasa_ && m.trasferta != filtroTrasferta_) continue;
        // A damaged index would have no name to show.
        if (m.casa < 0 || m.casa >= n || m.trasferta < 0 || m.trasferta >= n) continue;
        righe_.push_back(nomi[static_cast<std::size_t>(m.casa)] + "\t" +
                         nomi[static_cast<std::size_t>(m.trasferta)] + "\t" + m.risultato);
        voci_.push_back(i);
        if (selezione_ < 0 && m.casa == evidenziaCasa_ && m.trasferta == evidenziaTrasferta_)
            selezione_ = static_cast<int>(righe_.size()) - 1;
    }
}

void CArchivioStorico::ImpostaFiltri(int casa, int trasferta) {
    const int n = static_cast<int>(squadre().size());
    filtroCasa_ = casa >= 0 && casa < n ? casa : -1;
    filtroTrasferta_ = trasferta >= 0 && trasferta < n ? trasferta : -1;
    Riempi();
}

bool CArchivioStorico::Trova(int casa, int trasferta) {
    if (!abilitaTrova(casa, trasferta)) return false;
    evidenziaCasa_ = casa;
    evidenziaTrasferta_ = trasferta;
    Riempi();
    if (selezione_ >= 0) return true;
    bool disputato = false;
    const ElencoIncontri& incontri = camp_.incontri;
    for (int i = incontri.inizioStagione(stagione_) + 1;
         i < incontri.numero() && !incontri[i].separatore(); ++i)
        disputato = disputato || (incontri[i].casa == casa && incontri[i].trasferta == trasferta);
    messaggi_.Mostra(disputato && filtrato() ? kIncontroNascostoDaiFiltri : kIncontroNonDisputato,
                     Icona::Informazione);
    return false;
}

void CArchivioStorico::Seleziona(int riga) {
    selezione_ = riga >= 0 && riga < static_cast<int>(righe_.size()) ? riga : -1;
}

bool CArchivioStorico::PiuRecente(int voce) const {
    // Separators of seasons not yet begun may follow the last match: it is
    // still the most recent one, and the only way back to the whole data.
    for (int i = voce + 1; i < camp_.incontri.numero(); ++i)
        if (!camp_.incontri[i].separatore()) return false;
    return true;
}

void CArchivioStorico::FissaUltimoIncontro() {
    if (!abilitaFissa()) return;
    const int voce = voci_[static_cast<std::size_t>(selezione_)];
    scelto_ = true;
    if (PiuRecente(voce)) {
        nuovoUltimo_ = nuovaStagione_ = -1;
        messaggi_.Mostra(kIncontroPiuRecente, Icona::Informazione);
        return;
    }
    nuovoUltimo_ = voce;
    nuovaStagione_ = stagione_ + 1;
    messaggi_.Mostra(
        FormattaTesto(kFissatoUltimoIncontro, righe_[static_cast<std::size_t>(selezione_)].c_str()),
        Icona::Informazione);
}

void CArchivioStorico::Chiudi() {
    if (chiuso_) return;
    chiuso_ = true;
    // Choosing the cut-off that was already there changes nothing: the
    // coupon and the bets still rest on the same data.
    if (!scelto_ || (nuovoUltimo_ == ultimoRicordato_ && nuovaStagione_ == stagioneRicordata_)) {
        camp_.ultimoIncontroFiltro = ultimoRicordato_;
        camp_.stagioneFiltro = stagioneRicordata_;
        return;
    }
    camp_.ultimoIncontroFiltro = nuovoUltimo_;
    camp_.stagioneFiltro = nuovaStagione_;

    // The coupon and the bets were computed from the other data: whoever
    // keeps them clears them, telling the user with this command's texts.
    AvvisoCambiamento avviso{Cambiamento::Dati, camp_.id()};
    avviso.messaggi = &messaggi_;
    avviso.filtroStorico = true;
    dati_.notifiche.Pubblica(avviso);

    testiStato_ = AggiornaMessaggioStato(camp_);
    dati_.datiModificati = 1;
    datiCambiati_ = true;
}

} // namespace veltra
