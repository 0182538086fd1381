// The NequoraUI demo host: builds a simulated engine from a graph file and shows the library's
// screens for it. With a display it opens a window; without one, or with --screenshot, it renders
// every page to PNG files and prints their paths.
#include "DemoAutomation.h"
#include "DemoDriver.h"
#include "DemoEngine.h"
#include "DemoOptions.h"
#include "DemoViewController.h"

#include "SimPresentation.h"
#include "sim/SimEngine.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <filesystem>
#include <iostream>

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int fail(const QString &message)
{
    QTextStream(stderr) << "nequora-demo: " << message << Qt::endl;
    return 2;
}

QByteArrayList argumentsOf(int argc, char **argv)
{
    QByteArrayList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    return arguments;
}

// A path as the user reads it in a message; its bytes go to standard output as they are.
QString shown(const std::filesystem::path &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

int renderOffscreen(DemoViewController &controller, const std::filesystem::path &folder)
{
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    if (failure || !std::filesystem::is_directory(folder, failure))
        return fail(QStringLiteral("cannot create the folder %1").arg(shown(folder)));
    const auto pages = controller.renderPages(folder);
    if (pages.empty())
        return fail(QStringLiteral("cannot write screenshots into %1").arg(shown(folder)));
    for (const auto &page : pages)
        std::cout << page.native() << std::endl;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QString error;
    const auto options = DemoOptions::parse(argumentsOf(argc, argv), error);
    if (options && (options->help || options->version)) {
        QCoreApplication app(argc, argv); // names the program in the usage text
        QTextStream(stdout) << (options->help ? DemoOptions::usage() : DemoOptions::versionText());
        return 0;
    }
    const bool offscreen = !options || options->screenshotFolder || !hasDisplay();
    if (offscreen && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nequora-demo"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (!options)
        return fail(error + QLatin1Char('\n') + DemoOptions::usage());

    const auto demo = DemoEngine::load(*options, error);
    if (!demo)
        return fail(error);

    DemoViewController controller(demo->engine, *demo->engine->graph(), demo->audioFiles,
                                  SimPresentation::provider(demo->engine), options->live);
    if (options->drive) {
        controller.view()->show();
        DemoDriver(controller.view(), controller.graphScreen(),
                   demo->automation ? demo->automation->parameterName() : QString())
            .run();
    }
    if (!options->filterText.isEmpty())
        controller.setFilterText(options->filterText);
    if (offscreen)
        return renderOffscreen(controller, options->screenshotFolder.value_or("demo-screenshots"));

    controller.view()->show();
    if (options->quitAfterMs > 0)
        QTimer::singleShot(options->quitAfterMs, &app, [&] {
            if (options->windowScreenshot) {
                QWidget *window = controller.view();
                const QPixmap shot = window->screen()->grabWindow(window->winId());
                if (!DemoViewController::savePng(shot, *options->windowScreenshot))
                    QTextStream(stderr)
                        << "cannot write " << shown(*options->windowScreenshot) << Qt::endl;
                else
                    std::cout << options->windowScreenshot->native() << std::endl;
            }
            app.quit();
        });
    return app.exec();
}
