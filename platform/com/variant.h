#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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

    Variant() noexcept {}
    Variant(std::int16_t value) noexcept : kind_(Kind::Int16), int16_(value) {}
    Variant(std::int32_t value) noexcept : kind_(Kind::Int32), int32_(value) {}
    Variant(double value) noexcept : kind_(Kind::Double), double_(value) {}
    Variant(std::string value) noexcept : kind_(Kind::String), string_(std::move(value)) {}
    Variant(std::string_view value) : kind_(Kind::String), string_(value) {}
    Variant(const char* value) : kind_(Kind::String), string_(value) {}
    Variant(ComPtr<IDispatch> object) noexcept : kind_(Kind::Object), object_(std::move(object)) {}
    Variant(std::vector<double> values) noexcept
        : kind_(Kind::DoubleArray), doubles_(std::move(values)) {}
    // Booleans are made explicitly, since bool converts to every number type.
    static Variant boolean(bool value) {
        Variant made;
        made.kind_ = Kind::Bool;
        made.bool_ = value;
        return made;
    }
    // Text whose characters the object `owner` keeps alive and never changes: the value
    // refers to them rather than copying them, so reading a stored text allocates nothing.
    // Holding the owner also keeps the library of its code loaded.
    static Variant sharedText(ComPtr<IUnknown> owner, std::string_view text) {
        Variant made;
        made.kind_ = Kind::SharedText;
        new (&made.shared_) SharedText{std::move(owner), text};
        return made;
    }

    // Values are passed on every late-bound call, so the numbers, Booleans and Empty are
    // copied, moved and dropped inline; only texts, objects and arrays go out of line.
    Variant(const Variant& other) {
        if (other.scalar()) {
            copyScalar(other);
        } else {
            copyStorage(other);
        }
    }
    Variant(Variant&& other) noexcept { moveFrom(std::move(other)); }
    Variant& operator=(const Variant& other) {
        if (this != &other) {
            Variant copy(other);
            *this = std::move(copy);
        }
        return *this;
    }
    Variant& operator=(Variant&& other) noexcept {
        if (this != &other) {
            reset();
            moveFrom(std::move(other));
        }
        return *this;
    }
    ~Variant() { reset(); }

    Type type() const { return kind_ == Kind::SharedText ? Type::Text : static_cast<Type>(kind_); }
    bool isEmpty() const { return type() == Type::Empty; }
    // The name of the type, as error messages give it: "Empty", "Integer", "Long",
    // "Double", "Boolean", "String", "Object", "Double()".
    std::string typeName() const;

    // Each conversion throws ComError: CTL_E_TYPEMISMATCH for a value that has no such
    // form ("abc" as a number, an object as text), CTL_E_OVERFLOW past the target's range.
    std::string toText() const;
    double toDouble() const;
    std::int16_t toInt16() const { return kind_ == Kind::Int16 ? int16_ : convertToInt16(); }
    std::int32_t toInt32() const { return kind_ == Kind::Int32 ? int32_ : convertToInt32(); }
    // A pointer-sized number such as a module handle, which callers pass as a Long or a Double.
    std::int64_t toInt64() const;
    bool toBool() const;
    VariantBool toVariantBool() const { return toBool() ? VariantTrue : VariantFalse; }
    // An empty pointer for Empty; a type mismatch for anything else that is not an object.
    ComPtr<IDispatch> toObject() const&;
    // The same, taking the reference over from a value about to go.
    ComPtr<IDispatch> toObject() && {
        if (kind_ == Kind::Object) {
            return std::move(object_);
        }
        return static_cast<const Variant&>(*this).toObject();
    }
    std::vector<double> toDoubleArray() const;

    // The language's `=`: Empty equals "" and 0, numbers compare by value, texts exactly,
    // a text never equals a number, objects by identity.
    friend bool operator==(const Variant& a, const Variant& b) {
        // Texts first, inline: a list is read until a cell equals "".
        if (a.isText() && b.isText()) {
            return a.text() == b.text();
        }
        return a.equalsOtherwise(b);
    }

private:
    // In the order of Type; SharedText is Text too.
    enum class Kind : std::uint8_t {
        Empty,
        Int16,
        Int32,
        Double,
        Bool,
        String,
        Object,
        DoubleArray,
        SharedText
    };
    struct SharedText {
        ComPtr<IUnknown> owner;
        std::string_view text;
    };

    bool scalar() const { return kind_ < Kind::String; }
    bool isText() const { return kind_ == Kind::String || kind_ == Kind::SharedText; }
    bool equalsOtherwise(const Variant& other) const;
    void copyScalar(const Variant& other) noexcept {
        kind_ = other.kind_;
        switch (other.kind_) {
            case Kind::Int16:
                int16_ = other.int16_;
                break;
            case Kind::Int32:
                int32_ = other.int32_;
                break;
            case Kind::Double:
                double_ = other.double_;
                break;
            case Kind::Bool:
                bool_ = other.bool_;
                break;
            default:
                break;
        }
    }
    void reset() noexcept {
        if (!scalar()) {
            destroyStorage();
        }
        kind_ = Kind::Empty;
    }
    void copyStorage(const Variant& other);
    // Objects and shared texts, what late-bound calls return most, are taken over inline,
    // leaving the other value Empty so that dropping it costs nothing.
    void moveFrom(Variant&& other) noexcept {
        if (other.scalar()) {
            copyScalar(other);
            return;
        }
        if (other.kind_ == Kind::Object) {
            new (&object_) ComPtr<IDispatch>(std::move(other.object_));
            other.object_.~ComPtr();
        } else if (other.kind_ == Kind::SharedText) {
            new (&shared_) SharedText(std::move(other.shared_));
            other.shared_.~SharedText();
        } else {
            moveOtherStorage(std::move(other));
            return;
        }
        kind_ = other.kind_;
        other.kind_ = Kind::Empty;
    }
    void moveOtherStorage(Variant&& other) noexcept;
    void destroyStorage() noexcept {
        if (kind_ == Kind::Object) {
            object_.~ComPtr();
        } else if (kind_ == Kind::SharedText) {
            shared_.~SharedText();
        } else {
            destroyOtherStorage();
        }
    }
    void destroyOtherStorage() noexcept;

    // The characters of a Text value.
    std::string_view text() const {
        return kind_ == Kind::SharedText ? shared_.text : std::string_view(string_);
    }
    std::int16_t convertToInt16() const;
    std::int32_t convertToInt32() const;

    Kind kind_ = Kind::Empty;
    union {
        std::int16_t int16_;
        std::int32_t int32_;
        double double_;
        bool bool_;
        std::string string_;
        ComPtr<IDispatch> object_;
        std::vector<double> doubles_;
        SharedText shared_;
    };
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
