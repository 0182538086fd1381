#include "SizeHintGate.h"

#include <QEvent>

namespace NequoraUI::platform {

SizeHintGate::SizeHintGate(QWidget *parent) : QWidget(parent) {}

void SizeHintGate::setChild(QWidget *child)
{
    m_child = child;
    m_passedHints.reset();
    if (!m_child)
        return;
    m_child->setParent(this);
    placeChild();
    passOnIfChanged();
}

QSize SizeHintGate::sizeHint() const
{
    return m_child && !m_child->isHidden() ? m_child->sizeHint() : QSize(0, 0);
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
    if (hints == m_passedHints)
        return;
    m_passedHints = hints;
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
        passOnIfChanged();
        break;
    default:
        break;
    }
    return QWidget::event(event);
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
