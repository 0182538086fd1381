#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

class QScrollArea;

namespace NequoraUI {

// Keeps the outermost places in step with the scrolling area they sit in: as its visible part
// moves or grows, and before that is painted, it has the places make what comes near and,
// later from the event loop, release what is far away. What shows stays where it is while
// places above it change height. The places themselves decide what is made or released; this
// only says when, and within which part of the content.
class PlacesScrollDriver : public QObject
{
    Q_OBJECT

public:
    // What the driver asks of the places it drives, all in the coordinates of the scrolling
    // area's content.
    class Places
    {
    public:
        // False once nothing may be made or released any more (frozen, or torn down: then
        // the places freeze), or before they are placed in their stack.
        virtual bool mayChange() = 0;
        virtual bool releasesFarViews() const = 0;
        // At every level: makes what comes within [from, to], or releases what lies outside
        // it. True when anything was made or released.
        virtual bool makeWithin(int from, int to, const QWidget *content) = 0;
        virtual bool releaseOutside(int from, int to, const QWidget *content) = 0;
        // The innermost place reaching down to top or below: what shows stays where it is.
        virtual QWidget *anchorFrom(int top, const QWidget *content) = 0;
        // Lays out what holds the places, so the content reads their new sizes (true when
        // any changed), and, once the content is laid out, puts each place where it belongs.
        virtual bool settleHolders() = 0;
        virtual void placeInHolders() = 0;

    protected:
        ~Places() = default;
    };

    explicit PlacesScrollDriver(Places &places);

    // Drives from scrollArea from now on; one watched before keeps its filters but is read no
    // more.
    void watch(QScrollArea *scrollArea);
    // True while a scrolling area is being watched: the places it drives are the outermost.
    bool isWatching() const { return !m_scrollArea.isNull(); }
    // One pass now, as after the scrolling area's content asked for layout: places shown or
    // hidden take their room in the coming frame.
    void settle() { realiseNearViewport(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One pass: makes what comes within realisationMargin of the visible part, at every level.
    void realiseNearViewport();
    // Where the visible part was and how tall the content, as of a release.
    struct Reach
    {
        QRect seen;
        int contentHeight = -1;
        bool operator==(const Reach &) const = default;
    };
    Reach reach() const;
    void scheduleRelease(bool made);
    void releaseFarViews();
    void syncContentGeometry();
    // The visible part of the scrolling area, in the coordinates of its content.
    QRect seenRect() const;

    Places &m_places;
    QPointer<QScrollArea> m_scrollArea;
    // The content's size hint the scrolling area was last told of.
    QSize m_toldSizeHint;
    bool m_realising = false;
    bool m_releaseQueued = false;
    Reach m_releasedAt;
    bool m_madeSinceRelease = false;
};

} // namespace NequoraUI
