#include "SpokenForm.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <cctype>
#include <initializer_list>

namespace framewright {

using framecore::CalculatorOperation;

namespace {

// The words in the window's language (English while no translation is installed).
std::string said(const char* words) { return QCoreApplication::translate("SpokenForm", words).toStdString(); }

// A pattern with %1 (a figure) in the window's language.
std::string said(const char* pattern, std::string_view figure) {
    return QCoreApplication::translate("SpokenForm", pattern)
        .arg(QString::fromUtf8(figure.data(), static_cast<qsizetype>(figure.size())))
        .toStdString();
}

bool isNumber(std::string_view text) {
    if (text.empty()) return false;
    bool digit = false;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
            digit = true;
        } else if (c != '.') {
            return false;
        }
    }
    return digit;
}

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// A written form and its words (a pattern with %1 for a suffix's figure).
struct Term {
    std::string_view written;
    const char* spoken;
};

// One word of a label: rates, units and gauges; anything else as written.
std::string spokenToken(std::string_view token) {
    static constexpr std::array<Term, 7> suffixes{{
        {"DF", QT_TRANSLATE_NOOP("SpokenForm", "%1 drop frame")},
        {"ND", QT_TRANSLATE_NOOP("SpokenForm", "%1 non drop frame")},
        {"PD", QT_TRANSLATE_NOOP("SpokenForm", "%1 pull down")},
        {"mm", QT_TRANSLATE_NOOP("SpokenForm", "%1 millimetre")},
        {"FT", QT_TRANSLATE_NOOP("SpokenForm", "%1 foot rolls")},
        {"ft", QT_TRANSLATE_NOOP("SpokenForm", "%1 foot")},
        {"p", QT_TRANSLATE_NOOP("SpokenForm", "%1 perf")},
    }};
    for (const Term& suffix : suffixes) {
        if (endsWith(token, suffix.written) && isNumber(token.substr(0, token.size() - suffix.written.size())))
            return said(suffix.spoken, token.substr(0, token.size() - suffix.written.size()));
    }
    static constexpr std::array<Term, 9> words{{
        {"FT", QT_TRANSLATE_NOOP("SpokenForm", "feet")},
        {"Feet", QT_TRANSLATE_NOOP("SpokenForm", "feet")},
        {"FT:FRM", QT_TRANSLATE_NOOP("SpokenForm", "feet and frames")},
        {"ft:frm", QT_TRANSLATE_NOOP("SpokenForm", "feet and frames")},
        {"ft", QT_TRANSLATE_NOOP("SpokenForm", "foot")},
        {"Frames", QT_TRANSLATE_NOOP("SpokenForm", "frames")},
        {"DECIMAL", QT_TRANSLATE_NOOP("SpokenForm", "decimal")},
        {"Metres", QT_TRANSLATE_NOOP("SpokenForm", "metres")},
        {"Super", QT_TRANSLATE_NOOP("SpokenForm", "super")},
    }};
    for (const Term& word : words) {
        if (token == word.written) return said(word.spoken);
    }
    return std::string(token);
}

std::string joined(std::initializer_list<std::string> parts, std::string_view separator) {
    std::string result;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!result.empty()) result += separator;
        result += part;
    }
    return result;
}

} // namespace

std::string SpokenForm::keyName(KeypadKey key) {
    static constexpr std::array<const char*, 10> digits{
        QT_TRANSLATE_NOOP("SpokenForm", "zero"),  QT_TRANSLATE_NOOP("SpokenForm", "one"),
        QT_TRANSLATE_NOOP("SpokenForm", "two"),   QT_TRANSLATE_NOOP("SpokenForm", "three"),
        QT_TRANSLATE_NOOP("SpokenForm", "four"),  QT_TRANSLATE_NOOP("SpokenForm", "five"),
        QT_TRANSLATE_NOOP("SpokenForm", "six"),   QT_TRANSLATE_NOOP("SpokenForm", "seven"),
        QT_TRANSLATE_NOOP("SpokenForm", "eight"), QT_TRANSLATE_NOOP("SpokenForm", "nine")};
    if (key <= KeypadKey::nine) return said(digits[key]);
    switch (key) {
    case KeypadKey::doubleZero: return said(QT_TRANSLATE_NOOP("SpokenForm", "double zero"));
    case KeypadKey::point: return said(QT_TRANSLATE_NOOP("SpokenForm", "point"));
    case KeypadKey::allClear: return said(QT_TRANSLATE_NOOP("SpokenForm", "all clear"));
    case KeypadKey::clear: return said(QT_TRANSLATE_NOOP("SpokenForm", "clear"));
    case KeypadKey::del: return said(QT_TRANSLATE_NOOP("SpokenForm", "delete"));
    default: return operation(key.operation());
    }
}

std::string SpokenForm::operation(CalculatorOperation operation) {
    switch (operation) {
    case CalculatorOperation::none: return {};
    case CalculatorOperation::add: return said(QT_TRANSLATE_NOOP("SpokenForm", "plus"));
    case CalculatorOperation::subtract: return said(QT_TRANSLATE_NOOP("SpokenForm", "minus"));
    case CalculatorOperation::multiply: return said(QT_TRANSLATE_NOOP("SpokenForm", "times"));
    case CalculatorOperation::divide: return said(QT_TRANSLATE_NOOP("SpokenForm", "divide"));
    case CalculatorOperation::divideByTimecode: return said(QT_TRANSLATE_NOOP("SpokenForm", "timecode divide"));
    case CalculatorOperation::result: return said(QT_TRANSLATE_NOOP("SpokenForm", "equals"));
    }
    return {};
}

std::string SpokenForm::operation(std::string_view rawValue) {
    if (rawValue.empty()) return {};
    const auto known = CalculatorOperation::fromRawValue(rawValue);
    return known ? operation(*known) : said(QT_TRANSLATE_NOOP("SpokenForm", "unknown operation"));
}

std::string SpokenForm::formatLabel(std::string_view label) {
    // A number alone is a rate; its suffix, where it has one, names the kind of timecode.
    if (isNumber(label)) return said(QT_TRANSLATE_NOOP("SpokenForm", "%1 frames per second"), label);
    std::string result;
    std::size_t start = 0;
    while (start < label.size()) {
        std::size_t end = label.find(' ', start);
        if (end == std::string_view::npos) end = label.size();
        if (end > start) {
            if (!result.empty()) result += ' ';
            result += spokenToken(label.substr(start, end - start));
        }
        start = end + 1;
    }
    return result;
}

std::string SpokenForm::slotName(DisplayValueModel::Identifier id) {
    switch (id) {
    case DisplayValueModel::Identifier::primary: return said(QT_TRANSLATE_NOOP("SpokenForm", "primary"));
    case DisplayValueModel::Identifier::topLeft: return said(QT_TRANSLATE_NOOP("SpokenForm", "top left"));
    case DisplayValueModel::Identifier::topRight: return said(QT_TRANSLATE_NOOP("SpokenForm", "top right"));
    case DisplayValueModel::Identifier::bottomLeft: return said(QT_TRANSLATE_NOOP("SpokenForm", "bottom left"));
    }
    return {};
}

std::string SpokenForm::slot(const DisplayValueModel& slot) {
    return joined({slotName(slot.id()), slot.value(), formatLabel(slot.unit())}, ", ");
}

std::string SpokenForm::historyLine(std::string_view operationRawValue, std::string_view value,
                                    std::string_view formatLabel) {
    return joined({operation(operationRawValue), std::string(value), SpokenForm::formatLabel(formatLabel)}, ", ");
}

} // namespace framewright
