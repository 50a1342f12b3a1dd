#include "CFoglioCondizioniQt.h"
#include "platform/UiComune.h"

#include "app/DatiGlobali.h"
#include "platform/Messaggi.h"
#include "platform/Risorse.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace veltra {

namespace {

// A spin control that shows the letters A..Z for 0..25.
class SpinLettere : public QSpinBox {
public:
    SpinLettere() { setRange(0, 25); }

protected:
    QString textFromValue(int v) const override { return QString(QChar('A' + v)); }
    int valueFromText(const QString& t) const override {
        return t.isEmpty() ? 0 : std::clamp(t.at(0).toUpper().unicode() - 'A', 0, 25);
    }
    QValidator::State validate(QString& t, int&) const override {
        if (t.isEmpty()) return QValidator::Intermediate;
        const QChar c = t.at(0).toUpper();
        return t.size() == 1 && c >= 'A' && c <= 'Z' ? QValidator::Acceptable : QValidator::Invalid;
    }
};

QSpinBox* Spin(const QString& nome, int massimo, const QString& suggerimento) {
    auto* s = Nomina(new QSpinBox, nome, suggerimento);
    s->setRange(0, massimo);
    return s;
}

void Imposta(QSpinBox* s, int v) {
    const QSignalBlocker b(s);
    s->setValue(v);
}

QString Righe(std::string t) {
    // The page's text breaks lines with "\r\r\n".
    QString q = Q(t);
    q.replace("\r\r\n", "\n");
    return q;
}

} // namespace

