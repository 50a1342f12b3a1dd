#include "aiuto/DlgInformazioni.h"

#include "platform/AiutoQt.h"
#include "platform/Immagini.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef VELTRA_VERSIONE
#define VELTRA_VERSIONE "0.0"
#endif

namespace veltra {

namespace {

constexpr int kLatoImmagine = 96;

// The upper frame: the program's picture, centred. It takes no clicks, so
// they reach the dialog and its hidden spot.
class QuadroImmagine : public QWidget {
public:
    explicit QuadroImmagine(QWidget* genitore) : QWidget(genitore) {
        setObjectName(QStringLiteral("QuadroImmagine"));
        setMinimumSize(360, kLatoImmagine + 24);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0xdd, 0xe6, 0xdd));
        p.setPen(QColor(0x2e, 0x7d, 0x32));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        const QPixmap pm = ImmaginiProgramma().Pixmap(
            Immagine::Programma, QSize(kLatoImmagine, kLatoImmagine), devicePixelRatioF());
        p.drawPixmap((width() - kLatoImmagine) / 2, (height() - kLatoImmagine) / 2, pm);
    }
};

} // namespace

QString DlgInformazioni::Titolo() {
    return QStringLiteral("VELTRA 2005 - MARVEN 9 - TALBOR 6");
}

QString DlgInformazioni::Versione() {
    const QString v = QCoreApplication::applicationVersion();
    return v.isEmpty() ? QStringLiteral(VELTRA_VERSIONE) : v;
}

bool DlgInformazioni::NelPuntoNascosto(QPoint client) {
    return client.x() >= 12 && client.x() <= 27 && client.y() >= 18 && client.y() <= 59;
}

DlgInformazioni::DlgInformazioni(AiutoQt* aiuto, QWidget* genitore) : QDialog(genitore) {
    InizializzaRisorseUi();
    setObjectName(QStringLiteral("107"));
    setWindowTitle(Titolo());
    setWindowIcon(IconaProgramma());

    auto* quadro = new QuadroImmagine(this);
    auto* nome = new QLabel(QStringLiteral("<b>%1</b>").arg(Titolo().toHtmlEscaped()), this);
    nome->setAlignment(Qt::AlignCenter);
    auto* descrizione =
        new QLabel(QStringLiteral("Statistiche e pronostici di calcio, sistemi per il totocalcio "
                                  "(MARVEN) e scommesse sportive (TALBOR)."),
                   this);
    descrizione->setWordWrap(true);
    descrizione->setAlignment(Qt::AlignCenter);
    auto* versione = new QLabel(QStringLiteral("Versione %1").arg(Versione()), this);
    versione->setAlignment(Qt::AlignCenter);
    auto* licenza = new QLabel(
        QStringLiteral("Software libero: si puo' ridistribuire e modificare secondo i termini "
                       "della GNU General Public License, versione 3 o successiva "
                       "(GPL-3.0-or-later). Fornito senza alcuna garanzia."),
        this);
    licenza->setAlignment(Qt::AlignCenter);
    licenza->setWordWrap(true);
    auto* fonti = new QLabel(
        QStringLiteral("I risultati dei campionati forniti con il programma provengono da fonti "
                       "pubbliche: vedi l'Help, <a href=\"dati.html\">I dati predefiniti e le "
                       "loro fonti</a>."),
        this);
    fonti->setObjectName(QStringLiteral("fonti"));
    fonti->setWordWrap(true);
    fonti->setAlignment(Qt::AlignCenter);
    fonti->setTextFormat(Qt::RichText);
    if (aiuto)
        connect(fonti, &QLabel::linkActivated, this,
                [aiuto](const QString& pagina) { aiuto->MostraPagina(pagina); });
    else
        fonti->setTextInteractionFlags(Qt::NoTextInteraction);

    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    pulsanti->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("1")); // IDOK
    connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 9, 9, 9);
    layout->addWidget(quadro);
    layout->addWidget(nome);
    layout->addWidget(descrizione);
    layout->addWidget(versione);
    layout->addWidget(licenza);
    layout->addWidget(fonti);
    layout->addWidget(pulsanti);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DlgInformazioni::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton && NelPuntoNascosto(evento->position().toPoint()) &&
        colonnaNascosta_) {
        colonnaNascosta_();
        return;
    }
    QDialog::mousePressEvent(evento);
}

} // namespace veltra
