#pragma once
// CSVWriter: writes rows of comma-separated text into a byte buffer (UTF-8 in, UTF-8 out).
//
// - Rows are separated by the line separator, written before every row but the first: the text
//   never ends with a separator.
// - Fields of a row are joined by the delimiter.
// - A field holding a double quote, the delimiter, a carriage return or a line feed is written
//   between double quotes with each double quote doubled; any other field is written unchanged.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace framewright {

class CSVWriter {
public:
    explicit CSVWriter(std::string& output, char delimiter = ',', std::string lineSeparator = "\n")
        : output_(output), delimiter_(delimiter), lineSeparator_(std::move(lineSeparator)) {}

    void write(std::initializer_list<std::string_view> row) { writeFields(row.begin(), row.end()); }
    void write(const std::vector<std::string>& row) { writeFields(row.begin(), row.end()); }

private:
    template <typename It>
    void writeFields(It first, It last) {
        if (wroteRow_) output_ += lineSeparator_;
        wroteRow_ = true;
        for (It field = first; field != last; ++field) {
            if (field != first) output_ += delimiter_;
            writeField(*field);
        }
    }
    void writeField(std::string_view field);

    std::string& output_;
    char delimiter_;
    std::string lineSeparator_;
    bool wroteRow_ = false;
};

} // namespace framewright
