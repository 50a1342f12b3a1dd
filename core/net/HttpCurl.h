#pragma once
// The HTTP interface over libcurl. Every session keeps one connection cache,
// so the requests of one operation reuse their connection; redirects are
// never followed by the library (the program follows one itself), and the
// transfer is driven in short polls so that a stop request ends it within a
// tenth of a second, and a server that stops sending ends it after the
// session's stall time-out.
#include "platform/Http.h"

namespace veltra {

class HttpCurl : public IHttp {
public:
    std::unique_ptr<ISessioneHttp> ApriSessione(const OpzioniSessione& opzioni) override;
};

} // namespace veltra
