#include "PannelloGiocataQt.h"

#include "pools/ComandiSistema.h"
#include "platform/UiComune.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace veltra {

PannelloGiocataQt::PannelloGiocataQt(const QString& etichettaRiduzione, QWidget* parent) : QWidget(parent) {
    auto* l = new QGridLayout(this);
    auto gruppo = [&](const QString& titolo, std::initializer_list<std::pair<QString, QString>> righe) {
        auto* g = new QGroupBox(titolo);
        auto* gl = new QGridLayout(g);
        int r = 0;
        for (const auto& [etichetta, campo] : righe) {
            gl->addWidget(new QLabel(etichetta), r, 0);
            auto* v = Nomina(new QLabel, campo);
            v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            valori_[campo] = v;
            gl->addWidget(v, r++, 1);
        }
        return g;
    };
    l->addWidget(gruppo(QStringLiteral("SISTEMA ORIGINALE PROPOSTO"),
                        {{QStringLiteral("Doppie :"), QStringLiteral("doppieOriginali")},
                         {QStringLiteral("Triple :"), QStringLiteral("tripleOriginali")},
                         {QStringLiteral("Punti Sistema Integrale :"), QStringLiteral("puntiIntegraleOriginale")},
                         {QStringLiteral("Punti Colonna Base :"), QStringLiteral("puntiBaseOriginale")}}),
                 0, 0);
    l->addWidget(gruppo(QStringLiteral("INTERVENTI NECESSARI PER IL 12"),
                        {{QStringLiteral("Fissa --> Doppia :"), QStringLiteral("fissaDoppiaPer12")},
                         {QStringLiteral("Doppia --> Tripla :"), QStringLiteral("doppiaTriplaPer12")}}),
                 1, 0);
    l->addWidget(gruppo(QStringLiteral("SISTEMA GIOCATO"),
                        {{QStringLiteral("Doppie :"), QStringLiteral("doppieGiocate")},
                         {QStringLiteral("Triple :"), QStringLiteral("tripleGiocate")},
                         {QStringLiteral("Punti Sistema Integrale :"), QStringLiteral("puntiIntegraleGiocato")},
                         {QStringLiteral("Punti Colonna Base :"), QStringLiteral("puntiBaseGiocata")},
                         {etichettaRiduzione, QStringLiteral("riduzione")},
                         {QStringLiteral("Colonne Sistema Ridotto :"), QStringLiteral("colonneRidotto")},
                         {QStringLiteral("Punti Sistema Ridotto :"), QStringLiteral("puntiRidotto")}}),
                 0, 1, 2, 1);
    std::vector<std::pair<QString, QString>> interventi = {
        {QStringLiteral("Pronostici Fissati dall'Utente :"), QStringLiteral("fissatiUtente")}};
    auto* g = new QGroupBox(QStringLiteral("INTERVENTI COMPIUTI SUL SISTEMA ORIGINALE"));
    auto* gl = new QGridLayout(g);
    gl->addWidget(new QLabel(interventi[0].first), 0, 0);
    valori_[interventi[0].second] = Nomina(new QLabel, interventi[0].second);
    gl->addWidget(valori_[interventi[0].second], 0, 1);
    for (int i = 0; i < kNumeroComandiSistema; ++i) {
        QString testo = Q(TestoComando(static_cast<ComandoSistema>(i)));
        testo.remove(QLatin1Char('&'));
        const QString campo = QStringLiteral("interventi%1").arg(i);
        gl->addWidget(new QLabel(testo + QStringLiteral(" :")), 1 + i % 5, (i / 5) * 2);
        valori_[campo] = Nomina(new QLabel, campo);
        gl->addWidget(valori_[campo], 1 + i % 5, (i / 5) * 2 + 1);
    }
    l->addWidget(g, 2, 0, 1, 2);
}

void PannelloGiocataQt::Mostra(const CStatisticheToto& g) {
    auto imposta = [&](const char* campo, long long v) { valori_[QString::fromLatin1(campo)]->setText(QString::number(v)); };
    imposta("doppieOriginali", g.doppieOriginali);
    imposta("tripleOriginali", g.tripleOriginali);
    imposta("puntiIntegraleOriginale", g.puntiIntegraleOriginale);
    imposta("puntiBaseOriginale", g.puntiBaseOriginale);
    imposta("fissaDoppiaPer12", g.fissaDoppiaPer12);
    imposta("doppiaTriplaPer12", g.doppiaTriplaPer12);
    imposta("doppieGiocate", g.doppieGiocate);
    imposta("tripleGiocate", g.tripleGiocate);
    imposta("puntiIntegraleGiocato", g.puntiIntegraleGiocato);
    imposta("puntiBaseGiocata", g.puntiBaseGiocata);
    valori_[QStringLiteral("riduzione")]->setText(Q(TestoRiduzione(g)));
    imposta("colonneRidotto", g.colonneRidotto);
    imposta("puntiRidotto", g.puntiRidotto);
    imposta("fissatiUtente", g.fissatiUtente);
    for (int i = 0; i < kNumeroComandiSistema; ++i)
        valori_[QStringLiteral("interventi%1").arg(i)]->setNum(g.interventi[static_cast<std::size_t>(i)]);
}

QString PannelloGiocataQt::valore(const QString& campo) const {
    const auto it = valori_.find(campo);
    return it == valori_.end() ? QString() : it->second->text();
}

bool ModificaNote(std::string& note, QWidget* parent) {
    QDialog d(parent);
    d.setWindowTitle(QStringLiteral("Descrizione Giocata Totocalcio"));
    auto* l = new QVBoxLayout(&d);
    auto* testo = Nomina(new QPlainTextEdit(Q(note)), QStringLiteral("note"));
    l->addWidget(testo);
    l->addWidget(PulsantiOkCancella(d));
    d.resize(420, 260);
    if (d.exec() != QDialog::Accepted) return false;
    note = testo->toPlainText().toStdString();
    return true;
}

std::optional<bool> SceltaSostituzione(const CStatisticheToto& recente, QWidget* parent) {
    QDialog d(parent);
    d.setWindowTitle(QStringLiteral("Aggiunta o Sostituzione statistiche"));
    auto* l = new QVBoxLayout(&d);
    l->addWidget(new QLabel(QStringLiteral("IL SALVATAGGIO PIU' RECENTE DI STATISTICHE SUL TOTOCALCIO E' DATATO :")));
    l->addWidget(Nomina(new QLabel(Q(TestoData(recente.data))), QStringLiteral("data")));
    auto* aggiungi = Nomina(new QRadioButton(QStringLiteral("AGGIUNGERE NELL'ARCHIVIO LE NUOVE STATISTICHE")),
                            QStringLiteral("aggiungi"));
    auto* sostituisci = Nomina(
        new QRadioButton(QStringLiteral("SOSTITUIRE L'ULTIMO SALVATAGGIO CON LE NUOVE STATISTICHE")),
        QStringLiteral("sostituisci"));
    aggiungi->setChecked(true);
    l->addWidget(aggiungi);
    l->addWidget(sostituisci);
    l->addWidget(PulsantiOkCancella(d));
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return sostituisci->isChecked();
}

} // namespace veltra
