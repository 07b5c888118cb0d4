#include "aggregation/amounts/Amount.h"

namespace ferrolin {
namespace {

constexpr std::int64_t kScale = 10000;
constexpr std::int64_t kOverflowLimit = 1'000'000'000'000'000'000;  // 10^18 ten-thousandths

// 64-bit two's-complement arithmetic, as the host's amounts wrap; only the sum operator checks.
std::int64_t WrappingAdd(std::int64_t a, std::int64_t b) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) + static_cast<std::uint64_t>(b));
}
std::int64_t WrappingSub(std::int64_t a, std::int64_t b) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b));
}

}  // namespace

CAmount::CAmount(std::int64_t scaled) {
    m_sign = scaled < 0 ? -1 : 1;
    // The magnitude as unsigned, so that the most negative value has one too.
    const std::uint64_t magnitude =
        scaled < 0 ? 0u - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    m_whole = static_cast<std::int64_t>(magnitude / kScale);
    m_fraction = static_cast<std::int32_t>(magnitude % kScale);
}

std::int64_t CAmount::ToScaled() const {
    const std::uint64_t magnitude =
        static_cast<std::uint64_t>(m_whole) * kScale + static_cast<std::uint64_t>(m_fraction);
    return static_cast<std::int64_t>(m_sign < 0 ? 0u - magnitude : magnitude);
}

CAmount& CAmount::operator+=(const CAmount& other) {
    *this = CAmount(WrappingAdd(ToScaled(), other.ToScaled()));
    return *this;
}

CAmount operator+(const CAmount& a, const CAmount& b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.ToScaled(), b.ToScaled(), &sum) || sum >= kOverflowLimit ||
        sum <= -kOverflowLimit) {
        throw CAmountOverflow{};
    }
    return CAmount(sum);
}

CAmount operator-(const CAmount& a, const CAmount& b) {
    return CAmount(WrappingSub(a.ToScaled(), b.ToScaled()));
}

CAmount operator+(std::int64_t scaled, const CAmount& b) {
    return CAmount(WrappingAdd(scaled, b.ToScaled()));
}

}  // namespace ferrolin
