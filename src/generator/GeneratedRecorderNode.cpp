#include "GeneratedRecorderNode.h"

#include "ImportedAudioFiles.h"

#include "platform/DocumentPicker.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace NequoraUI {

bool GeneratedRecorderNode::stop(const std::string &filePath, NQCodec format)
{
    const QFileInfo target(QFile::decodeName(filePath.c_str()));
    QDir().mkpath(target.absolutePath());
    const QString claimed =
        platform::DocumentPicker::claimFileName(target.absolutePath(), target.fileName());
    // Without a claim the folder cannot be written, so the engine's write fails there too;
    // it is still called, because stopping must end the recording.
    const std::string path =
        claimed.isEmpty() ? filePath : QFile::encodeName(claimed).toStdString();
    const bool written = NQRecorderNode::stop(path, format);
    if (written && !claimed.isEmpty())
        ImportedAudioFiles::append(QUrl::fromLocalFile(claimed));
    else if (!claimed.isEmpty())
        QFile::remove(claimed);
    return written;
}

QString GeneratedRecorderNode::recordingPath(const QString &nodeName, const QDateTime &at)
{
    QString name = nodeName;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Recordings";
    return folder + "/" + name + at.toString(QStringLiteral(" yyyy-MM-dd HH.mm.ss")) + ".wav";
}

} // namespace NequoraUI
