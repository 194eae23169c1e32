#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include "Framecore/CalculatorOperation.h"

#include "DisplayValueModel.h"
#include "ShownFormatName.h"

class QQmlEngine;

namespace framewright {

class AppState;
class CalculatorModel;
class SettingsManager;

// The four display slots, the operation symbol's operation and the settings-mode flag, kept
// current from the calculator model, the settings store and the application state.
//
// Subscriptions, made in this order at creation (each delivers the current value at once, then
// every new value synchronously):
//   1. primaryFrameValue     -> topLeft, topRight, bottomLeft rebuilt from the new value (not selected)
//   2. formattedInputString  -> primary's value, then primary's unit (the primary format's label)
//   3. currentOperation      -> operation
//   4. isSettingsVisible     -> settingsMode
//   5. selectedUnitIndex     -> every slot deselected, then the slot of the index selected
//                               (0 top left, 1 top right, 2 bottom left, anything else primary)
//   6-9. the four descriptors -> the unit of their slot
// A secondary descriptor change only relabels its slot; its value is converted again at the next
// primary value.
//
// Every assignment to a slot emits its signal (also when the value is unchanged).
// For QML each slot is four typed properties, <slot>Value, <slot>Unit (as shown, see
// ShownFormatName), <slot>Selected and
// <slot>SpokenName (the slot for a screen reader, see SpokenForm::slot), with
// the slot's change signal (typed, so the views' bindings are compiled ahead of time); the slot
// ids "primary", "topLeft", "topRight" and "bottomLeft" are what onValueTapped takes.
class DisplayViewModel : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString topLeftValue READ topLeftValue NOTIFY topLeftChanged FINAL)
    Q_PROPERTY(QString topLeftUnit READ topLeftUnit NOTIFY topLeftChanged FINAL)
    Q_PROPERTY(bool topLeftSelected READ topLeftSelected NOTIFY topLeftChanged FINAL)
    Q_PROPERTY(QString topLeftSpokenName READ topLeftSpokenName NOTIFY topLeftChanged FINAL)
    Q_PROPERTY(QString topRightValue READ topRightValue NOTIFY topRightChanged FINAL)
    Q_PROPERTY(QString topRightUnit READ topRightUnit NOTIFY topRightChanged FINAL)
    Q_PROPERTY(bool topRightSelected READ topRightSelected NOTIFY topRightChanged FINAL)
    Q_PROPERTY(QString topRightSpokenName READ topRightSpokenName NOTIFY topRightChanged FINAL)
    Q_PROPERTY(QString bottomLeftValue READ bottomLeftValue NOTIFY bottomLeftChanged FINAL)
    Q_PROPERTY(QString bottomLeftUnit READ bottomLeftUnit NOTIFY bottomLeftChanged FINAL)
    Q_PROPERTY(bool bottomLeftSelected READ bottomLeftSelected NOTIFY bottomLeftChanged FINAL)
    Q_PROPERTY(QString bottomLeftSpokenName READ bottomLeftSpokenName NOTIFY bottomLeftChanged FINAL)
    Q_PROPERTY(QString primaryValue READ primaryValue NOTIFY primaryChanged FINAL)
    Q_PROPERTY(QString primaryUnit READ primaryUnit NOTIFY primaryChanged FINAL)
    Q_PROPERTY(bool primarySelected READ primarySelected NOTIFY primaryChanged FINAL)
    Q_PROPERTY(QString primarySpokenName READ primarySpokenName NOTIFY primaryChanged FINAL)
    Q_PROPERTY(QString operation READ operationRawValue NOTIFY operationChanged FINAL)
    Q_PROPERTY(QString operationSpokenName READ operationSpokenName NOTIFY operationChanged FINAL)
    Q_PROPERTY(bool settingsMode READ settingsMode NOTIFY settingsModeChanged FINAL)

public:
    // Observes CalculatorModel::shared(), SettingsManager::shared() and AppState::shared() (the
    // form QML creates).
    explicit DisplayViewModel(QObject* parent = nullptr);
    // Observes the given instances, which must outlive this model.
    DisplayViewModel(CalculatorModel& calculatorModel, SettingsManager& settings, AppState& appState,
                     QObject* parent = nullptr);

    const DisplayValueModel& topLeft() const noexcept { return topLeft_; }
    const DisplayValueModel& topRight() const noexcept { return topRight_; }
    const DisplayValueModel& bottomLeft() const noexcept { return bottomLeft_; }
    const DisplayValueModel& primary() const noexcept { return primary_; }
    framecore::CalculatorOperation operation() const noexcept { return operation_; }
    bool settingsMode() const noexcept { return settingsMode_; }

    // A tap on a slot: while in settings mode the settings store starts editing that slot;
    // otherwise nothing happens.
    void onValueTapped(DisplayValueModel::Identifier id);
    // The same for QML, by the slot's id text; unknown texts are ignored.
    Q_INVOKABLE void onValueTapped(const QString& id);

signals:
    void topLeftChanged();
    void topRightChanged();
    void bottomLeftChanged();
    void primaryChanged();
    void operationChanged();
    void settingsModeChanged();

private:
    using Id = DisplayValueModel::Identifier;

    QString topLeftValue() const { return QString::fromStdString(topLeft_.value()); }
    QString topLeftUnit() const { return ShownFormatName::of(topLeft_.unit()); }
    bool topLeftSelected() const noexcept { return topLeft_.isSelected(); }
    QString topLeftSpokenName() const;
    QString topRightValue() const { return QString::fromStdString(topRight_.value()); }
    QString topRightUnit() const { return ShownFormatName::of(topRight_.unit()); }
    bool topRightSelected() const noexcept { return topRight_.isSelected(); }
    QString topRightSpokenName() const;
    QString bottomLeftValue() const { return QString::fromStdString(bottomLeft_.value()); }
    QString bottomLeftUnit() const { return ShownFormatName::of(bottomLeft_.unit()); }
    bool bottomLeftSelected() const noexcept { return bottomLeft_.isSelected(); }
    QString bottomLeftSpokenName() const;
    QString primaryValue() const { return QString::fromStdString(primary_.value()); }
    QString primaryUnit() const { return ShownFormatName::of(primary_.unit()); }
    bool primarySelected() const noexcept { return primary_.isSelected(); }
    QString primarySpokenName() const;
    QString operationRawValue() const;
    QString operationSpokenName() const;

    // Replaces a slot's value, unit or selection and publishes the slot.
    void assign(Id id, const DisplayValueModel& slot);
    DisplayValueModel& slot(Id id) noexcept;
    void setUnit(Id id, const std::string& unit);
    void setSelected(Id id, bool isSelected);

    SettingsManager& settings_;

    DisplayValueModel topLeft_{"", "", false, Id::topLeft};
    DisplayValueModel topRight_{"", "", false, Id::topRight};
    DisplayValueModel bottomLeft_{"", "", false, Id::bottomLeft};
    DisplayValueModel primary_{"", "", false, Id::primary};
    framecore::CalculatorOperation operation_ = framecore::CalculatorOperation::none;
    bool settingsMode_ = false;
};

} // namespace framewright
