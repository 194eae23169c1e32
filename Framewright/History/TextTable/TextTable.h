#pragma once
// TextTable: renders rows as a plain-text table of aligned columns.
//
// A column has a title, an alignment and either a fixed width or one computed as the largest
// character count among its title and its cells (characters are what a reader sees: a letter
// with a combining accent is one). The table is a title line, a rule line ("-" repeated each
// column's width) and one line per row; columns are joined by one space, every line (the last
// too) ends with a line feed, and padding spaces are kept at line ends. A cell wider than a
// fixed width is written whole, pushing the rest of its line right.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace framewright {

struct TextTableColumn {
    enum class Alignment { left, right };
    std::string title;
    Alignment alignment = Alignment::left;
    std::optional<std::size_t> fixedWidth; // absent: computed
};

class TextTable {
public:
    explicit TextTable(std::vector<TextTableColumn> columns) : columns_(std::move(columns)) {}

    // Missing cells are empty; extra cells are ignored.
    void addRow(std::vector<std::string> cells);
    std::string render() const;

    // The number of user-perceived characters (grapheme clusters) of UTF-8 text.
    static std::size_t characterCount(std::string_view text);

private:
    std::vector<TextTableColumn> columns_;
    std::vector<std::vector<std::string>> rows_;
};

} // namespace framewright
