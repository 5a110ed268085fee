#pragma once
// The interface language. Japanese, the language the texts are written in,
// unless English is chosen: for one run with --lang en, or from the 表示 menu
// (kept in the settings and used from the next start on).

#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace mirel {

enum class UiLanguage { Japanese, English };

// "ja" or "en" (as the settings and --lang spell them).
std::optional<UiLanguage> languageFromCode(const QString& code);
QString languageCode(UiLanguage language);

// The language kept in the settings; Japanese when none or an unknown one is kept.
UiLanguage savedLanguage();
void saveLanguage(UiLanguage language);

// The language this run shows (set by installTranslations).
UiLanguage currentLanguage();

struct LanguageArgument {
    std::optional<UiLanguage> language;
    QString error;  // empty when the arguments were well formed
};
// Takes "--lang CODE" or "--lang=CODE" out of `arguments` (program name
// excluded), so that the rest are the files to open.
LanguageArgument takeLanguageArgument(QStringList& arguments);

// Loads the application's translation into `app` for `language` (nothing to
// load for Japanese). False when the translation file is missing; the
// interface then stays Japanese.
bool installTranslations(QCoreApplication& app, UiLanguage language);

// Where the compiled translations are: share/mirel/translations of the
// install tree, else the build tree's.
QString translationsFolder();

// A text of the layers below the windows, in the interface language.
QString translateCoreText(const char* text);

}  // namespace mirel
