#include "deal_sequence.h"

#include "platform/random.h"

#include <cmath>

std::uint64_t DealSequence::RandomNumber(Random& random)
{
    random.Reseed();
    return 1 + static_cast<std::uint64_t>(std::floor(random.Next() * static_cast<double>(LargestNumber)));
}

int DealSequence::Draw(int bound)
{
    state += Random::Golden;
    const std::uint64_t upper = Random::Mix(state) >> 32U;
    return static_cast<int>(upper * static_cast<std::uint64_t>(bound) >> 32U);
}
