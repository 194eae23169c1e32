#include "HistoryListModel.h"

#include "Calculation.h"
#include "HistoryExport.h"
#include "Operation.h"
#include "ShownFormatName.h"
#include "SpokenForm.h"

#include "Kitbase/DateFormatting.h"
#include "Kitbase/FetchRequest.h"

#include <QCoreApplication>
#include <QVariantMap>

#include <algorithm>
#include <cstdio>
#include <unordered_set>

namespace framewright {

namespace {

constexpr int defaultRefreshInterval = 30'000;

QString text(const std::optional<std::string>& value) {
    return value ? QString::fromStdString(*value) : QString();
}

// The stored label stays English; the panel shows it in the window's language.
QString shownFormat(const std::optional<std::string>& label) {
    return label ? ShownFormatName::of(*label) : QString();
}

QVariantMap lineMap(const Operation& line) {
    QVariantList secondaries;
    const std::pair<std::optional<std::string>, std::optional<std::string>> slotTexts[] = {
        {line.secondaryTopLeftValue(), line.secondaryTopLeftFormat()},
        {line.secondaryTopRightValue(), line.secondaryTopRightFormat()},
        {line.secondaryBottomLeftValue(), line.secondaryBottomLeftFormat()},
    };
    for (const auto& [value, format] : slotTexts)
        if (value || format)
            secondaries.append(QVariantMap{
                {QStringLiteral("value"), text(value)},
                {QStringLiteral("format"), shownFormat(format)},
                {QStringLiteral("spokenName"), QString::fromStdString(SpokenForm::historyLine(
                                                   "", value.value_or(std::string()), format.value_or(std::string())))}});
    return QVariantMap{
        {QStringLiteral("symbol"), QString::fromUtf8(line.operationSymbol().data(),
                                                     static_cast<qsizetype>(line.operationSymbol().size()))},
        {QStringLiteral("operation"), text(line.operation())},
        {QStringLiteral("value"), text(line.primaryValue())},
        {QStringLiteral("format"), shownFormat(line.primaryFormat())},
        {QStringLiteral("secondaries"), secondaries},
        {QStringLiteral("spokenName"),
         QString::fromStdString(SpokenForm::historyLine(line.operation().value_or(std::string()),
                                                        line.primaryValue().value_or(std::string()),
                                                        line.primaryFormat().value_or(std::string())))},
    };
}

kitbase::FetchRequest inOrder(bool newestFirst) {
    kitbase::FetchRequest request;
    request.entityName = std::string(Calculation::entityName);
    request.sortDescriptors = {{"lastModified", !newestFirst}};
    return request;
}

} // namespace

kitbase::ObjectID HistoryListModel::RowKey::identity() const { return unsaved ? unsaved->objectID() : id; }

HistoryListModel::HistoryListModel(QObject* parent) : HistoryListModel(PersistenceController::shared(), parent) {}

HistoryListModel::HistoryListModel(PersistenceController& controller, QObject* parent)
    : QAbstractListModel(parent), controller_(&controller), clock_([] { return std::chrono::system_clock::now(); }) {
    connect(&controller.viewContext(), &kitbase::ManagedObjectContext::objectsDidChange, this,
            &HistoryListModel::storeDidChange);
    connect(&controller, &PersistenceController::saveProblemChanged, this, &HistoryListModel::saveProblemChanged);
    timer_.setInterval(defaultRefreshInterval);
    connect(&timer_, &QTimer::timeout, this, &HistoryListModel::refreshTimestamps);
    if (QCoreApplication::instance() != nullptr) timer_.start(); // timers need the event loop
}

HistoryListModel::~HistoryListModel() = default;

kitbase::ManagedObjectContext* HistoryListModel::context() const {
    return controller_ ? &controller_->viewContext() : nullptr;
}

const std::vector<HistoryListModel::RowKey>& HistoryListModel::rows() const {
    if (!loaded_) {
        rows_ = fetchRows();
        loaded_ = true;
    }
    return rows_;
}

void HistoryListModel::setNewestFirst(bool newestFirst) {
    if (newestFirst == newestFirst_) return;
    newestFirst_ = newestFirst;
    if (loaded_) {
        beginResetModel();
        cache_.clear();
        rows_ = fetchRows();
        endResetModel();
    }
    emit newestFirstChanged();
}

std::vector<HistoryListModel::RowKey> HistoryListModel::fetchRows() const {
    std::vector<RowKey> rows;
    kitbase::ManagedObjectContext* store = context();
    if (!store) return rows;
    std::vector<kitbase::ObjectID> ids;
    if (auto error = store->fetchObjectIDs(inOrder(newestFirst_), ids)) {
        // The list keeps what it showed; the next change tries again.
        controller_->noteStoreFailure(*error);
        std::printf("Error fetching the history list: %s\n", error->localizedDescription().c_str());
        std::fflush(stdout);
        return rows_;
    }
    rows.reserve(ids.size());
    for (const auto& id : ids) {
        RowKey key{id, nullptr};
        if (id.isTemporaryID()) key.unsaved = store->existingObject(id);
        rows.push_back(std::move(key));
    }
    return rows;
}

void HistoryListModel::storeDidChange(const kitbase::ObjectChanges& changes) {
    if (!loaded_) { // nobody has seen a row yet: the list is read when first asked for
        emit storeChanged();
        return;
    }
    // The order changes only when calculations come or go, or one other than the newest is
    // touched (a line added to the newest, the usual change, keeps it the newest).
    bool reorder = changes.invalidatedAll;
    for (const auto* list : {&changes.inserted, &changes.deleted})
        for (const auto& id : *list)
            if (id.entity() && id.entity()->name == Calculation::entityName) reorder = true;
    for (const auto& id : changes.updated)
        if (id.entity() && id.entity()->name == Calculation::entityName &&
            (rows_.empty() || id != (newestFirst_ ? rows_.front() : rows_.back()).identity()))
            reorder = true;
    if (reorder) applyRows(fetchRows());

    // A calculation whose lines changed is reported changed itself (its set of lines changed).
    std::unordered_set<kitbase::ObjectID, kitbase::ObjectID::Hash> changed;
    bool everyRow = changes.invalidatedAll;
    bool linesOnly = true;
    for (const auto* list : {&changes.inserted, &changes.updated, &changes.deleted})
        for (const auto& id : *list) {
            if (id.entity() && id.entity()->name == Calculation::entityName) {
                changed.insert(id);
                linesOnly = false;
            }
        }
    // Lines changed with no calculation named (another writer's partial change): any row may be it.
    if (linesOnly && !changes.isEmpty()) everyRow = true;

    if (everyRow) {
        cache_.clear();
        if (!rows_.empty()) emit dataChanged(index(0), index(count() - 1));
    } else if (!changed.empty()) {
        for (const auto& id : changed) forget(id);
        int first = -1;
        for (int row = 0; row <= count(); ++row) {
            const bool hit = row < count() && changed.count(rows_[static_cast<std::size_t>(row)].identity()) != 0;
            if (hit && first < 0) first = row;
            if (!hit && first >= 0) {
                emit dataChanged(index(first), index(row - 1));
                first = -1;
            }
        }
    }
    emit storeChanged();
}

void HistoryListModel::applyRows(std::vector<RowKey> fresh) {
    const int oldCount = count();
    // Rows keep their order (oldest first): what differs is one stretch in the middle, usually
    // a calculation added at the end or one taken out.
    std::size_t prefix = 0;
    while (prefix < rows_.size() && prefix < fresh.size() && rows_[prefix].identity() == fresh[prefix].identity()) ++prefix;
    std::size_t suffix = 0;
    while (suffix < rows_.size() - prefix && suffix < fresh.size() - prefix &&
           rows_[rows_.size() - 1 - suffix].identity() == fresh[fresh.size() - 1 - suffix].identity())
        ++suffix;
    const std::size_t oldEnd = rows_.size() - suffix;
    const std::size_t newEnd = fresh.size() - suffix;

    if (oldEnd > prefix) {
        beginRemoveRows({}, static_cast<int>(prefix), static_cast<int>(oldEnd) - 1);
        for (std::size_t row = prefix; row < oldEnd; ++row) forget(rows_[row].identity());
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(prefix), rows_.begin() + static_cast<std::ptrdiff_t>(oldEnd));
        endRemoveRows();
    }
    if (newEnd > prefix) {
        beginInsertRows({}, static_cast<int>(prefix), static_cast<int>(newEnd) - 1);
        rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(prefix),
                     fresh.begin() + static_cast<std::ptrdiff_t>(prefix), fresh.begin() + static_cast<std::ptrdiff_t>(newEnd));
        endInsertRows();
    }
    // Rows saved since they were listed: keep their permanent identities, let go of the objects.
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row].unsaved && !fresh[row].unsaved) rows_[row] = std::move(fresh[row]);
    if (count() != oldCount) emit countChanged();
}

