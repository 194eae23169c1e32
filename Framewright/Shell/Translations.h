#pragma once
// The window's words in the user's language: the program's own translation (embedded, at
// :/Framewright/i18n/framewright_<language>.qm) and Qt's (qt_<language>.qm from Qt's translations
// folder, Debian's qt6-translations-l10n) for the file dialog and other Qt texts. The language is
// the first of the wanted ones (kitbase::InterfaceLanguage) that the program is translated into;
// English when none is (the source texts are English). Without Qt's files the program still
// starts, with Qt's own texts in English.

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

namespace framewright {

class Translations {
public:
    // Installs the translators while it lives; make it after the application object and before
    // any window text. Records the language as kitbase::InterfaceLanguage::current().
    explicit Translations(const QStringList& wanted);
    // The same for the environment's languages.
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // "de", "fr", ...; "en" when none of the wanted languages is translated.
    const QString& language() const noexcept { return language_; }

    // The languages the program is translated into, besides English.
    static QStringList available();

private:
    QString language_;
    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};

} // namespace framewright
