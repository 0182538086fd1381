#pragma once

#include "NQRecorderNode.h"

#include <QString>

class QDateTime;

namespace NequoraUI {

// The recorder object the generator makes for a recorder node. Stopping never overwrites a
// file: it claims the path asked for, or the next free "name-1.wav", "name-2.wav"... beside it,
// and hands the claimed path to the engine. A recording the engine wrote joins the imported
// files that every audio file picker offers; a failed one leaves nothing behind.
class GeneratedRecorderNode : public NQRecorderNode
{
public:
    using NQRecorderNode::NQRecorderNode;

    bool stop(const std::string &filePath, NQCodec format) override;

    // <application data>/Recordings/<node name> <yyyy-MM-dd HH.mm.ss>.wav; a slash in the
    // name becomes a dash, so the file stays in that folder.
    static QString recordingPath(const QString &nodeName, const QDateTime &at);
};

} // namespace NequoraUI
