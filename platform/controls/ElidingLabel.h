#pragma once

#include <QLabel>

namespace NequoraUI::platform {

// A one-line label that never makes its row wider than the row can be: a text too long for
// the width is drawn cut with an ellipsis, and the whole text becomes the tooltip. text() and
// the accessible name always hold the whole text.
class ElidingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidingLabel(QWidget *parent = nullptr);

    // The text as drawn at the current width.
    QString shownText() const;
    bool isElided() const { return shownText() != text(); }

    // Room for the ellipsis alone; the size hint still asks for the whole text.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateToolTip();

    // The tooltip this label set itself, so one a host set is left alone.
    QString m_ownToolTip;
};

} // namespace NequoraUI::platform
