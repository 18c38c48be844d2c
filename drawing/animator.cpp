#include "animator.h"

#include "board/brick_collection.h"
#include "board/geometry.h"
#include "board_painter.h"
#include "platform/ticks.h"

#include <cmath>

namespace {
constexpr double PixelsPerMillisecond = 32.0 / 100.0;
} // namespace

void Animator::AnimateFall(BrickCollection& bricks)
{
    Animate(bricks, &Brick::Top, +1, &Brick::YOffset);
}

void Animator::AnimateSlide(BrickCollection& bricks)
{
    Animate(bricks, &Brick::Left, -1, &Brick::XOffset);
}

void Animator::AnimateCollapse(BrickCollection& fall, BrickCollection& slide)
{
    if (!reduced) {
        AnimateFall(fall);
        AnimateSlide(slide);
        return;
    }
    // Every moving brick erased where it stands before any is drawn where the rules put it.
    painter.EraseBricks(fall);
    painter.EraseBricks(slide);
    for (const BrickRef& brick : fall) brick->Top += static_cast<float>(CellSize * brick->YOffset);
    for (const BrickRef& brick : slide) brick->Left -= static_cast<float>(CellSize * brick->XOffset);
    painter.PaintBricks(fall, false);
    painter.PaintBricks(slide, false);
    painter.ShowBuffer();
}

void Animator::Animate(BrickCollection& bricks, float Brick::*coordinate, int direction, std::int32_t Brick::*offset)
{
    // Emptiness is tested only after a stage, so even an empty collection takes one
    // stage: every move shows its fall and its slide for the same minimum time.
    for (std::int32_t stage = 1;; ++stage) {
        RunStage(bricks, coordinate, direction);
        bricks.RemoveIf([stage, offset](const Brick& brick) { return brick.*offset == stage; });
        if (bricks.IsEmpty()) return;
    }
}

void Animator::RunStage(BrickCollection& bricks, float Brick::*coordinate, int direction)
{
    const std::uint32_t start = ticks.GetTickCount();
    std::int32_t covered = 0;
    while (covered < CellSize) {
        ticks.Sleep(1);
        // Unsigned subtraction stays right across the counter's wrap.
        const std::uint32_t elapsed = ticks.GetTickCount() - start;
        const auto due = static_cast<std::int32_t>(std::nearbyint(elapsed * PixelsPerMillisecond));
        if (due <= covered) continue;
        // However late a sample comes, a stage moves exactly one cell.
        const std::int32_t step = std::min(due, CellSize) - covered;
        painter.EraseBricks(bricks);
        for (const BrickRef& brick : bricks) {
            (*brick).*coordinate += static_cast<float>(direction * step);
        }
        covered = due;
        painter.PaintBricks(bricks, false);
        painter.ShowBuffer();
    }
}
