#pragma once

#include <QUrl>

namespace NequoraUI {

class AudioFilePickerViewController;

// Receives the file chosen in an AudioFilePickerViewController, or its cancellation; closing
// the picker is the delegate's job. Held weakly, so an implementation must also be a QObject.
class AudioFilePickerViewControllerDelegate
{
public:
    virtual ~AudioFilePickerViewControllerDelegate() = default;

    virtual void audioFilePickerViewControllerDidSelectFile(AudioFilePickerViewController *picker,
                                                            const QUrl &file) = 0;
    virtual void
    didCancelInAudioFilePickerViewController(AudioFilePickerViewController *picker) = 0;
};

} // namespace NequoraUI
