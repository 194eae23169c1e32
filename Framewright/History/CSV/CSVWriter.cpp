#include "CSVWriter.h"

namespace framewright {

void CSVWriter::writeField(std::string_view field) {
    const char special[] = {'"', delimiter_, '\r', '\n'};
    if (field.find_first_of(std::string_view(special, sizeof special)) == std::string_view::npos) {
        output_ += field;
        return;
    }
    output_ += '"';
    for (char c : field) {
        if (c == '"') output_ += '"';
        output_ += c;
    }
    output_ += '"';
}

} // namespace framewright
