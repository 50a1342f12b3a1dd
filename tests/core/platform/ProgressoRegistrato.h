#pragma once
// A progress window for tests: keeps the last state and every position set.
#include "platform/Piattaforma.h"

#include <string>
#include <vector>

namespace veltra::test {

class ProgressoRegistrato : public IProgresso {
public:
    void Titolo(const std::string& t) override { titolo = t; }
    void Intervallo(long mi, long ma) override {
        minimo = mi;
        massimo = ma;
    }
    void Posizione(long p) override { posizioni.push_back(p); }
    void MostraBarra(bool v) override { barraVisibile = v; }
    void Contatore(const std::string& t) override { contatore = t; }

    long Ultima() const { return posizioni.empty() ? minimo : posizioni.back(); }

    std::string titolo;
    long minimo = 0, massimo = 0;
    std::vector<long> posizioni;
    bool barraVisibile = true;
    std::string contatore;
};

} // namespace veltra::test
