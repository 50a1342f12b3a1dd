// veltra-cli valuta: how good a model's forecasts were, season by season,
// walking forward through the stored results, against the bookmakers' odds
// and the base rate. One line of key=value fields per season, one for the
// whole walk, then the reliability bins and the odds rows left out.
#include "Comandi.h"

#include "app/ArchivioConfigurazione.h"
#include "app/DatiGlobali.h"
#include "app/importa/NomeDaFonte.h"
#include "dati/FileAtomico.h"
#include "dati/FileDati.h"
#include "engine/ImpostaParametro.h"
#include "engine/rating/ModelloProbabilita.h"
#include "tools/qualita/ValutazioneStime.h"
#include "tools/stagioni/EtichettaStagione.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>

namespace veltra::cli {

namespace {

// "2019-20", "2019/20", "2019/2020" or "2019": the year the season began.
int AnnoInizio(const std::string& v) {
    if (v.size() < 4) throw ErroreUso{"stagione non valida: " + v};
    int anno = 0;
    for (int i = 0; i < 4; ++i) {
        if (v[static_cast<std::size_t>(i)] < '0' || v[static_cast<std::size_t>(i)] > '9')
            throw ErroreUso{"stagione non valida: " + v};
        anno = anno * 10 + (v[static_cast<std::size_t>(i)] - '0');
    }
    if (v.size() > 4 && v[4] != '-' && v[4] != '/') throw ErroreUso{"stagione non valida: " + v};
    return anno;
}

std::string Etichetta(CampionatoId c, int stagione) {
    const int anno = AnnoStagione(c, stagione);
    if (StagioneAnnoSolare(c)) return std::to_string(anno);
    return FormattaTesto("%d-%02d", anno, (anno + 1) % 100);
}

std::string Numero(double x, bool presente, const char* formato = "%.5f") {
    return presente ? FormattaTesto(formato, x) : std::string("-");
}

void Quattro(std::string& riga, const char* chi, const Misure& m) {
    const bool p = m.n > 0;
    riga += FormattaTesto(" rps_%s=", chi) + Numero(m.Rps(), p);
    riga += FormattaTesto(" brier_%s=", chi) + Numero(m.Brier(), p);
    riga += FormattaTesto(" logloss_%s=", chi) + Numero(m.LogLoss(), p);
    riga += FormattaTesto(" centrati_%s=", chi) + Numero(m.Centrati(), p, "%.4f");
}

// The calibration slopes, after the fields the line always had.
void Pendenze(std::string& riga, const RiepilogoValutazione& r) {
    riga += " pendenza_modello=" + Numero(r.modello.Pendenza(), r.modello.n > 0, "%.4f");
    riga += " pendenza_mercato=" + Numero(r.mercato.Pendenza(), r.mercato.n > 0, "%.4f");
}

void Differenze(std::string& riga, const char* chi, const Differenza& d) {
    const bool p = d.n > 0;
    riga += FormattaTesto(" diff_rps_%s=", chi) + Numero(d.media, p);
    riga += FormattaTesto(" ic95_%s=", chi) +
            (p ? FormattaTesto("%.5f,%.5f", d.basso, d.alto) : std::string("-"));
}

std::string Riga(const std::string& testa, const RiepilogoValutazione& r) {
    std::string riga = testa;
    riga += FormattaTesto(" n=%ld non_stimati=%ld", r.modello.n, r.nonStimati);
    Quattro(riga, "modello", r.modello);
    riga += FormattaTesto(" n_mercato=%ld", r.mercato.n);
    Quattro(riga, "mercato", r.mercato);
    riga += " rps_modello_su_mercato=" + Numero(r.modelloSuMercato.Rps(), r.modelloSuMercato.n > 0);
    Differenze(riga, "mercato", r.controMercato);
    riga += FormattaTesto(" n_base=%ld", r.base.n);
    Quattro(riga, "base", r.base);
    Differenze(riga, "base", r.controBase);
    Pendenze(riga, r);
    return riga;
}

void StampaDiagramma(const char* fonte, const DiagrammaAffidabilita& d) {
    const char segni[3] = {'1', 'X', '2'};
    for (int s = 0; s < 3; ++s)
        for (int k = 0; k < DiagrammaAffidabilita::kClassi; ++k) {
            const auto& c = d.classi[s][k];
            std::printf("affidabilita fonte=%s segno=%c da=%.1f a=%.1f n=%ld prevista=%s osservata=%s\n",
                        fonte, segni[s], k / 10.0, (k + 1) / 10.0, c.n,
                        Numero(c.Prevista(), c.n > 0, "%.4f").c_str(),
                        Numero(c.Osservata(), c.n > 0, "%.4f").c_str());
        }
}

} // namespace

int ComandoValuta(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::string campionato, dal, al, modello = "motore", insieme = "media", fileAlias;
    std::vector<std::string> fileQuote;
    std::vector<std::pair<std::string, std::string>> impostazioni;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            opzioneCartella = ValoreCartella(a, i);
        else if (a[i] == "--campionato")
            campionato = ValoreOpzione(a, i);
        else if (a[i] == "--dal")
            dal = ValoreOpzione(a, i);
        else if (a[i] == "--al")
            al = ValoreOpzione(a, i);
        else if (a[i] == "--modello")
            modello = ValoreOpzione(a, i);
        else if (a[i] == "--insieme-quote")
            insieme = ValoreOpzione(a, i);
        else if (a[i] == "--alias")
            fileAlias = ValoreOpzione(a, i);
        else if (a[i] == "--quote") {
            fileQuote.push_back(ValoreOpzione(a, i));
            while (i + 1 < a.size() && a[i + 1].rfind("--", 0) != 0) fileQuote.push_back(a[++i]);
        } else if (a[i] == "--imposta") {
            const std::string v = ValoreOpzione(a, i);
            const auto uguale = v.find('=');
            if (uguale == std::string::npos) throw ErroreUso{"--imposta vuole NOME=VALORE: " + v};
            impostazioni.emplace_back(v.substr(0, uguale), v.substr(uguale + 1));
        } else
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
    }
    if (campionato.empty()) throw ErroreUso{"manca --campionato"};
    const bool tutti = campionato == "tutti";
    const auto id = tutti ? std::optional<CampionatoId>(0) : CercaCampionato(campionato);
    if (!id) throw ErroreUso{"campionato sconosciuto: " + campionato};
    if (dal.empty() || al.empty()) throw ErroreUso{"servono --dal STAGIONE e --al STAGIONE"};
    // "rating-base": the rating model with its built-in values instead of the
    // championship's row of the table, to see what the tuning buys.
    const bool ratingBase = modello == "rating-base";
    const auto tipo = ratingBase ? std::optional<ModelloStime>(ModelloStime::Rating) : ModelloDaNome(modello);
    if (!tipo) throw ErroreUso{"--modello vuole migliore, motore, rating o rating-base: " + modello};
    const int annoDal = AnnoInizio(dal), annoAl = AnnoInizio(al);
    const std::string cartella = ApriCartellaLettura(opzioneCartella);
    if (!InsiemeQuoteNoto(insieme) && insieme.find_first_of(" ,") != std::string::npos)
        throw ErroreUso{"insieme di quote non valido: " + insieme};

