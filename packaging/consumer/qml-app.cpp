// A QML-only app: links Qt alone and finds NequoraUI through the import path (QML_IMPORT_PATH).
// It shows the QML file given on the command line and, once the first frame is drawn, exits 0
// if that frame shows more than a plain background.
#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSet>
#include <QUrl>
#include <cstdio>

namespace {

bool showsSomething(const QImage &frame)
{
    QSet<QRgb> colours;
    for (int y = 0; y < frame.height(); y += 4)
        for (int x = 0; x < frame.width(); x += 4)
            colours.insert(frame.pixel(x, y));
    return colours.size() > 1;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qml-app FILE.qml\n");
        return 2;
    }
    QQmlApplicationEngine engine;
    engine.load(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    auto *window = engine.rootObjects().isEmpty()
                       ? nullptr
                       : qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    if (!window)
        return 1;
    QObject::connect(
        window, &QQuickWindow::frameSwapped, &app,
        [&] {
            const bool shown = showsSomething(window->grabWindow());
            std::printf("qml-app: %s\n", shown ? "shows the pad" : "shows nothing");
            QCoreApplication::exit(shown ? 0 : 1);
        },
        Qt::QueuedConnection);
    return app.exec();
}
