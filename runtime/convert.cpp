// convert.cpp: the text-number conversions and the random sequence.
#include "convert.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace ormal {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Length of the decimal number at the start of text (sign, digits, fraction, exponent), 0 if
// none. Parsing is done by hand so that the locale can never change the meaning of a counter.
std::size_t numberLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    return i;
}

double parse(std::string_view number) {
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    double value = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        return (!number.empty() && number.front() == '-') ? -HUGE_VAL : HUGE_VAL;
    }
    (void)end;
    return value;
}

}  // namespace

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error("the text \"" + std::string(text) + "\" is not a number") {}

double Num(std::string_view text) {
    std::string_view rest = text;
    while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
    while (!rest.empty() && isBlank(rest.back())) rest.remove_suffix(1);
    std::size_t length = numberLength(rest);
    if (length == 0 || length != rest.size()) throw ConversionError(text);
    return parse(rest);
}

double Val(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    std::size_t length = numberLength(text);
    return length == 0 ? 0.0 : parse(text.substr(0, length));
}

std::string Str(double value) {
    if (value == 0) return "0";  // never "-0"
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
    char buffer[64];
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        auto [end, error] =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
        return std::string(buffer, end);
    }
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

double Int(double value) {
    return std::floor(value);
}

double Random::next() {
    ++draws_;
    if (script_) {
        if (scriptPos_ >= script_->size()) {
            throw std::logic_error("the scripted random sequence has run out");
        }
        return (*script_)[scriptPos_++];
    }
    state_ = (state_ * 1140671485u + 12820163u) & 0xFFFFFFu;
    // state_ < 2^24, so the quotient is exact in single precision and at most 1 - 2^-24.
    return static_cast<double>(static_cast<float>(state_) / 16777216.0f);
}

void Random::script(std::vector<double> values) {
    for (double v : values) {
        if (!(v >= 0.0 && v < 1.0)) throw std::invalid_argument("scripted values lie in [0, 1)");
    }
    script_ = std::move(values);
    scriptPos_ = 0;
}

void Random::unscript() {
    script_.reset();
    scriptPos_ = 0;
}

}  // namespace ormal
