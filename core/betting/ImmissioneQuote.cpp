#include "betting/ImmissioneQuote.h"

#include "betting/ArchivioSettimane.h"
#include "betting/FileQuote.h"
#include "betting/RicalcolaEventi.h"
#include "betting/ScommessaMgr.h"
#include "dati/DatiCampionati.h"
#include "platform/Messaggi.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace veltra {

namespace {

// An odds as its field shows it, "%.2f" with a decimal point whatever the
// process's locale (Qt adopts the user's, and ValidaQuota refuses a comma).
std::string TestoQuota(float q) {
    char b[32];
    const auto r = std::to_chars(b, b + sizeof b, static_cast<double>(q), std::chars_format::fixed, 2);
    return std::string(b, r.ptr);
}

const char* const kOrdinali[10] = {"primo",   "secondo", "terzo", "quarto", "quinto",
                                   "sesto",   "settimo", "ottavo", "nono",  "decimo"};

std::string TipoQuota(int k) { return k < 3 ? "segno" : "risultato"; }

std::string MessaggioQuota(int k, int riga) {
    std::string t = "Invalida quota immessa per il " + TipoQuota(k) + " " + kNomiQuote[k];
    if (riga > 0) t += " nell'incontro n. " + std::to_string(riga);
    return t;
}

std::vector<std::string> NomiCampionato(const DatiCampionati& dati, int c) {
    return dati.campionato(c).squadreCorrenti().nomi;
}

} // namespace

std::string MessaggioStimeCampionato(const std::string& campionato) {
    return "Impossibile calcolare le stime del campionato di " + campionato +
           ".\nDiminuire le Giornate d'Analisi e/o modificare i valori dei Parametri "
           "Avanzati.\n\n(Premere F1 per maggiori informazioni)";
}

std::optional<float> ValidaQuota(std::string_view t) {
    if (t.empty()) return 0.0f;
    if (t.size() > 5) return std::nullopt;
    if (std::count(t.begin(), t.end(), '.') > 1) return std::nullopt;
    for (char c : t)
        if (!(c >= '0' && c <= '9') && c != '.') return std::nullopt;
    std::string testo(t);
    if (testo.back() == '.') testo.pop_back(); // "2." is 2
    if (testo.empty()) return std::nullopt;
    if (testo.front() == '.') testo.insert(testo.begin(), '0');
    float v = 0;
    const auto r = std::from_chars(testo.data(), testo.data() + testo.size(), v);
    if (r.ec != std::errc() || r.ptr != testo.data() + testo.size() || v == 0 || !std::isfinite(v))
        return std::nullopt;
    return v;
}

bool AggiungiEventoDaTesti(ScommessaMgr& m, DatiCampionati& dati, int campionato, int casa,
                           int trasferta, const std::array<std::string, 6>& testi,
                           const std::string& data, int numeroRiga, IMessaggi& messaggi) {
    const auto p = StimaEvento(dati, campionato, casa, trasferta);
    if (!p) {
        messaggi.Errore(kMessaggioStimeMatch, kAiutoStimeFallite);
        return false;
    }
    std::array<float, 6> q{};
    bool una = false;
    for (int k = 0; k < 6; ++k) {
        const auto v = ValidaQuota(testi[k]);
        if (!v) {
            messaggi.Errore(MessaggioQuota(k, numeroRiga));
            return false;
        }
        q[k] = *v;
        una = una || *v != 0;
    }
    if (!una) {
        messaggi.Errore(numeroRiga > 0 ? "Immettere almeno una quota per l'incontro n. " +
                                             std::to_string(numeroRiga)
                                       : std::string("Immettere almeno una quota per l'incontro"));
        return false;
    }
    const auto& nomi = dati.campionato(campionato).squadreCorrenti().nomi;
    return m.AggiungiEvento(campionato, dati.campionato(campionato).numeroIncontriCorrenti(),
                            nomi[casa], nomi[trasferta], q, (*p)[0], (*p)[1], (*p)[2], data);
}

// ---- 212 ----

CDlgSelezioneCampionati::CDlgSelezioneCampionati(ScommessaMgr& m, DatiCampionati& dati)
    : modo_(Modo::Scommesse), m_(&m), dati_(&dati) {}

CDlgSelezioneCampionati::CDlgSelezioneCampionati(Modo modo) : modo_(modo) {
    // The betting mode needs the manager.
    if (modo_ == Modo::Scommesse) modo_ = Modo::Aggiornamento;
}

