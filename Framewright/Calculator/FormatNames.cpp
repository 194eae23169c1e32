#include "FormatNames.h"

#include <optional>

#include "Text.h"

namespace framecalc {

using framecore::FilmGauge;
using framecore::FootageUnit;
using framecore::FormatDescriptor;
using framecore::FormatType;
using framecore::FrameRate;

namespace {

// Lower-case ASCII with spaces, "_" and "-" removed: the form every name is compared in.
std::string folded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == ' ' || c == '_' || c == '-') continue;
        out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return out;
}

bool sameName(std::string_view foldedName, std::string_view candidate) { return foldedName == folded(candidate); }

template <class T, class Cases>
std::vector<NamedValue<T>> labelled(const Cases& cases, bool (*keep)(T)) {
    std::vector<NamedValue<T>> table;
    for (const T value : cases)
        if (keep(value)) table.push_back({value, value.label()});
    return table;
}

template <class T>
bool any(T) {
    return true;
}

std::optional<FrameRate> rateNamed(std::string_view foldedName) {
    for (const auto& [rate, label] : rateNames()) {
        if (sameName(foldedName, label) || sameName(foldedName, rate.rawValue())) return rate;
    }
    for (const auto& [rate, figure] : bareRateNames()) {
        if (sameName(foldedName, figure)) return rate;
    }
    return std::nullopt;
}

std::optional<FilmGauge> gaugeNamed(std::string_view foldedName) {
    for (const auto& [gauge, label] : gaugeNames()) {
        if (sameName(foldedName, label) || sameName(foldedName, gauge.rawValue())) return gauge;
    }
    return std::nullopt;
}

std::optional<FootageUnit> unitNamed(std::string_view foldedName) {
    for (const auto& [unit, label] : footageUnitNames()) {
        if (sameName(foldedName, label) || sameName(foldedName, unit.shortLabel()) ||
            sameName(foldedName, unit.rawValue()))
            return unit;
    }
    return std::nullopt;
}

std::string withoutSpaces(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != ' ') out.push_back(c);
    }
    return out;
}

std::string lowerCase(std::string_view text) {
    std::string out;
    for (const char c : text) out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    return out;
}

void addSpelling(std::vector<std::string>& spellings, std::string spelling) {
    for (const std::string& known : spellings) {
        if (known == spelling) return;
    }
    spellings.push_back(std::move(spelling));
}

std::string ambiguousRateHint(std::string_view foldedName) {
    if (foldedName == "29.97") return " (say 29.97DF or 29.97ND)";
    if (foldedName == "59.94") return " (say 59.94DF or 59.94ND)";
    return {};
}

} // namespace

const std::vector<NamedValue<FilmGauge>>& gaugeNames() {
    static const auto table = labelled<FilmGauge>(FilmGauge::allCases(), any<FilmGauge>);
    return table;
}

const std::vector<NamedValue<FootageUnit>>& footageUnitNames() {
    static const auto table = labelled<FootageUnit>(FootageUnit::allCases(), any<FootageUnit>);
    return table;
}

const std::vector<NamedValue<FrameRate>>& rateNames() {
    static const auto table = labelled<FrameRate>(FrameRate::allCases(), any<FrameRate>);
    return table;
}

const std::vector<NamedValue<FrameRate>>& videoRateNames() {
    static const auto table =
        labelled<FrameRate>(FrameRate::allCases(), [](FrameRate rate) { return rate.isVideoFramerate(); });
    return table;
}

const std::vector<NamedValue<FrameRate>>& filmRateNames() {
    static const auto table =
        labelled<FrameRate>(FrameRate::allCases(), [](FrameRate rate) { return rate.isFilmFramerate(); });
    return table;
}

const std::vector<NamedValue<FrameRate>>& bareRateNames() {
    static const std::vector<NamedValue<FrameRate>> table = {{FrameRate::fps23_98, "23.98"},
                                                             {FrameRate::fps24_98, "24.98"}};
    return table;
}

