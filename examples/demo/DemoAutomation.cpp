#include "DemoAutomation.h"

#include "NQAudioGraph.h"
#include "NQAudioNode.h"
#include "NQFloatParameter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// A sweep every eight seconds, stepped at about 60 Hz.
constexpr int stepMs = 16;
constexpr double periodSeconds = 8.0;
// Swept between these two frequencies, kept inside the parameter's range.
constexpr double lowHz = 150.0;
constexpr double highHz = 6000.0;

std::shared_ptr<NQFloatParameter> sweptParameter(const NQAudioGraph &graph)
{
    std::shared_ptr<NQFloatParameter> first;
    for (const auto &node : graph.nodes()) {
        if (!node)
            continue;
        for (const auto &parameter : node->parameters()) {
            auto number = std::dynamic_pointer_cast<NQFloatParameter>(parameter);
            if (!number)
                continue;
            if (number->name() == "Cutoff")
                return number;
            if (!first)
                first = number;
        }
    }
    return first;
}

} // namespace

DemoAutomation::DemoAutomation(const NQAudioGraph &graph, QObject *parent) : QObject(parent)
{
    const auto parameter = sweptParameter(graph);
    if (!parameter)
        return;
    m_parameter = parameter;
    m_name = QString::fromStdString(parameter->name());
    connect(&m_timer, &QTimer::timeout, this, &DemoAutomation::step);
    m_timer.start(stepMs);
}

void DemoAutomation::step()
{
    const auto parameter = m_parameter.lock();
    if (!parameter) {
        m_timer.stop();
        return;
    }
    m_phase = std::fmod(m_phase + stepMs / 1000.0 / periodSeconds, 1.0);
    // Even in pitch: the sine moves the logarithm of the frequency.
    const double low = std::max(lowHz, double(parameter->minimumValue()));
    const double high = std::max(low, std::min(highHz, double(parameter->maximumValue())));
    const double position = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * m_phase);
    const double value =
        low > 0 ? low * std::pow(high / low, position) : low + (high - low) * position;
    m_writing = true;
    parameter->setValue(float(value));
    m_writing = false;
}
