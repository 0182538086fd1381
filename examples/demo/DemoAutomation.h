#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class NQAudioGraph;
class NQFloatParameter;

// The engine moving a parameter on its own, as automation would: a slow sine sweep of a
// filter cutoff between two frequencies, a step every display frame or so, on the main thread.
class DemoAutomation : public QObject
{
    Q_OBJECT

public:
    // Sweeps the first float parameter named "Cutoff" in graph (or, failing that, the first
    // float parameter); does nothing when the graph has none.
    explicit DemoAutomation(const NQAudioGraph &graph, QObject *parent = nullptr);

    // The swept parameter's name; empty when there is none.
    QString parameterName() const { return m_name; }
    // True while the automation itself writes, so a log can leave its writes out.
    bool isWriting() const { return m_writing; }

private:
    void step();

    std::weak_ptr<NQFloatParameter> m_parameter;
    QString m_name;
    QTimer m_timer;
    double m_phase = 0;
    bool m_writing = false;
};
