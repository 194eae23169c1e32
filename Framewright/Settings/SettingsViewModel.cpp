#include "SettingsViewModel.h"

#include "CalculatorModel.h"
#include "FormatNames.h"
#include "SettingsManager.h"
#include "ShownFormatName.h"
#include "SpokenForm.h"

#include <QVariantMap>

#include <array>

namespace framewright {

using framecore::FootageUnit;
using framecore::FormatDescriptor;
using framecore::FormatType;
using framecore::FrameRate;

namespace {

std::string text(std::string_view view) {
    return std::string(view);
}

const std::vector<framecalc::NamedValue<FrameRate>>& videoRates() {
    return framecalc::videoRateNames();
}

const std::vector<framecalc::NamedValue<FrameRate>>& filmRates() {
    return framecalc::filmRateNames();
}

int indexOf(const std::vector<framecalc::NamedValue<FrameRate>>& list, FrameRate rate) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].value == rate) return static_cast<int>(i);
    return 0;
}

} // namespace

SettingsViewModel::SettingsViewModel(QObject* parent)
    : SettingsViewModel(SettingsManager::shared(), CalculatorModel::shared(), parent) {}

SettingsViewModel::SettingsViewModel(SettingsManager& settings, CalculatorModel& calculatorModel,
                                     QObject* parent)
    : QObject(parent), settings_(settings), calculatorModel_(calculatorModel) {
    for (const auto& gauge : framecalc::gaugeNames())
        formatSliderItems_.emplace_back(SliderType::FilmGauge, text(gauge.name));
    formatSliderItems_.emplace_back(SliderType::Video, text(framecalc::videoTypeName));
    formatSliderItems_.emplace_back(SliderType::Frames, text(framecalc::framesTypeName));
    for (const auto& unit : framecalc::footageUnitNames())
        footageUnitSliderItems_.emplace_back(SliderType::FootageUnit, text(unit.name));
    for (const auto& rate : videoRates())
        videoFramerateSliderItems_.emplace_back(SliderType::Framerate, text(rate.name));
    for (const auto& rate : filmRates())
        filmFramerateSliderItems_.emplace_back(SliderType::Framerate, text(rate.name));

    SettingsManager* store = &settings;
    subscribe(
        store, &SettingsManager::selectedUnitIndexChanged, this, [store] { return store->selectedUnitIndex(); },
        [this](int index) {
            followSelectedUnit(index);
            emit selectedUnitIndexChanged();
        });
}

bool SettingsViewModel::showsVideoFramerateSlider() const noexcept {
    return current_.formatType == FormatType::Video;
}

bool SettingsViewModel::showsFootageUnitSlider() const noexcept {
    return current_.formatType == FormatType::Film;
}

bool SettingsViewModel::showsFilmFramerateSlider() const noexcept {
    return current_.formatType == FormatType::Film;
}

int SettingsViewModel::selectedUnitIndex() const noexcept {
    return settings_.selectedUnitIndex();
}

void SettingsViewModel::setSelectedUnitIndex(int index) {
    settings_.setSelectedUnitIndex(index);
}

const std::vector<std::string>& SettingsViewModel::unitLabels() {
    static const std::vector<std::string> labels{"A", "B", "C", "D"};
    return labels;
}

QStringList SettingsViewModel::unitLabelsList() const {
    QStringList list;
    for (const std::string& label : unitLabels())
        list.push_back(QString::fromStdString(label));
    return list;
}

QStringList SettingsViewModel::unitSpokenNamesList() const {
    using Id = DisplayValueModel::Identifier;
    // In the order of selectedUnitIndex.
    static constexpr std::array<Id, 4> edited{Id::topLeft, Id::topRight, Id::bottomLeft, Id::primary};
    QStringList list;
    for (std::size_t index = 0; index < unitLabels().size() && index < edited.size(); ++index)
        list.push_back(QString::fromStdString(unitLabels()[index] + ", " + SpokenForm::slotName(edited[index])));
    return list;
}

QVariantList SettingsViewModel::toList(const std::vector<SliderItem>& items) {
    QVariantList list;
    for (const SliderItem& item : items)
        list.push_back(QVariantMap{{QStringLiteral("type"), static_cast<int>(item.type())},
                                   {QStringLiteral("name"), QString::fromStdString(item.label())},
                                   {QStringLiteral("label"), ShownFormatName::of(item.label())},
                                   {QStringLiteral("spokenLabel"),
                                    QString::fromStdString(SpokenForm::formatLabel(item.label()))}});
    return list;
}

QVariantList SettingsViewModel::attributeList() const {
    QVariantList list;
    for (const framecore::FormatAttributeItem& item : current_.attributes())
        list.push_back(QVariantMap{{QStringLiteral("name"), QString::fromStdString(item.label)},
                                   {QStringLiteral("label"), ShownFormatName::attributeLabel(item.label)},
                                   {QStringLiteral("value"), ShownFormatName::attributeValue(item.value)}});
    return list;
}

std::optional<int> SettingsViewModel::position(const std::vector<SliderItem>& items, const SliderItem& item) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == item) return static_cast<int>(i);
    return std::nullopt;
}

