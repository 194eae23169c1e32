// The window in the environment's language (LANGUAGE, one ctest run per language; English when
// unset): what it loaded, what the menus, the settings panel and an alert say, and that every
// text it shows is drawn with real glyphs, no missing-glyph boxes, Japanese included.
#include "ProgramHarness.h"

#include "AppState.h"
#include "ShownFormatName.h"
#include "SpokenForm.h"
#include "Translations.h"

#include "Kitbase/InterfaceLanguage.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <array>
#include <vector>

namespace {

struct Words {
    const char* language;
    const char* file;
    const char* edit;
    const char* view;
    const char* dropframe;
    const char* video;
    const char* deleteAll;
    const char* cancel;
};

// Written out here, not read from the translations, so a wrong or missing file shows.
constexpr std::array<Words, 5> expectedWords{{
    {"en", "File", "Edit", "View", "Dropframe", "Video", "Delete all", "Cancel"},
    {"de", "Datei", "Bearbeiten", "Ansicht", "Drop-Frame", "Video", "Alle löschen", "Abbrechen"},
    {"fr", "Fichier", "Édition", "Affichage", "Drop frame", "Vidéo", "Tout supprimer", "Annuler"},
    {"es", "Archivo", "Editar", "Ver", "Drop frame", "Vídeo", "Eliminar todo", "Cancelar"},
    {"ja", "ファイル", "編集", "表示", "ドロップフレーム", "ビデオ", "すべて削除", "キャンセル"},
}};

QString wantedLanguage() {
    const QString language = qEnvironmentVariable("LANGUAGE").section(QLatin1Char(':'), 0, 0).left(2);
    return language.isEmpty() ? QStringLiteral("en") : language;
}

// The glyphs `text` is drawn with in `font`: how many are the missing-glyph box (glyph 0), and
// which families drew them.
int missingGlyphs(const QString& text, const QFont& font, QStringList& families) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) line.setLineWidth(1e6);
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        families << run.rawFont().familyName();
        for (const quint32 glyph : run.glyphIndexes())
            if (glyph == 0) ++missing;
    }
    return missing;
}

void collectTexts(QQuickItem* item, std::vector<QQuickItem*>& texts) {
    if (!item->isVisible()) return;
    if (item->inherits("QQuickText") && !item->property("text").toString().isEmpty()) texts.push_back(item);
    for (QQuickItem* child : item->childItems()) collectTexts(child, texts);
}

class TranslatedWindowTest : public framewright::testsupport::ProgramHarness {
protected:
    void prepare() override {
        // Something to delete, so the alert can be asked for.
        framewright::CalculatorModel& calculator = framewright::CalculatorModel::shared();
        for (const char* key : {"1", "plus", "2", "equal"}) calculator.keyPressedByRawValue(QString::fromLatin1(key));
    }

    const Words& words() const {
        for (const Words& entry : expectedWords)
            if (wantedLanguage() == QLatin1String(entry.language)) return entry;
        return expectedWords.front();
    }

    // Every shown text of the window drawn with real glyphs.
    void expectEveryGlyphDrawn(const char* state) {
        std::vector<QQuickItem*> texts;
        collectTexts(window()->contentItem(), texts);
        ASSERT_FALSE(texts.empty());
        for (QQuickItem* text : texts) {
            QStringList families;
            const QString content = text->property("text").toString();
            EXPECT_EQ(missingGlyphs(content, text->property("font").value<QFont>(), families), 0)
                << state << ": \"" << content.toStdString() << "\" drawn with " << families.join(", ").toStdString();
        }
    }
};

