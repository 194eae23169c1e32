#include "WalCheckpointer.h"

#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace kitbase {

WalCheckpointer::WalCheckpointer(std::filesystem::path file) : file_(std::move(file)), thread_([this] { run(); }) {}

WalCheckpointer::~WalCheckpointer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void WalCheckpointer::requestCheckpoint() {
    {
        const std::lock_guard lock(mutex_);
        requested_ = true;
    }
    wake_.notify_one();
}

void WalCheckpointer::run() {
    // The lowest CPU priority for this thread alone (Linux gives each thread its own): on a busy
    // machine the copying waits for a free core rather than take one from the window's thread,
    // and it still gets its share, so the log does not grow without end.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
    sqlite3* db = nullptr;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return requested_ || stopping_; });
            if (stopping_) break;
            requested_ = false;
        }
        // Opened on first use: a store that never fills its log never pays for it.
        // A connection sees the log only once it has read the file: until then it would take
        // the file for one without a log and copy nothing.
        if (!db && (sqlite3_open_v2(file_.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK ||
                    sqlite3_exec(db, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr) != SQLITE_OK)) {
            sqlite3_close(db);
            db = nullptr;
            continue; // the store's next commit asks again
        }
        // Passive: copies what no reader still needs and gives up rather than wait for a lock;
        // a checkpoint that could not finish is asked for again by the next commit.
        sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    }
    sqlite3_close(db);
}

} // namespace kitbase
