// veltra-cli archivia-settimane: a folder of weekly odds files (".QUO", as
// importa-quote writes them) filed into a bookmaker's archive of weeks under
// "QUOTE-ESPORTATE", each with the results found in the championships' data.
// veltra-cli strategia: the record of one strategy of the working folder over
// such an archive, on one line; with --nuova it first adds a strategy.
#include "Comandi.h"

#include "app/Avvio.h"
#include "app/CartellaDiLavoro.h"
#include "app/DatiGlobali.h"
#include "app/Salvataggio.h"
#include "betting/ArchivioSettimane.h"
#include "betting/FileQuote.h"
#include "betting/ScommessaMgr.h"
#include "betting/StatisticheStrategia.h"
#include "betting/Strategie.h"
#include "dati/FileAtomico.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace veltra::cli {

namespace fs = std::filesystem;

namespace {

// The terminal's answer to "treat the missing result as void?": yes, counted.
class MessaggiNulli : public IMessaggi {
public:
    Risposta Mostra(const std::string& testo, Icona, Pulsanti p, int) override {
        if (p == Pulsanti::SiNo) {
            ++nulli;
            return Risposta::Si;
        }
        std::fprintf(stderr, "%s\n", testo.c_str());
        return Risposta::Ok;
    }
    int nulli = 0;
};

int Bookmaker(const std::string& nome) {
    for (int b = 0; b < kNumeroBookmaker; ++b)
        if (nome == kCartelleBookmaker[static_cast<std::size_t>(b)] ||
            nome == kNomiBookmaker[static_cast<std::size_t>(b)])
            return b;
    throw ErroreUso{"bookmaker sconosciuto: " + nome +
                    " (BETANDWIN, BETZONE, EUROBET, GLOBET, SNAI, ALTROBOOKMAKER)"};
}

int Intero(const std::string& nome, const std::string& v) {
    int x = 0;
    const auto r = std::from_chars(v.data(), v.data() + v.size(), x);
    if (r.ec != std::errc() || r.ptr != v.data() + v.size())
        throw ErroreUso{"valore non valido per " + nome + ": " + v};
    return x;
}

float Reale(const std::string& nome, const std::string& v) {
    float x = 0;
    const auto r = std::from_chars(v.data(), v.data() + v.size(), x);
    if (r.ec != std::errc() || r.ptr != v.data() + v.size())
        throw ErroreUso{"valore non valido per " + nome + ": " + v};
    return x;
}

// "tipo=1,posizione=2,campionati=A;B,minQuota=1.5,..."
EventoStrategia EventoDa(const std::string& testo) {
    EventoStrategia e;
    for (const std::string& campo : Dividi(testo, ',')) {
        const auto uguale = campo.find('=');
        if (uguale == std::string::npos) throw ErroreUso{"atteso NOME=VALORE: " + campo};
        const std::string n = campo.substr(0, uguale), v = campo.substr(uguale + 1);
        struct Campo {
            const char* nome;
            float EventoStrategia::*campo;
        } static constexpr kCampi[] = {
            {"minProb1", &EventoStrategia::minProb1},   {"maxProb1", &EventoStrategia::maxProb1},
            {"minProbX", &EventoStrategia::minProbX},   {"maxProbX", &EventoStrategia::maxProbX},
            {"minProb2", &EventoStrategia::minProb2},   {"maxProb2", &EventoStrategia::maxProb2},
            {"minEquita", &EventoStrategia::minEquita}, {"maxEquita", &EventoStrategia::maxEquita},
            {"minQuota", &EventoStrategia::minQuota},   {"maxQuota", &EventoStrategia::maxQuota},
            {"minProbDoppia", &EventoStrategia::minProbDoppia},
        };
        bool fatto = false;
        for (const Campo& c : kCampi)
            if (n == c.nome) {
                e.*c.campo = Reale(n, v);
                fatto = true;
            }
        if (fatto) continue;
        if (n == "tipo") {
            const int t = Intero(n, v);
            if (t < 0 || t > 13) throw ErroreUso{"tipo fuori da 0..13: " + v};
            e.tipo = static_cast<std::int16_t>(t);
        } else if (n == "posizione") {
            const int p = Intero(n, v);
            if (p < 1 || p > 100) throw ErroreUso{"posizione fuori da 1..100: " + v};
            e.posizione = static_cast<std::int16_t>(p);
        } else if (n == "doppieCalcolate") {
            e.doppieCalcolate = static_cast<std::int16_t>(Intero(n, v) != 0);
        } else if (n == "campionati") {
            e.inclusi.fill(false);
            for (const std::string& c : Dividi(v, ';')) {
                const auto id = CercaCampionato(c);
                if (!id) throw ErroreUso{"campionato sconosciuto: " + c};
                e.inclusi[static_cast<std::size_t>(*id)] = true;
            }
        } else {
            throw ErroreUso{"campo sconosciuto: " + n};
        }
    }
    return e;
}

std::vector<std::int16_t> GiocataDa(const std::string& testo) {
    std::vector<std::int16_t> g;
    for (const std::string& l : Dividi(testo, ',')) {
        if (l.size() != 1 || l[0] < 'A' || l[0] > 'Z')
            throw ErroreUso{"una giocata elenca lettere di eventi (A,B,...): " + testo};
        g.push_back(static_cast<std::int16_t>(l[0] - 'A'));
    }
    return g;
}

} // namespace

