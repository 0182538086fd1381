#include "RecorderView.h"

#include "platform/FormControlStyle.h"
#include "platform/Interface.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace NequoraUI {

RecorderView::RecorderView(std::shared_ptr<NQRecorderNode> recorderNode, QWidget *parent)
    : QWidget(parent), m_transport(std::move(recorderNode))
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
    m_transport.setPath(std::move(path));
}

void RecorderView::setRecordingFormat(std::optional<NQCodec> format)
{
    m_transport.setFormat(format);
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
    if (!m_transport.toggle())
        return;
    updateStartStopButton();
    const bool recording = m_transport.isRecording();
    const bool failed = m_transport.lastRecordingFailed();
    showFailure(failed);
    // A receiver may delete the view.
    const QPointer<RecorderView> alive(this);
    if (failed)
        emit recordingFailed();
    if (alive)
        emit recordingToggled(recording);
}

void RecorderView::showFailure(bool failed)
{
    statusLabel->setVisible(failed);
    // Said to assistive technology with the button, which keeps the focus.
    startStopButton->setAccessibleDescription(failed ? statusLabel->text() : QString());
}

void RecorderView::updateStartStopButton()
{
    startStopButton->setText(m_transport.actionText());
}

} // namespace NequoraUI
