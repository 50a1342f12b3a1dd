#pragma once
// Who changed what. A layer that changes something the others follow (a
// championship's analysis, its data, the coupon, the betting events) says so
// here, and the layers above it subscribe: lower layers never call upwards.
#include <functional>
#include <memory>
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
    struct Elenco {
        std::vector<std::pair<int, std::function<void(const AvvisoCambiamento&)>>> voci;
        int ultimoId = 0;
    };

public:
    using Ascoltatore = std::function<void(const AvvisoCambiamento&)>;

    // Ends its subscription when destroyed; harmless when the notifier went
    // first (a window that outlives the data it followed).
    class Iscrizione {
    public:
        Iscrizione() = default;
        Iscrizione(std::weak_ptr<Elenco> e, int id) : elenco_(std::move(e)), id_(id) {}
        Iscrizione(Iscrizione&& o) noexcept : elenco_(std::move(o.elenco_)), id_(o.id_) {
            o.elenco_.reset();
        }
        Iscrizione& operator=(Iscrizione&& o) noexcept {
            if (this != &o) {
                Termina();
                elenco_ = std::move(o.elenco_);
                o.elenco_.reset();
                id_ = o.id_;
            }
            return *this;
        }
        Iscrizione(const Iscrizione&) = delete;
        Iscrizione& operator=(const Iscrizione&) = delete;
        ~Iscrizione() { Termina(); }
        void Termina() {
            if (auto e = elenco_.lock())
                std::erase_if(e->voci, [this](const auto& v) { return v.first == id_; });
            elenco_.reset();
        }

    private:
        std::weak_ptr<Elenco> elenco_;
        int id_ = 0;
    };

    NotificheCambiamenti() = default;
    NotificheCambiamenti(const NotificheCambiamenti&) = delete;
    NotificheCambiamenti& operator=(const NotificheCambiamenti&) = delete;

    // Subscribers are called in the order they subscribed.
    [[nodiscard]] Iscrizione Iscrivi(Ascoltatore a) {
        elenco_->voci.push_back({++elenco_->ultimoId, std::move(a)});
        return Iscrizione(elenco_, elenco_->ultimoId);
    }

    void Pubblica(const AvvisoCambiamento& avviso) const {
        // A copy: a subscriber may subscribe or leave while it is called.
        const auto voci = elenco_->voci;
        for (const auto& [id, a] : voci) a(avviso);
    }

private:
    std::shared_ptr<Elenco> elenco_ = std::make_shared<Elenco>();
};

} // namespace veltra
