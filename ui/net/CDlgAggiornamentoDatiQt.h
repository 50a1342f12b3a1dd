#pragma once
// "VELTRA - Aggiornamento Dati via Internet": the log under "MESSAGGI", the
// address of the update folder, "&Aggiorna" (which reads "&Interrompi" while
// the download runs), "&Salva News", "&OK" and "&Cancella". The download is
// a job run without the modal progress window: the log is its progress and
// the window's own button stops it.
#include "net/CDlgAggiornamentoDati.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace veltra {

class EsecutoreLavoriQt;
class IHttp;
class IMessaggi;

class CDlgAggiornamentoDatiQt : public QDialog {
    Q_OBJECT
public:
    CDlgAggiornamentoDatiQt(DatiCampionati& dati, std::vector<CampionatoId> campionati,
                            std::filesystem::path cartella, std::string& indirizzo,
                            IHttp& http, IMessaggi& messaggi, QWidget* parent = nullptr);
    ~CDlgAggiornamentoDatiQt() override;

    CDlgAggiornamentoDati& logica() { return logica_; }

    QPlainTextEdit* messaggi() const { return log_; }
    QLineEdit* indirizzo() const { return indirizzo_; }
    QPushButton* aggiorna() const { return aggiorna_; }
    QPushButton* salvaNews() const { return salvaNews_; }
    QPushButton* ok() const { return ok_; }
    QPushButton* cancella() const { return cancella_; }
    // Test hook: the file "&Salva News" writes, instead of the save dialog
    // (an empty name cancels).
    std::function<std::string(const std::string& proposto)> sceltaFile;

    void accept() override;
    void reject() override;

private:
    void Aggiorna();
    void SalvaNews();
    void MostraLog();
    void MostraStato();

    CDlgAggiornamentoDati logica_;
    IHttp& http_;
    QPlainTextEdit* log_;
    QLineEdit* indirizzo_;
    QPushButton* aggiorna_;
    QPushButton* salvaNews_;
    QPushButton* ok_;
    QPushButton* cancella_;
    std::atomic<bool> logDaMostrare_{false}; // a queued call will show the log
    // Last: destroyed first, so a running download is stopped and waited for
    // while the log and the session it writes still exist.
    std::unique_ptr<EsecutoreLavoriQt> esecutore_;
};

} // namespace veltra
