#ifndef BOARD_BRICK_COLLECTION_H
#define BOARD_BRICK_COLLECTION_H

#include "brick.h"

#include <cstddef>
#include <functional>
#include <vector>

// An ordered list of brick references: kept in insertion order, searched by scanning.
// Groups, the selection and the collapse lists are all of this kind; their order is
// what drawing, erasing and removal follow.
class BrickCollection {
public:
    void Add(BrickRef brick) { bricks.push_back(std::move(brick)); }
    [[nodiscard]] bool Contains(const Brick& brick) const;
    [[nodiscard]] const Brick* FindByIndex(int index) const;
    void RemoveIf(const std::function<bool(const Brick&)>& condition);

    [[nodiscard]] std::size_t Count() const { return bricks.size(); }
    [[nodiscard]] bool IsEmpty() const { return bricks.empty(); }
    [[nodiscard]] const BrickRef& operator[](std::size_t position) const { return bricks[position]; }

    [[nodiscard]] auto begin() const { return bricks.begin(); }
    [[nodiscard]] auto end() const { return bricks.end(); }

private:
    std::vector<BrickRef> bricks;
};

#endif
