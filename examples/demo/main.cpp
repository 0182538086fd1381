// The NequoraUI demo host: builds a simulated engine from a graph file and shows the library's
// screens for it. With a display it opens a window; without one, or with --screenshot, it renders
// every page to PNG files and prints their paths.
#include "DemoAutomation.h"
#include "DemoDriver.h"
#include "DemoEngine.h"
#include "DemoOptions.h"
#include "DemoSettingsDriver.h"
#include "DemoViewController.h"
#include "GraphRowModel.h"
#include "GraphViewController.h"
#include "UIGenerator.h"

#include "SimPresentation.h"
#include "sim/SimEngine.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPalette>
#include <QQuickItem>
#include <QQuickView>
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

// The graph in the Qt Quick screen: shown until closed, or grabbed once into folder.
int showQuick(const DemoOptions &options, const DemoEngine &demo, bool offscreen)
{
    NequoraUI::UIGenerator generator;
    generator.presentationProvider = SimPresentation::provider(demo.engine);
    generator.followsParameters = options.live;
    NequoraUI::GraphRowModel rows(*demo.engine->graph(), generator);
    QQuickView view;
    view.setInitialProperties({{QStringLiteral("graph"), QVariant::fromValue(&rows)}});
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    // The module's own copy, which the library carries in its resources.
    view.setSource(QUrl(QStringLiteral("qrc:/NequoraUI/quick/GraphScreen.qml")));
    if (view.status() != QQuickView::Ready)
        return fail(QStringLiteral("The Quick screen did not load"));
    if (!options.filterText.isEmpty())
        rows.setFilterText(options.filterText);
    view.resize(420, 800);
    view.show();
    if (offscreen) {
        const std::filesystem::path folder =
            options.screenshotFolder.value_or(std::filesystem::path("demo-screenshots"));
        std::error_code failure;
        std::filesystem::create_directories(folder, failure);
        // Lets the list lay out its rows before the grab.
        QEventLoop settle;
        QTimer::singleShot(200, &settle, &QEventLoop::quit);
        settle.exec();
        const std::filesystem::path file = folder / "quick.png";
        if (!DemoViewController::savePng(QPixmap::fromImage(view.grabWindow()), file))
            return fail(QStringLiteral("Could not save %1").arg(QFile::decodeName(file.c_str())));
        std::cout << file.native() << std::endl;
        return 0;
    }
    if (options.quitAfterMs > 0)
        QTimer::singleShot(options.quitAfterMs, qApp, &QCoreApplication::quit);
    return QApplication::exec();
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

// Fusion's colours on a dark desktop: a dark window, darker bases, light text.
QPalette darkPalette()
{
    QPalette palette;
    const QColor window(45, 45, 48);
    const QColor base(30, 30, 32);
    const QColor text(236, 236, 240);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, QColor(150, 150, 156));
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(90, 170, 255));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 126));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 126));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 126));
    return palette;
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
    if (options->dark)
        QApplication::setPalette(darkPalette());
    if (options->rightToLeft)
        QApplication::setLayoutDirection(Qt::RightToLeft);

    const auto demo = DemoEngine::load(*options, error);
    if (!demo)
        return fail(error);

    if (options->quick)
        return showQuick(*options, *demo, offscreen);
    DemoViewController controller(demo->engine, *demo->engine->graph(), demo->audioFiles,
                                  SimPresentation::provider(demo->engine), options->live);
    if (options->drive) {
        controller.view()->show();
        DemoDriver(controller.view(), controller.graphScreen(),
                   demo->automation ? demo->automation->parameterName() : QString())
            .run();
        DemoSettingsDriver(
            qobject_cast<NequoraUI::GraphViewController *>(controller.graphController()))
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
