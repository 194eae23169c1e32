// The settings panel: its paged slider on its own, then the panel in the running program.
#include "ProgramHarness.h"

#include "AppState.h"
#include "CalculatorModel.h"
#include "SettingsManager.h"

#include "Framecore/FormatDescriptor.h"

#include <gtest/gtest.h>

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

QQuickItem* findNamed(QQuickItem* root, const QString& name) {
    if (root->objectName() == name) return root;
    for (QQuickItem* child : root->childItems())
        if (QQuickItem* found = findNamed(child, name)) return found;
    return nullptr;
}

QPointF centreOf(QQuickItem* i) {
    return i->mapToScene(QPointF(i->width() / 2, i->height() / 2));
}

// A drag from `start` by dx pixels, in small steps as a hand moves; `hold` stops the hand before
// it lets go, so nothing is flicked. Waits until the row has settled.
void drag(QQuickWindow* window, QPoint start, qreal dx, bool hold = false) {
    QTest::mousePress(window, Qt::LeftButton, {}, start);
    const int steps = 12;
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(window, start + QPoint(qRound(dx * i / steps), 0), 16);
    QTest::mouseRelease(window, Qt::LeftButton, {}, start + QPoint(qRound(dx), 0), hold ? 300 : 16);
    QTest::qWait(500);
}

// A slider over six pages whose owner holds the position: it takes every report unless told to
// refuse, and records the reports.
constexpr const char* sliderOwner = R"(
import QtQuick
import Framewright
Item {
    property int held: 2
    property bool accepts: true
    property var reports: []
    width: 290
    height: 36
    HorizontalSlider {
        objectName: "slider"
        anchors.fill: parent
        dataSource: ["35mm", "16mm", "Video", "Frames", "Feet", "Metres"].map(label => ({ label: label }))
        page: parent.held
        onSliderChanged: index => {
            parent.reports = parent.reports.concat([index])
            if (parent.accepts)
                parent.held = index
        }
    }
}
)";

class HorizontalSliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine_.addImportPath(QStringLiteral("qrc:/"));
        QQmlComponent component(&engine_);
        component.setData(sliderOwner, QUrl());
        owner_.reset(qobject_cast<QQuickItem*>(component.create()));
        ASSERT_NE(owner_, nullptr) << component.errorString().toStdString();
        window_.resize(290, 36);
        owner_->setParentItem(window_.contentItem());
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        slider_ = findNamed(owner_.get(), QStringLiteral("slider"));
        ASSERT_NE(slider_, nullptr);
        settle();
    }
    void TearDown() override { owner_->setParentItem(nullptr); }

    int current() const { return slider_->property("currentIndex").toInt(); }
    QList<int> reports() const {
        QList<int> out;
        for (const QVariant& v : owner_->property("reports").toList()) out << v.toInt();
        return out;
    }
    QQuickItem* page(const char* label) const { return findNamed(slider_, QLatin1String(label)); }
    void settle() { QTest::qWait(500); }
    void drag(qreal dx, bool hold = false) { ::drag(&window_, QPoint(145, 18), dx, hold); }

    QQmlEngine engine_;
    QQuickWindow window_;
    std::unique_ptr<QQuickItem> owner_;
    QQuickItem* slider_ = nullptr;
};

TEST_F(HorizontalSliderTest, CurrentPageIsCentredWithNeighboursPartlyInView) {
    ASSERT_EQ(current(), 2);
    QQuickItem* video = page("Video");
    ASSERT_NE(video, nullptr);
    EXPECT_NEAR(centreOf(video).x(), 145.0, 0.5);
    for (const char* neighbour : {"16mm", "Frames"}) {
        QQuickItem* item = page(neighbour);
        ASSERT_NE(item, nullptr) << neighbour;
        const QRectF r = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
        EXPECT_TRUE(r.right() > 0 && r.left() < 290) << neighbour << " out of view";
        EXPECT_TRUE(r.left() < 0 || r.right() > 290) << neighbour << " fully in view";
        EXPECT_NEAR(std::abs(r.center().x() - 145.0), video->width() + 10, 0.5) << neighbour;
    }
    EXPECT_EQ(reports(), QList<int>{});
}

