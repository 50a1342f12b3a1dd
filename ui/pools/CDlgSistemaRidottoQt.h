#pragma once
// "MARVEN - Sistema Ridotto": the reduced system page by page, and the
// dictation of the current page through the program's sounds.
#include "pools/CDlgSistemaRidotto.h"
#include "pools/CostruzioneSistema.h"
#include "pools/Dettatura.h"
#include "platform/EsecutoreLavoriQt.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace veltra {

struct DatiGlobali;
class IMessaggi;
class ISuoni;

class CDlgSistemaRidottoQt : public QDialog {
    Q_OBJECT
public:
    // Opening builds the coupon's selected reduced system (a job).
    CDlgSistemaRidottoQt(DatiGlobali& dati, IMessaggi& messaggi, ISuoni& suoni, QWidget* parent = nullptr);
    ~CDlgSistemaRidottoQt() override;

    CDlgSistemaRidotto& logica() { return logica_; }
    CDettatura& dettatura() { return dettatura_; }
    QLabel* cella(int riga, int colonna) const { return celle_[static_cast<std::size_t>(riga)][static_cast<std::size_t>(colonna)]; }
    QPushButton* pulsante(const char* nome) const;
    bool pronto() const { return pronto_; }

    void Detta();
    void Pausa();
    void Stop();

signals:
    void Pronto();
    void DettaturaConclusa();

protected:
    void done(int r) override;

private:
    void Mostra();
    void Concludi(FineDettatura f);
    void StatoControlli(bool dettando);

    DatiGlobali& dati_;
    CDlgSistemaRidotto logica_;
    EsecutoreLavoriQt esecutore_;
    ContestoSistema ctx_;
    CDettatura dettatura_;
    bool pronto_ = false;
    std::array<std::array<QLabel*, 8>, 14> celle_{};
    QLabel* totale_;
    QLabel* probabilita_;
    QLabel* pagina_;
    QRadioButton* quattro_;
    QRadioButton* otto_;
    QPushButton* indietro_;
    QPushButton* avanti_;
    QPushButton* detta_;
    QPushButton* pausa_;
    QPushButton* stop_;
    QSpinBox* velocita_;
};

// "Colonna Nascosta": 13 random signs and a short sound.
class CDlgColonnaNascostaQt : public QDialog {
    Q_OBJECT
public:
    CDlgColonnaNascostaQt(ISuoni& suoni, GeneratoreColonna& generatore, QWidget* parent = nullptr);
    QString colonna() const;

private:
    std::array<QLabel*, 13> segni_{};
};

} // namespace veltra
