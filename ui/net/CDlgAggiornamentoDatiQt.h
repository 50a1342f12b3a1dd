#pragma once
// "VELTRA - Aggiornamento Dati via Internet": the log under "MESSAGGI", the
// address of the update folder, "&Aggiorna" (which reads "&Interrompi" while
// the download runs), "&Salva News", "&OK" and "&Cancella". The download is
// a job run without the modal progress window: the log is its progress and
// the window's own button stops it. Below, the public sources: the source of
// each chosen championship (from the table of sources, or typed) and "Da
// &fonti", which reads and merges them; "&OK" applies whichever of the two
// updates completed last.
#include "net/CDlgAggiornamentoDati.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace veltra {

class AggiornamentoFonti;
struct DatiGlobali;
class EsecutoreLavoriQt;
class IHttp;
class IMessaggi;

class CDlgAggiornamentoDatiQt : public QDialog {
    Q_OBJECT
public:
    CDlgAggiornamentoDatiQt(DatiGlobali& dati, std::vector<CampionatoId> campionati,
                            std::filesystem::path cartella, std::string& indirizzo,
                            IHttp& http, IMessaggi& messaggi, QWidget* parent = nullptr);
    ~CDlgAggiornamentoDatiQt() override;

    CDlgAggiornamentoDati& logica() { return logica_; }
    AggiornamentoFonti& fonti() { return *fonti_; }

    QPlainTextEdit* messaggi() const { return log_; }
    QLineEdit* indirizzo() const { return indirizzo_; }
    QPushButton* aggiorna() const { return aggiorna_; }
    QPushButton* salvaNews() const { return salvaNews_; }
    QPushButton* ok() const { return ok_; }
    QPushButton* cancella() const { return cancella_; }
    QComboBox* campionatoFonte() const { return campionatoFonte_; }
    QLineEdit* fonte() const { return fonte_; }
    QPushButton* aggiornaFonti() const { return aggiornaFonti_; }
    // Test hook: the file "&Salva News" writes, instead of the save dialog
    // (an empty name cancels).
    std::function<std::string(const std::string& proposto)> sceltaFile;

    void accept() override;
    void reject() override;

private:
    void Aggiorna();
    void AggiornaFonti();
    void MostraFonte();
    void SalvaNews();
    void MostraLog();
    void MostraStato();

    CDlgAggiornamentoDati logica_;
    std::unique_ptr<AggiornamentoFonti> fonti_;
    bool daFonti_ = false; // the last complete update is the sources'
    IHttp& http_;
    QPlainTextEdit* log_;
    QLineEdit* indirizzo_;
    QPushButton* aggiorna_;
    QPushButton* salvaNews_;
    QPushButton* ok_;
    QPushButton* cancella_;
    QComboBox* campionatoFonte_;
    QLineEdit* fonte_;
    QPushButton* aggiornaFonti_;
    std::atomic<bool> logDaMostrare_{false}; // a queued call will show the log
    // Last: destroyed first, so a running download is stopped and waited for
    // while the log and the session it writes still exist.
    std::unique_ptr<EsecutoreLavoriQt> esecutore_;
};

} // namespace veltra
