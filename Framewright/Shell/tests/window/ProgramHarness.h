#pragma once
// The program's window, started as main() starts it, on scratch user defaults and a scratch
// history store, with every Qt message recorded: a warning or a critical message fails the test.
//
//   class MyTest : public framewright::testsupport::ProgramHarness {
//       void prepare() override { /* settings, store, calculator before the window opens */ }
//   };
//   TEST_F(MyTest, Something) { key(Qt::Key_5); click("KeypadKey_plus"); EXPECT_EQ(text("DisplayPrimaryValue"), "5"); }
//
// item(), text() and click() find items by objectName in the visual tree (items made by a
// Repeater or a Loader are not QObject children of their view).

#include "AppState.h"
#include "CalculatorModel.h"
#include "FramewrightApp.h"
#include "PersistenceController.h"
#include "SettingsManager.h"
#include "TemporaryUserDefaults.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPointer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <cstdio>
#include <memory>

namespace framewright::testsupport {

class ProgramHarness : public ::testing::Test {
public:
    struct Message {
        QtMsgType type;
        QString text;
    };

    // Every message since the window began to start, in order.
    static QList<Message>& messages() {
        static QList<Message> recorded;
        return recorded;
    }
    static QString messageLog() {
        QStringList lines;
        for (const Message& m : messages()) lines << m.text;
        return lines.join(QLatin1Char('\n'));
    }

protected:
    void SetUp() override {
        ASSERT_TRUE(defaults_.isValid() && storeDir_.isValid());
        messages().clear();
        previousHandler_ = qInstallMessageHandler(&ProgramHarness::record);
        for (QObject* child : qApp->children()) alreadyThere_.append(child);
        PersistenceController::setSharedForTesting(std::make_unique<PersistenceController>(storeFile()));
        SettingsManager::resetSharedForTesting("US");
        CalculatorModel::resetSharedForTesting();
        AppState::shared().setIsDefaultState(true);

        prepare();
        if (::testing::Test::HasFatalFailure()) return;

        program_ = std::make_unique<FramewrightApp>(*qGuiApp);
        ASSERT_TRUE(program_->start()) << messageLog().toStdString();
        window_ = program_->window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
        window_->requestActivate();
        // Focus as a person would give it: the keyboard reaches this window, and the program sees
        // itself active (a run counted).
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_));
    }

    void TearDown() override {
        if (program_ != nullptr) {
            if (const std::string left = closeProgram(); !left.empty()) ADD_FAILURE() << "left to the application: " << left;
        }
        QCoreApplication::processEvents();
        qInstallMessageHandler(previousHandler_);
        for (const Message& m : messages()) {
            if (m.type == QtWarningMsg || m.type == QtCriticalMsg || m.type == QtFatalMsg) {
                ADD_FAILURE() << "Qt message during the test: " << m.text.toStdString();
            }
        }
        AppState::shared().setIsDefaultState(true);
        CalculatorModel::resetSharedForTesting();
        SettingsManager::resetSharedForTesting("US");
    }

    // Quits as the program does: the event loop finishes what it has queued, the program is
    // destroyed, and the application object would be next. Answers what the program left to the
    // application: Qt Quick items, windows and other objects made by QML, one a line as
    // `Type "objectName" (made in file)`, empty when nothing. Each would be destroyed with the
    // application object, after its fonts, and may abort the program at exit; they are deleted
    // here instead, so one fault is reported once, by the test that caused it. TearDown() calls
    // it (and fails the test on an answer) unless the test did.
    std::string closeProgram() {
        QCoreApplication::processEvents();
        program_.reset();
        window_ = nullptr;
        QStringList left;
        QList<QPointer<QObject>> children;
        for (QObject* child : qApp->children()) children.append(child);
        for (QObject* child : children) {
            if (child == nullptr) continue;
            const bool fromQml = qmlContext(child) != nullptr || child->inherits("QQuickItem") || child->inherits("QWindow");
            if (!fromQml || alreadyThere_.contains(child)) continue;
            QString type = QString::fromLatin1(child->metaObject()->className());
            if (const qsizetype generated = type.indexOf(QLatin1String("_QML")); generated > 0) type.truncate(generated);
            const QQmlContext* context = qmlContext(child);
            left << QStringLiteral("%1 \"%2\" (made in %3)").arg(type, child->objectName(),
                context != nullptr ? context->baseUrl().toString() : QStringLiteral("C++"));
            delete child;
        }
        return left.join(QLatin1Char('\n')).toStdString();
    }

    // Runs before the window starts, with the scratch defaults and store already in place and
    // the shared models fresh: set up settings, history or calculator state here.
    virtual void prepare() {}

    QQuickWindow* window() const { return window_; }
    FramewrightApp& program() const { return *program_; }
    PersistenceController& store() const { return PersistenceController::shared(); }
    std::filesystem::path storeFile() const { return std::filesystem::path(storeDir_.filePath("history.sqlite").toStdString()); }
    TemporaryUserDefaults& defaults() { return defaults_; }

    // The item named `objectName`, or null.
    QQuickItem* item(const QString& objectName) const {
        return window_ == nullptr ? nullptr : find(window_->contentItem(), objectName);
    }
    // Its "text" property; items without one answer with their first descendant that has one
    // (a row of texts answers with the first). Empty for a missing item.
    QString text(const QString& objectName) const {
        QQuickItem* found = item(objectName);
        EXPECT_NE(found, nullptr) << "no item " << objectName.toStdString();
        return found == nullptr ? QString() : textOf(found);
    }
    QRectF sceneRect(QQuickItem* i) const { return i->mapRectToScene(QRectF(0, 0, i->width(), i->height())); }
    // The item's rectangle in the calculator's content (the 320 × 542 area below the menu bar).
    QRectF contentRect(QQuickItem* i) const {
        QQuickItem* content = item(QStringLiteral("ContentView"));
        return content == nullptr ? QRectF() : i->mapRectToItem(content, QRectF(0, 0, i->width(), i->height()));
    }
    // A left click at the centre of the item named `objectName`.
    void click(const QString& objectName) {
        QQuickItem* target = item(objectName);
        ASSERT_NE(target, nullptr) << "no item " << objectName.toStdString();
        ASSERT_TRUE(target->isVisible()) << objectName.toStdString() << " is hidden";
        QTest::mouseClick(window_, Qt::LeftButton, {}, sceneRect(target).center().toPoint());
    }
    // A press and release of one key on the window, as the keyboard sends it.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window_, k, modifiers);
    }
    // Lets timers, animations and queued work run for `ms` milliseconds.
    void settle(int ms = 400) { QTest::qWait(ms); }

private:
    static void record(QtMsgType type, const QMessageLogContext&, const QString& text) {
        messages().append({type, text});
        fprintf(stderr, "%s\n", qPrintable(text));
    }
    static QQuickItem* find(QQuickItem* root, const QString& name) {
        if (root->objectName() == name) return root;
        for (QQuickItem* child : root->childItems())
            if (QQuickItem* found = find(child, name)) return found;
        return nullptr;
    }
    static QString textOf(QQuickItem* i) {
        const QVariant t = i->property("text");
        if (t.isValid()) return t.toString();
        for (QQuickItem* child : i->childItems()) {
            if (!child->isVisible()) continue;
            const QString found = textOf(child);
            if (!found.isEmpty()) return found;
        }
        return {};
    }

    TemporaryUserDefaults defaults_;
    QTemporaryDir storeDir_;
    QtMessageHandler previousHandler_ = nullptr;
    // The application's children before the test: Qt's own.
    QList<QPointer<QObject>> alreadyThere_;
    std::unique_ptr<FramewrightApp> program_;
    QQuickWindow* window_ = nullptr;
};

} // namespace framewright::testsupport
