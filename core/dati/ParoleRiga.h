#pragma once
// The tokens of a line of the program's text files (scores, calendars):
// words between blanks, tabs and carriage returns, and whole integers.

#include <string_view>
#include <vector>

namespace veltra {

std::vector<std::string_view> ParoleRiga(std::string_view riga);

// True when the whole of `t` is an integer (then in `v`).
bool InteroRiga(std::string_view t, long& v);

} // namespace veltra
