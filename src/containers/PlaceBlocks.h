#pragma once

#include <QPointer>
#include <vector>

class QVBoxLayout;
class QWidget;

namespace NequoraUI {

// The blocks that hold a stack's places, a few dozen to a block rather than all side by side:
// Qt walks the later siblings of every repainted widget's ancestors, which over a thousand
// places costs more than painting a changed row. A block with no place shown hides, so it
// adds no spacing of its own.
class PlaceBlocks
{
public:
    static constexpr int placesPerBlock = 32;

    // Puts holder at the end of stack, in the last block while it has room.
    void add(QVBoxLayout *stack, QWidget *holder);
    // Shows or hides the block holding place after the place was shown or hidden.
    static void syncShown(QWidget *block);
    void syncAllShown();
    // Lays out now each shown block whose places changed; true when any was. Qt then tells the
    // stack of that block's new size itself: telling it of every block would lay the whole
    // stack out again and post one more layout request each time the blocks settle.
    bool activate();
    // Puts each shown block's places inside the block's current rectangle.
    void placeInBlocks();

private:
    std::vector<QPointer<QWidget>> m_blocks;
    int m_inLast = 0;
};

} // namespace NequoraUI
