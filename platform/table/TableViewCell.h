#pragma once

#include "PaletteColors.h"

#include <QString>
#include <QWidget>

class QLabel;

namespace NequoraUI::platform {

// One row of a table: a row in the palette's base colour with a text label (in the palette's
// text colour unless set) and a thin separator at its bottom edge, grey while pressed or
// selected and faintly grey under the mouse.
// Cells are reused: a cell that leaves the visible area waits in its table's reuse pool under
// its reuse identifier until it is dequeued for another row.
class TableViewCell : public QWidget
{
    Q_OBJECT

public:
    explicit TableViewCell(QWidget *parent = nullptr);

    // Text, alignment and colour are the caller's to set; a reused cell keeps them.
    QLabel *textLabel() const;
    // The label's text colour, held in its palette.
    void setTextColor(const QColor &color);
    QColor textColor() const;

    QString reuseIdentifier() const;

    bool isSelected() const;
    void setSelected(bool selected);
    // Pressed and not yet released: drawn like a selected row, so a tap shows at once.
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted);

    // Called when the cell is taken from the reuse pool, before it is configured for its new
    // row. Clears the selection; subclasses reset state of their own here.
    virtual void prepareForReuse();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class TableViewCellPool;

    QLabel *m_textLabel = nullptr;
    QString m_reuseIdentifier;
    bool m_selected = false;
    bool m_highlighted = false;
    PaletteColors m_colors;
};

} // namespace NequoraUI::platform
