// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#include "common/leadingnumber.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isIgnoredBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The text with every ignored blank taken out, as UTF-16 code units.
std::u16string withoutBlanks(QStringView text)
{
    std::u16string out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (!isIgnoredBlank(c))
            out.push_back(c.unicode());
    }
    return out;
}

double radixWholeNumber(const std::u16string &s, std::size_t pos, int radix)
{
    double value = 0;
    for (; pos < s.size(); ++pos) {
        const char16_t c = s[pos];
        int digit = -1;
        if (isDigit(c))
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
    }
    return value;
}

// A decimal number with optional sign, fraction and exponent (E or D).
double decimalNumber(const std::u16string &s, char16_t decimalSeparator)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) {
        negative = s[pos] == u'-';
        ++pos;
    }

    std::string digits;       // every mantissa digit, without the point
    long long pointShift = 0; // digits after the point, to scale by later
    bool sawPoint = false;
    for (; pos < s.size(); ++pos) {
        const char16_t c = s[pos];
        if (isDigit(c)) {
            digits.push_back(char(c));
            if (sawPoint)
                ++pointShift;
        } else if ((c == u'.' || c == decimalSeparator) && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
    }
    if (digits.empty())
        return 0;

    // The exponent is clamped: anything beyond this is out of range either way.
    constexpr long long exponentLimit = 100000;
    long long exponent = 0;
    if (pos < s.size() && (s[pos] == u'E' || s[pos] == u'e' || s[pos] == u'D' || s[pos] == u'd')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) {
            negativeExponent = s[pos] == u'-';
            ++pos;
        }
        for (; pos < s.size() && isDigit(s[pos]); ++pos) {
            if (exponent < exponentLimit)
                exponent = exponent * 10 + (s[pos] - u'0');
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return 0;
    digits.erase(0, firstNonZero);
    exponent -= pointShift;

    const std::string normalised = digits + 'e' + std::to_string(exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range) {
        // Magnitude decides: the decimal exponent of the leading digit.
        const long long magnitude = exponent + static_cast<long long>(digits.size());
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double leadingNumber(QStringView text, QChar decimalSeparator)
{
    const std::u16string s = withoutBlanks(text);
    double value = 0;
    if (s.size() >= 2 && s[0] == u'&' && (s[1] == u'H' || s[1] == u'h'))
        value = radixWholeNumber(s, 2, 16);
    else if (s.size() >= 2 && s[0] == u'&' && (s[1] == u'O' || s[1] == u'o'))
        value = radixWholeNumber(s, 2, 8);
    else
        value = decimalNumber(s, decimalSeparator.unicode());
    // No negative zero: "-0" is just 0.
    return value == 0 ? 0.0 : value;
}
