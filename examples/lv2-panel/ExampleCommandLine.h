#pragma once

#include <QByteArray>
#include <QList>

// How the LV2 example programs run from a command line.
class ExampleCommandLine
{
public:
    // True when one of printOrRenderOptions or a --screenshot option is given, or no display is
    // there: the program then runs on the offscreen platform.
    static bool wantsOffscreen(int argc, char **argv,
                               const QList<QByteArray> &printOrRenderOptions);
    // Lets layouts, first paints and the first display frames run.
    static void settle(int milliseconds);
};
