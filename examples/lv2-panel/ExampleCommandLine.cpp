#include "ExampleCommandLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>

bool ExampleCommandLine::wantsOffscreen(int argc, char **argv,
                                        const QList<QByteArray> &printOrRenderOptions)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (printOrRenderOptions.contains(argument) || argument.startsWith("--screenshot"))
            return true;
    }
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void ExampleCommandLine::settle(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
