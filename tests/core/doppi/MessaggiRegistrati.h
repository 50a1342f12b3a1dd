#pragma once
// A message interface for tests: records every box and answers from a script.
#include "platform/Messaggi.h"

#include <deque>
#include <string>
#include <vector>

namespace veltra::test {

class MessaggiRegistrati : public IMessaggi {
public:
    struct Voce {
        std::string testo;
        Icona icona;
        Pulsanti pulsanti;
        int contestoAiuto;
    };

    Risposta Mostra(const std::string& testo, Icona icona, Pulsanti pulsanti,
                    int contestoAiuto) override {
        mostrati.push_back({testo, icona, pulsanti, contestoAiuto});
        if (!risposte.empty()) {
            const Risposta r = risposte.front();
            risposte.pop_front();
            return r;
        }
        return pulsanti == Pulsanti::Ok ? Risposta::Ok : Risposta::No;
    }

    std::vector<std::string> testi() const {
        std::vector<std::string> t;
        for (const auto& v : mostrati) t.push_back(v.testo);
        return t;
    }

    std::vector<Voce> mostrati;
    std::deque<Risposta> risposte;
};

} // namespace veltra::test
