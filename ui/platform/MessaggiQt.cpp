#include "platform/MessaggiQt.h"

#include "platform/Piattaforma.h"
#include "platform/UiComune.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

namespace veltra {

namespace {

QMessageBox::Icon IconaQt(Icona icona) {
    switch (icona) {
    case Icona::Esclamazione:
        return QMessageBox::Warning;
    case Icona::Domanda:
        return QMessageBox::Question;
    case Icona::Informazione:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

struct PulsanteMessaggio {
    QMessageBox::StandardButton standard;
    const char* testo;
    Risposta risposta;
};

constexpr PulsanteMessaggio kOk{QMessageBox::Ok, "OK", Risposta::Ok};
constexpr PulsanteMessaggio kSi{QMessageBox::Yes, "&Sì", Risposta::Si};
constexpr PulsanteMessaggio kNo{QMessageBox::No, "&No", Risposta::No};
constexpr PulsanteMessaggio kAnnulla{QMessageBox::Cancel, "Annulla", Risposta::Annulla};

} // namespace

MessaggiQt::MessaggiQt(IAiuto* aiuto, QWidget* genitore) : genitore_(genitore), aiuto_(aiuto) {}

void MessaggiQt::ImpostaGenitore(QWidget* genitore) {
    genitore_ = genitore;
}

void MessaggiQt::ImpostaAiuto(IAiuto* aiuto) {
    aiuto_ = aiuto;
}

QString MessaggiQt::Titolo() {
    return QStringLiteral("VELTRA");
}

Risposta MessaggiQt::Mostra(const std::string& testo, Icona icona, Pulsanti pulsanti,
                            int contestoAiuto) {
    QMessageBox box(genitore_);
    box.setWindowTitle(Titolo());
    box.setIcon(IconaQt(icona));
    box.setText(Q(testo));
    box.setTextFormat(Qt::PlainText);

    std::vector<PulsanteMessaggio> scelte;
    PulsanteMessaggio fuga = kOk; // the answer of Esc and of closing the box
    switch (pulsanti) {
    case Pulsanti::Ok:
        scelte = {kOk};
        fuga = kOk;
        break;
    case Pulsanti::OkAnnulla:
        scelte = {kOk, kAnnulla};
        fuga = kAnnulla;
        break;
    case Pulsanti::SiNo:
        scelte = {kSi, kNo};
        fuga = kNo;
        break;
    case Pulsanti::SiNoAnnulla:
        scelte = {kSi, kNo, kAnnulla};
        fuga = kAnnulla;
        break;
    }
    QMessageBox::StandardButtons insieme;
    for (const auto& s : scelte)
        insieme |= s.standard;
    box.setStandardButtons(insieme);
    for (const auto& s : scelte)
        box.button(s.standard)->setText(Q(s.testo));
    box.setDefaultButton(scelte.front().standard);
    box.setEscapeButton(fuga.standard);

    if (contestoAiuto != kNessunAiuto && aiuto_) {
        // A Help button of a QMessageBox would close the box; this one only
        // opens the page, like F1, and the question stays to be answered.
        auto* guida = box.addButton(QStringLiteral("?"), QMessageBox::HelpRole);
        guida->setObjectName(QStringLiteral("aiuto"));
        guida->setToolTip(QStringLiteral("Apre la pagina dell'Help su questo messaggio (F1)"));
        QObject::disconnect(guida, &QAbstractButton::clicked, nullptr, nullptr);
        IAiuto* aiuto = aiuto_;
        QObject::connect(guida, &QAbstractButton::clicked, &box,
                         [aiuto, contestoAiuto] { aiuto->Mostra(contestoAiuto); });
        auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &box);
        QObject::connect(f1, &QShortcut::activated, &box,
                         [aiuto, contestoAiuto] { aiuto->Mostra(contestoAiuto); });
    }
    // Modal to its window only, so a help window opened from it stays usable.
    box.setWindowModality(genitore_ ? Qt::WindowModal : Qt::ApplicationModal);
    box.exec();

    const QAbstractButton* premuto = box.clickedButton();
    for (const auto& s : scelte)
        if (premuto == box.button(s.standard)) return s.risposta;
    return fuga.risposta;
}

} // namespace veltra
