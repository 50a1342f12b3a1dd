// veltra: the desktop program.
//
//   veltra [--cartella DIR]
//
// Without --cartella the working folder is $XDG_DATA_HOME/veltra (usually
// ~/.local/share/veltra); a first start fills it with the shipped data.
#include "Avvio.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return veltra::AvviaProgramma(app);
}
