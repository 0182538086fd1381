#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace NequoraUI::designer {

// The Qt Designer plugin: the platform controls the library's forms use (slider, switch,
// segmented control, progress bar) as real, editable widgets instead of empty placeholders.
class ControlsDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
public:
    explicit ControlsDesignerPlugin(QObject *parent = nullptr);

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override { return controls; }

private:
    QList<QDesignerCustomWidgetInterface *> controls;
};

} // namespace NequoraUI::designer
