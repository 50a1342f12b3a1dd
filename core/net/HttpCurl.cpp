#include "net/HttpCurl.h"

#include <curl/curl.h>

#include <cctype>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <vector>

namespace veltra {

namespace {

void InizializzaCurl() {
    static std::once_flag una;
    std::call_once(una, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Trasferimento {
    std::string* corpo = nullptr;
    std::string* intestazioni = nullptr;
    std::size_t maxCorpo = 0;
    bool troppoGrande = false;
    const std::function<bool()>* fermo = nullptr;
    bool fermato = false;

    bool Fermo() {
        if (!fermato && fermo && *fermo && (*fermo)()) fermato = true;
        return fermato;
    }
};

std::size_t RiceviCorpo(char* p, std::size_t dimensione, std::size_t n, void* u) {
    auto* t = static_cast<Trasferimento*>(u);
    const std::size_t k = dimensione * n;
    if (t->corpo->size() + k > t->maxCorpo) {
        t->troppoGrande = true;
        return 0; // ends the transfer with a write error
    }
    t->corpo->append(p, k);
    return k;
}

std::size_t RiceviIntestazione(char* p, std::size_t dimensione, std::size_t n, void* u) {
    auto* t = static_cast<Trasferimento*>(u);
    const std::size_t k = dimensione * n;
    if (t->intestazioni->size() + k > 65536) return 0;
    t->intestazioni->append(p, k);
    return k;
}

int Avanzamento(void* u, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<Trasferimento*>(u)->Fermo() ? 1 : 0;
}

std::string Minuscolo(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

const char* Descrizione(CURLcode codice, bool connesso, bool troppoGrande) {
    switch (codice) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return "connessione impossibile: nome del server sconosciuto";
    case CURLE_COULDNT_CONNECT:
        return "connessione impossibile: il server non accetta connessioni";
    case CURLE_OPERATION_TIMEDOUT:
        return connesso ? "il server non risponde piu'" : "connessione impossibile: il server non risponde";
    case CURLE_RECV_ERROR:
        return "connessione interrotta dal server";
    case CURLE_SEND_ERROR:
        return "invio dei dati al server non riuscito";
    case CURLE_GOT_NOTHING:
        return "il server ha chiuso la connessione senza rispondere";
    case CURLE_PARTIAL_FILE:
        return "risposta del server incompleta";
    case CURLE_WEIRD_SERVER_REPLY:
        return "risposta del server non valida";
    case CURLE_WRITE_ERROR:
        return troppoGrande ? "risposta troppo grande" : "errore nella ricezione della risposta";
    case CURLE_ABORTED_BY_CALLBACK:
        return "operazione interrotta";
    case CURLE_URL_MALFORMAT:
        return "indirizzo non valido";
    case CURLE_UNSUPPORTED_PROTOCOL:
        // Once connected, it is the reply that speaks no HTTP.
        return connesso ? "risposta del server non valida" : "indirizzo non valido";
    case CURLE_OUT_OF_MEMORY:
        return "memoria insufficiente";
    default:
        break;
    }
    return "errore di comunicazione con il server";
}

// The lines of a header block, without their line ends.
std::vector<std::string> Righe(std::string_view blocco) {
    std::vector<std::string> r;
    while (!blocco.empty()) {
        const auto fine = blocco.find('\n');
        std::string_view riga = blocco.substr(0, fine);
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        if (!riga.empty()) r.emplace_back(riga);
        if (fine == std::string_view::npos) break;
        blocco.remove_prefix(fine + 1);
    }
    return r;
}

bool HaIntestazione(const std::vector<std::string>& righe, std::string_view nome) {
    const std::string n = Minuscolo(nome) + ":";
    for (const auto& r : righe)
        if (Minuscolo(r).rfind(n, 0) == 0) return true;
    return false;
}

// Loopback never goes through a proxy; the rest follows the system's setting.
std::string SenzaProxy() {
    std::string s = "localhost,127.0.0.1,::1";
    for (const char* v : {"no_proxy", "NO_PROXY"})
        if (const char* e = std::getenv(v); e && *e) {
            s += ',';
            s += e;
            break;
        }
    return s;
}

class SessioneCurl : public ISessioneHttp {
public:
    explicit SessioneCurl(OpzioniSessione o) : opzioni_(std::move(o)) {
        InizializzaCurl();
        multi_ = curl_multi_init();
        easy_ = curl_easy_init();
    }
    ~SessioneCurl() override {
        if (easy_) curl_easy_cleanup(easy_);
        if (multi_) curl_multi_cleanup(multi_);
    }
    bool valida() const { return multi_ && easy_; }

    RispostaHttp Esegui(const RichiestaHttp& r) override {
        RispostaHttp risposta;
        // https only for the public sources of results (the service speaks http).
        if (r.indirizzo.rfind("http://", 0) != 0 && r.indirizzo.rfind("https://", 0) != 0) {
            risposta.esito = EsitoHttp::Indirizzo;
            risposta.errore = "indirizzo non http: " + r.indirizzo;
            return risposta;
        }
        curl_easy_reset(easy_); // keeps the connection cache
        Trasferimento t;
        t.corpo = &risposta.corpo;
        t.intestazioni = &risposta.intestazioni;
        t.maxCorpo = r.maxCorpo;
        t.fermo = &opzioni_.fermo;

        std::vector<std::string> righe = Righe(r.intestazioni);
        if (!HaIntestazione(righe, "User-Agent")) righe.push_back("User-Agent: " + opzioni_.agente);
        if (r.ricaricaDallOrigine || opzioni_.senzaCache) {
            if (!HaIntestazione(righe, "Cache-Control")) righe.push_back("Cache-Control: no-cache");
            if (!HaIntestazione(righe, "Pragma")) righe.push_back("Pragma: no-cache");
        }
        if (!HaIntestazione(righe, "Expect")) righe.push_back("Expect:");
        curl_slist* lista = nullptr;
        for (const auto& riga : righe) lista = curl_slist_append(lista, riga.c_str());

        char erroreCurl[CURL_ERROR_SIZE] = {};
        const std::string senzaProxy = SenzaProxy();
        curl_easy_setopt(easy_, CURLOPT_URL, r.indirizzo.c_str());
        curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, 0L);
        curl_easy_setopt(easy_, CURLOPT_NOPROXY, senzaProxy.c_str());
        curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, lista);
        curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, erroreCurl);
        curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT, opzioni_.secondiConnessione);
        curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(easy_, CURLOPT_LOW_SPEED_TIME, opzioni_.secondiStallo);
        curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, RiceviCorpo);
        curl_easy_setopt(easy_, CURLOPT_WRITEDATA, &t);
        curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, RiceviIntestazione);
        curl_easy_setopt(easy_, CURLOPT_HEADERDATA, &t);
        curl_easy_setopt(easy_, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(easy_, CURLOPT_XFERINFOFUNCTION, Avanzamento);
        curl_easy_setopt(easy_, CURLOPT_XFERINFODATA, &t);
        if (r.metodo == "POST") {
            curl_easy_setopt(easy_, CURLOPT_POST, 1L);
            curl_easy_setopt(easy_, CURLOPT_POSTFIELDSIZE_LARGE,
                             static_cast<curl_off_t>(r.corpo.size()));
            curl_easy_setopt(easy_, CURLOPT_POSTFIELDS, r.corpo.data());
        } else {
            curl_easy_setopt(easy_, CURLOPT_HTTPGET, 1L);
        }

        const CURLcode codice = Trasferisci(t);
        curl_slist_free_all(lista);

        long stato = 0;
        curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &stato);
        risposta.stato = static_cast<int>(stato);
        if (codice == CURLE_OK) {
            risposta.esito = EsitoHttp::Ok;
            return risposta;
        }
        curl_off_t connesso = 0;
        curl_easy_getinfo(easy_, CURLINFO_CONNECT_TIME_T, &connesso);
        // What happened in the program's words, the library's own after it.
        risposta.errore = std::string(Descrizione(codice, connesso != 0, t.troppoGrande)) + " (" +
                          (erroreCurl[0] ? erroreCurl : curl_easy_strerror(codice)) + ")";
        if (t.fermato)
            risposta.esito = EsitoHttp::Interrotto;
        else if (t.troppoGrande)
            risposta.esito = EsitoHttp::TroppoGrande;
        else if (codice == CURLE_URL_MALFORMAT || (codice == CURLE_UNSUPPORTED_PROTOCOL && connesso == 0))
            risposta.esito = EsitoHttp::Indirizzo;
        else if (codice == CURLE_COULDNT_CONNECT || codice == CURLE_COULDNT_RESOLVE_HOST ||
                 (codice == CURLE_OPERATION_TIMEDOUT && connesso == 0))
            risposta.esito = EsitoHttp::Connessione;
        else if (codice == CURLE_OPERATION_TIMEDOUT)
            risposta.esito = EsitoHttp::TempoScaduto;
        else
            risposta.esito = EsitoHttp::Errore;
        return risposta;
    }

