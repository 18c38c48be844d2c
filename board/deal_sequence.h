#ifndef BOARD_DEAL_SEQUENCE_H
#define BOARD_DEAL_SEQUENCE_H

#include <cstdint>

class Random;

// The draws that deal the board of a number, the same on every machine and in every version: the number is the
// state of a SplitMix64 generator, and a draw below `bound` is the upper half of the next value, times the bound,
// cut to its upper half. The README writes it down, and a test pins it.
class DealSequence {
public:
    // Deals are numbered from 1 to this, ten digits at most.
    static constexpr std::uint64_t LargestNumber = 9'999'999'999;

    // A number from the clock-seeded source, for a deal at random.
    [[nodiscard]] static std::uint64_t RandomNumber(Random& random);

    explicit DealSequence(std::uint64_t number) : state(number) {}
    // From 0 to bound - 1.
    [[nodiscard]] int Draw(int bound);

private:
    std::uint64_t state;
};

#endif