CFoglioCondizioniQt::CFoglioCondizioniQt(DatiGlobali& dati, IMessaggi& messaggi, QWidget* parent)
    : QDialog(parent), logica_(dati, dati.schedina, dati.condizionamenti), esecutore_(this),
      ctx_{esecutore_, messaggi, CartellaRiduzioni(), std::nullopt, 0} {
    setObjectName(QString::number(kRisorsa));
    setWindowTitle(kTitoloCondizioni);

    // The coupon and the sizes, shown above every page.
    auto* testa = new QGridLayout;
    testa->setVerticalSpacing(1);
    for (int r = 0; r < kRigheSchedina; ++r) {
        testa->addWidget(new QLabel(QString::number(r + 1)), r, 0, Qt::AlignRight);
        casa_[r] = new QLabel;
        trasferta_[r] = new QLabel;
        pronostico_[r] = Nomina(new QLabel, QString("pronostico%1").arg(r + 1));
        pronostico_[r]->setStyleSheet("font-weight: bold");
        testa->addWidget(casa_[r], r, 1);
        testa->addWidget(trasferta_[r], r, 2);
        testa->addWidget(pronostico_[r], r, 3);
    }
    integrale_ = Nomina(new QLabel, "colonneIntegrale");
    condizionato_ = Nomina(new QLabel, "colonneCondizionato");
    ridotto_ = Nomina(new QCheckBox("Condizionato Ridotto :"), "condizionatoRidotto",
                      "Impone la riduzione N-1 delle colonne del sistema condizionato");
    ridotto_->setLayoutDirection(Qt::RightToLeft);
    auto* dimensioni = new QGridLayout;
    dimensioni->addWidget(new QLabel("Colonne Sistema Integrale :"), 0, 0);
    dimensioni->addWidget(integrale_, 0, 1);
    dimensioni->addWidget(new QLabel("Colonne Sistema Condizionato:"), 1, 0);
    dimensioni->addWidget(condizionato_, 1, 1);
    dimensioni->addWidget(ridotto_, 2, 0, 1, 2, Qt::AlignLeft);

    pagine_ = Nomina(new QTabWidget, "pagine");

    // "Min/Max Segni" and "Consecutivita' Segni".
    const char* titoliSegni[3] = {"QUANTITA' DI SEGNI '1'", "QUANTITA' DI SEGNI X'", "QUANTITA' DI SEGNI '2'"};
    const char* titoliCons[3] = {"SEGNI '1' CONSECUTIVI", "SEGNI 'X' CONSECUTIVI", "SEGNI '2' CONSECUTIVI"};
    const char* nomiSegni[3] = {"'1'", "'X'", "'2'"};
    for (int p = 0; p < 2; ++p) {
        auto* pagina = new QWidget;
        auto* l = new QVBoxLayout(pagina);
        attiva_[p] = Nomina(new QRadioButton("Attiva :"), p == 0 ? "attivaSegni" : "attivaConsecutivi",
                            "Rende attivo il condizionamento visualizzato");
        disattiva_[p] = Nomina(new QRadioButton("Disattiva :"),
                               p == 0 ? "disattivaSegni" : "disattivaConsecutivi",
                               "Disattiva il condizionamento visualizzato");
        auto* bg = new QButtonGroup(pagina);
        bg->addButton(attiva_[p]);
        bg->addButton(disattiva_[p]);
        auto* riga = new QHBoxLayout;
        riga->addWidget(attiva_[p]);
        riga->addWidget(disattiva_[p]);
        riga->addStretch();
        l->addLayout(riga);
        for (int s = 0; s < 3; ++s) {
            auto* box = new QGroupBox(p == 0 ? titoliSegni[s] : titoliCons[s]);
            auto* g = new QHBoxLayout(box);
            const bool uno = p == 0 && s == 0;
            for (int m = 0; m < 2; ++m) {
                const QString sugg =
                    QString("Imposta il numero %1 richiesto di segni %2%3")
                        .arg(m == 0 ? "minimo" : "massimo", nomiSegni[s], p == 1 ? " consecutivi" : "");
                auto* spin = Spin(QString("%1%2%3").arg(p == 0 ? "segni" : "consecutivi")
                                      .arg(m == 0 ? "Min" : "Max")
                                      .arg(s == 0 ? "1" : s == 1 ? "X" : "2"),
                                  14, sugg);
                limiti_[p][s][m] = spin;
                g->addWidget(new QLabel(m == 0 ? (uno ? "Minina :" : "Minino :") : (uno ? "Massima :" : "Massimo :")));
                g->addWidget(spin);
                connect(spin, &QSpinBox::valueChanged, this, [this, p, s, m](int v) {
                    if (mostra_) return;
                    if (p == 0)
                        logica_.ImpostaSegni(s, m == 1, v);
                    else
                        logica_.ImpostaConsecutivi(s, m == 1, v);
                    Mostra();
                });
            }
            g->addStretch();
            l->addWidget(box);
        }
        l->addStretch();
        connect(attiva_[p], &QRadioButton::toggled, this, [this, p](bool on) {
            if (mostra_) return;
            if (p == 0)
                logica_.AttivaSegni(on);
            else
                logica_.AttivaConsecutivi(on);
            Mostra();
        });
        pagine_->addTab(pagina, p == 0 ? "Min/Max Segni" : "Consecutivita' Segni");
    }

    // "Colonne Filtro".
    {
        auto* pagina = new QWidget;
        auto* l = new QVBoxLayout(pagina);
        numeroFiltro_ = Nomina(new QLabel, "numeroFiltro");
        l->addWidget(numeroFiltro_);
        auto* g = new QGridLayout;
        for (int r = 0; r < kRigheSchedina; ++r) {
            voci_[r] = Nomina(new QComboBox, QString("voce%1").arg(r + 1),
                              "Imposta una condizione per il pronostico");
            for (const char* v : kVociFiltro) voci_[r]->addItem(v);
            g->addWidget(new QLabel(QString::number(r + 1)), r % 7, (r / 7) * 2, Qt::AlignRight);
            g->addWidget(voci_[r], r % 7, (r / 7) * 2 + 1);
            connect(voci_[r], &QComboBox::currentTextChanged, this, [this, r](const QString& t) {
                if (mostra_) return;
                logica_.ImpostaVoce(r, t.toStdString());
                Mostra();
            });
        }
        l->addLayout(g);
        auto* riga = new QHBoxLayout;
        gruppoFiltro_ = Nomina(static_cast<QSpinBox*>(new SpinLettere), "gruppoFiltro",
                               "Assegna la colonna filtro visualizzata ad un gruppo");
        riga->addWidget(new QLabel("GRUPPO : "));
        riga->addWidget(gruppoFiltro_);
        riga->addSpacing(16);
        riga->addWidget(new QLabel("Punteggio :"));
        for (int m = 0; m < 2; ++m) {
            punteggio_[m] = Spin(m == 0 ? "punteggioMin" : "punteggioMax", 14,
                                 m == 0 ? "Imposta il punteggio minimo richiesto per la colonna filtro visualizzata"
                                        : "Imposta il punteggio massimo richiesto per la colonna filtro visualizzata");
            riga->addWidget(new QLabel(m == 0 ? "Minino :" : "Massimo :"));
            riga->addWidget(punteggio_[m]);
            connect(punteggio_[m], &QSpinBox::valueChanged, this, [this, m](int v) {
                if (mostra_) return;
                logica_.ImpostaPunteggio(m == 1, v);
                Mostra();
            });
        }
        riga->addStretch();
        l->addLayout(riga);
        filtroAttivo_ = Nomina(new QRadioButton("Attiva :"), "filtroAttivo", "Rende attivo il condizionamento visualizzato");
        filtroInattivo_ = Nomina(new QRadioButton("Disattiva :"), "filtroInattivo", "Disattiva il condizionamento visualizzato");
        auto* bg = new QButtonGroup(pagina);
        bg->addButton(filtroAttivo_);
        bg->addButton(filtroInattivo_);
        crea_ = Pulsante("&Crea", "crea", "Crea una nuova colonna filtro");
        elimina_ = Pulsante("&Elimina", "elimina", "Elimina la colonna filtro visualizzata");
        precedente_ = Pulsante("<<", "precedente", "Visualizza la colonna filtro precedente");
        successiva_ = Pulsante(">>", "successiva", "Visualizza la colonna filtro successiva");
        auto* comandi = new QHBoxLayout;
        for (QWidget* w : std::initializer_list<QWidget*>{filtroAttivo_, filtroInattivo_}) comandi->addWidget(w);
        comandi->addStretch();
        for (QWidget* w : std::initializer_list<QWidget*>{crea_, elimina_, precedente_, successiva_})
            comandi->addWidget(w);
        l->addLayout(comandi);
        l->addStretch();
        connect(gruppoFiltro_, &QSpinBox::valueChanged, this, [this](int v) {
            if (mostra_) return;
            logica_.ImpostaGruppoColonna(static_cast<char>('A' + v));
            Mostra();
        });
        connect(filtroAttivo_, &QRadioButton::toggled, this, [this](bool on) {
            if (mostra_) return;
            logica_.AttivaColonna(on);
            Mostra();
        });
        connect(crea_, &QPushButton::clicked, this, [this] { logica_.Crea(); Mostra(); });
        connect(elimina_, &QPushButton::clicked, this, [this] { logica_.Elimina(); Mostra(); });
        connect(precedente_, &QPushButton::clicked, this, [this] { logica_.Precedente(); Mostra(); });
        connect(successiva_, &QPushButton::clicked, this, [this] { logica_.Successiva(); Mostra(); });
        pagine_->addTab(pagina, "Colonne Filtro");
    }

    // "Raggruppamento Colonne Filtro".
    {
        auto* pagina = new QWidget;
        auto* l = new QVBoxLayout(pagina);
        gruppo_ = Nomina(static_cast<QSpinBox*>(new SpinLettere), "gruppo", "Seleziona un gruppo di colonne filtro");
        auto* riga = new QHBoxLayout;
        riga->addWidget(new QLabel("GRUPPO :"));
        riga->addWidget(gruppo_);
        riga->addStretch();
        l->addLayout(riga);
        auto* box1 = new QGroupBox("VALIDITA' DELLE COLONNE FILTRO ALL'INTERNO DEI GRUPPI DI CONDIZIONI");
        auto* box2 = new QGroupBox("VALIDITA' DEI GRUPPI DI CONDIZIONI");
        fraseGruppo_ = Nomina(new QLabel, "fraseGruppo");
        fraseGruppi_ = Nomina(new QLabel, "fraseGruppi");
        for (int b = 0; b < 2; ++b) {
            auto* v = new QVBoxLayout(b == 0 ? box1 : box2);
            auto* h = new QHBoxLayout;
            for (int m = 0; m < 2; ++m) {
                auto* s = Spin(QString("%1%2").arg(b == 0 ? "gruppo" : "gruppi").arg(m == 0 ? "Min" : "Max"), 0, {});
                (b == 0 ? limitiGruppo_ : limitiGruppi_)[m] = s;
                h->addWidget(new QLabel(m == 0 ? "Min :" : "Max :"));
                h->addWidget(s);
                connect(s, &QSpinBox::valueChanged, this, [this, b, m](int val) {
                    if (mostra_) return;
                    if (b == 0)
                        logica_.ImpostaLimiteGruppo(m == 1, val);
                    else
                        logica_.ImpostaLimiteGruppi(m == 1, val);
                    Mostra();
                });
            }
            h->addStretch();
            v->addLayout(h);
            v->addWidget(b == 0 ? fraseGruppo_ : fraseGruppi_);
            l->addWidget(b == 0 ? box1 : box2);
        }
        l->addStretch();
        connect(gruppo_, &QSpinBox::valueChanged, this, [this](int v) {
            if (mostra_) return;
            logica_.SelezionaGruppo(v);
            Mostra();
        });
        pagine_->addTab(pagina, "Raggruppamento Colonne Filtro");
    }

    // "Min/Max Prob.".
    {
        auto* pagina = new QWidget;
        auto* l = new QVBoxLayout(pagina);
        attiva_[2] = Nomina(new QRadioButton("Attiva :"), "attivaProbabilita", "Rende attivo il condizionamento visualizzato");
        disattiva_[2] = Nomina(new QRadioButton("Disattiva :"), "disattivaProbabilita", "Disattiva il condizionamento visualizzato");
        auto* bg = new QButtonGroup(pagina);
        bg->addButton(attiva_[2]);
        bg->addButton(disattiva_[2]);
        auto* riga = new QHBoxLayout;
        riga->addWidget(attiva_[2]);
        riga->addWidget(disattiva_[2]);
        riga->addStretch();
        l->addLayout(riga);
        auto* box = new QGroupBox("LIMITI DI PROBABILITA' DELLE COLONNE");
        auto* g = new QGridLayout(box);
        probMin_ = Nomina(new QLabel, "probMin");
        probMax_ = Nomina(new QLabel, "probMax");
        scartatiCrescenti_ = Nomina(new QLabel, "scartatiCrescenti");
        scartatiDecrescenti_ = Nomina(new QLabel, "scartatiDecrescenti");
        for (int m = 0; m < 2; ++m) {
            k_[m] = Spin(m == 0 ? "k1" : "k2", 100,
                         m == 0 ? "Imposta la probabilità minima delle colonne da mantenere nel sistema"
                                : "Imposta la probabilità massima delle colonne da mantenere nel sistema");
            g->addWidget(new QLabel(m == 0 ? "Minina :" : "Massima :"), m, 0);
            g->addWidget(k_[m], m, 1);
            g->addWidget(m == 0 ? probMin_ : probMax_, m, 2);
            g->addWidget(m == 0 ? scartatiCrescenti_ : scartatiDecrescenti_, m, 3);
            connect(k_[m], &QSpinBox::valueChanged, this, [this, m](int v) {
                if (mostra_) return;
                logica_.ImpostaK(m == 1, v);
                Mostra();
            });
        }
        l->addWidget(box);
        spiegazione_ = Nomina(new QLabel, "spiegazione");
        spiegazione_->setWordWrap(true);
        l->addWidget(spiegazione_);
        l->addStretch();
        connect(attiva_[2], &QRadioButton::toggled, this, [this](bool on) {
            if (mostra_) return;
            logica_.AttivaProbabilita(on);
            Mostra();
        });
        pagine_->addTab(pagina, "Min/Max Prob.");
    }

    applica_ = Pulsante("&Applica", "applica", "Calcola le colonne del sistema condizionato");
    auto* piede = new QHBoxLayout;
    piede->addStretch();
    piede->addWidget(PulsantiOkCancella(*this));
    piede->addWidget(applica_);

    auto* sopra = new QHBoxLayout;
    sopra->addLayout(testa);
    sopra->addSpacing(16);
    sopra->addLayout(dimensioni);
    sopra->setAlignment(dimensioni, Qt::AlignTop);
    sopra->addStretch();
    // Wide enough for the five tabs and the probability page's sentences.
    setMinimumSize(900, 720);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(sopra);
    tutto->addWidget(pagine_);
    tutto->addLayout(piede);

    connect(ridotto_, &QCheckBox::toggled, this, [this](bool on) {
        if (mostra_) return;
        logica_.ImpostaCondizionatoRidotto(on);
        Mostra();
    });
    connect(applica_, &QPushButton::clicked, this, [this] {
        applica_->setEnabled(false);
        logica_.Applica(ctx_, [this] { Mostra(); });
    });
    connect(pagine_, &QTabWidget::currentChanged, this, [this](int p) { PaginaCambiata(p); });
    Mostra();
}

