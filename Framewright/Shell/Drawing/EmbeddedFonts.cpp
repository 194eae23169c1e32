#include "EmbeddedFonts.h"

#include <QByteArray>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QResource>

namespace framewright {

QStringList EmbeddedFonts::resourcePaths() {
    QStringList paths;
    for (const char* file : {"Dosis-Light.otf", "Dosis-Book.otf", "Dosis-Medium.otf", "Dosis-SemiBold.otf",
                             "RobotoCondensed-Light.ttf", "RobotoCondensed-Regular.ttf"}) {
        paths << QStringLiteral(":/Framewright/fonts/") + QLatin1String(file);
    }
    return paths;
}

QStringList EmbeddedFonts::registerAll() {
    static const QStringList failed = [] {
        QStringList failures;
        for (const QString& path : resourcePaths()) {
            const QResource resource(path);
            // A face stored uncompressed is handed over in place, without a copy of the file.
            const QByteArray data = resource.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size())
                : resource.uncompressedData();
            if (!resource.isValid() || data.isEmpty() || QFontDatabase::addApplicationFontFromData(data) < 0) {
                failures << path;
            }
        }
        return failures;
    }();
    return failed;
}

void EmbeddedFonts::addCjkFallbacks() {
    // The proportional cut beside Dosis, the fixed one beside the values' face.
    QFont::insertSubstitutions(QStringLiteral("Dosis"), {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(QStringLiteral("Roboto Condensed"),
                               {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")});
}

void EmbeddedFonts::findFallbacks() {
    for (const QString& family : {QStringLiteral("Dosis"), QStringLiteral("Roboto Condensed")}) {
        // Measuring loads the family's font, and with it the list of its fallbacks.
        QFontMetricsF(QFont(family)).height();
    }
}

} // namespace framewright
