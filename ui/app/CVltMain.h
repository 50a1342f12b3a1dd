#pragma once
// The main window: menu, the two toolbars, the three-pane status bar, the
// background pictures, and the table from every command to its window or
// flow. The rules live in the core's shell (app/shell): which commands there
// are, their texts and when they are enabled; this class binds them to Qt.
#include "app/shell/ContestoShell.h"
#include "app/shell/SeguiCambiamenti.h"
#include "app/shell/StatoShell.h"
#include "engine/MessaggioStato.h"

#include <QMainWindow>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QSessionManager;

namespace veltra {

class CDlgConsiglioQt;

struct CAnalisi;
struct DatiGlobali;
class IAiuto;
class IMessaggi;
class IServizioStampa;
class IOrologio;
class CPronosticiQt;
class FinestraNonModaleQt;

class CVltMain : public QMainWindow {
    Q_OBJECT
public:
    CVltMain(DatiGlobali& dati, std::filesystem::path cartella, IMessaggi& messaggi,
             IAiuto& aiuto, IServizioStampa& stampa, const IOrologio& orologio,
             const TestiStato& statoIniziale, QWidget* parent = nullptr);
    ~CVltMain() override;

    // Runs a command as its menu item does (also used by tests).
    void Esegui(int comando);
    // Whether the command has an action in the table.
    bool ComandoCollegato(int comando) const { return tabellaComandi_.contains(comando); }
    // The 50 ms after start-up: restores the stored window placement.
    void DopoAvvio();
    // The tip of the day at start-up, when the settings ask for it.
    void ConsiglioAllAvvio();
    // The desktop session is ending: Qt's commit-data request.
    void FineSessione(QSessionManager& sessione);
    // What the end of the session does (also used by tests): windows with
    // unconfirmed work ask first, then the save question; on consent every
    // window of the program closes. False when the user keeps the session.
    bool TerminaSessione(bool puoChiedere);

    QString testoPannello1() const;
    QString testoPannello2() const;
    // The historical cut-off shown beside pane 2 (empty without one).
    QString testoFiltroStorico() const;
    QAction* azione(int comando) const;
    CPronosticiQt* finestraPronostici() const;
    // The open modeless window of a kind, or nullptr.
    FinestraNonModaleQt* finestra(Finestra f) const;
    StatoShell& statoShell() { return stato_; }
    // Opens the comparison of two analyses (title, analysis A, analysis B):
    // the analysis exchange offers it for a received analysis. Unset, the
    // exchange window shows no comparison button.
    std::function<void(const std::string& titolo, const CAnalisi& a, const CAnalisi& b)>
        apriConfrontoAnalisi;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    CDlgConsiglioQt* consiglio_ = nullptr;
    // The table from command to action: one row per command the program has.
    void CreaTabellaComandi();
    void CreaMenuEBarre();
    void AggiornaAbilitazioni();
    void ImpostaStato(const TestiStato& testi);
    void MostraFiltroStorico();
    void AdattaBarraDiStato();
    // Opens (or refreshes and brings forward) the modeless window W, made
    // with `argomenti` and this window as its parent.
    template <class W, class... A> W* ApriFinestra(A&&... argomenti);
    void ApriProssimaGiornata();
    // Runs the data-entry dialog D (new championship, new matches, the
    // historical archive's cut-off), then takes in what it changed.
    template <class D> void ApriInserimento(std::optional<int> contestoAiuto = std::nullopt);
    void CambiaCampionatoCorrente(int id);
    // The bet selection, its real plays of the strategies opened through the registry.
    void ApriScommesse();
    void ComandoQuote(bool modifica);
    void CaricamentoQuote();
    void AggiornamentoDati();
    void GestioneArchiviInternet();
    // Closes every other top-level window (help, tips) after a confirmed exit.
    void ChiudiAltreFinestre();
    // After a data-entry dialog: the new status texts, and the open windows
    // refreshed when data were stored.
    void DopoInserimento(bool datiCambiati, const std::optional<TestiStato>& testi);

    DatiGlobali& dati_;
    std::filesystem::path cartella_;
    IMessaggi& messaggi_;
    IAiuto& aiuto_;
    IServizioStampa& stampa_;
    const IOrologio& orologio_;
    StatoShell stato_;
    NotificheCambiamenti::Iscrizione seguiCambiamenti_;
    NotificheCambiamenti::Iscrizione seguiModello_;
    ContestoShell ctx_;
    std::map<int, std::function<void()>> tabellaComandi_;
    std::map<int, QAction*> azioni_;
    QLabel* pannello1_;
    QLabel* pannello2_;
    QLabel* filtroStorico_;
    bool uscitaConfermata_ = false;
};

} // namespace veltra
