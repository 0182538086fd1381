#include "RecorderView.h"

#include "platform/FormControlStyle.h"
#include "platform/Interface.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace NequoraUI {

RecorderView::RecorderView(std::shared_ptr<NQRecorderNode> recorderNode, QWidget *parent)
    : QWidget(parent), m_recorderNode(std::move(recorderNode))
{
    const auto ui = platform::Interface::load(QStringLiteral("RecorderView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    startStopButton = ui.outlet<QPushButton>("startStopButton");
    platform::FormControlStyle::apply(startStopButton,
                                      platform::FormControlStyle::Kind::TextButton);
    statusLabel = ui.outlet<QLabel>("statusLabel");
    statusLabel->hide();

    // Nothing in the library enables it: the host does once it has set a path and a format.
    startStopButton->setEnabled(false);
    updateStartStopButton();
}

void RecorderView::setRecordingFilePath(std::optional<QString> path)
{
    m_recordingFilePath = std::move(path);
}

void RecorderView::setRecordingFormat(std::optional<NQCodec> format)
{
    m_recordingFormat = format;
}

bool RecorderView::isStartStopButtonEnabled() const
{
    return startStopButton->isEnabled();
}

void RecorderView::setStartStopButtonEnabled(bool enabled)
{
    startStopButton->setEnabled(enabled);
}

void RecorderView::tappedStartStopButton()
{
    if (!m_recordingFilePath || !m_recordingFormat || !m_recorderNode)
        return;
    bool failed = false;
    if (m_recorderNode->isRecording()) {
        failed = !m_recorderNode->stop(m_recordingFilePath->toStdString(), *m_recordingFormat);
    } else {
        showFailure(false);
        m_recorderNode->start();
    }
    updateStartStopButton();
    const bool recording = m_recorderNode->isRecording();
    // A receiver may delete the view.
    const QPointer<RecorderView> alive(this);
    if (failed) {
        showFailure(true);
        emit recordingFailed();
    }
    if (alive)
        emit recordingToggled(recording);
}

void RecorderView::showFailure(bool failed)
{
    m_failed = failed;
    statusLabel->setVisible(failed);
    // Said to assistive technology with the button, which keeps the focus.
    startStopButton->setAccessibleDescription(failed ? statusLabel->text() : QString());
}

void RecorderView::updateStartStopButton()
{
    const bool recording = m_recorderNode && m_recorderNode->isRecording();
    startStopButton->setText(recording ? QStringLiteral("Stop Recording")
                                       : QStringLiteral("Start Recording"));
}

} // namespace NequoraUI
