// Checks of the window built from the QML module: faces, colours, icons, layout and the
// commands that need no calculator model. Runs offscreen with the software scene graph.
#include "AppState.h"
#include "ProgramHarness.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <cmath>
#include <memory>

Q_IMPORT_QML_PLUGIN(FramewrightPlugin)

// Under the leak checker: Qt Quick 6.4 keeps images loaded through its pixmap cache (and their
// textures) alive past the check at exit. The same list is in lsan.supp for the program.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6Quick.so\nleak:libQt6Gui.so\nleak:libqsvg.so\n";
}
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}

using framewright::AppState;

namespace {

std::unique_ptr<QQmlEngine> makeEngine() {
    auto engine = std::make_unique<QQmlEngine>();
    engine->addImportPath(QStringLiteral("qrc:/"));
    return engine;
}

// The Theme singleton as the views see it.
QObject* theme(QQmlEngine& engine) {
    QQmlComponent component(&engine);
    component.setData("import QtQml\nimport Framewright\nQtObject { readonly property QtObject theme: Theme }", QUrl());
    QObject* holder = component.create();
    if (holder == nullptr) {
        ADD_FAILURE() << component.errorString().toStdString();
        return nullptr;
    }
    holder->setParent(&engine);
    return holder->property("theme").value<QObject*>();
}

// Searches the visual tree: items made by a Repeater or Loader need not be QObject children.
QQuickItem* findItem(QQuickItem* root, const QString& name) {
    if (root == nullptr) {
        return nullptr;
    }
    if (root->objectName() == name) {
        return root;
    }
    for (QQuickItem* child : root->childItems()) {
        if (QQuickItem* found = findItem(child, name)) {
            return found;
        }
    }
    return nullptr;
}

double relativeLuminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class ThemeTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine_ = makeEngine();
        theme_ = theme(*engine_);
        ASSERT_NE(theme_, nullptr);
    }
    QFont font(const char* role) const { return theme_->property(role).value<QFont>(); }
    QColor color(const char* role) const {
        const QVariant v = theme_->property(role);
        EXPECT_TRUE(v.isValid()) << role;
        return v.value<QColor>();
    }

    std::unique_ptr<QQmlEngine> engine_;
    QObject* theme_ = nullptr;
};

// The embedded faces themselves: EmbeddedFontsTest.cpp; the symbol icons: SymbolImageTest.cpp.

TEST_F(ThemeTest, RolesResolveToTheIntendedFaces) {
    struct Role {
        const char* name;
        const char* family;
        const char* style;
        int pixelSize;
    };
    const Role roles[] = {
        {"primaryValueFont", "Roboto Condensed", "Light", 32},
        {"primaryUnitFont", "Dosis", "Medium", 12},
        {"secondaryValueFont", "Roboto Condensed", "Regular", 12},
        {"secondaryUnitFont", "Dosis", "Book", 12},
        {"equalsKeyFont", "Dosis", "Book", 25},
        {"deleteKeyFont", "Dosis", "Book", 29},
        {"functionKeyFont", "Dosis", "Book", 21},
        {"digitKeyFont", "Roboto Condensed", "Light", 18},
        {"historyTitleFont", "Dosis", "Book", 15},
        {"timestampFont", "Dosis", "Light", 12},
        {"operationValueFont", "Roboto Condensed", "Light", 24},
        {"operationFormatFont", "Dosis", "SemiBold", 11},
        {"operationSecondaryValueFont", "Roboto Condensed", "Regular", 12},
        {"attributeValueFont", "Roboto Condensed", "Light", 15},
        {"sliderLabelFont", "Dosis", "Book", 12},
    };
    for (const Role& role : roles) {
        const QFont f = font(role.name);
        const QFontInfo info(f);
        EXPECT_EQ(info.family(), QString::fromLatin1(role.family)) << role.name;
        EXPECT_EQ(info.styleName(), QString::fromLatin1(role.style)) << role.name;
        EXPECT_EQ(f.pixelSize(), role.pixelSize) << role.name;
    }
}

// Values must not jitter as their digits change; labels use the proportional face.
TEST_F(ThemeTest, ValueFacesHaveDigitsOfOneWidth) {
    for (const char* role : {"primaryValueFont", "secondaryValueFont", "digitKeyFont", "operationValueFont"}) {
        const QFontMetricsF metrics(font(role));
        const qreal zero = metrics.horizontalAdvance(QLatin1Char('0'));
        for (char digit = '1'; digit <= '9'; ++digit) {
            EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QLatin1Char(digit)), zero) << role << " digit " << digit;
        }
    }
    const QFontMetricsF dosis(font("functionKeyFont"));
    EXPECT_NE(dosis.horizontalAdvance(QLatin1Char('1')), dosis.horizontalAdvance(QLatin1Char('0')));
}