private:
    // The transfer in polls of 100 ms, with the stop request looked at
    // between them (the progress callback looks at it too).
    CURLcode Trasferisci(Trasferimento& t) {
        curl_multi_add_handle(multi_, easy_);
        int inCorso = 1;
        CURLcode codice = CURLE_OK;
        bool finito = false;
        while (!finito) {
            if (curl_multi_perform(multi_, &inCorso) != CURLM_OK) {
                codice = CURLE_FAILED_INIT;
                break;
            }
            int restanti = 0;
            while (CURLMsg* m = curl_multi_info_read(multi_, &restanti))
                if (m->msg == CURLMSG_DONE && m->easy_handle == easy_) {
                    codice = m->data.result;
                    finito = true;
                }
            if (finito || inCorso == 0) break;
            if (t.Fermo()) {
                codice = CURLE_ABORTED_BY_CALLBACK;
                break;
            }
            curl_multi_poll(multi_, nullptr, 0, 100, nullptr);
        }
        curl_multi_remove_handle(multi_, easy_);
        return codice;
    }

    OpzioniSessione opzioni_;
    CURLM* multi_ = nullptr;
    CURL* easy_ = nullptr;
};

} // namespace

std::unique_ptr<ISessioneHttp> HttpCurl::ApriSessione(const OpzioniSessione& opzioni) {
    auto s = std::make_unique<SessioneCurl>(opzioni);
    if (!s->valida()) return nullptr;
    return s;
}

} // namespace veltra