int ComandoArchiviaSettimane(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::string quote, bookmaker = "ALTROBOOKMAKER";
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            opzioneCartella = ValoreCartella(a, i);
        else if (a[i] == "--quote")
            quote = ValoreOpzione(a, i);
        else if (a[i] == "--bookmaker")
            bookmaker = ValoreOpzione(a, i);
        else
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
    }
    if (quote.empty()) throw ErroreUso{"manca --quote DIR"};
    const int b = Bookmaker(bookmaker);
    const fs::path origine = PercorsoPiattaforma(quote);
    std::error_code ec;
    if (!fs::is_directory(origine, ec)) throw ErroreUso{"non e' una cartella: " + quote};
    // The odds folder as importa-quote leaves it: a run of it cut short is
    // finished or undone before its files are read.
    if (const EsitoFile e = ApriCartellaInLettura(origine); !e) {
        std::fprintf(stderr, "veltra-cli: %s (%s)\n", e.messaggio.c_str(), e.dettaglio.c_str());
        return kEsitoCaricamento;
    }
    std::vector<fs::path> file;
    for (const auto& voce : fs::directory_iterator(origine, ec)) {
        std::string est = voce.path().extension().string();
        std::transform(est.begin(), est.end(), est.begin(), [](unsigned char c) { return std::toupper(c); });
        if (est == ".QUO") file.push_back(voce.path());
    }
    std::sort(file.begin(), file.end());

    BloccoCartella blocco;
    const std::string cartella = ApriCartellaScrittura(opzioneCartella, blocco, true);
    auto dati = std::make_unique<DatiGlobali>();
    if (EsitoFile e = CaricaDati(*dati, cartella); !e) {
        std::fprintf(stderr, "%s\n", e.messaggio.c_str());
        return kEsitoCaricamento;
    }
    if (!CreaCartelleEsportazione(cartella)) {
        std::fprintf(stderr, "impossibile creare le cartelle di %s\n", kCartellaEsportate);
        return kEsitoCaricamento;
    }
    const fs::path destinazione =
        fs::path(cartella) / kCartellaEsportate / kCartelleBookmaker[static_cast<std::size_t>(b)];
    int archiviate = 0, eventi = 0, rifiutate = 0;
    MessaggiNulli messaggi;
    auto m = std::make_unique<ScommessaMgr>();
    // Every week goes into the archive in one save: a run cut short leaves
    // the archive as it was.
    std::vector<SettimanaDaArchiviare> settimane;
    for (const fs::path& f : file) {
        const std::string nome = f.stem().string();
        if (!DataDaNome(nome)) {
            std::fprintf(stderr, "%s: il nome non e' una data GGMMAA: file ignorato\n", f.string().c_str());
            ++rifiutate;
            continue;
        }
        std::string errore;
        const auto testo = LeggiFile(f, &errore);
        auto letto = testo ? LeggiQuote(*testo, &errore) : std::nullopt;
        if (!letto) {
            std::fprintf(stderr, "%s: %s\n", f.string().c_str(), errore.c_str());
            ++rifiutate;
            continue;
        }
        *m = std::move(*letto);
        for (Evento& e : m->eventi)
            e.esito = '?';
        if (!RecuperaRisultati(*m, *dati, messaggi)) return kEsitoCaricamento;
        settimane.push_back({nome, TestoSettimana(*m)});
        ++archiviate;
        eventi += m->nEventi;
    }
    if (!settimane.empty())
        if (const std::string e = EsportaSettimane(destinazione, settimane); !e.empty()) {
            std::string riga = e;
            std::replace(riga.begin(), riga.end(), '\n', ' ');
            std::fprintf(stderr, "%s\n", riga.c_str());
            return kEsitoCaricamento;
        }
    std::printf("settimane=%d eventi=%d nulli=%d rifiutate=%d cartella=%s\n", archiviate, eventi,
                messaggi.nulli, rifiutate, destinazione.string().c_str());
    return kEsitoOk;
}

