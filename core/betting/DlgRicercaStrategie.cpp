#include "betting/DlgRicercaStrategie.h"

#include "dati/DatiCampionati.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace veltra {

std::string TestoVocePercentuale(int indice) {
    if (indice <= 0) return "0 (Qualsiasi)";
    if (indice >= kVociPercentuale - 1) return "100 (Tutte)";
    return std::to_string(indice * 5);
}

// ---- step 1 ----------------------------------------------------------------

CDlgParametriRicerca::CDlgParametriRicerca(DataSettimana oggi) : oggi_(oggi) {
    if (oggi_.chiave() < kDataMinima.chiave()) oggi_ = kDataMinima;
    p_.dataInizio = Limita(p_.dataInizio);
    // The check starts a year before today.
    DataSettimana v{oggi_.giorno, oggi_.mese, oggi_.anno - 1};
    if (v.mese == 2 && v.giorno == 29) v.giorno = 28;
    dataVerifica_ = Limita(v);
}

DataSettimana CDlgParametriRicerca::Limita(DataSettimana d) const {
    if (d.chiave() < kDataMinima.chiave()) return kDataMinima;
    if (d.chiave() > oggi_.chiave()) return oggi_;
    return d;
}

void CDlgParametriRicerca::ImpostaBookmaker(int b) {
    if (b >= 0 && b < kNumeroBookmaker) p_.bookmaker = b;
}

void CDlgParametriRicerca::ImpostaDataInizio(DataSettimana d) { p_.dataInizio = Limita(d); }

void CDlgParametriRicerca::ImpostaSegno(int s, bool v) {
    if (s >= 0 && s < 3) p_.segni[static_cast<std::size_t>(s)] = v;
}

bool CDlgParametriRicerca::gruppoOrdinamento(int g) const {
    switch (g) {
    case 0: return p_.ordinamenti[0];
    case 1: return p_.ordinamenti[2];
    case 2: return p_.ordinamenti[3];
    default: return false;
    }
}

void CDlgParametriRicerca::ImpostaGruppoOrdinamento(int g, bool v) {
    switch (g) {
    case 0: p_.ordinamenti[0] = p_.ordinamenti[1] = v; break;
    case 1: p_.ordinamenti[2] = v; break;
    case 2: p_.ordinamenti[3] = v; break;
    default: break;
    }
}

void CDlgParametriRicerca::ImpostaEventi(int n) { p_.eventiDaConsiderare = std::clamp(n, 1, 6); }

void CDlgParametriRicerca::ImpostaIndiceSettimaneUtili(int i) {
    p_.minSettimaneUtili = std::clamp(i, 0, kVociPercentuale - 1) * 5;
}

int CDlgParametriRicerca::indiceSettimaneVincenti(int tipo) const {
    return p_.minSettimaneVincenti[static_cast<std::size_t>(tipo)] / 5;
}

void CDlgParametriRicerca::ImpostaIndiceSettimaneVincenti(int tipo, int i) {
    if (tipo < 0 || tipo >= kTipiGiocata) return;
    p_.minSettimaneVincenti[static_cast<std::size_t>(tipo)] = std::clamp(i, 0, kVociPercentuale - 1) * 5;
}

void CDlgParametriRicerca::ImpostaIncluso(int c, bool v) {
    if (c >= 0 && c < kNumeroCampionati) p_.inclusi[static_cast<std::size_t>(c)] = v;
}

int CDlgParametriRicerca::inclusi() const {
    return static_cast<int>(std::count(p_.inclusi.begin(), p_.inclusi.end(), true));
}

void CDlgParametriRicerca::ImpostaDataVerifica(DataSettimana d) { dataVerifica_ = Limita(d); }

bool CDlgParametriRicerca::avantiAbilitato() const {
    const bool segni = std::find(p_.segni.begin(), p_.segni.end(), true) != p_.segni.end();
    const bool ordinamenti = gruppoOrdinamento(0) || gruppoOrdinamento(1) || gruppoOrdinamento(2);
    return segni && ordinamenti && inclusi() > 0;
}

bool CDlgParametriRicerca::Avanti(ParametriRicerca& p, IMessaggi& messaggi) const {
    if (!avantiAbilitato()) return false;
    if (verifica_ && dataVerifica_.chiave() <= p_.dataInizio.chiave()) {
        messaggi.Errore(kVerificaNonSuccessiva);
        return false;
    }
    p.bookmaker = p_.bookmaker;
    p.dataInizio = p_.dataInizio;
    p.segni = p_.segni;
    p.ordinamenti = p_.ordinamenti;
    p.eventiDaConsiderare = p_.eventiDaConsiderare;
    p.minSettimaneUtili = p_.minSettimaneUtili;
    p.minSettimaneVincenti = p_.minSettimaneVincenti;
    p.maxRendimento = p_.maxRendimento;
    p.inclusi = p_.inclusi;
    p.distinti = p_.distinti;
    p.verificaDal = verifica_ ? std::optional<DataSettimana>(dataVerifica_) : std::nullopt;
    return true;
}

