#pragma once

#include "CollapsibleSectionView.h"
#include "NQEngineNode.h"
#include "sim/SimGraph.h"

#include <QLayout>
#include <QList>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// An engine node that remembers which files it was asked to load.
class RecordingEngineNode : public NQEngineNode
{
public:
    bool load(const std::string &absoluteUrl) override
    {
        loads.push_back(absoluteUrl);
        return true;
    }
    bool isPlaying() const override { return false; }
    void play() override {}
    void pause() override {}
    double position() const override { return 0.0; }
    double duration() const override { return 0.0; }
    bool isRecording() const override { return false; }
    void start() override {}
    bool stop(const std::string &, NQCodec) override { return false; }

    std::vector<std::string> loads;
};

// Takes over the parentless widgets a generator returns, so each test frees them.
struct OwnedWidgets
{
    explicit OwnedWidgets(const QList<QWidget *> &widgets) : list(widgets)
    {
        for (QWidget *widget : widgets)
            owned.emplace_back(widget);
    }
    QWidget *operator[](qsizetype index) const { return list.at(index); }
    qsizetype size() const { return list.size(); }

    QList<QWidget *> list;
    std::vector<std::unique_ptr<QWidget>> owned;
};

inline SimGraph graphOf(std::initializer_list<std::shared_ptr<SimNode>> nodes)
{
    SimGraph graph;
    for (const auto &node : nodes)
        graph.append(node);
    return graph;
}

// The widgets stacked inside a generated section.
inline QList<QWidget *> rowsOf(QWidget *sectionWidget)
{
    QList<QWidget *> rows;
    QLayout *stack =
        qobject_cast<NequoraUI::CollapsibleSectionView *>(sectionWidget)->content()->layout();
    for (int i = 0; i < stack->count(); ++i)
        rows.append(stack->itemAt(i)->widget());
    return rows;
}
