// convert.h: the number rules of the game's counters, which are held as caption texts,
// and the one random sequence shared by the whole program.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ormal {

// Raised when a text that must denote a number does not.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(std::string_view text);
};

// The number a whole text denotes; blanks around it are allowed, anything else throws.
double Num(std::string_view text);

// The leading decimal number of a text, 0 if there is none ("12abc" -> 12, "abc" -> 0).
double Val(std::string_view text);

// Decimal text without a leading space: plain digits for whole numbers, "-" for negatives,
// the shortest round-trip form otherwise.
std::string Str(double value);

// Largest whole number not above the value.
double Int(double value);

// The program's random sequence: a 24-bit linear congruential generator with a fixed start,
// so every run draws the same series. Tests may replace it by a scripted list of values.
class Random {
  public:
    // Next value in [0, 1), single precision widened to double so that products such as
    // Rnd * 80 + 200 stay strictly below their upper bound.
    double next();

    // Replace the generator by these values, drawn in order; drawing past the end throws.
    void script(std::vector<double> values);
    // Back to the generator, continuing where it stood.
    void unscript();
    // How many values have been drawn in all.
    std::uint64_t draws() const { return draws_; }

  private:
    std::uint32_t state_ = 327680;
    std::optional<std::vector<double>> script_;
    std::size_t scriptPos_ = 0;
    std::uint64_t draws_ = 0;
};

}  // namespace ormal
