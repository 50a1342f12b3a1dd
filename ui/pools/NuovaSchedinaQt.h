#pragma once
// The new-coupon wizard's windows: one page per championship
// ("MARVEN - Impostazione Nuova Schedina: Incontri %s") and "Altri
// Incontri", driven by the core's CNuovaSchedina.
#include "pools/CNuovaSchedina.h"

#include <QDialog>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace veltra {

struct DatiGlobali;
class IMessaggi;

class DlgPaginaSchedina : public QDialog {
    Q_OBJECT
public:
    enum Esito { Annullata = 0, Avanti = 1, Indietro = 2 };
    DlgPaginaSchedina(CNuovaSchedina& wizard, IMessaggi& messaggi, QWidget* parent = nullptr);

    QListWidget* squadre() const { return squadre_; }
    QPushButton* aggiungi() const { return aggiungi_; }
    QPushButton* togli() const { return togli_; }
    QPushButton* avanti() const { return avanti_; }
    QPushButton* indietro() const { return indietro_; }

private:
    void Mostra();
    void Lascia(Esito e);

    CNuovaSchedina& w_;
    IMessaggi& messaggi_;
    QListWidget* squadre_;
    QListWidget* casa_;
    QListWidget* trasferta_;
    QPushButton* aggiungi_;
    QPushButton* togli_;
    QPushButton* avanti_;
    QPushButton* indietro_;
};

class DlgAltriIncontri : public QDialog {
    Q_OBJECT
public:
    DlgAltriIncontri(CNuovaSchedina& wizard, QWidget* parent = nullptr);

    QLineEdit* casa() const { return casa_; }
    QLineEdit* trasferta() const { return trasferta_; }
    QComboBox* formaCasa(int i) const { return formaCasa_[static_cast<std::size_t>(i)]; }
    QPushButton* aggiungi() const { return aggiungi_; }
    QPushButton* togli() const { return togli_; }
    QPushButton* schedina() const { return schedina_; }

private:
    void Mostra();
    void Azzera();

    CNuovaSchedina& w_;
    QLabel* numero_;
    QLineEdit* casa_;
    QLineEdit* trasferta_;
    std::array<QComboBox*, 5> formaCasa_{};
    std::array<QComboBox*, 5> formaTrasferta_{};
    QPushButton* aggiungi_;
    QPushButton* togli_;
    QPushButton* schedina_;
};

// The whole wizard, from the backups to the coupon's completion; false when
// cancelled or failed (the backups are back). `esegui` runs each dialog
// (exec by default; the tests drive them).
bool NuovaSchedinaQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent,
                     const std::function<int(QDialog&)>& esegui = {});

} // namespace veltra
