// Builds a few library widgets from the installed package and checks they work.
#include <NequoraUIVersion.h>
#include <SliderView.h>
#include <SwitchView.h>
#include <platform/NumberText.h>

#include <QApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QVBoxLayout>
#include <cstdio>
#include <memory>

namespace {

// The installed QML module, found through the import path given on the command line.
bool qmlModuleWorks(const QString &importPath)
{
    QQmlEngine engine;
    engine.addImportPath(importPath);
    QQmlComponent component(&engine);
    component.setData("import QtQuick\nimport NequoraUI\nNQRadialSliderControl { size: 120 }",
                      QUrl());
    std::unique_ptr<QObject> pad(component.create());
    if (!pad) {
        std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
        return false;
    }
    return pad->property("size").toDouble() == 120.0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    float reported = -1;
    layout->addWidget(new NequoraUI::SliderView(QStringLiteral("Gain"), 0.5f, 0.0f, 1.0f,
                                                [&](float value) { reported = value; }));
    layout->addWidget(new NequoraUI::SwitchView(QStringLiteral("Bypass"), true, {}));
    window.show();
    const bool ok = NequoraUIVersionNumber == 1.0 && !window.grab().isNull() &&
                    NequoraUI::platform::NumberText::shortest(0.5f) == "0.5" && reported < 0 &&
                    argc > 1 && qmlModuleWorks(QString::fromLocal8Bit(argv[1]));
    std::printf("consumer: NequoraUI %.1f %s\n", NequoraUIVersionNumber, ok ? "works" : "FAILED");
    return ok ? 0 : 1;
}