    auto dati = std::make_unique<DatiGlobali>();
    EsitoFile esito;
    if (std::filesystem::exists(std::filesystem::path(cartella) / kFileConfigurazione))
        esito = CaricaConfigurazione(cartella, *dati);
    // The championships walked, and the lower division of each for the
    // rating model's promoted clubs.
    std::vector<CampionatoId> scelti;
    if (tutti)
        for (int c = 0; c < kNumeroCampionati; ++c) scelti.push_back(c);
    else
        scelti.push_back(*id);
    std::set<int> daCaricare(scelti.begin(), scelti.end());
    if (*tipo == ModelloStime::Rating)
        for (int c : scelti)
            if (DivisioneInferiore(c) >= 0) daCaricare.insert(DivisioneInferiore(c));
    for (int c : daCaricare) {
        if (!esito) break;
        esito = CaricaCampionato(dati->campionato(c), cartella);
    }
    if (!esito) {
        std::fprintf(stderr, "veltra-cli: %s (%s)\n", esito.messaggio.c_str(), esito.dettaglio.c_str());
        return kEsitoCaricamento;
    }

    auto alias = std::make_shared<TabellaAlias>();
    if (!fileAlias.empty()) {
        const auto testo = LeggiFile(fileAlias);
        if (!testo) throw ErroreUso{fileAlias + ": impossibile leggere il file"};
        if (auto e = alias->Carica(*testo)) throw ErroreUso{fileAlias + ": " + *e};
    } else if (auto e = CaricaAliasPredefiniti(*alias)) {
        std::fprintf(stderr, "veltra-cli: %s (nomi delle quote senza alias)\n", e->c_str());
    }
    std::vector<LetturaQuote> quote;
    for (const auto& f : fileQuote) {
        const auto testo = LeggiFile(f);
        if (!testo) {
            std::fprintf(stderr, "veltra-cli: %s: impossibile leggere il file\n", f.c_str());
            return kEsitoCaricamento;
        }
        auto l = LeggiQuoteDaValutare(*testo, f);
        if (!l.ok()) {
            std::fprintf(stderr, "veltra-cli: %s\n", l.errore.c_str());
            return kEsitoCaricamento;
        }
        quote.push_back(std::move(l));
    }

