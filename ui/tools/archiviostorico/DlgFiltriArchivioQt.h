#pragma once
// "VELTRA - Filtri": a home and an away team filter for the historical
// archive, each switched on by its check box.
#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;

namespace veltra {

class DlgFiltriArchivioQt : public QDialog {
    Q_OBJECT
public:
    // The season's teams and the current filters (-1 = none).
    DlgFiltriArchivioQt(const std::vector<std::string>& squadre, int casa, int trasferta,
                      QWidget* parent = nullptr);

    // After OK: the selected team indices, -1 where the filter is off.
    int casa() const;
    int trasferta() const;

private:
    QCheckBox* attivaCasa_;
    QComboBox* casa_;
    QCheckBox* attivaTrasferta_;
    QComboBox* trasferta_;
};

} // namespace veltra
