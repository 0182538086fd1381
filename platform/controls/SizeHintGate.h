#pragma once

#include "PassedOn.h"

#include <QPointer>
#include <QWidget>

namespace NequoraUI::platform {

// Holds one child at its full size and answers for it to the parent's layout with the child's
// own size hints and policy. A child's new text, font or content asks for layout; this passes
// the request on only when the child's hints changed. A label whose value changes every frame
// but keeps its width then lays out nothing around it, and costs only its own repaint.
class SizeHintGate : public QWidget
{
    Q_OBJECT

public:
    explicit SizeHintGate(QWidget *parent = nullptr);

    // Takes child over as its one child. A child in the parent's layout is first replaced there
    // by this view (QLayout::replaceWidget), since leaving its parent takes it out of the layout.
    void setChild(QWidget *child);
    QWidget *child() const { return m_child; }

    // Asks for the widest width the child has asked for since it was last shown or got another
    // font, not less: a value that changes often (a meter going from -9.9 to -10.0 dB and back)
    // then neither moves what stands beside it nor lays the screen out again each time.
    void setHoldsWidestWidth(bool holds);
    bool holdsWidestWidth() const { return m_holdsWidestWidth; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // What the parent's layout reads of this view, as last passed on.
    struct Hints
    {
        QSize size;
        QSize minimumSize;
        QSizePolicy policy;
        bool operator==(const Hints &) const = default;
    };
    Hints currentHints() const;
    void passOnIfChanged();
    void placeChild();

    QPointer<QWidget> m_child;
    bool m_holdsWidestWidth = false;
    mutable int m_widestWidth = 0;
    // Empty until the first request, which is always passed on. Read live, never stored for
    // the parent: the hints the parent reads are always the child's current ones.
    PassedOn<Hints> m_passedHints;
};

} // namespace NequoraUI::platform