TEST_F(ThemeTest, TextColoursContrastWithTheirBackgrounds) {
    struct Pair {
        const char* text;
        const char* background;
        double minimum;
    };
    const Pair pairs[] = {
        {"keypadStandardKeyLabelColor", "keypadStandardKeyColor", 4.5},
        {"keypadFunctionOperatorKeyLabelColor", "keypadFunctionOperatorKeyColor", 4.5},
        {"keypadFunctionOperatorKeyLabelColor", "keypadResultKeyColor", 4.5},
        {"keypadFunctionOperatorKeyLabelColor", "historyBackgroundColor", 4.5},
        {"primaryValueColor", "displayBackgroundColor", 4.5},
        {"primaryUnitFormatColor", "displayBackgroundColor", 4.5},
        {"secondaryUnitValueColor", "displayBackgroundColor", 4.5},
        {"secondaryUnitFormatColor", "displayBackgroundColor", 4.5},
        {"logValueColor", "historyBackgroundColor", 4.5},
        {"logLabelColor", "historyBackgroundColor", 4.5},
        {"secondaryUnitValueColor", "historyBackgroundColor", 4.5},
        {"secondaryUnitFormatColor", "historyBackgroundColor", 4.5},
        {"primaryUnitFormatColor", "keypadBackgroundColor", 4.5},
        {"secondaryUnitValueColor", "keypadBackgroundColor", 4.5},
        // Disabled labels are exempt from the text minimum but must stay legible.
        {"disabledLabelColor", "keypadStandardKeyColor", 3.0},
        {"disabledLabelColor", "keypadFunctionOperatorKeyColor", 3.0},
        {"disabledLabelColor", "historyBackgroundColor", 3.0},
        {"menuTextColor", "menuBarColor", 4.5},
        {"menuTextColor", "menuColor", 4.5},
        {"menuTextColor", "menuHighlightColor", 4.5},
        {"menuShortcutColor", "menuColor", 4.5},
        // Key labels are large text: 3:1 on a pressed key, and for a refused equals key.
        {"keypadStandardKeyLabelColor", "keypadStandardKeyPressedColor", 3.0},
        {"keypadFunctionOperatorKeyLabelColor", "keypadFunctionOperatorKeyPressedColor", 3.0},
        {"keypadFunctionOperatorKeyLabelColor", "keypadResultKeyPressedColor", 3.0},
        {"disabledLabelColor", "keypadResultKeyColor", 3.0},
        // Alerts and the share menu, their buttons highlighted while pressed or focused.
        {"popupTextColor", "popupBackgroundColor", 4.5},
        {"popupTextColor", "popupHighlightColor", 4.5},
        {"popupSecondaryTextColor", "popupBackgroundColor", 4.5},
        {"destructiveColor", "popupBackgroundColor", 4.5},
        {"destructiveColor", "popupHighlightColor", 4.5},
        {"secondaryUnitFormatColor", "keypadBackgroundColor", 4.5},
        // The focus ring stands out from every ground a control sits on.
        {"focusRingColor", "windowBackgroundColor", 3.0},
        {"focusRingColor", "historyBackgroundColor", 3.0},
        {"focusRingColor", "popupBackgroundColor", 3.0},
    };
    for (const Pair& pair : pairs) {
        EXPECT_GE(contrast(color(pair.text), color(pair.background)), pair.minimum)
            << pair.text << " on " << pair.background;
    }
}

// ---- The window ----

class WindowTest : public framewright::testsupport::ProgramHarness {
protected:
    // The view shown by a sliding panel, or null while it is not created.
    QQuickItem* panelView(const char* panel) const {
        QQuickItem* p = item(QLatin1String(panel));
        return p == nullptr ? nullptr : p->property("item").value<QQuickItem*>();
    }
    void click(QQuickItem* target) {
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(window(), Qt::LeftButton, {}, sceneRect(target).center().toPoint());
    }
    using ProgramHarness::click;
};

TEST_F(WindowTest, StartsFixedSizedWithoutWarnings) {
    EXPECT_TRUE(messages().isEmpty()) << messageLog().toStdString();
    // The calculator is exactly 320 × 542 below a slim menu bar; the window holds both.
    QQuickItem* content = item(QStringLiteral("ContentView"));
    QQuickItem* bar = item(QStringLiteral("MenuBar"));
    ASSERT_TRUE(content && bar);
    const qreal barHeight = bar->property("barHeight").toReal();
    EXPECT_GT(barHeight, 16.0);
    EXPECT_LE(barHeight, 28.0);
    EXPECT_EQ(sceneRect(content), QRectF(0, barHeight, 320, 542));
    const QSize size(320, 542 + int(barHeight));
    EXPECT_EQ(window()->size(), size);
    EXPECT_EQ(window()->minimumSize(), size);
    EXPECT_EQ(window()->maximumSize(), size);
    EXPECT_FALSE(window()->flags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window()->flags().testFlags(Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint));
    EXPECT_EQ(window()->rendererInterface()->graphicsApi(), QSGRendererInterface::Software);
}

