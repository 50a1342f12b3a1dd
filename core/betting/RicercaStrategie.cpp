#include "betting/RicercaStrategie.h"

#include "betting/HtmlRicercaStrategie.h"
#include "betting/RicercaVeloce.h"
#include "betting/SalvaStrategiaTrovata.h"
#include "betting/TestiRicercaStrategie.h"
#include "dati/FileAtomico.h"
#include "platform/Lavori.h"

#include <cstdarg>
#include <cstdio>
#include <limits>

namespace veltra {

namespace {
constexpr std::array<const char*, kTipiGiocata> kNomiTipi = {
    "Singola n.1",   "Multipla da 2", "Multipla da 3",        "Multipla da 4",
    "Multipla da 5", "Multipla da 6", "1 su 2",               "2 su 3",
    "2 su 4",        "3 su 4",        "4 su 5 in 3 terzine",  "1a fissa più 2 su 3"};
constexpr std::array<int, kTipiGiocata> kEventiTipi = {1, 2, 3, 4, 5, 6, 2, 3, 4, 4, 5, 4};
} // namespace

const char* NomeTipoGiocata(int tipo) {
    return tipo >= 0 && tipo < kTipiGiocata ? kNomiTipi[static_cast<size_t>(tipo)] : "";
}
int EventiTipoGiocata(int tipo) {
    return tipo >= 0 && tipo < kTipiGiocata ? kEventiTipi[static_cast<size_t>(tipo)] : 0;
}
const char* NomeBookmakerRicerca(int i) {
    return i >= 0 && i < kNumeroBookmaker ? kNomiBookmaker[static_cast<size_t>(i)] : "";
}
const char* CartellaBookmakerRicerca(int i) {
    return i >= 0 && i < kNumeroBookmaker ? kCartelleBookmaker[static_cast<size_t>(i)] : "";
}

namespace {

namespace fs = std::filesystem;

std::string NomeFile(const char* radice, int bookmaker, const DataOra& o, const char* estensione) {
    std::string s;
    AggiungiFormato(s, "%s-%s-%d-%d-%d-%d.%d.%s", radice, CartellaBookmakerRicerca(bookmaker), o.giorno,
           o.mese, o.anno, o.ora, o.minuto, estensione);
    return s;
}

// The weeks of a pass split at the out-of-sample date.
struct SettimanePassaggio {
    std::vector<SettimanaArchiviata> ricerca, verifica;
};

class Esecuzione {
public:
    Esecuzione(const ParametriRicerca& p, const fs::path& cartellaLavoro, ListaStrategie& strategie,
               std::int32_t& prossimoId, const DataOra& oggi, IRapportoRicerca& rapporto,
               const ContestoLavoro& contesto)
        : p_(p), strategie_(strategie), prossimoId_(prossimoId), oggi_(oggi),
          rapporto_(rapporto), contesto_(contesto) {
        esportate_ = cartellaLavoro / kCartellaEsportate;
        cartella_ = esportate_ / CartellaBookmakerRicerca(p.bookmaker);
    }

