#pragma once

#include "NQAudioPlayerNode.h"

#include "platform/DisplayLink.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QPushButton;

namespace NequoraUI {

namespace platform {
class ProgressBar;
} // namespace platform

// Drives one player node: a play/pause button and a progress bar that follows the playback
// position on every display frame. The refresh stops for good when the view is taken out of
// its parent (or removeFromSuperview is called); a later tap still refreshes the button.
class AudioPlayerView : public QWidget
{
    Q_OBJECT

public:
    explicit AudioPlayerView(std::shared_ptr<NQAudioPlayerNode> audioPlayerNode,
                             QWidget *parent = nullptr);
    ~AudioPlayerView() override;

    // Takes the view out of its parent and stops the per-frame refresh.
    void removeFromSuperview();

    const std::shared_ptr<NQAudioPlayerNode> &audioPlayerNode() const { return m_audioPlayerNode; }
    platform::DisplayLink *displayLink() const { return m_displayLink; }

signals:
    // The user's tap on play/pause, with whether the node plays afterwards.
    void playbackToggled(bool playing);

public slots:
    void tappedPlayPauseButton();
    void updatePlaybackProgress();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updatePlayPauseButton();
    void fitPlayPauseButton();
    void stopDisplayLink();

    const std::shared_ptr<NQAudioPlayerNode> m_audioPlayerNode;
    QWidget *contentView = nullptr;
    platform::ProgressBar *progressView = nullptr;
    QPushButton *playPauseButton = nullptr;
    QPointer<platform::DisplayLink> m_displayLink;
};

} // namespace NequoraUI
