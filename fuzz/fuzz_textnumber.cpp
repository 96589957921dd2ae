// Fuzz target: textToNumber on any bytes, checked against a second reading
// of the same syntax through strtod, and the number written back with
// numberToText and cut down with truncateToInt16.
#include "numbertext.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what, std::string_view text, double a, double b)
{
    std::fprintf(stderr, "%s: \"%.*s\" gives %.17g and %.17g\n", what, int(text.size()), text.data(), a, b);
    std::abort();
}

// Full-width forms decoded as code points and folded to ASCII; any other
// byte beyond ASCII ends the number, so it becomes a character that can't
// belong to one.
std::string foldedText(std::string_view text)
{
    std::string folded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            folded.push_back(char(lead));
            continue;
        }
        if ((lead & 0xF0) == 0xE0 && i + 2 < text.size()) {
            const auto b1 = static_cast<unsigned char>(text[i + 1]);
            const auto b2 = static_cast<unsigned char>(text[i + 2]);
            const unsigned codePoint = (lead & 0x0Fu) << 12 | (b1 & 0x3Fu) << 6 | (b2 & 0x3Fu);
            if ((b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80 && codePoint >= 0xFF01 && codePoint <= 0xFF5E) {
                folded.push_back(char(codePoint - 0xFEE0));
                i += 2;
                continue;
            }
        }
        folded.push_back('#');
    }
    return folded;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The leading decimal number by the plain grammar, converted by strtod.
double referenceNumber(std::string_view text)
{
    const std::string s = foldedText(text);
    std::size_t i = s.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string::npos)
        return 0.0;
    const std::size_t start = i;
    if (s[i] == '+' || s[i] == '-')
        ++i;
    std::size_t digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && isDigit(s[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0.0;
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
    const std::string number = s.substr(start, i - start);
    return std::strtod(number.c_str(), nullptr);
}

// Equal, or both so close to 0 that one reading keeps a subnormal the other rounds away.
bool sameReading(double a, double b)
{
    return a == b || (std::fabs(a) < 1e-300 && std::fabs(b) < 1e-300);
}

void checkWrittenBack(std::string_view text, double value)
{
    const std::int16_t cut = truncateToInt16(value);
    const double expected = std::isnan(value) ? 0.0 : std::fmin(std::fmax(std::trunc(value), -32768.0), 32767.0);
    if (double(cut) != expected)
        fail("truncateToInt16", text, value, cut);
    if (!std::isfinite(value))
        return;

    const std::string written = numberToText(value);
    if (written.empty())
        fail("numberToText gave nothing", text, value, 0);
    const double back = textToNumber(written);
    if (!sameReading(back, value) && std::fabs(back - value) > std::fabs(value) * 1e-12)
        fail(("numberToText wrote " + written).c_str(), text, value, back);
    if (value == std::trunc(value) && std::fabs(value) < 1e13
        && (written.find_first_of(".e") != std::string::npos || back != value))
        fail(("whole number written as " + written).c_str(), text, value, back);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = textToNumber(text);
    if (std::isnan(value))
        fail("textToNumber gave NaN", text, value, value);
    const double reference = referenceNumber(text);
    if (!sameReading(value, reference))
        fail("textToNumber differs from strtod", text, value, reference);
    checkWrittenBack(text, value);

    // The same bytes as a raw double, NaN and infinities included.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkWrittenBack("(raw double)", raw);
    }
    return 0;
}
