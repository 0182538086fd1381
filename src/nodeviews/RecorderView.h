#pragma once

#include "NQCodec.h"
#include "NQRecorderNode.h"

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;

namespace NequoraUI {

// Drives one recorder node with a start/stop button. The button starts disabled; a tap does
// nothing until both the recording file path and format are set. A recording the node could
// not write says so below the button ("Recording failed") until the next start.
class RecorderView : public QWidget
{
    Q_OBJECT

public:
    explicit RecorderView(std::shared_ptr<NQRecorderNode> recorderNode, QWidget *parent = nullptr);

    const std::shared_ptr<NQRecorderNode> &recorderNode() const { return m_recorderNode; }

    std::optional<QString> recordingFilePath() const { return m_recordingFilePath; }
    void setRecordingFilePath(std::optional<QString> path);
    std::optional<NQCodec> recordingFormat() const { return m_recordingFormat; }
    void setRecordingFormat(std::optional<NQCodec> format);
    // The button starts disabled; the host enables it once it has set a path and a format.
    bool isStartStopButtonEnabled() const;
    void setStartStopButtonEnabled(bool enabled);
    // True from a stop the node reported as failed until the next start.
    bool lastRecordingFailed() const { return m_failed; }

signals:
    // The user's tap on start/stop, with whether the node records afterwards.
    void recordingToggled(bool recording);
    // A stop whose recording the node could not write.
    void recordingFailed();

public slots:
    void tappedStartStopButton();

private:
    void updateStartStopButton();
    void showFailure(bool failed);

    const std::shared_ptr<NQRecorderNode> m_recorderNode;
    std::optional<QString> m_recordingFilePath;
    std::optional<NQCodec> m_recordingFormat;
    QWidget *contentView = nullptr;
    QPushButton *startStopButton = nullptr;
    QLabel *statusLabel = nullptr;
    bool m_failed = false;
};

} // namespace NequoraUI
