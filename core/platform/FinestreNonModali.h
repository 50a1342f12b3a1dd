#pragma once
// The modeless windows the main window keeps beside itself, at most one of
// each kind. The registry does not own them: the window layer creates and
// destroys them and tells the registry.
#include <array>
#include <functional>

namespace veltra {

// In the order AggiornaFinestre refreshes them.
enum class Finestra {
    AnalisiCorrente,
    Classifica,
    ScontriDiretti,
    Pronostici,
    SistemaTotocalcio,
    ScommesseSportive,
    GiocateReali,
    ProssimaGiornata,
};
inline constexpr int kNumeroFinestre = 8;

class IFinestraNonModale {
public:
    virtual ~IFinestraNonModale() = default;
    // Re-reads the data and recomputes what the window shows; false when it
    // cannot (the window's own message is already shown).
    virtual bool Aggiorna() = 0;
    // Destroys the window. The registry has already forgotten it.
    virtual void Chiudi() = 0;
    // Shows it and gives it the focus.
    virtual void PortaInPrimoPiano() = 0;
};

class FinestreNonModali {
public:
    IFinestraNonModale* Cerca(Finestra f) const { return finestre_[Indice(f)]; }
    bool Aperta(Finestra f) const { return Cerca(f) != nullptr; }

    // The command that opens window f: creates it when missing, refreshes it,
    // then brings it to the front. A failed refresh closes it and gives
    // nullptr; so does a creation that gives nullptr.
    IFinestraNonModale* Apri(Finestra f, const std::function<IFinestraNonModale*()>& crea);

    // The user closed the window: forget it.
    void Rimuovi(Finestra f) { finestre_[Indice(f)] = nullptr; }

    // Refreshes window f if open; a failure forgets and closes it.
    void Aggiorna(Finestra f);

    // Closes every open window (end of the program).
    void ChiudiTutte();

private:
    static int Indice(Finestra f) { return static_cast<int>(f); }
    std::array<IFinestraNonModale*, kNumeroFinestre> finestre_ = {};
};

} // namespace veltra
