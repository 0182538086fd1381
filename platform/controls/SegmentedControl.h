#pragma once

#include "platform/PaletteColors.h"

#include <QStringList>
#include <QWidget>

namespace NequoraUI::platform {

// A row of equal-width segments of which at most one is selected. Programmatic changes are
// silent; a user's click or arrow key that selects a different segment signals. Right to left,
// the first segment is drawn rightmost and the arrow keys follow the drawn order.
class SegmentedControl : public QWidget
{
    Q_OBJECT
    // Lets an interface file preset the segments.
    Q_PROPERTY(QStringList segmentTitles READ segmentTitles WRITE setSegmentTitles NOTIFY
                   segmentTitlesChanged)
    Q_PROPERTY(int selectedSegmentIndex READ selectedSegmentIndex WRITE setSelectedSegmentIndex
                   NOTIFY selectedSegmentIndexChanged)

public:
    static constexpr int noSegment = -1;

    explicit SegmentedControl(QWidget *parent = nullptr);

    void removeAllSegments();
    int numberOfSegments() const { return static_cast<int>(m_titles.size()); }
    // The index is clamped to [0, numberOfSegments()]. The selected segment stays selected.
    void insertSegment(const QString &title, int index);
    // Empty for an index out of range.
    QString titleForSegment(int index) const;

    QStringList segmentTitles() const { return m_titles; }
    // Replaces every segment; the selection is cleared.
    void setSegmentTitles(const QStringList &titles);

    int selectedSegmentIndex() const { return m_selected; }
    // An index out of range selects nothing (noSegment). Signals nothing.
    void setSelectedSegmentIndex(int index);

    // The segment's area in widget coordinates; empty for an index out of range.
    QRect segmentRect(int index) const;
    // The segment under a point, or noSegment.
    int segmentAt(const QPoint &point) const;

    // Selects as the user would, signalling valueChanged() when the selection changes: for
    // assistive technology.
    void selectAsUser(int index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user selected a different segment (click, arrow keys).
    void valueChanged();
    // Property notifications: every change, programmatic ones included.
    void segmentTitlesChanged(const QStringList &titles);
    void selectedSegmentIndexChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Stores the selection and notifies when it changed.
    void storeSelection(int index);
    void paintSegment(QPainter &painter, int index, const ColorScheme &colors) const;

    QStringList m_titles;
    int m_selected = noSegment;
    mutable PaletteColors m_colors;
};

} // namespace NequoraUI::platform
