#include "GalleryWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

// Shows every form widget; with --screenshot FILE it renders itself offscreen to a PNG.
int main(int argc, char **argv)
{
    const bool headless =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--screenshot") == 0 || headless)
            qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("NequoraUI widget gallery"));
    parser.addHelpOption();
    QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                  QStringLiteral("Render the gallery to a PNG file and exit."),
                                  QStringLiteral("file"));
    parser.addOption(screenshot);
    parser.process(app);

    GalleryWindow window;
    if (parser.isSet(screenshot)) {
        window.show();
        const QString file = parser.value(screenshot);
        if (!window.grab().save(file)) {
            QTextStream(stderr) << "Cannot write " << file << Qt::endl;
            return 1;
        }
        QTextStream(stdout) << file << Qt::endl;
        return 0;
    }
    window.show();
    return app.exec();
}
