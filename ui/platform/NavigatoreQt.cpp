#include "platform/NavigatoreQt.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace veltra {

bool NavigatoreQt::ApriFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return false;
    const auto assoluto = std::filesystem::absolute(file, ec);
    if (ec) return false;
    return QDesktopServices::openUrl(
        QUrl::fromLocalFile(QString::fromStdString(assoluto.string())));
}

} // namespace veltra
