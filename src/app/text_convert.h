#pragma once
// The toolkit's text-to-number conversions as operators know them from edit boxes.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ztmca {

// Optional blanks, optional sign, digits with at most one decimal separator (at least one
// digit), an optional exponent "E"/"e" with optional sign and digits, optional blanks. The
// separator is the system's, as formatted output writes it ("1000,0" where the comma is used).
bool TryStrToFloat(std::string_view text, double& value);
bool TryStrToFloat(std::string_view text, double& value, char decimalSeparator);
// Optional leading blanks, optional sign, decimal digits; the value must fit 32 bits.
bool TryStrToInt(std::string_view text, std::int32_t& value);

// The conversion error that the window's general error report shows.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
double StrToFloat(std::string_view text);        // throws ConversionError
std::int32_t StrToInt(std::string_view text);    // throws ConversionError

// printf-style formatting into a std::string, for texts outside the redraw.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace ztmca
