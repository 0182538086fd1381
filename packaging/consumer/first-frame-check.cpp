// Linked into the README's Qt Quick app, which keeps its own main: once the app's window has
// drawn its first frame, exits 0 if that frame holds a delegate for every row of the app's
// GraphScreen list, 1 otherwise. An app that shows no window within the time limit fails too.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int timeLimitMs = 30000;

// The delegates below item: the items that carry a row's kind.
int delegatesBelow(const QQuickItem *item)
{
    int found = 0;
    for (const QQuickItem *child : item->childItems())
        found += (child->property("kind").isValid() && child->isVisible() ? 1 : 0) +
                 delegatesBelow(child);
    return found;
}

void checkFrame(QQuickWindow *window)
{
    // Items a document puts in a window are the window's children.
    const auto *list = window->findChild<QQuickItem *>(QStringLiteral("rows"));
    const int rows = list ? list->property("count").toInt() : 0;
    const int delegates = list ? delegatesBelow(list) : 0;
    std::printf("quick-app: the first frame shows %d delegates for %d rows\n", delegates, rows);
    QCoreApplication::exit(rows > 0 && delegates == rows ? 0 : 1);
}

void watchFirstFrame()
{
    // The app makes its window after the application object; look once its loop runs.
    QTimer::singleShot(0, [] {
        const auto windows = QGuiApplication::topLevelWindows();
        auto *window = windows.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(windows.first());
        if (!window) {
            std::fprintf(stderr, "quick-app: no Qt Quick window\n");
            QCoreApplication::exit(1);
            return;
        }
        QObject::connect(
            window, &QQuickWindow::frameSwapped, window, [window] { checkFrame(window); },
            Qt::QueuedConnection);
    });
    QTimer::singleShot(timeLimitMs, [] {
        std::fprintf(stderr, "quick-app: no frame within %d ms\n", timeLimitMs);
        QCoreApplication::exit(1);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstFrame)
