#include "ControlDesignerInterface.h"

#include <QIcon>

namespace NequoraUI::designer {

ControlDesignerInterface::ControlDesignerInterface(Description description, QObject *parent)
    : QObject(parent), description(std::move(description))
{}

QString ControlDesignerInterface::group() const
{
    return QStringLiteral("NequoraUI");
}

QIcon ControlDesignerInterface::icon() const
{
    return {};
}

QString ControlDesignerInterface::includeFile() const
{
    // Angle brackets make uic write a global include, as installed headers are used.
    const QString bareName = description.className.section(QStringLiteral("::"), -1);
    return QStringLiteral("<NequoraUI/platform/%1.h>").arg(bareName);
}

QString ControlDesignerInterface::domXml() const
{
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n%3 </widget>\n"
                          "</ui>\n")
        .arg(description.className, description.objectName, description.properties);
}

} // namespace NequoraUI::designer
