// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/FieldValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace tallyra {

namespace {

bool isSkipped(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int digitValue(char16_t c)
{
    if (isDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return 99;
}

double wholeNumber(const std::u16string &text, size_t from, int base)
{
    double value = 0;
    for (size_t i = from; i < text.size() && digitValue(text[i]) < base; ++i)
        value = value * base + digitValue(text[i]);
    return value;
}

// Copies the longest decimal number at the start of the text into `number`, in the form
// std::from_chars reads (no leading "+", exponent letter "e").
std::string decimalPrefix(const std::u16string &text)
{
    std::string number;
    size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    bool digits = false;
    for (; i < text.size() && isDigit(text[i]); ++i, digits = true)
        number += char(text[i]);
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i, digits = true)
            number += char(text[i]);
    }
    if (!digits)
        return {};
    if (i < text.size() &&
        (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++]);
        const size_t firstDigit = j;
        for (; j < text.size() && isDigit(text[j]); ++j)
            exponent += char(text[j]);
        if (j > firstDigit)
            number += exponent;
    }
    return number;
}

// The power of ten of a decimal number's first significant digit, as decimalPrefix spells it.
// std::from_chars reports a number beyond a double's range the same way whether it is too
// large or too small, and only this tells which.
long long leadingPowerOfTen(std::string_view number)
{
    const size_t exponentAt = number.find('e');
    const std::string_view mantissa = number.substr(0, exponentAt);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return 0;
    long long power = first < point ? (long long)(point - first) - 1 : -(long long)(first - point);
    if (exponentAt == std::string_view::npos)
        return power;
    size_t i = exponentAt + 1;
    const bool negative = number[i] == '-';
    if (number[i] == '+' || negative)
        ++i;
    // No text is long enough for its digits to outweigh an exponent this large.
    constexpr long long Largest = 1'000'000'000'000'000;
    long long exponent = 0;
    for (; i < number.size(); ++i)
        exponent = std::min(exponent * 10 + (number[i] - '0'), Largest);
    return power + (negative ? -exponent : exponent);
}

} // namespace

double fieldValue(QStringView text)
{
    std::u16string kept;
    kept.reserve(size_t(text.size()));
    for (QChar c : text) {
        if (!isSkipped(c))
            kept += c.unicode();
    }
    if (kept.size() >= 2 && kept[0] == u'&') {
        if (kept[1] == u'H' || kept[1] == u'h')
            return wholeNumber(kept, 2, 16);
        if (kept[1] == u'O' || kept[1] == u'o')
            return wholeNumber(kept, 2, 8);
    }
    const std::string number = decimalPrefix(kept);
    if (number.empty())
        return 0;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large (or too small) for a double: the sign is all that is left of it.
        const double magnitude = leadingPowerOfTen(number) > 0 ? HUGE_VAL : 0.0;
        return number.front() == '-' ? -magnitude : magnitude;
    }
    return value;
}

double amountCents(QStringView dollars, QStringView cents)
{
    const double dollarCents = fieldValue(dollars) * 100;
    const double centsValue = fieldValue(cents);
    // Infinite both ways the sum has no value (NaN); the dollars, counted a hundred times over,
    // are what the amount is made of.
    if (std::isinf(dollarCents) && std::isinf(centsValue))
        return dollarCents;
    return std::floor(dollarCents + centsValue);
}

} // namespace tallyra
