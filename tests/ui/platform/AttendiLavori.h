#pragma once
// Tests that need a job's result before going on: the event loop runs (as
// the program's own would) until the runner has no job left.
#include "platform/EsecutoreLavoriQt.h"

#include <QEventLoop>

namespace veltra::test {

inline void AttendiLavori(EsecutoreLavoriQt& esecutore) {
    if (esecutore.LavoriInCorso() == 0) return;
    QEventLoop ciclo;
    QObject::connect(&esecutore, &EsecutoreLavoriQt::NessunLavoro, &ciclo, &QEventLoop::quit);
    ciclo.exec();
}

} // namespace veltra::test
