#include "pools/CostruzioneSistema.h"

#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "pools/CCondizionamenti.h"
#include "pools/DimensioniSistema.h"
#include "pools/EnumeratoreCondizionato.h"
#include "pools/OperazioniSchedina.h"
#include "pools/ProbabilitaSistema.h"
#include "pools/StampaSchedine.h"
#include "pools/VerificaColonna.h"
#include "pools/riduzioni/LeggiTabellaRiduzione.h"

#include <algorithm>
#include <memory>
#include <new>
#include <stdexcept>

namespace veltra {

namespace {

// The table readers' messages end with the sentence that the program will
// end; here it goes on, so the sentence goes.
std::string SenzaTermine(std::string m) {
    const auto i = m.find("\nVELTRA verra' ora terminato.");
    if (i != std::string::npos) m.erase(i);
    return m;
}

struct EsitoCondizionato {
    bool memoria = false; // out of memory
    bool fermato = false;
    std::shared_ptr<const SpazioIntegrale> spazio;
    std::shared_ptr<std::vector<std::int32_t>> indici;
    std::int64_t conta = 0;
};

struct EsitoRidotto {
    bool memoria = false;
    bool fermato = false;
    SistemaRidotto sistema;
};

void Registra(Schedina& s, SistemaRidotto nuovo, const CCondizionamenti& c) {
    nuovo.condizionatoRidotto = c.condizionatoRidotto;
    s.ridotto = std::move(nuovo);
}

// The enumeration of the conditioned system as a job; `elenca`: keep the columns.
void Enumera(const Schedina& s, const CCondizionamenti& c, ContestoSistema ctx, bool elenca,
             std::function<void(EsitoCondizionato)> fine) {
    auto enumeratore = std::make_shared<EnumeratoreCondizionato>(c, s);
    const int thread = ctx.thread;
    AvviaLavoro<EsitoCondizionato>(
        ctx.esecutore, elenca ? kTitoloCostruzioneCondizionato : kTitoloConteggioCondizionato,
        [enumeratore, elenca, thread](ContestoLavoro& lc) {
            EsitoCondizionato e;
            const long totale = static_cast<long>(enumeratore->spazio().totale);
            lc.Avanza(0, totale);
            if (lc.FermoRichiesto()) {
                e.fermato = true;
                return e;
            }
            EnumeratoreCondizionato::Opzioni o;
            o.elenca = elenca;
            o.thread = thread;
            o.avanzamento = [&lc, totale](std::int64_t fatte) {
                lc.Avanza(static_cast<long>(fatte), totale);
                return !lc.FermoRichiesto();
            };
            try {
                auto r = enumeratore->Esegui(o);
                e.fermato = r.fermato || lc.FermoRichiesto();
                e.conta = r.conta;
                e.spazio = std::shared_ptr<const SpazioIntegrale>(enumeratore, &enumeratore->spazio());
                if (elenca) e.indici = std::make_shared<std::vector<std::int32_t>>(std::move(r.indici));
            } catch (const std::bad_alloc&) {
                e.memoria = true;
            }
            return e;
        },
        [fine = std::move(fine)](EsitoLavoro<EsitoCondizionato> esito) {
            if (!esito.fine.riuscito() || esito.fine.fermato) esito.risultato.fermato = true;
            fine(std::move(esito.risultato));
        });
}

// Builds, and reduces when asked, the conditioned system; the record changes at the end.
void CostruisciCondizionato(Schedina& s, const CCondizionamenti& c, ContestoSistema ctx,
                            std::function<void(bool)> fine) {
    const NumeroSegni n = StatoNumeroSegni(s);
    Enumera(s, c, ctx, true, [&s, &c, ctx, n, fine](EsitoCondizionato e) mutable {
        if (e.memoria) {
            ctx.messaggi.Errore(kMemoriaCondizionato);
            return fine(false);
        }
        if (e.fermato) return fine(false);
        auto completa = [&s, &c, n](SistemaRidotto r) {
            r.numTriple = static_cast<std::int16_t>(n.triple);
            r.numDoppie = static_cast<std::int16_t>(n.doppie);
            Registra(s, std::move(r), c);
        };
        if (!c.condizionatoRidotto) {
            try {
                completa(SistemaDaIndici(*e.spazio, *e.indici, nullptr));
            } catch (const std::bad_alloc&) {
                ctx.messaggi.Errore(kMemoriaCondizionato);
                return fine(false);
            }
            return fine(true);
        }
        const MetodoRiduzione metodo = ctx.metodo.value_or(MetodoDelleCondizioni(c));
        AvviaLavoro<EsitoRidotto>(
            ctx.esecutore, kTitoloRiduzioneCondizionato,
            [e, metodo](ContestoLavoro& lc) {
                EsitoRidotto r;
                OpzioniRiduzione o;
                o.contatore = [&lc](std::int64_t rimaste) {
                    lc.Avanza(0, 0, std::to_string(rimaste));
                    return !lc.FermoRichiesto();
                };
                try {
                    bool fermato = false;
                    const auto tenute = RiduciCondizionato(*e.spazio, *e.indici, metodo, o, &fermato);
                    r.fermato = fermato || lc.FermoRichiesto();
                    if (!r.fermato) r.sistema = SistemaDaIndici(*e.spazio, *e.indici, &tenute);
                } catch (const std::bad_alloc&) {
                    r.memoria = true;
                }
                return r;
            },
            [completa, ctx, fine](EsitoLavoro<EsitoRidotto> esito) mutable {
                if (esito.risultato.memoria) {
                    ctx.messaggi.Errore(kMemoriaCondizionato);
                    return fine(false);
                }
                if (!esito.fine.riuscito() || esito.fine.fermato || esito.risultato.fermato)
                    return fine(false);
                completa(std::move(esito.risultato.sistema));
                fine(true);
            });
    });
}

struct EsitoOttimo {
    bool memoria = false;
    bool fermato = false;
    std::string errore;
    SistemaRidotto sistema;
};

// The best columns for the chance of a prize, as a job; the record changes at the end.
void CostruisciOttimo(Schedina& s, const CCondizionamenti& c, ContestoSistema& ctx, std::function<void(bool)> fine) {
    std::string errore;
    const auto prob = ProbabilitaDi(s, &errore);
    if (!prob) {
        ctx.messaggi.Errore("Impossibile costruire il sistema ottimo: " + errore + ".");
        return fine(false);
    }
    const NumeroSegni n = StatoNumeroSegni(s);
    std::int32_t k = s.ottimoColonne;
    if (k <= 0) k = DimensioneRidotto(ctx.cartellaRiduzioni, n.triple, n.doppie);
    if (k <= 0) {
        ctx.messaggi.Errore("Impossibile costruire il sistema ottimo: manca la tabella del sistema ridotto "
                            "N-1 che ne da' il numero di colonne; indicarne il numero.");
        return fine(false);
    }
    OpzioniOttimo o;
    o.colonne = k;
    o.obiettivo = std::clamp<int>(s.ottimoObiettivo, 12, 14);
    o.ammessi = SegniAmmessi(s, s.ottimoFuori != 0);
    o.thread = ctx.thread;
    IMessaggi& messaggi = ctx.messaggi;
    AvviaLavoro<EsitoOttimo>(
        ctx.esecutore, kTitoloCostruzioneOttimo,
        [p = *prob, o, n](ContestoLavoro& lc) mutable {
            EsitoOttimo e;
            o.avanzamento = [&lc](long fatto, long totale) {
                lc.Avanza(fatto, totale);
                return !lc.FermoRichiesto();
            };
            try {
                const RisultatoOttimo r = CercaOttimo(p, o);
                e.fermato = r.fermato || lc.FermoRichiesto();
                if (!e.fermato) e.sistema = SistemaOttimo(r.colonne, n.triple, n.doppie);
            } catch (const std::bad_alloc&) {
                e.memoria = true;
            } catch (const std::invalid_argument& x) {
                e.errore = x.what();
            }
            return e;
        },
        [&s, &c, &messaggi, fine](EsitoLavoro<EsitoOttimo> esito) {
            if (esito.risultato.memoria) {
                messaggi.Errore(kMemoriaRidotto);
                return fine(false);
            }
            if (!esito.risultato.errore.empty()) {
                messaggi.Errore("Impossibile costruire il sistema ottimo: " + esito.risultato.errore + ".");
                return fine(false);
            }
            if (!esito.fine.riuscito() || esito.fine.fermato || esito.risultato.fermato) return fine(false);
            Registra(s, std::move(esito.risultato.sistema), c);
            fine(true);
        });
}

} // namespace

CaricamentoTabella CaricaTabella(const std::filesystem::path& cartella, int triple, int doppie,
                                 int erroriMin, int erroriMax) {
    CaricamentoTabella c;
    try {
        const auto l = erroriMin == -1
                           ? riduzioni::LeggiTabellaRiduzione(cartella, triple, doppie)
                           : riduzioni::LeggiTabellaCorrezione(cartella, triple, doppie, erroriMin,
                                                               erroriMax);
        if (!l.ok()) {
            c.messaggio = SenzaTermine(l.messaggio);
            return c;
        }
        // The known size of the largest shapes caps a larger stored table.
        std::int32_t colonne = l.tabella.numColonne;
        if (erroriMin == -1) {
            const std::int32_t nota = DimensioneRidotto(cartella, triple, doppie);
            if (nota > 0) colonne = std::min(colonne, nota);
        }
        const int righe = triple + doppie;
        SistemaRidotto& r = c.sistema;
        r.numTriple = static_cast<std::int16_t>(triple);
        r.numDoppie = static_cast<std::int16_t>(doppie);
        r.erroriMin = static_cast<std::int16_t>(erroriMin);
        r.erroriMax = static_cast<std::int16_t>(erroriMax);
        r.colonne.assign(static_cast<std::size_t>(colonne), 0u);
        for (std::int32_t k = 0; k < colonne; ++k) {
            std::uint32_t w = 0;
            for (int riga = 0; riga < righe; ++riga)
                w = SistemaRidotto::ConCodice(w, riga, l.tabella.Valore(k, riga));
            r.colonne[static_cast<std::size_t>(k)] = w;
        }
        r.statoColonne.assign(static_cast<std::size_t>(colonne), 0);
        r.numColonne = colonne;
        r.contato = 1;
        c.ok = true;
    } catch (const std::bad_alloc&) {
        c = CaricamentoTabella{};
        c.messaggio = kMemoriaRidotto;
    }
    return c;
}

SistemaRidotto SistemaDaIndici(const SpazioIntegrale& sp, const std::vector<std::int32_t>& indici,
                               const std::vector<std::int32_t>* tenute) {
    SistemaRidotto r;
    r.numTriple = static_cast<std::int16_t>(sp.triple);
    r.numDoppie = static_cast<std::int16_t>(sp.doppie);
    r.erroriMin = r.erroriMax = -2;
    const std::size_t n = tenute ? tenute->size() : indici.size();
    r.colonne.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        r.colonne[i] = sp.ParolaDaIndice(indici[tenute ? static_cast<std::size_t>((*tenute)[i]) : i]);
    r.statoColonne.assign(n, 0);
    r.numColonne = static_cast<std::int32_t>(n);
    r.contato = 1;
    return r;
}

SistemaRidotto SistemaOttimo(const std::vector<std::uint32_t>& esiti, int triple, int doppie) {
    SistemaRidotto r;
    r.numTriple = static_cast<std::int16_t>(triple);
    r.numDoppie = static_cast<std::int16_t>(doppie);
    r.erroriMin = r.erroriMax = kRiduzioneOttima;
    r.colonne.reserve(esiti.size());
    static constexpr int kCodice[3] = {1, 3, 2}; // "1", "X", "2"
    for (std::uint32_t e : esiti) {
        std::uint32_t w = 0;
        for (int riga = 0; riga < kRigheSchedina; ++riga, e /= 3) w = SistemaRidotto::ConCodice(w, riga, kCodice[e % 3]);
        r.colonne.push_back(w);
    }
    r.statoColonne.assign(esiti.size(), 0);
    r.numColonne = static_cast<std::int32_t>(esiti.size());
    r.contato = 1;
    return r;
}

void ContaCondizionato(Schedina& s, const CCondizionamenti& c, bool permesso, ContestoSistema& ctx,
                       std::function<void(bool)> fine) {
    SistemaRidotto& r = s.ridotto;
    if ((r.contato && r.erroriMin == -2) || !permesso) return fine(r.contato && r.erroriMin == -2);
    if (c.condizionatoRidotto) return CostruisciCondizionato(s, c, ctx, std::move(fine));
    const NumeroSegni n = StatoNumeroSegni(s);
    Enumera(s, c, ctx, false, [&s, &c, ctx, n, fine](EsitoCondizionato e) {
        if (e.memoria) {
            ctx.messaggi.Errore(kMemoriaCondizionato);
            return fine(false);
        }
        if (e.fermato) return fine(false);
        SistemaRidotto contato;
        contato.numTriple = static_cast<std::int16_t>(n.triple);
        contato.numDoppie = static_cast<std::int16_t>(n.doppie);
        contato.erroriMin = contato.erroriMax = -2;
        contato.numColonne = static_cast<std::int32_t>(e.conta);
        contato.contato = 1;
        Registra(s, std::move(contato), c);
        fine(true);
    });
}

MetodoRiduzione MetodoDelleCondizioni(const CondizioniRiduzione& c) {
    return c.metodoRiduzione == 1 ? MetodoRiduzione::Avanzato : MetodoRiduzione::Standard;
}

MetodoRiduzione ChiediMetodo(CondizioniRiduzione& c, IMessaggi& messaggi) {
    const bool avanzato =
        messaggi.Mostra(kDomandaMetodoRiduzione, Icona::Domanda, Pulsanti::SiNo) == Risposta::Si;
    c.metodoRiduzione = avanzato ? 1 : 0;
    return MetodoDelleCondizioni(c);
}

bool SistemaPronto(const Schedina& s) {
    const SistemaRidotto& r = s.ridotto;
    const NumeroSegni n = StatoNumeroSegni(s);
    return r.contato && r.numColonne >= 0 && r.numTriple == n.triple && r.numDoppie == n.doppie &&
           r.erroriMin == s.riduzioneMin && r.erroriMax == s.riduzioneMax &&
           r.colonne.size() == static_cast<std::size_t>(r.numColonne);
}

void CostruisciSistema(Schedina& s, const CCondizionamenti& c, ContestoSistema& ctx,
                       std::function<void(bool)> fine) {
    const NumeroSegni n = StatoNumeroSegni(s);
    if (n.triple + n.doppie == 0) return fine(false);
    // Every change of the predictions, the reduction or the conditions marks
    // the record not counted, so a ready record is still the right one.
    if (SistemaPronto(s)) return fine(true);
    if (s.riduzioneMin == -2) return CostruisciCondizionato(s, c, ctx, std::move(fine));
    if (s.riduzioneMin == kRiduzioneOttima) return CostruisciOttimo(s, c, ctx, std::move(fine));
    const int e = s.riduzioneMin, f = s.riduzioneMax;
    const auto cartella = ctx.cartellaRiduzioni;
    IMessaggi& messaggi = ctx.messaggi;
    AvviaLavoro<CaricamentoTabella>(
        ctx.esecutore, kTitoloComposizioneRidotto,
        [cartella, n, e, f](ContestoLavoro& lc) {
            lc.Avanza(0, 1);
            auto r = CaricaTabella(cartella, n.triple, n.doppie, e, f);
            lc.Avanza(1, 1);
            return r;
        },
        [&s, &c, &messaggi, fine](EsitoLavoro<CaricamentoTabella> esito) {
            if (!esito.fine.riuscito() || esito.fine.fermato) return fine(false);
            if (!esito.risultato.ok) {
                messaggi.Errore(esito.risultato.messaggio);
                return fine(false);
            }
            Registra(s, std::move(esito.risultato.sistema), c);
            fine(true);
        });
}

int TotaleColonne(const Schedina& s) { return SistemaPronto(s) ? s.ridotto.numColonne : -1; }

std::int32_t ColonneRiduzioneScelta(const Schedina& s, const std::filesystem::path& cartella) {
    const NumeroSegni n = StatoNumeroSegni(s);
    if (n.triple + n.doppie == 0) return -1;
    const int e = s.riduzioneMin, f = s.riduzioneMax;
    if (e == -2) {
        const SistemaRidotto& r = s.ridotto;
        const bool contato = r.contato && r.erroriMin == -2 && r.numTriple == n.triple &&
                             r.numDoppie == n.doppie;
        return contato && r.numColonne > 0 ? r.numColonne : -1;
    }
    if (e == -1) return DimensioneRidotto(cartella, n.triple, n.doppie);
    if (e < 0 || f <= e) return -1;
    const auto l = riduzioni::LeggiDimensioneTabella(
        cartella / riduzioni::NomeTabellaCorrezione(n.triple, n.doppie, e, f), n.triple, n.doppie);
    return l.ok() && l.tabella.numColonne > 0 ? l.tabella.numColonne : -1;
}

LettoreSistema::LettoreSistema(const Schedina& s) : r_(s.ridotto) {
    if (r_.erroriMin == kRiduzioneOttima) {
        // Every row is a row of the matrix: the best system may play any sign.
        for (int riga = 0; riga < kRigheSchedina; ++riga) {
            Riga& l = righe_[static_cast<std::size_t>(riga)];
            l.fisso = 0;
            l.rigaMatrice = riga;
            l.codice = {8, 1, 2, 3};
        }
        return;
    }
    int triple = 0, doppie = 0;
    for (int riga = 0; riga < kRigheSchedina; ++riga) {
        const std::string t = Pronostico(s.partite[static_cast<std::size_t>(riga)]);
        Riga& l = righe_[static_cast<std::size_t>(riga)];
        triple += t.size() == 3;
        doppie += t.size() == 2;
        if (t.size() == 1) {
            l.fisso = CodiceDaTesto(t);
            continue;
        }
        if (t.empty()) continue; // no sign: 8
        const int mr = t.size() == 3 ? triple - 1 : r_.numTriple + doppie - 1;
        if (mr < 0 || mr >= r_.numTriple + r_.numDoppie) continue;
        l.fisso = 0;
        l.rigaMatrice = mr;
        for (int v = 0; v < 4; ++v) l.codice[static_cast<std::size_t>(v)] = v;
        if (s.riduzioneMin == -2) continue;
        if (t.size() == 3) {
            // An error-correcting table counts errors from its base column,
            // stored 1 on every row: on a triple that is the row's first sign,
            // and stored 3 and 2 its second and third (the order of "1X2"),
            // so "2X1" plays 2 in the base column. An N-1 table covers every
            // outcome whichever sign a code stands for: it is read as stored.
            if (s.riduzioneMin >= 0) {
                l.codice[1] = CodiceSegno(t[0]);
                l.codice[3] = CodiceSegno(t[1]);
                l.codice[2] = CodiceSegno(t[2]);
            }
            continue;
        }
        // A double of a table: stored 1 is the row's first sign, 3 its second.
        struct Traduzione {
            const char* testo;
            int uno, tre, altro;
        };
        static const Traduzione tabella[] = {{"1X", 1, 3, -1}, {"X1", 3, 1, 4}, {"X2", 3, 2, 5},
                                             {"2X", 2, 3, 5},  {"12", 1, 2, 6}, {"21", 2, 1, 6}};
        bool nota = false;
        for (const auto& tr : tabella)
            if (t == tr.testo) {
                nota = true;
                for (int v = 0; v < 4; ++v)
                    l.codice[static_cast<std::size_t>(v)] =
                        v == 1 ? tr.uno : v == 3 ? tr.tre : tr.altro < 0 ? v : tr.altro;
            }
        if (!nota) l.codice = {7, 7, 7, 7};
    }
}

int LettoreSistema::Segno(int colonna, int riga) const {
    if (riga < 0 || riga >= kRigheSchedina) return 8;
    const Riga& l = righe_[static_cast<std::size_t>(riga)];
    if (l.fisso != 0) return l.fisso;
    if (colonna < 0 || colonna >= r_.numColonne || static_cast<std::size_t>(colonna) >= r_.colonne.size())
        return 8;
    return l.codice[static_cast<std::size_t>(r_.Codice(l.rigaMatrice, static_cast<std::size_t>(colonna)))];
}

int SegnoColonna(const Schedina& s, int colonna, int riga) {
    return LettoreSistema(s).Segno(colonna, riga);
}

int SegnoColonna(const Schedina& s, int pagina, int riga, int colonnaPagina) {
    const int k = s.colonnePerPagina > 0 ? s.colonnePerPagina : 4;
    return SegnoColonna(s, pagina * k + colonnaPagina, riga);
}

} // namespace veltra
