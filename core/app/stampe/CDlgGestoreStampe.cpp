#include "app/stampe/CDlgGestoreStampe.h"

#include "app/DatiGlobali.h"
#include "app/shell/Comandi.h"
#include "betting/SelezioneScommesse.h"
#include "engine/StampaAnalisi.h"
#include "platform/Messaggi.h"
#include "platform/Piattaforma.h"
#include "platform/Stampa.h"
#include "betting/StampaScommesse.h"
#include "pools/StampaSchedine.h"

namespace veltra {

namespace {

struct DescrizioneVoce {
    const char* etichetta;
    const char* suggerimento;
    const char* terminale;
};

constexpr std::array<DescrizioneVoce, kVociStampa> kVoci = {{
    {"Analisi Corrente del Campionato :", "Abilita/disabilita la stampa di un'analisi corrente",
     "analisi-corrente"},
    {"Archivio Analisi del Campionato :", "Abilita/disabilita la stampa di un archivio delle analisi",
     "archivio-analisi"},
    {"Schedina Sistema Integrale", "Seleziona per la stampa su schedina del sistema integrale",
     "schedina-integrale"},
    {"Schedine Sistema Ridotto", "Seleziona per la stampa su schedine delle colonne del sistema ridotto",
     "schedine-ridotto"},
    {"Classifica Scommesse", "Seleziona per la stampa delle scommesse selezionate", "scommesse"},
    {"Tabulato Sistema Integrale", "Seleziona per la stampa del tabulato del sistema integrale",
     "tabulato-integrale"},
    {"Tabulato Sistema Ridotto", "Seleziona per la stampa del tabulato del sistema ridotto",
     "tabulato-ridotto"},
}};

bool Conferma(IMessaggi& messaggi, const std::string& testo) {
    return messaggi.Mostra(testo, Icona::Informazione, Pulsanti::OkAnnulla) == Risposta::Ok;
}

} // namespace

const char* CDlgGestoreStampe::Etichetta(VoceStampa v) { return kVoci[static_cast<std::size_t>(v)].etichetta; }
const char* CDlgGestoreStampe::Suggerimento(VoceStampa v) {
    return kVoci[static_cast<std::size_t>(v)].suggerimento;
}
const char* CDlgGestoreStampe::NomeTerminale(VoceStampa v) {
    return kVoci[static_cast<std::size_t>(v)].terminale;
}

std::optional<VoceStampa> CDlgGestoreStampe::DaNomeTerminale(const std::string& nome) {
    for (int i = 0; i < kVociStampa; ++i)
        if (nome == kVoci[static_cast<std::size_t>(i)].terminale) return static_cast<VoceStampa>(i);
    return std::nullopt;
}

std::string CDlgGestoreStampe::etichettaScommesse() const {
    const int t = dati_.scommesse.tipoPronostico;
    if (t < 0 || t >= static_cast<int>(kTestiTipoPronostico.size())) return "Classifica Scommesse";
    // The double chances read "( 1X - 12 - X2 )" here.
    if (t >= 11) {
        static constexpr const char* kDoppie[3] = {
            "Classifica Double Chance ( 1X - 12 - X2 ) con maggiore probabilità",
            "Classifica Double Chance ( 1X - 12 - X2 ) con maggiore equità",
            "Classifica Double Chance ( 1X - 12 - X2 ) con maggiore quota"};
        return kDoppie[t - 11];
    }
    return std::string("Classifica ") + kTestiTipoPronostico[static_cast<std::size_t>(t)];
}

bool CDlgGestoreStampe::abilitata(VoceStampa v) const {
    const bool schedina = dati_.schedina.schedinaAssente == 0;
    // The same rule as the main window's reduced-system commands.
    const bool ridotto = SchedinaConRidotto(dati_, cartellaRiduzioni_);
    switch (v) {
    case VoceStampa::AnalisiCorrente:
    case VoceStampa::ArchivioAnalisi:
        return true;
    case VoceStampa::SchedinaIntegrale:
    case VoceStampa::TabulatoIntegrale:
        return schedina;
    case VoceStampa::SchedineRidotto:
    case VoceStampa::TabulatoRidotto:
        return ridotto;
    case VoceStampa::Scommesse:
        return dati_.scommesse.nScommesse() > 0;
    }
    return false;
}

void CDlgGestoreStampe::Spunta(VoceStampa v, bool si) {
    if (!abilitata(v)) return;
    spunte_[static_cast<std::size_t>(Indice(v))] = si;
    if (si && v == VoceStampa::AnalisiCorrente && !campionatoAnalisi_) campionatoAnalisi_ = 0;
    if (si && v == VoceStampa::ArchivioAnalisi && !campionatoArchivio_) campionatoArchivio_ = 0;
}

std::optional<int> CDlgGestoreStampe::campionato(VoceStampa v) const {
    if (v == VoceStampa::AnalisiCorrente) return campionatoAnalisi_;
    if (v == VoceStampa::ArchivioAnalisi) return campionatoArchivio_;
    return std::nullopt;
}

void CDlgGestoreStampe::ScegliCampionato(VoceStampa v, std::optional<int> id) {
    if (id && (*id < 0 || *id >= kNumeroCampionati)) id.reset();
    if (v == VoceStampa::AnalisiCorrente) campionatoAnalisi_ = id;
    if (v == VoceStampa::ArchivioAnalisi) campionatoArchivio_ = id;
}

bool CDlgGestoreStampe::stampaAbilitata() const {
    for (int i = 0; i < kVociStampa; ++i)
        if (spuntata(static_cast<VoceStampa>(i))) return true;
    return false;
}

void CDlgGestoreStampe::Stampa(IMessaggi& messaggi, IServizioStampa& servizio, const IOrologio& orologio,
                               IAzioniGestoreStampe& azioni) {
    const std::tm oggi = orologio.Adesso();
    for (const VoceStampa v : {VoceStampa::AnalisiCorrente, VoceStampa::ArchivioAnalisi}) {
        if (!spuntata(v)) continue;
        const std::optional<int> id = campionato(v);
        if (!id) {
            messaggi.Mostra(kSelezionaCampionato, Icona::Esclamazione);
            return;
        }
        CCampionato& c = dati_.campionato(*id);
        const std::string nome(c.descrizione().nome);
        if (v == VoceStampa::AnalisiCorrente) {
            if (Conferma(messaggi, nome + ". Prepara la stampante per l'Analisi Corrente e poi premi 'OK'"))
                StampaAnalisiCorrente(servizio, c, oggi);
        } else if (Conferma(messaggi, nome + ". Prepara la stampante per l'Archivio Analisi e poi premi 'OK'")) {
            StampaArchivio(servizio, c, oggi);
        }
    }
    if (spuntata(VoceStampa::SchedinaIntegrale)) azioni.StampaSchedine(true);
    if (!spuntata(VoceStampa::SchedineRidotto)) return StampaDopoSchedine(messaggi, servizio, orologio, azioni);
    // The slips of the reduced system print the columns the coupon holds:
    // they are built first, and the run goes on once they are, so the items
    // keep their order and a single build serves the reduced listing too.
    azioni.CostruisciRidotto([this, &messaggi, &servizio, &orologio, &azioni](bool pronto) {
        if (pronto) azioni.StampaSchedine(false);
        StampaDopoSchedine(messaggi, servizio, orologio, azioni);
    });
}

void CDlgGestoreStampe::StampaDopoSchedine(IMessaggi& messaggi, IServizioStampa& servizio,
                                           const IOrologio& orologio, IAzioniGestoreStampe& azioni) {
    if (spuntata(VoceStampa::Scommesse) &&
        Conferma(messaggi, "Prepara la stampante per le Scommesse e poi premi 'OK'"))
        StampaClassificaScommesse(dati_.scommesse, etichettaScommesse(), servizio, orologio.Adesso());
    // The full listing reads the coupon alone; the reduced one needs the
    // columns of the selected reduction (built already when the slips were
    // printed).
    if (spuntata(VoceStampa::TabulatoIntegrale) &&
        Conferma(messaggi, "Prepara la stampante per il Tabulato Sistema Integrale e poi premi 'OK'"))
        TabulatoIntegrale(dati_.schedina, servizio, orologio);
    if (spuntata(VoceStampa::TabulatoRidotto) &&
        Conferma(messaggi, "Prepara la stampante per il Tabulato Sistema Ridotto e poi premi 'OK'")) {
        DatiGlobali& dati = dati_;
        azioni.CostruisciRidotto([&dati, &servizio, &orologio](bool pronto) {
            if (pronto) TabulatoRidotto(dati.schedina, servizio, orologio);
        });
    }
}

} // namespace veltra
