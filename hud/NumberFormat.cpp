#include "hud/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int MAX_DIGITS = 17;
// The exact decimal digits of a double reach far beyond what is kept; this
// many are enough that printf's own rounding never reaches a kept digit or
// the one after it.
constexpr int EXACT_DIGITS = 60;

// Appends to a zero-terminated text in a buffer of fixed size, cutting at its end.
class Text {
  public:
    Text(char* buffer, size_t size) : buffer_(buffer), size_(size) {
        if (size_ > 0)
            buffer_[0] = '\0';
    }
    void Put(char c) {
        if (length_ + 1 < size_) {
            buffer_[length_++] = c;
            buffer_[length_] = '\0';
        }
    }
    void Put(const char* s) {
        while (*s)
            Put(*s++);
    }

  private:
    char* buffer_;
    size_t size_;
    size_t length_ = 0;
};

// Removes the zeros that stand directly before the end of `digits` fraction
// digits: returns how many remain.
int KeptFraction(const char* fraction, int count) {
    while (count > 0 && fraction[count - 1] == '0')
        --count;
    return count;
}

} // namespace

void FormatSignificant(double value, int digits, char* buffer, size_t size) {
    Text text(buffer, size);
    if (digits < 1)
        digits = 1;
    if (digits > MAX_DIGITS)
        digits = MAX_DIGITS;
    if (std::isnan(value)) {
        text.Put("nan");
        return;
    }
    if (std::signbit(value) && value != 0.0)
        text.Put('-');
    if (std::isinf(value)) {
        text.Put("inf");
        return;
    }

    // The leading digits of |value| and its decimal exponent, unrounded.
    char kept[MAX_DIGITS + 2] = {};
    int exponent = -1;
    if (value != 0.0) {
        char exact[EXACT_DIGITS + 16];
        std::snprintf(exact, sizeof exact, "%.*e", EXACT_DIGITS, std::fabs(value));
        exponent = std::atoi(std::strchr(exact, 'e') + 1);
        kept[0] = exact[0];
        std::memcpy(kept + 1, exact + 2, static_cast<size_t>(digits));
    } else {
        std::memset(kept, '0', static_cast<size_t>(digits) + 1);
    }
    const bool fixed = exponent >= -1 && exponent <= digits - 1;

    // Round on the last kept digit: up when the next one is 5 or more. A carry
    // out of the first digit adds a leading 1.
    bool carry = kept[digits] >= '5';
    kept[digits] = '\0';
    for (int i = digits - 1; carry && i >= 0; --i) {
        carry = kept[i] == '9';
        kept[i] = carry ? '0' : static_cast<char>(kept[i] + 1);
    }

    if (fixed) {
        // Integer part: exponent + 1 digits (none when the exponent is -1,
        // written "0"), one more after a carry; the rest is the fraction.
        const int integerDigits = exponent + 1;
        if (carry)
            text.Put('1');
        else if (integerDigits == 0)
            text.Put('0');
        for (int i = 0; i < integerDigits; ++i)
            text.Put(kept[i]);
        const int fractionDigits = digits - integerDigits;
        if (fractionDigits > 0) {
            text.Put('.');
            const int shown = KeptFraction(kept + integerDigits, fractionDigits);
            for (int i = 0; i < shown; ++i)
                text.Put(kept[integerDigits + i]);
        }
        return;
    }

    if (carry) {
        // 9.99..5eN rounds to 1.00..0eN+1.
        kept[0] = '1';
        ++exponent;
    }
    text.Put(kept[0]);
    text.Put('.');
    const int shown = KeptFraction(kept + 1, digits - 1);
    for (int i = 0; i < shown; ++i)
        text.Put(kept[1 + i]);
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "e%c%03d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    text.Put(exponentText);
}
