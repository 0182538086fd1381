#pragma once

#include <QList>
#include <QUrl>

namespace NequoraUI {

// The audio files imported through any audio file picker during this run of the process. The
// list is created empty on first use (safely from any thread), only ever grows and is read and
// appended on the main thread. Importing a file twice lists it twice.
class ImportedAudioFiles
{
public:
    ImportedAudioFiles() = delete;

    static const QList<QUrl> &all();
    static qsizetype count();
    static void append(const QUrl &file);

private:
    static QList<QUrl> &list();
};

} // namespace NequoraUI
