#pragma once
// A modeless window for tests: writes what is done to it in a shared diary.
#include "platform/FinestreNonModali.h"

#include <string>
#include <vector>

namespace veltra::test {

class FinestraFinta : public IFinestraNonModale {
public:
    FinestraFinta(std::vector<std::string>& diario, std::string nome)
        : diario_(diario), nome_(std::move(nome)) {}

    bool Aggiorna() override {
        diario_.push_back("aggiorna " + nome_);
        return riesce;
    }
    void Chiudi() override {
        diario_.push_back("chiudi " + nome_);
        chiusa = true;
    }
    void PortaInPrimoPiano() override { diario_.push_back("davanti " + nome_); }

    bool riesce = true;
    bool chiusa = false;

private:
    std::vector<std::string>& diario_;
    std::string nome_;
};

} // namespace veltra::test
