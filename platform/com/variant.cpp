#include "platform/com/variant.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/com/com_error.h"
#include "platform/com/text_case.h"

namespace quenmoor::com {

namespace {

[[noreturn]] void typeMismatch(const Variant& value, std::string_view target) {
    throw ComError(CTL_E_TYPEMISMATCH, "Type mismatch: cannot convert " + value.typeName() +
                                           " to " + std::string(target));
}

[[noreturn]] void overflow(double value, std::string_view target) {
    throw ComError(CTL_E_OVERFLOW,
                   "Overflow: " + formatDouble(value) + " does not fit " + std::string(target));
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Rounds half to even, as the runtime's integer conversions do, and checks the range.
template <class Int>
Int roundToInteger(double value, std::string_view target) {
    double rounded = std::nearbyint(value);  // the default rounding mode is to nearest even
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
        overflow(value, target);
    }
    return static_cast<Int>(rounded);
}

}  // namespace

char decimalSeparator() {
    const char* point = std::localeconv()->decimal_point;
    return (point != nullptr && point[0] != '\0') ? point[0] : '.';
}

std::string formatDouble(double value) {
    if (std::isnan(value)) {
        return "-1.#IND";
    }
    if (std::isinf(value)) {
        return value > 0 ? "1.#INF" : "-1.#INF";
    }
    if (value == 0) {
        return "0";  // also for -0, which the runtime never shows with a sign
    }
    // %G follows LC_NUMERIC, so the separator is already the locale's.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer;
}

std::optional<double> parseDouble(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    std::string_view number = text.substr(begin, end - begin);
    const char separator = decimalSeparator();
    std::size_t i = 0;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < number.size() && number[i] >= '0' && number[i] <= '9') {
        ++i;
        ++digits;
    }
    if (i < number.size() && number[i] == separator) {
        ++i;
        while (i < number.size() && number[i] >= '0' && number[i] <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < number.size() && (number[i] == 'E' || number[i] == 'e')) {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < number.size() && number[i] >= '0' && number[i] <= '9') {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != number.size()) {
        return std::nullopt;
    }
    // The syntax is checked above; strtod reads the same text under the same locale.
    std::string copy(number);
    errno = 0;
    double value = std::strtod(copy.c_str(), nullptr);
    return value;
}

void Variant::copyStorage(const Variant& other) {
    switch (other.kind_) {
        case Kind::String:
            new (&string_) std::string(other.string_);
            break;
        case Kind::Object:
            new (&object_) ComPtr<IDispatch>(other.object_);
            break;
        case Kind::DoubleArray:
            new (&doubles_) std::vector<double>(other.doubles_);
            break;
        case Kind::SharedText:
            new (&shared_) SharedText(other.shared_);
            break;
        default:
            break;
    }
    kind_ = other.kind_;  // only once the copy is made, should it throw
}

void Variant::moveOtherStorage(Variant&& other) noexcept {
    if (other.kind_ == Kind::String) {
        new (&string_) std::string(std::move(other.string_));
    } else if (other.kind_ == Kind::DoubleArray) {
        new (&doubles_) std::vector<double>(std::move(other.doubles_));
    }
    kind_ = other.kind_;
}

void Variant::destroyOtherStorage() noexcept {
    if (kind_ == Kind::String) {
        string_.~basic_string();
    } else if (kind_ == Kind::DoubleArray) {
        doubles_.~vector();
    }
}

std::string Variant::typeName() const {
    switch (type()) {
        case Type::Empty:
            return "Empty";
        case Type::Int16:
            return "Integer";
        case Type::Int32:
            return "Long";
        case Type::Double:
            return "Double";
        case Type::Bool:
            return "Boolean";
        case Type::Text:
            return "String";
        case Type::Object:
            return "Object";
        case Type::DoubleArray:
            return "Double()";
    }
    return "Unknown";
}

std::string Variant::toText() const {
    switch (type()) {
        case Type::Empty:
            return {};
        case Type::Int16:
            return std::to_string(int16_);
        case Type::Int32:
            return std::to_string(int32_);
        case Type::Double:
            return formatDouble(double_);
        case Type::Bool:
            return bool_ ? "True" : "False";
        case Type::Text:
            return std::string(text());
        case Type::Object:
        case Type::DoubleArray:
            break;
    }
    typeMismatch(*this, "String");
}

double Variant::toDouble() const {
    switch (type()) {
        case Type::Empty:
            return 0;
        case Type::Int16:
            return int16_;
        case Type::Int32:
            return int32_;
        case Type::Double:
            return double_;
        case Type::Bool:
            return bool_ ? -1 : 0;
        case Type::Text: {
            const std::string_view characters = text();
            auto parsed = parseDouble(characters);
            if (!parsed) {
                throw ComError(CTL_E_TYPEMISMATCH, "Type mismatch: \"" + std::string(characters) +
                                                       "\" is not a number");
            }
            if (std::isinf(*parsed)) {
                throw ComError(CTL_E_OVERFLOW, "Overflow: \"" + std::string(characters) +
                                                   "\" is beyond the range of a Double");
            }
            return *parsed;
        }
        case Type::Object:
        case Type::DoubleArray:
            break;
    }
    typeMismatch(*this, "Double");
}

std::int16_t Variant::convertToInt16() const {
    return roundToInteger<std::int16_t>(toDouble(), "a 16-bit Integer");
}

std::int32_t Variant::convertToInt32() const {
    return roundToInteger<std::int32_t>(toDouble(), "a 32-bit Long");
}

std::int64_t Variant::toInt64() const {
    switch (type()) {
        case Type::Int16:
            return int16_;
        case Type::Int32:
            return int32_;
        default:
            break;
    }
    const double value = toDouble();
    const double rounded = std::nearbyint(value);
    // 2^63 itself is already out of range, so the upper bound is exclusive.
    if (!(rounded >= -0x1p63 && rounded < 0x1p63)) {
        overflow(value, "a 64-bit LongLong");
    }
    return static_cast<std::int64_t>(rounded);
}

bool Variant::toBool() const {
    switch (type()) {
        case Type::Bool:
            return bool_;
        case Type::Text: {
            const std::string_view characters = text();
            if (equalsIgnoringCase(characters, "True")) {
                return true;
            }
            if (equalsIgnoringCase(characters, "False")) {
                return false;
            }
            if (auto parsed = parseDouble(characters)) {
                return *parsed != 0;
            }
            typeMismatch(*this, "Boolean");
        }
        case Type::Object:
        case Type::DoubleArray:
            typeMismatch(*this, "Boolean");
        default:
            return toDouble() != 0;
    }
}

ComPtr<IDispatch> Variant::toObject() const& {
    if (type() == Type::Empty) {
        return {};
    }
    if (type() != Type::Object) {
        typeMismatch(*this, "Object");
    }
    return object_;
}

std::vector<double> Variant::toDoubleArray() const {
    if (type() != Type::DoubleArray) {
        typeMismatch(*this, "Double()");
    }
    return doubles_;
}

bool Variant::equalsOtherwise(const Variant& b) const {
    const Variant& a = *this;
    auto isNumber = [](Type t) {
        return t == Type::Int16 || t == Type::Int32 || t == Type::Double || t == Type::Bool;
    };
    const Type ta = a.type();
    const Type tb = b.type();
    if ((ta == Type::Empty && tb == Type::Text) || (ta == Type::Text && tb == Type::Empty)) {
        return (ta == Type::Empty || a.text().empty()) && (tb == Type::Empty || b.text().empty());
    }
    if ((isNumber(ta) || ta == Type::Empty) && (isNumber(tb) || tb == Type::Empty)) {
        return a.toDouble() == b.toDouble();
    }
    if (ta == Type::Object && tb == Type::Object) {
        return sameObject(a.toObject(), b.toObject());
    }
    if (ta == Type::DoubleArray && tb == Type::DoubleArray) {
        return a.toDoubleArray() == b.toDoubleArray();
    }
    return false;
}

}  // namespace quenmoor::com
