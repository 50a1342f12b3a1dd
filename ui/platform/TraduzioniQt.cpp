#include "platform/TraduzioniQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace veltra {

QTranslator* CaricaTraduzioniQt(QCoreApplication& app) {
    auto* t = new QTranslator(&app);
    // "qtbase_it.qm": the widgets, the print and file dialogs.
    if (!t->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                 QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return nullptr;
    }
    QCoreApplication::installTranslator(t);
    return t;
}

} // namespace veltra
