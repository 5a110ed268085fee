#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace mirel {
namespace {

const QString kSourceLanguage = QStringLiteral("en");

}  // namespace

Translations::Translations(const QString& language) : previousLocale_(QLocale()) {
    // Dates and sizes in Qt's dialogs follow the language too.
    QLocale::setDefault(QLocale(language));
    if (language == kSourceLanguage) {
        qtTranslated_ = true;
        return;
    }
    // "qt_<lang>" bundles qtbase and the other modules' texts.
    if (qt_.load(QStringLiteral("qt_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qtInstalled_ = QCoreApplication::installTranslator(&qt_);
        qtTranslated_ = qtInstalled_;
    }
}

Translations::~Translations() {
    if (qtInstalled_) QCoreApplication::removeTranslator(&qt_);
    QLocale::setDefault(previousLocale_);
}

}  // namespace mirel
