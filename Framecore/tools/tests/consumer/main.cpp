// Uses the installed package as a third party would: a converter, the calculator brain and a
// persisted form, then the values' public edge, one line per case (the test compares the text).
#include <iostream>
#include <type_traits>

#include <nlohmann/json.hpp>

#include "Framecore/CalculatorBrain.h"
#include "Framecore/FormatConverter.h"
#include "Framecore/LeadingSign.h"
#include "Framecore/Timecode.h"

int main() {
    using namespace framecore;
    const FormatDescriptor feetFrames(FormatType::Film, FilmGauge::mm35, FootageUnit::FeetFrames, FrameRate::fps24);
    const FrameCountableRef hour = FormatConverter::unitValueFrom("01:00:00:00", FormatDescriptor::pal25);
    const FrameCountableRef film = FormatConverter::convertFormat(hour, FormatDescriptor::pal25, feetFrames);

    CalculatorBrain brain;
    brain.setOperand(Operand::withIntValue(10));
    brain.performOperation(CalculatorOperation::add);
    brain.setOperand(Operand::withIntValue(5));
    brain.performOperation(CalculatorOperation::result);

    std::cout << hour->description() << " at 25 is " << film->description() << " of 35mm at 24 / 10 + 5 = "
              << brain.result().value().toString() << " / " << FormatDescriptor::pal25.toJson().dump() << "\n";

    // A value has one sign: two in front are refused (and read as zero), a negative field marked
    // negative stays negative, and formatting keeps the sign.
    const FrameRate fps25 = FrameRate::fps25;
    std::cout << "--01:00:00:00 " << (LeadingSign::read("--01:00:00:00") ? "read" : "refused") << ", reads as "
              << Timecode::withTimecodeString("--01:00:00:00", fps25).description() << "\n";
    std::cout << "-1 h marked negative is " << Timecode::withFields(-1, 0, 0, 0, fps25, true).description() << "\n";
    std::cout << "-50 marked negative is " << Timecode::framesToTimecodeString(-50, 25, false, true) << "\n";

    // A record with a drop mark at 25 is counted without drop.
    const auto record = Timecode::fromJson(nlohmann::json::parse(
        R"({"formatType":"video","frameCount":15000,"frameRate":"fps25","isNegative":false,"dropMark":true})"));
    std::cout << "15000 at 25 marked drop is " << (record ? record->description() : "refused") << "\n";

    // min and max give values: bound to a reference they outlive their temporary arguments
    // (a reference into them would dangle, which the sanitizers of a checked build catch).
    static_assert(std::is_same_v<decltype(Decimal::min(Decimal(1), Decimal(2))), Decimal>);
    static_assert(std::is_same_v<decltype(Decimal::max(Decimal(1), Decimal(2))), Decimal>);
    const Decimal& smaller = Decimal::min(Decimal::fromString("1.5"), Decimal(2));
    const Decimal& larger = Decimal::max(Decimal::fromString("1.5"), Decimal(2));
    std::cout << "min " << smaller.toString() << ", max " << larger.toString() << "\n";
    return 0;
}
