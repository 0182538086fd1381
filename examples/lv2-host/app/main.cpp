// Hosts installed LV2 plugins in a chain behind the library's generated screen: live on JACK,
// with a player before the chain and a recorder after it, or offline through --render. --list
// prints the installed plugins; --describe prints one line per control; --screenshot DIR
// renders the screen offscreen. Bad input exits with status 2 and a message.
#include "ControlSettings.h"
#include "ExampleCommandLine.h"
#include "HostScreen.h"
#include "JackDriver.h"
#include "Lv2Chain.h"
#include "Lv2PlayerNode.h"
#include "Lv2PluginLibrary.h"
#include "Lv2Rack.h"
#include "Lv2RecorderNode.h"
#include "OfflineRenderer.h"
#include "PanelDescription.h"

#include "GraphViewController.h"
#include "platform/ViewController.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace {

constexpr QSize screenSize(560, 900);
// Used when no server gives one: the screen alone runs nothing.
constexpr double idleSampleRate = 48000;
constexpr uint32_t idleBlockLength = 1024;

int fail(const QString &message)
{
    QTextStream(stderr) << "nequora-lv2-host: " << message << Qt::endl;
    return 2;
}

std::vector<std::string> strings(const QStringList &list)
{
    std::vector<std::string> result;
    for (const QString &item : list)
        result.push_back(item.toStdString());
    return result;
}

struct Options
{
    QCommandLineOption list{"list", "List installed plugins."};
    QCommandLineOption describe{"describe", "Print one line per control."};
    QCommandLineOption screenshot{"screenshot", "Render the screen into <dir>.", "dir"};
    QCommandLineOption render{"render", "Process <in> into the file named first, offline.", "in"};
    QCommandLineOption set{"set", "Set a control input before running.", "symbol=value"};
    QCommandLineOption preset{"preset", "Load a factory preset before running.", "uri"};
    QCommandLineOption play{"play", "Play <file> through the chain (live).", "file"};
    QCommandLineOption record{"record", "Record the chain's output into <file> (live).", "file"};
    QCommandLineOption seconds{"seconds", "Run live for <n> seconds, then quit.", "n"};
    QCommandLineOption verbose{"verbose", "Print controller messages as they arrive."};
};

// The user's presets for this chain: one folder per list of plugins, so a preset is only
// offered to the chain it was saved from.
QString presetFolder(const std::vector<std::string> &uris)
{
    QCryptographicHash chain(QCryptographicHash::Sha1);
    for (const auto &uri : uris)
        chain.addData(QByteArray::fromStdString(uri + '\n'));
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/presets/") + QString::fromLatin1(chain.result().toHex());
}

void configure(Lv2Rack &rack, const QCommandLineParser &parser, const Options &options)
{
    for (const QString &uri : parser.values(options.preset))
        ControlSettings::applyPreset(rack, uri.toStdString());
    for (const QString &assignment : parser.values(options.set))
        ControlSettings::apply(rack, assignment.toStdString());
}

int renderOffline(const Lv2PluginLibrary &library, const QCommandLineParser &parser,
                  const Options &options)
{
    QStringList positional = parser.positionalArguments();
    if (positional.size() < 2)
        return fail(QStringLiteral("--render IN OUT needs the output file and at least one URI"));
    const std::string input = parser.value(options.render).toStdString();
    const std::string output = positional.takeFirst().toStdString();
    const double rate = OfflineRenderer::sampleRateOf(input);
    Lv2Rack rack(library, strings(positional), rate, OfflineRenderer::blockLength);
    configure(rack, parser, options);
    OfflineRenderer::render(rack.chain(), input, output);
    return 0;
}

int showScreen(HostScreen &screen, const QCommandLineParser &parser, const Options &options,
               int runMilliseconds)
{
    QWidget *window = screen.view();
    window->resize(screenSize);
    window->show();
    ExampleCommandLine::settle(runMilliseconds);
    if (parser.isSet(options.describe))
        for (const QString &line : PanelDescription::of(window))
            QTextStream(stdout) << line << Qt::endl;
    if (parser.isSet(options.screenshot)) {
        const QString folder = parser.value(options.screenshot);
        const QString path = QDir(folder).absoluteFilePath(QStringLiteral("lv2-host.png"));
        if (!QDir().mkpath(folder) || !window->grab().save(path))
            return fail(QStringLiteral("cannot write %1").arg(path));
        QTextStream(stdout) << path << Qt::endl;
    }
    return 0;
}

