#pragma once
// Long work has one shape. A job takes its parameters by value, runs away
// from the user-interface thread, reports its progress through a callback,
// looks at an atomic stop request between steps, and returns its result; the
// caller gets the result (and whether the job was stopped) back on its own
// thread. The window layer runs jobs on a worker thread behind a progress
// window with a working stop button; tests and the terminal run them in
// place with EsecutoreSincrono.
//
//   AvviaLavoro<Risultato>(esecutore, "Ricerca in corso",
//       [parametri](ContestoLavoro& c) {            // parameters copied in
//           for (long i = 0; i < n && !c.FermoRichiesto(); ++i) {
//               ...;
//               c.Avanza(i + 1, n);
//           }
//           return risultato;
//       },
//       [this](EsitoLavoro<Risultato> e) { ... });  // back on the caller's thread
#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace veltra {

struct Avanzamento {
    long fatto = 0;
    long totale = 0;        // 0: no bar, only the counter text
    std::string contatore;  // an optional line under the bar ("12 colonne su 729")
};

// What a running job sees.
class ContestoLavoro {
public:
    using Callback = std::function<void(const Avanzamento&)>;
    ContestoLavoro(const std::atomic<bool>& fermo, Callback avanzamento)
        : fermo_(fermo), avanzamento_(std::move(avanzamento)) {}

    bool FermoRichiesto() const { return fermo_.load(std::memory_order_relaxed); }

    // Cheap to call often: the window layer shows only the newest state.
    void Avanza(long fatto, long totale, std::string contatore = {}) const {
        if (avanzamento_) avanzamento_(Avanzamento{fatto, totale, std::move(contatore)});
    }

private:
    const std::atomic<bool>& fermo_;
    Callback avanzamento_;
};

// How a job ended: stopped on request, or failed (the job threw: the text of
// the exception), or neither.
struct FineLavoro {
    bool fermato = false;
    std::string errore;
    bool riuscito() const { return errore.empty(); }
};

class IEsecutoreLavori {
public:
    virtual ~IEsecutoreLavori() = default;
    // Runs `corpo` and afterwards `fine` on the caller's thread. `corpo` may
    // run on another thread: it must use only what it was given by value (or
    // what nobody changes meanwhile). May return before the job ends.
    virtual void Avvia(const std::string& titolo, std::function<void(ContestoLavoro&)> corpo,
                       std::function<void(const FineLavoro&)> fine) = 0;
};

template <class R>
struct EsitoLavoro {
    R risultato{};
    FineLavoro fine;
};

// The typed form: `corpo` returns an R, which `fine` receives. A stopped job
// still returns what it has (a search stopped early gives the best so far).
template <class R, class Corpo>
void AvviaLavoro(IEsecutoreLavori& esecutore, const std::string& titolo, Corpo corpo,
                 std::function<void(EsitoLavoro<R>)> fine) {
    auto esito = std::make_shared<EsitoLavoro<R>>();
    esecutore.Avvia(
        titolo, [esito, corpo = std::move(corpo)](ContestoLavoro& c) mutable {
            esito->risultato = corpo(c);
        },
        [esito, fine = std::move(fine)](const FineLavoro& f) {
            esito->fine = f;
            fine(std::move(*esito));
        });
}

// Runs `corpo` on the calling thread, catching what it throws as the
// runner's contract says. Shared by every runner.
inline FineLavoro EseguiCorpo(const std::function<void(ContestoLavoro&)>& corpo,
                              ContestoLavoro& contesto) {
    FineLavoro f;
    try {
        corpo(contesto);
    } catch (const std::exception& e) {
        f.errore = e.what();
        if (f.errore.empty()) f.errore = "errore";
    } catch (...) {
        f.errore = "errore sconosciuto";
    }
    f.fermato = contesto.FermoRichiesto();
    return f;
}

// Runs jobs in place, on the calling thread: for the terminal and for tests.
// `avanzamento` sees every report; `fermaDopo` > 0 requests the stop after
// that many reports (how tests press the stop button).
class EsecutoreSincrono : public IEsecutoreLavori {
public:
    std::function<void(const std::string& titolo, const Avanzamento&)> avanzamento;
    long fermaDopo = 0;

    void Avvia(const std::string& titolo, std::function<void(ContestoLavoro&)> corpo,
               std::function<void(const FineLavoro&)> fine) override {
        std::atomic<bool> fermo{false};
        long rapporti = 0;
        ContestoLavoro contesto(fermo, [&](const Avanzamento& a) {
            if (avanzamento) avanzamento(titolo, a);
            if (fermaDopo > 0 && ++rapporti >= fermaDopo) fermo = true;
        });
        const FineLavoro f = EseguiCorpo(corpo, contesto);
        if (fine) fine(f);
    }
};

} // namespace veltra
