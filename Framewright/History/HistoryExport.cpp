#include "HistoryExport.h"

#include "CSVWriter.h"
#include "Calculation.h"
#include "Operation.h"
#include "TextTable.h"

#include <QSaveFile>
#include <QString>

#include <iostream>

namespace framewright {

std::string historyCSV(PersistenceController& controller) {
    std::string bytes;
    CSVWriter writer(bytes, ',', "\n");
    writer.write({"Symbol", "Value", "Format"});
    for (const auto& calculation : Calculation::allCalculations(controller)) {
        for (const auto& line : calculation->sortedOperations()) {
            const auto value = line->primaryValue();
            const auto format = line->primaryFormat();
            writer.write({line->operationSymbol(), value ? std::string_view(*value) : std::string_view(),
                          format ? std::string_view(*format) : std::string_view()});
        }
    }
    return bytes;
}

std::string calculationText(const Calculation& calculation) {
    const auto lines = calculation.sortedOperations();
    if (lines.empty()) return "No operations";
    using Alignment = TextTableColumn::Alignment;
    TextTable table({{"", Alignment::right, 3}, {"", Alignment::right, std::nullopt}, {"", Alignment::left, std::nullopt}});
    for (const auto& line : lines)
        table.addRow({std::string(line->operationSymbol()), line->primaryValue().value_or(""),
                      line->primaryFormat().value_or("")});
    return table.render();
}

std::string historyText(PersistenceController& controller) {
    const auto calculations = Calculation::allCalculations(controller);
    if (calculations.empty()) return "No Calculations";
    std::string text;
    for (const auto& calculation : calculations) text += calculationText(*calculation);
    return text;
}

bool saveHistory(const std::filesystem::path& file, PersistenceController& controller) {
    const std::string csv = historyCSV(controller);
    QSaveFile out(QString::fromStdString(file.string()));
    const bool written = out.open(QIODevice::WriteOnly) &&
                         out.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size()) &&
                         out.commit();
    if (!written) std::cout << out.errorString().toStdString() << '\n' << std::flush;
    return written;
}

} // namespace framewright
