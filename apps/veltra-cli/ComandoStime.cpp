// veltra-cli stime: the estimates of one championship of a working folder.
#include "Comandi.h"

#include "app/ArchivioConfigurazione.h"
#include "app/DatiGlobali.h"
#include "dati/FileDati.h"
#include "engine/CMotoreStime.h"
#include "engine/ImpostaParametro.h"
#include "engine/MessaggioStato.h"
#include "engine/rating/ModelloProbabilita.h"
#include "dati/FileAtomico.h"
#include "dati/ModelliStime.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace veltra::cli {

namespace {

// Said under the engine's table, or instead of it, when the engine lacks
// matches of the current season: the rating model starts from the seasons
// before.
constexpr const char* kSuggerimentoRating =
    "Il motore ha bisogno di incontri della stagione corrente: il modello rating stima ogni "
    "coppia dalle stagioni precedenti (veltra-cli stime --modello rating).";

std::string UnaRiga(std::string s) {
    for (char& c : s)
        if (c == '\n') c = ' ';
    return s;
}

void StampaGrezzo(CCampionato& c) {
    CMotoreStime& m = *c.motore;
    std::printf("stato OK\n");
    std::printf("precisione %.9g %.9g %.9g %.9g\n", static_cast<double>(m.precisione1()),
                static_cast<double>(m.precisioneX()), static_cast<double>(m.precisione2()),
                static_cast<double>(m.precisioneMedia()));
    const auto usati = m.PercentualeDatiUsati();
    if (usati)
        std::printf("datiUsati %.9g\n", static_cast<double>(*usati));
    else
        std::printf("datiUsati -\n");
    const float* coeff[3] = {m.coefficienti1(), m.coefficientiX(), m.coefficienti2()};
    const char* segni[3] = {"1", "X", "2"};
    for (int s = 0; s < 3; ++s)
        std::printf("coefficienti%s %.9g %.9g %.9g\n", segni[s], static_cast<double>(coeff[s][0]),
                    static_cast<double>(coeff[s][1]), static_cast<double>(coeff[s][2]));
    std::printf("messaggioStato %s\n",
                FormattaMessaggioStato(c.descrizione().nome, m, usati,
                                       c.punteggiAvanzati.campionatiInclusi)
                    .c_str());
    const int n = c.numeroSquadreCorrenti();
    for (int h = 0; h < n; ++h)
        for (int a = 0; a < n; ++a) {
            if (h == a) continue;
            Stima st;
            if (m.StimaIncontro(h, a, st) != 0)
                std::printf("stima %d %d -\n", h, a);
            else
                std::printf("stima %d %d %.9g %.9g %.9g\n", h, a, static_cast<double>(st.p1),
                            static_cast<double>(st.pX), static_cast<double>(st.p2));
        }
}

void StampaTabella(CCampionato& c) {
    CMotoreStime& m = *c.motore;
    std::printf("%s\n\n", MessaggioStatoDopoStime(c).pannello1.c_str());
    const auto& squadre = c.squadreCorrenti();
    const int n = squadre.numero();
    std::printf("%-15s   %-15s %7s %7s %7s\n", "Casa", "Trasferta", "1", "X", "2");
    int mancanti = 0;
    for (int h = 0; h < n; ++h)
        for (int a = 0; a < n; ++a) {
            if (h == a) continue;
            Stima st;
            const std::string& nh = squadre.nomi[static_cast<std::size_t>(h)];
            const std::string& na = squadre.nomi[static_cast<std::size_t>(a)];
            if (m.StimaIncontro(h, a, st) != 0) {
                std::printf("%-15s - %-15s    (dati insufficienti)\n", nh.c_str(), na.c_str());
                ++mancanti;
            } else {
                std::printf("%-15s - %-15s %6.1f%% %6.1f%% %6.1f%%\n", nh.c_str(), na.c_str(),
                            static_cast<double>(st.p1 * 100), static_cast<double>(st.pX * 100),
                            static_cast<double>(st.p2 * 100));
            }
        }
    if (mancanti > 0) std::printf("\n%s\n", kSuggerimentoRating);
}

// The rating model's table: the same layout, its name in the heading.
void StampaTabellaRating(const CCampionato& c, const IModelloProbabilita& m) {
    std::printf("%s. %s\n\n", std::string(c.descrizione().nome).c_str(),
                TestoModelloInUso(ModelloStime::Rating).c_str());
    const auto& squadre = c.squadreCorrenti();
    const int n = squadre.numero();
    std::printf("%-15s   %-15s %7s %7s %7s\n", "Casa", "Trasferta", "1", "X", "2");
    for (int h = 0; h < n; ++h)
        for (int a = 0; a < n; ++a) {
            if (h == a) continue;
            const std::string& nh = squadre.nomi[static_cast<std::size_t>(h)];
            const std::string& na = squadre.nomi[static_cast<std::size_t>(a)];
            const auto p = m.Stima(h, a);
            if (!p)
                std::printf("%-15s - %-15s    (dati insufficienti)\n", nh.c_str(), na.c_str());
            else
                std::printf("%-15s - %-15s %6.1f%% %6.1f%% %6.1f%%\n", nh.c_str(), na.c_str(), p->p1 * 100,
                            p->pX * 100, p->p2 * 100);
        }
}

void StampaGrezzoRating(const CCampionato& c, const IModelloProbabilita& m) {
    std::printf("stato OK\nmodello rating\n");
    const int n = c.numeroSquadreCorrenti();
    for (int h = 0; h < n; ++h)
        for (int a = 0; a < n; ++a) {
            if (h == a) continue;
            const auto p = m.Stima(h, a);
            if (!p)
                std::printf("stima %d %d -\n", h, a);
            else
                std::printf("stima %d %d %.9g %.9g %.9g\n", h, a, p->p1, p->pX, p->p2);
        }
}

} // namespace