    EsitoRicercaStrategie Esegui() {
        if (p_.bookmaker < 0 || p_.bookmaker >= kNumeroBookmaker) {
            esito_.errore = "Bookmaker non valido.";
            return esito_;
        }
        if (p_.salvaTesto)
            ApriTesto();
        if (p_.salvaHtml) {
            fileHtml_ = esportate_ / NomeFile("RicercaStrategie", p_.bookmaker, oggi_, "htm");
            pagina_ = InizioPaginaRicercaHtml(p_, oggi_);
            ScriviHtml();
        }
        if (p_.distinti) {
            for (int c = 0; c < kNumeroCampionati && !esito_.fermata; ++c) {
                if (!p_.inclusi[static_cast<std::size_t>(c)])
                    continue;
                std::array<bool, kNumeroCampionati> solo{};
                solo[static_cast<std::size_t>(c)] = true;
                const std::string nome(Campionato(c).nome);
                rapporto_.Campionato(nome);
                rapporto_.Svuota();
                rapporto_.Aggiungi(TestoInizioCampionato(nome));
                Passaggio(solo);
            }
        } else {
            rapporto_.Campionato("Tutti i campionati selezionati");
            Passaggio(p_.inclusi);
        }
        if (!esito_.fermata && settimaneLette_ == 0 && esito_.errore.empty()) {
            // A folder whose list of weeks is empty, or whose weeks are all
            // before the start or of other championships: say so, rather
            // than end as if the search had found nothing.
            std::string t;
            AggiungiFormato(t,
                            "Nessuna settimana dell'archivio di %s dal %d/%d/%d per i campionati "
                            "scelti (%s).",
                            NomeBookmakerRicerca(p_.bookmaker), p_.dataInizio.giorno,
                            p_.dataInizio.mese, p_.dataInizio.anno, cartella_.string().c_str());
            Errore(t);
        }
        if (!esito_.fermata) {
            if (!fileHtml_.empty()) {
                pagina_ += kFinePaginaRicerca;
                ScriviHtml();
            }
            if (testo_) {
                if (std::fclose(testo_) != 0)
                    Errore("Il file di testo " + esito_.testo.string() +
                           " non si e' potuto completare.");
                testo_ = nullptr;
                if (!esito_.testo.empty())
                    esito_.messaggioFinale =
                        "Tutte le strategie trovate con rendimento positivo e che rispettano i "
                        "vincoli imposti sono state salvate nel file:\n\n" +
                        esito_.testo.string();
            }
        }
        if (testo_)
            std::fclose(testo_);
        testo_ = nullptr;
        if (!fileHtml_.empty())
            esito_.html = fileHtml_;
        return esito_;
    }

private:
    void Errore(const std::string& e) {
        if (esito_.errore.empty())
            esito_.errore = e;
        else if (esito_.errore.find(e) == std::string::npos)
            esito_.errore += "\n" + e;
    }

    void ApriTesto() {
        const fs::path f = p_.fileTesto.empty()
                               ? esportate_ / NomeFile("TutteStrategie", p_.bookmaker, oggi_, "txt")
                               : p_.fileTesto;
        testo_ = std::fopen(f.string().c_str(), "wb");
        if (!testo_) {
            Errore("Impossibile creare il file di testo " + f.string() +
                   ": la ricerca prosegue senza.");
            return;
        }
        const std::string h = IntestazioneTestoRicerca();
        if (std::fwrite(h.data(), 1, h.size(), testo_) != h.size()) {
            Errore("Impossibile scrivere il file di testo " + f.string() + ".");
            std::fclose(testo_);
            testo_ = nullptr;
            return;
        }
        esito_.testo = f;
    }

    void RigheTesto(const std::vector<Miglioramento>& m, const std::string& gruppo,
                    int disponibili) {
        if (!testo_)
            return;
        std::string s;
        for (const auto& x : m)
            s += RigaTestoRicerca(x.ordinamento, gruppo, x.migliore, disponibili);
        if (std::fwrite(s.data(), 1, s.size(), testo_) != s.size() || std::fflush(testo_) != 0) {
            Errore("Impossibile scrivere il file di testo " + esito_.testo.string() + ".");
            std::fclose(testo_);
            testo_ = nullptr;
            esito_.testo.clear();
        }
    }

    void ScriviHtml() {
        if (fileHtml_.empty())
            return;
        if (!ScriviFileAtomico(fileHtml_, pagina_)) {
            Errore("Impossibile scrivere la pagina HTML " + fileHtml_.string() +
                   ": i risultati restano nella finestra e nelle strategie.");
            fileHtml_.clear();
        }
    }

