#include "app/text_convert.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <clocale>
#include <limits>

namespace ztmca {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The separator that the C library's conversions use in the locale the program runs in.
char LocaleDecimalPoint() {
    const char* point = std::localeconv()->decimal_point;
    return point != nullptr && point[0] != '\0' ? point[0] : '.';
}

}  // namespace

bool TryStrToFloat(std::string_view text, double& value) { return TryStrToFloat(text, value, LocaleDecimalPoint()); }

bool TryStrToFloat(std::string_view text, double& value, char decimalSeparator) {
    std::size_t i = 0, n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    while (n > i && IsBlank(text[n - 1])) --n;
    const std::size_t begin = i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    int digits = 0;
    while (i < n && IsDigit(text[i])) { ++i; ++digits; }
    std::size_t point = std::string_view::npos;
    if (i < n && text[i] == decimalSeparator) {
        point = i++;
        while (i < n && IsDigit(text[i])) { ++i; ++digits; }
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        int expDigits = 0;
        while (i < n && IsDigit(text[i])) { ++i; ++expDigits; }
        if (expDigits == 0) return false;
    }
    if (i != n) return false;
    std::string copy(text.substr(begin, n - begin));
    if (point != std::string_view::npos) copy[point - begin] = LocaleDecimalPoint();
    char* end = nullptr;
    const double v = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size()) return false;
    if (!(v == v) || v > std::numeric_limits<double>::max() || v < -std::numeric_limits<double>::max()) return false;
    value = v;
    return true;
}

bool TryStrToInt(std::string_view text, std::int32_t& value) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == n) return false;
    std::int64_t v = 0;
    for (; i < n; ++i) {
        if (!IsDigit(text[i])) return false;
        v = v * 10 + (text[i] - '0');
        if (v > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1) return false;
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max()) return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

double StrToFloat(std::string_view text) {
    double v = 0;
    if (!TryStrToFloat(text, v)) throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
    return v;
}

std::int32_t StrToInt(std::string_view text) {
    std::int32_t v = 0;
    if (!TryStrToInt(text, v)) throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
    return v;
}

std::string Format(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < sizeof buffer) return std::string(buffer, static_cast<std::size_t>(n));
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    va_start(args, format);
    std::vsnprintf(out.data(), out.size(), format, args);
    va_end(args);
    out.resize(static_cast<std::size_t>(n));
    return out;
}

}  // namespace ztmca
