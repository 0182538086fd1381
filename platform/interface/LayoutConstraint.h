#pragma once

#include <QObject>
#include <QPointer>

#include <QLayout>

namespace NequoraUI::platform {

// A constraint-like handle on one edge margin of a layout: its constant is the distance, in
// pixels, between the layout's edge and the items it arranges on that side. The constant is
// kept at full precision; the layout gets it rounded to whole pixels.
class LayoutConstraint : public QObject
{
    Q_OBJECT

public:
    enum class Edge
    {
        Left,
        Top,
        Right,
        Bottom
    };

    // Starts from the layout's current margin on that edge.
    LayoutConstraint(QLayout *layout, Edge edge, QObject *parent = nullptr);

    qreal constant() const { return m_constant; }
    // Moves the layout's margin; once the layout is gone only the stored constant changes.
    void setConstant(qreal constant);

    QLayout *layout() const { return m_layout; }
    Edge edge() const { return m_edge; }

private:
    QPointer<QLayout> m_layout;
    Edge m_edge;
    qreal m_constant = 0.0;
};

} // namespace NequoraUI::platform
