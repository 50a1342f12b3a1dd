#include "Comandi.h"

#include "app/CartellaDiLavoro.h"
#include "platform/Risorse.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace veltra::cli {

std::vector<std::string> Dividi(const std::string& s, char c) {
    std::vector<std::string> v;
    std::size_t i = 0;
    while (true) {
        const auto j = s.find(c, i);
        v.push_back(s.substr(i, j == std::string::npos ? std::string::npos : j - i));
        if (j == std::string::npos) return v;
        i = j + 1;
    }
}

std::string ValoreOpzione(const std::vector<std::string>& a, std::size_t& i) {
    if (i + 1 >= a.size()) throw ErroreUso{"manca il valore di " + a[i]};
    return a[++i];
}

std::string ValoreCartella(const std::vector<std::string>& a, std::size_t& i) {
    std::string c = ValoreOpzione(a, i);
    if (c.empty()) throw ErroreUso{"--cartella vuota: indicare una cartella"};
    return c;
}

void VerificaCartella(const std::string& cartella) {
    std::error_code ec;
    if (cartella.empty()) throw ErroreUso{"manca --cartella"};
    if (!std::filesystem::is_directory(cartella, ec))
        throw ErroreCartella{"la cartella di lavoro " + cartella + " non e' una cartella"};
    if (::access(cartella.c_str(), R_OK | X_OK) != 0)
        throw ErroreCartella{"cartella non leggibile: " + cartella};
}

namespace {

std::string UnaRiga(std::string s) {
    for (char& c : s)
        if (c == '\n') c = ' ';
    return s;
}

[[noreturn]] void Fallita(const EsitoFile& e, const BloccoCartella* blocco = nullptr) {
    std::string m = UnaRiga(e.messaggio);
    if (!e.dettaglio.empty() && e.dettaglio != e.messaggio) m += " (" + UnaRiga(e.dettaglio) + ")";
    throw ErroreCartella{m, blocco && blocco->Occupata() ? kEsitoCartellaOccupata : kEsitoCaricamento};
}

// What the repair of the folder did, one line each on standard error.
void Avvisi(const std::vector<std::string>& avvisi) {
    for (const std::string& a : avvisi) std::fprintf(stderr, "veltra-cli: %s\n", UnaRiga(a).c_str());
}

} // namespace

std::string ApriCartellaScrittura(const std::optional<std::string>& opzione, BloccoCartella& blocco,
                                  bool primoAvvio) {
    const std::string cartella = opzione ? *opzione : CartellaPredefinita().string();
    std::error_code ec;
    std::filesystem::create_directories(cartella, ec);
    if (!std::filesystem::is_directory(cartella, ec))
        throw ErroreUso{"impossibile creare la cartella di lavoro " + cartella +
                        (std::filesystem::exists(cartella, ec) ? " (e' un file)" : "")};
    std::vector<std::string> avvisi;
    if (const EsitoFile e = ApriCartellaInScrittura(cartella, blocco, &avvisi); !e) Fallita(e, &blocco);
    Avvisi(avvisi);
    if (primoAvvio)
        if (const EsitoFile e = PreparaCartellaDiLavoro(cartella, CartellaRisorse() / "dati"); !e)
            Fallita(e);
    VerificaCartella(cartella);
    return cartella;
}

std::string ApriCartellaLettura(const std::optional<std::string>& opzione) {
    const std::string cartella = opzione ? *opzione : CartellaPredefinita().string();
    std::error_code ec;
    if (!std::filesystem::is_directory(cartella, ec) || !ContieneCampionati(cartella)) {
        // A first start: the folder is filled as the program fills it.
        BloccoCartella blocco;
        return ApriCartellaScrittura(cartella, blocco, true);
    }
    std::vector<std::string> avvisi;
    if (const EsitoFile e = ApriCartellaInLettura(cartella, &avvisi); !e) Fallita(e);
    Avvisi(avvisi);
    VerificaCartella(cartella);
    return cartella;
}

bool LetturaStabile(const std::string& cartella, const std::function<bool()>& carica) {
    bool ok = false;
    for (int tentativo = 0; tentativo < 5; ++tentativo) {
        const std::string prima = ImprontaCartella(cartella);
        ok = carica();
        if (ImprontaCartella(cartella) == prima) break;
    }
    return ok;
}

Risposta MessaggiSuErrore::Mostra(const std::string& testo, Icona, Pulsanti p, int) {
    std::string riga = testo;
    for (char& c : riga)
        if (c == '\n') c = ' ';
    std::fprintf(stderr, "%s%s\n", prefisso_.c_str(), riga.c_str());
    ++mostrati;
    return p == Pulsanti::Ok ? Risposta::Ok : Risposta::No;
}

} // namespace veltra::cli
