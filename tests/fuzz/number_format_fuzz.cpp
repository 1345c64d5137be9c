// The HUD's weight text, FormatSignificant with 4 digits into its 50-character
// buffer, over every float the input's bytes spell, checked against the
// documented form rather than against a second formatter.
#include "tests/fuzz/fuzz_support.h"

#include "hud/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <regex>
#include <string>

namespace {

constexpr int kDigits = 4;
constexpr size_t kBufferSize = 50;

// E of |value| = m x 10^E with 1 <= m < 10, taken on the unrounded value:
// 120 digits hold a float's whole decimal expansion, so printf rounds nothing.
int DecimalExponent(double value) {
    char text[160];
    std::snprintf(text, sizeof text, "%.120e", std::fabs(value));
    return std::atoi(std::strchr(text, 'e') + 1);
}

// Formats into a heap buffer of exactly `size` bytes, so that a write past
// its end is caught.
std::string Format(double value, size_t size) {
    std::unique_ptr<char[]> buffer(new char[size]);
    FormatSignificant(value, kDigits, buffer.get(), size);
    FUZZ_CHECK(std::memchr(buffer.get(), '\0', size) != nullptr);
    return buffer.get();
}

void CheckForm(double value, const std::string& text) {
    if (std::isnan(value)) {
        FUZZ_CHECK(text == "nan");
        return;
    }
    if (std::isinf(value)) {
        FUZZ_CHECK(text == (value < 0 ? "-inf" : "inf"));
        return;
    }
    if (value == 0.0) {
        FUZZ_CHECK(text == "0.");
        return;
    }
    const bool negative = value < 0;
    FUZZ_CHECK((text[0] == '-') == negative);
    const std::string body = text.substr(negative ? 1 : 0);
    const int exponent = DecimalExponent(value);

    if (exponent < -1 || exponent > kDigits - 1) {
        // One digit, the point, at most three more without trailing zeros,
        // and a signed three-digit exponent.
        static const std::regex exponential("[1-9]\\.([0-9]{0,2}[1-9])?e[+-][0-9]{3}");
        FUZZ_CHECK(std::regex_match(body, exponential));
    } else {
        // Fixed: the point stays unless no fraction digit is left to write,
        // and no zero ends the fraction.
        static const std::regex fixedForm("(0|[1-9][0-9]{0,4})(\\.([0-9]*[1-9])?)?");
        FUZZ_CHECK(std::regex_match(body, fixedForm));
        FUZZ_CHECK((body.find('.') != std::string::npos) == (exponent < kDigits - 1));
        std::string significant;
        for (char c : body)
            if (c != '.' && (c != '0' || !significant.empty()))
                significant += c;
        while (!significant.empty() && significant.back() == '0')
            significant.pop_back();
        FUZZ_CHECK(significant.size() <= static_cast<size_t>(kDigits));
    }

    // The text is the value rounded on its fourth significant digit.
    const double written = std::strtod(text.c_str(), nullptr);
    const double halfUnit = 0.5 * std::pow(10.0, exponent - (kDigits - 1));
    FUZZ_CHECK(std::fabs(written - value) <= halfUnit * (1.0 + 1e-9));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (size_t at = 0; at + sizeof(float) <= size; at += sizeof(float)) {
        float weight;
        std::memcpy(&weight, data + at, sizeof weight);
        const double value = static_cast<double>(weight);
        const std::string text = Format(value, kBufferSize);
        FUZZ_CHECK(text.size() < kBufferSize);
        CheckForm(value, text);
        // A smaller buffer holds the same text, cut to fit.
        for (size_t small : {size_t{1}, text.size(), text.size() + 1})
            FUZZ_CHECK(Format(value, small) == text.substr(0, small - 1));
    }
    return 0;
}
