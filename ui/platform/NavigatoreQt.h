#pragma once
// Opens the program's HTML pages in the user's browser.
#include "platform/Piattaforma.h"

namespace veltra {

class NavigatoreQt : public INavigatore {
public:
    bool ApriFile(const std::filesystem::path& file) override;
};

} // namespace veltra
