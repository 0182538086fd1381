#include "LiveValueView.h"

#include "platform/DisplayLink.h"

namespace NequoraUI {

LiveValueView::LiveValueView(const QString &title, TextReader reader, QWidget *parent)
    : ValueLabelView(title, reader ? reader() : QString(), parent), reader(std::move(reader))
{
    m_displayLink = new platform::DisplayLink(this, "updateData", this);
    // A reading that changes every frame keeps its room: its title never jumps, and a digit
    // more or less lays nothing out again.
    setValueHoldsWidestWidth(true);
}

LiveValueView::~LiveValueView()
{
    if (m_displayLink)
        m_displayLink->invalidate();
}

void LiveValueView::updateData()
{
    if (reader)
        setStringValue(reader());
}

// Scheduled only while shown, so folded sections and hidden pages cost no frames.
void LiveValueView::showEvent(QShowEvent *event)
{
    ValueLabelView::showEvent(event);
    updateData();
    m_displayLink->addToRunLoop();
}

void LiveValueView::hideEvent(QHideEvent *event)
{
    m_displayLink->removeFromRunLoop();
    ValueLabelView::hideEvent(event);
}

} // namespace NequoraUI
