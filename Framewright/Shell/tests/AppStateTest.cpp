#include "AppState.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJSEngine>

#include <array>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

namespace framewright {

class AppStateTestAccess {
public:
    static std::unique_ptr<AppState> make() { return std::unique_ptr<AppState>(new AppState); }
};

namespace {

struct Layout {
    bool isDefaultState;
    bool isLogExpanded;
    bool isSettingsVisible;
    bool showingPopup;
    auto tie() const { return std::tie(isDefaultState, isLogExpanded, isSettingsVisible, showingPopup); }
    bool operator==(const Layout& o) const { return tie() == o.tie(); }
    bool operator<(const Layout& o) const { return tie() < o.tie(); }
};

Layout layoutOf(const AppState& s) {
    return {s.isDefaultState(), s.isLogExpanded(), s.isSettingsVisible(), s.showingPopup()};
}

// Counts change signals and checks, inside every emission, that the two panels are never
// raised together.
struct Observer {
    explicit Observer(AppState& s) {
        auto check = [this, &s] {
            if (s.isLogExpanded() && s.isSettingsVisible()) {
                ++inconsistentEmissions;
            }
        };
        QObject::connect(&s, &AppState::isDefaultStateChanged, [this, check] { ++defaultChanges; check(); });
        QObject::connect(&s, &AppState::isLogExpandedChanged, [this, check] { ++logChanges; check(); });
        QObject::connect(&s, &AppState::isSettingsVisibleChanged, [this, check] { ++settingsChanges; check(); });
        QObject::connect(&s, &AppState::showingPopupChanged, [this, check] { ++popupChanges; check(); });
    }
    int defaultChanges = 0;
    int logChanges = 0;
    int settingsChanges = 0;
    int popupChanges = 0;
    int inconsistentEmissions = 0;
};

using Setter = void (AppState::*)(bool);
constexpr std::array<Setter, 4> kSetters = {&AppState::setIsDefaultState, &AppState::setIsLogExpanded,
                                            &AppState::setIsSettingsVisible, &AppState::setShowingPopup};

} // namespace

TEST(AppStateTest, StartsInTheCalculatorLayout) {
    auto state = AppStateTestAccess::make();
    EXPECT_EQ(layoutOf(*state), (Layout{true, false, false, false}));
}

// The three view commands: Settings raises isSettingsVisible, History raises isLogExpanded,
// Calculator raises isDefaultState.
TEST(AppStateTest, ViewCommandsSwitchBetweenPanels) {
    auto state = AppStateTestAccess::make();

    state->setIsSettingsVisible(true);
    EXPECT_EQ(layoutOf(*state), (Layout{true, false, true, false}));

    state->setIsLogExpanded(true); // History while the settings show
    EXPECT_EQ(layoutOf(*state), (Layout{true, true, false, false}));

    state->setIsSettingsVisible(true); // Settings while the history is expanded
    EXPECT_EQ(layoutOf(*state), (Layout{true, false, true, false}));
}

// isDefaultState is never lowered by the other flags, so it is usually already true when the
// Calculator command assigns it: the assignment must still bring the keypad back.
TEST(AppStateTest, CalculatorCommandReturnsToKeypadFromEveryLayout) {
    for (const Setter raise : {&AppState::setIsSettingsVisible, &AppState::setIsLogExpanded}) {
        for (const bool defaultBefore : {true, false}) {
            auto state = AppStateTestAccess::make();
            state->setIsDefaultState(defaultBefore);
            (state.get()->*raise)(true);
            state->setIsDefaultState(true);
            EXPECT_EQ(layoutOf(*state), (Layout{true, false, false, false}));
        }
    }
}

TEST(AppStateTest, AssigningFalseCouplesNothing) {
    auto state = AppStateTestAccess::make();
    state->setIsLogExpanded(true);
    state->setIsSettingsVisible(false);
    state->setIsDefaultState(false);
    state->setShowingPopup(false);
    EXPECT_EQ(layoutOf(*state), (Layout{false, true, false, false}));

    state->setIsSettingsVisible(true);
    state->setIsLogExpanded(false);
    EXPECT_EQ(layoutOf(*state), (Layout{false, false, true, false}));

    // The popup flag is independent of the layout in both directions.
    state->setShowingPopup(true);
    EXPECT_EQ(layoutOf(*state), (Layout{false, false, true, true}));
    state->setIsDefaultState(true);
    EXPECT_EQ(layoutOf(*state), (Layout{true, false, false, true}));
}

// Walks every state reachable by any sequence of assignments and checks the invariant both in
// the stored state and as seen from inside every change signal.
TEST(AppStateTest, PanelsAreNeverRaisedTogetherInAnyReachableState) {
    std::set<Layout> seen;
    std::vector<std::vector<std::pair<Setter, bool>>> frontier{{}};
    while (!frontier.empty()) {
        std::vector<std::vector<std::pair<Setter, bool>>> next;
        for (const auto& path : frontier) {
            for (const Setter setter : kSetters) {
                for (const bool value : {false, true}) {
                    auto state = AppStateTestAccess::make();
                    Observer observer(*state);
                    auto extended = path;
                    extended.emplace_back(setter, value);
                    for (const auto& [s, v] : extended) {
                        (state.get()->*s)(v);
                    }
                    const Layout layout = layoutOf(*state);
                    EXPECT_FALSE(layout.isLogExpanded && layout.isSettingsVisible);
                    EXPECT_EQ(observer.inconsistentEmissions, 0);
                    if (seen.insert(layout).second) {
                        next.push_back(extended);
                    }
                }
            }
        }
        frontier = std::move(next);
    }
    // Both layout flags with or without the default flag and the popup: 3 panel states × 2 × 2.
    EXPECT_EQ(seen.size(), 12u);
}

TEST(AppStateTest, SignalsFireOncePerRealChangeOnly) {
    auto state = AppStateTestAccess::make();
    Observer observer(*state);

    state->setIsDefaultState(true); // already the layout: nothing changes
    state->setIsLogExpanded(false);
    state->setIsSettingsVisible(false);
    state->setShowingPopup(false);
    EXPECT_EQ(observer.defaultChanges + observer.logChanges + observer.settingsChanges + observer.popupChanges, 0);

    state->setIsSettingsVisible(true);
    state->setIsSettingsVisible(true);
    EXPECT_EQ(observer.settingsChanges, 1);
    EXPECT_EQ(observer.logChanges, 0);

    state->setIsLogExpanded(true); // one assignment, two changes, one signal each
    EXPECT_EQ(observer.settingsChanges, 2);
    EXPECT_EQ(observer.logChanges, 1);

    state->setIsDefaultState(true);
    EXPECT_EQ(observer.logChanges, 2);
    EXPECT_EQ(observer.settingsChanges, 2);
    EXPECT_EQ(observer.defaultChanges, 0);
}

// The keypad and the views that show it read one property; it follows both panels and fires only
// when it really changes, with the flags already stored.
TEST(AppStateTest, KeypadIsShownWhileNeitherPanelIs) {
    auto state = AppStateTestAccess::make();
    int changes = 0;
    bool seenInSignal = true;
    QObject::connect(state.get(), &AppState::isKeypadShownChanged, [&] {
        ++changes;
        seenInSignal = state->isKeypadShown();
        EXPECT_EQ(seenInSignal, !state->isLogExpanded() && !state->isSettingsVisible());
    });
    EXPECT_TRUE(state->isKeypadShown());

    state->setShowingPopup(true);
    EXPECT_EQ(changes, 0);
    state->setIsSettingsVisible(true);
    EXPECT_FALSE(state->isKeypadShown());
    EXPECT_EQ(changes, 1);
    state->setIsLogExpanded(true); // from one panel to the other: still hidden, no signal
    EXPECT_EQ(changes, 1);
    state->setIsLogExpanded(false);
    EXPECT_TRUE(state->isKeypadShown());
    EXPECT_TRUE(seenInSignal);
    EXPECT_EQ(changes, 2);
    state->setIsLogExpanded(true);
    state->setIsDefaultState(true);
    EXPECT_TRUE(state->isKeypadShown());
    EXPECT_EQ(changes, 4);
}

// A slot that reacts to one change by assigning another flag must leave a consistent state.
TEST(AppStateTest, ReentrantAssignmentFromASlotStaysConsistent) {
    auto state = AppStateTestAccess::make();
    QObject::connect(state.get(), &AppState::isSettingsVisibleChanged, [&state] {
        if (state->isSettingsVisible()) {
            state->setIsLogExpanded(true);
        }
    });
    Observer observer(*state);
    state->setIsSettingsVisible(true);
    EXPECT_EQ(layoutOf(*state), (Layout{true, true, false, false}));
    EXPECT_EQ(observer.inconsistentEmissions, 0);
}

TEST(AppStateTest, QmlGetsTheSharedInstanceAndCannotDeleteIt) {
    // A script engine needs an application object; keep one for the rest of the run.
    static int argc = 1;
    static char arg0[] = "AppStateTest";
    static char* argv[] = {arg0, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        new QCoreApplication(argc, argv);
    }
    AppState& shared = AppState::shared();
    EXPECT_EQ(&shared, &AppState::shared());
    {
        QJSEngine engine;
        AppState* fromQml = AppState::create(nullptr, &engine);
        EXPECT_EQ(fromQml, &shared);
        EXPECT_EQ(QJSEngine::objectOwnership(fromQml), QJSEngine::CppOwnership);
        engine.globalObject().setProperty(QStringLiteral("appState"), engine.newQObject(fromQml));
        engine.evaluate(QStringLiteral("appState.isLogExpanded = true"));
        engine.collectGarbage();
    }
    // Still alive and reflecting what the script assigned.
    EXPECT_TRUE(shared.isLogExpanded());
    shared.setIsDefaultState(true);
    EXPECT_FALSE(shared.isLogExpanded());
}

} // namespace framewright
