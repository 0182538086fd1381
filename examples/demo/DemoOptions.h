#pragma once

#include <QByteArrayList>
#include <QString>
#include <filesystem>
#include <optional>

// What the demo was asked to do on its command line.
struct DemoOptions
{
    // The bytes given on the command line, so any name the file system accepts works.
    std::filesystem::path graphFile;
    std::filesystem::path audioFolder;
    // Render every page to PNG files in this folder and exit (also when there is no display).
    std::optional<std::filesystem::path> screenshotFolder;
    // With a window: save a screenshot of it after quitAfterMs, then quit.
    std::optional<std::filesystem::path> windowScreenshot;
    int quitAfterMs = 0;
    bool verbose = false;
    // Exercise the graph screen as a user would, so --verbose shows the engine being driven.
    bool drive = false;
    // The engine sweeps a filter cutoff by itself, and the graph screen follows its parameters.
    bool live = false;
    // Show the graph in the Qt Quick screen instead of the widget pages.
    bool quick = false;
    // Text typed into the graph page's filter box at start.
    QString filterText;
    // A dark application palette, and every page laid out right to left.
    bool dark = false;
    bool rightToLeft = false;
    // Print the usage or the library version and exit, before anything else happens.
    bool help = false;
    bool version = false;

    // Parses the arguments as given in argv; on failure returns nothing and sets error.
    static std::optional<DemoOptions> parse(const QByteArrayList &arguments, QString &error);
    static QString usage();
    // "nequora-demo: NequoraUI <version>", the version of the library it runs on.
    static QString versionText();
};
