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
};

} // namespace NequoraUI::platform
