#pragma once

#include "Framecore/CalculatorOperation.h"
#include "Framecore/FrameCountable.h"

#include <string_view>

namespace framewright {

// Where the keypad calculator writes its history: calculations are opened and closed, and each
// operator key adds one line to the open calculation (opening one when none is).
class HistoryLineSink {
public:
    virtual ~HistoryLineSink() = default;

    virtual void startNewCalculation() = 0;
    virtual void completeCurrentCalculation() = 0;
    // One line: the operation, the value's text and format label. `slotsValue` is the value whose
    // conversions into the secondary formats the line carries; null for a line without them (a
    // plain number, an error).
    virtual void recordLine(framecore::CalculatorOperation operation, std::string_view text,
                            std::string_view format, const framecore::FrameCountableRef& slotsValue) = 0;
};

// A sink that keeps nothing (framecalc has no history).
class DiscardingHistoryLineSink final : public HistoryLineSink {
public:
    void startNewCalculation() override {}
    void completeCurrentCalculation() override {}
    void recordLine(framecore::CalculatorOperation, std::string_view, std::string_view,
                    const framecore::FrameCountableRef&) override {}
};

} // namespace framewright
