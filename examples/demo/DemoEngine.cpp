#include "DemoEngine.h"

#include "DemoAutomation.h"

#include "sim/GraphFile.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool isAudioFile(const fs::directory_entry &entry)
{
    static const QStringList suffixes = {".wav", ".flac", ".aiff", ".aif", ".caf", ".ogg", ".mp3"};
    std::error_code failure;
    return entry.is_regular_file(failure) && ::access(entry.path().c_str(), R_OK) == 0 &&
           suffixes.contains(QFile::decodeName(entry.path().extension().c_str()),
                             Qt::CaseInsensitive);
}

// A name that is not UTF-8 cannot pass through QString, so its URL carries the bytes
// percent-encoded, which the player decodes back to the very file.
QUrl urlOf(const fs::path &file)
{
    const QByteArray bytes(file.c_str());
    const QString name = QFile::decodeName(bytes);
    if (QFile::encodeName(name) == bytes)
        return QUrl::fromLocalFile(name);
    return QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"));
}

// Scanned through std::filesystem rather than QDir, which would lose names that are not UTF-8.
QList<QUrl> audioFilesIn(const fs::path &folder)
{
    std::vector<fs::path> files;
    std::error_code failure;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder, failure))
        if (isAudioFile(entry))
            files.push_back(entry.path());
    std::sort(files.begin(), files.end(), [](const fs::path &a, const fs::path &b) {
        return QFile::decodeName(a.filename().c_str())
                   .compare(QFile::decodeName(b.filename().c_str()), Qt::CaseInsensitive) < 0;
    });
    QList<QUrl> urls;
    for (const fs::path &file : files)
        urls << urlOf(file);
    return urls;
}

} // namespace

std::unique_ptr<DemoEngine> DemoEngine::load(const DemoOptions &options, QString &error)
{
    std::error_code failure;
    const fs::path audioFolder = fs::absolute(options.audioFolder, failure);
    if (!fs::is_directory(audioFolder, failure)) {
        error = QStringLiteral("audio folder %1 does not exist")
                    .arg(QFile::decodeName(options.audioFolder.c_str()));
        return nullptr;
    }
    auto result = std::make_unique<DemoEngine>();
    try {
        result->engine = GraphFile::load(options.graphFile.native());
    } catch (const std::exception &fault) {
        error = QString::fromStdString(fault.what());
        return nullptr;
    }
    if (options.live)
        result->automation = std::make_shared<DemoAutomation>(*result->engine->graph());
    // The automation's own writes, many a second, would drown the user's in the log.
    if (options.verbose)
        result->engine->setLogger([automation = std::weak_ptr<DemoAutomation>(result->automation)](
                                      const std::string &line) {
            if (const auto sweep = automation.lock(); sweep && sweep->isWriting())
                return;
            QTextStream(stdout) << QString::fromStdString(line) << Qt::endl;
        });
    result->audioFiles = audioFilesIn(audioFolder);
    return result;
}
