#pragma once

#include "AudioFilePickerViewControllerDelegate.h"

#include <QList>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace NequoraUI {

class ViewControllerPresenter;

// A row for choosing an audio file: a title, the current file's name and a button that opens
// an audio file picker through the presenter.
class AudioFileView : public QWidget, public AudioFilePickerViewControllerDelegate
{
    Q_OBJECT

public:
    using ValueChangedHandler = std::function<void(const QUrl &)>;

    // delegate is held weakly; once it is gone, opening and closing pickers does nothing, while
    // a choice still updates the row and reaches the handler.
    AudioFileView(ViewControllerPresenter *delegate, const QString &title,
                  const std::optional<QUrl> &initialValue, const QList<QUrl> &audioFiles,
                  ValueChangedHandler valueChangedHandler, QWidget *parent = nullptr);
    ~AudioFileView() override;

    void audioFilePickerViewControllerDidSelectFile(AudioFilePickerViewController *picker,
                                                    const QUrl &file) override;
    void didCancelInAudioFilePickerViewController(AudioFilePickerViewController *picker) override;

    // The file the row shows: the initial one or the user's last choice; empty for none.
    QUrl file() const { return m_file; }
    // Shows a file without reporting it, for a choice undone or made elsewhere.
    void setFile(const QUrl &file);

signals:
    // Each file the user chooses, once, after the handler.
    void selectionChanged(const QUrl &file);

public slots:
    void tappedActionButton();

private:
    QPointer<ViewControllerPresenter> delegate;
    const QList<QUrl> audioFiles;
    const ValueChangedHandler valueChangedHandler;
    QWidget *contentView = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *valueLabel = nullptr;
    QPushButton *actionButton = nullptr;
    QUrl m_file;
};

} // namespace NequoraUI
