#include "DisplayViewModel.h"

#include "AppState.h"
#include "CalculatorModel.h"
#include "SettingsManager.h"
#include "SpokenForm.h"

namespace framewright {

using framecore::FormatDescriptor;

namespace {

QString idText(DisplayValueModel::Identifier id) {
    switch (id) {
    case DisplayValueModel::Identifier::primary:
        return QStringLiteral("primary");
    case DisplayValueModel::Identifier::topLeft:
        return QStringLiteral("topLeft");
    case DisplayValueModel::Identifier::topRight:
        return QStringLiteral("topRight");
    case DisplayValueModel::Identifier::bottomLeft:
        return QStringLiteral("bottomLeft");
    }
    return {};
}

} // namespace

DisplayViewModel::DisplayViewModel(QObject* parent)
    : DisplayViewModel(CalculatorModel::shared(), SettingsManager::shared(), AppState::shared(), parent) {}

DisplayViewModel::DisplayViewModel(CalculatorModel& calculatorModel, SettingsManager& settings,
                                   AppState& appState, QObject* parent)
    : QObject(parent), settings_(settings) {
    CalculatorModel* model = &calculatorModel;
    SettingsManager* store = &settings;

    subscribe(
        model, &CalculatorModel::primaryFrameValueChanged, this,
        [model] { return model->primaryFrameValue(); },
        [this](const framecore::FrameCountableRef& value) {
            assign(Id::topLeft, DisplayValueModel(Id::topLeft, value, settings_));
            assign(Id::topRight, DisplayValueModel(Id::topRight, value, settings_));
            assign(Id::bottomLeft, DisplayValueModel(Id::bottomLeft, value, settings_));
        });
    subscribe(
        model, &CalculatorModel::formattedInputStringChanged, this,
        [model] { return model->formattedInputString(); },
        [this](const std::string& text) {
            assign(Id::primary, DisplayValueModel(text, primary_.unit(), primary_.isSelected(), Id::primary));
            setUnit(Id::primary, settings_.primaryDescriptor().formatLabel());
        });
    subscribe(
        model, &CalculatorModel::currentOperationChanged, this, [model] { return model->currentOperation(); },
        [this](framecore::CalculatorOperation operation) {
            operation_ = operation;
            emit operationChanged();
        });
    AppState* state = &appState;
    subscribe(
        state, &AppState::isSettingsVisibleChanged, this, [state] { return state->isSettingsVisible(); },
        [this](bool visible) {
            settingsMode_ = visible;
            emit settingsModeChanged();
        });
    subscribe(
        store, &SettingsManager::selectedUnitIndexChanged, this,
        [store] { return store->selectedUnitIndex(); },
        [this](int index) {
            for (Id id : {Id::topLeft, Id::topRight, Id::bottomLeft, Id::primary})
                setSelected(id, false);
            switch (index) {
            case SettingsManager::topLeftSlot:
                setSelected(Id::topLeft, true);
                break;
            case SettingsManager::topRightSlot:
                setSelected(Id::topRight, true);
                break;
            case SettingsManager::bottomLeftSlot:
                setSelected(Id::bottomLeft, true);
                break;
            default:
                setSelected(Id::primary, true);
                break;
            }
        });
    subscribe(
        store, &SettingsManager::topLeftDescriptorChanged, this,
        [store] { return store->topLeftDescriptor(); },
        [this](const FormatDescriptor& d) { setUnit(Id::topLeft, d.formatLabel()); });
    subscribe(
        store, &SettingsManager::topRightDescriptorChanged, this,
        [store] { return store->topRightDescriptor(); },
        [this](const FormatDescriptor& d) { setUnit(Id::topRight, d.formatLabel()); });
    subscribe(
        store, &SettingsManager::bottomLeftDescriptorChanged, this,
        [store] { return store->bottomLeftDescriptor(); },
        [this](const FormatDescriptor& d) { setUnit(Id::bottomLeft, d.formatLabel()); });
    subscribe(
        store, &SettingsManager::primaryDescriptorChanged, this,
        [store] { return store->primaryDescriptor(); },
        [this](const FormatDescriptor& d) { setUnit(Id::primary, d.formatLabel()); });
}

DisplayValueModel& DisplayViewModel::slot(Id id) noexcept {
    switch (id) {
    case Id::topLeft:
        return topLeft_;
    case Id::topRight:
        return topRight_;
    case Id::bottomLeft:
        return bottomLeft_;
    case Id::primary:
        break;
    }
    return primary_;
}

void DisplayViewModel::assign(Id id, const DisplayValueModel& value) {
    slot(id) = value;
    switch (id) {
    case Id::topLeft:
        emit topLeftChanged();
        break;
    case Id::topRight:
        emit topRightChanged();
        break;
    case Id::bottomLeft:
        emit bottomLeftChanged();
        break;
    case Id::primary:
        emit primaryChanged();
        break;
    }
}

void DisplayViewModel::setUnit(Id id, const std::string& unit) {
    const DisplayValueModel& current = slot(id);
    assign(id, DisplayValueModel(current.value(), unit, current.isSelected(), id));
}

void DisplayViewModel::setSelected(Id id, bool isSelected) {
    const DisplayValueModel& current = slot(id);
    assign(id, DisplayValueModel(current.value(), current.unit(), isSelected, id));
}

void DisplayViewModel::onValueTapped(Id id) {
    if (!settingsMode_) return;
    switch (id) {
    case Id::topLeft:
        settings_.setSelectedUnitIndex(SettingsManager::topLeftSlot);
        break;
    case Id::topRight:
        settings_.setSelectedUnitIndex(SettingsManager::topRightSlot);
        break;
    case Id::bottomLeft:
        settings_.setSelectedUnitIndex(SettingsManager::bottomLeftSlot);
        break;
    case Id::primary:
        settings_.setSelectedUnitIndex(SettingsManager::primarySlot);
        break;
    }
}

void DisplayViewModel::onValueTapped(const QString& id) {
    for (Id candidate : {Id::primary, Id::topLeft, Id::topRight, Id::bottomLeft}) {
        if (id == idText(candidate)) {
            onValueTapped(candidate);
            return;
        }
    }
}

QString DisplayViewModel::operationRawValue() const {
    const std::string_view raw = operation_.rawValue();
    return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
}

QString DisplayViewModel::operationSpokenName() const { return QString::fromStdString(SpokenForm::operation(operation_)); }

QString DisplayViewModel::topLeftSpokenName() const { return QString::fromStdString(SpokenForm::slot(topLeft_)); }
QString DisplayViewModel::topRightSpokenName() const { return QString::fromStdString(SpokenForm::slot(topRight_)); }
QString DisplayViewModel::bottomLeftSpokenName() const { return QString::fromStdString(SpokenForm::slot(bottomLeft_)); }
QString DisplayViewModel::primarySpokenName() const { return QString::fromStdString(SpokenForm::slot(primary_)); }

} // namespace framewright
