#include "app/importa/AggiornamentoFonti.h"

#include "app/DatiGlobali.h"
#include "app/importa/NomeDaFonte.h"

namespace veltra {

AggiornamentoFonti::AggiornamentoFonti(DatiGlobali& dati, std::vector<CampionatoId> campionati,
                                       std::filesystem::path cartella, IMessaggi& messaggi)
    : dati_(dati), campionati_(std::move(campionati)), cartella_(std::move(cartella)),
      messaggi_(messaggi) {
    CaricamentoFonti t = CaricaFonti(cartella_);
    tabella_ = std::move(t.fonti);
    erroreTabella_ = std::move(t.errore);
}

std::string AggiornamentoFonti::Fonte(CampionatoId c) const {
    if (auto it = digitate_.find(c); it != digitate_.end()) return it->second;
    return tabella_.Cerca(c).value_or("");
}

void AggiornamentoFonti::ImpostaFonte(CampionatoId c, std::string fonte) {
    if (fonte == Fonte(c)) return;
    digitate_[c] = std::move(fonte);
    completo_ = false; // a merge of another source must not be applied
}

namespace {

struct Lavoro {
    std::vector<CampionatoId> campionati;
    std::vector<std::string> fonti;
    std::vector<std::shared_ptr<const CCampionato>> copie;
    long secondiStallo = 20;
};

struct EsitoFonti {
    std::vector<UnioneFonte> unioni;
    bool completo = false;
};

} // namespace

void AggiornamentoFonti::Aggiorna(IEsecutoreLavori& esecutore, IHttp& http, RegistroInternet& log,
                                  std::function<void()> fine) {
    if (inCorso_) {
        Interrompi();
        return;
    }
    inCorso_ = true;
    completo_ = false;
    unioni_.clear();
    *fermo_ = false;
    // The job works on copies: the data stay the window thread's.
    Lavoro l;
    for (CampionatoId c : campionati_) {
        l.campionati.push_back(c);
        l.fonti.push_back(Fonte(c));
        l.copie.push_back(std::shared_ptr<const CCampionato>(CopiaDati(dati_.campionato(c))));
    }
    l.secondiStallo = secondiStallo;
    RegistroInternet* registro = &log;
    auto fermo = fermo_;
    AvviaLavoro<EsitoFonti>(
        esecutore, "Aggiornamento dalle fonti",
        [&http, l, registro, fermo](ContestoLavoro& lavoro) {
            EsitoFonti e;
            TabellaAlias alias;
            if (auto errore = CaricaAliasPredefiniti(alias)) registro->Aggiungi("(" + *errore + ")");
            OpzioniFonte o;
            o.secondiStallo = l.secondiStallo;
            o.fermo = [&lavoro, fermo] { return lavoro.FermoRichiesto() || fermo->load(); };
            const long passi = static_cast<long>(l.campionati.size());
            for (std::size_t k = 0; k < l.campionati.size(); ++k) {
                const CampionatoId c = l.campionati[k];
                registro->Aggiungi("\r\r\nFONTE: " + std::string(Campionato(c).nome));
                if (l.fonti[k].empty()) {
                    registro->Aggiungi("Nessuna fonte per questo campionato: scriverne l'indirizzo.");
                    return e;
                }
                registro->Aggiungi("Lettura di " + l.fonti[k] + "...");
                const TestoFonte t = LeggiFonte(http, l.fonti[k], o);
                if (t.interrotto) {
                    registro->Aggiungi("-----");
                    registro->Aggiungi("Sessione Internet interrotta dall'Utente.");
                    return e;
                }
                if (!t.testo) {
                    registro->Aggiungi("Fonte non leggibile: " + t.errore);
                    return e;
                }
                UnioneFonte u = UnisciTestoFonte(*l.copie[k], *t.testo, l.fonti[k], alias);
                if (!u.ok()) {
                    registro->Aggiungi("Fonte rifiutata: " + u.errore);
                    return e;
                }
                for (const auto& a : u.avvisi) registro->Aggiungi("(" + a + ")");
                registro->Aggiungi(u.Rapporto());
                e.unioni.push_back(std::move(u));
                lavoro.Avanza(static_cast<long>(k) + 1, passi);
            }
            registro->Aggiungi("\r\r\nAGGIORNAMENTO DALLE FONTI CONCLUSO: premere OK per registrarlo.");
            e.completo = true;
            return e;
        },
        [this, fine = std::move(fine), registro](EsitoLavoro<EsitoFonti> e) {
            inCorso_ = false;
            completo_ = e.fine.riuscito() && e.risultato.completo;
            if (completo_) unioni_ = std::move(e.risultato.unioni);
            if (!e.fine.riuscito()) registro->Aggiungi("Errore: " + e.fine.errore);
            if (fine) fine();
        });
}

void AggiornamentoFonti::Interrompi() {
    if (inCorso_) *fermo_ = true;
}

bool AggiornamentoFonti::Ok(RegistroInternet& log) {
    if (!okAbilitato() || unioni_.size() != campionati_.size()) return false;
    log.Aggiungi("\r\r\nAttendere il caricamento dei dati in memoria...");
    for (std::size_t k = 0; k < campionati_.size(); ++k) ApplicaFonte(dati_, campionati_[k], unioni_[k], messaggi_);
    for (const auto& [c, f] : digitate_) {
        std::string errore;
        if (!MemorizzaFonte(cartella_, c, f, &errore)) log.Aggiungi("(fonte non memorizzata: " + errore + ")");
    }
    unioni_.clear();
    completo_ = false;
    return true;
}

} // namespace veltra
