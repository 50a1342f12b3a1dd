#pragma once
// A clock stopped at 9 May 2005, 21:05:07 (or at midnight of that day), so
// titles and printouts with dates and times are testable.
#include "platform/Piattaforma.h"

namespace veltra::test {

class OrologioFisso : public IOrologio {
public:
    explicit OrologioFisso(bool mezzanotte = false) : mezzanotte_(mezzanotte) {}
    std::tm Adesso() const override {
        std::tm t{};
        t.tm_mday = 9;
        t.tm_mon = 4;
        t.tm_year = 105;
        if (!mezzanotte_) {
            t.tm_hour = 21;
            t.tm_min = 5;
            t.tm_sec = 7;
        }
        return t;
    }

private:
    bool mezzanotte_;
};

} // namespace veltra::test
