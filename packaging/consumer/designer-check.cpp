// Loads the installed Qt Designer plugin (the path given) as Designer does and lists its
// widgets; each must make the control it names and give the include of its installed header.
#include <QApplication>
#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QPluginLoader loader(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
    const auto widgets =
        collection ? collection->customWidgets() : QList<QDesignerCustomWidgetInterface *>();
    for (QDesignerCustomWidgetInterface *widget : widgets) {
        const std::unique_ptr<QWidget> made(widget->createWidget(nullptr));
        const QString name = widget->name();
        std::printf("designer widget: %s %s\n", qPrintable(name),
                    qPrintable(widget->includeFile()));
        if (!made || name != QLatin1String(made->metaObject()->className()) ||
            widget->includeFile() != "<NequoraUI/platform/" + name.section("::", -1) + ".h>")
            return 1;
    }
    if (widgets.size() != 4)
        std::fprintf(stderr, "designer-check: %s\n", qPrintable(loader.errorString()));
    return widgets.size() == 4 ? 0 : 1;
}