std::vector<std::string> rateSpellings() {
    std::vector<std::string> spellings;
    for (const auto& [rate, label] : rateNames()) {
        addSpelling(spellings, withoutSpaces(label));
        addSpelling(spellings, std::string(rate.rawValue()));
    }
    for (const auto& [rate, figure] : bareRateNames()) addSpelling(spellings, std::string(figure));
    return spellings;
}

std::vector<std::string> gaugeSpellings() {
    std::vector<std::string> spellings;
    for (const auto& [gauge, label] : gaugeNames()) {
        addSpelling(spellings, withoutSpaces(label));
        addSpelling(spellings, std::string(gauge.rawValue()));
    }
    return spellings;
}

std::vector<std::string> footageUnitSpellings() {
    std::vector<std::string> spellings;
    for (const auto& [unit, label] : footageUnitNames()) {
        addSpelling(spellings, withoutSpaces(label));
        addSpelling(spellings, lowerCase(unit.shortLabel()));
        addSpelling(spellings, std::string(unit.rawValue()));
    }
    return spellings;
}

FormatParse parseFormatName(std::string_view name) {
    const std::vector<std::string_view> parts = splitAt(name, '/');
    const std::string head = folded(parts.front());

    if (head.empty()) return joined("empty format name ", quoted(name));

    if (sameName(head, framesTypeName)) {
        if (parts.size() > 1) return joined("format ", quoted(name), ": frames takes no unit or rate");
        return FormatDescriptor::frames;
    }
    if (const auto rate = rateNamed(head)) {
        if (parts.size() > 1) return joined("format ", quoted(name), ": a video rate takes no unit");
        return FormatDescriptor(FormatType::Video, std::nullopt, std::nullopt, *rate);
    }
    const auto gauge = gaugeNamed(head);
    if (!gauge) {
        return joined("unknown format ", quoted(name), ambiguousRateHint(head), "; see 'framecalc formats'");
    }

    FormatDescriptor descriptor = FormatDescriptor::defaultDescriptorForFilmGauge(*gauge);
    bool unitGiven = false;
    bool rateGiven = false;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string part = folded(parts[i]);
        if (const auto unit = unitNamed(part)) {
            if (unitGiven) return joined("format ", quoted(name), " names two footage units");
            descriptor.footageUnit = *unit;
            unitGiven = true;
        } else if (const auto rate = rateNamed(part)) {
            if (rateGiven) return joined("format ", quoted(name), " names two frame rates");
            descriptor.frameRate = *rate;
            rateGiven = true;
        } else {
            return joined("format ", quoted(name), ": ", quoted(parts[i]), " is neither a footage unit nor a frame rate",
                          ambiguousRateHint(part));
        }
    }
    return descriptor;
}

std::string canonicalFormatName(const FormatDescriptor& descriptor) {
    switch (descriptor.formatType) {
    case FormatType::Frames:
        return "frames";
    case FormatType::Video:
        return std::string(descriptor.frameRate.value_or(FrameRate::fps29_97Drop).label());
    case FormatType::Film:
        break;
    }
    const FilmGauge gauge = descriptor.filmGauge.value_or(FilmGauge::mm35);
    std::string name = withoutSpaces(gauge.label());
    name += '/';
    name += lowerCase(descriptor.footageUnit.value_or(FootageUnit::Feet).shortLabel());
    name += '/';
    name += descriptor.frameRate.value_or(FrameRate::fps24).label();
    return name;
}

std::vector<FormatDescriptor> allNamedFormats() {
    std::vector<FormatDescriptor> formats;
    formats.push_back(FormatDescriptor::frames);
    for (const FrameRate rate : FrameRate::allCases()) {
        formats.emplace_back(FormatType::Video, std::nullopt, std::nullopt, rate);
    }
    for (const FilmGauge gauge : FilmGauge::allCases()) {
        for (const FootageUnit unit : FootageUnit::allCases()) {
            for (const FrameRate rate : FrameRate::allCases()) {
                formats.emplace_back(FormatType::Film, gauge, unit, rate);
            }
        }
    }
    return formats;
}

} // namespace framecalc
