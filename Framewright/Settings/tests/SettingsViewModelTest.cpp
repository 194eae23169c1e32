#include "SettingsViewModel.h"

#include "CalculatorModelTesting.h"

#include <unordered_set>

namespace framewright {
namespace {

using framecore::FilmGauge;
using framecore::FootageUnit;
using framecore::FormatDescriptor;
using framecore::FormatType;
using framecore::FrameRate;
using testsupport::CalculatorTest;

class SettingsViewModelTest : public CalculatorTest {
protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        panel_ = std::make_unique<SettingsViewModel>(settings(), model());
    }
    void TearDown() override {
        panel_.reset();
        CalculatorTest::TearDown();
    }

    SettingsViewModel& panel() { return *panel_; }
    std::vector<int> pages() {
        return {panel().formatPageIndex(), panel().videoFrameratePageIndex(), panel().footageUnitPageIndex(),
                panel().filmFrameratePageIndex()};
    }

private:
    std::unique_ptr<SettingsViewModel> panel_;
};

std::vector<std::string> labels(const std::vector<SliderItem>& items) {
    std::vector<std::string> out;
    for (const auto& item : items)
        out.push_back(item.label());
    return out;
}

TEST_F(SettingsViewModelTest, ListsOfferEveryChoiceInOrder) {
    EXPECT_EQ(SettingsViewModel::unitLabels(), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(labels(panel().formatSliderItems()),
              (std::vector<std::string>{"35mm", "35mm 2p", "35mm 3p", "16mm", "Super 8mm", "8mm", "65mm",
                                        "IMAX", "Video", "Frames"}));
    EXPECT_EQ(panel().formatSliderItems()[7].type(), SliderType::FilmGauge);
    EXPECT_EQ(panel().formatSliderItems()[8], SliderItem(SliderType::Video, "Video"));
    EXPECT_EQ(panel().formatSliderItems()[9], SliderItem(SliderType::Frames, "Frames"));
    EXPECT_EQ(labels(panel().footageUnitSliderItems()),
              (std::vector<std::string>{"Feet", "ft:frm", "Metres", "1000ft rolls", "400ft rolls",
                                        "100 ft rolls"}));
    EXPECT_EQ(labels(panel().videoFramerateSliderItems()),
              (std::vector<std::string>{"23.98PD", "24", "25", "29.97DF", "29.97ND", "30", "50", "59.94DF",
                                        "59.94ND", "60"}));
    EXPECT_EQ(panel().filmFramerateSliderItems().size(), 17u);
    EXPECT_EQ(panel().filmFramerateSliderItems()[7], SliderItem(SliderType::Framerate, "24"));

    // Items are told apart by type and label together.
    EXPECT_EQ(SettingsViewModel::position(panel().videoFramerateSliderItems(), {SliderType::Framerate, "25"}),
              2);
    EXPECT_EQ(
        SettingsViewModel::position(panel().videoFramerateSliderItems(), {SliderType::FootageUnit, "25"}),
        std::nullopt);
    std::unordered_set<SliderItem> set(panel().filmFramerateSliderItems().begin(),
                                       panel().filmFramerateSliderItems().end());
    set.insert(panel().videoFramerateSliderItems().begin(), panel().videoFramerateSliderItems().end());
    EXPECT_EQ(set.size(), 17u + 4u); // the 29.97 and 59.94 rates are for video only
}

TEST_F(SettingsViewModelTest, SecondarySlotChoicesLeaveTheCalculatorAlone) {
    EXPECT_EQ(panel().currentFormatDescriptor(), FormatDescriptor::pal25);
    EXPECT_EQ(pages(), (std::vector<int>{8, 2, 0, 0}));
    press("12");

    settings().setSelectedUnitIndex(0);
    EXPECT_EQ(panel().currentFormatDescriptor(), FormatDescriptor::mm35);
    EXPECT_EQ(pages(), (std::vector<int>{0, 2, 0, 7}));

    int stored = 0;
    QObject::connect(&settings(), &SettingsManager::topLeftDescriptorChanged, [&] { ++stored; });
    panel().formatSliderChanged(0); // the gauge it already has
    EXPECT_EQ(stored, 0);
    panel().formatSliderChanged(3);
    EXPECT_EQ(settings().topLeftDescriptor(), FormatDescriptor::mm16);
    panel().formatSliderChanged(8);
    EXPECT_EQ(settings().topLeftDescriptor(), FormatDescriptor::ntsc30); // whatever the region
    EXPECT_EQ(pages(), (std::vector<int>{8, 3, 0, 7}));
    panel().framerateSliderChanged(2);
    EXPECT_EQ(settings().topLeftDescriptor(), FormatDescriptor::pal25);
    panel().footageUnitSliderChanged(1); // no unit for video
    EXPECT_EQ(settings().topLeftDescriptor(), FormatDescriptor::pal25);

    panel().formatSliderChanged(4);
    EXPECT_EQ(settings().topLeftDescriptor(), FormatDescriptor::mmSuper8);
    EXPECT_EQ(pages(), (std::vector<int>{4, 2, 0, 5})); // the video rate slider stays where it was
    panel().footageUnitSliderChanged(1);
    panel().framerateSliderChanged(7);
    EXPECT_EQ(settings().topLeftDescriptor(), (FormatDescriptor{FormatType::Film, FilmGauge::mmSuper8,
                                                                FootageUnit::FeetFrames, FrameRate::fps24}));
    // A choice taken becomes the moved slider's position, as the next update would put it.
    EXPECT_EQ(pages(), (std::vector<int>{4, 2, 1, 7}));
    panel().updatePages();
    EXPECT_EQ(pages(), (std::vector<int>{4, 2, 1, 7}));

    // Positions outside the lists are ignored.
    for (int index : {-1, 10, 99})
        panel().formatSliderChanged(index);
    for (int index : {-1, 17})
        panel().framerateSliderChanged(index);
    for (int index : {-1, 6})
        panel().footageUnitSliderChanged(index);
    EXPECT_EQ(settings().topLeftDescriptor().filmGauge, FilmGauge::mmSuper8);

    settings().setSelectedUnitIndex(2);
    panel().formatSliderChanged(9); // bottom left is frames already
    panel().framerateSliderChanged(1);
    EXPECT_EQ(settings().bottomLeftDescriptor(), FormatDescriptor::frames);
    EXPECT_EQ(pages(), (std::vector<int>{9, 2, 1, 7}));

    EXPECT_EQ(buffer(), "12");
    EXPECT_EQ(settings().primaryDescriptor(), FormatDescriptor::pal25);
}

TEST_F(SettingsViewModelTest, APrimaryChoiceClearsTheCalculator) {
    press("12+3");
    panel().framerateSliderChanged(2); // 25 already
    EXPECT_EQ(buffer(), "3");
    panel().framerateSliderChanged(3);
    EXPECT_EQ(settings().primaryDescriptor(), FormatDescriptor::ntsc30);
    EXPECT_EQ(model().inputBuffer(), InputBuffer());
    EXPECT_EQ(model().currentOperation(), framecore::CalculatorOperation::none);
    EXPECT_EQ(shown(), "00:00:00;00");

    // Any index but 0, 1 and 2 edits the primary slot.
    settings().setSelectedUnitIndex(9);
    press("7");
    panel().formatSliderChanged(9);
    EXPECT_EQ(settings().primaryDescriptor(), FormatDescriptor::frames);
    EXPECT_EQ(state(), 8);
    EXPECT_EQ(shown(), "0");
    panel().formatSliderChanged(1);
    EXPECT_EQ(settings().primaryDescriptor(), FormatDescriptor::mm35p2);
    EXPECT_EQ(state(), 4);
}

std::vector<std::pair<QString, QString>> rows(const SettingsViewModel& panel) {
    std::vector<std::pair<QString, QString>> out;
    for (const QVariant& row : panel.property("attributes").toList()) {
        const QVariantMap map = row.toMap();
        out.emplace_back(map.value("label").toString(), map.value("value").toString());
    }
    return out;
}

// What the panel lays out: the attribute rows and the sliders of the edited slot's format.
TEST_F(SettingsViewModelTest, PanelContentFollowsTheEditedSlotAndEveryChoice) {
    using Rows = std::vector<std::pair<QString, QString>>;
    struct Shown {
        bool videoRate, unit, filmRate;
        bool operator==(const Shown&) const = default;
    };
    auto shown = [this] {
        return Shown{panel().showsVideoFramerateSlider(), panel().showsFootageUnitSlider(),
                     panel().showsFilmFramerateSlider()};
    };
    int changes = 0;
    QObject::connect(&panel(), &SettingsViewModel::currentFormatDescriptorChanged, [&] { ++changes; });
    std::vector<int> selected;
    QObject::connect(&panel(), &SettingsViewModel::selectedUnitIndexChanged,
                     [&] { selected.push_back(panel().selectedUnitIndex()); });

    EXPECT_EQ(rows(panel()), (Rows{{"Dropframe", "NO"}, {"Frame duration/s", "0.04"}}));
    EXPECT_EQ(shown(), (Shown{true, false, false}));

    panel().setSelectedUnitIndex(0); // written through to the store
    EXPECT_EQ(settings().selectedUnitIndex(), 0);
    EXPECT_EQ(selected, std::vector<int>{0});
    EXPECT_EQ(rows(panel()), (Rows{{"Gauge", "35mm"}, {"Frame duration/s", "0.0417"}, {"Frames per foot", "16"}}));
    EXPECT_EQ(shown(), (Shown{false, true, true}));

    changes = 0;
    panel().formatSliderChanged(7);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(rows(panel()), (Rows{{"Gauge", "70mm"}, {"Frame duration/s", "0.0208"}, {"Frames per foot", "4.278"}}));
    panel().framerateSliderChanged(7); // 24 on the film list
    EXPECT_EQ(rows(panel())[1].second, "0.0417");

    panel().formatSliderChanged(9);
    EXPECT_EQ(rows(panel()), Rows{});
    EXPECT_EQ(shown(), (Shown{false, false, false})); // frames needs no rate and no unit
    panel().formatSliderChanged(8);
    EXPECT_EQ(rows(panel()), (Rows{{"Dropframe", "YES"}, {"Frame duration/s", "0.0333"}}));
    EXPECT_EQ(shown(), (Shown{true, false, false}));

    // The store's edited slot changed from elsewhere (a tap on the display) is followed too.
    settings().setSelectedUnitIndex(2);
    EXPECT_EQ(selected, (std::vector<int>{0, 2}));
    EXPECT_EQ(rows(panel()), Rows{});
    settings().setSelectedUnitIndex(3);
    EXPECT_EQ(rows(panel()), (Rows{{"Dropframe", "NO"}, {"Frame duration/s", "0.04"}}));
}

// A screen reader hears the slot buttons with the slot they edit, and the pages in words.
TEST_F(SettingsViewModelTest, ChoicesAreNamedInWordsForScreenReaders) {
    EXPECT_EQ(panel().property("unitSpokenNames").toStringList(),
              (QStringList{"A, top left", "B, top right", "C, bottom left", "D, primary"}));
    const auto spoken = [this](const char* list) {
        QStringList names;
        for (const QVariant& item : panel().property(list).toList())
            names << item.toMap().value(QStringLiteral("spokenLabel")).toString();
        return names;
    };
    EXPECT_EQ(spoken("footageUnitSliderItems"), (QStringList{"feet", "feet and frames", "metres", "1000 foot rolls",
                                                              "400 foot rolls", "100 foot rolls"}));
    EXPECT_EQ(spoken("videoFramerateSliderItems").mid(0, 4),
              (QStringList{"23.98 pull down", "24 frames per second", "25 frames per second", "29.97 drop frame"}));
    EXPECT_EQ(spoken("formatSliderItems").mid(6), (QStringList{"65 millimetre", "IMAX", "Video", "frames"}));
}

} // namespace
} // namespace framewright
