#ifndef TESTS_BOARD_TEXT_H
#define TESTS_BOARD_TEXT_H

// Boards written as text: one letter per colour, '.' for an empty cell, one line per row
// from the top. The board tests never link the drawing side, so a picture here is just
// its letter; colour identity is still the identity of the picture object.

#include "board/game_board.h"

#include <QStringList>

#include <map>
#include <memory>

class BrickPicture {
public:
    char letter;
};

// One shared picture object per letter, so equal letters mean the same colour.
inline PictureRef PictureOf(char letter)
{
    static std::map<char, PictureRef> pictures;
    PictureRef& picture = pictures[letter];
    if (!picture) picture = std::make_shared<const BrickPicture>(BrickPicture{letter});
    return picture;
}

// Colours 1 to 5 are 'a' to 'e', their pressed looks (slots 6 to 10) 'A' to 'E'.
inline PictureSlots LetterSlots()
{
    PictureSlots images;
    for (int slot = 1; slot <= 2 * ColourCount; ++slot) images[slot] = PictureOf(" abcdeABCDE"[slot]);
    return images;
}

// A brick at rest in its cell.
inline BrickRef MakeBrick(char letter, int index)
{
    auto brick = std::make_shared<Brick>();
    brick->Index = index;
    brick->Picture = PictureOf(letter);
    brick->DownPicture = PictureOf(static_cast<char>(letter - 'a' + 'A'));
    brick->Left = static_cast<float>(index % BoardColumns * CellSize);
    brick->Top = static_cast<float>(index / BoardColumns * CellSize);
    return brick;
}

// Rows are placed from firstRow down; cells not written stay empty.
inline Cells CellsFromRows(const QStringList& rows, int firstRow = 0)
{
    Cells cells{};
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            const int index = (firstRow + row) * BoardColumns + column;
            if (rows[row][column] != '.') cells[index] = MakeBrick(rows[row][column].toLatin1(), index);
        }
    }
    return cells;
}

// A brick that does not know its own cell shows as '!'.
inline QString ToText(const Cells& cells)
{
    QString text;
    for (int i = 0; i < CellCount; ++i) {
        if (i % BoardColumns == 0) text += '\n';
        const BrickRef& brick = cells[i];
        text += !brick ? '.' : brick->Index != i ? '!' : brick->Picture->letter;
    }
    return text;
}

#endif
