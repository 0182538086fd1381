#include "DemoOptions.h"

#include "NequoraUIVersion.h"

#include <QCommandLineParser>
#include <QFile>

namespace {

QCommandLineParser &configure(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Shows the NequoraUI screens for an audio graph on a simulated engine."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("graph"),
                                 QStringLiteral("JSON graph file (default: the bundled graph)."));
    parser.addOptions({
        {QStringLiteral("audio-dir"), QStringLiteral("Folder of audio files the player offers."),
         QStringLiteral("folder")},
        {QStringLiteral("screenshot"),
         QStringLiteral("Render every page to PNG files in this folder and exit."),
         QStringLiteral("folder")},
        {QStringLiteral("window-screenshot"),
         QStringLiteral("Save a screenshot of the window after --quit-after and quit."),
         QStringLiteral("file")},
        {QStringLiteral("quit-after"), QStringLiteral("Quit the window after this many ms."),
         QStringLiteral("ms")},
        {QStringLiteral("verbose"),
         QStringLiteral("Print every parameter write, file load, play and pause.")},
        {QStringLiteral("drive"),
         QStringLiteral("Move a slider and undo it, flip a switch, filter the graph page, "
                        "choose a file and press Play, as a user would.")},
        {QStringLiteral("live"),
         QStringLiteral("Let the engine sweep the filter cutoff; the graph page follows it.")},
        {QStringLiteral("quick"),
         QStringLiteral("Show the graph in the Qt Quick screen instead of the widget pages.")},
        {QStringLiteral("filter"),
         QStringLiteral("Start with this text in the graph page's filter box."),
         QStringLiteral("text")},
        {QStringLiteral("dark"),
         QStringLiteral("Use a dark palette, as a dark desktop gives; the pages follow it.")},
        {QStringLiteral("reverse"), QStringLiteral("Lay every page out right to left.")},
    });
    return parser;
}

// The parser reads each argument as Latin-1, one character a byte, so any value's toLatin1()
// gives back exactly the bytes typed: names that are not UTF-8 survive.
QStringList oneCharacterPerByte(const QByteArrayList &arguments)
{
    QStringList characters;
    for (const QByteArray &argument : arguments)
        characters << QString::fromLatin1(argument);
    return characters;
}

QString textOf(const QString &bytes)
{
    return QFile::decodeName(bytes.toLatin1());
}

std::filesystem::path pathOf(const QString &bytes)
{
    return bytes.toLatin1().toStdString();
}

} // namespace

std::optional<DemoOptions> DemoOptions::parse(const QByteArrayList &arguments, QString &error)
{
    QCommandLineParser parser;
    configure(parser);
    if (!parser.parse(oneCharacterPerByte(arguments))) {
        error = textOf(parser.errorText());
        return std::nullopt;
    }
    if (parser.positionalArguments().size() > 1) {
        error = QStringLiteral("Give at most one graph file.");
        return std::nullopt;
    }
    DemoOptions options;
    options.help = parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"));
    options.version = parser.isSet(QStringLiteral("version"));
    // The built-in defaults are bytes already.
    options.graphFile = parser.positionalArguments().isEmpty()
                            ? std::filesystem::path(NEQUORA_DEMO_GRAPH)
                            : pathOf(parser.positionalArguments().first());
    options.audioFolder = parser.isSet(QStringLiteral("audio-dir"))
                              ? pathOf(parser.value(QStringLiteral("audio-dir")))
                              : std::filesystem::path(NEQUORA_DEMO_AUDIO_DIR);
    if (parser.isSet(QStringLiteral("screenshot")))
        options.screenshotFolder = pathOf(parser.value(QStringLiteral("screenshot")));
    if (parser.isSet(QStringLiteral("window-screenshot")))
        options.windowScreenshot = pathOf(parser.value(QStringLiteral("window-screenshot")));
    if (parser.isSet(QStringLiteral("quit-after"))) {
        bool ok = false;
        options.quitAfterMs = parser.value(QStringLiteral("quit-after")).toInt(&ok);
        if (!ok || options.quitAfterMs <= 0) {
            error = QStringLiteral("--quit-after needs a positive number of milliseconds.");
            return std::nullopt;
        }
    }
    options.verbose = parser.isSet(QStringLiteral("verbose"));
    options.drive = parser.isSet(QStringLiteral("drive"));
    options.live = parser.isSet(QStringLiteral("live"));
    options.quick = parser.isSet(QStringLiteral("quick"));
    options.filterText = textOf(parser.value(QStringLiteral("filter")));
    options.dark = parser.isSet(QStringLiteral("dark"));
    options.rightToLeft = parser.isSet(QStringLiteral("reverse"));
    return options;
}

QString DemoOptions::usage()
{
    QCommandLineParser parser;
    return configure(parser).helpText();
}

QString DemoOptions::versionText()
{
    // The library's version data reads "...PROJECT:NequoraUI-<version>\n".
    const QString data =
        QString::fromLatin1(reinterpret_cast<const char *>(NequoraUIVersionString));
    const QString marker = QStringLiteral("PROJECT:NequoraUI-");
    const qsizetype start = data.indexOf(marker) + marker.size();
    return QStringLiteral("nequora-demo: NequoraUI %1\n").arg(data.mid(start).trimmed());
}
