#include "TextTable.h"

#include <QString>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace framewright {

std::size_t TextTable::characterCount(std::string_view text) {
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return text.size();
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, string);
    std::size_t count = 0;
    while (finder.toNextBoundary() != -1) ++count;
    return count;
}

void TextTable::addRow(std::vector<std::string> cells) {
    cells.resize(columns_.size());
    rows_.push_back(std::move(cells));
}

std::string TextTable::render() const {
    std::vector<std::size_t> widths;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (columns_[c].fixedWidth) {
            widths.push_back(*columns_[c].fixedWidth);
            continue;
        }
        std::size_t width = characterCount(columns_[c].title);
        for (const auto& row : rows_) width = std::max(width, characterCount(row[c]));
        widths.push_back(width);
    }
    std::string out;
    auto appendLine = [&](const auto& cellOf) {
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (c > 0) out += ' ';
            const std::string_view cell = cellOf(c);
            const std::size_t count = characterCount(cell);
            const std::size_t padding = count < widths[c] ? widths[c] - count : 0;
            if (columns_[c].alignment == TextTableColumn::Alignment::right) out.append(padding, ' ');
            out += cell;
            if (columns_[c].alignment == TextTableColumn::Alignment::left) out.append(padding, ' ');
        }
        out += '\n';
    };
    appendLine([&](std::size_t c) { return std::string_view(columns_[c].title); });
    const std::string rule(widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end()), '-');
    appendLine([&](std::size_t c) { return std::string_view(rule).substr(0, widths[c]); });
    for (const auto& row : rows_) appendLine([&](std::size_t c) { return std::string_view(row[c]); });
    return out;
}

} // namespace framewright
