// Locale-independent number texts for the counter, the clock and the dialogs.
#include "numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// One character of UTF-8 text with full-width forms (U+FF01 to U+FF5E)
// folded to ASCII; anything else that is not ASCII becomes a byte that
// ends a number.
std::string foldFullWidth(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // U+FF01..U+FF5E is EF BC 81..EF BC BF and EF BD 80..EF BD 9E.
        if (byte == 0xEF && i + 2 < text.size()) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            const auto third = static_cast<unsigned char>(text[i + 2]);
            int codePoint = -1;
            if (second == 0xBC && third >= 0x81 && third <= 0xBF)
                codePoint = 0xFF00 + (third - 0x80);
            else if (second == 0xBD && third >= 0x80 && third <= 0x9E)
                codePoint = 0xFF40 + (third - 0x80);
            if (codePoint >= 0) {
                folded.push_back(char(codePoint - 0xFEE0));
                i += 2;
                continue;
            }
        }
        folded.push_back(byte < 0x80 ? char(byte) : '\x7f');
    }
    return folded;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// For a decimal number out of double's range: true when it is too large
// (it reads as infinity), false when too small (it reads as 0), as strtod has it.
bool isHugeNumber(std::string_view number)
{
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::size_t j = e + 1;
        const bool negative = j < number.size() && number[j] == '-';
        if (j < number.size() && (number[j] == '+' || number[j] == '-'))
            ++j;
        for (; j < number.size(); ++j)
            exponent = std::min(exponent * 10 + (number[j] - '0'), 100000L);
        if (negative)
            exponent = -exponent;
    }
    // The decimal order of the first significant digit.
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t significant = mantissa.find_first_of("123456789");
    if (significant == std::string_view::npos)
        return false;
    const long order = significant < point ? long(point - significant) - 1 : -long(significant - point);
    return order + exponent > 0;
}

} // namespace

double textToNumber(std::string_view text)
{
    const std::string s = foldFullWidth(text);
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;

    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }

    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;

    // An exponent counts only when digits follow it.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }

    double value = 0.0;
    const char* first = s.data() + start;
    const char* last = s.data() + i;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        value = isHugeNumber(std::string_view(first, std::size_t(last - first)))
            ? std::numeric_limits<double>::infinity()
            : 0.0;
    } else if (error != std::errc() || end != last) {
        return 0.0;
    }
    return negative ? -value : value;
}

std::string numberToText(double number)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 13);
    if (result.ec != std::errc())
        return "0";
    return std::string(buffer, result.ptr);
}

std::int16_t truncateToInt16(double number)
{
    if (std::isnan(number))
        return 0;
    const double truncated = std::trunc(number);
    if (truncated <= double(std::numeric_limits<std::int16_t>::min()))
        return std::numeric_limits<std::int16_t>::min();
    if (truncated >= double(std::numeric_limits<std::int16_t>::max()))
        return std::numeric_limits<std::int16_t>::max();
    return std::int16_t(truncated);
}
