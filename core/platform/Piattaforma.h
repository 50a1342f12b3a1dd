#pragma once
// The small services the core asks of the platform besides messages and
// printing: progress windows, the clock, the browser, the help pages.
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

namespace veltra {

// A small window with a title line, a progress bar and an optional counter,
// shown during long computations.
class IProgresso {
public:
    virtual ~IProgresso() = default;
    virtual void Titolo(const std::string& titolo) = 0;
    virtual void Intervallo(long minimo, long massimo) = 0;
    virtual void Posizione(long posizione) = 0;
    virtual void MostraBarra(bool visibile) = 0;
    virtual void Contatore(const std::string& testo) = 0; // shown only when non-empty
};

class IOrologio {
public:
    virtual ~IOrologio() = default;
    virtual std::tm Adesso() const = 0; // local time
};

// Local time from the system clock.
class OrologioDiSistema : public IOrologio {
public:
    std::tm Adesso() const override {
        const std::time_t t = std::time(nullptr);
        std::tm r{};
        localtime_r(&t, &r);
        return r;
    }
};

class INavigatore {
public:
    virtual ~INavigatore() = default;
    // Opens a local HTML file in the user's browser; false when it could not.
    virtual bool ApriFile(const std::filesystem::path& file) = 0;
};

class IAiuto {
public:
    virtual ~IAiuto() = default;
    // Shows the help page of a context (113, 500, the main window's topic...).
    virtual void Mostra(int contesto) = 0;
};

} // namespace veltra
