#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

class QScrollArea;

namespace NequoraUI {

class LazyPlaces;

// Keeps the outermost places in step with the scrolling area they sit in: as its visible part
// moves or grows, and before that is painted, it has the places make what comes near and,
// later from the event loop, release what is far away. What shows stays where it is while
// places above it change height. The places themselves decide what is made or released; this
// only says when, and within which part of the content.
class PlacesScrollDriver : public QObject
{
    Q_OBJECT

public:
    explicit PlacesScrollDriver(LazyPlaces &places);

    // Drives from scrollArea from now on; one watched before keeps its filters but is read no
    // more.
    void watch(QScrollArea *scrollArea);
    // True while a scrolling area is being watched: the places it drives are the outermost.
    bool isWatching() const { return !m_scrollArea.isNull(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One pass: makes what comes within realisationMargin of the visible part, at every level.
    void realiseNearViewport();
    void scheduleRelease();
    void releaseFarViews();
    void syncContentGeometry();
    // The visible part of the scrolling area, in the coordinates of its content.
    QRect seenRect() const;

    LazyPlaces &m_places;
    QPointer<QScrollArea> m_scrollArea;
    bool m_realising = false;
    bool m_releaseQueued = false;
};

} // namespace NequoraUI
