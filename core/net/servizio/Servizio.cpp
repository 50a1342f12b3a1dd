#include "net/servizio/Servizio.h"

#include "dati/CAnalisi.h"
#include "dati/Campionato.h"
#include "dati/FileAtomico.h"
#include "dati/FileDati.h"
#include "engine/CMotoreStime.h"
#include "net/AnalisiRete.h"
#include "net/FileAggiornamento.h"
#include "platform/Piattaforma.h"

#include <cmath>
#include <cstdio>

namespace veltra {
namespace fs = std::filesystem;

namespace {

constexpr const char* kNonAccettate = "Analisi non accettate: ";

std::string Percentuale(float p) {
    char b[32];
    std::snprintf(b, sizeof b, "%.1f%%", static_cast<double>(p) * 100.0);
    return b;
}

// The fit of `a` on the championship's data; nullopt when the engine cannot
// fit it.
std::optional<float> Precisione(CCampionato& camp, const CAnalisi& a) {
    ApplicaAnalisi(camp, a);
    if (camp.motore->AggiornaStime() != 0) return std::nullopt;
    return (camp.motore->precisione1() + camp.motore->precisioneX() + camp.motore->precisione2()) / 3;
}

// Size and time of a file, to see when it changed ("" when missing).
std::string Firma(const fs::path& f) {
    std::error_code ec;
    const auto dimensione = fs::file_size(f, ec);
    if (ec) return "";
    const auto tempo = fs::last_write_time(f, ec);
    return std::to_string(dimensione) + "@" + std::to_string(tempo.time_since_epoch().count());
}

} // namespace

std::string NomeFileSquadrePubblicate(CampionatoId c) {
    return std::string(Campionato(c).fileSquadre) + ".txt";
}

struct Servizio::DatiCampionato {
    std::string firma;
    std::unique_ptr<CCampionato> campionato; // null when the data cannot be read
    std::string perche;
    // The proposed analysis as last evaluated on these data.
    std::string testoProposta;
    bool propostaValutata = false;
    std::optional<float> precisioneProposta; // nullopt: none in place (or it cannot be fitted)
};

bool NomeSemplice(std::string_view nome) {
    if (nome.empty() || nome.size() > 100 || nome.front() == '.') return false;
    for (char c : nome)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '.' || c == '-' || c == '_'))
            return false;
    return true;
}

std::optional<std::vector<std::string>> LeggiChiavi(std::string_view testo, std::string* errore) {
    std::vector<std::string> chiavi;
    int numero = 0;
    while (!testo.empty()) {
        const auto a = testo.find('\n');
        std::string_view riga = testo.substr(0, a);
        testo = a == std::string_view::npos ? std::string_view{} : testo.substr(a + 1);
        ++numero;
        while (!riga.empty() && (riga.back() == '\r' || riga.back() == ' ' || riga.back() == '\t'))
            riga.remove_suffix(1);
        while (!riga.empty() && (riga.front() == ' ' || riga.front() == '\t')) riga.remove_prefix(1);
        if (riga.empty() || riga.front() == '#') continue;
        if (!ChiaveValida(riga)) {
            if (errore)
                *errore = "riga " + std::to_string(numero) +
                          ": non e' una chiave valida (da 8 a 200 caratteri tra lettere, cifre e . _ ~ + / = -)";
            return std::nullopt;
        }
        chiavi.emplace_back(riga);
    }
    if (chiavi.empty()) {
        if (errore) *errore = "nessuna chiave nel file";
        return std::nullopt;
    }
    return chiavi;
}

