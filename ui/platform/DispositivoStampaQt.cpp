#include "platform/DispositivoStampaQt.h"

#include "platform/UiComune.h"

#include <QFile>
#include <QFontDatabase>
#include <QPrinter>

#include <algorithm>

namespace veltra {

DispositivoStampaQt::DispositivoStampaQt(std::unique_ptr<QPrinter> stampante)
    : stampante_(std::move(stampante)) {}

DispositivoStampaQt::~DispositivoStampaQt() {
    // A report that stopped without ending its document still releases the job.
    if (pittore_.isActive()) pittore_.end();
}

std::unique_ptr<DispositivoStampaQt> DispositivoStampaQt::SuFilePdf(const QString& file) {
    auto stampante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    stampante->setOutputFormat(QPrinter::PdfFormat);
    stampante->setOutputFileName(file);
    return std::make_unique<DispositivoStampaQt>(std::move(stampante));
}

bool DispositivoStampaQt::InizioDocumento(const std::string& nome) {
    if (pittore_.isActive()) return false;
    stampante_->setDocName(Q(nome));
    stampante_->setFullPage(false); // origin at the top-left corner of the printable area
    if (!pittore_.begin(stampante_.get())) return false;
    const QRectF area = stampante_->pageRect(QPrinter::DevicePixel);
    scala_ = area.height() / kAltezzaPaginaUnita;
    QFont carattere = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    carattere.setStyleHint(QFont::TypeWriter);
    carattere.setPixelSize(std::max(1, static_cast<int>(kAltezzaCarattereUnita * scala_ + 0.5)));
    pittore_.setFont(carattere);
    pittore_.setPen(Qt::black);
    pagineIniziate_ = 0;
    return true;
}

double DispositivoStampaQt::InterlineaCarattere() const {
    if (!pittore_.isActive() || scala_ <= 0) return 0;
    return pittore_.fontMetrics().lineSpacing() / scala_;
}

bool DispositivoStampaQt::InizioPagina() {
    if (!pittore_.isActive()) return false;
    // QPainter::begin already opened the first page.
    if (pagineIniziate_ > 0 && !stampante_->newPage()) return false;
    ++pagineIniziate_;
    return true;
}

void DispositivoStampaQt::Testo(int x, int y, const std::string& testo) {
    if (!pittore_.isActive()) return;
    // (x, y) is the top of the line, as the reports count; Qt draws text on its baseline.
    const QPointF punto(x * scala_, y * scala_ + pittore_.fontMetrics().ascent());
    pittore_.drawText(punto, Q(testo));
}

bool DispositivoStampaQt::FinePagina() {
    // The page is sent with the next newPage() or at the end; a printer
    // error shows in its state.
    return pittore_.isActive() && stampante_->printerState() != QPrinter::Error;
}

void DispositivoStampaQt::FineDocumento() {
    if (pittore_.isActive()) pittore_.end();
}

void DispositivoStampaQt::Annulla() {
    if (!pittore_.isActive()) return;
    const bool interrotto = stampante_->abort();
    if (pittore_.isActive()) pittore_.end();
    // A PDF cannot be aborted by the printer system: drop the half-written file.
    if (!interrotto && stampante_->outputFormat() == QPrinter::PdfFormat &&
        !stampante_->outputFileName().isEmpty())
        QFile::remove(stampante_->outputFileName());
}

} // namespace veltra