    SettimanePassaggio Carica(const std::array<bool, kNumeroCampionati>& maschera) {
        SettimanePassaggio s;
        std::string errore;
        auto a = CaricaSettimane(cartella_, p_.dataInizio, maschera, &errore,
                                 std::numeric_limits<std::size_t>::max());
        if (!a) {
            Errore("Nessuna settimana archiviata letta: " + errore);
            return s;
        }
        if (!a->avvisi.empty()) {
            std::string t;
            AggiungiFormato(t, "Settimane o righe non lette: %zu (%s).\r\r\n\r\r\n", a->avvisi.size(),
                   a->avvisi.front().c_str());
            rapporto_.Aggiungi(t);
        }
        settimaneLette_ += a->settimane.size();
        for (auto& w : a->settimane) {
            if (p_.verificaDal && w.data.chiave() >= p_.verificaDal->chiave())
                s.verifica.push_back(std::move(w));
            else
                s.ricerca.push_back(std::move(w));
        }
        return s;
    }

    void Passaggio(const std::array<bool, kNumeroCampionati>& maschera) {
        const SettimanePassaggio w = Carica(maschera);
        const int disponibili = static_cast<int>(w.ricerca.size());
        std::vector<std::string> codici;
        for (int c = 0; c < kNumeroCampionati; ++c)
            if (maschera[static_cast<std::size_t>(c)])
                codici.emplace_back(Campionato(c).codice);
        const std::string gruppo = TestoGruppo(codici);
        static constexpr char kSegni[] = {'1', 'x', '2'};
        for (std::size_t i = 0; i < 3 && !esito_.fermata; ++i) {
            if (!p_.segni[i])
                continue;
            const char segno = kSegni[i];
            rapporto_.Pronostico(std::string(1, SegnoMostrato(segno)));
            rapporto_.Aggiungi(TestoInizioSegno(segno));
            EsitoSegno r;
            if (p_.unica) {
                LimitiCandidato l = *p_.unica;
                if (segno == '1')
                    l.maxProb1 = 1, l.minProbX = 0, l.minProb2 = 0;
                else if (segno == '2')
                    l.maxProb2 = 1, l.minProb1 = 0, l.minProbX = 0;
                else
                    l.maxProbX = 1, l.minProb1 = 0, l.minProb2 = 0;
                r.migliori = ValutaUnica(w.ricerca, p_, segno, l);
                r.candidati = 1;
            } else if (w.ricerca.empty()) {
                // No week to replay: no candidate is tried, every kind stays
                // without a best.
            } else {
                rapporto_.Aggiungi(TestoInizioRicerca());
                r = CercaSegnoBlocchi(
                    w.ricerca, p_, segno, p_.thread,
                    [this](const std::string& t) { rapporto_.Aggiungi(t); }, &contesto_);
            }
            esito_.candidati += r.candidati;
            RigheTesto(r.miglioramenti, gruppo, disponibili);
            if (r.fermata) {
                esito_.fermata = true;
                return;
            }
            Risultati(segno, r.migliori, w, gruppo, codici, maschera);
            rapporto_.Aggiungi(TestoFineSegno(segno));
        }
    }

