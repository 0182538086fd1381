// Shows the generated panel of any installed LV2 plugin: its control ports read with lilv, their
// properties turned into presentation hints, their values kept in the simulated engine (no audio
// runs). --list prints the installed plugins; --screenshot DIR renders the panel offscreen;
// --describe prints one line per control.
#include "ExampleCommandLine.h"
#include "Lv2PluginLibrary.h"
#include "PanelDescription.h"
#include "SimPresentation.h"

#include "UIGenerator.h"
#include "platform/ViewController.h"
#include "sim/SimEngine.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>
#include <QTextStream>
#include <QWidget>

namespace {

// A rack of many plugins would be folded after its first; one plugin is one section.
constexpr qsizetype foldSectionsAbove = 8;
constexpr QSize panelSize(560, 1100);

int fail(const QString &message)
{
    QTextStream(stderr) << "nequora-lv2-panel: " << message << Qt::endl;
    return 2;
}

QString fileNameFor(const QString &pluginName)
{
    QString name = pluginName.toLower();
    name.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    return name.remove(QRegularExpression(QStringLiteral("^-|-$"))) + QStringLiteral(".png");
}

} // namespace

int main(int argc, char **argv)
{
    if (ExampleCommandLine::wantsOffscreen(argc, argv, {"--list", "--describe"}) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nequora-lv2-panel"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Generated panel of an installed LV2 plugin"));
    parser.addHelpOption();
    const QCommandLineOption list(QStringLiteral("list"),
                                  QStringLiteral("List installed plugins."));
    const QCommandLineOption describe(QStringLiteral("describe"),
                                      QStringLiteral("Print one line per control."));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the panel into <dir>."),
                                        QStringLiteral("dir"));
    parser.addOptions({list, describe, screenshot});
    parser.addPositionalArgument(QStringLiteral("plugin"), QStringLiteral("The plugin's URI."));
    parser.process(app);

    const Lv2PluginLibrary library;
    if (parser.isSet(list)) {
        for (const auto &plugin : library.plugins())
            QTextStream(stdout) << QString::fromStdString(plugin.uri) << '\t'
                                << QString::fromStdString(plugin.name) << Qt::endl;
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        return fail(QStringLiteral("give one plugin URI (see --list)\n") + parser.helpText());

    std::shared_ptr<SimEngine> engine;
    try {
        engine = library.engineFor(parser.positionalArguments().constFirst().toStdString());
    } catch (const std::exception &error) {
        return fail(QString::fromStdString(error.what()));
    }
    NequoraUI::UIGenerator generator;
    generator.presentationProvider = SimPresentation::provider(engine);
    generator.foldSectionsAbove = foldSectionsAbove;
    const auto panel = generator.generateViewController(*engine->graph());
    QWidget *window = panel->view();
    const QString pluginName = QString::fromStdString(engine->graph()->nodes()[0]->displayName());
    window->setWindowTitle(pluginName);
    window->resize(panelSize);

    if (parser.isSet(describe) || parser.isSet(screenshot)) {
        window->show();
        ExampleCommandLine::settle(200);
        if (parser.isSet(describe))
            for (const QString &line : PanelDescription::of(window))
                QTextStream(stdout) << line << Qt::endl;
        if (parser.isSet(screenshot)) {
            const QString folder = parser.value(screenshot);
            const QString path = QDir(folder).absoluteFilePath(fileNameFor(pluginName));
            if (!QDir().mkpath(folder) || !window->grab().save(path))
                return fail(QStringLiteral("cannot write %1").arg(path));
            QTextStream(stdout) << path << Qt::endl;
        }
        return 0;
    }
    window->show();
    return app.exec();
}
