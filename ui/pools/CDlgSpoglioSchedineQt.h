#pragma once
// "MARVEN - Spoglio Schedine": the results entered, the check of the played
// system, the reduced columns page by page, and the play's statistics.
#include "pools/CDlgSpoglioSchedine.h"
#include "pools/CostruzioneSistema.h"
#include "platform/EsecutoreLavoriQt.h"

#include <QDialog>

#include <array>
#include <filesystem>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace veltra {

struct DatiGlobali;
class IMessaggi;
class IOrologio;

class CDlgSpoglioSchedineQt : public QDialog {
    Q_OBJECT
public:
    CDlgSpoglioSchedineQt(DatiGlobali& dati, std::filesystem::path cartella, IMessaggi& messaggi,
                          QWidget* parent = nullptr);

    CDlgSpoglioSchedine& logica() { return logica_; }
    EsecutoreLavoriQt& esecutore() { return esecutore_; }
    QComboBox* risultato(int riga) const { return risultati_[static_cast<std::size_t>(riga)]; }
    QLabel* cella(int riga, int c) const { return celle_[static_cast<std::size_t>(riga)][static_cast<std::size_t>(c)]; }
    QLabel* etichetta(const char* nome) const;
    QPushButton* pulsante(const char* nome) const;

    void Calcola();
    // "&Statistiche": builds the play and shows it (modal).
    void Statistiche();
    // For tests: the play built by the last "&Statistiche" is shown by this
    // instead of the modal dialog when set.
    std::function<void(const CStatisticheToto&)> mostraGiocata;

signals:
    void Pronto();
    void Calcolato();

private:
    void Mostra();
    DatiGlobali& dati_;
    std::filesystem::path cartella_;
    IMessaggi& messaggi_;
    CDlgSpoglioSchedine logica_;
    EsecutoreLavoriQt esecutore_;
    ContestoSistema ctx_;
    bool pronto_ = false;
    std::array<QComboBox*, 14> risultati_{};
    std::array<std::array<QLabel*, 8>, 14> celle_{};
    std::array<QLabel*, 8> punti_{};
    QRadioButton* quattro_;
    QRadioButton* otto_;
};

// "MARVEN - Statistiche sulla giocata": the play built by the check, its
// notes and "&Archivia".
class DlgStatisticheGiocataQt : public QDialog {
    Q_OBJECT
public:
    DlgStatisticheGiocataQt(DatiGlobali& dati, std::filesystem::path cartella, IMessaggi& messaggi,
                            CStatisticheToto giocata, QWidget* parent = nullptr);
    const CStatisticheToto& giocata() const { return giocata_; }
    void Archivia();

private:
    DatiGlobali& dati_;
    std::filesystem::path cartella_;
    IMessaggi& messaggi_;
    CStatisticheToto giocata_;
};

// "MARVEN - Statistiche sulle giocate al Totocalcio": the averages, and
// every play one at a time. Opened with DlgStatisticheTotocalcioQt::Apri.
class DlgStatisticheTotocalcioQt : public QDialog {
    Q_OBJECT
public:
    // Reads the list (when not held) and shows the sheet; on a failure the
    // message and nothing else.
    static void Apri(DatiGlobali& dati, const std::filesystem::path& cartella, IMessaggi& messaggi,
                     QWidget* parent);
    DlgStatisticheTotocalcioQt(DatiGlobali& dati, std::filesystem::path cartella, IMessaggi& messaggi,
                               QWidget* parent = nullptr);
    QLabel* etichetta(const QString& nome) const;
    QPushButton* pulsante(const char* nome) const;
    int indice() const { return indice_; }
    void Sposta(int passo);
    void EscludiIncludi();

protected:
    void done(int r) override;

private:
    void MostraMedie();
    void MostraGiocata();
    DatiGlobali& dati_;
    std::filesystem::path cartella_;
    IMessaggi& messaggi_;
    int indice_ = 0;
    bool modificato_ = false;
    class PannelloGiocataQt* pannello_;
};

} // namespace veltra
