#pragma once
// A print device for tests: records every call, every text with its page and
// coordinates, and can be told to fail at the start or at a given page end.
#include "platform/Stampa.h"

#include <string>
#include <vector>

namespace veltra::test {

class StampaRegistrata : public IDispositivoStampa {
public:
    struct Riga {
        int pagina; // 1-based
        int x, y;
        std::string testo;
    };

    bool InizioDocumento(const std::string& n) override {
        chiamate.push_back("InizioDocumento");
        nome = n;
        return !rifiutaDocumento;
    }
    bool InizioPagina() override {
        chiamate.push_back("InizioPagina");
        ++pagine;
        return true;
    }
    void Testo(int x, int y, const std::string& t) override { righe.push_back({pagine, x, y, t}); }
    bool FinePagina() override {
        chiamate.push_back("FinePagina");
        ++pagineFinite;
        return pagineFinite != fallisceAllaFinePagina;
    }
    void FineDocumento() override { chiamate.push_back("FineDocumento"); }
    void Annulla() override { chiamate.push_back("Annulla"); }

    // The texts of one page, in the order printed.
    std::vector<std::string> TestiPagina(int pagina) const {
        std::vector<std::string> t;
        for (const auto& r : righe)
            if (r.pagina == pagina) t.push_back(r.testo);
        return t;
    }

    bool rifiutaDocumento = false;
    int fallisceAllaFinePagina = 0; // 1-based; 0 = never
    std::string nome;
    int pagine = 0;
    int pagineFinite = 0;
    std::vector<Riga> righe;
    std::vector<std::string> chiamate;
};

// A print service for tests: hands out a StampaRegistrata that stays readable
// after the report has released it, or nothing (the dialog cancelled).
class ServizioStampaRegistrato : public IServizioStampa {
public:
    std::unique_ptr<IDispositivoStampa> ScegliDispositivo() override {
        ++richieste;
        if (annullaDialogo) return nullptr;
        struct Inoltro : IDispositivoStampa {
            StampaRegistrata* d;
            explicit Inoltro(StampaRegistrata* p) : d(p) {}
            bool InizioDocumento(const std::string& n) override { return d->InizioDocumento(n); }
            bool InizioPagina() override { return d->InizioPagina(); }
            void Testo(int x, int y, const std::string& t) override { d->Testo(x, y, t); }
            bool FinePagina() override { return d->FinePagina(); }
            void FineDocumento() override { d->FineDocumento(); }
            void Annulla() override { d->Annulla(); }
        };
        return std::make_unique<Inoltro>(&dispositivo);
    }

    bool annullaDialogo = false;
    int richieste = 0;
    StampaRegistrata dispositivo;
};

} // namespace veltra::test