TEST_F(WindowTest, KeypadTakesHalfTheHeightBelowDisplayAndHistory) {
    QQuickItem* log = item("Log");
    QQuickItem* display = item("Display");
    QQuickItem* keypad = panelView("KeypadPanel");
    ASSERT_TRUE(log && display && keypad);
    EXPECT_EQ(panelView("SettingsPanel"), nullptr);

    const QRectF k = contentRect(keypad);
    const QRectF d = contentRect(display);
    const QRectF l = contentRect(log);
    EXPECT_DOUBLE_EQ(k.height(), 266.0); // half of 542 less the 5-pixel padding above and below
    EXPECT_DOUBLE_EQ(k.bottom(), 537.0);
    EXPECT_DOUBLE_EQ(d.bottom() + 5, k.top());
    EXPECT_DOUBLE_EQ(l.bottom() + 5, d.top());
    EXPECT_DOUBLE_EQ(l.top(), 5.0);
    EXPECT_GT(l.height(), 100.0);
}

TEST_F(WindowTest, SettingsSlideInForTheKeypadAndTheHistoryTakesTheFreedHeight) {
    QQuickItem* keypadBefore = panelView("KeypadPanel");
    ASSERT_NE(keypadBefore, nullptr);
    const qreal keypadTop = contentRect(keypadBefore).top();

    AppState::shared().setIsSettingsVisible(true);
    // Both panels exist while they slide: the keypad leaves, the settings enter from below.
    ASSERT_NE(panelView("KeypadPanel"), nullptr);
    QQuickItem* entering = panelView("SettingsPanel");
    ASSERT_NE(entering, nullptr);
    EXPECT_GE(contentRect(entering).top(), 542.0);

    settle();
    EXPECT_EQ(panelView("KeypadPanel"), nullptr);
    QQuickItem* settings = panelView("SettingsPanel");
    ASSERT_NE(settings, nullptr);
    EXPECT_DOUBLE_EQ(contentRect(settings).height(), 319.0); // 0.6 of the available 532
    EXPECT_DOUBLE_EQ(contentRect(settings).bottom(), 537.0);
    EXPECT_DOUBLE_EQ(contentRect(item("Display")).bottom() + 5, contentRect(settings).top());

    AppState::shared().setIsLogExpanded(true);
    settle();
    EXPECT_EQ(panelView("KeypadPanel"), nullptr);
    EXPECT_EQ(panelView("SettingsPanel"), nullptr);
    EXPECT_DOUBLE_EQ(contentRect(item("Display")).bottom(), 537.0);

    AppState::shared().setIsDefaultState(true);
    settle();
    ASSERT_NE(panelView("KeypadPanel"), nullptr);
    EXPECT_DOUBLE_EQ(contentRect(panelView("KeypadPanel")).top(), keypadTop);
    EXPECT_TRUE(messages().isEmpty()) << messageLog().toStdString();
}

TEST_F(WindowTest, ViewShortcutsDriveTheLayoutFlags) {
    AppState& state = AppState::shared();
    QTest::keyClick(window(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(state.isSettingsVisible());
    QTest::keyClick(window(), Qt::Key_2, Qt::ControlModifier);
    EXPECT_TRUE(state.isLogExpanded());
    EXPECT_FALSE(state.isSettingsVisible());
    QTest::keyClick(window(), Qt::Key_1, Qt::ControlModifier);
    EXPECT_FALSE(state.isLogExpanded());
    EXPECT_FALSE(state.isSettingsVisible());
}

TEST_F(WindowTest, HistoryBarTogglesPanelsAndDisablesActionsWithoutEntries) {
    AppState& state = AppState::shared();
    EXPECT_TRUE(item("HistoryNoEntriesView")->isVisible());
    EXPECT_FALSE(item("HistoryShareAllButton")->isEnabled());
    EXPECT_FALSE(item("HistoryDeleteAllButton")->isEnabled());

    click(item("HistoryExpandContractButton"));
    EXPECT_TRUE(state.isLogExpanded());
    click(item("HistoryExpandContractButton"));
    EXPECT_FALSE(state.isLogExpanded());

    click(item("HistorySettingsButton"));
    EXPECT_TRUE(state.isSettingsVisible());
    settle();
    click(item("SettingsCloseButton"));
    EXPECT_FALSE(state.isSettingsVisible());
}

} // namespace

int main(int argc, char** argv) {
    // Whatever the views persist goes to a scratch home, never the user's.
    QTemporaryDir scratch;
    const QByteArray home = scratch.path().toLocal8Bit();
    QDir(scratch.path()).mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(scratch.path() + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("XDG_DATA_HOME", home + "/data");
    qputenv("XDG_CACHE_HOME", home + "/cache");
    qputenv("XDG_RUNTIME_DIR", home + "/runtime");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    framewright::FramewrightApp::prepareProcess();
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
