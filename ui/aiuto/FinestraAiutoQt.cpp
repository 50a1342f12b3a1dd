#include "aiuto/FinestraAiutoQt.h"

#include "platform/Immagini.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace veltra {

QMap<int, QString> FinestraAiutoQt::LeggiContesti(const QString& testo) {
    QMap<int, QString> tabella;
    for (QString riga : testo.split(u'\n')) {
        const int commento = riga.indexOf(u'#');
        if (commento >= 0) riga.truncate(commento);
        const QStringList parti = riga.simplified().split(u' ', Qt::SkipEmptyParts);
        if (parti.size() != 2) continue;
        bool ok = false;
        const int contesto = parti[0].toInt(&ok, 0); // base 0: "0x20065" or "113"
        if (ok) tabella.insert(contesto, parti[1]);
    }
    return tabella;
}

FinestraAiutoQt::FinestraAiutoQt(QWidget* genitore, QString cartella)
    : QWidget(genitore, Qt::Window), cartella_(std::move(cartella)) {
    InizializzaRisorseUi();
    setObjectName(QStringLiteral("FinestraAiuto"));
    setWindowTitle(QStringLiteral("Help di VELTRA"));
    setWindowIcon(IconaProgramma());

    QFile file(cartella_ + QStringLiteral("/contesti.txt"));
    if (file.open(QIODevice::ReadOnly))
        contesti_ = LeggiContesti(QString::fromUtf8(file.readAll()));

    auto* sommario = new QToolButton(this);
    sommario->setText(QStringLiteral("&Sommario"));
    indietro_ = new QToolButton(this);
    indietro_->setText(QStringLiteral("&Indietro"));
    indietro_->setShortcut(QKeySequence::Back);
    avanti_ = new QToolButton(this);
    avanti_->setText(QStringLiteral("&Avanti"));
    avanti_->setShortcut(QKeySequence::Forward);
    testo_ = new QTextBrowser(this);
    testo_->setSearchPaths({cartella_});
    // Pages link to each other; anything else (a web address) goes to the browser.
    testo_->setOpenExternalLinks(true);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(sommario);
    pulsanti->addWidget(indietro_);
    pulsanti->addWidget(avanti_);
    pulsanti->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pulsanti);
    layout->addWidget(testo_);

    connect(sommario, &QToolButton::clicked, this,
            [this] { MostraPagina(QString::fromLatin1(kPaginaSommario)); });
    connect(indietro_, &QToolButton::clicked, testo_, &QTextBrowser::backward);
    connect(avanti_, &QToolButton::clicked, testo_, &QTextBrowser::forward);
    connect(testo_, &QTextBrowser::historyChanged, this, &FinestraAiutoQt::AggiornaPulsanti);
    AggiornaPulsanti();
    resize(640, 560);
}

QString FinestraAiutoQt::PaginaDelContesto(int contesto) const {
    return contesti_.value(contesto, QString::fromLatin1(kPaginaSommario));
}

void FinestraAiutoQt::MostraContesto(int contesto) {
    ApriPagina(PaginaDelContesto(contesto));
}

void FinestraAiutoQt::ApriPagina(const QString& pagina) {
    MostraPagina(pagina);
    show();
    raise();
    activateWindow();
}

void FinestraAiutoQt::MostraPagina(const QString& pagina) {
    testo_->setSource(QUrl(pagina));
}

QString FinestraAiutoQt::PaginaCorrente() const {
    return QFileInfo(testo_->source().path()).fileName();
}

void FinestraAiutoQt::AggiornaPulsanti() {
    indietro_->setEnabled(testo_->isBackwardAvailable());
    avanti_->setEnabled(testo_->isForwardAvailable());
}

} // namespace veltra
