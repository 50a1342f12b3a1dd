#pragma once
// The odds-entry dialogs: the choice of championships (212), the odds of one
// championship ten rows a page (180), one added event (225) and the
// completion of a downloaded event (247), each a thin view over its core
// class.
#include "betting/ImmissioneQuote.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QMouseEvent;

namespace veltra {

class IMessaggi;

class CDlgSelezioneCampionatiQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 212;
    CDlgSelezioneCampionatiQt(CDlgSelezioneCampionati& logica, IMessaggi& messaggi,
                              QWidget* parent = nullptr);
    QListWidget* sinistra() const { return sinistra_; }
    QListWidget* destra() const { return destra_; }
    QPushButton* continua() const { return continua_; }
    // Test hooks: the file "Carica Quote" loads, instead of the open dialog;
    // what dialog 248 returns (empty: cancelled), instead of showing it.
    std::function<std::string()> sceltaFile;
    std::function<std::string()> percorsoDigitato;

protected:
    // A left click in the top left corner opens the typed-path loader (betting mode).
    void mousePressEvent(QMouseEvent* e) override;

private:
    void Mostra();
    CDlgSelezioneCampionati& logica_;
    IMessaggi& messaggi_;
    QListWidget* sinistra_;
    QListWidget* destra_;
    QPushButton* continua_;
};

// Dialog 248: the typed path of an odds file.
class CCaricaFileQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 248;
    CCaricaFileQt(CCaricaFile& logica, IMessaggi& messaggi, QWidget* parent = nullptr);
    QLineEdit* campo() const { return campo_; }
    // "&OK": closes only with a path typed.
    void Ok();

private:
    CCaricaFile& logica_;
    IMessaggi& messaggi_;
    QLineEdit* campo_;
};

class CDlgImmissioneQuoteQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 180;
    CDlgImmissioneQuoteQt(CDlgImmissioneQuote& logica, IMessaggi& messaggi,
                          QWidget* parent = nullptr);
    QListWidget* squadre() const { return squadre_; }
    QLineEdit* quota(int riga, int k) const {
        return quote_[static_cast<std::size_t>(riga)][static_cast<std::size_t>(k)];
    }
    QPushButton* continua() const { return continua_; }

private:
    void Mostra();
    void LeggiCampi();
    CDlgImmissioneQuote& logica_;
    IMessaggi& messaggi_;
    QListWidget* squadre_;
    QPushButton* aggiungi_;
    QPushButton* togli_;
    QPushButton* prosegui_;
    QPushButton* continua_;
    std::array<QLabel*, 10> casa_{}, trasferta_{};
    std::array<std::array<QLineEdit*, 6>, 10> quote_{};
    std::array<QLineEdit*, 10> date_{};
    std::array<QCheckBox*, 10> elimina_{};
};

class CDlgAggiuntaEventoQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 225;
    CDlgAggiuntaEventoQt(CDlgAggiuntaEvento& logica, IMessaggi& messaggi, QWidget* parent = nullptr);

private:
    void Mostra();
    CDlgAggiuntaEvento& logica_;
    IMessaggi& messaggi_;
    QComboBox* campionato_;
    QListWidget* squadre_;
    QLabel* casa_;
    QLabel* trasferta_;
    std::array<QLineEdit*, 6> quote_{};
};

class CompletamentoEventoQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 247;
    enum Scelta { Completato = QDialog::Accepted, Ignora = 2, IgnoraTutti = 3 };
    CompletamentoEventoQt(CompletamentoEvento& logica, const std::string& riconosciuta,
                          IMessaggi& messaggi, QWidget* parent = nullptr);
    const std::optional<CompletamentoEvento::Esito>& esito() const { return esito_; }

private:
    void Mostra();
    CompletamentoEvento& logica_;
    IMessaggi& messaggi_;
    QListWidget* squadre_;
    QLabel* casa_;
    QLabel* trasferta_;
    std::array<QLineEdit*, 6> quote_{};
    std::optional<CompletamentoEvento::Esito> esito_;
};

} // namespace veltra