TEST_F(HorizontalSliderTest, DragSettlesOnOnePageAndReportsItOnce) {
    drag(-70); // well past half a page
    EXPECT_EQ(reports(), QList<int>{3});
    EXPECT_EQ(current(), 3);
    EXPECT_NEAR(centreOf(page("Frames")).x(), 145.0, 0.5);
    EXPECT_NEAR(slider_->property("pageOffset").toDouble(), 0.0, 0.01);

    drag(20, true); // not far enough: back to the same page, nothing to report
    EXPECT_EQ(reports(), QList<int>{3});
    EXPECT_EQ(current(), 3);

    drag(70);
    EXPECT_EQ(reports(), (QList<int>{3, 2}));
    EXPECT_EQ(current(), 2);
}

TEST_F(HorizontalSliderTest, ArrowsAndTapsMoveOnePageAndAreReported) {
    slider_->forceActiveFocus();
    QTest::keyClick(&window_, Qt::Key_Right);
    QTest::keyClick(&window_, Qt::Key_Right);
    EXPECT_EQ(reports(), (QList<int>{3, 4}));
    QTest::keyClick(&window_, Qt::Key_Left);
    EXPECT_EQ(current(), 3);
    settle();

    QTest::mouseClick(&window_, Qt::LeftButton, {}, centreOf(page("Feet")).toPoint());
    EXPECT_EQ(current(), 4);
    settle();
    QTest::mouseClick(&window_, Qt::LeftButton, {}, centreOf(page("Feet")).toPoint()); // the current page
    EXPECT_EQ(reports(), (QList<int>{3, 4, 3, 4}));

    // No page beyond either end.
    QTest::keyClick(&window_, Qt::Key_Right);
    QTest::keyClick(&window_, Qt::Key_Right);
    EXPECT_EQ(reports(), (QList<int>{3, 4, 3, 4, 5}));
}

TEST_F(HorizontalSliderTest, MirrorsTheOwnersPositionAndSnapsBackWhenRefused) {
    owner_->setProperty("held", 5);
    settle();
    EXPECT_EQ(current(), 5);
    EXPECT_NEAR(centreOf(page("Metres")).x(), 145.0, 0.5);
    EXPECT_EQ(reports(), QList<int>{}); // moved by its owner, not the user

    owner_->setProperty("accepts", false);
    slider_->forceActiveFocus();
    QTest::keyClick(&window_, Qt::Key_Left);
    EXPECT_EQ(reports(), QList<int>{4});
    EXPECT_EQ(current(), 5);
    drag(70);
    EXPECT_EQ(reports(), (QList<int>{4, 4}));
    EXPECT_EQ(current(), 5);
    EXPECT_NEAR(centreOf(page("Metres")).x(), 145.0, 0.5);
}

TEST_F(HorizontalSliderTest, IgnoresInputWhileDisabled) {
    slider_->setProperty("isEnabled", false);
    slider_->forceActiveFocus();
    QTest::keyClick(&window_, Qt::Key_Right);
    drag(-70);
    QTest::mouseClick(&window_, Qt::LeftButton, {}, centreOf(page("16mm")).toPoint());
    settle();
    EXPECT_EQ(reports(), QList<int>{});
    EXPECT_EQ(current(), 2);
}

// ---- The panel in the program ----

using framecore::FilmGauge;
using framecore::FootageUnit;
using framecore::FormatDescriptor;
using framecore::FormatType;
using framecore::FrameRate;
using framewright::AppState;
using framewright::SettingsManager;

