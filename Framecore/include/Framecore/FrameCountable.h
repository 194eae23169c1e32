#pragma once
// FrameCountable: the one interface through which the converter, the calculator and the display
// handle a value of any kind (Timecode, Frames, Film). Values are immutable and are passed
// around as FrameCountableRef; tell the kinds apart by formatType() or by dynamic_cast to the
// concrete kind.
//
// Each kind also has a persisted form: toJson() writes it, and the kind's static fromJson()
// reads it back (absent on a failed read).

#include <cstdint>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "Framecore/Decimal.h"
#include "Framecore/FormatType.h"

namespace framecore {

class FrameCountable {
public:
    virtual ~FrameCountable() = default;

    // Which kind the value is: Video for Timecode, Frames, Film.
    virtual FormatType formatType() const noexcept = 0;
    // Number of frames. Timecode keeps the magnitude here (sign in isNegative); Frames and Film
    // keep a signed count.
    virtual std::int64_t frameCount() const noexcept = 0;
    // Sign of the value.
    virtual bool isNegative() const noexcept = 0;
    // Seconds per frame as the kind defines it (binary double; 0 for a bare frame count).
    virtual double frameDuration() const noexcept = 0;
    // Seconds from zero as the kind defines it.
    virtual Decimal secondsFromZero() const = 0;
    // The text shown to the user.
    virtual std::string description() const = 0;
    // The text without separators or units.
    virtual std::string rawDescription() const = 0;
    // The persisted form, keys in field order.
    virtual nlohmann::ordered_json toJson() const = 0;

protected:
    FrameCountable() = default;
    FrameCountable(const FrameCountable&) = default;
    FrameCountable& operator=(const FrameCountable&) = default;
};

using FrameCountableRef = std::shared_ptr<const FrameCountable>;

} // namespace framecore
