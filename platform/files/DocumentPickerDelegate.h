#pragma once

#include <QList>
#include <QUrl>

namespace NequoraUI::platform {

class DocumentPicker;

// Receives what a document picker imported. The picker holds its delegate weakly, so the
// delegate must also derive from QObject.
class DocumentPickerDelegate
{
public:
    virtual ~DocumentPickerDelegate() = default;

    // urls are the imported copies inside the application's inbox.
    virtual void documentPickerDidPickDocumentsAt(DocumentPicker *picker,
                                                  const QList<QUrl> &urls) = 0;
    // The user cancelled, or nothing chosen could be imported. Ignored unless overridden.
    virtual void documentPickerWasCancelled(DocumentPicker *picker) { Q_UNUSED(picker) }
};

} // namespace NequoraUI::platform