void HistoryListModel::forget(const kitbase::ObjectID& identity) {
    std::erase_if(cache_, [&](const RowData& data) { return data.identity == identity; });
}

int HistoryListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

QHash<int, QByteArray> HistoryListModel::roleNames() const {
    return {{CalculationIdRole, "calculationId"},
            {TimestampRole, "timestamp"},
            {LinesRole, "lines"},
            {LineCountRole, "lineCount"}};
}

std::shared_ptr<Calculation> HistoryListModel::calculationAt(int row) const {
    kitbase::ManagedObjectContext* store = context();
    if (!store || row < 0 || row >= count()) return nullptr;
    const RowKey& key = rows()[static_cast<std::size_t>(row)];
    auto object = key.unsaved ? key.unsaved : store->existingObject(key.id);
    if (!object || object->isDeleted() || object->entity().name != Calculation::entityName) return nullptr;
    return std::static_pointer_cast<Calculation>(object);
}

const HistoryListModel::RowData* HistoryListModel::rowData(int row) const {
    if (row < 0 || row >= count()) return nullptr;
    const kitbase::ObjectID identity = rows()[static_cast<std::size_t>(row)].identity();
    auto cached = std::find_if(cache_.begin(), cache_.end(), [&](const RowData& d) { return d.identity == identity; });
    if (cached == cache_.end()) {
        const auto calculation = calculationAt(row);
        if (!calculation) return nullptr; // gone; the next change notification removes the row
        RowData data;
        data.identity = identity;
        if (auto id = calculation->id()) data.calculationId = id->toString(QUuid::WithoutBraces);
        if (auto date = calculation->lastModified()) data.lastModified = *date;
        for (const auto& line : calculation->sortedOperations()) data.lines.append(lineMap(*line));
        if (cache_.size() >= cacheCapacity)
            cache_.erase(std::min_element(cache_.begin(), cache_.end(),
                                          [](const RowData& a, const RowData& b) { return a.lastUse < b.lastUse; }));
        cache_.push_back(std::move(data));
        cached = cache_.end() - 1;
    }
    cached->lastUse = ++useCounter_;
    return &*cached;
}

