#pragma once
// Format names: how framecalc's command line names a FormatDescriptor.
//
//   frames                       a bare frame count
//   RATE                         video timecode at a rate: a rate label ("25", "29.97DF") or raw
//                                value ("fps25", "fps29_97Drop")
//   GAUGE[/UNIT][/RATE]          film footage: a gauge label ("35mm", "Super 8mm", "IMAX") or raw
//                                value ("mm35", "mmSuper8", "mm70"), then in either order a unit
//                                (label "Feet", "ft:frm", "1000ft rolls"; short label "FT",
//                                "FT:FRM", "1000FT"; raw value "feet", "feetFrames",
//                                "rolls1000ft") and a rate. The unit defaults to feet and the rate
//                                to the gauge's usual rate, as in the film presets.
//
// Matching ignores ASCII case, spaces, "_" and "-", so "super8mm", "Super 8mm", "29.97df",
// "FPS29_97DROP" and "rolls-1000ft" all read. None of the vocabularies collide under that rule.
// "23.98" and "24.98" name the two pull-down rates; "29.97" and "59.94" are refused because they
// could be drop-frame or not.
//
// Canonical names (what `framecalc formats` lists and what the JSON output names) are space-free:
// "frames", "29.97DF", "35mm/ft/24", "Super8mm/ft:frm/18", "IMAX/metres/48".

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Framecore/FilmGauge.h"
#include "Framecore/FootageUnit.h"
#include "Framecore/FormatDescriptor.h"
#include "Framecore/FrameRate.h"

namespace framecalc {

// The one table of the names people see for the parts of a format: each gauge, footage unit and
// frame rate by its label, in declaration order, and the names of the two other format types.
// The settings panel's sliders list them; the command line reads them (and the raw values).
template <class T>
struct NamedValue {
    T value;
    std::string_view name;
};

const std::vector<NamedValue<framecore::FilmGauge>>& gaugeNames();
const std::vector<NamedValue<framecore::FootageUnit>>& footageUnitNames();
const std::vector<NamedValue<framecore::FrameRate>>& rateNames();
// The rates of video timecode, and the rates film runs at: subsets of rateNames(), in its order.
const std::vector<NamedValue<framecore::FrameRate>>& videoRateNames();
const std::vector<NamedValue<framecore::FrameRate>>& filmRateNames();
// The pull-down rates by their bare figures ("23.98"), which name them unambiguously as each has
// one family member.
const std::vector<NamedValue<framecore::FrameRate>>& bareRateNames();
inline constexpr std::string_view videoTypeName = "Video";
inline constexpr std::string_view framesTypeName = "Frames";

// Every spelling parseFormatName reads for a rate, a gauge or a footage unit, space-free and each
// once, in table order: labels (spaces dropped), short labels in lower case, raw values and the
// bare pull-down figures. What the shell completion offers.
std::vector<std::string> rateSpellings();
std::vector<std::string> gaugeSpellings();
std::vector<std::string> footageUnitSpellings();

// A descriptor, or the one-line reason the name could not be read.
using FormatParse = std::variant<framecore::FormatDescriptor, std::string>;

FormatParse parseFormatName(std::string_view name);

// The canonical name of a descriptor of consistent shape (Frames alone, Video with a rate, Film
// with gauge, unit and rate). Missing fields are written as the defaults the parser would use.
std::string canonicalFormatName(const framecore::FormatDescriptor& descriptor);

// Every descriptor a name can give: frames, video at each of the 22 rates, then film by gauge,
// unit and rate (8 × 6 × 22), each in declaration order.
std::vector<framecore::FormatDescriptor> allNamedFormats();

} // namespace framecalc
