#pragma once
// UserDefaultsManager: a typed store over the per-user settings (QSettings; on Linux an INI file
// in the XDG config directory, named by the application's organisation and application names,
// which the program sets before it first reads a setting).
//
// `set(value, key)` encodes the value as compact JSON (no spaces, keys in the order the type
// writes them) and stores the UTF-8 bytes as a byte-array entry. Setting the bytes an entry already
// holds changes nothing (the file is not written again for it). `get<T>(key)` reads it back; it
// answers std::nullopt, silently, when the key is absent, when the entry is not a byte array (a
// plain integer or text included), or when the bytes are not JSON that decodes into T.
//
// A type is storable when it has either
//   - members `nlohmann::ordered_json toJson() const` and
//     `static std::optional<T> fromJson(const nlohmann::json&)` (preferred when present), or
//   - an nlohmann encoding (`to_json`/`from_json` found by ADL, or a built-in one: numbers,
//     bool, std::string, containers ...).
// Top-level numbers and booleans decode strictly: `true` is not an int, 1.5 is not an int, and a
// number outside T's range is not a T (nlohmann alone would convert or truncate).
//
// An encoding that fails (it throws, e.g. text that is not UTF-8) prints the error's description
// and a newline to standard output and stores nothing; the caller is not told.
//
// The run counter is a plain integer entry: use `integer`/`setInteger`, not `get`/`set`.
//
// A settings file that cannot be written (its folder cannot be made or written, a full disk)
// never stops the program: the values stay in memory for the session, and one warning, on the
// first change after the failed write, names the file.
//
// The store (`user`) is created on first use (thread-safe) and can be replaced, e.g. by a
// QSettings on an INI file in a temporary directory. All other calls belong on the main thread.

#include <QByteArray>
#include <QSettings>

#include <nlohmann/json.hpp>

#include <concepts>
#include <cstdint>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace kitbase {

namespace detail {

template <class T>
concept HasMemberToJson = requires(const T& value) {
    { value.toJson() } -> std::convertible_to<nlohmann::ordered_json>;
};

template <class T>
concept HasStaticFromJson = requires(const nlohmann::json& json) {
    { T::fromJson(json) } -> std::same_as<std::optional<T>>;
};

template <class T>
inline constexpr bool alwaysFalse = false;

// Compact JSON text of the value. May throw (nlohmann::json::exception or whatever the type's
// encoder throws).
template <class T>
std::string encodeJson(const T& value) {
    if constexpr (HasMemberToJson<T>) {
        return nlohmann::ordered_json(value.toJson()).dump();
    } else if constexpr (std::is_constructible_v<nlohmann::ordered_json, const T&>) {
        return nlohmann::ordered_json(value).dump();
    } else if constexpr (std::is_constructible_v<nlohmann::json, const T&>) {
        return nlohmann::json(value).dump();
    } else {
        static_assert(alwaysFalse<T>, "type has no JSON encoding (toJson() or to_json)");
    }
}

template <class T>
std::optional<T> decodeJsonValue(const nlohmann::json& json) {
    if constexpr (HasStaticFromJson<T>) {
        return T::fromJson(json);
    } else if constexpr (std::is_same_v<T, bool>) {
        if (!json.is_boolean()) return std::nullopt;
        return json.get<bool>();
    } else if constexpr (std::is_integral_v<T>) {
        if (json.is_number_unsigned()) {
            const auto n = json.get<std::uint64_t>();
            if (n > static_cast<std::uint64_t>(std::numeric_limits<T>::max())) return std::nullopt;
            return static_cast<T>(n);
        }
        if (json.is_number_integer()) {
            const auto n = json.get<std::int64_t>();
            if constexpr (std::is_unsigned_v<T>) {
                if (n < 0 || static_cast<std::uint64_t>(n) > std::numeric_limits<T>::max()) return std::nullopt;
            } else {
                if (n < std::numeric_limits<T>::min() || n > std::numeric_limits<T>::max()) return std::nullopt;
            }
            return static_cast<T>(n);
        }
        return std::nullopt;
    } else if constexpr (std::is_floating_point_v<T>) {
        if (!json.is_number()) return std::nullopt;
        return json.get<T>();
    } else {
        return json.get<T>();
    }
}

// The value encoded in `bytes`, or nothing when they are not JSON or do not decode into T.
template <class T>
std::optional<T> decodeJson(const QByteArray& bytes) {
    const nlohmann::json json = nlohmann::json::parse(bytes.cbegin(), bytes.cend(), nullptr, false);
    if (json.is_discarded()) return std::nullopt;
    try {
        return decodeJsonValue<T>(json);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace detail

class UserDefaultsManager {
public:
    UserDefaultsManager() = delete;

    // The store every call below uses; created on first use with the native per-user settings.
    static std::shared_ptr<QSettings> user();
    // Replaces the store (tests point it at an INI file in a temporary directory). A null
    // pointer goes back to the native per-user settings at the next use.
    static void setUser(std::shared_ptr<QSettings> settings);

    template <class T>
    static void set(const T& value, std::string_view key) {
        std::string text;
        try {
            text = detail::encodeJson(value);
        } catch (const std::exception& error) {
            reportEncodingFailure(error.what());
            return;
        }
        setData(QByteArray(text.data(), static_cast<qsizetype>(text.size())), key);
    }

    template <class T>
    static std::optional<T> get(std::string_view key) {
        const auto bytes = data(key);
        if (!bytes) return std::nullopt;
        return detail::decodeJson<T>(*bytes);
    }

    // The raw byte-array entry; nothing when the key is absent or holds anything else.
    static std::optional<QByteArray> data(std::string_view key);
    static void setData(const QByteArray& bytes, std::string_view key);

    // A plain integer entry. An INI file keeps no types, so decimal text that is a whole number
    // in range also counts as an integer; anything else (bytes, bool, fractions) does not.
    static std::optional<std::int64_t> integer(std::string_view key);
    static void setInteger(std::int64_t value, std::string_view key);

    static void remove(std::string_view key);
    // Writes pending changes to the store's file now (they are otherwise written shortly after,
    // from the event loop, and when the store is released).
    static void synchronize();

private:
    static void reportEncodingFailure(const char* description);
};

} // namespace kitbase
