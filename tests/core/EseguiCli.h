#pragma once
// Runs the built veltra-cli as a user would from a terminal, for the tests of
// its commands: exit code, standard output and standard error.
#include "Supporto.h"

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace veltra::test {

struct Uscita {
    int codice = -1;
    std::string testo; // standard output
    std::string errori;
};

inline Uscita EseguiCli(const std::string& argomenti) {
    CartellaTemporanea tmp;
    const std::string comando =
        std::string(VELTRA_CLI_PATH) + " " + argomenti + " 2>" + (tmp / "stderr").string();
    Uscita u;
    FILE* p = ::popen(comando.c_str(), "r");
    if (!p) return u;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) u.testo.append(buf.data(), n);
    const int stato = ::pclose(p);
    u.codice = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    u.errori = LeggiTesto(tmp / "stderr");
    return u;
}

// The lines of a command's output.
inline std::vector<std::string> Righe(const std::string& t) {
    std::vector<std::string> r;
    std::istringstream in(t);
    for (std::string l; std::getline(in, l);) r.push_back(l);
    return r;
}

} // namespace veltra::test
