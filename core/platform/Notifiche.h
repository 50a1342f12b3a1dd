#pragma once
// Who changed what. A layer that changes something the others follow (a
// championship's analysis, its data, the coupon, the betting events) says so
// here, and the layers above it subscribe: lower layers never call upwards.
#include <functional>
#include <utility>
#include <vector>

namespace veltra {

class IMessaggi;

enum class Cambiamento {
    Analisi,  // the analysis parameters of a championship were applied
    Dati,     // a championship's stored data (results, seasons, cut-off)
    Schedina, // the pools coupon
    Eventi,   // the betting events
};

struct AvvisoCambiamento {
    Cambiamento cosa;
    int campionato = -1;
    // Raised while the open windows are being refreshed: the subscribers must
    // not start a nested refresh.
    bool inRinfresco = false;
    // Where a subscriber tells the user what the change costs (the coupon or
    // the bets cleared); none: silently.
    IMessaggi* messaggi = nullptr;
    // The data changed because a historical cut-off was set or lifted.
    bool filtroStorico = false;
};

class NotificheCambiamenti {
public:
    using Ascoltatore = std::function<void(const AvvisoCambiamento&)>;

    // Ends its subscription when destroyed. The notifier must outlive it.
    class Iscrizione {
    public:
        Iscrizione() = default;
        Iscrizione(NotificheCambiamenti* n, int id) : notifiche_(n), id_(id) {}
        Iscrizione(Iscrizione&& o) noexcept
            : notifiche_(std::exchange(o.notifiche_, nullptr)), id_(o.id_) {}
        Iscrizione& operator=(Iscrizione&& o) noexcept {
            if (this != &o) {
                Termina();
                notifiche_ = std::exchange(o.notifiche_, nullptr);
                id_ = o.id_;
            }
            return *this;
        }
        Iscrizione(const Iscrizione&) = delete;
        Iscrizione& operator=(const Iscrizione&) = delete;
        ~Iscrizione() { Termina(); }
        void Termina() {
            if (notifiche_) notifiche_->Rimuovi(id_);
            notifiche_ = nullptr;
        }

    private:
        NotificheCambiamenti* notifiche_ = nullptr;
        int id_ = 0;
    };

    NotificheCambiamenti() = default;
    NotificheCambiamenti(const NotificheCambiamenti&) = delete;
    NotificheCambiamenti& operator=(const NotificheCambiamenti&) = delete;

    // Subscribers are called in the order they subscribed.
    [[nodiscard]] Iscrizione Iscrivi(Ascoltatore a) {
        ascoltatori_.push_back({++ultimoId_, std::move(a)});
        return Iscrizione(this, ultimoId_);
    }

    void Pubblica(const AvvisoCambiamento& avviso) const {
        // A copy: a subscriber may subscribe or leave while it is called.
        const auto elenco = ascoltatori_;
        for (const auto& [id, a] : elenco) a(avviso);
    }

private:
    void Rimuovi(int id) {
        std::erase_if(ascoltatori_, [id](const auto& v) { return v.first == id; });
    }

    std::vector<std::pair<int, Ascoltatore>> ascoltatori_;
    int ultimoId_ = 0;
};

} // namespace veltra
