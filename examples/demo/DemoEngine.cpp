#include "DemoEngine.h"

#include "DemoAutomation.h"

#include "sim/GraphFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

QList<QUrl> audioFilesIn(const QDir &folder)
{
    static const QStringList patterns = {"*.wav", "*.flac", "*.aiff", "*.aif",
                                         "*.caf", "*.ogg",  "*.mp3"};
    QList<QUrl> files;
    for (const QFileInfo &file : folder.entryInfoList(patterns, QDir::Files | QDir::Readable,
                                                      QDir::Name | QDir::IgnoreCase))
        files << QUrl::fromLocalFile(file.absoluteFilePath());
    return files;
}

} // namespace

std::unique_ptr<DemoEngine> DemoEngine::load(const DemoOptions &options, QString &error)
{
    const QFileInfo audioFolder(options.audioFolder);
    if (!audioFolder.isDir()) {
        error = QStringLiteral("audio folder %1 does not exist").arg(options.audioFolder);
        return nullptr;
    }
    auto result = std::make_unique<DemoEngine>();
    try {
        result->engine = GraphFile::load(options.graphFile.toStdString());
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
    result->audioFiles = audioFilesIn(QDir(audioFolder.absoluteFilePath()));
    return result;
}
