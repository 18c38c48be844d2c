#include "brick_collection.h"

#include <algorithm>

bool BrickCollection::Contains(const Brick& brick) const
{
    return std::any_of(bricks.begin(), bricks.end(), [&brick](const BrickRef& held) { return held.get() == &brick; });
}

const Brick* BrickCollection::FindByIndex(int index) const
{
    const auto found
        = std::find_if(bricks.begin(), bricks.end(), [index](const BrickRef& held) { return held->Index == index; });
    return found == bricks.end() ? nullptr : found->get();
}

void BrickCollection::RemoveIf(const std::function<bool(const Brick&)>& condition)
{
    std::erase_if(bricks, [&condition](const BrickRef& held) { return condition(*held); });
}
