#pragma once
// Exact fixed-point amounts. The host counts every amount in ten-thousandths of the currency unit
// as a signed 64-bit integer (a scaled value); CAmount holds it in sign-magnitude form. Nothing
// here rounds, multiplies or divides amounts.

#include <cstdint>

namespace ferrolin {

// Raised by the sum operator when its result reaches 10^18 ten-thousandths in magnitude.
struct CAmountOverflow {
    int payload = -1;
};

class CAmount {
public:
    CAmount() = default;
    explicit CAmount(std::int64_t scaled);  // Normalize
    CAmount(const CAmount&) = default;
    CAmount& operator=(const CAmount&) = default;
    virtual ~CAmount() = default;

    CAmount& operator+=(const CAmount& other);  // unchecked
    std::int64_t ToScaled() const;

    std::int64_t m_whole = 0;     // whole units of the magnitude, never negative
    std::int32_t m_fraction = 0;  // ten-thousandths of the magnitude, 0 to 9999
    std::int16_t m_sign = 1;      // +1 or -1; +1 for zero
};

// Checked: throws CAmountOverflow when |a + b| >= 10^18.
CAmount operator+(const CAmount& a, const CAmount& b);
CAmount operator-(const CAmount& a, const CAmount& b);     // unchecked
CAmount operator+(std::int64_t scaled, const CAmount& b);  // unchecked

}  // namespace ferrolin
