#pragma once
// "VELTRA - Cerca Incontro": the home and away team of the match to find in
// the historical archive; OK needs two different teams.
#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QPushButton;

namespace veltra {

class DlgCercaIncontroQt : public QDialog {
    Q_OBJECT
public:
    explicit DlgCercaIncontroQt(const std::vector<std::string>& squadre, QWidget* parent = nullptr);

    int casa() const;
    int trasferta() const;

private:
    void Abilita();

    QComboBox* casa_;
    QComboBox* trasferta_;
    QPushButton* ok_;
};

} // namespace veltra
