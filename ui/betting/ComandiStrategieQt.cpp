#include "betting/ComandiStrategieQt.h"

#include "app/DatiGlobali.h"
#include "betting/ArchivioSettimane.h"
#include "betting/CVisualizzaStrategieQt.h"
#include "betting/FileQuote.h"
#include "betting/Rendimenti.h"
#include "dati/FileAtomico.h"
#include "platform/EsecutoreLavoriQt.h"
#include "platform/Lavori.h"
#include "platform/Messaggi.h"
#include "platform/UiComune.h"

#include <QDate>
#include <QFileDialog>
#include <QPointer>

#include <memory>

namespace veltra {

namespace {

SceltaFile DialogoApri(QWidget* parent) {
    return [parent](const char* titolo, const char* filtro, const std::string& proposta) {
        return QFileDialog::getOpenFileName(parent, Q(titolo), Q(proposta), Q(filtro)).toStdString();
    };
}

// The week of an odds file, every result unknown; nullopt after the message.
std::unique_ptr<ScommessaMgr> LeggiSettimanaQuote(const std::string& file, const char* senza, IMessaggi& messaggi) {
    std::string errore;
    const auto testo = LeggiFile(file, &errore);
    if (!testo) {
        messaggi.Errore(std::string(kErroreAperturaQuote) + "\n" + senza);
        return nullptr;
    }
    auto m = LeggiQuote(*testo, &errore);
    if (!m) {
        messaggi.Errore(std::string(kErroreCaricamentoQuote) + "\n" + errore);
        return nullptr;
    }
    auto r = std::make_unique<ScommessaMgr>(std::move(*m));
    for (Evento& e : r->eventi)
        e.esito = '?';
    return r;
}

} // namespace

void ComandoVisualizzaStrategie(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi,
                                QWidget* parent, SceltaFile apri) {
    if (!apri) apri = DialogoApri(parent);
    CVisualizzaStrategieQt w(CVisualizzaStrategieQt::Modo::Viste, dati, cartella, messaggi, parent);
    const std::string file = apri(kTitoloCaricaRendimento, "File di Rendimento (*.REN)", cartella.string());
    if (!file.empty()) {
        std::string errore;
        auto r = CaricaRendimento(file, &errore);
        if (r)
            w.ImpostaFileRendimenti(std::move(r));
        else
            messaggi.Errore(std::string(kErroreAperturaRendimento) + "\n" + errore);
    }
    w.exec();
}

void ComandoCalcoloRendimenti(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi,
                              QWidget* parent, SceltaFile apri) {
    static constexpr const char* kSenza =
        "Senza il File di Quote da cui recuperare gli eventi e' impossibile calcolare il rendimento delle "
        "strategie.";
    if (!apri) apri = DialogoApri(parent);
    const std::string file = apri(kTitoloQuoteRendimenti, "File di Quote (*.QUO)", cartella.string());
    if (file.empty()) {
        messaggi.Mostra(kSenza, Icona::Esclamazione);
        return;
    }
    auto settimana = LeggiSettimanaQuote(file, kSenza, messaggi);
    if (!settimana) return;
    if (!RecuperaRisultati(*settimana, dati, messaggi)) return;
    auto* esecutore = new EsecutoreLavoriQt(parent);
    auto copia = std::make_shared<ScommessaMgr>(*settimana);
    const ListaStrategie lista = dati.strategie;
    std::shared_ptr<ScommessaMgr> condivisa(settimana.release());
    QPointer<QWidget> genitore = parent;
    AvviaLavoro<RendimentiSettimana>(
        *esecutore, "CALCOLO DEL RENDIMENTO DELLE STRATEGIE IN CORSO...",
        [lista, copia](ContestoLavoro& c) { return CalcolaRendimenti(lista, *copia, &c); },
        [&dati, cartella, &messaggi, condivisa, genitore, esecutore](EsitoLavoro<RendimentiSettimana> e) {
            esecutore->deleteLater();
            if (!e.fine.riuscito()) {
                messaggi.Errore(e.fine.errore);
                return;
            }
            if (e.fine.fermato || e.risultato.fermato) return;
            CVisualizzaStrategieQt w(dati, cartella, messaggi, std::make_unique<ScommessaMgr>(*condivisa),
                                     std::move(e.risultato), genitore);
            w.exec();
        });
}

CVisualizzaStrategieQt* ApriGiocateReali(DatiGlobali& dati, const std::filesystem::path& cartella,
                                         IMessaggi& messaggi, FinestreNonModali& finestre,
                                         const bool& datiCambiati, QWidget* parent) {
    // The first refresh (CVisualizzaStrategieQt::Aggiorna) refuses a window
    // without events with its message.
    return FinestraNonModaleQt::Apri<CVisualizzaStrategieQt>(finestre, datiCambiati, [&] {
        return new CVisualizzaStrategieQt(CVisualizzaStrategieQt::Modo::GiocateReali, dati, cartella,
                                          messaggi, parent);
    });
}

std::string ComandoEsportaEventi(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi,
                                 QWidget* parent, SceltaFile apri, SceltaFile salva) {
    static constexpr const char* kSenza =
        "Senza il File di Quote da cui recuperare gli eventi e' impossibile esportare eventi.";
    if (!apri) apri = DialogoApri(parent);
    if (!salva)
        salva = [parent](const char* titolo, const char* filtro, const std::string& proposta) {
            return QFileDialog::getSaveFileName(parent, Q(titolo), Q(proposta), Q(filtro)).toStdString();
        };
    const std::string file = apri(kTitoloQuoteEsportazione, "File di Quote (*.QUO)", cartella.string());
    if (file.empty()) {
        messaggi.Mostra(kSenza, Icona::Esclamazione);
        return {};
    }
    auto settimana = LeggiSettimanaQuote(file, kSenza, messaggi);
    if (!settimana) return {};
    if (!RecuperaRisultati(*settimana, dati, messaggi)) return {};
    const std::filesystem::path radice = cartella / kCartellaEsportate;
    const std::string proposta =
        (radice / (QDate::currentDate().toString(QStringLiteral("ddMMyy")).toStdString() + ".txt")).string();
    while (true) {
        const std::string scelto = salva(kTitoloSalvaEsportazione, "File di Testo (*.txt)", proposta);
        if (scelto.empty()) return {};
        const std::filesystem::path p = PercorsoPiattaforma(scelto);
        if (const std::string no = ControllaPercorsoEsportazione(radice, p); !no.empty()) {
            messaggi.Mostra(no, Icona::Esclamazione);
            continue;
        }
        if (const std::string e = EsportaSettimana(p, *settimana); !e.empty()) {
            messaggi.Errore(e);
            return {};
        }
        return p.string();
    }
}

} // namespace veltra
