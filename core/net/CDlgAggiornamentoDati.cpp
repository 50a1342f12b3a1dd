#include "net/CDlgAggiornamentoDati.h"

#include "net/FileAggiornamento.h"

#include "dati/FileAtomico.h"
#include "dati/Testo1252.h"
#include "platform/Messaggi.h"

namespace veltra {

CDlgAggiornamentoDati::CDlgAggiornamentoDati(DatiCampionati& dati,
                                             std::vector<CampionatoId> campionati,
                                             std::filesystem::path cartella, std::string& indirizzo,
                                             IMessaggi& messaggi)
    : campoIndirizzo(indirizzo), dati_(dati), campionati_(std::move(campionati)),
      cartella_(std::move(cartella)), indirizzo_(indirizzo), messaggi_(messaggi) {
    const std::string ultimo = UltimoAggiornamento(cartella_);
    if (!ultimo.empty()) {
        log_.Aggiungi("L'ultimo aggiornamento effettuato e' datato: " + ultimo);
        log_.Aggiungi("-----");
    }
}

void CDlgAggiornamentoDati::Aggiorna(IEsecutoreLavori& esecutore, IHttp& http,
                                     std::function<void()> fine) {
    if (inCorso_) {
        Interrompi();
        return;
    }
    inCorso_ = true;
    completo_ = false;
    newsRicevute_ = false;
    news_.clear();
    *fermo_ = false;
    ParametriAggiornamento p = PreparaAggiornamento(dati_, campionati_, campoIndirizzo, cartella_);
    p.secondiAttesa = secondiAttesa;
    p.secondiStallo = secondiStallo;
    p.fermo = fermo_;
    RegistroInternet* log = &log_;
    AvviaLavoro<EsitoScaricamento>(
        esecutore, "Aggiornamento Dati via Internet",
        [&http, p, log](ContestoLavoro& c) { return ScaricaAggiornamento(http, p, *log, c); },
        [this, fine = std::move(fine)](EsitoLavoro<EsitoScaricamento> e) {
            inCorso_ = false;
            completo_ = e.fine.riuscito() && e.risultato.completo;
            newsRicevute_ = e.risultato.newsRicevute;
            news_ = TestoNews(e.risultato.news);
            if (!e.fine.riuscito()) log_.Aggiungi("Errore: " + e.fine.errore);
            if (fine) fine();
        });
}

void CDlgAggiornamentoDati::Interrompi() {
    if (inCorso_) *fermo_ = true;
}

std::string CDlgAggiornamentoDati::NomeNews(const std::tm& ora) {
    char buf[64];
    std::strftime(buf, sizeof buf, "News %d-%m-%Y %Hh%Mm%Ss", &ora);
    return buf;
}

bool CDlgAggiornamentoDati::SalvaNews(const std::filesystem::path& file) {
    if (!ScriviFileAtomico(file, A1252(news_))) {
        messaggi_.Errore(kErroreSalvaNews);
        return false;
    }
    return true;
}

bool CDlgAggiornamentoDati::Ok() {
    if (!okAbilitato()) return false;
    log_.Aggiungi("\r\r\nAttendere il caricamento dei dati in memoria...");
    const EsitoFile e = CaricaAggiornamento(dati_, cartella_, campionati_, messaggi_, &dataCaricata_);
    if (!e) {
        log_.Aggiungi("(" + e.dettaglio + ")");
        completo_ = false;
        return false;
    }
    indirizzo_ = campoIndirizzo;
    return true;
}

} // namespace veltra
