#pragma once
// Shared by the history store and export tests: a store on a temporary file, and direct looks at
// that file.

#include "Calculation.h"
#include "Operation.h"
#include "PersistenceController.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace framewright::testing {

class HistoryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { controller_ = std::make_unique<PersistenceController>(file()); }
    std::filesystem::path dir() const { return std::filesystem::path(dir_.path().toStdString()); }
    std::filesystem::path file() const { return dir() / "store.sqlite"; }
    PersistenceController& store() { return *controller_; }

private:
    QTemporaryDir dir_;
    std::unique_ptr<PersistenceController> controller_;
};

inline std::shared_ptr<Operation> record(PersistenceController& store, const std::shared_ptr<Calculation>& calculation,
                                         framecore::CalculatorOperation op, const std::string& value,
                                         const std::string& format = "Frames") {
    return Operation::recordOperation(calculation, op, value, format, std::nullopt, std::nullopt, std::nullopt, store);
}

// "<index> <symbol> <value> <format>" per line, in order.
inline std::vector<std::string> lineTexts(const Calculation& calculation) {
    std::vector<std::string> out;
    for (const auto& line : calculation.sortedOperations())
        out.push_back(std::to_string(line->index()) + " " + std::string(line->operationSymbol()) + " " +
                      line->primaryValue().value_or("-") + " " + line->primaryFormat().value_or("-"));
    return out;
}

// The first column of the first row of `sql`, as text, run on its own connection.
inline std::string queryText(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    std::string result = "(error)";
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, 5000);
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
            const int rc = sqlite3_step(stmt);
            if (rc == SQLITE_ROW) result = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            else if (rc == SQLITE_DONE) result = "";
        }
        if (result == "(error)") result += std::string(" ") + sqlite3_errmsg(db);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return result;
}

inline long rowCount(const std::filesystem::path& file, const std::string& table) {
    const std::string count = queryText(file, "SELECT count(*) FROM \"" + table + "\"");
    return count.starts_with("(error)") ? -1 : std::stol(count);
}

inline void execute(const std::filesystem::path& file, const std::string& sql) {
    EXPECT_EQ(queryText(file, sql), "");
}

inline std::string integrityCheck(const std::filesystem::path& file) {
    return queryText(file, "PRAGMA integrity_check");
}

} // namespace framewright::testing
