#include "pools/CNuovaSchedina.h"

#include "dati/DatiCampionati.h"
#include "engine/CMotoreStime.h"
#include "engine/rating/ModelloProbabilita.h"
#include "platform/Messaggi.h"
#include "pools/CCondizionamenti.h"
#include "pools/OperazioniSchedina.h"
#include "pools/StimeSchedina.h"

#include <algorithm>
#include <cstdio>

namespace veltra {

namespace {

std::string ConNome(const char* formato, std::string_view nome) {
    const std::string n(nome);
    std::vector<char> buf(std::char_traits<char>::length(formato) + n.size() + 1);
    std::snprintf(buf.data(), buf.size(), formato, n.c_str());
    return buf.data();
}

std::string NomeCampionato(int c) { return std::string(Campionato(c).nome); }

std::string Taglia(std::string nome) {
    if (nome.size() > Partita::kLunghezzaNome) nome.resize(Partita::kLunghezzaNome);
    return nome;
}

void Scrivi(Schedina& s, int riga, Partita p, const Probabilita3& pr) {
    p.prob1 = pr[0];
    p.probX = pr[1];
    p.prob2 = pr[2];
    PropostaBase(p, s.probMinSegno, s.probMinFissa, true);
    s.partite[static_cast<std::size_t>(riga)] = std::move(p);
}

} // namespace

bool InserisciPartita(Schedina& s, const DatiCampionati& dati, int riga, int campionato, int casa,
                      int trasferta) {
    if (riga < 0 || riga >= kRigheSchedina) return false;
    const auto pr = StimaPartita(dati, campionato, casa, trasferta, s.bonusSegno2);
    if (!pr) return false;
    const auto& nomi = dati.campionato(campionato).squadreCorrenti().nomi;
    Partita p;
    p.campionato = static_cast<std::int16_t>(campionato);
    p.squadraCasa = Taglia(nomi[static_cast<std::size_t>(casa)]);
    p.squadraTrasferta = Taglia(nomi[static_cast<std::size_t>(trasferta)]);
    Scrivi(s, riga, std::move(p), *pr);
    return true;
}

void InserisciAltroIncontro(Schedina& s, const DatiCampionati& dati, int riga, std::string casa,
                            std::string trasferta, const std::array<char, 5>& formaCasa,
                            const std::array<char, 5>& formaTrasferta) {
    if (riga < 0 || riga >= kRigheSchedina) return;
    if (casa.empty()) casa = "Squadra_1";
    if (trasferta.empty()) trasferta = "Squadra_2";
    std::replace(casa.begin(), casa.end(), ' ', '_');
    std::replace(trasferta.begin(), trasferta.end(), ' ', '_');
    Partita p;
    p.campionato = -1;
    p.squadraCasa = Taglia(casa);
    p.squadraTrasferta = Taglia(trasferta);
    p.formaCasa = formaCasa;
    p.formaTrasferta = formaTrasferta;
    Scrivi(s, riga, std::move(p), StimaAltroIncontro(dati, formaCasa, formaTrasferta, s.bonusSegno2));
}

const std::vector<std::string>& PronosticiSelezionabili() {
    static const std::vector<std::string> elenco = {"1",   "X",   "2",   "1X",  "X1",
                                                    "X2",  "2X",  "12",  "21",  "1X2",
                                                    "12X", "X12", "X21", "21X", "2X1"};
    return elenco;
}

CNuovaSchedina::CNuovaSchedina(DatiCampionati& dati, Schedina& schedina,
                               CCondizionamenti& condizioni)
    : dati_(dati), s_(schedina), condizioni_(condizioni) {}

void CNuovaSchedina::Inizia() {
    SalvaCopia(s_);
    condizioni_.copia = condizioni_;
    Azzera(s_);
    static_cast<CondizioniRiduzione&>(condizioni_) = CondizioniRiduzione{};
    stimeFatte_ = {};
    pagina_ = -1;
}

void CNuovaSchedina::Annulla() {
    RipristinaCopia(s_);
    static_cast<CondizioniRiduzione&>(condizioni_) = condizioni_.copia;
}

void CNuovaSchedina::Concludi() {
    s_.schedinaAssente = 0;
    dati_.datiModificati = 1;
}

bool CNuovaSchedina::ApriPagina(int n, IMessaggi& messaggi) {
    if (n < 0 || n >= kNumeroCampionati) return false;
    bool senzaStime = false;
    if (!stimeFatte_[static_cast<std::size_t>(n)]) {
        CCampionato& c = dati_.campionato(n);
        const bool riuscito = AggiornaStimeCampionato(dati_, n);
        // The engine still lacks matches of the season: the rating model,
        // which starts from the seasons before, is offered.
        if (OffrireModelloRating(dati_, n, riuscito) &&
            messaggi.Mostra(kOffertaModelloRating, Icona::Domanda, Pulsanti::SiNo) == Risposta::Si) {
            c.modello = ModelloStime::Rating;
            dati_.datiModificati = 1;
            // The coupon, the bets and the status bar follow the new model.
            dati_.notifiche.Pubblica({Cambiamento::Analisi, n, true});
            if (AggiornaStimeCampionato(dati_, n))
                stimeFatte_[static_cast<std::size_t>(n)] = true;
            else
                senzaStime = true;
        } else if (!riuscito) {
            // A championship still short of matches (an empty one, or its
            // first matchdays) has nothing to offer but is no failure: its
            // page says so and the wizard goes on to the next.
            // The rating model fails only when there is no match to fit.
            if (c.modello == ModelloStime::Motore && (!c.motore || !c.motore->IncontriInsufficienti())) {
                messaggi.Errore(ConNome(kStimeCampionatoImpossibili, NomeCampionato(n)),
                                kAiutoStimeFallite);
                return false;
            }
            senzaStime = true;
        } else {
            stimeFatte_[static_cast<std::size_t>(n)] = true;
        }
    }
    pagina_ = n;
    paginaSenzaStime_ = senzaStime;
    primaRiga_ = RigheRiempite(s_);
    piazzate_.clear();
    indiciPiazzate_.clear();
    disponibili_.clear();
    indiciDisponibili_.clear();
    if (senzaStime) return true;
    const auto& nomi = dati_.campionato(n).squadreCorrenti().nomi;
    for (std::size_t i = 0; i < nomi.size(); ++i) {
        const std::string nome = Taglia(nomi[i]);
        const bool inSchedina = std::any_of(s_.partite.begin(), s_.partite.end(), [&](const Partita& p) {
            return !Vuota(p) && p.campionato == n && (p.squadraCasa == nome || p.squadraTrasferta == nome);
        });
        if (inSchedina) continue;
        disponibili_.push_back(nomi[i]);
        indiciDisponibili_.push_back(static_cast<int>(i));
    }
    return true;
}

std::string CNuovaSchedina::titoloPagina() const {
    return ConNome("MARVEN - Impostazione Nuova Schedina: Incontri %s", NomeCampionato(pagina_));
}

std::string CNuovaSchedina::etichettaPagina() const {
    if (paginaSenzaStime_) return ConNome(kPaginaSenzaStime, NomeCampionato(pagina_));
    return ConNome("Inserire gli incontri di %s", NomeCampionato(pagina_));
}

int CNuovaSchedina::righePiene() const {
    return primaRiga_ + static_cast<int>(piazzate_.size() + 1) / 2;
}

bool CNuovaSchedina::aggiungiAbilitato() const {
    return !disponibili_.empty() && !(righePiene() >= kRigheSchedina && piazzate_.size() % 2 == 0);
}

bool CNuovaSchedina::Aggiungi(int indice, IMessaggi& messaggi) {
    if (!aggiungiAbilitato()) return false;
    if (indice < 0 || indice >= static_cast<int>(disponibili_.size())) {
        messaggi.Errore(kSelezionareSquadra);
        return false;
    }
    const auto i = static_cast<std::size_t>(indice);
    piazzate_.push_back(disponibili_[i]);
    indiciPiazzate_.push_back(indiciDisponibili_[i]);
    disponibili_.erase(disponibili_.begin() + indice);
    indiciDisponibili_.erase(indiciDisponibili_.begin() + indice);
    return true;
}

bool CNuovaSchedina::Togli() {
    if (piazzate_.empty()) return false;
    const int indice = indiciPiazzate_.back();
    // Back in its place in the championship's order.
    const auto pos = std::lower_bound(indiciDisponibili_.begin(), indiciDisponibili_.end(), indice);
    const auto k = pos - indiciDisponibili_.begin();
    indiciDisponibili_.insert(pos, indice);
    disponibili_.insert(disponibili_.begin() + k, piazzate_.back());
    piazzate_.pop_back();
    indiciPiazzate_.pop_back();
    return true;
}

bool CNuovaSchedina::avantiAbilitato() const { return piazzate_.size() % 2 == 0; }

bool CNuovaSchedina::indietroAbilitato() const {
    return pagina_ > 0 && piazzate_.size() % 2 == 0 && righePiene() < kRigheSchedina;
}

std::string CNuovaSchedina::testoAvanti() const {
    if (righePiene() >= kRigheSchedina && piazzate_.size() % 2 == 0) return "&Schedina >>";
    if (pagina_ >= kNumeroCampionati - 1) return "&Altri >>";
    return NomeCampionato(pagina_ + 1) + " >>";
}

std::string CNuovaSchedina::suggerimentoAvanti() const {
    if (righePiene() >= kRigheSchedina && piazzate_.size() % 2 == 0) return "Visualizza la schedina";
    if (pagina_ >= kNumeroCampionati - 1)
        return "Prosegue la formazione della schedina con squadre di altre serie";
    return ConNome("Prosegue la formazione della schedina con squadre di %s",
                   NomeCampionato(pagina_ + 1));
}

std::string CNuovaSchedina::testoIndietro() const {
    return pagina_ > 0 ? "<< " + NomeCampionato(pagina_ - 1) : std::string();
}

std::string CNuovaSchedina::suggerimentoIndietro() const {
    return pagina_ > 0 ? ConNome("Prosegue la formazione della schedina tornando alle squadre di %s",
                                 NomeCampionato(pagina_ - 1))
                       : std::string();
}

bool CNuovaSchedina::LasciaPagina(IMessaggi& messaggi) {
    if (piazzate_.size() % 2 != 0) return false;
    std::vector<Probabilita3> stime;
    for (std::size_t k = 0; k + 1 < indiciPiazzate_.size(); k += 2) {
        const auto pr = StimaPartita(dati_, pagina_, indiciPiazzate_[k], indiciPiazzate_[k + 1],
                                     s_.bonusSegno2);
        if (!pr) {
            messaggi.Errore(kProbabilitaSchedinaImpossibili, kAiutoStimeFallite);
            return false;
        }
    }
    for (std::size_t k = 0; k + 1 < indiciPiazzate_.size(); k += 2)
        InserisciPartita(s_, dati_, RigheRiempite(s_), pagina_, indiciPiazzate_[k],
                         indiciPiazzate_[k + 1]);
    piazzate_.clear();
    indiciPiazzate_.clear();
    primaRiga_ = RigheRiempite(s_);
    return true;
}

bool CNuovaSchedina::pagineFinite() const {
    return RigheRiempite(s_) >= kRigheSchedina || pagina_ >= kNumeroCampionati - 1;
}

bool CNuovaSchedina::altriNecessari() const { return RigheRiempite(s_) < kRigheSchedina; }

bool CNuovaSchedina::ApriAltri(IMessaggi& messaggi) {
    if (!AggiornaStimeAltriIncontri(dati_)) {
        messaggi.Errore(ConNome(kStimeCampionatoImpossibili, NomeCampionato(0)), kAiutoStimeFallite);
        return false;
    }
    rigaAltri_ = rigaInizioAltri_ = RigheRiempite(s_);
    schedinaAltri_ = rigaAltri_ >= kRigheSchedina - 1;
    return true;
}

int CNuovaSchedina::giornateAltri() const {
    return std::clamp<int>(dati_.campionato(0).config.giornateAnalisi, 1, 5);
}

bool CNuovaSchedina::AggiungiAltro(const std::string& casa, const std::string& trasferta,
                                   const std::array<char, 5>& formaCasa,
                                   const std::array<char, 5>& formaTrasferta) {
    if (rigaAltri_ >= kRigheSchedina) return false;
    // Beyond the analysis matchdays the results are not asked for.
    std::array<char, 5> fc = formaCasa, ft = formaTrasferta;
    for (int i = giornateAltri(); i < 5; ++i) fc[i] = ft[i] = '-';
    InserisciAltroIncontro(s_, dati_, rigaAltri_, casa, trasferta, fc, ft);
    ++rigaAltri_;
    if (rigaAltri_ >= kRigheSchedina) schedinaAltri_ = true;
    return true;
}

bool CNuovaSchedina::TogliAltro() {
    if (!togliAltroAbilitato()) return false;
    --rigaAltri_;
    // The row is emptied at once, so a coupon finished later holds no stale match.
    s_.partite[static_cast<std::size_t>(rigaAltri_)] = Partita{};
    schedinaAltri_ = false;
    return true;
}

} // namespace veltra
