#include "tools/ricerche/CDlgCopiaAnalisi.h"

#include "dati/DatiCampionati.h"
#include "engine/CMotoreStime.h"
#include "engine/ValutatorePercentuali.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"

#include <algorithm>
#include <cstdio>

namespace veltra {

namespace {

template <typename... A> std::string F(const char* formato, A... v) {
    char b[512];
    std::snprintf(b, sizeof b, formato, v...);
    return b;
}

std::string Nome(int c) { return std::string(Campionato(c).nome); }

double Pc(float x) { return static_cast<double>(x) * 100; }

} // namespace

std::vector<int> SelezioneCopiaAnalisi::sinistra() const {
    std::vector<int> v;
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (!scelti_[static_cast<std::size_t>(c)]) v.push_back(c);
    return v;
}

std::vector<int> SelezioneCopiaAnalisi::destra() const {
    std::vector<int> v;
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (scelti_[static_cast<std::size_t>(c)]) v.push_back(c);
    return v;
}

bool SelezioneCopiaAnalisi::Aggiungi(int c, IMessaggi& messaggi) {
    if (c < 0 || c >= kNumeroCampionati) {
        messaggi.Errore("Selezionare un campionato dalla lista di sinistra.");
        return false;
    }
    scelti_[static_cast<std::size_t>(c)] = true;
    return true;
}

bool SelezioneCopiaAnalisi::Togli(int c, IMessaggi& messaggi) {
    if (c < 0 || c >= kNumeroCampionati) {
        messaggi.Errore("Selezionare un campionato dalla lista di destra.");
        return false;
    }
    scelti_[static_cast<std::size_t>(c)] = false;
    return true;
}

MatricePrecisione CalcolaMatricePrecisione(std::vector<OrigineCopia> gruppo, bool archivio,
                                           const ContestoLavoro& contesto) {
    MatricePrecisione m;
    const long totale = static_cast<long>(gruppo.size() * gruppo.size());
    long fatto = 0;
    for (auto& s : gruppo) {
        if (contesto.FermoRichiesto()) break;
        contesto.Avanza(fatto, totale, "Analisi del campionato di: " + s.nome);
        auto& riga = m.celle[static_cast<std::size_t>(s.id)];
        std::optional<CAnalisi> a;
        bool fallita = false;
        if (archivio) {
            a = s.archiviata;
        } else {
            a = AnalisiCorrente(*s.copia);
            fallita = s.copia->motore->AggiornaStime() != 0;
            if (!fallita) {
                a->precisione1 = s.copia->motore->precisione1();
                a->precisioneX = s.copia->motore->precisioneX();
                a->precisione2 = s.copia->motore->precisione2();
                a->datiUsati = s.copia->motore->PercentualeDatiUsati().value_or(0.0f);
            }
        }
        m.analisi[static_cast<std::size_t>(s.id)] = a;
        for (auto& t : gruppo) {
            ++fatto;
            if (t.id == s.id) continue;
            auto& cella = riga[static_cast<std::size_t>(t.id)];
            if (!a) continue; // an empty archive: nothing to try
            if (fallita) {
                cella.stato = CellaPrecisione::Fallita;
                continue;
            }
            contesto.Avanza(fatto, totale, s.nome + " per il campionato di: " + t.nome);
            // The copy of t gets s's analysis and then its own back.
            const CAnalisi propria = AnalisiCorrente(*t.copia);
            ApplicaAnalisi(*t.copia, *a);
            if (t.copia->motore->AggiornaStime() == 0) {
                cella.stato = CellaPrecisione::Riuscita;
                cella.p1 = t.copia->motore->precisione1();
                cella.pX = t.copia->motore->precisioneX();
                cella.p2 = t.copia->motore->precisione2();
                cella.usati = t.copia->motore->PercentualeDatiUsati().value_or(0.0f);
            } else {
                cella.stato = CellaPrecisione::Fallita;
            }
            ApplicaAnalisi(*t.copia, propria);
            t.copia->motore->AggiornaStime();
        }
    }
    return m;
}

CDlgCopiaAnalisi::CDlgCopiaAnalisi(DatiCampionati& dati, std::vector<int> gruppo, bool archivio)
    : dati_(dati), gruppo_(std::move(gruppo)), archivio_(archivio),
      sorgente_(gruppo_.empty() ? 0 : gruppo_.front()) {}

std::vector<OrigineCopia> CDlgCopiaAnalisi::Origini() const {
    std::vector<OrigineCopia> v;
    for (int c : gruppo_) {
        const CCampionato& camp = dati_.campionato(c);
        OrigineCopia o{c, Nome(c), nullptr, std::nullopt};
        o.copia = CopiaPerCalcolo(camp);
        if (const CAnalisi* a = LeggiAnalisi(camp.archivio, 0)) o.archiviata = *a;
        v.push_back(std::move(o));
    }
    return v;
}

std::string CDlgCopiaAnalisi::Intestazione() const {
    return archivio_ ? "ANALISI N.1 NELL'ARCHIVIO DEL CAMPIONATO DI :"
                     : "ANALISI CORRENTE DEL CAMPIONATO DI :";
}

void CDlgCopiaAnalisi::ScegliSorgente(int c) {
    if (std::find(gruppo_.begin(), gruppo_.end(), c) != gruppo_.end()) sorgente_ = c;
}

const CAnalisi* CDlgCopiaAnalisi::AnalisiDi(int c) const {
    if (c < 0 || c >= kNumeroCampionati) return nullptr;
    const auto& a = matrice_.analisi[static_cast<std::size_t>(c)];
    return a ? &*a : nullptr;
}

const CAnalisi* CDlgCopiaAnalisi::analisiSorgente() const { return AnalisiDi(sorgente_); }

std::vector<int> CDlgCopiaAnalisi::Bersagli() const {
    std::vector<int> v;
    for (int c : gruppo_)
        if (c != sorgente_) v.push_back(c);
    return v;
}

std::vector<std::string> CDlgCopiaAnalisi::RighePrecisione() const {
    std::vector<std::string> r;
    const auto& riga = matrice_.celle[static_cast<std::size_t>(sorgente_)];
    for (int t : Bersagli()) {
        const CellaPrecisione& c = riga[static_cast<std::size_t>(t)];
        const std::string nome = Nome(t);
        switch (c.stato) {
        case CellaPrecisione::Riuscita:
            r.push_back(F("%s: %.1f%% ('1' = %.1f%% - 'X' = %.1f%% - '2' = %.1f%%); Dati usati: %.1f%%",
                          nome.c_str(), Pc((c.p1 + c.pX + c.p2) / 3), Pc(c.p1), Pc(c.pX), Pc(c.p2),
                          static_cast<double>(c.usati)));
            break;
        case CellaPrecisione::Fallita:
            r.push_back(F("%s: Impossibile calcolare le stime con tale analisi.", nome.c_str()));
            break;
        case CellaPrecisione::Vuota:
            r.push_back(nome + ": -");
            break;
        }
    }
    return r;
}

bool CDlgCopiaAnalisi::Copia(int t, IMessaggi& messaggi) {
    if (t < 0 || t >= kNumeroCampionati || t == sorgente_ || !analisiSorgente()) return false;
    if (std::find(copie_.begin(), copie_.end(), std::pair{sorgente_, t}) != copie_.end()) {
        messaggi.Errore("L'analisi selezionata e' gia' inserita nella lista di destra.");
        return false;
    }
    if (!archivio_ &&
        std::any_of(copie_.begin(), copie_.end(), [t](const auto& c) { return c.second == t; })) {
        messaggi.Errore(F("Nella lista di destra è già stata inserita una nuova analisi corrente per "
                          "il campionato di %s.",
                          Nome(t).c_str()));
        return false;
    }
    copie_.emplace_back(sorgente_, t);
    return true;
}

bool CDlgCopiaAnalisi::Elimina(int indice, IMessaggi& messaggi) {
    if (indice < 0) {
        messaggi.Errore("Selezionare un'analisi dalla lista di destra.");
        return false;
    }
    if (indice >= static_cast<int>(copie_.size())) {
        messaggi.Errore("Errore nella selezione dalla lista di destra.");
        return false;
    }
    copie_.erase(copie_.begin() + indice);
    return true;
}

std::vector<std::string> CDlgCopiaAnalisi::RigheCopie() const {
    std::vector<std::string> r;
    for (const auto& [s, t] : copie_) r.push_back("Da: " + Nome(s) + " a: " + Nome(t));
    return r;
}

bool CDlgCopiaAnalisi::Ok(IMessaggi& messaggi, const IOrologio& orologio) {
    auto ordinate = copie_;
    std::sort(ordinate.begin(), ordinate.end());
    bool corrente = false;
    for (const auto& [s, t] : ordinate) {
        const CAnalisi* a = AnalisiDi(s);
        if (!a) continue;
        dati_.datiModificati = 1;
        CCampionato& bersaglio = dati_.campionato(t);
        if (archivio_) {
            CAnalisi nuova = *a;
            const auto& cella = matrice_.celle[static_cast<std::size_t>(s)][static_cast<std::size_t>(t)];
            nuova.precisione1 = cella.p1;
            nuova.precisioneX = cella.pX;
            nuova.precisione2 = cella.p2;
            nuova.datiUsati = cella.usati;
            char ora[64];
            const std::tm adesso = orologio.Adesso();
            std::strftime(ora, sizeof ora, "%d/%m/%Y - %H : %M : %S", &adesso);
            const std::string titolo = F("%s. Copiata da: %s", ora, Nome(s).c_str());
            CArchivio& ar = bersaglio.archivio;
            ar.corrente = 0;
            if (InserisciAnalisi(ar, nuova, titolo, nullptr) == 0)
                messaggi.Mostra(F("ATTENZIONE.\nL'Analisi del campionato di %s e' gia' presente "
                                  "nell'archivio del campionato di %s alla posizione numero %d.\nNon "
                                  "viene quindi inserita nuovamente.",
                                  Nome(s).c_str(), Nome(t).c_str(), CercaAnalisi(ar, nuova)),
                                Icona::Informazione);
        } else {
            ApplicaAnalisi(bersaglio, *a);
            if (!bersaglio.motore) CreaMotore(bersaglio);
            bersaglio.motore->AggiornaStime();
            dati_.notifiche.Pubblica({Cambiamento::Analisi, t});
            if (t == dati_.campionatoCorrente) corrente = true;
        }
    }
    return corrente;
}

} // namespace veltra
