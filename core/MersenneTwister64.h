// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 64-bit Mersenne Twister (the standard's mt19937_64: the same numbers
// from the same seed) with its state written and read the way GNU's C++
// library writes it: the 312 words, then the position in them. Our own, so
// that a saved network's generator reads back in every build: LLVM's library,
// which the browser build uses, writes a different state text.

#include <array>
#include <cstdint>
#include <istream>
#include <ostream>

namespace vantorelle {

class MersenneTwister64 {
public:
    static constexpr int Words = 312;

    MersenneTwister64() { seed(5489u); }
    explicit MersenneTwister64(std::uint64_t value) { seed(value); }

    void seed(std::uint64_t value)
    {
        x[0] = value;
        for (int i = 1; i < Words; ++i)
            x[i] = 6364136223846793005ULL * (x[i - 1] ^ (x[i - 1] >> 62)) + static_cast<std::uint64_t>(i);
        p = Words;
    }

    std::uint64_t operator()()
    {
        if (p >= Words)
            Twist();
        std::uint64_t z = x[p++];
        z ^= (z >> 29) & 0x5555555555555555ULL;
        z ^= (z << 17) & 0x71d67fffeda60000ULL;
        z ^= (z << 37) & 0xfff7eee000000000ULL;
        z ^= z >> 43;
        return z;
    }

    friend std::ostream& operator<<(std::ostream& out, const MersenneTwister64& g)
    {
        for (int i = 0; i < Words; ++i)
            out << g.x[i] << ' ';
        return out << g.p;
    }

    // A text that is not a state sets failbit and leaves the generator as it was.
    friend std::istream& operator>>(std::istream& in, MersenneTwister64& g)
    {
        MersenneTwister64 read;
        for (int i = 0; i < Words; ++i)
            in >> read.x[i];
        in >> read.p;
        if (in && read.p > Words)
            in.setstate(std::ios::failbit);
        if (in)
            g = read;
        return in;
    }

private:
    static constexpr int Middle = 156;
    static constexpr std::uint64_t Upper = ~std::uint64_t{0} << 31;
    static constexpr std::uint64_t Lower = ~Upper;
    static constexpr std::uint64_t Matrix = 0xb5026f5aa96619e9ULL;

    static std::uint64_t Mix(std::uint64_t from, std::uint64_t upper, std::uint64_t lower)
    {
        const std::uint64_t y = (upper & Upper) | (lower & Lower);
        return from ^ (y >> 1) ^ ((y & 1) ? Matrix : 0);
    }

    void Twist()
    {
        for (int k = 0; k < Words - Middle; ++k)
            x[k] = Mix(x[k + Middle], x[k], x[k + 1]);
        for (int k = Words - Middle; k < Words - 1; ++k)
            x[k] = Mix(x[k + Middle - Words], x[k], x[k + 1]);
        x[Words - 1] = Mix(x[Middle - 1], x[Words - 1], x[0]);
        p = 0;
    }

    std::array<std::uint64_t, Words> x{};
    int p = Words;
};

}  // namespace vantorelle
