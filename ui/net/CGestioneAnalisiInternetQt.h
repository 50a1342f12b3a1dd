#pragma once
// "VELTRA - Gestione Archivi Analisi via Internet": three pages over the
// exchange of analyses. "Invio Analisi" (an archived analysis at a time, the
// list of those to send, the author), "Ricezione Analisi" (the championships
// whose proposed analysis is wanted, and what becomes of it) and
// "Connessione al Server" (the log and the one button that connects, stops,
// or ignores a received analysis during its wait). The exchange is a job run
// without the modal progress window; OK keeps what it did, Annulla puts every
// championship's parameters and archive back.
#include "net/ScambioAnalisi.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace veltra {

class EsecutoreLavoriQt;
class IHttp;
class IMessaggi;

class CGestioneAnalisiInternetQt : public QDialog {
    Q_OBJECT
public:
    CGestioneAnalisiInternetQt(DatiCampionati& dati, std::filesystem::path cartella,
                               std::string indirizzoServizio, IHttp& http, IMessaggi& messaggi,
                               QWidget* parent = nullptr);
    ~CGestioneAnalisiInternetQt() override;

    CGestioneAnalisiInternet& logica() { return logica_; }

    // Where the window opens the comparison of a received analysis with the
    // championship's own (the comparison window is not part of this one):
    // title, received analysis (as evaluated here), the analysis the
    // championship had when the window opened. Without it the button stays
    // hidden.
    std::function<void(const std::string& titolo, const CAnalisi& ricevuta,
                       const CAnalisi& originale)>
        apriConfronto;

    QTabWidget* pagine() const { return pagine_; }
    // "Invio Analisi"
    QComboBox* campionato() const { return campionato_; }
    QLabel* analisi() const { return analisi_; }
    QPushButton* precedente() const { return precedente_; }
    QPushButton* successiva() const { return successiva_; }
    QPushButton* note() const { return note_; }
    QPushButton* punteggi() const { return punteggi_; }
    QPushButton* aggiungiInvio() const { return aggiungiInvio_; }
    QPushButton* togliInvio() const { return togliInvio_; }
    QListWidget* listaInvio() const { return listaInvio_; }
    QLineEdit* autore() const { return autore_; }
    QLineEdit* chiave() const { return chiave_; }
    // The key the user typed before (the field and the logic).
    void ImpostaChiave(const std::string& chiave);
    // "Ricezione Analisi"
    QListWidget* esclusi() const { return esclusi_; }
    QListWidget* inclusi() const { return inclusi_; }
    QPushButton* aggiungiRicezione() const { return aggiungiRicezione_; }
    QPushButton* togliRicezione() const { return togliRicezione_; }
    QCheckBox* comeCorrenti() const { return comeCorrenti_; }
    QCheckBox* inArchivio() const { return inArchivio_; }
    // "Connessione al Server"
    QWidget* paginaConnessione() const { return paginaConnessione_; }
    QPushButton* connessione() const { return connessione_; }
    QPushButton* confronta() const { return confronta_; }
    QPlainTextEdit* messaggi() const { return log_; }
    QPushButton* ok() const { return ok_; }
    QPushButton* annulla() const { return annulla_; }

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void MostraArchivio();
    void MostraInvio();
    void MostraRicezione();
    void MostraLog();
    void MostraStato();
    void Connessione();
    void Confronta();

    CGestioneAnalisiInternet logica_;
    IHttp& http_;
    IMessaggi& messaggi_;
    QTabWidget* pagine_;
    QComboBox* campionato_;
    QLabel* analisi_;
    QPushButton* precedente_;
    QPushButton* successiva_;
    QPushButton* note_;
    QPushButton* punteggi_;
    QPushButton* aggiungiInvio_;
    QPushButton* togliInvio_;
    QListWidget* listaInvio_;
    QLineEdit* autore_;
    QLineEdit* chiave_;
    QListWidget* esclusi_;
    QListWidget* inclusi_;
    QPushButton* aggiungiRicezione_;
    QPushButton* togliRicezione_;
    QCheckBox* comeCorrenti_;
    QCheckBox* inArchivio_;
    QWidget* paginaConnessione_;
    QPushButton* connessione_;
    QPushButton* confronta_;
    QPlainTextEdit* log_;
    QPushButton* ok_;
    QPushButton* annulla_;
    QTimer* stato_; // follows the worker's state (a wait begins or ends) while it runs
    bool interrompiChiesto_ = false;
    std::atomic<bool> logDaMostrare_{false};
    // Last: destroyed first, so a running exchange is stopped and waited for
    // while the log it writes still exists.
    std::unique_ptr<EsecutoreLavoriQt> esecutore_;
};

} // namespace veltra
