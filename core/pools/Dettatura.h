#pragma once
// Reading the columns of one page of a reduced system aloud, sign by sign,
// on a worker thread. The window's buttons set atomic flags (pause, stop)
// that the worker polls between signs; the worker reports its end through a
// callback that the window must hand over to its own thread (a queued call),
// never touching the window itself. Closing stops the worker and waits for
// it, so nothing of the window is used after it goes.
#include "pools/Schedina.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace veltra {

class ISuoni;

// The cells of one column to read: sign codes 1..8 of the rows.
using ColonnaDettata = std::array<int, kRigheSchedina>;

// "uno.wav" ... "unoicsdue.wav" for codes 1..7; "" for 8 (nothing is played).
std::string FileSuonoCodice(int codice);
inline constexpr const char* kSuonoColonnaNascosta = "suono.wav";

enum class FineDettatura {
    Completata, // every column read
    Fermata,    // "&Stop"
};

class CDettatura {
public:
    // How the worker waits (milliseconds). Without one it sleeps, waking at
    // once when the dictation is closed. Tests give their own.
    using Attesa = std::function<void(int ms)>;

    static constexpr int kAttesaInizio = 500;  // before the worker starts
    static constexpr int kAttesaColonna = 500; // before every column
    static constexpr int kAttesaPausa = 100;   // polling step while paused
    static constexpr int kPausaMin = 1, kPausaMax = 10, kPausaPredefinita = 5;

    explicit CDettatura(ISuoni& suoni, Attesa attesa = {});
    ~CDettatura(); // Chiudi()
    CDettatura(const CDettatura&) = delete;
    CDettatura& operator=(const CDettatura&) = delete;

    // Starts reading `colonne`; `fine` is called on the worker thread when it
    // ends by itself or by "&Stop" (not when closed). false when one is
    // already running.
    bool Avvia(std::vector<ColonnaDettata> colonne, std::function<void(FineDettatura)> fine);
    // "&Pausa": toggles the pause. true when now paused.
    bool Pausa();
    // "&Stop": the worker ends before the next sign.
    void Stop();
    // Stops the worker and waits for it; no callback follows.
    void Chiudi();

    bool inCorso() const { return inCorso_.load(); }
    bool inPausa() const { return pausa_.load(); }
    // "Pausa tra segni :" in tenths of a second, 1..10 (clamped); read anew
    // before every sign.
    void ImpostaPausaTraSegni(int decimi);
    int pausaTraSegni() const { return pausaTraSegni_.load(); }

private:
    void Lavora(std::vector<ColonnaDettata> colonne, std::function<void(FineDettatura)> fine);
    void Aspetta(int ms);

    ISuoni& suoni_;
    Attesa attesa_;
    std::atomic<bool> pausa_{false};
    std::atomic<bool> stop_{false};
    std::atomic<bool> chiusura_{false};
    std::atomic<bool> inCorso_{false};
    std::atomic<int> pausaTraSegni_{kPausaPredefinita};
    std::mutex m_;
    std::condition_variable sveglia_;
    std::thread worker_;
};

// The hidden column: 13 signs drawn with the generator of the C library of
// old (x = value / 32767; a = whole part of 13x; 0..4 "1", 5..9 "X", 10..12 "2").
class GeneratoreColonna {
public:
    explicit GeneratoreColonna(unsigned seme) : stato_(seme) {}
    // 0..32767
    int Prossimo() {
        stato_ = stato_ * 214013u + 2531011u;
        return static_cast<int>((stato_ >> 16) & 0x7fffu);
    }

private:
    unsigned stato_;
};
char SegnoNascosto(int valore);
std::array<char, 13> ColonnaNascosta(GeneratoreColonna& g);

} // namespace veltra
