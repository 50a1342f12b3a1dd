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
    const auto id = CercaCampionato(campionato);
    if (!id) throw ErroreUso{"campionato sconosciuto: " + campionato};
    if (dal.empty() || al.empty()) throw ErroreUso{"servono --dal STAGIONE e --al STAGIONE"};
    const auto tipo = ModelloDaNome(modello);
    if (!tipo) throw ErroreUso{"--modello vuole motore o rating: " + modello};
    const std::string cartella = ApriCartellaLettura(opzioneCartella);

    auto dati = std::make_unique<DatiGlobali>();
    CCampionato& c = dati->campionato(*id);
    EsitoFile esito;
    if (std::filesystem::exists(std::filesystem::path(cartella) / kFileConfigurazione))
        esito = CaricaConfigurazione(cartella, *dati);
    if (esito) esito = CaricaCampionato(c, cartella);
    if (!esito) {
        std::fprintf(stderr, "veltra-cli: %s (%s)\n", esito.messaggio.c_str(), esito.dettaglio.c_str());
        return kEsitoCaricamento;
    }
    if (!c.retiNonLette.empty())
        std::fprintf(stderr, "veltra-cli: file delle reti non letto, si valuta senza: %s\n",
                     c.retiNonLette.c_str());

    RichiestaValutazione r;
    r.opzioni.modello = *tipo;
    const int primo = c.descrizione().annoPrimaStagione;
    r.opzioni.dal = AnnoInizio(dal) - primo + 1;
    r.opzioni.al = AnnoInizio(al) - primo + 1;
    if (r.opzioni.dal < 1 || r.opzioni.al > c.config.numeroStagioni() || r.opzioni.dal > r.opzioni.al)
        throw ErroreUso{"stagioni fuori dai dati di " + std::string(c.descrizione().nome) + ": " +
                        Etichetta(*id, 1) + " ... " + Etichetta(*id, c.config.numeroStagioni())};
    for (const auto& [nome, valore] : impostazioni) {
        const auto errore = *tipo == ModelloStime::Rating
                                ? ImpostaParametroRating(r.opzioni.rating, nome, valore)
                                : ImpostaParametro(c, nome, valore);
        if (errore) throw ErroreUso{*errore};
    }
    if (!InsiemeQuoteNoto(insieme) && insieme.find_first_of(" ,") != std::string::npos)
        throw ErroreUso{"insieme di quote non valido: " + insieme};
    r.insiemeQuote = insieme;

    auto alias = std::make_shared<TabellaAlias>();
    if (!fileAlias.empty()) {
        const auto testo = LeggiFile(fileAlias);
        if (!testo) throw ErroreUso{fileAlias + ": impossibile leggere il file"};
        if (auto e = alias->Carica(*testo)) throw ErroreUso{fileAlias + ": " + *e};
    } else if (auto e = CaricaAliasPredefiniti(*alias)) {
        std::fprintf(stderr, "veltra-cli: %s (nomi delle quote senza alias)\n", e->c_str());
    }
    const std::string codice(c.descrizione().codice);
    r.nomi = [alias, codice](const std::string& n) { return NomeDaFonte(*alias, codice, n); };
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
        r.quote.push_back(std::move(l));
    }

    auto copia = CopiaPerValutazione(c);
    const RisultatoValutazione v = ValutaStime(*copia, r);
    for (const auto& s : v.stagioni)
        std::printf("%s\n", Riga("stagione=" + Etichetta(*id, s.stagione), s).c_str());
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
    return kEsitoOk;
}

} // namespace veltra::cli