    void Risultati(char segno, const MiglioriSegno& m, const SettimanePassaggio& w,
                   const std::string& gruppo, const std::vector<std::string>& codici,
                   const std::array<bool, kNumeroCampionati>& maschera) {
        const int disponibili = static_cast<int>(w.ricerca.size());
        if (!fileHtml_.empty())
            pagina_ += InizioSegnoRicercaHtml(segno, disponibili, p_.minSettimaneUtili, gruppo);
        ContestoSalvataggio cs;
        cs.bookmaker = p_.bookmaker;
        cs.segno = segno;
        cs.maxRendimento = p_.maxRendimento;
        cs.codici = codici;
        cs.inclusi = maschera;
        cs.oggi = oggi_;
        cs.settimaneDisponibili = disponibili;
        struct Gruppo {
            bool attivo;
            const char* nome;
        };
        const Gruppo gruppi[] = {{p_.ordinamenti[0] || p_.ordinamenti[1], "PROBABILITA'"},
                                 {p_.ordinamenti[2], "EQUITA'"},
                                 {p_.ordinamenti[3], "QUOTE"}};
        for (int gi = 0; gi < 3; ++gi) {
            if (!gruppi[gi].attivo)
                continue;
            if (!fileHtml_.empty())
                pagina_ += IntestazioneGruppoRicercaHtml(gruppi[gi].nome, p_.verificaDal.has_value());
            for (int t = 0; t < kTipiGiocata; ++t) {
                if (EventiTipoGiocata(t) > p_.eventiDaConsiderare)
                    continue;
                const int o = gi == 0 ? (segno == '1' ? OrdinamentoProbabilita(m, t, p_.maxRendimento)
                                                       : 0)
                                      : gi + 1;
                const MiglioreGiocata& b = m[static_cast<std::size_t>(o)][static_cast<std::size_t>(t)];
                std::optional<VincitoreRicerca> v;
                if (b.giocabili > 0) {
                    v = Vincitore(segno, o, t, gruppo, b, disponibili, w.verifica);
                    rapporto_.Aggiungi(RigaVincitore(*v) + "\r\r\n");
                }
                if (!fileHtml_.empty())
                    pagina_ += RigaRicercaHtml(t, o, b, disponibili, v ? &*v : nullptr);
                if (p_.salvaStrategie &&
                    SalvaStrategiaTrovata(strategie_, prossimoId_, cs, o, t, b))
                    esito_.strategieSalvate = true;
                if (v)
                    esito_.vincitori.push_back(std::move(*v));
            }
            if (!fileHtml_.empty())
                pagina_ += "<tr></tr>";
        }
        if (!fileHtml_.empty()) {
            pagina_ += "</table><p>";
            ScriviHtml();
        }
    }

    VincitoreRicerca Vincitore(char segno, int o, int t, const std::string& gruppo,
                               const MiglioreGiocata& b, int disponibili,
                               const std::vector<SettimanaArchiviata>& verifica) const {
        VincitoreRicerca v;
        v.segno = segno;
        v.ordinamento = o;
        v.tipo = t;
        v.gruppo = gruppo;
        v.rendimento = b.giocabili > 0 ? b.guadagno / b.giocabili : 0;
        v.vincenti = b.vincenti;
        v.giocabili = b.giocabili;
        v.maxRitardo = b.maxRitardo;
        v.settimane = disponibili;
        v.limiti = b.limiti;
        if (p_.verificaDal) {
            const auto tot = ValutaCandidato(verifica, segno, o, b.limiti, p_.eventiDaConsiderare);
            const TotaliGiocata& x = tot[static_cast<std::size_t>(t)];
            v.rendimentoVerifica = x.giocabili > 0 ? x.guadagno / x.giocabili : 0.0;
            v.vincentiVerifica = x.vincenti;
            v.giocabiliVerifica = x.giocabili;
            v.settimaneVerifica = static_cast<int>(verifica.size());
        }
        return v;
    }

    const ParametriRicerca& p_;
    ListaStrategie& strategie_;
    std::int32_t& prossimoId_;
    DataOra oggi_;
    IRapportoRicerca& rapporto_;
    const ContestoLavoro& contesto_;
    fs::path esportate_, cartella_, fileHtml_;
    std::string pagina_;
    std::FILE* testo_ = nullptr;
    std::size_t settimaneLette_ = 0;
    EsitoRicercaStrategie esito_;
};

} // namespace

EsitoRicercaStrategie CercaStrategie(const ParametriRicerca& p, const std::filesystem::path& cartellaLavoro,
                                     ListaStrategie& strategie, std::int32_t& prossimoId,
                                     const DataOra& oggi, IRapportoRicerca& rapporto,
                                     const ContestoLavoro& contesto) {
    Esecuzione e(p, cartellaLavoro, strategie, prossimoId, oggi, rapporto, contesto);
    return e.Esegui();
}

} // namespace veltra