bool ChiaveAmmessa(const std::vector<std::string>& chiavi, std::string_view autorizzazione) {
    // "Bearer KEY"; the scheme's name in any case.
    constexpr std::string_view kSchema = "bearer ";
    std::string_view data;
    if (autorizzazione.size() > kSchema.size()) {
        bool schema = true;
        for (std::size_t i = 0; i < kSchema.size(); ++i)
            schema = schema && std::tolower(static_cast<unsigned char>(autorizzazione[i])) == kSchema[i];
        if (schema) data = autorizzazione.substr(kSchema.size());
    }
    while (!data.empty() && data.front() == ' ') data.remove_prefix(1);
    while (!data.empty() && data.back() == ' ') data.remove_suffix(1);
    // Every key is compared over the same length, to the end: the time
    // tells nothing of how much of a key was right, nor which one matched.
    constexpr std::size_t kConfronto = 256;
    unsigned trovata = 0;
    for (const std::string& k : chiavi) {
        unsigned diversi = static_cast<unsigned>(k.size() != data.size()) |
                           static_cast<unsigned>(data.size() > kConfronto);
        for (std::size_t i = 0; i < kConfronto; ++i) {
            const unsigned char a = i < k.size() ? static_cast<unsigned char>(k[i]) : 0;
            const unsigned char b = i < data.size() ? static_cast<unsigned char>(data[i]) : 0;
            diversi |= static_cast<unsigned>(a ^ b);
        }
        trovata |= static_cast<unsigned>(diversi == 0);
    }
    return trovata != 0;
}

Servizio::Servizio(fs::path cartella, const IOrologio& orologio, RegoleServizio regole)
    : cartella_(std::move(cartella)), orologio_(orologio), regole_(std::move(regole)) {
    for (auto& d : dati_) d = std::make_unique<DatiCampionato>();
}

Servizio::~Servizio() = default;

bool Servizio::Apri(std::string* errore) {
    // A proposed analysis being written when the process died left its
    // temporary file: the proposal itself is the old one or the new one.
    std::error_code ec;
    for (const auto& f : fs::directory_iterator(cartella_ / kCartellaSquadre, ec))
        if (NomeTemporaneo(f.path().filename().string())) fs::remove(f.path(), ec);
    return archivio_.Apri(cartella_, errore);
}

RispostaServizio Servizio::Gestisci(const RichiestaServizio& q) {
    std::string_view percorso = q.percorso;
    const auto domanda = percorso.find('?');
    if (domanda != std::string_view::npos) percorso = percorso.substr(0, domanda);
    if (q.metodo == "GET" || q.metodo == "HEAD") {
        for (const char* sotto : {kCartellaSquadre, kCartellaAggiornamenti}) {
            const std::string prefisso = "/" + std::string(sotto) + "/";
            if (percorso.substr(0, prefisso.size()) == prefisso)
                return File(sotto, percorso.substr(prefisso.size()));
        }
        return {404, "File non trovato\n"};
    }
    if (q.metodo == "POST" && percorso == kPercorsoInvio) return Invio(q);
    RispostaServizio r{405, "Richiesta non ammessa\n"};
    r.intestazioni.emplace_back("Allow", percorso == kPercorsoInvio ? "POST" : "GET, HEAD");
    return r;
}

RispostaServizio Servizio::File(std::string_view sottocartella, std::string_view nome) const {
    if (!NomeSemplice(nome)) return {404, "File non trovato\n"};
    const auto letto = LeggiFileControllato(cartella_ / sottocartella / nome, 16u << 20);
    if (!letto.testo) return {404, "File non trovato\n"};
    return {200, *letto.testo};
}

bool Servizio::Permesso(std::string_view indirizzo, int* attesa) {
    if (!regole_.chiavi.empty() || regole_.inviiPerMinuto <= 0) return true;
    const double capienza = regole_.inviiPerMinuto;
    const double alSecondo = capienza / 60.0;
    const auto ora = std::chrono::steady_clock::now();
    std::lock_guard<std::mutex> l(limiti_);
    // Addresses quiet for long enough are full again: forgotten.
    if (perIndirizzo_.size() > 10000)
        for (auto i = perIndirizzo_.begin(); i != perIndirizzo_.end();)
            i = std::chrono::duration<double>(ora - i->second.ultimo).count() * alSecondo >= capienza
                    ? perIndirizzo_.erase(i)
                    : std::next(i);
    auto [i, nuovo] = perIndirizzo_.try_emplace(std::string(indirizzo));
    Gettoni& g = i->second;
    if (nuovo)
        g.disponibili = capienza;
    else
        g.disponibili = std::min(
            capienza, g.disponibili + std::chrono::duration<double>(ora - g.ultimo).count() * alSecondo);
    g.ultimo = ora;
    if (g.disponibili < 1.0) {
        *attesa = static_cast<int>(std::ceil((1.0 - g.disponibili) / alSecondo));
        return false;
    }
    g.disponibili -= 1.0;
    return true;
}

