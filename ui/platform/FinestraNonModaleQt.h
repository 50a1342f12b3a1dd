#pragma once
// The base of the modeless windows the main window keeps beside itself (the
// current analysis, the league table, head-to-head, predictions...): at most
// one of each kind, known to the shell's registry while it is open and
// refreshed by it after every change of championship, data or analysis.
//
// A new modeless window derives from FinestraNonModaleQt, names its kind and
// its resource (kFinestra, kRisorsa) and implements Aggiorna(bool); the main
// window opens it with FinestraNonModaleQt::Apri.
#include "platform/FinestreNonModali.h"

#include <QDialog>

#include <functional>

namespace veltra {

class FinestraNonModaleQt : public QDialog {
    Q_OBJECT
public:
    explicit FinestraNonModaleQt(QWidget* parent = nullptr);

    // Re-reads the data and shows them again; false, after the window's own
    // message, when it has nothing to show (the shell then closes it).
    virtual bool Aggiorna(bool datiCambiati) = 0;

    // The program is about to end: a window with unconfirmed work asks what
    // to do with it. false keeps the program running.
    virtual bool PermettiUscita() { return true; }

signals:
    // The window changed something the main window's commands are enabled
    // by (the pools window: the selected reduction).
    void abilitazioniCambiate();

public:
    // The window behind an entry of the registry (nullptr for none).
    static FinestraNonModaleQt* Di(IFinestraNonModale* voce);

    // The command that opens window W: `crea` makes it when the registry has
    // none open, then it is refreshed (reading `datiCambiati`, as at every
    // later refresh) and brought to the front. A failed refresh closes it and
    // gives nullptr. The window stays registered until the user closes it.
    template <class W>
    static W* Apri(FinestreNonModali& finestre, const bool& datiCambiati,
                   const std::function<W*()>& crea) {
        IFinestraNonModale* voce = finestre.Apri(W::kFinestra, [&]() -> IFinestraNonModale* {
            W* w = crea();
            return w ? &w->Registra(finestre, W::kFinestra, datiCambiati) : nullptr;
        });
        return static_cast<W*>(Di(voce));
    }

private:
    class Voce : public IFinestraNonModale {
    public:
        explicit Voce(FinestraNonModaleQt& finestra) : finestra_(finestra) {}
        bool Aggiorna() override;
        void Chiudi() override;
        void PortaInPrimoPiano() override;
        FinestraNonModaleQt& finestra() const { return finestra_; }

    private:
        FinestraNonModaleQt& finestra_;
    };

    IFinestraNonModale& Registra(FinestreNonModali& finestre, Finestra tipo,
                                 const bool& datiCambiati);

    Voce voce_{*this};
    const bool* datiCambiati_ = nullptr;
};

} // namespace veltra
