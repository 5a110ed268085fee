#pragma once
// The translations installed for the program's run: Qt's own texts (file,
// print and page set-up dialogs, message-box buttons) and the default locale
// in the user's language. Removed again when the object goes.

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace mirel {

// The language of every text at start-up.
inline const QString kDefaultLanguage = QStringLiteral("ja");

class Translations final {
public:
    // `language` is a code such as "ja" or "en"; Qt's source texts are English,
    // so English needs no file of Qt's.
    explicit Translations(const QString& language = kDefaultLanguage);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Whether Qt's texts are in the language asked for.
    bool qtTextsTranslated() const { return qtTranslated_; }

private:
    QLocale previousLocale_;
    QTranslator qt_;
    bool qtInstalled_ = false;
    bool qtTranslated_ = false;
};

}  // namespace mirel