// ---- single evaluation -----------------------------------------------------

namespace {

std::string Numero(const char* formato, double v) {
    char t[32];
    std::snprintf(t, sizeof t, formato, v);
    return t;
}

std::optional<double> LeggiNumero(std::string t) {
    const auto inizio = t.find_first_not_of(" \t");
    if (inizio == std::string::npos) return std::nullopt;
    t = t.substr(inizio, t.find_last_not_of(" \t") - inizio + 1);
    std::replace(t.begin(), t.end(), ',', '.');
    const char* primo = t.data();
    if (*primo == '+') ++primo;
    double v = 0;
    const auto [fine, ec] = std::from_chars(primo, t.data() + t.size(), v);
    if (ec != std::errc() || fine != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

} // namespace

CDlgRicercaUnica::CDlgRicercaUnica(const std::optional<LimitiCandidato>& limiti) {
    if (limiti) {
        testi_ = {Numero("%.0f", limiti->minProb1 * 100.0), Numero("%.0f", limiti->maxProbX * 100.0),
                  Numero("%.0f", limiti->maxProb2 * 100.0), Numero("%.0f", (limiti->minEquita - 1.0) * 100.0),
                  Numero("%.0f", (limiti->maxEquita - 1.0) * 100.0), Numero("%.2f", limiti->minQuota),
                  Numero("%.2f", limiti->maxQuota)};
    } else {
        // No filter at all.
        testi_ = {"0", "100", "100", "-100", "100", "1.00", "100.00"};
    }
}

std::optional<LimitiCandidato> CDlgRicercaUnica::Converti(std::string& errore, int& campo) const {
    struct Intervallo {
        double minimo, massimo;
    };
    static constexpr std::array<Intervallo, kCampi> kIntervalli = {
        {{0, 100}, {0, 100}, {0, 100}, {-100, 100}, {-100, 100}, {1, 1000}, {1, 1000}}};
    std::array<double, kCampi> v{};
    for (int i = 0; i < kCampi; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::string domanda = std::string("\"") + kDomande[k] + "\"";
        const auto n = LeggiNumero(testi_[k]);
        campo = i;
        if (!n) {
            errore = testi_[k].find_first_not_of(" \t") == std::string::npos
                         ? "Manca il valore di " + domanda + "."
                         : "Il valore di " + domanda + " non e' un numero: \"" + testi_[k] + "\".";
            return std::nullopt;
        }
        if (*n < kIntervalli[k].minimo || *n > kIntervalli[k].massimo) {
            errore = "Il valore di " + domanda + " deve essere compreso tra " +
                     Numero(i >= 5 ? "%.2f" : "%.0f", kIntervalli[k].minimo) + " e " +
                     Numero(i >= 5 ? "%.2f" : "%.0f", kIntervalli[k].massimo) + ".";
            return std::nullopt;
        }
        v[k] = *n;
    }
    if (v[3] > v[4]) {
        campo = 3;
        errore = "L'equita' minima non puo' superare l'equita' massima.";
        return std::nullopt;
    }
    if (v[5] > v[6]) {
        campo = 5;
        errore = "La quota minima non puo' superare la quota massima.";
        return std::nullopt;
    }
    const auto f = [&](int i) { return static_cast<float>(v[static_cast<std::size_t>(i)]); };
    LimitiCandidato l;
    l.minProb1 = f(0) / 100.0f;
    l.maxProbX = f(1) / 100.0f;
    l.maxProb2 = f(2) / 100.0f;
    l.minEquita = f(3) / 100.0f + 1.0f;
    l.maxEquita = f(4) / 100.0f + 1.0f;
    l.minQuota = f(5);
    l.maxQuota = f(6);
    errore.clear();
    campo = -1;
    return l;
}

std::optional<LimitiCandidato> CDlgRicercaUnica::Ok(IMessaggi& messaggi) const {
    std::string errore;
    int campo = -1;
    auto l = Converti(errore, campo);
    if (!l) messaggi.Errore(errore);
    return l;
}

// ---- step 2 ----------------------------------------------------------------

namespace {

struct RisultatoRicerca {
    EsitoRicercaStrategie esito;
    ListaStrategie strategie;
    std::int32_t prossimoId = 0;
};

} // namespace

CDlgRicercaStrategie::CDlgRicercaStrategie(ParametriRicerca p, DatiCampionati& dati, ListaStrategie& strategie,
                                           std::int32_t& prossimoId, std::filesystem::path cartella, DataOra oggi)
    : p_(std::move(p)), dati_(dati), strategie_(strategie), prossimoId_(prossimoId), cartella_(std::move(cartella)),
      oggi_(oggi) {}

void CDlgRicercaStrategie::ImpostaSalvaStrategie(bool v) {
    if (sceltePossibili()) p_.salvaStrategie = v;
}

void CDlgRicercaStrategie::ImpostaSalvaHtml(bool v) {
    if (sceltePossibili()) p_.salvaHtml = v;
}

void CDlgRicercaStrategie::ImpostaTuttiProcessori(bool v) {
    if (sceltePossibili()) p_.thread = v ? 0 : 1;
}

CDlgRicercaStrategie::Angolo CDlgRicercaStrategie::AngoloCliccato(int x, int y) const {
    if (stato_ != Stato::Pronta || y < 0 || y > kAngolo || x < 0) return Angolo::Nessuno;
    if (x <= kAngolo) return Angolo::RicercaUnica;
    if (x <= kAngoloTesto) return Angolo::FileTesto;
    return Angolo::Nessuno;
}

void CDlgRicercaStrategie::ImpostaRicercaUnica(std::optional<LimitiCandidato> limiti) {
    if (sceltePossibili()) p_.unica = limiti;
}

void CDlgRicercaStrategie::ChiediFileTesto(IMessaggi& messaggi) {
    if (!sceltePossibili()) return;
    p_.salvaTesto = messaggi.Mostra(kDomandaTesto, Icona::Domanda, Pulsanti::SiNo) == Risposta::Si;
}

void CDlgRicercaStrategie::Avvia(IEsecutoreLavori& esecutore, IRapportoRicerca& rapporto, IMessaggi& messaggi) {
    if (inCorso()) {
        if (fermoChiesto_) return;
        if (messaggi.Mostra(kDomandaInterrompi, Icona::Domanda, Pulsanti::SiNo) != Risposta::Si) return;
        if (!inCorso()) return; // the search ended while the question was open
        fermoChiesto_ = true;
        if (ferma) ferma();
        return;
    }
    if (stato_ != Stato::Pronta) return;
    stato_ = Stato::InCorso;
    fermoChiesto_ = false;
    campionato_.clear();
    pronostico_.clear();
    avanzamento_.clear();
    IRapportoRicerca* r = &rapporto;
    IMessaggi* m = &messaggi;
    AvviaLavoro<RisultatoRicerca>(
        esecutore, kTitoloRicercaStrategie,
        [p = p_, lista = strategie_, id = prossimoId_, cartella = cartella_, oggi = oggi_,
         r](ContestoLavoro& c) {
            RisultatoRicerca out;
            out.strategie = lista;
            out.prossimoId = id;
            out.esito = CercaStrategie(p, cartella, out.strategie, out.prossimoId, oggi, *r, c);
            return out;
        },
        [this, m](EsitoLavoro<RisultatoRicerca> e) {
            Fine(std::move(e.risultato.esito), std::move(e.risultato.strategie), e.risultato.prossimoId,
                 e.fine.fermato, e.fine.errore, *m);
        });
}

void CDlgRicercaStrategie::Fine(EsitoRicercaStrategie esito, ListaStrategie strategie, std::int32_t prossimoId,
                                bool fermata, const std::string& errore, IMessaggi& messaggi) {
    // A run that failed returned nothing: the list stays as it was.
    if (errore.empty() && p_.salvaStrategie && (strategie != strategie_ || prossimoId != prossimoId_)) {
        strategie_ = std::move(strategie);
        prossimoId_ = prossimoId;
        dati_.datiModificati = true;
    }
    esito_ = std::move(esito);
    fermoChiesto_ = false;
    stato_ = fermata || esito_.fermata || !errore.empty() ? Stato::Fermata : Stato::Conclusa;
    // The window shows the end before any message.
    if (concluso) concluso();
    if (!errore.empty())
        messaggi.Errore("La ricerca si e' interrotta per un errore:\n\n" + errore);
    if (!esito_.errore.empty()) messaggi.Errore(esito_.errore);
    if (stato_ == Stato::Conclusa && !esito_.messaggioFinale.empty())
        messaggi.Mostra(esito_.messaggioFinale, Icona::Informazione);
}

std::string CDlgRicercaStrategie::Righe(const std::string& testo) {
    std::string r;
    r.reserve(testo.size());
    for (char c : testo)
        if (c != '\r') r += c;
    return r;
}

void CDlgRicercaStrategie::Aggiungi(const std::string& testo) { avanzamento_ += Righe(testo); }

// ---- step 3 ----------------------------------------------------------------

std::vector<std::string> CDlgConclusioneRicerca::vincitori() const {
    std::vector<std::string> r;
    r.reserve(esito_.vincitori.size());
    for (const auto& v : esito_.vincitori)
        r.push_back(RigaVincitore(v));
    return r;
}

bool CDlgConclusioneRicerca::ApriDocumento(INavigatore& navigatore, IMessaggi& messaggi) const {
    if (esito_.html.empty()) return false;
    if (navigatore.ApriFile(esito_.html)) return true;
    messaggi.Errore("Impossibile aprire il documento:\n\n" + esito_.html.string());
    return false;
}

} // namespace veltra