class SettingsPanelTest : public framewright::testsupport::ProgramHarness {
protected:
    using Names = std::vector<std::string>;
    SettingsManager& settings() { return SettingsManager::shared(); }
    QQuickItem* panel() const {
        QQuickItem* holder = item(QStringLiteral("SettingsPanel"));
        return holder == nullptr ? nullptr : holder->property("item").value<QQuickItem*>();
    }
    QQuickItem* keypad() const {
        QQuickItem* holder = item(QStringLiteral("KeypadPanel"));
        return holder == nullptr ? nullptr : holder->property("item").value<QQuickItem*>();
    }
    void openWithShortcut() {
        key(Qt::Key_3, Qt::ControlModifier);
        settle();
        ASSERT_NE(panel(), nullptr);
    }
    QQuickItem* slider(const char* name) const { return item(QLatin1String(name)); }
    // The sliders on show, top to bottom.
    Names shownSliders() const {
        Names shown;
        for (const char* name : {"SettingsFormatSlider", "SettingsFootageUnitSlider", "SettingsFilmFramerateSlider",
                                 "SettingsVideoFramerateSlider"}) {
            QQuickItem* s = slider(name);
            if (s != nullptr && s->isVisible()) shown.emplace_back(name);
        }
        return shown;
    }
    // The label of the page a slider shows.
    std::string shownPage(const char* sliderName) const {
        QQuickItem* s = slider(sliderName);
        const int index = s->property("currentIndex").toInt();
        const QVariantList items = s->property("dataSource").toList();
        return index >= 0 && index < items.size() ? items[index].toMap().value("label").toString().toStdString()
                                                  : std::string();
    }
    // Walks a slider to the page labelled `label` with the arrow keys, one page at a time.
    void chooseWithKeys(const char* sliderName, const char* label) {
        QQuickItem* s = slider(sliderName);
        ASSERT_TRUE(s != nullptr && s->isVisible()) << sliderName;
        QQuickItem* target = findNamed(s, QLatin1String(label));
        ASSERT_NE(target, nullptr) << label;
        s->forceActiveFocus();
        const int to = target->property("index").toInt();
        for (int at = s->property("currentIndex").toInt(); at != to; at += at < to ? 1 : -1)
            key(at < to ? Qt::Key_Right : Qt::Key_Left);
        settle();
        EXPECT_EQ(shownPage(sliderName), label);
    }
    // The attribute rows on show, as "label=value".
    Names attributeRows() const {
        Names rows;
        QQuickItem* box = item(QStringLiteral("SettingsAttributes"));
        if (box == nullptr || !box->isVisible()) return rows;
        std::function<void(QQuickItem*)> walk = [&](QQuickItem* i) {
            if (i->objectName().startsWith(QLatin1String("FormatAttribute_")))
                rows.push_back((i->property("label").toString() + "=" + i->property("value").toString()).toStdString());
            for (QQuickItem* child : i->childItems()) walk(child);
        };
        walk(box);
        return rows;
    }
    // Everything the panel shows lies inside it, the parts one below the other without overlap,
    // and each attribute row's label ends before its value begins.
    void expectLaidOutWithoutOverlap() {
        const QRectF bounds = sceneRect(panel());
        QList<QQuickItem*> parts;
        for (const std::string& name : shownSliders()) parts << item(QString::fromStdString(name));
        QQuickItem* box = item(QStringLiteral("SettingsAttributes"));
        if (box->isVisible()) parts << box;
        qreal previousBottom = sceneRect(item(QStringLiteral("SegmentAButton"))).bottom();
        for (QQuickItem* part : parts) {
            const QRectF r = sceneRect(part);
            EXPECT_TRUE(bounds.contains(r)) << part->objectName().toStdString() << " leaves the panel";
            EXPECT_GE(r.top(), previousBottom) << part->objectName().toStdString() << " overlaps the part above";
            previousBottom = r.bottom();
        }
        std::function<void(QQuickItem*)> walk = [&](QQuickItem* i) {
            if (i->objectName().startsWith(QLatin1String("FormatAttribute_"))) {
                const QList<QQuickItem*> texts = i->childItems();
                ASSERT_EQ(texts.size(), 2);
                const QRectF label = sceneRect(texts[0]);
                const QRectF value = sceneRect(texts[1]);
                EXPECT_LT(texts[0]->property("implicitWidth").toDouble(), label.width() + 0.5)
                    << i->objectName().toStdString() << ": label cut";
                EXPECT_LE(label.right(), value.left()) << i->objectName().toStdString();
                EXPECT_TRUE(sceneRect(box).contains(value)) << i->objectName().toStdString();
            }
            for (QQuickItem* child : i->childItems()) walk(child);
        };
        walk(box);
    }
};

