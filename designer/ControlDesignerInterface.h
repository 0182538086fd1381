#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace NequoraUI::designer {

// One platform control as Qt Designer sees it: the widget box entry, the default object and
// properties a new one gets, and the include uic writes for it.
class ControlDesignerInterface : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    using Create = QWidget *(*)(QWidget *parent);

    struct Description
    {
        QString className;  // as .ui files name it: "NequoraUI::platform::Slider"
        QString objectName; // a new instance's name: "slider"
        QString properties; // <property> elements a new instance starts with
        QString toolTip;
        Create create = nullptr;
    };

    ControlDesignerInterface(Description description, QObject *parent);

    QString name() const override { return description.className; }
    QString group() const override;
    QIcon icon() const override;
    QString toolTip() const override { return description.toolTip; }
    QString whatsThis() const override { return description.toolTip; }
    bool isContainer() const override { return false; }
    QWidget *createWidget(QWidget *parent) override { return description.create(parent); }
    QString includeFile() const override;
    QString domXml() const override;
    bool isInitialized() const override { return initialized; }
    void initialize(QDesignerFormEditorInterface *) override { initialized = true; }

private:
    const Description description;
    bool initialized = false;
};

} // namespace NequoraUI::designer
