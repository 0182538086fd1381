#include "AudioSessionInfoView.h"

#include "ValueLabelView.h"

#include "platform/DisplayLink.h"
#include "platform/NumberText.h"

#include <QVBoxLayout>

namespace NequoraUI {

namespace {

const QString noSampleRate = QStringLiteral("0 Hz");
const QString noDuration = QStringLiteral("0.00 ms");

// The rate is shown as the engine reports it, in hertz.
QString sampleRateText(double sampleRate)
{
    return QString::fromStdString(platform::NumberText::fixed(sampleRate, 0)) +
           QStringLiteral(" Hz");
}

QString millisecondsText(double seconds)
{
    return QString::fromStdString(platform::NumberText::fixed(seconds * 1000.0, 2)) +
           QStringLiteral(" ms");
}

} // namespace

AudioSessionInfoView::AudioSessionInfoView(std::weak_ptr<NQAudioEngine> audioEngine,
                                           QWidget *parent)
    : QWidget(parent), m_audioEngine(std::move(audioEngine))
{
    stackView = new QVBoxLayout(this);
    stackView->setContentsMargins(0, 0, 0, 0);
    stackView->setSpacing(10);
    addRows();

    // Rows keep their initial texts until the first frame.
    m_displayLink = new platform::DisplayLink(this, "updateData", this);
    m_displayLink->addToRunLoop();
}

AudioSessionInfoView::~AudioSessionInfoView()
{
    if (m_displayLink)
        m_displayLink->invalidate();
}

void AudioSessionInfoView::addRows()
{
    isRunningView = new ValueLabelView(QStringLiteral("Engine Is Running"), QStringLiteral("No"));
    sampleRateView = new ValueLabelView(QStringLiteral("Sample Rate"), noSampleRate);
    inputLatencyView = new ValueLabelView(QStringLiteral("Input Latency"), noDuration);
    outputLatencyView = new ValueLabelView(QStringLiteral("Output Latency"), noDuration);
    bufferDurationView = new ValueLabelView(QStringLiteral("IO Buffer Duration"), noDuration);
    roundTripLatencyView = new ValueLabelView(QStringLiteral("Round-trip Latency"), noDuration);
    currentInputRouteView = new ValueLabelView(QStringLiteral("Current Input Route"), QString());
    currentOutputRouteView = new ValueLabelView(QStringLiteral("Current Output Route"), QString());
    for (auto *row :
         {isRunningView, sampleRateView, inputLatencyView, outputLatencyView, bufferDurationView,
          roundTripLatencyView, currentInputRouteView, currentOutputRouteView})
        stackView->addWidget(row, 1); // equal stretch: every row gets the same height
}

void AudioSessionInfoView::updateData()
{
    const auto engine = m_audioEngine.lock();
    if (!engine)
        return;
    isRunningView->setStringValue(engine->isRunning() ? QStringLiteral("Yes")
                                                      : QStringLiteral("No"));
    // The state is asked for once per row, so a state replaced mid-refresh shows at once.
    const auto rate = engine->lastAudioSessionState();
    sampleRateView->setStringValue(rate ? sampleRateText(rate->sampleRate) : noSampleRate);
    const auto input = engine->lastAudioSessionState();
    inputLatencyView->setStringValue(input ? millisecondsText(input->inputLatency) : noDuration);
    const auto output = engine->lastAudioSessionState();
    outputLatencyView->setStringValue(output ? millisecondsText(output->outputLatency)
                                             : noDuration);
    const auto buffer = engine->lastAudioSessionState();
    bufferDurationView->setStringValue(buffer ? millisecondsText(buffer->IOBufferDuration)
                                              : noDuration);
    roundTripLatencyView->setStringValue(millisecondsText(engine->roundTripLatencySeconds()));
    currentInputRouteView->setStringValue(QString::fromStdString(engine->currentInputRoute()));
    currentOutputRouteView->setStringValue(QString::fromStdString(engine->currentOutputRoute()));
}

} // namespace NequoraUI
