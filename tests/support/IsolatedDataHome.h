#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// Points the application's data folder (and so the import inbox) at a fresh temporary folder
// for as long as it lives, so tests running in parallel never share or delete each other's files.
class IsolatedDataHome
{
public:
    IsolatedDataHome() { qputenv("XDG_DATA_HOME", folder.path().toLocal8Bit()); }
    ~IsolatedDataHome()
    {
        if (hadPrevious)
            qputenv("XDG_DATA_HOME", previous);
        else
            qunsetenv("XDG_DATA_HOME");
    }

    bool isValid() const { return folder.isValid(); }

private:
    QTemporaryDir folder;
    QByteArray previous = qgetenv("XDG_DATA_HOME");
    bool hadPrevious = qEnvironmentVariableIsSet("XDG_DATA_HOME");
};
