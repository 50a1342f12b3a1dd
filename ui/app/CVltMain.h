#pragma once
// The main window: menu, the two toolbars, the three-pane status bar, the
// background pictures, and the routing of every command to its window or
// flow. The rules live in the core's shell (app/shell); this class binds them
// to Qt.
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
class QDialog;
class QSessionManager;

namespace veltra {

struct DatiGlobali;
class IAiuto;
class IMessaggi;
class IServizioStampa;
class IOrologio;
class CPronosticiQt;

class CVltMain : public QMainWindow {
    Q_OBJECT
public:
    CVltMain(DatiGlobali& dati, std::filesystem::path cartella, IMessaggi& messaggi,
             IAiuto& aiuto, IServizioStampa& stampa, const IOrologio& orologio,
             const TestiStato& statoIniziale, QWidget* parent = nullptr);
    ~CVltMain() override;

    // Runs a command as its menu item does (also used by tests).
    void Esegui(int comando);
    // The 50 ms after start-up: restores the stored window placement.
    void DopoAvvio();
    // The desktop session is ending: Qt's commit-data request.
    void FineSessione(QSessionManager& sessione);

    QString testoPannello1() const;
    QString testoPannello2() const;
    QAction* azione(int comando) const;
    CPronosticiQt* finestraPronostici() const;
    // The open modeless window of a kind, or nullptr.
    QDialog* finestra(Finestra f) const;
    StatoShell& statoShell() { return stato_; }

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void CreaMenuEBarre();
    void AggiornaAbilitazioni();
    void ImpostaStato(const TestiStato& testi);
    // Opens (or refreshes and brings forward) a modeless window: `crea` makes
    // the dialog, `aggiorna` refreshes it and tells whether it may stay.
    void ApriFinestra(Finestra f, int risorsa, const std::function<QDialog*()>& crea,
                      std::function<bool(QDialog*)> aggiorna);
    void CambiaCampionatoCorrente(int id);
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
    ContestoShell ctx_;
    std::map<int, QAction*> azioni_;
    QLabel* pannello1_;
    QLabel* pannello2_;
    class Adattatore;
    std::map<Finestra, std::unique_ptr<Adattatore>> adattatori_;
    bool uscitaConfermata_ = false;
};

} // namespace veltra
