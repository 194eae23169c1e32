#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include "Framecore/FormatDescriptor.h"

#include "SliderItem.h"

#include <optional>
#include <vector>

namespace framewright {

class CalculatorModel;
class SettingsManager;

// Drives the settings panel: the lists of its four sliders, the sliders' positions for the slot
// being edited, and the user's choices written back into the settings store.
//
// Lists (fixed at creation):
//   formatSliderItems         one FilmGauge item per gauge (gauge label), then "Video", "Frames"
//   footageUnitSliderItems    one FootageUnit item per unit (unit label)
//   videoFramerateSliderItems one Framerate item per video rate (rate label), declaration order
//   filmFramerateSliderItems  the same for the film rates
//
// currentFormatDescriptor follows the store's selectedUnitIndex (0 top left, 1 top right,
// 2 bottom left, anything else the primary slot), and each time updatePages() moves the slider
// positions to it. A slider handler that produces a new descriptor stores it in the edited slot;
// for the primary slot the calculator is then cleared (all clear), which recomputes every slot.
// Choosing what the slot already has stores nothing. Positions outside a list are ignored.
//
// Each page position publishes every move (also to the same position), so a pager the user moved
// snaps back to it. A rate or unit choice the model takes also becomes that slider's position, so
// the positions always say what the sliders show.
//
// For the panel: the current descriptor's attribute rows, which of the rate and unit sliders it
// needs (video: the video-rate slider; film: the footage-unit and film-rate sliders; frames:
// none), and the edited slot of the store, readable and writable.
class SettingsViewModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList unitLabels READ unitLabelsList CONSTANT FINAL)
    // The slot buttons for a screen reader: "A, top left" ... "D, primary".
    Q_PROPERTY(QStringList unitSpokenNames READ unitSpokenNamesList CONSTANT FINAL)
    Q_PROPERTY(framecore::FormatDescriptor currentFormatDescriptor READ currentFormatDescriptor NOTIFY
                   currentFormatDescriptorChanged FINAL)
    Q_PROPERTY(int formatPageIndex READ formatPageIndex NOTIFY formatPageChanged FINAL)
    Q_PROPERTY(int videoFrameratePageIndex READ videoFrameratePageIndex NOTIFY videoFrameratePageChanged FINAL)
    Q_PROPERTY(int footageUnitPageIndex READ footageUnitPageIndex NOTIFY footageUnitPageChanged FINAL)
    Q_PROPERTY(int filmFrameratePageIndex READ filmFrameratePageIndex NOTIFY filmFrameratePageChanged FINAL)
    // Each item is a map {type (a SliderType as an integer), name (the English label, as stored),
    // label (as shown, see ShownFormatName), spokenLabel (the label in words, see
    // SpokenForm::formatLabel)}.
    Q_PROPERTY(QVariantList formatSliderItems READ formatSliderItemList CONSTANT FINAL)
    Q_PROPERTY(QVariantList footageUnitSliderItems READ footageUnitSliderItemList CONSTANT FINAL)
    Q_PROPERTY(QVariantList videoFramerateSliderItems READ videoFramerateSliderItemList CONSTANT FINAL)
    Q_PROPERTY(QVariantList filmFramerateSliderItems READ filmFramerateSliderItemList CONSTANT FINAL)
    // Each row is a map {name (the English label), label, value (both as shown)}, in the order of
    // FormatDescriptor::attributes().
    Q_PROPERTY(QVariantList attributes READ attributeList NOTIFY currentFormatDescriptorChanged FINAL)
    Q_PROPERTY(bool showsVideoFramerateSlider READ showsVideoFramerateSlider NOTIFY currentFormatDescriptorChanged FINAL)
    Q_PROPERTY(bool showsFootageUnitSlider READ showsFootageUnitSlider NOTIFY currentFormatDescriptorChanged FINAL)
    Q_PROPERTY(bool showsFilmFramerateSlider READ showsFilmFramerateSlider NOTIFY currentFormatDescriptorChanged FINAL)
    Q_PROPERTY(int selectedUnitIndex READ selectedUnitIndex WRITE setSelectedUnitIndex NOTIFY
                   selectedUnitIndexChanged FINAL)

