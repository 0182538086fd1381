#include "AudioPlayerView.h"

#include "platform/DisplayLink.h"
#include "platform/Interface.h"
#include "platform/ProgressBar.h"

#include <QEvent>
#include <QPushButton>

namespace NequoraUI {

AudioPlayerView::AudioPlayerView(std::shared_ptr<NQAudioPlayerNode> audioPlayerNode,
                                 QWidget *parent)
    : QWidget(parent), m_audioPlayerNode(std::move(audioPlayerNode))
{
    const auto ui = platform::Interface::load(QStringLiteral("AudioPlayerView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    progressView = ui.outlet<platform::ProgressBar>("progressView");
    playPauseButton = ui.outlet<QPushButton>("playPauseButton");

    updatePlayPauseButton();
    progressView->setAccessibleName(QStringLiteral("Playback position"));
    progressView->setProgress(0.0f);

    m_displayLink = new platform::DisplayLink(this, "updatePlaybackProgress", this);
    m_displayLink->addToRunLoop();
}

AudioPlayerView::~AudioPlayerView()
{
    stopDisplayLink();
}

void AudioPlayerView::removeFromSuperview()
{
    stopDisplayLink();
    setParent(nullptr);
}

void AudioPlayerView::tappedPlayPauseButton()
{
    if (!m_audioPlayerNode)
        return;
    if (m_audioPlayerNode->isPlaying())
        m_audioPlayerNode->pause();
    else
        m_audioPlayerNode->play();
    updatePlayPauseButton();
    emit playbackToggled(m_audioPlayerNode->isPlaying());
}

void AudioPlayerView::updatePlaybackProgress()
{
    if (!m_audioPlayerNode)
        return;
    float progress = 0.0f;
    // An exact zero means nothing is loaded; NaN is not zero and goes through the division.
    if (m_audioPlayerNode->duration() != 0.0)
        progress =
            static_cast<float>(m_audioPlayerNode->position() / m_audioPlayerNode->duration());
    progressView->setProgress(progress);
    updatePlayPauseButton();
}

void AudioPlayerView::changeEvent(QEvent *event)
{
    // Taken out of its parent: the widget form of removeFromSuperview.
    if (event->type() == QEvent::ParentChange && !parentWidget())
        stopDisplayLink();
    QWidget::changeEvent(event);
}

void AudioPlayerView::updatePlayPauseButton()
{
    const bool playing = m_audioPlayerNode && m_audioPlayerNode->isPlaying();
    playPauseButton->setText(playing ? QStringLiteral("Pause") : QStringLiteral("Play"));
}

void AudioPlayerView::stopDisplayLink()
{
    if (m_displayLink)
        m_displayLink->removeFromRunLoop();
}

} // namespace NequoraUI
