#include "LayoutConstraint.h"

#include <QLayout>
#include <cmath>
#include <limits>

namespace NequoraUI::platform {

namespace {

int marginOn(const QMargins &margins, LayoutConstraint::Edge edge)
{
    switch (edge) {
    case LayoutConstraint::Edge::Left:
        return margins.left();
    case LayoutConstraint::Edge::Top:
        return margins.top();
    case LayoutConstraint::Edge::Right:
        return margins.right();
    case LayoutConstraint::Edge::Bottom:
        break;
    }
    return margins.bottom();
}

void setMarginOn(QMargins &margins, LayoutConstraint::Edge edge, int margin)
{
    switch (edge) {
    case LayoutConstraint::Edge::Left:
        margins.setLeft(margin);
        return;
    case LayoutConstraint::Edge::Top:
        margins.setTop(margin);
        return;
    case LayoutConstraint::Edge::Right:
        margins.setRight(margin);
        return;
    case LayoutConstraint::Edge::Bottom:
        margins.setBottom(margin);
        return;
    }
}

// Layout margins are whole, non-negative pixels; anything else the caller passes must not turn
// into undefined behaviour on the way there.
int toMargin(qreal constant)
{
    if (!(constant > 0.0))
        return 0;
    if (constant >= qreal(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(std::lround(constant));
}

} // namespace

LayoutConstraint::LayoutConstraint(QLayout *layout, Edge edge, QObject *parent)
    : QObject(parent), m_layout(layout), m_edge(edge)
{
    if (layout)
        m_constant = marginOn(layout->contentsMargins(), edge);
}

void LayoutConstraint::setConstant(qreal constant)
{
    m_constant = constant;
    if (!m_layout)
        return;
    QMargins margins = m_layout->contentsMargins();
    setMarginOn(margins, m_edge, toMargin(constant));
    m_layout->setContentsMargins(margins);
}

} // namespace NequoraUI::platform
