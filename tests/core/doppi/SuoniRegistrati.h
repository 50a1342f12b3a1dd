#pragma once
// Sound playback for tests: records every sound asked for, in order, and
// can take a while over each as a sound card would.
#include "platform/Suoni.h"

#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace veltra::test {

class SuoniRegistrati : public ISuoni {
public:
    struct Voce {
        std::string nome;
        bool attendi;
    };

    void Suona(const std::string& nome, bool attendi) override {
        {
            std::lock_guard<std::mutex> l(m_);
            voci_.push_back({nome, attendi});
        }
        if (attendi && durata.count() > 0) std::this_thread::sleep_for(durata);
    }

    std::vector<Voce> voci() const {
        std::lock_guard<std::mutex> l(m_);
        return voci_;
    }
    std::vector<std::string> nomi() const {
        std::vector<std::string> n;
        for (const auto& v : voci()) n.push_back(v.nome);
        return n;
    }

    std::chrono::milliseconds durata{0}; // how long a waited sound lasts

private:
    mutable std::mutex m_;
    std::vector<Voce> voci_;
};

} // namespace veltra::test
