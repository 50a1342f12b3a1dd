#pragma once
// Recomputing the coupon when the analysis it rests on changes.
namespace veltra {

struct DatiCampionati;
struct Schedina;

// Recomputes the probabilities and the base system of the coupon from the
// current estimates (`stimeRicalcolate`: the estimates are recomputed
// first), keeping the predictions the user set by hand when
// `pronosticiManuali` is true.
//
// Not built yet: the coupon's recomputation comes with the system proposal.
// Until then this deliberately changes nothing, so callers can already call
// it where the coupon must follow a new analysis.
void RicalcolaSistema(Schedina& schedina, DatiCampionati& dati, bool stimeRicalcolate,
                      bool pronosticiManuali);

} // namespace veltra
