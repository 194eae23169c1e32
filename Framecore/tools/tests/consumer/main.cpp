// Uses a converter, the calculator brain and a persisted form through the installed package.
#include <iostream>

#include "Framecore/CalculatorBrain.h"
#include "Framecore/FormatConverter.h"

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
    return 0;
}
