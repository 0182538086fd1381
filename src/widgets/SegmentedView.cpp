#include "SegmentedView.h"

#include "RowChangeReport.h"
#include "platform/Interface.h"
#include "platform/SegmentedControl.h"

#include <QLabel>
#include <QPointer>

namespace NequoraUI {

SegmentedView::SegmentedView(const QString &title, const QStringList &segments,
                             ValueChangedHandler valueChangedHandler, QWidget *parent)
    : QWidget(parent), valueChangedHandler(std::move(valueChangedHandler))
{
    const auto ui = platform::Interface::load(QStringLiteral("SegmentedView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    titleLabel = ui.outlet<QLabel>("titleLabel");
    segmentedControl = ui.outlet<platform::SegmentedControl>("segmentedControl");

    titleLabel->setText(title);
    titleLabel->setBuddy(segmentedControl);
    segmentedControl->removeAllSegments();
    for (const QString &segment : segments)
        segmentedControl->insertSegment(segment, segmentedControl->numberOfSegments());
    segmentedControl->setSelectedSegmentIndex(0);
}

void SegmentedView::setSelectedIndex(int index)
{
    segmentedControl->setSelectedSegmentIndex(index);
}

void SegmentedView::segmentedControlerValueChanged()
{
    const int index = segmentedControl->selectedSegmentIndex();
    reportRowChange(
        this,
        [this, index] {
            if (valueChangedHandler)
                valueChangedHandler(index);
        },
        &SegmentedView::selectedSegmentChanged, index);
}

void SegmentedView::setListener(std::unique_ptr<RowViewListener> listener)
{
    m_listener = std::move(listener);
}

int SegmentedView::selectedSegmentIndex() const
{
    return segmentedControl->selectedSegmentIndex();
}

QStringList SegmentedView::segments() const
{
    return segmentedControl->segmentTitles();
}

QString SegmentedView::title() const
{
    return titleLabel->text();
}

} // namespace NequoraUI
