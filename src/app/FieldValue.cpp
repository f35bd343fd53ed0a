#include "app/FieldValue.h"

#include <charconv>
#include <cmath>
#include <string>

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
        const bool exponentNegative = number.find("e-") != std::string::npos;
        const double magnitude = exponentNegative ? 0.0 : HUGE_VAL;
        return number.front() == '-' ? -magnitude : magnitude;
    }
    return value;
}

double amountCents(QStringView dollars, QStringView cents)
{
    return std::floor(fieldValue(dollars) * 100 + fieldValue(cents));
}

} // namespace tallyra