void SettingsViewModel::followSelectedUnit(int index) {
    switch (index) {
    case SettingsManager::topLeftSlot:
        setCurrentFormatDescriptor(settings_.topLeftDescriptor());
        break;
    case SettingsManager::topRightSlot:
        setCurrentFormatDescriptor(settings_.topRightDescriptor());
        break;
    case SettingsManager::bottomLeftSlot:
        setCurrentFormatDescriptor(settings_.bottomLeftDescriptor());
        break;
    default:
        setCurrentFormatDescriptor(settings_.primaryDescriptor());
        break;
    }
    updatePages();
}

void SettingsViewModel::setCurrentFormatDescriptor(const FormatDescriptor& descriptor) {
    current_ = descriptor;
    emit currentFormatDescriptorChanged();
}

void SettingsViewModel::movePage(int& field, int index, void (SettingsViewModel::*signal)()) {
    field = index;
    emit(this->*signal)();
}

void SettingsViewModel::updatePages() {
    const FormatDescriptor d = current_;
    const int count = static_cast<int>(formatSliderItems_.size());
    switch (d.formatType) {
    case FormatType::Film: {
        movePage(formatPageIndex_, d.filmGauge ? static_cast<int>(*d.filmGauge) : 0,
                 &SettingsViewModel::formatPageChanged);
        const FootageUnit unit = d.footageUnit.value_or(FootageUnit::Feet);
        footageUnitPageIndex_ = static_cast<int>(unit);
        filmFrameratePageIndex_ = indexOf(filmRates(), d.frameRate.value_or(FrameRate::fps24));
        emit footageUnitPageChanged();
        emit filmFrameratePageChanged();
        break;
    }
    case FormatType::Video:
        movePage(formatPageIndex_, count - 2, &SettingsViewModel::formatPageChanged);
        movePage(videoFrameratePageIndex_,
                 indexOf(videoRates(), d.frameRate.value_or(FrameRate::fps29_97Drop)),
                 &SettingsViewModel::videoFrameratePageChanged);
        break;
    case FormatType::Frames:
        movePage(formatPageIndex_, count - 1, &SettingsViewModel::formatPageChanged);
        break;
    }
}

void SettingsViewModel::store(const FormatDescriptor& descriptor) {
    setCurrentFormatDescriptor(descriptor);
    const int index = settings_.selectedUnitIndex();
    switch (index) {
    case SettingsManager::topLeftSlot:
        settings_.setTopLeftDescriptor(descriptor);
        break;
    case SettingsManager::bottomLeftSlot:
        settings_.setBottomLeftDescriptor(descriptor);
        break;
    case SettingsManager::topRightSlot:
        settings_.setTopRightDescriptor(descriptor);
        break;
    default:
        settings_.setPrimaryDescriptor(descriptor);
        calculatorModel_.allClear();
        break;
    }
}

void SettingsViewModel::formatSliderChanged(int index) {
    if (index < 0 || index >= static_cast<int>(formatSliderItems_.size())) return;
    const SliderItem& item = formatSliderItems_[static_cast<std::size_t>(index)];
    const FormatDescriptor d = current_;
    switch (item.type()) {
    case SliderType::FilmGauge: {
        const auto gauge = framecalc::gaugeNames()[static_cast<std::size_t>(index)].value;
        if (d.filmGauge != gauge) store(FormatDescriptor::defaultDescriptorForFilmGauge(gauge));
        break;
    }
    case SliderType::Video:
        if (d.formatType != FormatType::Video) store(FormatDescriptor::ntsc30);
        break;
    case SliderType::Frames:
        if (d.formatType != FormatType::Frames) store(FormatDescriptor::frames);
        break;
    case SliderType::FootageUnit:
    case SliderType::Framerate:
        break;
    }
    updatePages();
}

void SettingsViewModel::framerateSliderChanged(int index) {
    const FormatDescriptor d = current_;
    if (d.formatType == FormatType::Frames) return;
    const auto& list = d.formatType == FormatType::Video ? videoRates() : filmRates();
    if (index < 0 || index >= static_cast<int>(list.size())) return;
    const FrameRate rate = list[static_cast<std::size_t>(index)].value;
    if (d.frameRate == rate) return;
    FormatDescriptor next = d;
    next.frameRate = rate;
    store(next);
    if (d.formatType == FormatType::Video)
        movePage(videoFrameratePageIndex_, index, &SettingsViewModel::videoFrameratePageChanged);
    else
        movePage(filmFrameratePageIndex_, index, &SettingsViewModel::filmFrameratePageChanged);
}

void SettingsViewModel::footageUnitSliderChanged(int index) {
    const FormatDescriptor d = current_;
    if (d.formatType != FormatType::Film) return;
    const auto& units = framecalc::footageUnitNames();
    if (index < 0 || index >= static_cast<int>(units.size())) return;
    const FootageUnit unit = units[static_cast<std::size_t>(index)].value;
    if (d.footageUnit == unit) return;
    FormatDescriptor next = d;
    next.footageUnit = unit;
    store(next);
    movePage(footageUnitPageIndex_, index, &SettingsViewModel::footageUnitPageChanged);
}

} // namespace framewright
