#pragma once

#include <QLabel>

namespace NequoraUI::platform {

// A section header of a plain table: grey band, small semibold capitals in the secondary
// label colour. The text is the title as given; only the drawing capitalises it.
class TableViewHeaderView : public QLabel
{
    Q_OBJECT

public:
    explicit TableViewHeaderView(QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    // The text's grey is derived from the palette's text, base and window, never from the
    // text colour it sets itself, so setting it again settles at once.
    void applyTextColor();
};

} // namespace NequoraUI::platform
