#pragma once
// The engine's value type: a Basic variant.
//
// Conversions follow the Basic rules: numbers to text in their shortest form
// with "." as decimal separator (the programs never format numbers for the
// user), text to number accepting "." or "," as decimal separator, Boolean as
// -1/0 (True/False as text), Date as serial days since 30 December 1899 (text
// form dd/mm/yyyy, with hh:mm:ss when the time is not midnight), Currency as a
// 64-bit count of ten-thousandths. A conversion that cannot be made throws
// vb::RuntimeError 13 (type mismatch); a number out of the target range 6
// (overflow).
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "dbengine/values/date_serials.h"   // for callers that format or build dates

namespace dao {

enum class VarType { Empty, Null, Boolean, Byte, Integer, Long, Single, Double, Currency, Date, String };

class Variant {
public:
    Variant() = default;                        // Empty
    Variant(const char* text);                  // String
    Variant(std::string text);                  // String
    Variant(bool value);                        // Boolean
    Variant(int value);                         // Long
    Variant(const Variant&) = default;
    Variant(Variant&&) noexcept = default;
    Variant& operator=(Variant&&) noexcept = default;
    // A copy into the text buffer already there; a value that is no text
    // copies none (copy loops assign a value to every field of every row).
    Variant& operator=(const Variant& other) {
        type_ = other.type_;
        integer_ = other.integer_;
        real_ = other.real_;
        if (other.text_.empty()) text_.clear();
        else text_ = other.text_;
        return *this;
    }

    // The same type and the same bits in every member: a copy would change nothing.
    bool SameAs(const Variant& other) const noexcept {
        return type_ == other.type_ && integer_ == other.integer_ &&
               std::bit_cast<std::uint64_t>(real_) == std::bit_cast<std::uint64_t>(other.real_) && text_ == other.text_;
    }

    static Variant Null();
    static Variant Byte(std::uint8_t value);
    static Variant Integer(std::int16_t value);
    static Variant Long(std::int32_t value);
    static Variant Single(float value);
    static Variant Double(double value);
    static Variant CurrencyScaled(std::int64_t tenThousandths);
    static Variant Currency(double value);      // rounded to four decimals
    static Variant Date(double serialDays);
    static Variant Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    VarType Type() const noexcept { return type_; }
    bool IsNull() const noexcept { return type_ == VarType::Null; }
    bool IsEmpty() const noexcept { return type_ == VarType::Empty; }
    bool IsNumeric() const noexcept;            // Byte..Currency (not Date, not Boolean)

    // Basic conversions (CBool, CByte, CInt, CLng, CSng, CDbl, CCur, CDate, CStr).
    bool ToBool() const;
    std::uint8_t ToByte() const;
    std::int16_t ToInteger() const;
    std::int32_t ToLong() const;
    float ToSingle() const;
    double ToDouble() const;
    std::int64_t ToCurrencyScaled() const;
    double ToDate() const;                      // serial days
    std::string ToString() const;               // CStr; Null raises 94 (invalid use of Null), Empty gives ""

    // Makes this a String of text, reusing the text buffer it already holds.
    void AssignString(std::string_view text);

    // Converts to the given type by the rules above (Null and Empty stay as they are).
    Variant ConvertTo(VarType type) const;

    // Same type and same value (Null equals Null here, unlike Basic's "=").
    bool operator==(const Variant& other) const;

    // Raw access for the engine's storage layer, without conversion: the integer of
    // Byte/Integer/Long/Currency (scaled), the double of Single/Double/Date, the
    // text of String, the flag of Boolean. Only for a value of those types.
    std::int64_t RawInt() const noexcept { return integer_; }
    double RawDouble() const noexcept { return real_; }
    const std::string& RawString() const noexcept { return text_; }
    bool RawBool() const noexcept { return integer_ != 0; }

    // The same in the other direction, into an existing value: type is one of
    // Byte, Integer, Long, Currency (scaled) for SetRawInt, of Single, Double,
    // Date for SetRawDouble. No temporary, and the text buffer stays.
    void SetRawInt(VarType type, std::int64_t value) noexcept {
        type_ = type;
        integer_ = value;
        text_.clear();
    }
    void SetRawDouble(VarType type, double value) noexcept {
        type_ = type;
        real_ = value;
        text_.clear();
    }
    void SetNull() noexcept { SetRawInt(VarType::Null, 0); }

private:
    // Plain members rather than a std::variant: a value reused from field to
    // field (numbers, Nulls, texts in turn) keeps its text buffer, so copying
    // rows allocates nothing. text_ is empty unless the value is a String.
    VarType type_ = VarType::Empty;
    std::int64_t integer_ = 0;   // Boolean (0/1), Byte, Integer, Long, Currency
    double real_ = 0;            // Single, Double, Date
    std::string text_;
};

// Basic Format(value, "mm"): the month of a date value as two digits "01".."12".
// Null gives Null; a value that is not a date and cannot be converted to one raises 13.
Variant FormatMonth(const Variant& value);

} // namespace dao
