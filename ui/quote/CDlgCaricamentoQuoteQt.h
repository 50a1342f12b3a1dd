#pragma once
// "TALBOR - Caricamento Quote via Internet": the bookmaker, the excluded and
// included championships, "&Carica" (which reads "&Interrompi" while the
// download runs), the log, "&OK" and "&Annulla". The download is a job with
// no progress window of its own: the log is its progress. What the worker
// must ask the user (the disclaimer, the GLOBET login, the completion of an
// event) reaches this window's thread as a blocking queued call.
#include "quote/CaricamentoQuote.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QMouseEvent;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace veltra {

class CompletamentoEvento;
class EsecutoreLavoriQt;
class IHttp;
class IMessaggi;

class CDlgCaricamentoQuoteQt : public QDialog {
    Q_OBJECT
public:
    CDlgCaricamentoQuoteQt(DatiCampionati& dati, std::filesystem::path cartella,
                           std::string indirizzoServizio, IHttp& http, IMessaggi& messaggi,
                           QWidget* parent = nullptr);
    ~CDlgCaricamentoQuoteQt() override;

    CDlgCaricamentoQuote& logica() { return logica_; }

    QComboBox* bookmaker() const { return bookmaker_; }
    QListWidget* esclusi() const { return esclusi_; }
    QListWidget* inclusi() const { return inclusi_; }
    QPushButton* carica() const { return carica_; }
    QPlainTextEdit* log() const { return log_; }
    QPushButton* ok() const { return ok_; }
    // Test hooks: the file the save dialog would give (empty = cancelled),
    // the login window's answer, the completion dialog's answer. Each runs
    // on this window's thread.
    std::function<std::string(const std::string& proposto)> sceltaFile;
    std::function<std::optional<AccessoBookmaker>()> sceltaAccesso;
    std::function<SceltaCompletamento(CompletamentoEvento&)> sceltaCompletamento;
    // Called on this window's thread when a download has ended.
    std::function<void()> dopoCaricamento;

    void accept() override;
    void reject() override;

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    void Carica();
    void Aggiungi();
    void Togli();
    void Elenca();
    void MostraLog();
    void MostraStato();
    void Concludi();
    SceltaCompletamento Completa(int campionato, int riconosciuta, const std::array<float, 6>& quote);
    std::optional<AccessoBookmaker> ChiediAccesso();

    DatiCampionati& dati_;
    CDlgCaricamentoQuote logica_;
    IHttp& http_;
    IMessaggi& messaggi_;
    QComboBox* bookmaker_;
    QListWidget* esclusi_;
    QListWidget* inclusi_;
    QPushButton* aggiungi_;
    QPushButton* togli_;
    QPushButton* carica_;
    QPlainTextEdit* log_;
    QPushButton* ok_;
    QPushButton* annulla_;
    std::atomic<bool> logDaMostrare_{false};
    // Last: destroyed first, so a running download is stopped and waited for
    // while what it writes still exists.
    std::unique_ptr<EsecutoreLavoriQt> esecutore_;
};

} // namespace veltra
