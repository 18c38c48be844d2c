#include "brick.h"

BrickRef Brick::Clone() const
{
    auto copy = std::make_shared<Brick>();
    copy->Picture = Picture;
    copy->DownPicture = DownPicture;
    copy->Index = Index;
    copy->Left = Left;
    copy->Top = Top;
    copy->XOffset = XOffset;
    copy->YOffset = YOffset;
    return copy;
}