QString HistoryListModel::timestamp(const RowData& data) const {
    return data.lastModified ? kitbase::timeAgoDisplay(*data.lastModified, clock_()) : QString();
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) return {};
    const RowData* row = rowData(index.row());
    switch (role) {
    case CalculationIdRole: return row ? row->calculationId : QString();
    case TimestampRole: return row ? timestamp(*row) : QString();
    case LinesRole: return row ? row->lines : QVariantList();
    case LineCountRole: return row ? static_cast<int>(row->lines.size()) : 0;
    default: return {};
    }
}

QString HistoryListModel::historyText() const {
    return controller_ ? QString::fromStdString(framewright::historyText(*controller_)) : QString();
}

QString HistoryListModel::calculationText(int row) const {
    const auto calculation = calculationAt(row);
    return calculation ? QString::fromStdString(framewright::calculationText(*calculation)) : QString();
}

QString HistoryListModel::calculationId(int row) const {
    const RowData* data = rowData(row);
    return data ? data->calculationId : QString();
}

bool HistoryListModel::deleteCalculation(int row, const QString& expectedId) {
    kitbase::ManagedObjectContext* store = context();
    if (!store) return false;
    auto calculation = calculationAt(row);
    const QUuid expected(expectedId);
    if (!expectedId.isEmpty() && (!calculation || calculation->id() != expected)) {
        // The rows moved since the user asked: find the calculation they saw.
        kitbase::FetchRequest request = inOrder(newestFirst_);
        request.predicate = kitbase::Predicate::where("id", kitbase::Comparison::equal, expected);
        std::vector<std::shared_ptr<kitbase::ManagedObject>> found;
        if (expected.isNull() || store->fetch(request, found) || found.empty()) return false;
        calculation = std::static_pointer_cast<Calculation>(found.front());
    }
    if (!calculation) return false;
    store->deleteObject(calculation);
    store->processPendingChanges();
    return true;
}

void HistoryListModel::deleteAllCalculations() {
    if (controller_) Calculation::deleteAllCalculations(*controller_);
}

void HistoryListModel::refreshTimestamps() {
    if (loaded_ && !rows_.empty()) emit dataChanged(index(0), index(count() - 1), {TimestampRole});
}

void HistoryListModel::setTimestampRefreshInterval(int milliseconds) {
    if (milliseconds == timer_.interval()) return;
    timer_.setInterval(milliseconds);
    emit timestampRefreshIntervalChanged();
}

void HistoryListModel::setClock(std::function<std::chrono::system_clock::time_point()> clock) {
    clock_ = std::move(clock);
}

} // namespace framewright
