#pragma once
// RawValueSerializer: the JSON form shared by the closed enumerations of Framecore. A case is
// written as its raw value string; reading accepts exactly those strings.
//
// Reading a value that is not a string throws nlohmann::json::type_error; reading a string that
// is no raw value throws nlohmann::json::other_error (id 501). Both derive from
// nlohmann::json::exception, so the record that contains the value fails to read as a whole.
//
// nlohmann finds the serializer through an adl_serializer specialisation (see the enumeration
// headers), which lets `j.get<FrameRate>()` work although the enumerations have no default case.

#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

namespace framecore {

template <typename Enum, typename Target = Enum>
struct RawValueSerializer {
    template <typename BasicJson>
    static void to_json(BasicJson& json, Target value) {
        json = std::string(Enum(value).rawValue());
    }

    template <typename BasicJson>
    static Target from_json(const BasicJson& json) {
        const auto& text = json.template get_ref<const typename BasicJson::string_t&>();
        if (auto value = Enum::fromRawValue(std::string_view(text.data(), text.size()))) {
            return Target(*value);
        }
        throw BasicJson::other_error::create(501, "unknown raw value \"" + std::string(text) + "\"", &json);
    }
};

} // namespace framecore

// Specialises nlohmann's serializer for a smart enumeration and its bare Value type, so that
// both `json = FrameRate::fps25` and `json = rate` write the raw string (never the ordinal).
#define FRAMECORE_RAW_VALUE_JSON(Type)                                                             \
    namespace nlohmann {                                                                           \
    template <>                                                                                    \
    struct adl_serializer<Type> : ::framecore::RawValueSerializer<Type> {};                        \
    template <>                                                                                    \
    struct adl_serializer<Type::Value> : ::framecore::RawValueSerializer<Type, Type::Value> {};    \
    }
