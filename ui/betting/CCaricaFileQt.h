#pragma once
// The typed-path loader (248): the full name of an odds file typed by hand,
// a second way to load a week into the betting manager from the championship
// choice dialog. A path written with '\' separators is taken in this
// system's form.
#include <QDialog>

#include <string>

class QLineEdit;

namespace veltra {

class IMessaggi;

class CCaricaFileQt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRisorsa = 248;
    explicit CCaricaFileQt(IMessaggi& messaggi, QWidget* parent = nullptr);
    // "&OK": refused with a warning while the field is empty.
    bool Conferma();
    QLineEdit* campo() const { return campo_; }
    // The path typed, in this system's form.
    std::string percorso() const;

private:
    IMessaggi& messaggi_;
    QLineEdit* campo_;
};

} // namespace veltra
