#include "app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTranslator>

namespace mirel {
namespace {

const QString kLanguageKey = QStringLiteral("language");
const QString kLanguageOption = QStringLiteral("--lang");
const QString kTranslationBase = QStringLiteral("mirel_");
const QString kTranslatorName = QStringLiteral("mirelTranslator");
constexpr const char* kCoreTextContext = "mirel::CoreTexts";

struct LanguageName {
    UiLanguage language;
    const char* code;
};
constexpr LanguageName kLanguageNames[] = {
    {UiLanguage::Japanese, "ja"},
    {UiLanguage::English, "en"},
};

// The application object carries the language it was given, for the menus.
constexpr const char* kShownLanguageProperty = "mirelLanguage";

}  // namespace

std::optional<UiLanguage> languageFromCode(const QString& code) {
    for (const LanguageName& name : kLanguageNames) {
        if (code == QLatin1String(name.code)) return name.language;
    }
    return std::nullopt;
}

QString languageCode(UiLanguage language) {
    for (const LanguageName& name : kLanguageNames) {
        if (name.language == language) return QString::fromLatin1(name.code);
    }
    return {};
}

UiLanguage savedLanguage() {
    return languageFromCode(QSettings().value(kLanguageKey).toString())
        .value_or(UiLanguage::Japanese);
}

void saveLanguage(UiLanguage language) {
    QSettings().setValue(kLanguageKey, languageCode(language));
}

UiLanguage currentLanguage() {
    const QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return UiLanguage::Japanese;
    return languageFromCode(app->property(kShownLanguageProperty).toString())
        .value_or(UiLanguage::Japanese);
}

LanguageArgument takeLanguageArgument(QStringList& arguments) {
    LanguageArgument result;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        QString code;
        if (arguments[k] == kLanguageOption) {
            if (k + 1 >= arguments.size()) {
                result.error = QStringLiteral("--lang needs a language: ja or en");
                return result;
            }
            code = arguments[k + 1];
            arguments.remove(k, 2);
        } else if (arguments[k].startsWith(kLanguageOption + QLatin1Char('='))) {
            code = arguments[k].mid(kLanguageOption.size() + 1);
            arguments.remove(k);
        } else {
            continue;
        }
        result.language = languageFromCode(code);
        if (!result.language) {
            result.error = QStringLiteral("unknown language %1: use ja or en").arg(code);
        }
        return result;
    }
    return result;
}

QString translationsFolder() {
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/" MIREL_TRANSLATIONS_FROM_BINDIR));
    if (QFileInfo(installed).isDir()) return installed;
    return QStringLiteral(MIREL_BUILD_TRANSLATIONS_DIR);
}

bool installTranslations(QCoreApplication& app, UiLanguage language) {
    // A second call replaces the first one's translation.
    for (QTranslator* old : app.findChildren<QTranslator*>(kTranslatorName)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    app.setProperty(kShownLanguageProperty, languageCode(UiLanguage::Japanese));
    if (language == UiLanguage::Japanese) return true;
    auto* translator = new QTranslator(&app);
    translator->setObjectName(kTranslatorName);
    if (!translator->load(kTranslationBase + languageCode(language), translationsFolder())) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    app.setProperty(kShownLanguageProperty, languageCode(language));
    return true;
}

QString translateCoreText(const char* text) {
    return QCoreApplication::translate(kCoreTextContext, text);
}

}  // namespace mirel
