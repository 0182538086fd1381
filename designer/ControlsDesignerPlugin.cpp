#include "ControlsDesignerPlugin.h"

#include "ControlDesignerInterface.h"
#include "platform/ProgressBar.h"
#include "platform/SegmentedControl.h"
#include "platform/Slider.h"
#include "platform/Switch.h"

namespace NequoraUI::designer {

namespace {

template <typename Control> QWidget *create(QWidget *parent)
{
    return new Control(parent);
}

QString propertyXml(const char *name, const QString &value)
{
    return QStringLiteral("  <property name=\"%1\">%2</property>\n")
        .arg(QLatin1String(name), value);
}

QString doubleXml(double value)
{
    return QStringLiteral("<double>%1</double>").arg(value);
}

} // namespace

ControlsDesignerPlugin::ControlsDesignerPlugin(QObject *parent) : QObject(parent)
{
    using Description = ControlDesignerInterface::Description;
    const Description descriptions[] = {
        {"NequoraUI::platform::Slider", "slider",
         propertyXml("minimumValue", doubleXml(0)) + propertyXml("maximumValue", doubleXml(1)) +
             propertyXml("value", doubleXml(0.5)),
         "A horizontal slider over a float range", &create<platform::Slider>},
        {"NequoraUI::platform::Switch", "toggleSwitch",
         propertyXml("on", QStringLiteral("<bool>false</bool>")), "An on/off switch",
         &create<platform::Switch>},
        {"NequoraUI::platform::SegmentedControl", "segmentedControl",
         propertyXml("segmentTitles",
                     QStringLiteral("<stringlist><string>First</string><string>Second</string>"
                                    "</stringlist>")) +
             propertyXml("selectedSegmentIndex", QStringLiteral("<number>0</number>")),
         "A row of mutually exclusive segments", &create<platform::SegmentedControl>},
        {"NequoraUI::platform::ProgressBar", "progressView",
         propertyXml("progress", doubleXml(0.5)), "A thin progress bar, 0 to 1",
         &create<platform::ProgressBar>},
    };
    for (const Description &description : descriptions)
        controls.append(new ControlDesignerInterface(description, this));
}

} // namespace NequoraUI::designer
