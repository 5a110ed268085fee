#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace mirel {
namespace {

const QString kSourceLanguage = QStringLiteral("en");

}  // namespace

Translations::Translations(const QString& language) {
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
}

}  // namespace mirel
