#include "MediaNodeViews.h"

#include "AudioFileView.h"
#include "AudioPlayerView.h"
#include "GeneratedRecorderNode.h"
#include "NQAudioNode.h"
#include "NQAudioPlayerNode.h"
#include "NQRecorderNode.h"
#include "RecorderView.h"
#include "ValueChangeCommand.h"

#include <QDateTime>
#include <QPointer>
#include <QUndoStack>
#include <memory>
#include <optional>

namespace NequoraUI {

namespace {

const std::string playerType = "AudioPlayerNode";
const std::string recorderType = "RecorderNode";

} // namespace

bool MediaNodeViews::isMediaNode(const NQAudioNode &audioNode)
{
    return isPlayer(audioNode) || isRecorder(audioNode);
}

bool MediaNodeViews::isPlayer(const NQAudioNode &audioNode)
{
    return audioNode.type() == playerType;
}

bool MediaNodeViews::isRecorder(const NQAudioNode &audioNode)
{
    return audioNode.type() == recorderType;
}

int MediaNodeViews::viewCount(const NQAudioNode &audioNode, bool offersFiles)
{
    return isPlayer(audioNode) && offersFiles ? 2 : 1;
}

QList<QWidget *> MediaNodeViews::views(const NQAudioNode &audioNode,
                                       ViewControllerPresenter *presenter,
                                       const QList<QUrl> &audioFiles, QUndoStack *undoStack)
{
    if (isPlayer(audioNode))
        return playerViews(audioNode, presenter, audioFiles, undoStack);
    if (isRecorder(audioNode))
        return recorderViews(audioNode);
    return {};
}

QList<QWidget *> MediaNodeViews::playerViews(const NQAudioNode &audioNode,
                                             ViewControllerPresenter *presenter,
                                             const QList<QUrl> &audioFiles, QUndoStack *undoStack)
{
    // A player object of our own for the engine node; the player view keeps it alive.
    auto player = std::make_shared<NQAudioPlayerNode>(audioNode.audioNode());
    auto playerView = std::make_unique<AudioPlayerView>(player);
    if (!presenter || audioFiles.isEmpty())
        return {playerView.release()};

    // Weak, so a file row never keeps the player alive.
    std::weak_ptr<NQAudioPlayerNode> weakPlayer = player;
    const auto load = [weakPlayer](const QUrl &file) {
        if (const auto player = weakPlayer.lock())
            player->load(file.toString(QUrl::FullyEncoded).toStdString());
    };
    // The row's file, and the row itself once made, for undoing a choice.
    auto chosen = std::make_shared<QUrl>();
    auto row = std::make_shared<QPointer<AudioFileView>>();
    auto fileView = std::make_unique<AudioFileView>(
        presenter, QStringLiteral("File"), std::nullopt, audioFiles,
        [load, chosen, row, stack = QPointer<QUndoStack>(undoStack)](const QUrl &file) {
            const QUrl previous = std::exchange(*chosen, file);
            load(file);
            // The engine cannot unload a file, so only a change of file can be undone.
            if (!stack || previous.isEmpty() || previous == file || !*row)
                return;
            const auto show = [load, chosen, row](const QVariant &value) {
                *chosen = value.toUrl();
                load(*chosen);
                if (*row)
                    (*row)->setFile(*chosen);
            };
            stack->push(new ValueChangeCommand(QObject::tr("Choose File"), row->data(), show,
                                               previous, file));
        });
    *row = fileView.get();
    return {fileView.release(), playerView.release()};
}

QList<QWidget *> MediaNodeViews::recorderViews(const NQAudioNode &audioNode)
{
    const RecorderTransport transport = recorderTransport(audioNode);
    auto *view = new RecorderView(transport.recorder());
    view->setRecordingFilePath(transport.path());
    view->setRecordingFormat(transport.format());
    view->setStartStopButtonEnabled(true);
    return {view};
}

RecorderTransport MediaNodeViews::recorderTransport(const NQAudioNode &audioNode)
{
    return RecorderTransport(
        std::make_shared<GeneratedRecorderNode>(audioNode.audioNode()),
        GeneratedRecorderNode::recordingPath(QString::fromStdString(audioNode.displayName()),
                                             QDateTime::currentDateTime()),
        NQCodec::wav);
}

} // namespace NequoraUI
