#pragma once
// The strategy window (239): the strategies one at a time with their
// abstract events and plays. Views: browse, delete, a yields file's summary,
// statistics. Real plays: the strategies resolved on the current events, the
// budget split, the plays as an HTML page. Yields: a past week's outcomes and
// yields, "Salva &Rendimenti". Views and yields are modal; real plays stay
// open beside the bet selection and the main window (one at a time, known to
// the shell's registry, refreshed when the events or the analyses change).
#include "betting/Rendimenti.h"
#include "betting/ScommessaMgr.h"
#include "platform/FinestraNonModaleQt.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

namespace veltra {

struct DatiGlobali;
class IMessaggi;
class EsecutoreLavoriQt;

class CVisualizzaStrategieQt : public FinestraNonModaleQt {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 239;
    static constexpr Finestra kFinestra = Finestra::GiocateReali;
    enum class Modo { Viste = 0, GiocateReali = 1, Rendimenti = 2 };

    // Views and real plays. Real plays take a copy of the current events.
    CVisualizzaStrategieQt(Modo modo, DatiGlobali& dati, std::filesystem::path cartella,
                           IMessaggi& messaggi, QWidget* parent = nullptr);
    // Yields: the week (with its results) and the yields computed on it.
    CVisualizzaStrategieQt(DatiGlobali& dati, std::filesystem::path cartella, IMessaggi& messaggi,
                           std::unique_ptr<ScommessaMgr> settimana, RendimentiSettimana rendimenti,
                           QWidget* parent = nullptr);
    ~CVisualizzaStrategieQt() override;

    // Real plays: the current events copied again when they changed (every
    // resolution then cleared); false, after its message, without events.
    bool Aggiorna(bool datiCambiati) override;

    // Views: the yields file whose summary is shown.
    void ImpostaFileRendimenti(std::optional<CRendimento> r);
    int strategia() const { return indice_; }
    void MostraStrategia(int indice);
    void MostraEvento(int indice);
    void MostraGiocata(int indice);
    QListWidget* giocata() const { return giocata_; }
    QLabel* rendimento() const { return rendimento_; }
    QLabel* settimaneAnalisi() const { return settimane_; }
    // Real plays: resolves the displayed strategy (a job); the resolution.
    void Calcola();
    const std::vector<std::optional<RisoluzioneStrategia>>& risoluzioni() const { return risoluzioni_; }
    // Commands, for the buttons and the tests.
    bool Elimina();                 // after its question
    // Moves the displayed strategy before `primaDi` (asked when not given);
    // its new index.
    int Sposta(std::optional<int> primaDi = std::nullopt);
    QString EsportaGiocate();       // real plays as HTML, after its question
    void SalvaRendimenti();         // dialog 240
    EsecutoreLavoriQt& esecutore() { return *esecutore_; }
    // Test hooks for the file dialogs: the chosen file, empty to cancel.
    std::function<QString(int scelta)> sceltaFileRendimenti;

private:
    void Costruisci();
    void Rinfresca();
    QString RigaGamba(int evento, bool conEsito) const;
    Modo modo_;
    DatiGlobali& dati_;
    std::filesystem::path cartella_;
    IMessaggi& messaggi_;
    std::unique_ptr<EsecutoreLavoriQt> esecutore_;
    std::unique_ptr<ScommessaMgr> lavoro_; // the week or the current events
    RendimentiSettimana rendimenti_;
    std::vector<std::optional<RisoluzioneStrategia>> risoluzioni_;
    std::optional<CRendimento> file_;
    int indice_ = 0, evento_ = 0, giocata_n_ = 0;
    int generazione_ = 0; // counts the replacements of the real plays' events
    QLabel* nome_ = nullptr;
    QLabel* descrizione_ = nullptr;
    QLabel* posizione_ = nullptr;
    QLabel* lettera_ = nullptr;
    QLabel* evento_testo_ = nullptr;
    QLabel* numeroGiocata_ = nullptr;
    QListWidget* giocata_ = nullptr;
    QLabel* settimane_ = nullptr;
    QLabel* vincenti_ = nullptr;
    QLabel* rendimento_ = nullptr;
    QPushButton* prima_ = nullptr;
    QPushButton* precedente_ = nullptr;
    QPushButton* successiva_ = nullptr;
    QPushButton* ultima_ = nullptr;
    QPushButton* eventoPrec_ = nullptr;
    QPushButton* eventoSucc_ = nullptr;
    QPushButton* giocataPrec_ = nullptr;
    QPushButton* giocataSucc_ = nullptr;
    QPushButton* budget_ = nullptr;
    std::vector<QPushButton*> comandi_; // the mode's commands, idle without strategies
};

// The stake split of a resolved strategy (256).
class CCalcolaPuntateQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 256;
    CCalcolaPuntateQt(const CStrategiaDesc& s, std::vector<VoceScommessa> gambe, IMessaggi& messaggi,
                      QWidget* parent = nullptr);
    // A budget that cannot be read is refused with its message: the list
    // and the typed text stay as they were (false).
    bool Calcola(const QString& importo);
    QListWidget* elenco() const { return elenco_; }

private:
    CStrategiaDesc strategia_;
    std::vector<VoceScommessa> gambe_;
    IMessaggi& messaggi_;
    QListWidget* elenco_;
};

} // namespace veltra
