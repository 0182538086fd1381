#pragma once

#include <QLabel>

namespace NequoraUI::platform {

// A section header of a plain table: grey band, small semibold capitals in the secondary
// label colour. The text is the title as given; only the drawing capitalises it.
class TableViewHeaderView : public QLabel
{
    Q_OBJECT

public:
    // Of the font around it: the table's, or the application's.
    static constexpr qreal sizeScale = 0.85;

    explicit TableViewHeaderView(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyHeaderFont();
    // The text's grey is derived from the palette's text, base and window, never from the
    // text colour it sets itself, so setting it again settles at once.
    void applyTextColor();
};

} // namespace NequoraUI::platform
