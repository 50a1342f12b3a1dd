// The change notifier: order of the subscribers, leaving (also while being
// called), and a subscription that outlives its notifier.
#include "platform/Notifiche.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace veltra::test {
namespace {

TEST(Notifiche, OrdineUscitaEIscrizioneCheSopravvive) {
    auto n = std::make_unique<NotificheCambiamenti>();
    std::string visti;
    auto a = n->Iscrivi([&](const AvvisoCambiamento& x) { visti += 'a' + std::to_string(x.campionato); });
    NotificheCambiamenti::Iscrizione b;
    b = n->Iscrivi([&](const AvvisoCambiamento&) {
        visti += 'b';
        b.Termina(); // leaves while being called: still called this time only
    });
    n->Pubblica({Cambiamento::Dati, 3});
    n->Pubblica({Cambiamento::Analisi, 4});
    EXPECT_EQ(visti, "a3ba4");
    {
        auto c = n->Iscrivi([&](const AvvisoCambiamento&) { visti += 'c'; });
    }
    n->Pubblica({Cambiamento::Eventi, 5});
    EXPECT_EQ(visti, "a3ba4a5");
    n.reset(); // the notifier goes first: `a` ends without touching it
}

} // namespace
} // namespace veltra::test
