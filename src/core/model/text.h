// Single-byte text of the model: fixed-room strings, cp1252 conversion and
// the machine-independent upper-casing used for sorting and searching.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rondaxa {

// A string with room for N characters (string[N] of the stored form). Text
// longer than N is cut to its first N characters when it is stored.
template <std::size_t N> class FixedString {
public:
    static constexpr std::size_t Room = N;

    FixedString() = default;
    explicit FixedString(std::string_view text) { assign(text); }
    explicit FixedString(const char *text) : FixedString(std::string_view(text)) {}
    explicit FixedString(const std::string &text) : FixedString(std::string_view(text)) {}

    FixedString &operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    FixedString &operator=(const char *text) { return *this = std::string_view(text); }
    FixedString &operator=(const std::string &text) { return *this = std::string_view(text); }

    void assign(std::string_view text) { value_.assign(text.substr(0, N)); }
    const std::string &str() const { return value_; }
    operator const std::string &() const { return value_; } // NOLINT
    operator std::string_view() const { return value_; }    // NOLINT
    bool empty() const { return value_.empty(); }
    std::size_t size() const { return value_.size(); }
    const char *c_str() const { return value_.c_str(); }
    void clear() { value_.clear(); }

    friend bool operator==(const FixedString &a, const FixedString &b) { return a.value_ == b.value_; }
    friend bool operator==(const FixedString &a, std::string_view b) { return a.value_ == b; }

private:
    std::string value_;
};

// cp1252 bytes <-> UTF-8. Bytes cp1252 leaves undefined map to the C1
// control of the same number; characters cp1252 cannot hold become '?'.
std::string Cp1252ToUtf8(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view utf8);

// The text of a text file (a finishing order; text pasted or dropped into a
// list) as UTF-8. A leading byte-order mark is skipped; UTF-16 with its
// byte-order mark is read as UTF-16; text that is not valid UTF-8 is read as
// Windows-1252, the code page of the competition file, so that every
// character of a file saved by an older program survives.
std::string TextFileToUtf8(std::string_view bytes);

// Text of the old DOS edition (code page 850) in the program's cp1252. The
// first 128 characters are the same; a DOS character cp1252 does not have
// (box drawing, shading, the dotless i) becomes '?'.
std::string Cp850ToCp1252(std::string_view bytes);

// Upper case of one cp1252 byte / a cp1252 text, independent of the machine.
unsigned char UpperChar1252(unsigned char c);
std::string UpperCase1252(std::string_view text);

// Decimal digits of a number, as IntToStr writes them.
std::string IntText(long long value);

} // namespace rondaxa
