#include "SizeHintGate.h"

#include <QEvent>

#include <algorithm>

namespace NequoraUI::platform {

SizeHintGate::SizeHintGate(QWidget *parent) : QWidget(parent) {}

void SizeHintGate::setChild(QWidget *child)
{
    m_child = child;
    m_passedHints.forget();
    if (!m_child)
        return;
    m_child->setParent(this);
    placeChild();
    passOnIfChanged();
}

void SizeHintGate::setHoldsWidestWidth(bool holds)
{
    if (holds == m_holdsWidestWidth)
        return;
    m_holdsWidestWidth = holds;
    m_widestWidth = 0;
    updateGeometry();
}

QSize SizeHintGate::sizeHint() const
{
    if (!m_child || m_child->isHidden())
        return {0, 0};
    QSize hint = m_child->sizeHint();
    if (m_holdsWidestWidth) {
        m_widestWidth = std::max(m_widestWidth, hint.width());
        hint.setWidth(m_widestWidth);
    }
    return hint;
}

QSize SizeHintGate::minimumSizeHint() const
{
    return m_child && !m_child->isHidden() ? m_child->minimumSizeHint() : QSize(0, 0);
}

bool SizeHintGate::hasHeightForWidth() const
{
    return m_child && !m_child->isHidden() && m_child->hasHeightForWidth();
}

int SizeHintGate::heightForWidth(int width) const
{
    return hasHeightForWidth() ? m_child->heightForWidth(width) : -1;
}

SizeHintGate::Hints SizeHintGate::currentHints() const
{
    return {sizeHint(), minimumSizeHint(), m_child ? m_child->sizePolicy() : sizePolicy()};
}

void SizeHintGate::passOnIfChanged()
{
    const Hints hints = currentHints();
    if (!m_passedHints.changesTo(hints))
        return;
    if (sizePolicy() != hints.policy)
        setSizePolicy(hints.policy); // asks for layout itself
    updateGeometry();
}

bool SizeHintGate::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::LayoutRequest:
        passOnIfChanged();
        placeChild();
        break;
    // Hidden, this view gets no requests: Qt posts them only to visible widgets. A child that
    // grew meanwhile (a wider text, a polish that set a larger font) must still get its room.
    case QEvent::Show:
        m_widestWidth = 0;
        passOnIfChanged();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void SizeHintGate::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Another font measures every text anew; the widest so far says nothing of it.
    if (event->type() == QEvent::FontChange) {
        m_widestWidth = 0;
        passOnIfChanged();
    }
}

void SizeHintGate::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeChild();
}

void SizeHintGate::placeChild()
{
    if (m_child)
        m_child->setGeometry(rect());
}

} // namespace NequoraUI::platform
