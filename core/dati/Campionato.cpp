#include "dati/Campionato.h"
#include "dati/DatiCampionati.h"

#include "dati/Archivio.h"
#include "dati/Testo1252.h"

#include <algorithm>

namespace veltra {

namespace {
const ElencoSquadre kNessunaSquadra;
}

void Config::Serializza(Archivio& ar) {
    ar.campo(giornateAnalisi);
    ar.campi(percentualiImportanza);
}

CCampionato::CCampionato(CampionatoId id) : id_(id) {
    config.campionato = static_cast<std::int16_t>(id);
    archivio.campionato = static_cast<std::int16_t>(id);
}

CCampionato::~CCampionato() = default;

DatiCampionati::DatiCampionati() {
    for (int c = 0; c < kNumeroCampionati; ++c) campionati[c] = std::make_unique<CCampionato>(c);
}

DatiCampionati::~DatiCampionati() = default;

const ElencoSquadre& CCampionato::squadreCorrenti() const {
    if (filtroAttivo()) return squadreStagione(stagioneFiltro);
    return config.stagioni.empty() ? kNessunaSquadra : config.stagioni.back();
}

int CCampionato::numeroStagioniCorrenti() const {
    return filtroAttivo() ? stagioneFiltro : config.numeroStagioni();
}

int CCampionato::numeroIncontriCorrenti() const {
    return filtroAttivo() ? ultimoIncontroFiltro : numeroIncontri();
}

const ElencoSquadre& CCampionato::squadreStagione(int s) const {
    if (s < 1 || s > config.numeroStagioni()) return kNessunaSquadra;
    return config.stagioni[static_cast<std::size_t>(s - 1)];
}

int CCampionato::squadreStagioneMassima() const {
    int n = 0;
    for (const auto& s : config.stagioni) n = std::max(n, s.numero());
    return n;
}

std::string NormalizzaNomeSquadra(std::string_view nome) {
    const auto inizio = nome.find_first_not_of(" \t");
    if (inizio == std::string_view::npos) return {};
    const auto fine = nome.find_last_not_of(" \t");
    std::string s(nome.substr(inizio, fine - inizio + 1));
    for (char& ch : s)
        if (ch == ' ' || ch == '\t') ch = '.';
    return s;
}

namespace {
bool NomeValido(const std::string& n) {
    if (n.empty() || Lunghezza1252(n) > kLunghezzaMaxNome) return false;
    for (unsigned char ch : n)
        if (ch <= ' ') return false;
    return true;
}
} // namespace

int AggiungiStagione(CCampionato& c, std::vector<std::string> nomi) {
    if (static_cast<int>(nomi.size()) > kMaxSquadreStagione) return -1;
    if (c.numeroIncontri() >= kNumeroMaxIncontri) return -1;
    for (const auto& n : nomi)
        if (!NomeValido(n)) return -1;
    c.config.stagioni.push_back(ElencoSquadre{std::move(nomi)});
    c.incontri.Aggiungi(Incontro{});
    return 0;
}

int AggiungiIncontro(CCampionato& c, int casa, int trasferta, char risultato) {
    if (c.config.stagioni.empty() || c.numeroIncontri() >= kNumeroMaxIncontri) return -1;
    const int n = c.config.stagioni.back().numero();
    if (casa < 0 || casa >= n || trasferta < 0 || trasferta >= n || casa == trasferta) return -1;
    if (risultato != '1' && risultato != 'X' && risultato != '2') return -1;
    c.incontri.Aggiungi(Incontro{static_cast<std::int16_t>(casa),
                                 static_cast<std::int16_t>(trasferta), risultato});
    return 0;
}

std::unique_ptr<CCampionato> CopiaDati(const CCampionato& c) {
    auto k = std::make_unique<CCampionato>(c.id());
    k->config = c.config;
    k->incontri = c.incontri;
    k->limiteMinCasa = c.limiteMinCasa;
    k->limiteMaxCasa = c.limiteMaxCasa;
    k->limiteMinTrasferta = c.limiteMinTrasferta;
    k->limiteMaxTrasferta = c.limiteMaxTrasferta;
    k->punteggiAvanzati = c.punteggiAvanzati;
    k->reti = c.reti;
    k->calendario = c.calendario;
    k->modello = c.modello;
    k->ultimoIncontroFiltro = c.ultimoIncontroFiltro;
    k->stagioneFiltro = c.stagioneFiltro;
    return k;
}

} // namespace veltra
