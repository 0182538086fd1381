#include "AudioPlayerView.h"

#include "platform/DisplayLink.h"
#include "platform/FormControlStyle.h"
#include "platform/Interface.h"
#include "platform/ProgressBar.h"

#include <QEvent>
#include <QPushButton>
#include <algorithm>

namespace NequoraUI {

AudioPlayerView::AudioPlayerView(std::shared_ptr<NQAudioPlayerNode> audioPlayerNode,
                                 QWidget *parent)
    : QWidget(parent), m_audioPlayerNode(std::move(audioPlayerNode))
{
    const auto ui = platform::Interface::load(QStringLiteral("AudioPlayerView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    progressView = ui.outlet<platform::ProgressBar>("progressView");
    playPauseButton = ui.outlet<QPushButton>("playPauseButton");
    platform::FormControlStyle::apply(playPauseButton,
                                      platform::FormControlStyle::Kind::TextButton);

    updatePlayPauseButton();
    // Styled only once polished in its screen: the width is set then, and on each restyle.
    playPauseButton->installEventFilter(this);
    fitPlayPauseButton();
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

bool AudioPlayerView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == playPauseButton &&
        (event->type() == QEvent::Polish || event->type() == QEvent::StyleChange ||
         event->type() == QEvent::FontChange))
        fitPlayPauseButton();
    return QWidget::eventFilter(watched, event);
}

void AudioPlayerView::fitPlayPauseButton()
{
    // As wide as its wider title, so the bar beside it keeps its length when Play turns Pause.
    const QString shown = playPauseButton->text();
    int width = 0;
    for (const QString &title : {QStringLiteral("Play"), QStringLiteral("Pause")}) {
        playPauseButton->setText(title);
        width = std::max(width, playPauseButton->sizeHint().width());
    }
    playPauseButton->setText(shown);
    playPauseButton->setMinimumWidth(width);
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
