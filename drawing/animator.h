#ifndef DRAWING_ANIMATOR_H
#define DRAWING_ANIMATOR_H

#include "board/brick.h"

class BoardPainter;
class BrickCollection;
class Ticks;

// Carries the bricks of a collapse from their old cells to their new ones on screen,
// one cell per stage at a constant 0.32 pixels per millisecond, whatever the frame rate.
class Animator {
public:
    Animator(BoardPainter& painter, Ticks& ticks) : painter(painter), ticks(ticks) {}

    // Both empty the collection as the bricks arrive.
    void AnimateFall(BrickCollection& bricks);
    void AnimateSlide(BrickCollection& bricks);
    // The fall, then the slide; with less motion, as the desktop may ask, both end at once in one frame.
    void AnimateCollapse(BrickCollection& fall, BrickCollection& slide);
    void ReduceMotion(bool on) { reduced = on; }

private:
    void Animate(BrickCollection& bricks, float Brick::*coordinate, int direction, std::int32_t Brick::*offset);
    void RunStage(BrickCollection& bricks, float Brick::*coordinate, int direction);

    BoardPainter& painter;
    Ticks& ticks;
    bool reduced = false;
};

#endif
