#pragma once
// The menu bar of the main window: its menus and their items, in order.
#include <span>
#include <string_view>

namespace veltra {

struct Menu {
    std::string_view titolo;
    std::span<const int> voci; // command ids; kSeparatore (0) marks a separator line
};

std::span<const Menu> MenuPrincipale();

} // namespace veltra
