#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/com/dispatch.h"
#include "platform/com/export.h"

namespace quenmoor::com {

// The automation language's Boolean: True is -1, False is 0.
using VariantBool = std::int16_t;
inline constexpr VariantBool VariantTrue = -1;
inline constexpr VariantBool VariantFalse = 0;

// A value passed through late binding, converting by the automation rules that scripts and
// hosts rely on: a double becomes text with up to 15 significant digits, integers round half to
// even and overflow with an error, Empty equals "" and converts to 0.
class QUENMOOR_EXPORT Variant {
public:
    enum class Type { Empty, Int16, Int32, Double, Bool, Text, Object, DoubleArray };

    Variant() = default;
    Variant(std::int16_t value) : value_(value) {}
    Variant(std::int32_t value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(std::string value) : value_(std::move(value)) {}
    Variant(std::string_view value) : value_(std::string(value)) {}
    Variant(const char* value) : value_(std::string(value)) {}
    Variant(ComPtr<IDispatch> object) : value_(std::move(object)) {}
    Variant(std::vector<double> values) : value_(std::move(values)) {}
    // Booleans are made explicitly, since bool converts to every number type.
    static Variant boolean(bool value) { return Variant(Boolean{value}); }
    // Text whose characters the object `owner` keeps alive and never changes: the value
    // refers to them rather than copying them, so reading a stored text allocates nothing.
    // Holding the owner also keeps the library of its code loaded.
    static Variant sharedText(ComPtr<IUnknown> owner, std::string_view text) {
        return Variant(SharedText{std::move(owner), text});
    }

    Type type() const {
        return value_.index() == kSharedText ? Type::Text : static_cast<Type>(value_.index());
    }
    bool isEmpty() const { return type() == Type::Empty; }
    // The name of the type, as error messages give it: "Empty", "Integer", "Long",
    // "Double", "Boolean", "String", "Object", "Double()".
    std::string typeName() const;

    // Each conversion throws ComError: CTL_E_TYPEMISMATCH for a value that has no such
    // form ("abc" as a number, an object as text), CTL_E_OVERFLOW past the target's range.
    std::string toText() const;
    double toDouble() const;
    std::int16_t toInt16() const {
        const auto* value = std::get_if<std::int16_t>(&value_);
        return value != nullptr ? *value : convertToInt16();
    }
    std::int32_t toInt32() const {
        const auto* value = std::get_if<std::int32_t>(&value_);
        return value != nullptr ? *value : convertToInt32();
    }
    // A pointer-sized number such as a module handle, which callers pass as a Long or a Double.
    std::int64_t toInt64() const;
    bool toBool() const;
    VariantBool toVariantBool() const { return toBool() ? VariantTrue : VariantFalse; }
    // An empty pointer for Empty; a type mismatch for anything else that is not an object.
    ComPtr<IDispatch> toObject() const&;
    // The same, taking the reference over from a value about to go.
    ComPtr<IDispatch> toObject() &&;
    std::vector<double> toDoubleArray() const;

    // The language's `=`: Empty equals "" and 0, numbers compare by value, texts exactly,
    // a text never equals a number, objects by identity.
    friend QUENMOOR_EXPORT bool operator==(const Variant& a, const Variant& b);

private:
    struct Boolean {
        bool value;
        friend bool operator==(Boolean, Boolean) = default;
    };
    struct SharedText {
        ComPtr<IUnknown> owner;
        std::string_view text;
    };
    static constexpr std::size_t kSharedText = 8;
    explicit Variant(Boolean value) : value_(value) {}
    explicit Variant(SharedText value) : value_(std::move(value)) {}

    // The characters of a Text value.
    std::string_view text() const;
    std::int16_t convertToInt16() const;
    std::int32_t convertToInt32() const;

    // In the order of Type; SharedText is Text too.
    std::variant<std::monostate, std::int16_t, std::int32_t, double, Boolean, std::string,
                 ComPtr<IDispatch>, std::vector<double>, SharedText>
        value_;
};

// Text of a double as the automation runtime writes it: up to 15 significant digits,
// rounded to nearest, no trailing zeros, the locale's decimal separator, and exponent form
// ("1E+15", "1.5E-05") unless 1E-04 <= |value| < 1E+15 after rounding: the "%.15G" rule.
// An infinity is "1.#INF" or "-1.#INF", NaN "-1.#IND", the spellings automation clients know.
QUENMOOR_EXPORT std::string formatDouble(double value);

// Reads text as the runtime reads a number: blanks around it, an optional sign, digits
// with the locale's decimal separator and an optional exponent. nullopt when it is no
// number, "" included.
QUENMOOR_EXPORT std::optional<double> parseDouble(std::string_view text);

// The decimal separator of the user's locale (LC_NUMERIC).
QUENMOOR_EXPORT char decimalSeparator();

}  // namespace quenmoor::com