    int valutati = 0;
    for (int campo : scelti) {
        CCampionato& c = dati->campionato(campo);
        const int primo = c.descrizione().annoPrimaStagione;
        RichiestaValutazione r;
        r.opzioni.modello = *tipo;
        r.opzioni.rating = ratingBase ? ParametriRating{} : ParametriRatingPredefiniti(c.id());
        r.opzioni.dal = annoDal - primo + 1;
        r.opzioni.al = annoAl - primo + 1;
        if (tutti) {
            // Every championship with matches in the seasons asked for.
            r.opzioni.dal = std::max(1, r.opzioni.dal);
            r.opzioni.al = std::min(r.opzioni.al, c.config.numeroStagioni());
            if (r.opzioni.dal > r.opzioni.al || r.opzioni.dal - 1 >= c.incontri.numeroSeparatori()) continue;
            const int fine = r.opzioni.al < c.incontri.numeroSeparatori() ? c.incontri.inizioStagione(r.opzioni.al)
                                                                          : c.incontri.numero();
            if (fine - c.incontri.inizioStagione(r.opzioni.dal - 1) <= r.opzioni.al - r.opzioni.dal + 1) continue;
        } else if (r.opzioni.dal < 1 || r.opzioni.al > c.config.numeroStagioni() || r.opzioni.dal > r.opzioni.al) {
            throw ErroreUso{"stagioni fuori dai dati di " + std::string(c.descrizione().nome) + ": " +
                            Etichetta(campo, 1) + " ... " + Etichetta(campo, c.config.numeroStagioni())};
        }
        if (!c.retiNonLette.empty())
            std::fprintf(stderr, "veltra-cli: file delle reti non letto, si valuta senza: %s\n",
                         c.retiNonLette.c_str());
        for (const auto& [nome, valore] : impostazioni) {
            const auto errore = *tipo == ModelloStime::Rating
                                    ? ImpostaParametroRating(r.opzioni.rating, nome, valore)
                                    : ImpostaParametro(c, nome, valore);
            if (errore) throw ErroreUso{*errore};
        }
        r.insiemeQuote = insieme;
        const std::string codice(c.descrizione().codice);
        r.nomi = [alias, codice](const std::string& n) { return NomeDaFonte(*alias, codice, n); };
        r.quote = quote;

        auto copia = CopiaPerValutazione(c);
        std::unique_ptr<CCampionato> copiaInferiore;
        if (*tipo == ModelloStime::Rating && DivisioneInferiore(campo) >= 0) {
            copiaInferiore = CopiaPerValutazione(dati->campionato(DivisioneInferiore(campo)));
            r.opzioni.inferiore = copiaInferiore.get();
        }
        const RisultatoValutazione v = ValutaStime(*copia, r);
        ++valutati;
        if (tutti) {
            // One line per championship; rows of the odds files that belong
            // to another championship are only counted.
            std::string riga = "campionato=" + codice + FormattaTesto(" stagioni=%s..%s",
                               Etichetta(campo, r.opzioni.dal).c_str(), Etichetta(campo, r.opzioni.al).c_str());
            std::printf("%s quote_abbinate=%ld\n", Riga(riga, v.totale).c_str(), v.mercato.abbinate);
            continue;
        }
        for (const auto& s : v.stagioni)
            std::printf("%s\n", Riga("stagione=" + Etichetta(campo, s.stagione), s).c_str());
        std::printf("%s\n", Riga("totale=1", v.totale).c_str());
        StampaDiagramma("modello", v.affidabilita);
        if (!r.quote.empty()) {
            StampaDiagramma("mercato", v.affidabilitaMercato);
            std::printf("quote righe=%ld abbinate=%ld fuori_stagioni=%ld scartate=%zu\n", v.mercato.righe,
                        v.mercato.abbinate, v.mercato.fuoriStagioni, v.mercato.scartate.size());
            for (const auto& q : v.mercato.scartate)
                std::printf("quota_scartata file=\"%s\" riga=%d motivo=\"%s\"\n", q.file.c_str(), q.riga,
                            q.motivo.c_str());
            for (const auto& l : r.quote)
                for (const auto& q : l.quote.scartate)
                    std::printf("quota_scartata file=\"%s\" riga=%d motivo=\"%s\"\n", l.file.c_str(),
                                q.riga, q.testo.c_str());
        }
    }
    if (tutti) std::printf("campionati=%d modello=%s\n", valutati, ratingBase ? "rating-base" : NomeModello(*tipo));
    return kEsitoOk;
}

} // namespace veltra::cli
