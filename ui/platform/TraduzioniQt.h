#pragma once
// Qt's own dialogs (print, files, the standard buttons) speak Italian like
// the rest of the program: Qt's Italian translations, from the folder where
// the system keeps them (Debian: qt6-translations-l10n).
class QCoreApplication;
class QTranslator;

namespace veltra {

// Installs Qt's Italian translations on the application; the translator, or
// nullptr (the dialogs stay in English) when the system has none.
QTranslator* CaricaTraduzioniQt(QCoreApplication& app);

} // namespace veltra
