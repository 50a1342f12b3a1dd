#pragma once
// "TALBOR - Accesso condizionato": the login and password a bookmaker's odds
// area may ask for, kept in memory for one download only.
#include <QDialog>

class QLineEdit;

namespace veltra {

class CDlgAccessoCondizionatoQt : public QDialog {
    Q_OBJECT
public:
    explicit CDlgAccessoCondizionatoQt(QWidget* parent = nullptr);
    QLineEdit* login() const { return login_; }
    QLineEdit* password() const { return password_; }

private:
    QLineEdit* login_;
    QLineEdit* password_;
};

} // namespace veltra
