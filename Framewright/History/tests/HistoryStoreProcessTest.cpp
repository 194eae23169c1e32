// The history store across processes: a writer killed at random moments loses no saved line and
// never damages the file; a line saved by a second running copy reaches the first one's context.
//
// The second copy is this test binary started again with FRAMEWRIGHT_STORE_TEST_CHILD set: it
// does its part before main() runs. The killed writers are forked without a new program, so
// that dozens of them fit in a few seconds.

#include "HistoryStoreTesting.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <set>
#include <thread>

extern char** environ;

namespace {

using framecore::CalculatorOperation;
using framewright::Calculation;
using framewright::PersistenceController;
using framewright::testing::record;

constexpr const char* modeVariable = "FRAMEWRIGHT_STORE_TEST_CHILD"; // "remote"
constexpr const char* fileVariable = "FRAMEWRIGHT_STORE_TEST_FILE";
constexpr const char* pipeVariable = "FRAMEWRIGHT_STORE_TEST_PIPE";
constexpr std::int64_t storeOpened = -1; // message before the first line

void send(int fd, std::int64_t message) {
    if (write(fd, &message, sizeof message) != static_cast<ssize_t>(sizeof message)) std::_Exit(3);
}

std::shared_ptr<Calculation> currentOrNew(PersistenceController& store) {
    auto calculation = Calculation::currentCalculation(store);
    return calculation ? calculation : Calculation::startNewCalculation(store);
}

// Records lines "<run>:<n>" for ever, reporting each n once its save has returned.
[[noreturn]] void recordUntilKilled(const std::filesystem::path& file, int fd, int run) {
    PersistenceController store(file);
    store.persistentContainer();
    send(fd, storeOpened);
    for (std::int64_t n = 0;; ++n) {
        record(store, currentOrNew(store), CalculatorOperation::add, std::to_string(run) + ":" + std::to_string(n));
        send(fd, n);
    }
}

// The second copy's part: record one result line "remote", report 0.
bool runAsSecondCopyWhenAsked() {
    const char* mode = std::getenv(modeVariable);
    if (!mode || std::string(mode) != "remote") return false;
    const int fd = std::atoi(std::getenv(pipeVariable));
    PersistenceController store(std::getenv(fileVariable));
    record(store, currentOrNew(store), CalculatorOperation::result, "remote");
    send(fd, 0);
    std::_Exit(0);
}

[[maybe_unused]] const bool isSecondCopy = runAsSecondCopyWhenAsked();

struct Child {
    pid_t pid = -1;
    int messages = -1; // read end of the child's pipe
};

// This program again, as a second copy working on `file`.
Child spawnSecondCopy(const std::filesystem::path& file) {
    static const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    int fds[2];
    if (pipe(fds) != 0) return {};
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) variables.emplace_back(*entry);
    variables.push_back(std::string(modeVariable) + "=remote");
    variables.push_back(std::string(fileVariable) + "=" + file.string());
    variables.push_back(std::string(pipeVariable) + "=" + std::to_string(fds[1]));
    std::vector<char*> envp;
    for (auto& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        execle(self.c_str(), self.c_str(), static_cast<char*>(nullptr), envp.data());
        _exit(127);
    }
    close(fds[1]);
    return {pid, fds[0]};
}

Child spawnWriter(const std::filesystem::path& file, int run) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        recordUntilKilled(file, fds[1], run);
    }
    close(fds[1]);
    return {pid, fds[0]};
}

// Next message from the child, or nothing at end of input or after the timeout.
std::optional<std::int64_t> receive(int fd, int timeoutMs = 10000) {
    pollfd waiting{fd, POLLIN, 0};
    if (poll(&waiting, 1, timeoutMs) <= 0) return std::nullopt;
    std::int64_t message = 0;
    std::size_t got = 0;
    while (got < sizeof message) {
        const ssize_t n = read(fd, reinterpret_cast<char*>(&message) + got, sizeof message - got);
        if (n <= 0) return std::nullopt;
        got += static_cast<std::size_t>(n);
    }
    return message;
}

void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "FramewrightTests";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv); // lives for the rest of the run
}

class HistoryStoreProcessTest : public framewright::testing::HistoryStoreTest {};

TEST_F(HistoryStoreProcessTest, AKilledWriterLosesNoSavedLineAndLeavesAGoodFile) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::set<std::string> saved;
    int kills = 0;
    for (int run = 0; run < 60; ++run) {
        Child child = spawnWriter(file(), run);
        ASSERT_GT(child.pid, 0);
        // A quarter of the kills land while the writer opens the store, the rest while it records.
        if (random() % 4 == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 8000));
        } else {
            const auto ready = receive(child.messages);
            ASSERT_EQ(ready, storeOpened) << "run " << run;
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 120000));
        }
        kill(child.pid, SIGKILL);
        int status = 0;
        waitpid(child.pid, &status, 0);
        ++kills;
        while (const auto message = receive(child.messages, 0))
            if (*message >= 0) saved.insert(std::to_string(run) + ":" + std::to_string(*message));
        close(child.messages);

        if (std::filesystem::exists(file())) { // a writer killed early may not have made it
            ASSERT_EQ(framewright::testing::integrityCheck(file()), "ok") << "after run " << run;
        }
        PersistenceController reader(file());
        const auto calculations = Calculation::allCalculations(reader);
        ASSERT_LE(calculations.size(), 1u);
        std::set<std::string> stored;
        std::int64_t expectedIndex = 0;
        if (!calculations.empty())
            for (const auto& line : calculations[0]->sortedOperations()) {
                ASSERT_EQ(line->index(), expectedIndex++) << "after run " << run;
                stored.insert(line->primaryValue().value_or(""));
            }
        for (const auto& line : saved) ASSERT_TRUE(stored.count(line)) << line << " lost after run " << run;
    }
    EXPECT_GE(kills, 50);
    EXPECT_GT(saved.size(), 50u); // the kills did land among saves
}

TEST_F(HistoryStoreProcessTest, ALineSavedByAnotherCopyReachesThisContextWithinASecond) {
    ensureApplication();
    auto calculation = Calculation::startNewCalculation(store());
    record(store(), calculation, CalculatorOperation::add, "local");
    ASSERT_EQ(calculation->operationCount(), 1u);
    const auto before = calculation->lastModified();
    calculation->setIsComplete(true); // unsaved: must survive the merge

    QEventLoop loop;
    bool merged = false;
    QObject::connect(&store().viewContext(), &kitbase::ManagedObjectContext::objectsDidChange,
                     [&](const kitbase::ObjectChanges& changes) {
                         if (changes.inserted.empty()) return;
                         merged = true;
                         loop.quit();
                     });
    Child child = spawnSecondCopy(file());
    ASSERT_GT(child.pid, 0);
    ASSERT_EQ(receive(child.messages), 0) << "the other copy did not save";
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    loop.exec();
    const auto waited = elapsed.elapsed();
    waitpid(child.pid, nullptr, 0);
    close(child.messages);

    EXPECT_TRUE(merged);
    EXPECT_LE(waited, 1000);
    const auto lines = calculation->sortedOperations();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1]->primaryValue(), "remote");
    EXPECT_EQ(lines[1]->index(), 1);
    EXPECT_TRUE(calculation->isComplete());
    EXPECT_GT(calculation->lastModified(), before);
}

} // namespace
