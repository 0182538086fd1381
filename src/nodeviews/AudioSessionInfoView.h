#pragma once

#include "NQAudioEngine.h"

#include "platform/DisplayLink.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QVBoxLayout;

namespace NequoraUI {

class ValueLabelView;

// A read-only monitor of the audio engine: eight value rows refreshed on every display frame
// for as long as the view exists. Once the engine is gone the rows keep their last values.
class AudioSessionInfoView : public QWidget
{
    Q_OBJECT

public:
    explicit AudioSessionInfoView(std::weak_ptr<NQAudioEngine> audioEngine,
                                  QWidget *parent = nullptr);
    ~AudioSessionInfoView() override;

    platform::DisplayLink *displayLink() const { return m_displayLink; }

public slots:
    void updateData();

private:
    void addRows();

    ValueLabelView *isRunningView = nullptr;
    ValueLabelView *sampleRateView = nullptr;
    ValueLabelView *inputLatencyView = nullptr;
    ValueLabelView *outputLatencyView = nullptr;
    ValueLabelView *bufferDurationView = nullptr;
    ValueLabelView *roundTripLatencyView = nullptr;
    ValueLabelView *currentInputRouteView = nullptr;
    ValueLabelView *currentOutputRouteView = nullptr;
    QPointer<platform::DisplayLink> m_displayLink;
    const std::weak_ptr<NQAudioEngine> m_audioEngine;
    QVBoxLayout *stackView = nullptr;
};

} // namespace NequoraUI