TEST_F(TranslatedWindowTest, MenusSettingsAndAlertSpeakTheLanguage) {
    const Words& expected = words();
    EXPECT_EQ(program().language(), QString::fromLatin1(expected.language));
    EXPECT_EQ(text(QStringLiteral("Menu_File")), QString::fromUtf8(expected.file));
    EXPECT_EQ(text(QStringLiteral("Menu_Edit")), QString::fromUtf8(expected.edit));
    EXPECT_EQ(text(QStringLiteral("Menu_View")), QString::fromUtf8(expected.view));
    expectEveryGlyphDrawn("calculator");

    click(QStringLiteral("HistoryDeleteAllButton"));
    settle();
    EXPECT_EQ(text(QStringLiteral("DeleteAlertConfirmButton")), QString::fromUtf8(expected.deleteAll));
    EXPECT_EQ(text(QStringLiteral("DeleteAlertCancelButton")), QString::fromUtf8(expected.cancel));
    expectEveryGlyphDrawn("delete alert");
    click(QStringLiteral("DeleteAlertCancelButton"));
    settle();

    // The primary slot shows video timecode at the start, so its attributes include drop frame.
    framewright::AppState::shared().setIsSettingsVisible(true);
    settle();
    EXPECT_EQ(text(QStringLiteral("FormatAttribute_Dropframe")), QString::fromUtf8(expected.dropframe));
    EXPECT_EQ(text(QStringLiteral("Video")), QString::fromUtf8(expected.video));
    expectEveryGlyphDrawn("settings");
}

// Whatever the language, the faces cover Japanese: the embedded ones have no CJK glyphs, so the
// fallback must be there and be taken.
TEST_F(TranslatedWindowTest, JapaneseTextFallsBackToTheCjkFace) {
    for (const QString& family : {QStringLiteral("Dosis"), QStringLiteral("Roboto Condensed")}) {
        QStringList families;
        QFont font(family);
        font.setPixelSize(12);
        EXPECT_EQ(missingGlyphs(QStringLiteral("履歴をすべて削除 フレームレート"), font, families), 0)
            << family.toStdString() << " drew with " << families.join(", ").toStdString();
        EXPECT_TRUE(families.contains(QStringLiteral("IPAPGothic")) || families.contains(QStringLiteral("IPAGothic")))
            << family.toStdString() << " drew with " << families.join(", ").toStdString();
    }
}

} // namespace

namespace {

// The first wanted language the program is translated into, else English; never one after English.
TEST(TranslationsTest, ChoosesTheFirstTranslatedLanguage) {
    using framewright::Translations;
    EXPECT_EQ(Translations::available().size(), 4);
    EXPECT_EQ(Translations({QStringLiteral("it"), QStringLiteral("fr_CA"), QStringLiteral("fr")}).language(), "fr");
    EXPECT_EQ(Translations({QStringLiteral("it")}).language(), "en");
    EXPECT_EQ(Translations({QStringLiteral("en"), QStringLiteral("de")}).language(), "en");
    {
        const Translations german({QStringLiteral("de")});
        EXPECT_EQ(QCoreApplication::translate("Main", "File"), QString::fromUtf8("Datei"));
    }
    EXPECT_EQ(QCoreApplication::translate("Main", "File"), "File") << "removed with its owner";
    kitbase::InterfaceLanguage::setCurrent("");
}

// Stored English labels shown and spoken in German: whole names where they have a translation,
// else word by word, figures and trade abbreviations as written.
TEST(TranslationsTest, FormatLabelsAreShownAndSpokenInTheLanguage) {
    using framewright::ShownFormatName;
    using framewright::SpokenForm;
    const framewright::Translations german({QStringLiteral("de")});
    EXPECT_EQ(ShownFormatName::of("1000ft rolls"), QString::fromUtf8("1000-ft-Rollen"));
    EXPECT_EQ(ShownFormatName::of("Metres Super 8mm"), QString::fromUtf8("Meter Super 8mm"));
    EXPECT_EQ(ShownFormatName::of("FT:FRM 35mm 2p"), QString::fromUtf8("FT:FRM 35mm 2p"));
    EXPECT_EQ(ShownFormatName::of("29.97DF"), QString::fromUtf8("29.97DF"));
    EXPECT_EQ(ShownFormatName::attributeValue("YES"), QString::fromUtf8("JA"));
    EXPECT_EQ(SpokenForm::formatLabel("FT:FRM 35mm 2p"), "Fuß und Frames 35 Millimeter 2 Perforationen");
    EXPECT_EQ(SpokenForm::formatLabel("25"), "25 Bilder pro Sekunde");
    EXPECT_EQ(SpokenForm::historyLine("add", "00:00:01:00", "29.97DF"), "plus, 00:00:01:00, 29.97 Drop-Frame");
    kitbase::InterfaceLanguage::setCurrent("");
}

} // namespace
