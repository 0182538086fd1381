#pragma once

#include "RecorderTransport.h"

#include <QList>
#include <QUrl>

class NQAudioNode;
class QUndoStack;
class QWidget;

namespace NequoraUI {

class ViewControllerPresenter;

// The views generated for player and recorder nodes, which stand in for their parameters: a
// player view (with a file chooser row when there are files to offer) and a recorder view.
// Each view owns the node object made for it.
class MediaNodeViews
{
public:
    // True for player and recorder nodes.
    static bool isMediaNode(const NQAudioNode &audioNode);
    static bool isPlayer(const NQAudioNode &audioNode);
    static bool isRecorder(const NQAudioNode &audioNode);
    // The transport a recorder node's view drives: a recording of its own, a WAV file in the
    // application's data folder named after the node and the time, never overwriting an
    // earlier one.
    static RecorderTransport recorderTransport(const NQAudioNode &audioNode);
    // How many views views() gives for the node, without making them.
    static int viewCount(const NQAudioNode &audioNode, bool offersFiles);
    // presenter shows the file chooser's picker; without one, or without files, the player
    // gets no file row. A change of file is recorded on undoStack when there is one.
    static QList<QWidget *> views(const NQAudioNode &audioNode, ViewControllerPresenter *presenter,
                                  const QList<QUrl> &audioFiles, QUndoStack *undoStack);

private:
    static QList<QWidget *> playerViews(const NQAudioNode &audioNode,
                                        ViewControllerPresenter *presenter,
                                        const QList<QUrl> &audioFiles, QUndoStack *undoStack);
    static QList<QWidget *> recorderViews(const NQAudioNode &audioNode);
};

} // namespace NequoraUI
