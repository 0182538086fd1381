#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"
#include "platform/ProgressBar.h"
#include "platform/SegmentedControl.h"
#include "platform/Slider.h"
#include "platform/Switch.h"
#include "support/Widgets.h"

#include <QLineEdit>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace NequoraUI;
using NequoraUI::testing::child;

namespace {

// One widget view: a programmatic change that must stay silent, then a user change that must
// be reported exactly once with `reported`, after which `getter` reads the same value.
struct SignalCase
{
    const char *name;
    std::function<QWidget *()> make;
    const char *signal;
    std::function<void(QWidget *)> programmatic;
    std::function<void(QWidget *)> user;
    QVariant reported;
    std::function<QVariant(QWidget *)> getter;
};

const SignalCase signalCases[] = {
    {"slider", [] { return new SliderView("Gain", 0.5f, 0.0f, 2.0f, {}); },
     SIGNAL(valueChanged(float)), [](QWidget *v) { static_cast<SliderView *>(v)->setValue(1.5f); },
     [](QWidget *v) { QTest::keyClick(child<platform::Slider>(v, "slider"), Qt::Key_End); }, 2.0f,
     [](QWidget *v) { return QVariant(static_cast<SliderView *>(v)->value()); }},
    {"switch", [] { return new SwitchView("Bypass", false, {}); }, SIGNAL(toggled(bool)),
     [](QWidget *v) { static_cast<SwitchView *>(v)->toggleSwitch->setOn(true); },
     [](QWidget *v) {
         QTest::mouseClick(static_cast<SwitchView *>(v)->toggleSwitch, Qt::LeftButton);
     },
     false, [](QWidget *v) { return QVariant(static_cast<SwitchView *>(v)->isOn()); }},
    {"segments",
     [] {
         return new SegmentedView("Mode", {"A", "B", "C"}, {});
     },
     SIGNAL(selectedSegmentChanged(int)),
     [](QWidget *v) {
         child<platform::SegmentedControl>(v, "segmentedControl")->setSelectedSegmentIndex(1);
     },
     [](QWidget *v) {
         auto *control = child<platform::SegmentedControl>(v, "segmentedControl");
         QTest::mouseClick(control, Qt::LeftButton, {}, control->segmentRect(2).center());
     },
     2,
     [](QWidget *v) { return QVariant(static_cast<SegmentedView *>(v)->selectedSegmentIndex()); }},
    {"text", [] { return new TextFieldView("Name", QStringLiteral("Hall")); },
     SIGNAL(editingFinished(QString)), [](QWidget *v) { static_cast<TextFieldView *>(v)->clear(); },
     [](QWidget *v) {
         auto *field = child<QLineEdit>(v, "textField");
         QTest::keyClicks(field, QStringLiteral("Room"));
         QTest::keyClick(field, Qt::Key_Return);
         QTest::keyClick(field, Qt::Key_Return); // unchanged since: not reported again
     },
     QStringLiteral("Room"),
     [](QWidget *v) { return QVariant(static_cast<TextFieldView *>(v)->text()); }},
};

} // namespace

TEST(WidgetSignals, EachUserChangeIsSignalledOnceAndProgrammaticOnesNever)
{
    for (const SignalCase &c : signalCases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<QWidget> view(c.make());
        ASSERT_TRUE(NequoraUI::testing::shown(*view, 360, 80));
        QSignalSpy spy(view.get(), c.signal);
        c.programmatic(view.get());
        EXPECT_EQ(spy.count(), 0);
        c.user(view.get());
        ASSERT_EQ(spy.count(), 1);
        EXPECT_EQ(spy.at(0).at(0), c.reported);
        EXPECT_EQ(c.getter(view.get()), c.reported);
    }
}

// Every property of a platform control notifies, once per real change and for setters too.
TEST(WidgetSignals, PlatformPropertiesNotifyEveryChangeOnce)
{
    const std::pair<std::function<QWidget *()>, std::vector<std::pair<const char *, QVariant>>>
        controls[] = {
            {[] { return new platform::Slider; },
             {{"maximumValue", 4.0f},
              {"minimumValue", 1.0f},
              {"value", 3.0f},
              {"continuous", false}}},
            {[] { return new platform::Switch; }, {{"on", true}}},
            {[] { return new platform::SegmentedControl; },
             {{"segmentTitles", QStringList{"A", "B"}}, {"selectedSegmentIndex", 1}}},
            {[] { return new platform::ProgressBar; }, {{"progress", 0.5f}}},
        };
    for (const auto &[make, writes] : controls) {
        std::unique_ptr<QWidget> control(make());
        const QMetaObject *meta = control->metaObject();
        for (const auto &[name, value] : writes) {
            SCOPED_TRACE(name);
            const QMetaProperty property = meta->property(meta->indexOfProperty(name));
            ASSERT_TRUE(property.hasNotifySignal());
            QSignalSpy spy(control.get(), property.notifySignal());
            EXPECT_TRUE(control->setProperty(name, value));
            EXPECT_TRUE(control->setProperty(name, value));
            EXPECT_EQ(spy.count(), 1);
            EXPECT_EQ(control->property(name), value);
        }
    }
}
