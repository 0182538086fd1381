#pragma once

#include "platform/DisplayLink.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <vector>

class QScrollArea;
class QWidget;

namespace NequoraUI {

class VStackViewController;

// Makes the rows of a generated screen follow their parameters: once per display frame, each
// bound row the user can see shows the engine's current value (ParameterBinding::follow).
// Only rows inside the scroll area's viewport are read; folded, filtered and scrolled-away
// rows cost nothing, and nothing runs while the screen is hidden.
class ParameterFollower : public QObject
{
    Q_OBJECT

public:
    // Follows the sections of stack as they are made; scrollArea shows them.
    ParameterFollower(VStackViewController *stack, QScrollArea *scrollArea,
                      QObject *parent = nullptr);
    ~ParameterFollower() override;

    platform::DisplayLink *displayLink() const { return m_displayLink; }
    // Rows read on the last frame.
    int followedRowCount() const { return m_followed; }

public slots:
    void followVisibleRows();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addSection(int index, QWidget *section);
    // The bound rows below parent, in their order; a row's own widgets are not searched.
    static void addBoundRows(const QObject *parent, std::vector<QPointer<QWidget>> &rows);

    struct Section
    {
        QPointer<QWidget> widget;
        // Each row keeps its binding: a deleted row takes it along.
        std::vector<QPointer<QWidget>> rows;
    };

    // A widget pointer: the event filter compares it while the scroll area is being destroyed.
    QPointer<QWidget> m_scrollArea;
    std::vector<Section> m_sections;
    QPointer<platform::DisplayLink> m_displayLink;
    int m_followed = 0;
};

} // namespace NequoraUI
