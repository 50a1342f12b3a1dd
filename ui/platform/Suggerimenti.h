#pragma once
// Tooltips of the program's controls appear after one second, the same in
// every window; the delay is a style hint, so it is set once for the whole
// application.
class QApplication;

namespace veltra {

inline constexpr int kRitardoSuggerimentiMs = 1000;

// Installs a style over the current one that only changes the tooltip delay.
void ImpostaRitardoSuggerimenti(QApplication& app, int millisecondi = kRitardoSuggerimentiMs);

} // namespace veltra
