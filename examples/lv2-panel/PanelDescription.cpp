#include "PanelDescription.h"

#include "CollapsibleSectionView.h"
#include "LiveValueView.h"
#include "PickerView.h"
#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "platform/SegmentedControl.h"
#include "platform/Slider.h"

#include <QLabel>

using namespace NequoraUI;

namespace {

QString labelText(QWidget *view, const char *name)
{
    const auto *label = view->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QString();
}

QString line(std::initializer_list<QString> fields)
{
    return QStringList(fields).join(QLatin1Char('\t'));
}

QString describe(QWidget *view)
{
    if (auto *slider = qobject_cast<SliderView *>(view)) {
        const auto *track = slider->findChild<platform::Slider *>();
        const double span = double(track->maximumValue()) - double(track->minimumValue());
        const double position =
            span > 0 ? (double(track->value()) - double(track->minimumValue())) / span : 0.0;
        return line({"slider", labelText(view, "titleLabel"), labelText(view, "valueLabel"),
                     QString::number(position, 'f', 3)});
    }
    if (auto *segmented = qobject_cast<SegmentedView *>(view)) {
        const auto *control = segmented->findChild<platform::SegmentedControl *>();
        return line({"choices", labelText(view, "titleLabel"),
                     control->segmentTitles().join(QLatin1Char('|')),
                     control->titleForSegment(control->selectedSegmentIndex())});
    }
    if (qobject_cast<PickerView *>(view))
        return line({"picker", labelText(view, "title"), labelText(view, "value")});
    if (auto *readout = qobject_cast<LiveValueView *>(view))
        return line({"readout", labelText(view, "titleLabel"), readout->stringValue()});
    if (auto *toggle = qobject_cast<SwitchView *>(view))
        return line({"switch", labelText(view, "titleLabel"),
                     toggle->toggleSwitch && toggle->toggleSwitch->isOn() ? "on" : "off"});
    if (auto *section = qobject_cast<CollapsibleSectionView *>(view))
        return line({"group", section->titleLabel->text()});
    return {};
}

} // namespace

QStringList PanelDescription::of(QWidget *screen)
{
    QStringList lines;
    // findChildren lists depth-first in creation order, which is the screen's order.
    for (QWidget *view : screen->findChildren<QWidget *>()) {
        const QString text = describe(view);
        if (!text.isEmpty())
            lines.append(text);
    }
    return lines;
}
