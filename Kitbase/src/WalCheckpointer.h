#pragma once
// WalCheckpointer: copies a store's write-ahead log back into its database file on a thread of
// its own (private to Kitbase).
//
// With synchronous=NORMAL a commit only writes the log; the disk is waited for when the log is
// copied back (a checkpoint), which SQLite would otherwise do inside every thousandth-page
// commit, on the caller's thread. The store turns that off and calls requestCheckpoint() from
// its commits instead; this thread then runs a passive checkpoint on its own connection, which
// never blocks the store's reads or writes. The thread runs at the lowest CPU priority.
// Destruction finishes a running checkpoint, then closes the connection.

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

struct sqlite3;

namespace kitbase {

class WalCheckpointer {
public:
    explicit WalCheckpointer(std::filesystem::path file);
    ~WalCheckpointer();
    WalCheckpointer(const WalCheckpointer&) = delete;
    WalCheckpointer& operator=(const WalCheckpointer&) = delete;

    // Asks for a checkpoint soon; returns at once. Requests made while one runs are merged.
    void requestCheckpoint();

private:
    void run();

    std::filesystem::path file_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool requested_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace kitbase
