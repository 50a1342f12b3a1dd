#pragma once
#include <QApplication>

namespace veltra {

// The start-up sequence with its window: the pictures, the working folder,
// the data, the first estimates, then the main window until the user leaves.
// The process's exit code.
int AvviaProgramma(QApplication& app);

} // namespace veltra
