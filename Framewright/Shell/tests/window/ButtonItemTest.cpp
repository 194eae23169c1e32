// The buttons' shared behaviour (ButtonBase.qml over ButtonItem): when a press becomes a click,
// the keyboard, a disabled button, where the content and background go, and what assistive
// technology is told. Offscreen window, real mouse and key events.
#include "ButtonItem.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using framewright::ButtonItem;

namespace {

class ButtonItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine_.addImportPath(QStringLiteral("qrc:/"));
        QQmlComponent component(&engine_);
        component.setData(R"(
            import QtQuick
            import Framewright
            Window {
                width: 240; height: 100; visible: true
                ButtonBase {
                    objectName: "button"; text: "Seven"
                    x: 10; y: 10; width: 80; height: 40
                    background: Rectangle { objectName: "background" }
                    contentItem: Item { objectName: "content" }
                    Rectangle { objectName: "ring"; anchors.fill: parent; color: "transparent" }
                }
                ButtonBase { objectName: "tabbed"; x: 120; y: 10; width: 80; height: 40; focusPolicy: Qt.TabFocus }
                ButtonBase { objectName: "unfocusable"; x: 120; y: 60; width: 80; height: 30; focusPolicy: Qt.NoFocus }
            })",
                          QUrl());
        window_.reset(qobject_cast<QQuickWindow*>(component.create()));
        ASSERT_NE(window_, nullptr) << component.errorString().toStdString();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        button_ = qobject_cast<ButtonItem*>(find("button"));
        ASSERT_NE(button_, nullptr);
    }
    QQuickItem* find(const char* name) const { return window_->findChild<QQuickItem*>(QLatin1String(name)); }
    QPoint at(QQuickItem* item, QPointF local) const { return item->mapToScene(local).toPoint(); }
    QPoint centre(QQuickItem* item) const { return at(item, QPointF(item->width() / 2, item->height() / 2)); }

    QQmlEngine engine_;
    std::unique_ptr<QQuickWindow> window_;
    ButtonItem* button_ = nullptr;
};

TEST_F(ButtonItemTest, APressBecomesAClickOnlyWhenReleasedOverTheButton) {
    QSignalSpy clicked(button_, &ButtonItem::clicked);
    QTest::mouseClick(window_.get(), Qt::LeftButton, {}, centre(button_));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_FALSE(button_->isPressed());

    // Dragged off, the press lets go; dragged back, it holds again; released there, it clicks.
    QTest::mousePress(window_.get(), Qt::LeftButton, {}, centre(button_));
    EXPECT_TRUE(button_->isPressed());
    QTest::mouseMove(window_.get(), at(button_, QPointF(150, 20)));
    EXPECT_FALSE(button_->isPressed());
    QTest::mouseMove(window_.get(), centre(button_));
    EXPECT_TRUE(button_->isPressed());
    QTest::mouseRelease(window_.get(), Qt::LeftButton, {}, centre(button_));
    EXPECT_EQ(clicked.count(), 2);

    // Released elsewhere: no click.
    QTest::mousePress(window_.get(), Qt::LeftButton, {}, centre(button_));
    QTest::mouseMove(window_.get(), at(button_, QPointF(150, 20)));
    QTest::mouseRelease(window_.get(), Qt::LeftButton, {}, at(button_, QPointF(150, 20)));
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_FALSE(button_->isPressed());

    // The right button does nothing.
    QTest::mouseClick(window_.get(), Qt::RightButton, {}, centre(button_));
    EXPECT_EQ(clicked.count(), 2);
}

