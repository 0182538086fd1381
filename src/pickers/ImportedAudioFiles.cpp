#include "ImportedAudioFiles.h"

namespace NequoraUI {

QList<QUrl> &ImportedAudioFiles::list()
{
    // A function-local static is created exactly once, thread-safely, on first use.
    static QList<QUrl> files;
    return files;
}

const QList<QUrl> &ImportedAudioFiles::all()
{
    return list();
}

qsizetype ImportedAudioFiles::count()
{
    return list().size();
}

void ImportedAudioFiles::append(const QUrl &file)
{
    list().append(file);
}

} // namespace NequoraUI
