#include "betting/ArchivioSettimane.h"

#include "betting/RicalcolaEventi.h"
#include "betting/ScommessaMgr.h"
#include "dati/Campionato.h"
#include "dati/DatiCampionati.h"
#include "dati/FileAtomico.h"
#include "dati/Testo1252.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <sstream>

namespace veltra {

namespace fs = std::filesystem;

const std::array<const char*, kNumeroBookmaker> kCartelleBookmaker = {
    "BETANDWIN", "BETZONE", "EUROBET", "GLOBET", "SNAI", "ALTROBOOKMAKER"};
const std::array<const char*, kNumeroBookmaker> kNomiBookmaker = {
    "BETANDWIN", "BETZONE", "EUROBET", "GLOBET", "SNAI", "ALTRO BOOKMAKER"};

namespace {

constexpr const char* kSoloCosi = "\n\nSolo così potrà essere usato nella ricerca delle migliori strategie";

void AggiungiNumero(std::string& s, float v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(v),
                                 std::chars_format::fixed, 6);
    s.append(buf, r.ptr);
}

std::string Token(const std::string& utf8) {
    std::string t = A1252(utf8);
    for (char& c : t)
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') c = '_';
    return t.empty() ? std::string("-") : t;
}

std::string Minuscolo(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::vector<std::string_view> Campi(std::string_view riga, char separatore) {
    std::vector<std::string_view> v;
    std::size_t i = 0;
    while (true) {
        const std::size_t j = riga.find(separatore, i);
        v.push_back(riga.substr(i, j == std::string_view::npos ? std::string_view::npos : j - i));
        if (j == std::string_view::npos) break;
        i = j + 1;
    }
    return v;
}

template <class T> bool Numero(std::string_view t, T& v) {
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

} // namespace

fs::path PercorsoPiattaforma(std::string_view testo) {
    std::string s(testo);
    std::replace(s.begin(), s.end(), '\\', '/');
    return fs::path(s);
}

std::optional<DataSettimana> DataDaNome(std::string_view nome) {
    if (nome.size() != 6 ||
        !std::all_of(nome.begin(), nome.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    DataSettimana d;
    d.giorno = (nome[0] - '0') * 10 + (nome[1] - '0');
    d.mese = (nome[2] - '0') * 10 + (nome[3] - '0');
    d.anno = 2000 + (nome[4] - '0') * 10 + (nome[5] - '0');
    if (d.mese < 1 || d.mese > 12) return std::nullopt;
    // Years 2000..2099: every fourth is a leap year, 2000 included.
    static constexpr int kGiorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int giorni = kGiorni[d.mese - 1] + (d.mese == 2 && d.anno % 4 == 0 ? 1 : 0);
    if (d.giorno < 1 || d.giorno > giorni) return std::nullopt;
    return d;
}

bool RecuperaRisultati(ScommessaMgr& m, const DatiCampionati& dati, IMessaggi& messaggi,
                       const ContestoLavoro* contesto) {
    const int n = std::clamp(m.nEventi, 0, kMaxEventi);
    for (int i = 0; i < n; ++i) {
        if (contesto && contesto->FermoRichiesto()) return false;
        Evento& e = m.eventi[static_cast<std::size_t>(i)];
        char esito = '\0';
        if (e.campionato >= 0 && e.campionato < kNumeroCampionati) {
            const CCampionato& c = dati.campionato(e.campionato);
            const int inizio = std::max(0, m.giornata[static_cast<std::size_t>(e.campionato)]);
            // The season of the first entry looked at: the separators before it.
            int stagione = 0;
            for (int s = 0; s < c.incontri.numeroSeparatori(); ++s)
                if (c.incontri.inizioStagione(s) < inizio) stagione = s + 1;
            for (int k = inizio; k < c.incontri.numero() && !esito; ++k) {
                const Incontro& inc = c.incontri[k];
                if (inc.separatore()) {
                    ++stagione;
                    continue;
                }
                const auto& nomi = c.squadreStagione(stagione).nomi;
                if (inc.casa < 0 || inc.trasferta < 0 ||
                    static_cast<std::size_t>(std::max(inc.casa, inc.trasferta)) >= nomi.size())
                    continue;
                if (nomi[static_cast<std::size_t>(inc.casa)] == e.casa &&
                    nomi[static_cast<std::size_t>(inc.trasferta)] == e.trasferta)
                    esito = inc.risultato;
            }
        }
        if (!esito) {
            char t[200];
            std::snprintf(t, sizeof t,
                          "Il risultato di %s-%s non e' stato trovato.\nDesideri considerare tale "
                          "evento come nullo ?",
                          e.casa.c_str(), e.trasferta.c_str());
            if (messaggi.Mostra(t, Icona::Domanda, Pulsanti::SiNo) != Risposta::Si) {
                messaggi.Mostra(kMessaggioInterrottoSenzaRisultato, Icona::Esclamazione);
                return false;
            }
            esito = '-';
        }
        e.esito = esito;
        if (contesto) contesto->Avanza(i + 1, n);
    }
    return true;
}

std::string TestoSettimana(const ScommessaMgr& m) {
    std::string s;
    const int n = std::clamp(m.nEventi, 0, kMaxEventi);
    for (int i = 0; i < n; ++i) {
        const Evento& e = m.eventi[static_cast<std::size_t>(i)];
        s += e.esito;
        s += '\t';
        s += std::to_string(e.campionato);
        s += '\t';
        s += Token(e.casa);
        s += '\t';
        s += Token(e.trasferta);
        for (int gruppo = 0; gruppo < kVociQuota; gruppo += 3)
            for (const auto* v : {&e.quote, &e.prob, &e.equita})
                for (int k = gruppo; k < gruppo + 3; ++k) {
                    s += '\t';
                    AggiungiNumero(s, (*v)[static_cast<std::size_t>(k)]);
                }
        s += '\t';
        s += Token(e.data);
        s += '\n';
    }
    return s;
}

std::string TestoRiepilogo(const std::vector<std::string>& settimane) {
    std::string s = std::to_string(settimane.size()) + " \n";
    for (const auto& w : settimane)
        s += w + " \n";
    return s;
}

std::optional<std::vector<std::string>> LeggiRiepilogo(std::string_view testo, std::string* errore) {
    std::istringstream in{std::string(testo)};
    long n = -1;
    auto fallisce = [&](const std::string& perche) -> std::optional<std::vector<std::string>> {
        if (errore) *errore = perche;
        return std::nullopt;
    };
    std::string primo;
    if (!(in >> primo) || !Numero(std::string_view(primo), n) || n < 0)
        return fallisce("il numero delle settimane manca o non e' valido");
    std::vector<std::string> v;
    std::string w;
    while (in >> w) {
        if (!DataDaNome(w))
            return fallisce("\"" + w + "\" non e' il nome di una settimana (GGMMAA)");
        v.push_back(w);
    }
    if (static_cast<long>(v.size()) != n)
        return fallisce("annuncia " + std::to_string(n) + " settimane ma ne elenca " +
                        std::to_string(v.size()));
    return v;
}

std::vector<std::string> TogliSettimaneRipetute(std::vector<std::string>& settimane) {
    std::vector<std::string> viste, ripetute;
    std::vector<std::string> tenute;
    for (std::string& w : settimane) {
        if (std::find(viste.begin(), viste.end(), w) != viste.end()) {
            if (std::find(ripetute.begin(), ripetute.end(), w) == ripetute.end())
                ripetute.push_back(w);
            continue;
        }
        viste.push_back(w);
        tenute.push_back(std::move(w));
    }
    settimane = std::move(tenute);
    return ripetute;
}

std::vector<std::string> InserisciSettimana(std::vector<std::string> settimane,
                                            const std::string& nome) {
    // The week file is written anew: its name is listed once, where its date
    // goes, and a list that repeated weeks is mended on the way.
    TogliSettimaneRipetute(settimane);
    settimane.erase(std::remove(settimane.begin(), settimane.end(), nome), settimane.end());
    const auto nuova = DataDaNome(nome);
    auto pos = settimane.end();
    if (nuova) {
        pos = std::find_if(settimane.begin(), settimane.end(), [&](const std::string& w) {
            const auto d = DataDaNome(w);
            return d && d->chiave() > nuova->chiave();
        });
    }
    settimane.insert(pos, nome);
    return settimane;
}

std::string ControllaPercorsoEsportazione(const fs::path& radiceEsportate, const fs::path& percorso) {
    const std::string fuori =
        "ATTENZIONE !\n\nE' necessario salvare il file in una delle cartelle che si trovano "
        "all'interno di :\n\n" +
        radiceEsportate.string() + kSoloCosi;
    const fs::path radice = radiceEsportate.lexically_normal();
    const fs::path cartella = percorso.parent_path().lexically_normal();
    const std::string r = Minuscolo(radice.string());
    std::string c = Minuscolo(cartella.string());
    const bool dentro = c.size() > r.size() && c.compare(0, r.size(), r) == 0 &&
                        (c[r.size()] == '/' || r.back() == '/');
    if (!dentro) return fuori;
    const std::string stem = percorso.stem().string();
    if (stem.size() != 6 ||
        !std::all_of(stem.begin(), stem.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return "ATTENZIONE !\n\nE' necessario salvare il file con un nome che descriva giorno, "
               "mese e anno degli eventi (GGMMAA)" +
               std::string(kSoloCosi);
    if (!DataDaNome(stem))
        return "ATTENZIONE !\n\nE' necessario salvare il file con un nome che descriva una data "
               "valida con giorno, mese e anno degli eventi (GGMMAA)" +
               std::string(kSoloCosi);
    if (Minuscolo(percorso.extension().string()) != ".txt")
        return "ATTENZIONE !\n\nE' necessario salvare il file con estensione .txt" +
               std::string(kSoloCosi);
    std::error_code ec;
    if (!fs::is_regular_file(percorso.parent_path() / kFileSettimane, ec)) return fuori;
    return {};
}

std::string EsportaSettimana(const fs::path& percorso, const ScommessaMgr& m) {
    const fs::path riepilogo = percorso.parent_path() / kFileSettimane;
    std::string errore;
    const auto testo = LeggiFile(riepilogo, &errore);
    if (!testo) return "Errore nella lettura del file di riepilogo delle settimane archiviate.";
    auto settimane = LeggiRiepilogo(*testo, &errore);
    if (!settimane)
        return "Errore nella lettura del file di riepilogo delle settimane archiviate.\n" + errore;
    const auto nuovo = InserisciSettimana(std::move(*settimane), percorso.stem().string());
    SalvataggioAtomico s;
    bool creato = false;
    if (!s.Prepara(percorso, TestoSettimana(m), &creato))
        return creato ? "Errore nell'inizializzazione del file.\nFile corrotto!"
                      : "Errore nell'apertura del file.";
    if (!s.Prepara(riepilogo, TestoRiepilogo(nuovo), &creato))
        return creato ? "Errore nella scrittura del file di riepilogo delle settimane archiviate."
                      : "Errore nella creazione del file di riepilogo delle settimane archiviate.";
    if (!s.Conferma())
        return "Errore nella scrittura del file di riepilogo delle settimane archiviate.";
    return {};
}

std::string EsportaSettimane(const fs::path& cartella,
                             const std::vector<SettimanaDaArchiviare>& settimane) {
    const fs::path riepilogo = cartella / kFileSettimane;
    std::string errore;
    const auto testo = LeggiFile(riepilogo, &errore);
    if (!testo)
        return "Errore nella lettura del file di riepilogo delle settimane archiviate.\n" +
               riepilogo.string() + ": " + errore;
    auto elenco = LeggiRiepilogo(*testo, &errore);
    if (!elenco)
        return "Errore nella lettura del file di riepilogo delle settimane archiviate.\n" +
               riepilogo.string() + ": " + errore;
    SalvataggioAtomico s;
    // A list written with repeats by older versions is mended here.
    TogliSettimaneRipetute(*elenco);
    for (const SettimanaDaArchiviare& w : settimane) {
        // A week filed again replaces its file and keeps its one place.
        if (std::find(elenco->begin(), elenco->end(), w.nome) == elenco->end())
            *elenco = InserisciSettimana(std::move(*elenco), w.nome);
        if (!s.Prepara(cartella / (w.nome + ".txt"), w.testo))
            return "Errore nella scrittura del file della settimana.\n" + s.Errore();
    }
    if (!s.Prepara(riepilogo, TestoRiepilogo(*elenco)) || !s.Conferma())
        return "Errore nella scrittura del file di riepilogo delle settimane archiviate.\n" +
               s.Errore();
    return {};
}

std::vector<std::string> SettimaneDaiFile(const fs::path& cartella) {
    std::vector<std::pair<long, std::string>> trovate;
    std::error_code ec;
    for (fs::directory_iterator it(cartella, ec), fine; !ec && it != fine; it.increment(ec)) {
        const fs::path& p = it->path();
        if (Minuscolo(p.extension().string()) != ".txt") continue;
        const std::string nome = p.stem().string();
        const auto d = DataDaNome(nome);
        if (std::error_code e2; !d || !it->is_regular_file(e2)) continue;
        trovate.emplace_back(d->chiave(), nome);
    }
    std::sort(trovate.begin(), trovate.end());
    std::vector<std::string> v;
    for (auto& [chiave, nome] : trovate)
        if (v.empty() || v.back() != nome) v.push_back(std::move(nome));
    return v;
}

EsitoRiepilogo RiparaRiepilogo(const fs::path& cartella) {
    EsitoRiepilogo r;
    const fs::path riepilogo = cartella / kFileSettimane;
    const LetturaFile l = LeggiFileControllato(riepilogo);
    std::string perche;
    if (l.testo && LeggiRiepilogo(*l.testo, &perche)) return r;
    if (!l.testo && !l.mancante) {
        // Not a file the program can replace (a folder, a fifo...): left alone.
        r.ok = false;
        r.messaggio = riepilogo.string() + ": " + l.errore;
        return r;
    }
    const std::vector<std::string> settimane = SettimaneDaiFile(cartella);
    SalvataggioAtomico s;
    if (l.testo) s.Prepara(cartella / (std::string(kFileSettimane) + ".danneggiato"), *l.testo);
    // An empty list is written as the folder's creation writes it.
    const std::string nuovo = settimane.empty() ? std::string("0") : TestoRiepilogo(settimane);
    if (!s.Prepara(riepilogo, nuovo) || !s.Conferma()) {
        r.ok = false;
        r.messaggio = "Impossibile ricostruire il file di riepilogo delle settimane archiviate.\n" +
                      s.Errore();
        return r;
    }
    if (l.testo)
        r.messaggio = "Il file di riepilogo delle settimane archiviate " + riepilogo.string() +
                      " era danneggiato (" + perche + "): e' stato ricostruito dai file delle " +
                      "settimane presenti (" + std::to_string(settimane.size()) +
                      "); il vecchio e' conservato come " + kFileSettimane + ".danneggiato.";
    else if (!settimane.empty())
        r.messaggio = "Il file di riepilogo delle settimane archiviate " + riepilogo.string() +
                      " mancava: e' stato ricostruito dai file delle settimane presenti (" +
                      std::to_string(settimane.size()) + ").";
    return r;
}

std::vector<Evento> LeggiSettimana(std::string_view testo,
                                   const std::array<bool, kNumeroCampionati>& maschera,
                                   int* scartate, std::size_t massimo) {
    std::vector<Evento> v;
    int perse = 0;
    std::size_t i = 0;
    while (i < testo.size()) {
        std::size_t j = testo.find('\n', i);
        if (j == std::string_view::npos) j = testo.size();
        std::string_view riga = testo.substr(i, j - i);
        i = j + 1;
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        if (riga.empty()) continue;
        const auto c = Campi(riga, '\t');
        Evento e;
        int campionato = -1;
        bool ok = c.size() == 32 && c[0].size() == 1 &&
                  (c[0][0] == '1' || c[0][0] == 'X' || c[0][0] == '2' || c[0][0] == '-') &&
                  Numero(c[1], campionato) && campionato >= 0 && campionato < kNumeroCampionati &&
                  !c[2].empty() && !c[3].empty();
        if (ok) {
            std::size_t f = 4;
            for (int gruppo = 0; gruppo < kVociQuota && ok; gruppo += 3)
                for (auto* q : {&e.quote, &e.prob, &e.equita})
                    for (int k = gruppo; k < gruppo + 3 && ok; ++k)
                        ok = Numero(c[f++], (*q)[static_cast<std::size_t>(k)]);
        }
        if (!ok) {
            ++perse;
            continue;
        }
        if (!maschera[static_cast<std::size_t>(campionato)]) continue;
        e.esito = c[0][0];
        e.campionato = static_cast<std::int16_t>(campionato);
        CorreggiProbabilitaEvento(e); // estimates outside 0..1 of older archives
        e.casa = Da1252(c[2]);
        e.trasferta = Da1252(c[3]);
        e.data = Da1252(c[31]);
        if (v.size() >= massimo) {
            ++perse;
            continue;
        }
        v.push_back(std::move(e));
    }
    if (scartate) *scartate = perse;
    return v;
}

std::optional<ArchivioCaricato> CaricaSettimane(const fs::path& cartella, const DataSettimana& dal,
                                                const std::array<bool, kNumeroCampionati>& maschera,
                                                std::string* errore, std::size_t massimo) {
    const auto testo = LeggiFile(cartella / kFileSettimane, errore);
    if (!testo) return std::nullopt;
    std::string perche;
    auto nomi = LeggiRiepilogo(*testo, &perche);
    if (!nomi) {
        if (errore) *errore = (cartella / kFileSettimane).string() + ": " + perche;
        return std::nullopt;
    }
    ArchivioCaricato a;
    // A week listed twice (archived twice by older versions) would count
    // twice in every record: it is read once, and the next archiving
    // rewrites the list without the repeats.
    for (const std::string& w : TogliSettimaneRipetute(*nomi))
        a.avvisi.push_back(std::string(kFileSettimane) + ": la settimana " + w +
                           " era elencata piu' volte: letta una volta sola");
    for (const std::string& nome : *nomi) {
        const auto d = DataDaNome(nome);
        if (!d || d->chiave() < dal.chiave()) continue;
        std::string e;
        // The export accepts the extension in any case.
        auto settimana = LeggiFile(cartella / (nome + ".txt"), &e);
        if (!settimana && LeggiFileControllato(cartella / (nome + ".TXT")).testo)
            settimana = LeggiFile(cartella / (nome + ".TXT"), &e);
        if (!settimana) {
            a.avvisi.push_back(nome + ".txt: " + e);
            continue;
        }
        int scartate = 0;
        SettimanaArchiviata s{nome, *d, LeggiSettimana(*settimana, maschera, &scartate, massimo)};
        if (scartate)
            a.avvisi.push_back(nome + ".txt: " + std::to_string(scartate) + " righe non lette");
        if (!s.eventi.empty()) a.settimane.push_back(std::move(s));
    }
    return a;
}

void ManagerDaSettimana(const SettimanaArchiviata& s, ScommessaMgr& m) {
    m.Azzera();
    for (const Evento& e : s.eventi) {
        std::array<float, 9> q{}, p{}, eq{};
        for (std::size_t k = 0; k < 9; ++k) {
            q[k] = e.quote[k];
            p[k] = e.prob[k];
            eq[k] = e.equita[k];
        }
        if (!m.AggiungiEventoCompleto(e.campionato, 0, e.casa, e.trasferta, q, p, eq)) break;
        Evento& nuovo = m.eventi[static_cast<std::size_t>(m.nEventi - 1)];
        nuovo.esito = e.esito;
        nuovo.data = e.data;
    }
}

} // namespace veltra