std::string CDlgSelezioneCampionati::titolo() const {
    return modo_ == Modo::Scommesse ? kTitolo : kTitoloAltriModi;
}

std::string CDlgSelezioneCampionati::intestazione() const {
    switch (modo_) {
    case Modo::Scommesse: return kIntestazione;
    case Modo::Aggiornamento: return kIntestazioneAggiornamento;
    case Modo::CopiaAnalisi: return kIntestazioneCopia;
    }
    return {};
}

bool CDlgSelezioneCampionati::scelto(int c) const {
    return m_ ? m_->conEventi[c] != 0 : scelti_[static_cast<std::size_t>(c)];
}

void CDlgSelezioneCampionati::Scegli(int c, bool si) {
    if (m_)
        m_->conEventi[c] = si ? 1 : 0;
    else
        scelti_[static_cast<std::size_t>(c)] = si;
}

std::vector<int> CDlgSelezioneCampionati::sinistra() const {
    std::vector<int> v;
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (!scelto(c)) v.push_back(c);
    return v;
}

std::vector<int> CDlgSelezioneCampionati::destra() const {
    std::vector<int> v;
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (scelto(c)) v.push_back(c);
    return v;
}

bool CDlgSelezioneCampionati::continuaAbilitato() const {
    return destra().size() >= (modo_ == Modo::CopiaAnalisi ? 2u : 1u);
}

bool CDlgSelezioneCampionati::Aggiungi(int c, IMessaggi& messaggi) {
    if (c < 0 || c >= kNumeroCampionati || scelto(c)) {
        messaggi.Errore("Selezionare un campionato dalla lista di sinistra.");
        return false;
    }
    Scegli(c, true);
    return true;
}

bool CDlgSelezioneCampionati::Togli(int c, IMessaggi& messaggi) {
    if (c < 0 || c >= kNumeroCampionati || !scelto(c)) {
        messaggi.Errore("Selezionare un campionato dalla lista di destra.");
        return false;
    }
    Scegli(c, false);
    return true;
}

bool CDlgSelezioneCampionati::CaricaQuote(const std::filesystem::path& file, IMessaggi& messaggi) {
    if (!m_) return false;
    caricato_ = veltra::CaricaQuote(*m_, file, *dati_, messaggi);
    return caricato_;
}

bool CCaricaFile::Conferma(const std::string& testo, IMessaggi& messaggi) {
    // Blanks around a pasted name are not part of it; a name written with
    // '\\' separators is taken in this system's form.
    const auto inizio = testo.find_first_not_of(" \t");
    if (inizio == std::string::npos) {
        messaggi.Errore(kInserimentoNullo);
        return false;
    }
    const auto fine = testo.find_last_not_of(" \t");
    percorso = PercorsoPiattaforma(std::string_view(testo).substr(inizio, fine - inizio + 1)).string();
    return true;
}

// ---- 180 ----

CDlgImmissioneQuote::CDlgImmissioneQuote(ScommessaMgr& m, DatiCampionati& dati, int campionato,
                                         Modo modo, const ScommessaMgr* sorgente)
    : m_(m), dati_(dati), campionato_(campionato), modo_(modo),
      nomi_(NomiCampionato(dati, campionato)) {
    if (modo_ == Modo::Immissione) {
        for (int i = 0; i < static_cast<int>(nomi_.size()); ++i)
            libere_.push_back(i);
        return;
    }
    if (sorgente) {
        for (int i = 0; i < sorgente->nEventi; ++i) {
            const Evento& e = sorgente->eventi[i];
            if (e.campionato != campionato_) continue;
            Riga r;
            const auto trova = [&](const std::string& n) {
                const auto it = std::find(nomi_.begin(), nomi_.end(), n);
                return it == nomi_.end() ? -1 : static_cast<int>(it - nomi_.begin());
            };
            r.casa = trova(e.casa);
            r.trasferta = trova(e.trasferta);
            for (int k = 0; k < 6; ++k) {
                if (e.quote[k] == 0) continue;
                r.quote[k] = TestoQuota(e.quote[k]);
            }
            r.data = e.data;
            daModificare_.push_back(r);
        }
    }
    CaricaPagina();
}

