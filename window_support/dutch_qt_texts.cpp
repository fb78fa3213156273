#include "window_support/dutch_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace taalspoor {

bool install_dutch_qt_texts(QCoreApplication& application) {
    // The program speaks Dutch whatever the user's locale: its own texts are Dutch too.
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace taalspoor
