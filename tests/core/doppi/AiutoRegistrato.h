#pragma once
// Help requests for tests: the contexts asked for, in order.
#include "platform/Piattaforma.h"

#include <vector>

namespace veltra::test {

class AiutoRegistrato : public IAiuto {
public:
    void Mostra(int contesto) override { contesti.push_back(contesto); }
    std::vector<int> contesti;
};

} // namespace veltra::test
