#include "IsolatedDataHome.h"

#include <QtGlobal>

IsolatedDataHome::IsolatedDataHome()
    : previous(qgetenv("XDG_DATA_HOME")), hadPrevious(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
{
    qputenv("XDG_DATA_HOME", folder.path().toLocal8Bit());
}

IsolatedDataHome::~IsolatedDataHome()
{
    if (hadPrevious)
        qputenv("XDG_DATA_HOME", previous);
    else
        qunsetenv("XDG_DATA_HOME");
}