TEST_F(ButtonItemTest, TheKeyboardPressesTheFocusedButtonAndTabFollowsTheFocusPolicy) {
    QSignalSpy clicked(button_, &ButtonItem::clicked);
    button_->forceActiveFocus();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyPress(window_.get(), key);
        EXPECT_TRUE(button_->isPressed()) << key;
        QTest::keyRelease(window_.get(), key);
        EXPECT_FALSE(button_->isPressed()) << key;
    }
    EXPECT_EQ(clicked.count(), 3);
    // A modified key is not a press.
    QTest::keyClick(window_.get(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(clicked.count(), 3);
    // Losing the focus mid-press ends the press without a click.
    QTest::keyPress(window_.get(), Qt::Key_Space);
    find("tabbed")->forceActiveFocus();
    EXPECT_FALSE(button_->isPressed());
    EXPECT_EQ(clicked.count(), 3);

    EXPECT_TRUE(button_->activeFocusOnTab()) << "StrongFocus by default";
    EXPECT_TRUE(find("tabbed")->activeFocusOnTab());
    EXPECT_FALSE(find("unfocusable")->activeFocusOnTab());
    // A click focuses a StrongFocus button, not a NoFocus one.
    QTest::mouseClick(window_.get(), Qt::LeftButton, {}, centre(button_));
    EXPECT_TRUE(button_->hasActiveFocus());
    QTest::mouseClick(window_.get(), Qt::LeftButton, {}, centre(find("unfocusable")));
    EXPECT_TRUE(button_->hasActiveFocus());
}

TEST_F(ButtonItemTest, ADisabledButtonLosesItsPressAndNeverClicks) {
    QSignalSpy clicked(button_, &ButtonItem::clicked);
    QTest::mousePress(window_.get(), Qt::LeftButton, {}, centre(button_));
    ASSERT_TRUE(button_->isPressed());
    button_->setEnabled(false);
    EXPECT_FALSE(button_->isPressed());
    QTest::mouseRelease(window_.get(), Qt::LeftButton, {}, centre(button_));
    QTest::mouseClick(window_.get(), Qt::LeftButton, {}, centre(button_));
    button_->click();
    EXPECT_EQ(clicked.count(), 0);
    button_->setEnabled(true);
    button_->click();
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(ButtonItemTest, BackgroundAndContentFillTheButtonBelowItsOwnChildren) {
    QQuickItem* background = find("background");
    QQuickItem* content = find("content");
    ASSERT_TRUE(background && content);
    EXPECT_EQ(background->parentItem(), button_);
    EXPECT_EQ(content->parentItem(), button_);
    button_->setSize(QSizeF(100, 50));
    for (QQuickItem* part : {background, content}) {
        EXPECT_EQ(QRectF(part->position(), part->size()), QRectF(0, 0, 100, 50)) << qPrintable(part->objectName());
    }
    EXPECT_LT(background->z(), 0);
    const QList<QQuickItem*> children = button_->childItems();
    EXPECT_LT(children.indexOf(content), children.indexOf(find("ring"))) << "the focus ring stays on top";

    // A replaced content leaves the button.
    QQuickItem replacement;
    button_->setContentItem(&replacement);
    EXPECT_EQ(content->parentItem(), nullptr);
    EXPECT_EQ(replacement.parentItem(), button_);
    button_->setContentItem(nullptr);
}

TEST_F(ButtonItemTest, AssistiveTechnologySeesANamedButtonItCanPress) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button_);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Seven"));
    ASSERT_NE(accessible->actionInterface(), nullptr);
    QSignalSpy clicked(button_, &ButtonItem::clicked);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked.count(), 1);
    ASSERT_NE(accessible->parent(), nullptr);
    EXPECT_EQ(accessible->parent()->role(), QAccessible::Window);
    EXPECT_EQ(accessible->childCount(), 0) << "the label is the button's name, not a child";
    EXPECT_TRUE(accessible->state().focusable);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(find("unfocusable"))->state().focusable);

    // A disabled button is reported disabled and cannot be pressed from outside either.
    EXPECT_FALSE(accessible->state().disabled);
    button_->setEnabled(false);
    EXPECT_TRUE(accessible->state().disabled);
    EXPECT_TRUE(accessible->actionInterface()->actionNames().isEmpty());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked.count(), 1);
    button_->setEnabled(true);
    EXPECT_FALSE(accessible->state().disabled);
}

} // namespace
