#pragma once

#include "platform/DocumentPicker.h"
#include "platform/DocumentPickerDelegate.h"
#include "platform/TableViewController.h"

#include <QList>
#include <QPointer>
#include <QUrl>

namespace NequoraUI {

class AudioFilePickerViewControllerDelegate;

// A modal list of audio files: the host's files under "Bundled Files", then the files imported
// during this run under "Imported Files" followed by an "Import File" row that opens the
// document picker. Choices and Cancel go to the delegate; the picker never dismisses itself
// after them.
class AudioFilePickerViewController : public platform::TableViewController,
                                      public platform::DocumentPickerDelegate
{
    Q_OBJECT

public:
    static inline const QString cellIdentifier = QStringLiteral("Cell");

    explicit AudioFilePickerViewController(const QList<QUrl> &files, QObject *parent = nullptr);

    // The name a row shows for a file: its URL's last path component, a trailing slash ignored
    // ("file:///music/Album%20One/" shows "Album One").
    static QString displayName(const QUrl &file);

    // Held weakly; a delegate that is not also a QObject is refused with a warning.
    void setDelegate(AudioFilePickerViewControllerDelegate *delegate);
    AudioFilePickerViewControllerDelegate *delegate() const;

    const QList<QUrl> &files() const { return m_files; }
    // The document picker opened by the last tap on "Import File", while it exists.
    platform::DocumentPicker *documentPicker() const { return m_documentPicker; }

    int numberOfSections() const override;
    std::optional<QString> titleForHeaderInSection(int section) const override;
    int numberOfRowsInSection(int section) const override;
    platform::TableViewCell *cellForRowAt(const platform::IndexPath &indexPath) override;
    void didSelectRowAt(const platform::IndexPath &indexPath) override;

    void documentPickerDidPickDocumentsAt(platform::DocumentPicker *picker,
                                          const QList<QUrl> &urls) override;

    // Escape cancels, as the Cancel button does.
    bool accessibilityPerformEscape() override;

public slots:
    void tappedCancelButton();

private:
    void reportFile(const QUrl &file);
    void openDocumentPicker();

    QPointer<QObject> m_delegateObject;
    AudioFilePickerViewControllerDelegate *m_delegate = nullptr;
    const QList<QUrl> m_files;
    QPointer<platform::DocumentPicker> m_documentPicker;
};

} // namespace NequoraUI
