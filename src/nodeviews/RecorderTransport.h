#pragma once

#include "NQCodec.h"
#include "NQRecorderNode.h"

#include <QString>
#include <memory>
#include <optional>

namespace NequoraUI {

// What a recorder node's controls show and do, whichever toolkit draws them: start, and stop
// into a file of the given path and format. Nothing happens until both are set.
class RecorderTransport
{
public:
    explicit RecorderTransport(std::shared_ptr<NQRecorderNode> recorder,
                               std::optional<QString> path = {},
                               std::optional<NQCodec> format = {});

    const std::shared_ptr<NQRecorderNode> &recorder() const { return m_recorder; }
    std::optional<QString> path() const { return m_path; }
    void setPath(std::optional<QString> path) { m_path = std::move(path); }
    std::optional<NQCodec> format() const { return m_format; }
    void setFormat(std::optional<NQCodec> format) { m_format = format; }
    // A path, a format and a node: a tap can start or stop.
    bool canToggle() const;

    // Starts a stopped node, stops a recording one into the file. Returns false when the
    // transport cannot toggle.
    bool toggle();
    bool isRecording() const;
    // True from a stop the node reported as failed until the next start.
    bool lastRecordingFailed() const { return m_failed; }
    // The button's title: what a tap does next.
    QString actionText() const;
    // What the row says about the node.
    QString stateText() const;
    static QString failureText();

private:
    std::shared_ptr<NQRecorderNode> m_recorder;
    std::optional<QString> m_path;
    std::optional<NQCodec> m_format;
    bool m_failed = false;
};

} // namespace NequoraUI