Servizio::DatiCampionato& Servizio::Dati(CampionatoId c) {
    DatiCampionato& d = *dati_[static_cast<std::size_t>(c)];
    const fs::path cartella = cartella_ / kCartellaAggiornamenti;
    const fs::path risultati = cartella / NomeFileAggiornamento(c);
    const fs::path squadre = cartella / NomeFileSquadrePubblicate(c);
    const std::string firma = Firma(risultati) + "|" + Firma(squadre);
    if (firma == d.firma && (d.campionato || !d.perche.empty())) return d;
    d = DatiCampionato{};
    d.firma = firma;
    const auto testoSquadre = LeggiFileControllato(squadre);
    const auto testoRisultati = LeggiFileControllato(risultati);
    if (!testoSquadre.testo || !testoRisultati.testo) {
        d.perche = "il servizio non ha i dati pubblicati di questo campionato";
        return d;
    }
    auto camp = std::make_unique<CCampionato>(c);
    if (!LeggiTestoSquadre(*testoSquadre.testo, kMaxSquadreStagione, camp->config.stagioni) ||
        !LeggiTestoIncontri(*testoRisultati.testo, camp->config.stagioni, camp->incontri) ||
        camp->config.numeroStagioni() < 1) {
        d.perche = "i dati pubblicati di questo campionato non si possono leggere";
        return d;
    }
    CreaMotore(*camp);
    d.campionato = std::move(camp);
    return d;
}