TEST_F(SettingsPanelTest, OpensFromTheMenuAndShowsWhatTheEditedSlotNeeds) {
    openWithShortcut();
    EXPECT_TRUE(AppState::shared().isSettingsVisible());
    EXPECT_EQ(shownSliders(), (Names{"SettingsFormatSlider", "SettingsVideoFramerateSlider"}));
    EXPECT_EQ(shownPage("SettingsFormatSlider"), "Video");
    EXPECT_EQ(shownPage("SettingsVideoFramerateSlider"), "29.97DF");
    EXPECT_EQ(attributeRows(), (Names{"Dropframe=YES", "Frame duration/s=0.0333"}));
    expectLaidOutWithoutOverlap();

    click(QStringLiteral("SegmentAButton"));
    EXPECT_EQ(settings().selectedUnitIndex(), 0);
    settle();
    EXPECT_EQ(shownSliders(), (Names{"SettingsFormatSlider", "SettingsFootageUnitSlider",
                                           "SettingsFilmFramerateSlider"}));
    EXPECT_EQ(shownPage("SettingsFormatSlider"), "35mm");
    EXPECT_EQ(shownPage("SettingsFootageUnitSlider"), "Feet");
    EXPECT_EQ(shownPage("SettingsFilmFramerateSlider"), "24");
    EXPECT_EQ(attributeRows(),
              (Names{"Gauge=35mm", "Frame duration/s=0.0417", "Frames per foot=16"}));
    expectLaidOutWithoutOverlap();

}

TEST_F(SettingsPanelTest, HistoryBarOpensItOnTheMainSlot) {
    openWithShortcut();
    click(QStringLiteral("SegmentAButton"));
    key(Qt::Key_1, Qt::ControlModifier);
    settle();
    EXPECT_EQ(panel(), nullptr);
    click(QStringLiteral("HistorySettingsButton"));
    settle();
    ASSERT_NE(panel(), nullptr);
    EXPECT_EQ(settings().selectedUnitIndex(), 3);
    EXPECT_EQ(shownPage("SettingsFormatSlider"), "Video");
}

// Top left is IMAX film, one page before "Video" on the format slider.
class SettingsPanelOnImaxTest : public SettingsPanelTest {
    void prepare() override { SettingsManager::shared().setTopLeftDescriptor(FormatDescriptor::mm70); }
};

TEST_F(SettingsPanelOnImaxTest, GaugeUnitAndRateOnTheSlidersChangeTheSlotAndItsDisplay) {
    for (Qt::Key k : {Qt::Key_1, Qt::Key_2})
        key(k);
    const QString typed = text(QStringLiteral("DisplayPrimaryValue"));
    openWithShortcut();
    click(QStringLiteral("SegmentAButton"));
    settle();
    EXPECT_EQ(text(QStringLiteral("DisplayTopLeftUnit")), "FT IMAX");

    // Back two gauges by hand, one page per drag.
    QQuickItem* format = slider("SettingsFormatSlider");
    drag(window(), centreOf(format).toPoint(), 70);
    drag(window(), centreOf(format).toPoint(), 70);
    EXPECT_EQ(shownPage("SettingsFormatSlider"), "8mm");
    EXPECT_EQ(settings().topLeftDescriptor(), FormatDescriptor::mm8);
    EXPECT_EQ(shownPage("SettingsFilmFramerateSlider"), "16"); // the gauge's own rate
    EXPECT_EQ(text(QStringLiteral("DisplayTopLeftUnit")), "FT 8mm");

    chooseWithKeys("SettingsFootageUnitSlider", "ft:frm");
    chooseWithKeys("SettingsFilmFramerateSlider", "18");
    EXPECT_EQ(settings().topLeftDescriptor(),
              (FormatDescriptor{FormatType::Film, FilmGauge::mm8, FootageUnit::FeetFrames, FrameRate::fps18}));
    EXPECT_EQ(text(QStringLiteral("DisplayTopLeftUnit")), "FT:FRM 8mm");
    EXPECT_EQ(attributeRows(), (Names{"Gauge=8mm", "Frame duration/s=0.0556", "Frames per foot=80"}));
    expectLaidOutWithoutOverlap();

    // A secondary slot's format leaves the typed value alone.
    EXPECT_EQ(text(QStringLiteral("DisplayPrimaryValue")), typed);
    EXPECT_EQ(framewright::CalculatorModel::shared().inputBuffer().buffer(), "12");
}

