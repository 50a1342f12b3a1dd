#pragma once
// The log of an internet window: every line ends in "\r\r\n". The worker
// writes it, the window shows it; the observer is called on the writer's
// thread after each line (the window layer passes it on to its own thread).
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

namespace veltra {

inline constexpr const char* kFineRigaLog = "\r\r\n";

class RegistroInternet {
public:
    void Aggiungi(std::string_view testo) {
        std::function<void()> o;
        {
            std::lock_guard<std::mutex> l(m_);
            testo_.append(testo);
            testo_ += kFineRigaLog;
            o = osservatore_;
        }
        if (o) o();
    }
    std::string Testo() const {
        std::lock_guard<std::mutex> l(m_);
        return testo_;
    }
    void Svuota() {
        std::lock_guard<std::mutex> l(m_);
        testo_.clear();
    }
    void Osserva(std::function<void()> o) {
        std::lock_guard<std::mutex> l(m_);
        osservatore_ = std::move(o);
    }

private:
    mutable std::mutex m_;
    std::string testo_;
    std::function<void()> osservatore_;
};

} // namespace veltra
