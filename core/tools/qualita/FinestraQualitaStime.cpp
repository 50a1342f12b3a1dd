#include "tools/qualita/FinestraQualitaStime.h"

#include "dati/FileAtomico.h"
#include "engine/rating/ModelloProbabilita.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "tools/stagioni/EtichettaStagione.h"

#include <algorithm>

namespace veltra {

const std::array<const char*, kColonneQualita> kIntestazioniQualita = {
    "Stagione",     "Incontri", "Non stimati", "RPS modello",
    "Brier",        "Log-loss", "Centrati",    "Con quote",
    "RPS mercato",  "RPS modello (stessi incontri)", "Differenza [IC 95%]",
    "RPS base",     "Differenza dalla base [IC 95%]"};

namespace {

std::string Etichetta(CampionatoId c, int stagione) {
    const int anno = AnnoStagione(c, stagione);
    if (StagioneAnnoSolare(c)) return FormattaTesto("%d", anno);
    return FormattaTesto("%d-%02d", anno, (anno + 1) % 100);
}

std::string Numero(double x, bool presente) {
    return presente ? FormattaTesto("%.4f", x) : "-";
}

std::string Intervallo(const Differenza& d) {
    return d.n ? FormattaTesto("%+.4f [%+.4f, %+.4f]", d.media, d.basso, d.alto) : "-";
}

} // namespace

FinestraQualitaStime::FinestraQualitaStime(DatiCampionati& dati, NomeProgramma nomi)
    : dati_(dati), campionato_(dati.campionatoCorrente), nomi_(std::move(nomi)) {
    const CCampionato& c = dati_.campionato(campionato_);
    for (int s = 1; s <= c.config.numeroStagioni(); ++s) stagioni_.push_back(Etichetta(campionato_, s));
}

std::string FinestraQualitaStime::titolo() const {
    return "VELTRA - " + std::string(dati_.campionato(campionato_).descrizione().nome) +
           ". Qualità delle Stime";
}

int FinestraQualitaStime::alPredefinito() const {
    // The last season may be under way: the one before.
    return std::max(0, static_cast<int>(stagioni_.size()) - 2);
}

int FinestraQualitaStime::dalPredefinito() const {
    return std::max(0, alPredefinito() - 4);
}

bool FinestraQualitaStime::CaricaQuote(const std::vector<std::string>& file, IMessaggi& messaggi) {
    std::vector<LetturaQuote> letti;
    for (const auto& f : file) {
        const auto testo = LeggiFile(f);
        if (!testo) {
            messaggi.Errore(f + ": impossibile leggere il file");
            return false;
        }
        auto l = LeggiQuoteDaValutare(*testo, f);
        if (!l.ok()) {
            messaggi.Errore(l.errore);
            return false;
        }
        letti.push_back(std::move(l));
    }
    quote_ = std::move(letti);
    return true;
}

std::string FinestraQualitaStime::testoQuote() const {
    if (quote_.empty()) return "Nessun file di quote";
    long righe = 0;
    for (const auto& l : quote_) righe += static_cast<long>(l.quote.partite.size());
    return FormattaTesto("%zu file di quote, %ld righe", quote_.size(), righe);
}

bool FinestraQualitaStime::Calcola(int dal, int al, ModelloStime modello, IEsecutoreLavori& esecutore,
                                   IMessaggi& messaggi, std::function<void()> fine) {
    const int n = static_cast<int>(stagioni_.size());
    if (dal < 0 || al < 0 || dal >= n || al >= n) {
        messaggi.Errore("Nessuna stagione da valutare.");
        return false;
    }
    if (dal > al) {
        messaggi.Errore("La prima stagione viene dopo l'ultima.");
        return false;
    }
    if (inCorso_) return false;
    RichiestaValutazione r;
    r.opzioni.dal = dal + 1;
    r.opzioni.al = al + 1;
    r.opzioni.modello = modello;
    r.opzioni.rating = ParametriRatingPredefiniti(campionato_);
    r.quote = quote_;
    r.nomi = nomi_;
    std::shared_ptr<CCampionato> copia = CopiaPerValutazione(dati_.campionato(campionato_));
    std::shared_ptr<CCampionato> inferiore;
    if (DivisioneInferiore(campionato_) >= 0)
        inferiore = CopiaPerValutazione(dati_.campionato(DivisioneInferiore(campionato_)));
    inCorso_ = true;
    AvviaLavoro<RisultatoValutazione>(
        esecutore, "Qualità delle Stime",
        [copia, inferiore, r](ContestoLavoro& c) mutable {
            r.opzioni.inferiore = inferiore.get();
            return ValutaStime(*copia, r, &c);
        },
        [this, vivo = std::weak_ptr<int>(vivo_), &messaggi,
         fine = std::move(fine)](EsitoLavoro<RisultatoValutazione> e) {
            if (vivo.expired()) return;
            inCorso_ = false;
            if (!e.fine.riuscito())
                messaggi.Errore("Calcolo non riuscito: " + e.fine.errore);
            else
                risultato_ = std::move(e.risultato);
            if (fine) fine();
        });
    return true;
}

void FinestraQualitaStime::Imposta(RisultatoValutazione r) {
    risultato_ = std::move(r);
}

std::vector<std::array<std::string, kColonneQualita>> FinestraQualitaStime::righe() const {
    std::vector<std::array<std::string, kColonneQualita>> v;
    if (!risultato_) return v;
    auto riga = [&](std::string nome, const RiepilogoValutazione& s) {
        const bool m = s.modello.n > 0, q = s.mercato.n > 0, b = s.base.n > 0;
        v.push_back({std::move(nome), std::to_string(s.incontri), std::to_string(s.nonStimati),
                     Numero(s.modello.Rps(), m), Numero(s.modello.Brier(), m),
                     Numero(s.modello.LogLoss(), m),
                     m ? FormattaTesto("%.1f%%", s.modello.Centrati() * 100) : "-",
                     std::to_string(s.mercato.n), Numero(s.mercato.Rps(), q),
                     Numero(s.modelloSuMercato.Rps(), q), Intervallo(s.controMercato),
                     Numero(s.base.Rps(), b), Intervallo(s.controBase)});
    };
    for (const auto& s : risultato_->stagioni) riga(Etichetta(campionato_, s.stagione), s);
    riga(risultato_->interrotta ? "Totale (interrotto)" : "Totale", risultato_->totale);
    return v;
}

DiagrammaQualita FinestraQualitaStime::diagramma() const {
    DiagrammaQualita d;
    if (!risultato_) return d;
    static const char* const kSegni[3] = {"Segno 1", "Segno X", "Segno 2"};
    d.conteggi = "Incontri per classe (0-10%, 10-20%, ...): ";
    for (int s = 0; s < 3; ++s) {
        std::string n;
        for (int k = 0; k < DiagrammaAffidabilita::kClassi; ++k) {
            const auto& c = risultato_->affidabilita.classi[s][k];
            n += (k ? " " : "") + std::to_string(c.n);
            if (c.n > 0) d.punti[static_cast<std::size_t>(s)].emplace_back(c.Prevista(), c.Osservata());
        }
        d.conteggi += std::string(kSegni[s]) + ": " + n + ".  ";
    }
    return d;
}

std::string FinestraQualitaStime::rapporto() const {
    if (quote_.empty())
        return "Nessun file di quote: il confronto con il mercato manca (pulsante \"Quote...\").";
    if (!risultato_) return {};
    const RapportoMercato& r = risultato_->mercato;
    long illeggibili = 0;
    for (const auto& l : quote_) illeggibili += static_cast<long>(l.quote.scartate.size());
    std::string t = FormattaTesto(
        "Quote: %ld righe, %ld abbinate, %ld di stagioni non valutate, %zu non abbinate, %ld illeggibili.\n",
        r.righe, r.abbinate, r.fuoriStagioni, r.scartate.size(), illeggibili);
    for (const auto& q : r.scartate) t += q.file + ":" + std::to_string(q.riga) + ": " + q.motivo + "\n";
    for (const auto& l : quote_)
        for (const auto& q : l.quote.scartate)
            t += l.file + ":" + std::to_string(q.riga) + ": " + q.testo + "\n";
    return t;
}

bool FinestraQualitaStime::CalcolaQualitaInUso(IEsecutoreLavori& esecutore, std::function<void()> fine) {
    if (inCorso_) return false;
    std::shared_ptr<CCampionato> copia = CopiaPerValutazione(dati_.campionato(campionato_));
    std::shared_ptr<CCampionato> inferiore;
    if (DivisioneInferiore(campionato_) >= 0)
        inferiore = CopiaPerValutazione(dati_.campionato(DivisioneInferiore(campionato_)));
    const ModelloStime modello = modelloInUso();
    inCorso_ = true;
    AvviaLavoro<QualitaUltimaStagione>(
        esecutore, "Qualità delle Stime",
        [copia, inferiore, modello, quote = quote_, nomi = nomi_](ContestoLavoro& c) {
            return ValutaUltimaStagione(*copia, inferiore.get(), modello, quote, nomi, &c);
        },
        [this, vivo = std::weak_ptr<int>(vivo_), fine = std::move(fine)](EsitoLavoro<QualitaUltimaStagione> e) {
            if (vivo.expired()) return;
            inCorso_ = false;
            if (e.fine.riuscito()) qualitaInUso_ = std::move(e.risultato);
            if (fine) fine();
        });
    return true;
}

std::string FinestraQualitaStime::testoQualitaInUso() const {
    const ModelloStime m = modelloInUso();
    std::string t = std::string("Modello in uso: ") + (m == ModelloStime::Rating ? "modello rating" : "motore");
    if (qualitaInUso_ && qualitaInUso_->modello == m) {
        const std::string rps = TestoQualitaUltimaStagione(*qualitaInUso_);
        t += rps.empty() ? ". Nessuna stagione completa da misurare" : ". " + rps + " fuori campione";
        if (!rps.empty() && qualitaInUso_->riepilogo.base.n > 0)
            t += FormattaTesto(", frequenze di base %.4f", qualitaInUso_->riepilogo.base.Rps());
    }
    return t + ". L'RPS misura la qualita' delle previsioni (piu' basso e' meglio); la Precisione "
               "Analisi Corrente misura solo quanto l'analisi del motore concorda con i segni passati.";
}

ModelloStime FinestraQualitaStime::modelloInUso() const {
    return dati_.campionato(campionato_).modello;
}

void FinestraQualitaStime::ScegliModelloInUso(ModelloStime m) {
    CCampionato& c = dati_.campionato(campionato_);
    if (c.modello == m) return;
    c.modello = m;
    dati_.datiModificati = 1;
    // The coupon and the bets follow the championship's probabilities.
    dati_.notifiche.Pubblica({Cambiamento::Analisi, campionato_});
}

} // namespace veltra