int ComandoStime(const std::vector<std::string>& a) {
    std::optional<std::string> opzioneCartella;
    std::string campionato, filtro, modello;
    std::vector<std::pair<std::string, std::string>> impostazioni;
    bool grezzo = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--cartella")
            opzioneCartella = ValoreCartella(a, i);
        else if (a[i] == "--campionato")
            campionato = ValoreOpzione(a, i);
        else if (a[i] == "--imposta") {
            const std::string v = ValoreOpzione(a, i);
            const auto uguale = v.find('=');
            if (uguale == std::string::npos) throw ErroreUso{"--imposta vuole NOME=VALORE: " + v};
            impostazioni.emplace_back(v.substr(0, uguale), v.substr(uguale + 1));
        } else if (a[i] == "--filtro")
            filtro = ValoreOpzione(a, i);
        else if (a[i] == "--grezzo")
            grezzo = true;
        else if (a[i] == "--modello")
            modello = ValoreOpzione(a, i);
        else
            throw ErroreUso{"opzione sconosciuta: " + a[i]};
    }
    if (campionato.empty()) throw ErroreUso{"manca --campionato"};
    const auto id = CercaCampionato(campionato);
    if (!id) throw ErroreUso{"campionato sconosciuto: " + campionato};
    const auto scelto = modello.empty() ? std::nullopt : ModelloDaNome(modello);
    if (!modello.empty() && !scelto) throw ErroreUso{"--modello vuole migliore, motore o rating: " + modello};
    const std::string cartella = ApriCartellaLettura(opzioneCartella);

    std::unique_ptr<DatiGlobali> dati;
    EsitoFile esito;
    LetturaStabile(cartella, [&] {
        dati = std::make_unique<DatiGlobali>();
        // The folder's own analysis parameters, when it is a complete working folder.
        esito = {};
        if (std::filesystem::exists(std::filesystem::path(cartella) / kFileConfigurazione))
            esito = CaricaConfigurazione(cartella, *dati);
        if (esito) esito = CaricaCampionato(dati->campionato(*id), cartella);
        // The lower division, for the rating model's promoted clubs.
        if (esito && DivisioneInferiore(*id) >= 0)
            esito = CaricaCampionato(dati->campionato(DivisioneInferiore(*id)), cartella);
        // The model in use (the folder's choice; none means the engine).
        if (esito)
            if (const auto testo = LeggiFile(std::filesystem::path(cartella) / kFileModelliStime))
                LeggiTestoModelliStime(*testo, *dati);
        return bool(esito);
    });
    CCampionato& c = dati->campionato(*id);
    if (!esito) {
        std::fprintf(stderr, "veltra-cli: %s (%s)\n", UnaRiga(esito.messaggio).c_str(),
                     esito.dettaglio.c_str());
        return kEsitoCaricamento;
    }
    for (const auto& [nome, valore] : impostazioni)
        if (auto errore = ImpostaParametro(c, nome, valore)) throw ErroreUso{*errore};
    if (!filtro.empty()) {
        const auto due = filtro.find(':');
        const auto pos = due == std::string::npos ? std::nullopt : LeggiIntero(filtro.substr(0, due));
        const auto stagione =
            due == std::string::npos ? std::nullopt : LeggiIntero(filtro.substr(due + 1));
        if (!pos || !stagione || *pos < 0 || *pos >= c.numeroIncontri() || *stagione < 1 ||
            *stagione > c.config.numeroStagioni())
            throw ErroreUso{"--filtro vuole POS:STAGIONE entro i dati: " + filtro};
        c.ultimoIncontroFiltro = static_cast<std::int32_t>(*pos);
        c.stagioneFiltro = static_cast<std::int32_t>(*stagione);
    }
    if (scelto) c.modello = *scelto;
    if (ModelloInUso(*dati, *id) == ModelloStime::Rating) {
        auto m = CreaModelloInUso(*dati, *id);
        if (m->Aggiorna() != 0) {
            if (grezzo)
                std::printf("stato FALLITO\n");
            else
                std::printf("%s\n", kStimePochiIncontri);
            return kEsitoOk;
        }
        if (grezzo)
            StampaGrezzoRating(c, *m);
        else
            StampaTabellaRating(c, *m);
        return kEsitoOk;
    }
    CreaMotore(c);
    if (c.motore->AggiornaStime() != 0) {
        if (grezzo) {
            std::printf("stato FALLITO\n");
        } else {
            std::printf("%s\n", kStimeImpossibili);
            if (c.motore->IncontriInsufficienti()) std::printf("%s\n", kSuggerimentoRating);
        }
        return kEsitoOk;
    }
    if (grezzo)
        StampaGrezzo(c);
    else
        StampaTabella(c);
    return kEsitoOk;
}

} // namespace veltra::cli
