#pragma once
// Dialog 208 "Descrizione Analisi": title and description of the archived
// analysis shown by the current analysis window.
#include <QDialog>

#include <string>

class QLineEdit;
class QPlainTextEdit;

namespace veltra {

class DlgDescrizioneAnalisiQt : public QDialog {
    Q_OBJECT
public:
    DlgDescrizioneAnalisiQt(const std::string& titolo, const std::string& descrizione,
                            QWidget* parent = nullptr);
    std::string titolo() const;
    std::string descrizione() const;

private:
    QLineEdit* titolo_;
    QPlainTextEdit* descrizione_;
};

} // namespace veltra
