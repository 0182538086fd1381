// Loads the installed Qt Designer plugin as Designer does and lists its widgets; each must
// create the control its name promises and carry the include a host's uic output needs.
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: designer-check PLUGIN\n");
        return 2;
    }
    QPluginLoader loader(QString::fromLocal8Bit(argv[1]));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
    if (!collection) {
        std::fprintf(stderr, "designer-check: %s\n", qPrintable(loader.errorString()));
        return 1;
    }
    int controls = 0;
    for (QDesignerCustomWidgetInterface *widget : collection->customWidgets()) {
        std::unique_ptr<QWidget> made(widget->createWidget(nullptr));
        const QString expectedInclude = QStringLiteral("<NequoraUI/platform/%1.h>")
                                            .arg(widget->name().section(QStringLiteral("::"), -1));
        if (!made || widget->name() != QLatin1String(made->metaObject()->className()) ||
            widget->includeFile() != expectedInclude ||
            !widget->domXml().contains(QStringLiteral("class=\"%1\"").arg(widget->name()))) {
            std::fprintf(stderr, "designer-check: %s is not described right\n",
                         qPrintable(widget->name()));
            return 1;
        }
        std::printf("designer widget: %s %s\n", qPrintable(widget->name()),
                    qPrintable(widget->includeFile()));
        ++controls;
    }
    return controls == 4 ? 0 : 1;
}
