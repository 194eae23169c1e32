// The real program killed (SIGKILL) at random moments while it types "1 + 2 =" over and over
// (FRAMEWRIGHT_TYPE_KEYS): after every kill its history file passes SQLite's integrity check,
// keeps every line it had before, and holds the lines of every key press that had returned.

#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The keys typed, and how many history lines each adds once it has returned: "+" records its
// operand, "=" its operand and the result.
const std::vector<std::pair<std::string, int>> typedKeys = {{"1", 0}, {"plus", 1}, {"2", 0}, {"equal", 2}};

long linesForPresses(long presses) {
    long lines = 0;
    for (long i = 0; i < presses; ++i) lines += typedKeys[static_cast<std::size_t>(i) % typedKeys.size()].second;
    return lines;
}

struct Typist {
    pid_t pid = -1;
    int out = -1; // read end of its standard output
};

Typist startTypist(const fs::path& home) {
    std::string keys;
    for (const auto& [key, lines] : typedKeys) keys += (keys.empty() ? "" : ",") + key;
    const std::vector<std::pair<std::string, std::string>> own{{"HOME", home.string()},
                                                              {"XDG_CONFIG_HOME", (home / "config").string()},
                                                              {"XDG_DATA_HOME", (home / "data").string()},
                                                              {"XDG_CACHE_HOME", (home / "cache").string()},
                                                              {"XDG_RUNTIME_DIR", (home / "runtime").string()},
                                                              {"QT_QPA_PLATFORM", "offscreen"},
                                                              {"FRAMEWRIGHT_TYPE_KEYS", keys}};
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable = *entry;
        const bool replaced = std::any_of(own.begin(), own.end(),
                                          [&](const auto& o) { return variable.starts_with(o.first + "="); });
        if (!replaced) variables.push_back(variable);
    }
    for (const auto& [name, value] : own) variables.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (auto& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::vector<std::string> args{FRAMEWRIGHT_PATH};
    std::vector<char*> argv = framewright::testsupport::argvOf(args);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, (home / "stderr").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    Typist typist;
    if (posix_spawn(&typist.pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) typist.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    typist.out = fds[0];
    return typist;
}

// Reads the typist's output for `wait` (or, with `firstOnly`, until a count arrives), or until
// it ends; answers the last press count.
long readPresses(int fd, std::string& pending, long last, std::chrono::milliseconds wait, bool firstOnly = false) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd readable{fd, POLLIN, 0};
        if (poll(&readable, 1, static_cast<int>(std::max<long>(0, left.count()))) <= 0) return last;
        char buffer[4096];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) return last;
        pending.append(buffer, static_cast<std::size_t>(n));
        // Counts only: the program may print other lines on standard output too.
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
            const std::string line = pending.substr(0, end);
            if (!line.empty() && line.find_first_not_of("0123456789") == std::string::npos) last = std::stol(line);
        }
        if (firstOnly && last > 0) return last;
    }
}

struct StoreLook {
    std::string integrity;
    std::set<std::string> lines; // one text per stored line: key, calculation, index, operation, value
};

StoreLook look(const fs::path& file) {
    StoreLook result;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        auto rows = [&](const char* sql, auto&& onRow) {
            sqlite3_stmt* stmt = nullptr;
            if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) == SQLITE_OK)
                while (sqlite3_step(stmt) == SQLITE_ROW) onRow(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
            sqlite3_finalize(stmt);
        };
        rows("PRAGMA integrity_check", [&](const char* text) { result.integrity += text ? text : "(null)"; });
        rows("SELECT \"_pk\" || '|' || ifnull(\"calculation\", '') || '|' || \"index\" || '|' || "
             "ifnull(\"operation\", '') || '|' || ifnull(\"primaryValue\", '') FROM \"Operation\"",
             [&](const char* text) { result.lines.insert(text ? text : ""); });
    } else {
        result.integrity = sqlite3_errmsg(db);
    }
    sqlite3_close(db);
    return result;
}

TEST(KilledWhileTypingTest, EveryLineOfAReturnedKeyPressSurvivesAKillAndTheFileStaysWhole) {
    const char* configured = std::getenv("FRAMEWRIGHT_KILL_POINTS");
    const int points = configured ? std::atoi(configured) : 200;
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    char pattern[] = "/tmp/framewright-kill-XXXXXX";
    const fs::path home = ::mkdtemp(pattern);
    fs::create_directories(home / "runtime");
    fs::permissions(home / "runtime", fs::perms::owner_all);
    const fs::path file = home / "data" / "Framewright" / "CalculationHistoryModel.sqlite";

    std::set<std::string> before;
    long lostLines = 0, returnedPresses = 0;
    for (int point = 0; point < points && !::testing::Test::HasFailure(); ++point) {
        Typist typist = startTypist(home);
        ASSERT_GT(typist.pid, 0);
        std::string pending;
        // Typing has begun once the first press has returned; the kill lands up to 250 ms later.
        long presses = readPresses(typist.out, pending, 0, std::chrono::seconds(60), true);
        const bool typing = presses > 0;
        presses = readPresses(typist.out, pending, presses, std::chrono::milliseconds(random() % 250));
        kill(typist.pid, SIGKILL);
        int status = 0;
        waitpid(typist.pid, &status, 0);
        presses = readPresses(typist.out, pending, presses, std::chrono::milliseconds(0));
        close(typist.out);
        ASSERT_TRUE(typing) << "the program did not start typing:\n"
                            << framewright::testsupport::readFile(home / "stderr");
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "it ended on its own, status " << status;
        returnedPresses += presses;

        const StoreLook after = look(file);
        ASSERT_EQ(after.integrity, "ok") << "after kill " << point << " (" << file << ")";
        for (const std::string& line : before) {
            if (after.lines.count(line)) continue;
            ++lostLines;
            ADD_FAILURE() << "line " << line << " lost at kill " << point;
        }
        const long expected = static_cast<long>(before.size()) + linesForPresses(presses);
        EXPECT_GE(static_cast<long>(after.lines.size()), expected)
            << "kill " << point << " after " << presses << " presses";
        before = after.lines;
    }
    std::printf("%d kills, %ld key presses returned, %zu lines stored, %ld lost\n", points, returnedPresses,
                before.size(), lostLines);
    fs::remove_all(home);
}

} // namespace