void CDlgImmissioneQuote::CaricaPagina() {
    righe_ = {};
    for (int i = 0; i < kRighe; ++i) {
        const std::size_t k = pagina_ * kRighe + static_cast<std::size_t>(i);
        if (k < daModificare_.size()) righe_[i] = daModificare_[k];
    }
}

std::string CDlgImmissioneQuote::titolo() const {
    return "TALBOR 5 - " + std::string(Campionato(campionato_).nome) +
           (modo_ == Modo::Immissione ? ". Immissione Quote" : ". Modifica Quote");
}

std::string CDlgImmissioneQuote::intestazione() const {
    return modo_ == Modo::Immissione ? "IMMISSIONE EVENTI E QUOTE" : "MODIFICA QUOTE";
}

bool CDlgImmissioneQuote::aggiungiAbilitato() const {
    return modo_ == Modo::Immissione && righe_[kRighe - 1].trasferta == -1;
}

bool CDlgImmissioneQuote::Aggiungi(int squadra, IMessaggi& messaggi) {
    if (!aggiungiAbilitato()) return false;
    const auto it = std::find(libere_.begin(), libere_.end(), squadra);
    if (it == libere_.end()) {
        messaggi.Errore(kSelezionareSquadraEvento);
        return false;
    }
    for (Riga& r : righe_) {
        if (r.casa == -1) {
            r.casa = squadra;
        } else if (r.trasferta == -1) {
            r.trasferta = squadra;
        } else {
            continue;
        }
        libere_.erase(it);
        scritte_.push_back(squadra);
        return true;
    }
    return false;
}

bool CDlgImmissioneQuote::Togli() {
    if (scritte_.empty()) return false;
    const int s = scritte_.back();
    scritte_.pop_back();
    for (int i = kRighe - 1; i >= 0; --i) {
        Riga& r = righe_[i];
        if (r.trasferta == s) {
            r.trasferta = -1;
            r.quote = {};
            break;
        }
        if (r.casa == s) {
            r.casa = -1;
            break;
        }
    }
    libere_.insert(std::lower_bound(libere_.begin(), libere_.end(), s), s);
    return true;
}

bool CDlgImmissioneQuote::quoteModificabili(int riga) const {
    return riga >= 0 && riga < kRighe && righe_[riga].casa != -1 && righe_[riga].trasferta != -1;
}

bool CDlgImmissioneQuote::continuaAbilitato() const {
    for (const Riga& r : righe_)
        if (r.casa != -1 && r.trasferta == -1) return false;
    // Modification shows the events ten at a time: the last page closes.
    if (modo_ == Modo::Modifica) return (pagina_ + 1) * kRighe >= daModificare_.size();
    return true;
}

bool CDlgImmissioneQuote::inserisciProseguiAbilitato() const {
    if (modo_ == Modo::Modifica) return (pagina_ + 1) * kRighe < daModificare_.size();
    return righe_[kRighe - 1].trasferta != -1 && nomi_.size() >= 21;
}

bool CDlgImmissioneQuote::MemorizzaPagina(IMessaggi& messaggi) {
    const ScommessaMgr prima = m_;
    for (int i = 0; i < kRighe; ++i) {
        const Riga& r = righe_[i];
        if (r.casa == -1 || r.elimina) continue;
        if (r.trasferta == -1 ||
            !AggiungiEventoDaTesti(m_, dati_, campionato_, r.casa, r.trasferta, r.quote,
                                   modo_ == Modo::Immissione ? std::string("-") : r.data, i + 1,
                                   messaggi)) {
            if (r.trasferta == -1) messaggi.Errore(kSelezionareSquadraEvento);
            m_ = prima;
            return false;
        }
    }
    return true;
}

bool CDlgImmissioneQuote::Prosegui(IMessaggi& messaggi) {
    if (!inserisciProseguiAbilitato() || !MemorizzaPagina(messaggi)) return false;
    if (modo_ == Modo::Immissione) {
        righe_ = {};
        scritte_.clear();
    } else {
        ++pagina_;
        CaricaPagina();
    }
    return true;
}

std::string CDlgImmissioneQuote::SuggerimentoQuota(int riga, int k) {
    const std::string luogo =
        riga == 7 ? std::string("nell'ottavo incontro") : std::string("nel ") + kOrdinali[riga] + " incontro";
    return "Inserire la quota per il " + TipoQuota(k) + " '" + kNomiQuote[k] + "' " + luogo;
}

