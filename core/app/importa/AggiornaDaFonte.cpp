#include "app/importa/AggiornaDaFonte.h"

#include "app/DatiGlobali.h"
#include "app/importa/FaseCampionato.h"
#include "app/importa/ImportaRisultati.h"
#include "app/importa/NomeDaFonte.h"
#include "dati/FileAtomico.h"
#include "engine/ValutazioneArchivio.h"
#include "net/Internet.h"
#include "platform/Http.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

namespace veltra {

bool FonteInRete(std::string_view f) {
    return f.rfind("http://", 0) == 0 || f.rfind("https://", 0) == 0;
}

TestoFonte LeggiFonte(IHttp& http, const std::string& fonte, const OpzioniFonte& opzioni) {
    TestoFonte t;
    if (!FonteInRete(fonte)) {
        LetturaFile l = LeggiFileControllato(fonte, kMaxFileFonte);
        if (l.testo)
            t.testo = std::move(l.testo);
        else
            t.errore = fonte + ": " + l.errore;
        return t;
    }
    OpzioniSessione o;
    o.secondiConnessione = opzioni.secondiConnessione;
    o.secondiStallo = opzioni.secondiStallo;
    o.fermo = opzioni.fermo;
    auto sessione = http.ApriSessione(o);
    if (!sessione) {
        t.errore = "impossibile avviare la sessione internet";
        return t;
    }
    RichiestaHttp q;
    q.indirizzo = fonte;
    q.maxCorpo = kMaxFileFonte;
    RispostaHttp r = sessione->Esegui(q);
    if (r.esito == EsitoHttp::Interrotto || (opzioni.fermo && opzioni.fermo())) {
        t.interrotto = true;
        t.errore = "interrotto dall'utente";
    } else if (!r.ok())
        t.errore = fonte + ": " + DescriviErrore(r);
    else if (r.stato != 200)
        t.errore = fonte + ": risposta " + std::to_string(r.stato);
    else
        t.testo = std::move(r.corpo);
    return t;
}

std::string UnioneFonte::Rapporto() const {
    return "nuovi=" + std::to_string(nuovi) + " aggiornati=" + std::to_string(aggiornati) +
           " calendario=" + std::to_string(calendario) + " scartate=" + std::to_string(scartate);
}

namespace {

DataNumerica Numerica(const DataCalendario& d) {
    return d.Valida() ? d.anno * 10000 + d.mese * 100 + d.giorno : 0;
}

std::string TestoData(DataNumerica d) {
    if (d == 0) return "senza data";
    char b[16];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d", d / 10000, d / 100 % 100, d % 100);
    return b;
}

// What the source says of one played match.
struct Giocata {
    const PartitaSorgente* p;
    int casa, trasferta;
    char segno;
    RetiIncontro reti;
};

std::string Elenco(const std::vector<std::string>& v) {
    std::string t;
    for (const auto& s : v) t += (t.empty() ? "" : ", ") + s;
    return t;
}

} // namespace

UnioneFonte UnisciFonte(const CCampionato& camp, const LetturaSorgente& l, const TabellaAlias& alias) {
    const auto rifiuta = [](std::string m) {
        UnioneFonte r;
        r.errore = std::move(m);
        return r;
    };
    if (!l.ok()) return rifiuta(l.errore);
    const auto& d = camp.descrizione();
    const std::string nome(d.nome);
    const int stagioni = camp.config.numeroStagioni();
    if (stagioni == 0 || camp.incontri.numeroSeparatori() != stagioni)
        return rifiuta(nome + " non ha stagioni: importarne prima i risultati (veltra-cli importa)");
    const int anno = d.annoPrimaStagione + stagioni - 1;

    const StagioneSorgente* s = nullptr;
    int ultimoAnno = 0;
    for (const auto& st : l.stagioni) {
        ultimoAnno = std::max(ultimoAnno, st.annoInizio);
        if (st.annoInizio != anno) continue;
        if (s) return rifiuta("la fonte ha la stagione iniziata nel " + std::to_string(anno) + " due volte");
        s = &st;
    }
    if (!s && ultimoAnno == anno + 1) {
        // The next season: added as the importer adds it, on a copy.
        auto copia = CopiaDati(camp);
        OpzioniImportazione o;
        o.dalAnno = o.alAnno = anno + 1;
        const RapportoImportazione r = ImportaRisultati(*copia, {l}, alias, o);
        if (!r.ok()) return rifiuta(r.errore);
        UnioneFonte u;
        u.nuovaStagione = true;
        u.nuovi = r.incontriAggiunti();
        for (const auto& x : r.scartate) // the postponed matches are fixtures to come, not left out
            if (x.motivo.find("rinviata") == std::string::npos) ++u.scartate;
        u.calendario = static_cast<int>(copia->calendario.partite.size() + camp.calendario.partite.size());
        u.avvisi.push_back("aggiunta la stagione " + r.stagioni.back().etichetta + " di " + nome);
        u.stagioni = std::move(copia->config.stagioni);
        u.incontri = std::move(copia->incontri);
        u.reti = std::move(copia->reti);
        u.calendarioNuovo = std::move(copia->calendario);
        return u;
    }
    if (!s)
        return rifiuta("la fonte non ha la stagione corrente di " + nome + " (iniziata nel " +
                       std::to_string(anno) + ")" +
                       (ultimoAnno > anno ? ": e' di una stagione piu' avanti della successiva" : ""));
    const ElencoSquadre& squadre = camp.config.stagioni.back();
    if (squadre.numero() == 0)
        return rifiuta("la stagione corrente di " + nome + " non ha squadre");

    const FaseCampionato fase = SelezionaFaseCampionato(*s);

    // The clubs: every club of the source must be one of the season's.
    std::map<std::string, int> indice; // source spelling -> team
    std::vector<std::string> estranee;
    std::set<int> presenti;
    for (const auto& fonte : fase.squadre) {
        const std::string n = NomeDaFonte(alias, d.codice, fonte);
        const auto it = std::find(squadre.nomi.begin(), squadre.nomi.end(), n);
        if (it == squadre.nomi.end()) {
            estranee.push_back(n == fonte ? n : n + " (\"" + fonte + "\")");
            continue;
        }
        const int i = static_cast<int>(it - squadre.nomi.begin());
        indice[fonte] = i;
        presenti.insert(i);
    }
    std::vector<std::string> assentiFonte;
    for (int i = 0; i < squadre.numero(); ++i)
        if (!presenti.count(i)) assentiFonte.push_back(squadre.nomi[static_cast<std::size_t>(i)]);
    const bool conCalendario = std::any_of(s->partite.begin(), s->partite.end(), [](const PartitaSorgente& p) {
        return p.stato == StatoPartita::NonGiocata && p.fase == 0;
    });
    if (!estranee.empty() || (conCalendario && !assentiFonte.empty()))
        return rifiuta("la fonte ha altre squadre della stagione corrente di " + nome +
                       (estranee.empty() ? "" : "; squadre che la stagione non ha: " + Elenco(estranee)) +
                       (assentiFonte.empty() ? "" : "; squadre della stagione assenti nella fonte: " +
                                                        Elenco(assentiFonte)) +
                       " (i nomi si possono collegare nella tabella degli alias)");

    UnioneFonte u;
    if (!assentiFonte.empty())
        u.avvisi.push_back("squadre ancora senza partite nella fonte: " + Elenco(assentiFonte));

    // Lines left out: the reader's and the phase's, not the fixtures to play.
    std::set<std::pair<std::string, int>> daGiocare;
    for (const auto& p : s->partite)
        if (p.stato == StatoPartita::NonGiocata) daGiocare.insert({p.origine.file, p.origine.riga});
    u.scartate = static_cast<int>(l.scartate.size());
    for (const auto& r : fase.scartate)
        if (!daGiocare.count({r.origine.file, r.origine.riga})) ++u.scartate;

    // The source's played matches, by pair of teams, in date order.
    std::vector<Giocata> giocate;
    for (const PartitaSorgente* p : fase.partite) {
        Giocata g{p, indice.at(p->casa), indice.at(p->trasferta), SegnoDaReti(p->golCasa, p->golTrasferta), {}};
        if (g.casa == g.trasferta) return rifiuta(p->origine.Testo() + ": una squadra contro se stessa");
        g.reti.data = Numerica(p->data);
        if (p->stato == StatoPartita::Giocata && p->golCasa <= 99 && p->golTrasferta <= 99) {
            g.reti.golCasa = static_cast<std::int16_t>(p->golCasa);
            g.reti.golTrasferta = static_cast<std::int16_t>(p->golTrasferta);
        }
        giocate.push_back(g);
    }
    std::stable_sort(giocate.begin(), giocate.end(), [](const Giocata& a, const Giocata& b) {
        if (a.p->data != b.p->data) return a.p->data < b.p->data;
        if (a.p->fase != b.p->fase) return a.p->fase < b.p->fase;
        return a.p->giornata < b.p->giornata;
    });
    std::map<std::pair<int, int>, std::vector<std::size_t>> fontePerCoppia;
    for (std::size_t k = 0; k < giocate.size(); ++k)
        fontePerCoppia[{giocate[k].casa, giocate[k].trasferta}].push_back(k);

    // The stored matches of the season, by pair.
    const int inizio = camp.incontri.inizioStagione(stagioni - 1) + 1;
    std::map<std::pair<int, int>, std::vector<int>> cartellaPerCoppia;
    for (int i = inizio; i < camp.incontri.numero(); ++i)
        cartellaPerCoppia[{camp.incontri[i].casa, camp.incontri[i].trasferta}].push_back(i);

    // Pairs: first the same match on the same day, then the rest in order.
    std::vector<int> abbinata(giocate.size(), -1);
    int assenti = 0;
    for (auto& [coppia, posizioni] : cartellaPerCoppia) {
        auto itf = fontePerCoppia.find(coppia);
        std::vector<std::size_t> fonte = itf == fontePerCoppia.end() ? std::vector<std::size_t>{} : itf->second;
        std::vector<bool> usata(posizioni.size(), false);
        for (std::size_t k : fonte) {
            const DataNumerica data = giocate[k].reti.data;
            if (data == 0) continue;
            for (std::size_t j = 0; j < posizioni.size(); ++j)
                if (!usata[j] && camp.reti.Di(posizioni[j]).data == data) {
                    usata[j] = true;
                    abbinata[k] = posizioni[j];
                    break;
                }
        }
        std::size_t j = 0;
        for (std::size_t k : fonte) {
            if (abbinata[k] >= 0) continue;
            while (j < posizioni.size() && usata[j]) ++j;
            if (j == posizioni.size()) break;
            usata[j] = true;
            abbinata[k] = posizioni[j];
        }
        assenti += static_cast<int>(std::count(usata.begin(), usata.end(), false));
    }

    // Stored matches: their results stay; the source may only add goals and
    // correct dates.
    auto copia = CopiaDati(camp);
    std::vector<std::string> contrarie;
    for (std::size_t k = 0; k < giocate.size(); ++k) {
        if (abbinata[k] < 0) continue;
        const Giocata& g = giocate[k];
        const Incontro& m = camp.incontri[abbinata[k]];
        const RetiIncontro noto = camp.reti.Di(abbinata[k]);
        const bool altroPunteggio = noto.conPunteggio() && g.reti.conPunteggio() &&
                                    (noto.golCasa != g.reti.golCasa || noto.golTrasferta != g.reti.golTrasferta);
        if (m.risultato != g.segno || altroPunteggio) {
            const std::string cartella =
                noto.conPunteggio() ? std::to_string(noto.golCasa) + "-" + std::to_string(noto.golTrasferta)
                                    : std::string(1, m.risultato);
            contrarie.push_back(squadre.nomi[static_cast<std::size_t>(g.casa)] + " - " +
                                squadre.nomi[static_cast<std::size_t>(g.trasferta)] + " (" +
                                TestoData(g.reti.data) + ", " + g.p->origine.Testo() + "): " +
                                cartella + " nella cartella, " + std::to_string(g.p->golCasa) + "-" +
                                std::to_string(g.p->golTrasferta) + " nella fonte");
            continue;
        }
        RetiIncontro nuovo = noto;
        if (!noto.conPunteggio() && g.reti.conPunteggio()) {
            nuovo.golCasa = g.reti.golCasa;
            nuovo.golTrasferta = g.reti.golTrasferta;
        }
        if (g.reti.data != 0) nuovo.data = g.reti.data;
        if (nuovo != noto) {
            copia->reti.Imposta(abbinata[k], nuovo);
            ++u.aggiornati;
        }
    }
    if (!contrarie.empty()) {
        std::string t = "la fonte contraddice " + std::to_string(contrarie.size()) +
                        " risultati della stagione corrente di " + nome + ": ";
        for (std::size_t i = 0; i < contrarie.size() && i < 3; ++i) t += (i ? "; " : "") + contrarie[i];
        if (contrarie.size() > 3) t += "; ...";
        return rifiuta(t);
    }

    // New matches at the end of the season, in date order.
    const int primoNuovo = copia->numeroIncontri();
    for (std::size_t k = 0; k < giocate.size(); ++k) {
        if (abbinata[k] >= 0) continue;
        const Giocata& g = giocate[k];
        if (AggiungiIncontro(*copia, g.casa, g.trasferta, g.segno) != 0)
            return rifiuta("troppi incontri: " + nome + " ne contiene al massimo " +
                           std::to_string(kNumeroMaxIncontri));
        copia->reti.Imposta(copia->numeroIncontri() - 1, g.reti);
        ++u.nuovi;
    }
    u.assenti = assenti;
    if (assenti > 0)
        u.avvisi.push_back(std::to_string(assenti) +
                           " partite della cartella non sono giocate nella fonte: restano come sono");

    // The calendar: the stored fixtures, moved where the source dates them
    // otherwise, with the source's new ones added; a fixture leaves it only
    // when its match is played or the source postpones or cancels it, never
    // because a source (perhaps cut short) does not list it.
    const Calendario vecchio = camp.calendario.stagione == stagioni ? camp.calendario : Calendario{};
    copia->calendario = vecchio;
    copia->calendario.stagione = stagioni;
    auto& partite = copia->calendario.partite;
    std::vector<bool> vista(partite.size(), false);
    std::map<std::pair<int, int>, int> giocateSenzaFonte; // stored results the source lacks, by pair
    for (auto& [coppia, posizioni] : cartellaPerCoppia)
        for (int pos : posizioni)
            if (std::find(abbinata.begin(), abbinata.end(), pos) == abbinata.end()) ++giocateSenzaFonte[coppia];
    const auto cerca = [&](const std::string& casa, const std::string& trasferta) -> int {
        for (std::size_t j = 0; j < partite.size(); ++j)
            if (!vista[j] && partite[j].casa == casa && partite[j].trasferta == trasferta) return static_cast<int>(j);
        return -1;
    };
    std::vector<std::size_t> daTogliere;
    for (const auto& p : s->partite) {
        if (p.stato != StatoPartita::NonGiocata || p.fase != 0 || p.eliminazione) continue;
        const auto a = indice.find(p.casa), b = indice.find(p.trasferta);
        if (a == indice.end() || b == indice.end() || a->second == b->second) continue;
        const std::string& casa = squadre.nomi[static_cast<std::size_t>(a->second)];
        const std::string& trasferta = squadre.nomi[static_cast<std::size_t>(b->second)];
        const int j = cerca(casa, trasferta);
        if (j >= 0) vista[static_cast<std::size_t>(j)] = true;
        if (!p.programmata) { // postponed, cancelled, abandoned
            if (j >= 0) daTogliere.push_back(static_cast<std::size_t>(j));
            continue;
        }
        const PartitaCalendario f{p.giornata, Numerica(p.data), p.ora, casa, trasferta};
        if (j >= 0) {
            if (!(partite[static_cast<std::size_t>(j)] == f)) {
                partite[static_cast<std::size_t>(j)] = f;
                ++u.calendario;
            }
            continue;
        }
        // A fixture already played in the folder is not one to come.
        if (auto g = giocateSenzaFonte.find({a->second, b->second}); g != giocateSenzaFonte.end() && g->second > 0) {
            --g->second;
            continue;
        }
        partite.push_back(f);
        vista.push_back(true);
        ++u.calendario;
    }
    std::sort(daTogliere.rbegin(), daTogliere.rend());
    for (std::size_t j : daTogliere) partite.erase(partite.begin() + static_cast<long>(j));
    u.calendario += static_cast<int>(daTogliere.size());
    u.calendario += TogliIncontriGiocati(*copia, primoNuovo);
    copia->calendario.Ordina();
    if (copia->calendario.vuoto()) copia->calendario.stagione = 0;
    if (u.calendario > 0 && !camp.calendarioNonLetto.empty())
        u.avvisi.push_back("il calendario della cartella non e' leggibile e non sara' riscritto: " +
                           camp.calendarioNonLetto);
    if (u.cambia() && !camp.retiNonLette.empty())
        u.avvisi.push_back("il file delle reti della cartella non e' leggibile e non sara' riscritto: " +
                           camp.retiNonLette);

    u.incontri = std::move(copia->incontri);
    u.reti = std::move(copia->reti);
    u.calendarioNuovo = std::move(copia->calendario);
    return u;
}

UnioneFonte UnisciTestoFonte(const CCampionato& campionato, std::string_view testo,
                             const std::string& nomeFonte, const TabellaAlias& alias) {
    return UnisciFonte(campionato, LeggiFileRisultati(testo, nomeFonte), alias);
}

void ApplicaFonte(DatiGlobali& dati, CampionatoId c, UnioneFonte& u, IMessaggi& messaggi) {
    if (!u.ok() || !u.cambia()) return;
    CCampionato& camp = dati.campionato(c);
    if (u.nuovaStagione) camp.config.stagioni = std::move(u.stagioni);
    camp.incontri = std::move(u.incontri);
    camp.reti = std::move(u.reti);
    camp.calendario = std::move(u.calendarioNuovo);
    camp.ultimoIncontroFiltro = -1;
    camp.stagioneFiltro = -1;
    AvvisoCambiamento avviso{Cambiamento::Dati, c};
    avviso.messaggi = &messaggi;
    dati.notifiche.Pubblica(avviso);
    RicalcolaArchivio(dati, c, messaggi, true);
    dati.datiModificati = 1;
}

} // namespace veltra