RispostaServizio Servizio::Invio(const RichiestaServizio& q) {
    if (q.corpo.size() > kMaxCorpoInvio)
        return {413, std::string(kNonAccettate) + "invio troppo grande (al massimo 512 KB)\n"};
    if (!regole_.chiavi.empty() && !ChiaveAmmessa(regole_.chiavi, q.autorizzazione)) {
        RispostaServizio r{401, std::string(kNonAccettate) +
                                    "chiave mancante o non valida: questo servizio accetta analisi "
                                    "solo dai soci del club\n"};
        r.intestazioni.emplace_back("WWW-Authenticate", "Bearer realm=\"veltra\"");
        return r;
    }
    if (int attesa = 0; !Permesso(q.indirizzo, &attesa)) {
        RispostaServizio r{429, std::string(kNonAccettate) + "troppi invii da questo indirizzo, "
                                                             "riprovare tra " +
                                    std::to_string(attesa) + " secondi\n"};
        r.intestazioni.emplace_back("Retry-After", std::to_string(attesa));
        return r;
    }
    std::string perche;
    const auto letto = LeggiCorpoInvio(q.corpo, &perche);
    if (!letto) return {422, std::string(kNonAccettate) + perche + "\n"};

    const std::tm ora = orologio_.Adesso();
    char data[32], titoloData[32];
    std::strftime(data, sizeof data, "%Y-%m-%d %H:%M:%S", &ora);
    std::strftime(titoloData, sizeof titoloData, "%d/%m/%Y", &ora);
    const std::string autore = letto->autore.empty() ? "Anonimo" : letto->autore;

    std::lock_guard<std::mutex> blocco(giudizio_);
    // Every analysis within the seasons the service holds, or none is taken.
    for (std::size_t k = 0; k < letto->analisi.size(); ++k) {
        const AnalisiCampionato& a = letto->analisi[k];
        const DatiCampionato& d = Dati(a.campionato);
        if (!d.campionato) continue;
        if (std::string v = VerificaAnalisi(a, d.campionato->config.numeroStagioni()); !v.empty())
            return {422, std::string(kNonAccettate) + "analisi " + std::to_string(k + 1) + ": " + v + "\n"};
    }

    std::vector<AnalisiConservata> conservate;
    std::vector<std::string> righe;
    std::map<CampionatoId, std::pair<std::size_t, std::string>> nuoveProposte; // index, text
    for (std::size_t k = 0; k < letto->analisi.size(); ++k) {
        const AnalisiCampionato& a = letto->analisi[k];
        const std::string nome(Campionato(a.campionato).nome);
        DatiCampionato& d = Dati(a.campionato);
        AnalisiConservata c;
        c.ricevuta = data;
        c.indirizzo = std::string(q.indirizzo);
        c.autore = autore;
        c.campionato = a.campionato;
        const std::string riga = RigaProvaLocale(a);
        c.campi = riga.substr(3, riga.size() - 4); // without "-2 " and the line end
        std::string esito = "Analisi n. " + std::to_string(k + 1) + " (" + nome + "): accettata";
        if (!d.campionato) {
            esito += ", non valutata: " + d.perche;
        } else {
            // The analysis in place, evaluated once on these data.
            const fs::path fileProposta = cartella_ / kCartellaSquadre / NomeFileRicezione(a.campionato);
            const auto inPosto = LeggiFileControllato(fileProposta, 64 * 1024);
            const std::string testoInPosto = inPosto.testo.value_or("");
            if (!d.propostaValutata || testoInPosto != d.testoProposta) {
                d.testoProposta = testoInPosto;
                d.propostaValutata = true;
                d.precisioneProposta.reset();
                const RispostaAnalisi r = LeggiRispostaAnalisi(
                    testoInPosto, a.campionato, d.campionato->config.numeroStagioni());
                if (r.tipo == RispostaAnalisi::Analisi)
                    d.precisioneProposta = Precisione(*d.campionato, r.proposta.analisi);
            }
            const std::optional<float> p = Precisione(*d.campionato, a.analisi);
            if (!p) {
                esito += ", non valutata: le stime non si possono calcolare con questi parametri";
            } else {
                c.precisione = *p;
                if (!d.precisioneProposta || *p > *d.precisioneProposta) {
                    c.proposta = true;
                    esito += ", ora proposta come migliore (precisione " + Percentuale(*p) + ")";
                    d.precisioneProposta = *p;
                    nuoveProposte[a.campionato] = {conservate.size(),
                                                   TestoProposta(a, autore + "_" + titoloData)};
                } else {
                    esito += ", non proposta: precisione " + Percentuale(*p) + " contro " +
                             Percentuale(*d.precisioneProposta) + " di quella proposta";
                }
            }
        }
        conservate.push_back(std::move(c));
        righe.push_back(std::move(esito));
    }
    // Only the last analysis proposed for a championship is marked so.
    for (auto& c : conservate) c.proposta = false;
    for (const auto& [campionato, v] : nuoveProposte) conservate[v.first].proposta = true;

    bool pieno = false;
    std::string errore;
    if (!archivio_.Aggiungi(conservate, regole_.massimoAnalisi, &pieno, &errore)) {
        // Nothing was taken: what was judged is forgotten.
        for (const auto& [campionato, v] : nuoveProposte) dati_[static_cast<std::size_t>(campionato)]->propostaValutata = false;
        if (pieno)
            return {507, std::string(kNonAccettate) + "l'archivio del servizio e' pieno\n"};
        return {500, std::string(kNonAccettate) + "impossibile conservarle (" + errore + ")\n"};
    }
    fs::create_directories(cartella_ / kCartellaSquadre);
    for (const auto& [campionato, v] : nuoveProposte) {
        const fs::path f = cartella_ / kCartellaSquadre / NomeFileRicezione(campionato);
        DatiCampionato& d = *dati_[static_cast<std::size_t>(campionato)];
        if (ScriviFileAtomico(f, v.second))
            d.testoProposta = v.second;
        else
            d.propostaValutata = false;
    }
    std::string risposta = "Analisi ricevute: " + std::to_string(letto->analisi.size()) + "\n";
    for (const std::string& r : righe) risposta += r + "\n";
    return {200, risposta};
}

} // namespace veltra