TEST_F(SettingsPanelOnImaxTest, VideoOnAFilmSlotGivesDropFrameTimecode) {
    openWithShortcut();
    click(QStringLiteral("SegmentAButton"));
    settle();
    chooseWithKeys("SettingsFormatSlider", "Video");
    EXPECT_EQ(settings().topLeftDescriptor(), FormatDescriptor::ntsc30);
    EXPECT_EQ(text(QStringLiteral("DisplayTopLeftUnit")), "29.97DF");
    EXPECT_EQ(shownSliders(), (Names{"SettingsFormatSlider", "SettingsVideoFramerateSlider"}));
    EXPECT_EQ(shownPage("SettingsVideoFramerateSlider"), "29.97DF");

    chooseWithKeys("SettingsVideoFramerateSlider", "25");
    EXPECT_EQ(settings().topLeftDescriptor(), FormatDescriptor::pal25);
    EXPECT_EQ(text(QStringLiteral("DisplayTopLeftUnit")), "25");
    EXPECT_EQ(attributeRows(), (Names{"Dropframe=NO", "Frame duration/s=0.04"}));
}

TEST_F(SettingsPanelTest, ChangingTheMainFormatClearsTheCalculator) {
    for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_Plus, Qt::Key_3})
        key(k);
    ASSERT_EQ(framewright::CalculatorModel::shared().inputBuffer().buffer(), "3");
    openWithShortcut();
    chooseWithKeys("SettingsFormatSlider", "Frames");
    EXPECT_EQ(settings().primaryDescriptor(), FormatDescriptor::frames);
    EXPECT_EQ(text(QStringLiteral("DisplayPrimaryUnit")), "Frames");
    EXPECT_EQ(text(QStringLiteral("DisplayPrimaryValue")), "0");
    EXPECT_EQ(framewright::CalculatorModel::shared().currentOperation(), framecore::CalculatorOperation::none);
    // Frames needs no rate and no unit, and has no attributes.
    EXPECT_EQ(shownSliders(), Names{"SettingsFormatSlider"});
    EXPECT_TRUE(attributeRows().empty());
}

TEST_F(SettingsPanelTest, CloseButtonBringsBackTheKeypadWithFormatsUnchanged) {
    const FormatDescriptor before[] = {settings().topLeftDescriptor(), settings().topRightDescriptor(),
                                       settings().bottomLeftDescriptor(), settings().primaryDescriptor()};
    openWithShortcut();
    click(QStringLiteral("SegmentCButton"));
    EXPECT_EQ(settings().selectedUnitIndex(), 2);
    click(QStringLiteral("SettingsCloseButton"));
    settle();
    EXPECT_FALSE(AppState::shared().isSettingsVisible());
    EXPECT_EQ(panel(), nullptr);
    EXPECT_NE(keypad(), nullptr);
    const FormatDescriptor after[] = {settings().topLeftDescriptor(), settings().topRightDescriptor(),
                                      settings().bottomLeftDescriptor(), settings().primaryDescriptor()};
    EXPECT_TRUE(std::equal(std::begin(before), std::end(before), std::begin(after)));
}

// Every control of the panel is reached with Tab and worked from the keyboard.
TEST_F(SettingsPanelTest, EveryControlIsReachedWithTab) {
    openWithShortcut();
    QStringList reached;
    for (int i = 0; i < 30; ++i) {
        key(Qt::Key_Tab);
        QQuickItem* focused = window()->activeFocusItem();
        if (focused != nullptr && !reached.contains(focused->objectName())) reached << focused->objectName();
        if (focused != nullptr && focused->objectName() == QLatin1String("SegmentBButton")) {
            key(Qt::Key_Space);
            EXPECT_EQ(settings().selectedUnitIndex(), 1);
        }
    }
    for (const char* name : {"SegmentAButton", "SegmentBButton", "SegmentCButton", "SegmentDButton",
                             "SettingsCloseButton", "SettingsFormatSlider", "SettingsVideoFramerateSlider"})
        EXPECT_TRUE(reached.contains(QLatin1String(name))) << name << " not reached; reached: "
                                                             << reached.join(", ").toStdString();
}

} // namespace
