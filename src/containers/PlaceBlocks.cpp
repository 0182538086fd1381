#include "PlaceBlocks.h"

#include "LazyPlaces.h"

#include <QVBoxLayout>
#include <QWidget>

namespace NequoraUI {

void PlaceBlocks::add(QVBoxLayout *stack, QWidget *holder)
{
    if (m_blocks.empty() || !m_blocks.back() || m_inLast == placesPerBlock) {
        auto *block = new QWidget;
        LazyPlaces::markAsFrame(block);
        auto *layout = new QVBoxLayout(block);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(stack->spacing());
        stack->addWidget(block);
        m_blocks.emplace_back(block);
        m_inLast = 0;
    }
    m_blocks.back()->layout()->addWidget(holder);
    ++m_inLast;
}

void PlaceBlocks::syncShown(QWidget *block)
{
    QLayout *layout = block ? block->layout() : nullptr;
    if (!layout)
        return;
    bool shown = false;
    for (int i = 0; i < layout->count() && !shown; ++i)
        if (QWidget *place = layout->itemAt(i)->widget())
            shown = !place->isHidden();
    if (block->isHidden() == shown)
        block->setVisible(shown);
}

void PlaceBlocks::syncAllShown()
{
    for (const auto &block : m_blocks)
        syncShown(block);
}

bool PlaceBlocks::activate()
{
    bool redone = false;
    for (const auto &block : m_blocks)
        if (block && !block->isHidden())
            redone = block->layout()->activate() || redone;
    return redone;
}

void PlaceBlocks::placeInBlocks()
{
    // A block on screen was placed as it was resized; one not shown yet gets its resize event
    // only when shown.
    for (const auto &block : m_blocks)
        if (block && !block->isHidden() &&
            (!block->isVisible() || block->testAttribute(Qt::WA_PendingResizeEvent)))
            block->layout()->setGeometry(block->rect());
}

} // namespace NequoraUI
