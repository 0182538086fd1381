#include "ScreenRows.h"

#include "AudioPlayerView.h"
#include "GraphRowModel.h"
#include "LiveValueView.h"
#include "NQAudioGraph.h"
#include "PickerView.h"
#include "RecorderView.h"
#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"
#include "UIGenerator.h"
#include "platform/ProgressBar.h"
#include "platform/Slider.h"
#include "support/Widgets.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>
#include <tuple>

using namespace NequoraUI;

bool ShownRow::operator==(const ShownRow &other) const
{
    // The widget slider keeps its track in floats.
    return std::tie(kind, title, valueText, choices) ==
               std::tie(other.kind, other.title, other.valueText, other.choices) &&
           std::abs(proportion - other.proportion) < 1e-5;
}

void PrintTo(const ShownRow &row, std::ostream *os)
{
    *os << qPrintable(QStringLiteral("%1 '%2' '%3' %4 [%5]")
                          .arg(row.kind, row.title, row.valueText)
                          .arg(row.proportion, 0, 'f', 4)
                          .arg(row.choices.join(',')));
}

ShownRow shownBy(QWidget *w)
{
    using NequoraUI::testing::child;
    if (auto *s = qobject_cast<SliderView *>(w)) {
        const auto *track = s->findChild<platform::Slider *>();
        const double span = track->maximumValue() - track->minimumValue();
        return {"slider", s->title(), NequoraUI::testing::labelText(s, "valueLabel"),
                (track->value() - track->minimumValue()) / span};
    }
    if (auto *s = qobject_cast<SwitchView *>(w))
        return {"switch", s->title(), s->isOn() ? "On" : "Off", s->isOn() ? 1.0 : 0.0};
    if (auto *s = qobject_cast<SegmentedView *>(w))
        return {"segments", s->title(), s->segments().value(s->selectedSegmentIndex()), 0,
                s->segments()};
    if (auto *s = qobject_cast<TextFieldView *>(w))
        return {"text", s->title(), s->text()};
    if (auto *s = qobject_cast<LiveValueView *>(w))
        return {"readOnly", s->findChildren<QLabel *>().value(0)->text(), s->stringValue()};
    if (auto *s = qobject_cast<PickerView *>(w))
        return {"picker", s->findChildren<QLabel *>().value(0)->text(), s->currentValue()};
    // The node views have no title of their own; their button says what a tap does.
    if (auto *s = qobject_cast<AudioPlayerView *>(w))
        return {"player", "Playback", child<QPushButton>(s, "playPauseButton")->text(),
                child<platform::ProgressBar>(s, "progressView")->progress()};
    if (auto *s = qobject_cast<RecorderView *>(w))
        return {"recorder", "Recording", child<QPushButton>(s, "startStopButton")->text()};
    return {"unknown"};
}

ShownRow shownBy(const GraphRowModel &model, int row)
{
    const auto at = [&](GraphRowModel::Role role) { return model.index(row).data(role); };
    const QString kind = at(GraphRowModel::KindRole).toString();
    if (kind == "section")
        return {kind, at(GraphRowModel::TitleRole).toString()};
    const bool track = kind == "slider" || kind == "switch" || kind == "player";
    const bool transport = kind == "player" || kind == "recorder";
    return {kind, at(GraphRowModel::TitleRole).toString(),
            at(transport ? GraphRowModel::ActionTextRole : GraphRowModel::ValueTextRole).toString(),
            track ? at(GraphRowModel::ProportionRole).toDouble() : 0.0,
            at(GraphRowModel::ChoicesRole).toStringList()};
}

QList<ShownRow> widgetRows(const NQAudioGraph &graph, const UIGenerator &generator)
{
    QList<ShownRow> rows;
    for (const auto &node : UIGenerator::shownNodes(graph)) {
        const QList<QWidget *> views = generator.generateViews(node);
        if (views.isEmpty())
            continue;
        rows.append({"section", QString::fromStdString(node->displayName())});
        for (QWidget *view : views) {
            rows.append(shownBy(view));
            delete view;
        }
    }
    return rows;
}

QList<ShownRow> quickRows(const GraphRowModel &model)
{
    QList<ShownRow> rows;
    for (int r = 0; r < model.rowCount(); ++r)
        rows.append(shownBy(model, r));
    return rows;
}
