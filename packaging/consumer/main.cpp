// Builds a few library widgets from the installed package and checks they work.
#include <NequoraUIVersion.h>
#include <SliderView.h>
#include <SwitchView.h>
#include <platform/NumberText.h>

#include <QApplication>
#include <QVBoxLayout>
#include <cstdio>

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
                    NequoraUI::platform::NumberText::shortest(0.5f) == "0.5" && reported < 0;
    std::printf("consumer: NequoraUI %.1f %s\n", NequoraUIVersionNumber, ok ? "works" : "FAILED");
    return ok ? 0 : 1;
}