int run(QApplication &app, const QCommandLineParser &parser, const Options &options)
{
    const Lv2PluginLibrary library;
    if (parser.isSet(options.list)) {
        for (const auto &plugin : library.plugins())
            QTextStream(stdout) << QString::fromStdString(plugin.uri) << '\t'
                                << QString::fromStdString(plugin.name) << Qt::endl;
        return 0;
    }
    if (parser.isSet(options.render))
        return renderOffline(library, parser, options);
    const auto uris = strings(parser.positionalArguments());
    if (uris.empty())
        return fail(QStringLiteral("give at least one plugin URI (see --list)"));
    bool validSeconds = true;
    if (parser.isSet(options.seconds) &&
        !(parser.value(options.seconds).toDouble(&validSeconds) > 0 && validSeconds))
        return fail(QStringLiteral("--seconds takes a positive number, not %1")
                        .arg(parser.value(options.seconds)));

    // Only showing the screen needs no server; everything else runs live.
    const bool live = !(parser.isSet(options.describe) || parser.isSet(options.screenshot)) ||
                      parser.isSet(options.seconds);
    std::unique_ptr<JackDriver> driver;
    if (live)
        driver = std::make_unique<JackDriver>("nequora-lv2-host");
    auto rack =
        std::make_shared<Lv2Rack>(library, uris, driver ? driver->sampleRate() : idleSampleRate,
                                  driver ? driver->bufferSize() : idleBlockLength);
    configure(*rack, parser, options);
    QList<QUrl> files;
    if (parser.isSet(options.play)) {
        const QString file = QFileInfo(parser.value(options.play)).absoluteFilePath();
        if (!rack->player().load(
                QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded).toStdString()))
            return fail(QStringLiteral("cannot play %1").arg(file));
        files.append(QUrl::fromLocalFile(file));
    }
    HostScreen screen(rack, files, presetFolder(uris));
    if (driver) {
        driver->start(rack, rack->chain().outputChannelCount());
        if (parser.isSet(options.play))
            rack->player().play();
        if (parser.isSet(options.record))
            rack->recorder().start();
    }
    auto *graph = static_cast<NequoraUI::GraphViewController *>(screen.controller());
    const bool verbose = parser.isSet(options.verbose);
    if (verbose) {
        QObject::connect(graph, &NequoraUI::GraphViewController::gestureStarted, &app,
                         [](const std::shared_ptr<NQParameter> &parameter) {
                             QTextStream(stdout)
                                 << "gesture begins: " << parameter->name().c_str() << Qt::endl;
                         });
        QObject::connect(graph, &NequoraUI::GraphViewController::gestureEnded, &app,
                         [](const std::shared_ptr<NQParameter> &parameter) {
                             QTextStream(stdout)
                                 << "gesture ends: " << parameter->name().c_str() << Qt::endl;
                         });
    }
    // Control changes from the JACK MIDI input move the rows their controllers are bound to.
    QTimer controllers;
    if (driver) {
        QObject::connect(&controllers, &QTimer::timeout, &app, [&driver, &screen, verbose] {
            driver->takeControllerMessages(
                [&screen, verbose](uint8_t status, uint8_t number, uint8_t value) {
                    if (verbose)
                        QTextStream(stdout) << "controller " << (status & 0x0F) + 1 << ':' << number
                                            << " = " << value << Qt::endl;
                    screen.controllerMessage(status, number, value);
                });
        });
        controllers.start(20);
    }
    int result = 0;
    if (!live || parser.isSet(options.seconds)) {
        const int milliseconds = live ? int(parser.value(options.seconds).toDouble() * 1000) : 200;
        result = showScreen(screen, parser, options, milliseconds);
    } else {
        screen.view()->resize(screenSize);
        screen.view()->show();
        result = app.exec();
    }
    if (parser.isSet(options.record) &&
        !rack->recorder().stop(parser.value(options.record).toStdString(), NQCodec::wav))
        return fail(QStringLiteral("cannot write %1").arg(parser.value(options.record)));
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    if (ExampleCommandLine::wantsOffscreen(argc, argv, {"--list", "--describe", "--render"}) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nequora-lv2-host"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Installed LV2 plugins in a chain, live on "
                                                    "JACK or offline, behind a generated screen"));
    parser.addHelpOption();
    const Options options;
    parser.addOptions({options.list, options.describe, options.screenshot, options.render,
                       options.set, options.preset, options.play, options.record, options.seconds,
                       options.verbose});
    parser.addPositionalArgument(QStringLiteral("uri"), QStringLiteral("Plugins, in chain order."),
                                 QStringLiteral("URI..."));
    parser.process(app);
    try {
        return run(app, parser, options);
    } catch (const std::exception &error) {
        return fail(QString::fromStdString(error.what()));
    }
}
