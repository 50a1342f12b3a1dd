#include "app/importa/ImportaRisultati.h"

#include "dati/Testo1252.h"
#include "app/importa/AccorciaNome.h"
#include "app/importa/FaseCampionato.h"
#include "app/importa/LeggiCsvEngsoccerdata.h"
#include "app/importa/LeggiCsvFootballData.h"
#include "app/importa/LeggiFootballTxt.h"
#include "app/importa/LeggiFootballTxtVariante.h"
#include "app/importa/TestoSorgente.h"

#include <algorithm>
#include <map>

namespace veltra {

LetturaSorgente LeggiFileRisultati(std::string_view file, const std::string& nomeFile) {
    const std::string testo = TestoInUtf8(file);
    if (SembraFootballTxtVariante(testo)) return LeggiFootballTxtVariante(testo, nomeFile);
    if (SembraFootballTxt(testo)) return LeggiFootballTxt(testo, nomeFile);
    if (SembraCsvFootballData(testo)) return LeggiCsvFootballData(testo, nomeFile);
    if (SembraCsvEngsoccerdata(testo)) return LeggiCsvEngsoccerdata(testo, nomeFile);
    LetturaSorgente l;
    l.errore = nomeFile + ": formato non riconosciuto (ne' Football.TXT ne' CSV di football-data "
                          "o di engsoccerdata)";
    return l;
}

namespace {

struct Stagione {
    StagioneSorgente sorgente;
    std::vector<std::string> file;
};

RapportoImportazione Errore(RapportoImportazione r, std::string messaggio) {
    r.errore = std::move(messaggio);
    r.stagioni.clear();
    r.scartate.clear();
    r.avvisi.clear();
    r.nomi.clear();
    return r;
}

bool CrossAnno(const std::string& etichetta) {
    return etichetta.find('/') != std::string::npos;
}

// A season labelled with one year Y continues the season labelled Y-1/Y when
// both are imported together: some sources keep the rounds after a league's
// split in a file of their own. Its stages follow the season's own.
std::vector<Stagione> Unisci(const std::vector<LetturaSorgente>& letture,
                             const OpzioniImportazione& opzioni) {
    std::vector<Stagione> stagioni;
    std::vector<const StagioneSorgente*> continuazioni;
    for (const auto& l : letture)
        for (const auto& s : l.stagioni) {
            if ((opzioni.dalAnno != 0 && s.annoInizio < opzioni.dalAnno) ||
                (opzioni.alAnno != 0 && s.annoInizio > opzioni.alAnno))
                continue;
            if (s.forseContinuazione)
                continuazioni.push_back(&s);
            else
                stagioni.push_back({s, {s.file}});
        }
    for (const auto* c : continuazioni) {
        auto it = std::find_if(stagioni.begin(), stagioni.end(), [&](const Stagione& s) {
            return s.sorgente.annoInizio == c->annoInizio - 1 && CrossAnno(s.sorgente.etichetta) &&
                   s.sorgente.conFasi && c->conFasi;
        });
        if (it == stagioni.end()) {
            stagioni.push_back({*c, {c->file}});
            continue;
        }
        int fasi = 0;
        for (const auto& p : it->sorgente.partite)
            fasi = std::max(fasi, p.fase + 1);
        for (auto p : c->partite) {
            p.fase += fasi;
            it->sorgente.partite.push_back(std::move(p));
        }
        it->file.push_back(c->file);
    }
    std::stable_sort(stagioni.begin(), stagioni.end(), [](const Stagione& a, const Stagione& b) {
        return a.sorgente.annoInizio < b.sorgente.annoInizio;
    });
    return stagioni;
}

std::string Anno(int a) {
    return std::to_string(a);
}

} // namespace

RapportoImportazione ImportaRisultati(CCampionato& campionato,
                                      const std::vector<LetturaSorgente>& letture,
                                      const TabellaAlias& alias,
                                      const OpzioniImportazione& opzioni) {
    const auto& d = campionato.descrizione();
    RapportoImportazione r;
    r.campionato = std::string(d.nome);
    r.stagioniPrima = campionato.config.numeroStagioni();
    r.incontriPrima = campionato.numeroIncontri();
    for (const auto& l : letture)
        if (!l.ok()) return Errore(r, l.errore);
    for (const auto& l : letture)
        r.scartate.insert(r.scartate.end(), l.scartate.begin(), l.scartate.end());

    const auto stagioni = Unisci(letture, opzioni);
    if (stagioni.empty())
        return Errore(r, opzioni.dalAnno != 0 || opzioni.alAnno != 0
                             ? "nessuna stagione dei file negli anni richiesti"
                             : "nessuna stagione nei file");
    for (std::size_t i = 1; i < stagioni.size(); ++i)
        if (stagioni[i].sorgente.annoInizio == stagioni[i - 1].sorgente.annoInizio)
            return Errore(r, "la stagione iniziata nel " + Anno(stagioni[i].sorgente.annoInizio) +
                                 " e' in due file: " + stagioni[i - 1].file.front() + " e " +
                                 stagioni[i].file.front());
    const int prima = stagioni.front().sorgente.annoInizio;
    if (prima < d.annoPrimaStagione)
        return Errore(r, "la stagione " + stagioni.front().sorgente.etichetta + " (" +
                             stagioni.front().file.front() + ") precede la prima stagione di " +
                             r.campionato + ", iniziata nel " + Anno(d.annoPrimaStagione));
    if (prima - d.annoPrimaStagione < r.stagioniPrima)
        return Errore(r, r.campionato + " ha gia' " + std::to_string(r.stagioniPrima) +
                             " stagioni, fino a quella iniziata nel " +
                             Anno(d.annoPrimaStagione + r.stagioniPrima - 1) + ": la stagione " +
                             stagioni.front().sorgente.etichetta + " (" +
                             stagioni.front().file.front() +
                             ") e' gia' presente. Si possono importare solo stagioni successive.");

    // Work on a copy, so that an error anywhere leaves the championship as it was.
    CCampionato copia(campionato.id());
    copia.config.stagioni = campionato.config.stagioni;
    copia.incontri = campionato.incontri;
    copia.reti = campionato.reti;
    // The seasons imported come after every stored one: the calendar is the
    // one of the last season imported, or none.
    Calendario calendario;
    std::map<std::string, NomeMappato> nomi;

    const auto aggiungiVuota = [&](int anno) {
        if (AggiungiStagione(copia, {}) != 0) return false;
        r.stagioni.push_back({copia.config.numeroStagioni(), anno, "", {}, 0, 0, 0, ""});
        return true;
    };
    const auto troppi = [&] {
        return "troppi incontri: " + r.campionato + " ne contiene al massimo " +
               std::to_string(kNumeroMaxIncontri);
    };

    for (const auto& stagione : stagioni) {
        const auto& s = stagione.sorgente;
        while (d.annoPrimaStagione + copia.config.numeroStagioni() < s.annoInizio)
            if (!aggiungiVuota(d.annoPrimaStagione + copia.config.numeroStagioni()))
                return Errore(r, troppi());

        const FaseCampionato fase = SelezionaFaseCampionato(s);
        StagioneImportata imp{copia.config.numeroStagioni() + 1,
                              s.annoInizio,
                              s.etichetta,
                              stagione.file,
                              0,
                              0,
                              0,
                              ""};
        r.scartate.insert(r.scartate.end(), fase.scartate.begin(), fase.scartate.end());
        r.avvisi.insert(r.avvisi.end(), fase.avvisi.begin(), fase.avvisi.end());

        // The program's names, unique within the season.
        std::map<std::string, std::string> nomeDi;  // source -> program
        std::map<std::string, std::string> fonteDi; // program -> source
        for (const auto& fonte : fase.squadre) {
            NomeMappato m{fonte, "", true};
            if (auto a = alias.Cerca(d.codice, fonte))
                m.nome = *a;
            else {
                m.nome = AccorciaNome(fonte);
                m.daAlias = false;
            }
            if (m.nome.empty())
                return Errore(r, s.file + ": il nome \"" + fonte +
                                     "\" non da' un nome utilizzabile; aggiungerlo alla tabella "
                                     "degli alias");
            // Two spellings the alias table gives one name are one club (renamed
            // during the season); a name the rule made must not hide a clash.
            const auto [it, nuovo] = fonteDi.emplace(m.nome, fonte);
            if (!nuovo && !(m.daAlias && nomi.at(it->second).daAlias))
                return Errore(r, "stagione " + s.etichetta + ": \"" + it->second + "\" e \"" +
                                     fonte + "\" avrebbero lo stesso nome \"" + m.nome +
                                     "\"; distinguerli nella tabella degli alias");
            nomeDi[fonte] = m.nome;
            nomi.emplace(fonte, m);
        }
        std::vector<std::string> elenco;
        for (const auto& [nome, _] : fonteDi)
            elenco.push_back(nome);
        std::map<std::string, int> indice;
        for (std::size_t i = 0; i < elenco.size(); ++i)
            indice[elenco[i]] = static_cast<int>(i);

        if (static_cast<int>(elenco.size()) > kMaxSquadreStagione) {
            const std::string nota = std::to_string(elenco.size()) + " squadre, " + r.campionato +
                                     " ne ammette al massimo " +
                                     std::to_string(kMaxSquadreStagione);
            if (!opzioni.troppeSquadreVuota)
                return Errore(r, "stagione " + s.etichetta + " (" + s.file + "): " + nota);
            if (AggiungiStagione(copia, {}) != 0) return Errore(r, troppi());
            imp.nota = nota;
            r.stagioni.push_back(std::move(imp));
            calendario.Svuota();
            continue;
        }
        if (AggiungiStagione(copia, elenco) != 0) {
            std::string nomiTesto;
            for (const auto& n : elenco)
                nomiTesto += " \"" + n + "\"";
            return Errore(r, copia.numeroIncontri() >= kNumeroMaxIncontri
                                 ? troppi()
                                 : "stagione " + s.etichetta +
                                       ": nomi delle squadre non validi:" + nomiTesto);
        }

        // By date, then by stage and matchday, then as the source lists them.
        std::vector<const PartitaSorgente*> partite = fase.partite;
        std::stable_sort(partite.begin(), partite.end(),
                         [](const PartitaSorgente* a, const PartitaSorgente* b) {
                             if (a->data != b->data) return a->data < b->data;
                             if (a->fase != b->fase) return a->fase < b->fase;
                             return a->giornata < b->giornata;
                         });
        for (const auto* p : partite) {
            const char segno = p->golCasa > p->golTrasferta   ? '1'
                               : p->golCasa < p->golTrasferta ? '2'
                                                              : 'X';
            const int casa = indice.at(nomeDi.at(p->casa));
            const int trasferta = indice.at(nomeDi.at(p->trasferta));
            if (casa == trasferta)
                return Errore(r, p->origine.Testo() + ": una squadra contro se stessa");
            if (AggiungiIncontro(copia, casa, trasferta, segno) != 0) return Errore(r, troppi());
            // Its goals and date beside it; a score given at the table is no score.
            RetiIncontro reti;
            if (p->data.Valida())
                reti.data = p->data.anno * 10000 + p->data.mese * 100 + p->data.giorno;
            if (p->stato == StatoPartita::Giocata && p->golCasa <= 99 && p->golTrasferta <= 99) {
                reti.golCasa = static_cast<std::int16_t>(p->golCasa);
                reti.golTrasferta = static_cast<std::int16_t>(p->golTrasferta);
            }
            copia.reti.Imposta(copia.numeroIncontri() - 1, reti);
        }
        // Its fixtures still to be played; an older season's are left behind.
        calendario.Svuota();
        for (const auto* p : fase.calendario) {
            const auto casa = nomeDi.find(p->casa), trasferta = nomeDi.find(p->trasferta);
            if (casa == nomeDi.end() || trasferta == nomeDi.end() || casa->second == trasferta->second)
                continue;
            calendario.partite.push_back(
                {p->giornata,
                 p->data.Valida() ? p->data.anno * 10000 + p->data.mese * 100 + p->data.giorno : 0,
                 p->ora, casa->second, trasferta->second});
        }
        calendario.Ordina();
        calendario.stagione = calendario.vuoto() ? 0 : copia.config.numeroStagioni();
        imp.calendario = static_cast<int>(calendario.partite.size());
        imp.squadre = static_cast<int>(elenco.size());
        imp.incontri = static_cast<int>(partite.size());
        imp.assegnate = fase.assegnate;
        r.stagioni.push_back(std::move(imp));
    }

    for (auto& [_, m] : nomi)
        r.nomi.push_back(std::move(m));
    campionato.config.stagioni = std::move(copia.config.stagioni);
    campionato.incontri = std::move(copia.incontri);
    campionato.reti = std::move(copia.reti);
    // A season added after the calendar's own leaves it behind.
    campionato.calendario = std::move(calendario);
    return r;
}

} // namespace veltra
