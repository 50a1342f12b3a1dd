#include "app/shell/Comandi.h"

#include "app/DatiGlobali.h"
#include "pools/CostruzioneSistema.h"

#include <array>
#include <string>

namespace veltra {

namespace {

using R = RegolaAbilitazione;

// The menus show one text per command: it is both the status-bar prompt and
// the toolbar tooltip.
constexpr DescrizioneComando C(int id, std::string_view voce, std::string_view prompt, R regola,
                               bool costruito) {
    return {id, voce, prompt, prompt, regola, costruito};
}

constexpr bool kPronto = true;

// clang-format off
constexpr std::array kComandi = {
    C(comando::SalvaModifiche, "Salva &modifiche", "Consente di salvare le modifiche", R::Sempre, kPronto),
    C(comando::Stampa, "Stam&pa...", "Accede al gestore delle Stampe", R::Sempre, kPronto),
    C(comando::Esci, "&Esci", "Esce dal programma VELTRA", R::Sempre, kPronto),
    C(comando::NuovoCampionato, "Nuovo &Campionato", "Nuovo Campionato: Inserimento del nome delle squadre", R::SenzaFiltroCorrente, kPronto),
    C(comando::NuoviIncontri, "Nuovi &Incontri", "Inserimento risultati di nuovi incontri", R::SenzaFiltroCorrente, kPronto),
    C(comando::AggiornamentoInternet, "&Via Internet", "Aggiornamento Dati tramite Internet", R::SenzaFiltri, kPronto),
    C(comando::ImpostazioneParametri, "&Impostazione Parametri", "Imposta i parametri configurabili per il calcolo delle Stime di Probabilita'", R::Sempre, kPronto),
    C(comando::RicercaParametri, "&Ricerca Parametri", "Ricerca automatica delle migliori stime", R::Sempre, kPronto),
    C(comando::ArchiviInternet, "&Gestione Archivi via Internet", "Gestione Archivi Analisi via Internet", R::SenzaFiltri, kPronto),
    C(comando::ConfrontoAnalisi, "C&onfronto e Copia Analisi tra Campionati", "Copia le analisi tra i vari campionati", R::Sempre, kPronto),
    C(comando::QualitaStime, "&Qualità delle Stime...", "Misura le stime sulle stagioni passate, a confronto con le quote, e sceglie il modello", R::SenzaFiltroCorrente, kPronto),
    C(comando::ProssimaGiornata, "&Prossima Giornata", "Le partite della prossima giornata con le stime, le quote eque e il valore", R::Sempre, kPronto),
    C(comando::ClassificaCampionato, "&Classifica Campionato", "Visualizza la Classifica del Campionato Corrente", R::Sempre, kPronto),
    C(comando::ArchivioStorico, "Archivio &Storico", "Visualizza l'Archivio Storico", R::Sempre, kPronto),
    C(comando::ScontriDiretti, "Scontri &Diretti", "Visualizza gli scontri diretti tra due squadre", R::Sempre, kPronto),
    C(comando::CalcoloPicchetti, "Calcolo &Picchetti", "Calcola la probabilita' dei risultati di un incontro", R::Sempre, kPronto),
    C(comando::NuovaSchedina, "&Nuova Schedina", "Creazione di una nuova schedina", R::Sempre, kPronto),
    C(comando::SistemaIntegrale, "Sistema &Integrale", "Modifica le dimensioni ed i segni del Sistema Proposto", R::SchedinaPresente, kPronto),
    C(comando::SistemaRidotto, "Sistema &Ridotto", "Visualizza e detta a voce le colonne del Sistema Ridotto", R::SistemaRidottoPresente, kPronto),
    C(comando::SpoglioSchedine, "&Spoglio Schedine", "Spoglio delle Schedine: visualizzazione dei risultati ottenuti dai sistemi", R::SistemaRidottoPresente, kPronto),
    C(comando::StatisticheTotocalcio, "Statistiche &Totocalcio", "Visualizza i dati statistici relativi alle giocate al totocalcio archiviate", R::Sempre, kPronto),
    C(comando::ImmissioneQuote, "Immissione &Quote", "Immissione quote per le scommesse", R::Sempre, kPronto),
    C(comando::QuoteInternet, "Via &Internet", "Caricamento quote via Internet", R::SenzaFiltri, kPronto),
    C(comando::ModificaQuote, "&Modifica Quote", "Modifica quote per le scommesse", R::EventiPresenti, kPronto),
    C(comando::CalcoloScommesse, "Calcolo &Scommesse", "Ricerca e Selezione delle Scommesse", R::EventiPresenti, kPronto),
    C(comando::CreaStrategia, "&Crea Strategia", "Crea nuova strategia", R::Sempre, kPronto),
    C(comando::VisualizzaStrategie, "&Visualizza Strategie", "Visualizza le strategie create ed i rendimenti", R::StrategiePresenti, kPronto),
    C(comando::CalcoloRendimenti, "Calcolo &Rendimenti", "Avvia l'aggiornamento dei rendimenti delle strategie", R::StrategiePresenti, kPronto),
    C(comando::EsportaEventi, "&Esporta Eventi e Risultati", "Esporta su file di testo eventi e risultati", R::Sempre, kPronto),
    C(comando::RicercaStrategie, "&Ricerca Strategie", "Ricerca Strategie con maggiore rendimento o frequenza di sortita", R::Sempre, kPronto),
    // The help items have no prompt of their own.
    C(comando::Sommario, "&Sommario", "", R::Sempre, kPronto),
    C(comando::Consiglio, "&Consiglio", "", R::ConsiglioPresente, kPronto),
    C(comando::Info, "&Info...", "", R::Sempre, kPronto),
};
// clang-format on

const std::array<std::string, kNumeroCampionati>& PromptCampionati() {
    static const auto prompt = [] {
        std::array<std::string, kNumeroCampionati> p;
        for (int c = 0; c < kNumeroCampionati; ++c)
            p[c] = "Lavora con i dati del Campionato di " + std::string(Campionato(c).nome);
        return p;
    }();
    return prompt;
}

bool FiltroInAlcunCampionato(const DatiGlobali& dati) {
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (dati.campionato(c).filtroAttivo()) return true;
    return false;
}

} // namespace

std::span<const DescrizioneComando> ComandiPrincipali() {
    return kComandi;
}

std::optional<CampionatoId> CampionatoDelComando(int id) {
    for (int c = 0; c < kNumeroCampionati; ++c)
        if (Campionato(c).comando == id) return c;
    return std::nullopt;
}

std::optional<DescrizioneComando> CercaComando(int id) {
    if (const auto c = CampionatoDelComando(id)) {
        const std::string& prompt = PromptCampionati()[*c];
        return DescrizioneComando{id, Campionato(*c).voceMenu, prompt, prompt, R::Sempre, true};
    }
    for (const auto& d : kComandi)
        if (d.id == id) return d;
    return std::nullopt;
}

bool RegolaSoddisfatta(RegolaAbilitazione regola, const DatiGlobali& dati,
                       const StatoAbilitazione& stato) {
    switch (regola) {
    case R::Sempre:
        return true;
    case R::SenzaFiltroCorrente:
        return !dati.campionato(dati.campionatoCorrente).filtroAttivo();
    case R::SenzaFiltri:
        return !FiltroInAlcunCampionato(dati);
    case R::SchedinaPresente:
        return dati.schedina.schedinaAssente == 0;
    case R::SistemaRidottoPresente:
        return SchedinaConRidotto(dati, stato.cartellaRiduzioni);
    case R::EventiPresenti:
        return dati.scommesse.nEventi > 0;
    case R::StrategiePresenti:
        return !dati.strategie.strategie.empty();
    case R::ConsiglioPresente:
        return stato.consiglioPresente;
    }
    return false;
}

bool SchedinaConRidotto(const DatiGlobali& dati, const std::filesystem::path& cartellaRiduzioni) {
    // The columns are never saved and are built on demand, so what counts is
    // the size of the selected reduction: an N-1 or error-correcting table
    // has it at once, also after a restart; a conditioned system once counted.
    return dati.schedina.schedinaAssente == 0 &&
           ColonneRiduzioneScelta(dati.schedina, cartellaRiduzioni) > 0;
}

bool ComandoAbilitato(int id, const DatiGlobali& dati, const StatoAbilitazione& stato) {
    const auto d = CercaComando(id);
    return d && d->costruito && RegolaSoddisfatta(d->regola, dati, stato);
}

bool ComandoSpuntato(int id, const DatiGlobali& dati) {
    const auto c = CampionatoDelComando(id);
    return c && *c == dati.campionatoCorrente;
}

} // namespace veltra