public:
    // Edits SettingsManager::shared() and clears CalculatorModel::shared() (the form QML creates).
    explicit SettingsViewModel(QObject* parent = nullptr);
    // Edits the given store and clears the given calculator; both must outlive this model.
    SettingsViewModel(SettingsManager& settings, CalculatorModel& calculatorModel, QObject* parent = nullptr);

    // "A", "B", "C", "D": the names of the slots 0 to 3.
    static const std::vector<std::string>& unitLabels();

    const framecore::FormatDescriptor& currentFormatDescriptor() const noexcept { return current_; }
    int formatPageIndex() const noexcept { return formatPageIndex_; }
    int videoFrameratePageIndex() const noexcept { return videoFrameratePageIndex_; }
    int footageUnitPageIndex() const noexcept { return footageUnitPageIndex_; }
    int filmFrameratePageIndex() const noexcept { return filmFrameratePageIndex_; }

    // The sliders the current descriptor needs besides the format slider.
    bool showsVideoFramerateSlider() const noexcept;
    bool showsFootageUnitSlider() const noexcept;
    bool showsFilmFramerateSlider() const noexcept;

    // The store's selectedUnitIndex: 0 top left, 1 top right, 2 bottom left, 3 primary.
    int selectedUnitIndex() const noexcept;
    void setSelectedUnitIndex(int index);

    const std::vector<SliderItem>& formatSliderItems() const noexcept { return formatSliderItems_; }
    const std::vector<SliderItem>& footageUnitSliderItems() const noexcept { return footageUnitSliderItems_; }
    const std::vector<SliderItem>& videoFramerateSliderItems() const noexcept {
        return videoFramerateSliderItems_;
    }
    const std::vector<SliderItem>& filmFramerateSliderItems() const noexcept {
        return filmFramerateSliderItems_;
    }

    // The slider handlers, each given the position the user moved to.
    Q_INVOKABLE void formatSliderChanged(int index);
    Q_INVOKABLE void framerateSliderChanged(int index);
    Q_INVOKABLE void footageUnitSliderChanged(int index);
    // Moves the four positions to match currentFormatDescriptor.
    Q_INVOKABLE void updatePages();

    // The first position of an item with the same type and label; absent when there is none.
    static std::optional<int> position(const std::vector<SliderItem>& items, const SliderItem& item);

signals:
    void currentFormatDescriptorChanged();
    void formatPageChanged();
    void videoFrameratePageChanged();
    void footageUnitPageChanged();
    void filmFrameratePageChanged();
    // After currentFormatDescriptor follows the newly edited slot and the pages moved to it.
    void selectedUnitIndexChanged();

private:
    QStringList unitLabelsList() const;
    QStringList unitSpokenNamesList() const;
    QVariantList formatSliderItemList() const { return toList(formatSliderItems_); }
    QVariantList footageUnitSliderItemList() const { return toList(footageUnitSliderItems_); }
    QVariantList videoFramerateSliderItemList() const { return toList(videoFramerateSliderItems_); }
    QVariantList filmFramerateSliderItemList() const { return toList(filmFramerateSliderItems_); }
    static QVariantList toList(const std::vector<SliderItem>& items);
    QVariantList attributeList() const;

    void followSelectedUnit(int index);
    void setCurrentFormatDescriptor(const framecore::FormatDescriptor& descriptor);
    void store(const framecore::FormatDescriptor& descriptor);
    void movePage(int& field, int index, void (SettingsViewModel::*signal)());

    SettingsManager& settings_;
    CalculatorModel& calculatorModel_;

    framecore::FormatDescriptor current_ = framecore::FormatDescriptor::frames;
    int formatPageIndex_ = 0;
    int videoFrameratePageIndex_ = 0;
    int footageUnitPageIndex_ = 0;
    int filmFrameratePageIndex_ = 0;

    std::vector<SliderItem> formatSliderItems_;
    std::vector<SliderItem> footageUnitSliderItems_;
    std::vector<SliderItem> videoFramerateSliderItems_;
    std::vector<SliderItem> filmFramerateSliderItems_;
};

} // namespace framewright