std::string CDlgImmissioneQuote::SuggerimentoElimina(int riga) {
    if (riga == 7) return "Seleziona l' 8' evento in modo da eliminarlo dalle scommesse";
    return "Seleziona il " + std::to_string(riga + 1) + "' evento in modo da eliminarlo dalle scommesse";
}

// ---- 225 ----

CDlgAggiuntaEvento::CDlgAggiuntaEvento(ScommessaMgr& m, DatiCampionati& dati) : m_(m), dati_(dati) {}

void CDlgAggiuntaEvento::ScegliCampionato(int c) {
    campionato_ = c;
    nomi_ = c >= 0 ? NomiCampionato(dati_, c) : std::vector<std::string>{};
    casa_ = trasferta_ = -1;
}

bool CDlgAggiuntaEvento::Aggiungi(int squadra, IMessaggi& messaggi) {
    if (squadra < 0 || squadra >= static_cast<int>(nomi_.size()) || squadra == casa_) {
        messaggi.Errore(kSelezionareSquadraEvento);
        return false;
    }
    if (casa_ == -1)
        casa_ = squadra;
    else if (trasferta_ == -1)
        trasferta_ = squadra;
    else
        return false;
    return true;
}

bool CDlgAggiuntaEvento::Togli() {
    if (trasferta_ != -1) {
        trasferta_ = -1;
        return true;
    }
    if (casa_ != -1) {
        casa_ = -1;
        return true;
    }
    return false;
}

bool CDlgAggiuntaEvento::Conferma(IMessaggi& messaggi) {
    if (campionato_ < 0) {
        messaggi.Errore("Selezionare un campionato.");
        return false;
    }
    if (casa_ == -1 || trasferta_ == -1) {
        messaggi.Errore(kSelezionareSquadraEvento);
        return false;
    }
    if (!AggiornaStimeScommesse(dati_, campionato_)) {
        messaggi.Errore(MessaggioStimeCampionato(std::string(Campionato(campionato_).nome)),
                        kAiutoStimeFallite);
        return false;
    }
    return AggiungiEventoDaTesti(m_, dati_, campionato_, casa_, trasferta_, quote, "-", 0, messaggi);
}

// ---- 247 ----

CompletamentoEvento::CompletamentoEvento(const DatiCampionati& dati, int campionato,
                                         int riconosciuta, std::string avversaria,
                                         const std::array<float, 6>& q)
    : nomi_(NomiCampionato(dati, campionato)), riconosciuta_(riconosciuta),
      testoAvversaria_(std::move(avversaria)) {
    for (int k = 0; k < 6; ++k) {
        if (q[k] == 0) continue;
        quote[k] = TestoQuota(q[k]);
    }
}

bool CompletamentoEvento::Aggiungi(int squadra, IMessaggi& messaggi) {
    if (squadra < 0 || squadra >= static_cast<int>(nomi_.size()) || squadra == riconosciuta_) {
        messaggi.Errore(kSelezionareSquadraEvento);
        return false;
    }
    avversaria_ = squadra;
    return true;
}

std::string CompletamentoEvento::casa() const {
    const int i = riconosciutaInCasa_ ? riconosciuta_ : avversaria_;
    return i >= 0 && i < static_cast<int>(nomi_.size()) ? nomi_[i] : std::string();
}

std::string CompletamentoEvento::trasferta() const {
    const int i = riconosciutaInCasa_ ? avversaria_ : riconosciuta_;
    return i >= 0 && i < static_cast<int>(nomi_.size()) ? nomi_[i] : std::string();
}

std::optional<CompletamentoEvento::Esito> CompletamentoEvento::Conferma(IMessaggi& messaggi) const {
    Esito e;
    bool una = false;
    for (int k = 0; k < 6; ++k) {
        const auto v = ValidaQuota(quote[k]);
        if (!v) {
            messaggi.Errore(std::string("Invalida quota immessa per il segno ") + kNomiQuote[k]);
            return std::nullopt;
        }
        e.quote[k] = *v;
        una = una || *v > 0;
    }
    if (!una) {
        messaggi.Errore("Per essere considerato valido l'evento deve avere almeno un pronostico quotato.");
        return std::nullopt;
    }
    if (avversaria_ == -1) {
        messaggi.Errore(kSelezionareSquadraEvento);
        return std::nullopt;
    }
    e.casa = casa();
    e.trasferta = trasferta();
    e.avversaria = avversaria_;
    return e;
}

} // namespace veltra
