#pragma once
// HistoryListModel: the stored calculations as a list for the history panel, oldest first
// (lastModified ascending) or, with newestFirst, newest first, following the store live.
//
// Lazy: the list is read when first asked for, and then keeps only each calculation's identity
// (a few dozen bytes a row); a row's
// lines are read from the store when a view first asks for them and kept in a small cache of
// the most recently asked rows, so memory follows the rows on screen, not the history's size.
//
// Every objects-did-change of the store's main context (a recorded line, an all-clear, a
// deletion, another copy's merged save) re-reads the identities: rows that appeared or went
// away are inserted or removed, rows whose calculation changed are reported changed, and
// storeChanged() fires last (the panel scrolls to the newest calculation on it).
//
// Time stamps are relative ("2 minutes ago"): made when a row is read, and re-made for every
// row on refreshTimestamps(), which a timer calls every timestampRefreshInterval milliseconds
// (30 s), so a stamp lags by at most that long.

#include "PersistenceController.h"

#include "Kitbase/ManagedObjectContext.h"
#include "Kitbase/ObjectID.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace framewright {

class Calculation;

class HistoryListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int count READ count NOTIFY countChanged FINAL)
    // Row 0 is the newest calculation (for a view that stacks rows from the bottom up).
    Q_PROPERTY(bool newestFirst READ newestFirst WRITE setNewestFirst NOTIFY newestFirstChanged FINAL)
    Q_PROPERTY(int timestampRefreshInterval READ timestampRefreshInterval WRITE setTimestampRefreshInterval NOTIFY
                   timestampRefreshIntervalChanged FINAL)
    // The store's PersistenceController::saveProblem: the panel's banner ("" while lines are saved).
    Q_PROPERTY(QString saveProblem READ saveProblem NOTIFY saveProblemChanged FINAL)

public:
    enum Role {
        // The calculation's UUID text ("" when it has none).
        CalculationIdRole = Qt::UserRole + 1,
        // lastModified relative to now ("2 minutes ago"); "" when absent.
        TimestampRole,
        // The lines in index order, each a map: "symbol" ("+", "=", ...), "operation" (raw value),
        // "value", "format" (as shown, see ShownFormatName; absent texts are ""), "secondaries" (a
        // list of {"value", "format", "spokenName"} for the top-left, top-right and bottom-left slots the line stores, in that order),
        // "spokenName" (the line for a screen reader, see SpokenForm::historyLine).
        LinesRole,
        LineCountRole,
    };

    // Rows kept with their lines; more than a screenful so scrolling back rereads nothing.
    static constexpr std::size_t cacheCapacity = 64;

    // Over the shared controller's store (QML creates it this way).
    explicit HistoryListModel(QObject* parent = nullptr);
    explicit HistoryListModel(PersistenceController& controller, QObject* parent = nullptr);
    ~HistoryListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return static_cast<int>(rows().size()); }
    bool newestFirst() const { return newestFirst_; }
    void setNewestFirst(bool newestFirst);
    QString saveProblem() const { return controller_ ? controller_->saveProblem() : QString(); }

    // Texts for sharing: the whole history, or one row's calculation ("" for a bad row).
    Q_INVOKABLE QString historyText() const;
    Q_INVOKABLE QString calculationText(int row) const;
    // The row's calculation id, as CalculationIdRole.
    Q_INVOKABLE QString calculationId(int row) const;

    // Removes the row's calculation and its lines from the main context and processes the
    // pending changes, so it leaves the list at once; the removal is saved with the next save.
    // With `expectedId` (the id the user saw when asking), the calculation with that id is
    // removed even if rows moved meanwhile, and nothing when it is gone. False when nothing
    // was removed.
    Q_INVOKABLE bool deleteCalculation(int row, const QString& expectedId = {});
    // Removes every calculation from the store and saves.
    Q_INVOKABLE void deleteAllCalculations();

    // Re-makes every row's time stamp against the current time.
    Q_INVOKABLE void refreshTimestamps();
    int timestampRefreshInterval() const { return timer_.interval(); }
    void setTimestampRefreshInterval(int milliseconds);

    // Tests: what "now" is for time stamps; how many rows hold their lines in memory.
    void setClock(std::function<std::chrono::system_clock::time_point()> clock);
    std::size_t cachedRowCount() const { return cache_.size(); }

signals:
    void countChanged();
    void newestFirstChanged();
    void timestampRefreshIntervalChanged();
    void saveProblemChanged();
    // The store's context changed (after the rows have followed it).
    void storeChanged();

private:
    // A row's calculation: its identity, plus the object itself while it is unsaved, because a
    // save gives it a new (permanent) identity.
    struct RowKey {
        kitbase::ObjectID id;
        std::shared_ptr<kitbase::ManagedObject> unsaved;
        kitbase::ObjectID identity() const;
    };
    struct RowData {
        kitbase::ObjectID identity;
        QString calculationId;
        std::optional<std::chrono::system_clock::time_point> lastModified;
        QVariantList lines;
        std::uint64_t lastUse = 0;
    };

    kitbase::ManagedObjectContext* context() const;
    const std::vector<RowKey>& rows() const;
    std::vector<RowKey> fetchRows() const;
    void storeDidChange(const kitbase::ObjectChanges& changes);
    void applyRows(std::vector<RowKey> fresh);
    std::shared_ptr<Calculation> calculationAt(int row) const;
    const RowData* rowData(int row) const;
    QString timestamp(const RowData& data) const;
    void forget(const kitbase::ObjectID& identity);

    QPointer<PersistenceController> controller_;
    bool newestFirst_ = false;
    mutable bool loaded_ = false; // rows_ read from the store
    mutable std::vector<RowKey> rows_;
    mutable std::vector<RowData> cache_;
    mutable std::uint64_t useCounter_ = 0;
    std::function<std::chrono::system_clock::time_point()> clock_;
    QTimer timer_;
};

} // namespace framewright
