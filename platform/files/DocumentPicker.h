#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

class QDir;
class QFileDialog;
class QWidget;

namespace NequoraUI::platform {

class DocumentPickerDelegate;

// Opens one audio file as a copy: a file dialog filtered to audio types; the chosen file is
// copied into the application's inbox under a name no earlier import uses, and the copy's URL
// is reported to the delegate.
class DocumentPicker : public QObject
{
    Q_OBJECT

public:
    explicit DocumentPicker(QObject *parent = nullptr);
    ~DocumentPicker() override;

    // Held weakly; delegate must derive from QObject as well, otherwise it is refused.
    void setDelegate(DocumentPickerDelegate *delegate);
    DocumentPickerDelegate *delegate() const;

    // Every audio MIME type the system knows ("audio/..."), sorted.
    static QStringList contentTypes();
    bool allowsMultipleSelection() const { return false; }

    // Shows the file dialog, window-modal, over over's window; returns at once.
    void present(QWidget *over);
    // The dialog while it is open, otherwise null.
    QFileDialog *dialog() const;

    // What accepting the dialog does with the chosen files: copies each into the inbox and
    // reports the copies. An empty list is reported as it is; when none of several chosen files
    // could be copied the pick is reported as a cancellation instead.
    void pickDocuments(const QList<QUrl> &chosen);

    // <application data>/Inbox, created when missing.
    static QString inboxPath();
    // fileName when folder has no such entry, otherwise the first free of "name-1.ext",
    // "name-2.ext"... A hint only: another process may take it before it is used.
    static QString uniqueFileName(const QString &folder, const QString &fileName);
    // Creates an empty file under the name uniqueFileName gives, or the next free one should
    // another process take that first, and returns its path; empty (with a warning) when the
    // folder cannot be written. The caller fills the file, or removes it.
    static QString claimFileName(const QString &folder, const QString &fileName);

signals:
    void documentsPicked(const QList<QUrl> &urls);
    void cancelled();

private:
    void dialogFinished(int result);
    void reportCancellation();
    static QUrl importCopy(const QUrl &source, const QString &inbox);
    static QString numberedName(const QString &fileName, int number);
    static int firstFreeNumber(const QDir &dir, const QString &fileName);

    QPointer<QObject> m_delegateObject;
    DocumentPickerDelegate *m_delegate = nullptr;
    QPointer<QFileDialog> m_dialog;
};

} // namespace NequoraUI::platform
