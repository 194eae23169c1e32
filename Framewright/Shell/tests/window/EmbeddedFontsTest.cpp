// The faces embedded with the program: each file is the face the Theme names, and all of them
// reach the font database. (Dosis and Roboto Condensed are installed on the build machines too,
// so a face that failed to load would otherwise go unnoticed here and show a fallback elsewhere.)
#include "EmbeddedFonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QRawFont>
#include <QResource>

using framewright::EmbeddedFonts;

TEST(EmbeddedFontsTest, EachFileIsTheFaceTheThemeNamesAndAllAreAdded) {
    struct Face {
        const char* file;
        const char* family;
        const char* style;
    };
    const Face faces[] = {
        {"Dosis-Light.otf", "Dosis", "Light"},
        {"Dosis-Book.otf", "Dosis", "Book"},
        {"Dosis-Medium.otf", "Dosis", "Medium"},
        {"Dosis-SemiBold.otf", "Dosis", "SemiBold"},
        {"RobotoCondensed-Light.ttf", "Roboto Condensed", "Light"},
        {"RobotoCondensed-Regular.ttf", "Roboto Condensed", "Regular"},
    };
    const QStringList paths = EmbeddedFonts::resourcePaths();
    ASSERT_EQ(paths.size(), std::size(faces));
    for (std::size_t i = 0; i < std::size(faces); ++i) {
        EXPECT_TRUE(paths[i].endsWith(QLatin1String(faces[i].file))) << paths[i].toStdString();
        const QResource resource(paths[i]);
        ASSERT_TRUE(resource.isValid()) << faces[i].file;
        const QRawFont face(resource.uncompressedData(), 12);
        ASSERT_TRUE(face.isValid()) << faces[i].file;
        EXPECT_EQ(face.familyName(), QLatin1String(faces[i].family)) << faces[i].file;
        EXPECT_EQ(face.styleName(), QLatin1String(faces[i].style)) << faces[i].file;
    }

    EXPECT_TRUE(EmbeddedFonts::registerAll().isEmpty());
    EXPECT_TRUE(EmbeddedFonts::registerAll().isEmpty()) << "a second call adds nothing and still answers";
    for (const Face& face : faces) {
        EXPECT_TRUE(QFontDatabase::styles(QLatin1String(face.family)).contains(QLatin1String(face.style)))
            << face.family << " " << face.style;
    }
}