int ComandoStrategia(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::string bookmaker, dal = "101102";
    std::optional<int> numero;
    bool nuova = false;
    CStrategiaDesc strategia;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            opzioneCartella = ValoreCartella(a, i);
        else if (a[i] == "--numero")
            numero = Intero("--numero", ValoreOpzione(a, i));
        else if (a[i] == "--bookmaker")
            bookmaker = ValoreOpzione(a, i);
        else if (a[i] == "--dal")
            dal = ValoreOpzione(a, i);
        else if (a[i] == "--nuova") {
            nuova = true;
            strategia.nome = ValoreOpzione(a, i);
        } else if (a[i] == "--evento") {
            if (strategia.eventiStrategia.size() >= static_cast<std::size_t>(kMaxEventiStrategia))
                throw ErroreUso{"al massimo 26 eventi (A..Z)"};
            strategia.eventiStrategia.push_back(EventoDa(ValoreOpzione(a, i)));
        } else if (a[i] == "--giocata")
            strategia.giocate.push_back(GiocataDa(ValoreOpzione(a, i)));
        else
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
    }
    const auto inizio = DataDaNome(dal);
    if (!inizio) throw ErroreUso{"--dal vuole una data GGMMAA valida: " + dal};
    if (nuova) {
        if (const std::string e = ControllaStrategia(strategia); !e.empty()) throw ErroreUso{e};
        BloccoCartella blocco;
        const std::string cartella = ApriCartellaScrittura(opzioneCartella, blocco, true);
        auto dati = std::make_unique<DatiGlobali>();
        MessaggiSuErrore messaggi;
        if (!CaricaAvvio(*dati, cartella, messaggi)) return kEsitoCaricamento;
        AggiungiStrategia(dati->strategie, dati->prossimoIdStrategia, strategia);
        if (!SalvaDati(*dati, cartella, messaggi)) return kEsitoCaricamento;
        std::printf("numero=%d posizione=%zu\n", dati->strategie.strategie.back().numero,
                    dati->strategie.strategie.size());
        return kEsitoOk;
    }
    if (!numero) throw ErroreUso{"manca --numero N (o --nuova NOME)"};
    const std::string cartella = ApriCartellaLettura(opzioneCartella);
    auto dati = std::make_unique<DatiGlobali>();
    if (!LetturaStabile(cartella, [&] {
            dati = std::make_unique<DatiGlobali>();
            return static_cast<bool>(CaricaDati(*dati, cartella));
        })) {
        std::fprintf(stderr, "impossibile leggere i dati di %s\n", cartella.c_str());
        return kEsitoCaricamento;
    }
    const auto& lista = dati->strategie.strategie;
    const auto trovata = std::find_if(lista.begin(), lista.end(),
                                      [&](const CStrategiaDesc& s) { return s.numero == *numero; });
    if (trovata == lista.end()) {
        std::fprintf(stderr, "nessuna strategia con numero %d\n", *numero);
        return kEsitoCaricamento;
    }
    const int b = !bookmaker.empty()   ? Bookmaker(bookmaker)
                  : trovata->daRicerca ? trovata->bookmaker
                                       : kNumeroBookmaker - 1;
    const fs::path archivio =
        fs::path(cartella) / kCartellaEsportate / kCartelleBookmaker[static_cast<std::size_t>(b)];
    std::string errore;
    const auto settimane = CaricaSettimane(archivio, *inizio, MascheraStrategia(*trovata), &errore);
    if (!settimane) {
        std::fprintf(stderr, "%s\n", errore.c_str());
        return kEsitoCaricamento;
    }
    for (const auto& avviso : settimane->avvisi)
        std::fprintf(stderr, "%s\n", avviso.c_str());
    if (settimane->settimane.empty()) {
        // A record of zeros would read as a strategy that never played.
        std::fprintf(stderr,
                     "nessuna settimana archiviata in %s dal %d/%d/%d per i campionati della "
                     "strategia\n",
                     archivio.string().c_str(), inizio->giorno, inizio->mese, inizio->anno);
        return kEsitoCaricamento;
    }
    const StatisticheStrategia s = CalcolaStatistiche(*trovata, settimane->settimane);
    std::printf("%s\n", RigaStatistiche(s).c_str());
    return kEsitoOk;
}

} // namespace veltra::cli
