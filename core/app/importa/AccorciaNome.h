#pragma once
// The rule that turns a source's club name, when the alias table does not
// know it, into a name the program can store (at most 15 characters in
// Windows-1252, no blanks):
//  1. text in parentheses is dropped; letters Windows-1252 lacks lose their accent ("Ćuković" ->
//  "Cukovic");
//     other characters it lacks are dropped;
//  2. words that only tell the kind of club ("FC", "AC", "SSC", "Calcio",
//     "BK", "IF", ...; the list is kClubGenerici), initials with full stops
//     ("A.C.R.") and numbers ("1913", "04", "1.") are dropped, as long as one
//     word remains;
//  3. the words are joined with '.', as the program stores blanks;
//  4. if that is longer than 15, every word but the last is cut to its first
//     three letters ("Manchester United" -> "Man.United");
//  5. if still longer, the name is cut at 15 characters.
// The import report lists every name made this way; a wrong one is fixed by
// adding a line to the alias table.
#include <string>
#include <string_view>

namespace veltra {

std::string AccorciaNome(std::string_view nomeFonte);

} // namespace veltra
