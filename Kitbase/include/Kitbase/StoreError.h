#pragma once
// StoreError: why the object store could not do what it was asked. Store operations hand it
// back as a value; nothing is thrown.

#include <string>
#include <utility>
#include <vector>

namespace kitbase {

struct StoreError {
    std::string domain = "SQLite"; // where the code comes from
    int code = 0;                  // the SQLite extended result code, or a store code below
    std::string message;           // what went wrong, for a person
    std::vector<std::pair<std::string, std::string>> userInfo; // further facts, such as the file
    int systemError = 0; // the errno behind the failure when the system gave one (0: none known)

    // Store codes (outside SQLite's range).
    static constexpr int noStore = 134000;      // no store loaded
    static constexpr int badRequest = 134001;   // unknown entity or key in a request
    static constexpr int fileSystem = 134002;   // the store's directory could not be made

    // `message` alone.
    const std::string& localizedDescription() const noexcept { return message; }
    // Domain, code and message: Error Domain=SQLite Code=26 "file is not a database".
    std::string description() const;
    // The user info as {key = "value"; ...}.
    std::string userInfoDescription() const;
};

} // namespace kitbase
