#include "ShownFormatName.h"

#include <QCoreApplication>
#include <QStringList>

namespace framewright {

namespace {

// lupdate reads the names from here; the labels themselves come from Framecore.
[[maybe_unused]] constexpr const char* translatedNames[] = {
    QT_TRANSLATE_NOOP("FormatName", "Video"),
    QT_TRANSLATE_NOOP("FormatName", "Frames"),
    QT_TRANSLATE_NOOP("FormatName", "Feet"),
    QT_TRANSLATE_NOOP("FormatName", "Metres"),
    QT_TRANSLATE_NOOP("FormatName", "1000ft rolls"),
    QT_TRANSLATE_NOOP("FormatName", "400ft rolls"),
    QT_TRANSLATE_NOOP("FormatName", "100 ft rolls"),
    QT_TRANSLATE_NOOP("FormatName", "Super 8mm"),
    QT_TRANSLATE_NOOP("FormatName", "Super"),
    QT_TRANSLATE_NOOP("FormatName", "DECIMAL"),
    QT_TRANSLATE_NOOP("FormatAttribute", "Dropframe"),
    QT_TRANSLATE_NOOP("FormatAttribute", "Frame duration/s"),
    QT_TRANSLATE_NOOP("FormatAttribute", "Gauge"),
    QT_TRANSLATE_NOOP("FormatAttribute", "Frames per foot"),
    QT_TRANSLATE_NOOP("FormatAttribute", "YES"),
    QT_TRANSLATE_NOOP("FormatAttribute", "NO"),
};

QString translated(const char* context, std::string_view text) {
    const QByteArray source(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate(context, source.constData());
}

} // namespace

QString ShownFormatName::of(std::string_view label) {
    const QString whole = translated("FormatName", label);
    if (whole != QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()))) return whole;
    QStringList words = whole.split(QLatin1Char(' '));
    for (QString& word : words)
        word = QCoreApplication::translate("FormatName", word.toUtf8().constData());
    return words.join(QLatin1Char(' '));
}

QString ShownFormatName::attributeLabel(std::string_view label) { return translated("FormatAttribute", label); }

QString ShownFormatName::attributeValue(std::string_view value) { return translated("FormatAttribute", value); }

} // namespace framewright
