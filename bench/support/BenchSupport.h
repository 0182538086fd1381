#pragma once

#include "platform/TableView.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QString>
#include <unistd.h>

// Pieces several benchmark programs share, so their baselines cannot drift apart.
namespace BenchSupport {

// Scrolls a table down by one row (back to the top after the end) and repaints it.
inline void scrollOneRowAndRender(NequoraUI::platform::TableView *table, QImage &image)
{
    QScrollBar *bar = table->verticalScrollBar();
    const int next = bar->value() + table->rowHeight();
    bar->setValue(next > bar->maximum() ? 0 : next);
    table->viewport()->render(&image);
}

// Notes that a widget of one window got painted.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *window) : window(window) { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && object->isWidgetType() &&
            static_cast<QWidget *>(object)->window() == window)
            painted = true;
        return false;
    }

private:
    QWidget *window;
};

// Shows window at size and runs the event loop until its first frame is painted: expose,
// polish, layout and paint into the backing store, as when a user opens it. The whole frame is
// painted within one pass of the loop, so it is finished when the pass that began it returns.
inline void showUntilPainted(QWidget *window, QSize size)
{
    PaintWatch watch(window);
    window->resize(size);
    window->show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Runs the event loop until every pending layout and repaint of window is done: the frame a
// change asked for, painted into the backing store.
inline void paintPendingFrame(QWidget *window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
}

// The process's resident memory, from /proc/self/statm.
inline double residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1024.0 : 0;
}

} // namespace BenchSupport
