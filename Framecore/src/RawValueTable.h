#pragma once
// Private to Framecore: the lookups every smart enumeration shares, over its table of raw values
// (indexed by case, in declaration order).

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace framecore::detail {

template <typename Enum, std::size_t N>
std::optional<Enum> caseWithRawValue(const std::array<std::string_view, N>& rawValues,
                                     std::string_view text) noexcept {
    for (std::size_t i = 0; i < N; ++i) {
        if (rawValues[i] == text) return Enum(static_cast<typename Enum::Value>(i));
    }
    return std::nullopt;
}

template <typename Enum, std::size_t N>
constexpr std::array<Enum, N> casesInOrder() noexcept {
    return []<std::size_t... I>(std::index_sequence<I...>) {
        return std::array<Enum, N>{Enum(static_cast<typename Enum::Value>(I))...};
    }(std::make_index_sequence<N>{});
}

} // namespace framecore::detail