void CFoglioCondizioniQt::PaginaCambiata(int pagina) {
    if (pagina == 4 && !logica_.limitiNoti()) {
        logica_.CalcolaLimiti(esecutore_, [this](bool) { Mostra(); });
        return;
    }
    Mostra();
}

void CFoglioCondizioniQt::Mostra() {
    mostra_ = true;
    const auto righe = logica_.righe();
    for (int r = 0; r < kRigheSchedina; ++r) {
        casa_[r]->setText(Q(righe[r].casa));
        trasferta_[r]->setText(Q(righe[r].trasferta));
        pronostico_[r]->setText(Q(righe[r].pronostico));
    }
    integrale_->setText(Q(logica_.testoIntegrale()));
    condizionato_->setText(Q(logica_.testoCondizionato()));
    ridotto_->setChecked(logica_.condizionatoRidotto());
    applica_->setEnabled(logica_.applicaAbilitato());
    const CondizioniRiduzione& k = logica_.condizioni();

    const bool attivi[3] = {k.attivoSegni != 0, k.attivoConsecutivi != 0, k.attivoProbabilita != 0};
    for (int p = 0; p < 3; ++p) {
        attiva_[p]->setChecked(attivi[p]);
        disattiva_[p]->setChecked(!attivi[p]);
    }
    const std::int16_t valori[2][3][2] = {
        {{k.min1, k.max1}, {k.minX, k.maxX}, {k.min2, k.max2}},
        {{k.minCons1, k.maxCons1}, {k.minConsX, k.maxConsX}, {k.minCons2, k.maxCons2}}};
    for (int p = 0; p < 2; ++p)
        for (int s = 0; s < 3; ++s)
            for (int m = 0; m < 2; ++m) Imposta(limiti_[p][s][m], valori[p][s][m]);

    const CColonnaFiltro* f = logica_.colonna();
    numeroFiltro_->setText(QString("COLONNA FILTRO N.: %1").arg(f ? logica_.colonnaMostrata() + 1 : 1));
    for (int r = 0; r < kRigheSchedina; ++r) {
        const QSignalBlocker b(voci_[r]);
        const QString t = f ? Q(f->Pronostico(r)) : QString("-");
        voci_[r]->setCurrentText(t.isEmpty() ? "-" : t);
        voci_[r]->setEnabled(f);
    }
    Imposta(gruppoFiltro_, f ? f->gruppo - 'A' : 0);
    Imposta(punteggio_[0], f ? f->punteggioMin : 0);
    Imposta(punteggio_[1], f ? f->punteggioMax : 14);
    filtroAttivo_->setChecked(f && f->attiva);
    filtroInattivo_->setChecked(f && !f->attiva);
    for (QWidget* w : std::initializer_list<QWidget*>{gruppoFiltro_, punteggio_[0], punteggio_[1],
                                                      filtroAttivo_, filtroInattivo_, elimina_})
        w->setEnabled(f);
    crea_->setEnabled(logica_.creaAbilitato());
    precedente_->setEnabled(logica_.precedenteAbilitato());
    successiva_->setEnabled(logica_.successivaAbilitato());

    Imposta(gruppo_, logica_.gruppo());
    const int n = logica_.colonneNelGruppo();
    for (int m = 0; m < 2; ++m) {
        limitiGruppo_[m]->setRange(0, n);
        limitiGruppo_[m]->setEnabled(n > 0);
        limitiGruppi_[m]->setRange(0, logica_.gruppiNonVuoti());
    }
    Imposta(limitiGruppo_[0], k.minColonneGruppo[static_cast<std::size_t>(logica_.gruppo())]);
    Imposta(limitiGruppo_[1], k.maxColonneGruppo[static_cast<std::size_t>(logica_.gruppo())]);
    Imposta(limitiGruppi_[0], k.minGruppi);
    Imposta(limitiGruppi_[1], k.maxGruppi);
    fraseGruppo_->setText(Q(logica_.fraseGruppo()));
    fraseGruppi_->setText(Q(logica_.fraseGruppi()));

    const bool noti = logica_.limitiNoti();
    for (int m = 0; m < 2; ++m) k_[m]->setEnabled(noti);
    Imposta(k_[0], logica_.k1());
    Imposta(k_[1], logica_.k2());
    probMin_->setText(noti ? Q(logica_.testoProbMin()) : QString());
    probMax_->setText(noti ? Q(logica_.testoProbMax()) : QString());
    scartatiCrescenti_->setText(noti ? Q(logica_.testoScartatiCrescenti()) : QString());
    scartatiDecrescenti_->setText(noti ? Q(logica_.testoScartatiDecrescenti()) : QString());
    spiegazione_->setText(noti ? Righe(logica_.spiegazione()) : QString());
    mostra_ = false;
}

void CFoglioCondizioniQt::accept() {
    cambiate_ = logica_.Ok();
    QDialog::accept();
}

void CFoglioCondizioniQt::reject() {
    logica_.Annulla();
    QDialog::reject();
}

} // namespace veltra
