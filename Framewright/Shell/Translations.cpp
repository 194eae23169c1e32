#include "Translations.h"

#include "Kitbase/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace framewright {

namespace {

const QString resourceFolder = QStringLiteral(":/Framewright/i18n");

QString chosen(const QStringList& wanted) {
    const QStringList translated = Translations::available();
    for (const QString& language : wanted) {
        if (language == QLatin1String("en")) break;
        if (translated.contains(language)) return language;
    }
    return QStringLiteral("en");
}

QStringList wantedFromEnvironment() {
    QStringList wanted;
    for (const std::string& language : kitbase::InterfaceLanguage::wantedFromEnvironment())
        wanted.push_back(QString::fromStdString(language));
    return wanted;
}

// Null when no file of the names could be read.
std::unique_ptr<QTranslator> installed(std::initializer_list<QString> names, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& name : names) {
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator.get());
            return translator;
        }
    }
    return nullptr;
}

} // namespace

Translations::Translations(const QStringList& wanted) : language_(chosen(wanted)) {
    kitbase::InterfaceLanguage::setCurrent(language_.toStdString());
    if (language_ == QLatin1String("en")) return;
    program_ = installed({QStringLiteral("framewright_") + language_}, resourceFolder);
    // Qt's meta file qt_<language>.qm pulls in qtbase and qtdeclarative; qtbase alone where only
    // it is installed.
    qt_ = installed({QStringLiteral("qt_") + language_, QStringLiteral("qtbase_") + language_},
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Translations::Translations() : Translations(wantedFromEnvironment()) {}

Translations::~Translations() {
    for (QTranslator* translator : {program_.get(), qt_.get()})
        if (translator != nullptr) QCoreApplication::removeTranslator(translator);
}

QStringList Translations::available() {
    QStringList languages;
    const QStringList files = QDir(resourceFolder).entryList({QStringLiteral("framewright_*.qm")}, QDir::Files);
    for (const QString& file : files)
        languages.push_back(file.mid(QStringLiteral("framewright_").size()).chopped(3));
    return languages;
}

} // namespace framewright
