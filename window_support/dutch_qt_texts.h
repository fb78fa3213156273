#pragma once
// Qt's own texts in Dutch: the buttons of message boxes ("Ja", "Nee", "Annuleren"), the
// file dialog ("Zoeken in", "Bestandsnaam"), the context menus of text fields. Debian
// keeps Qt's translations in qt6-translations-l10n, which the package depends on.

class QCoreApplication;

namespace taalspoor {

// Installs Qt's Dutch translations in the application; false when they cannot be found
// (Qt then speaks English, and the program works all the same).
bool install_dutch_qt_texts(QCoreApplication& application);

}  // namespace taalspoor
