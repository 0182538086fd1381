#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// Points the application's data folder (and so the import inbox) at a fresh temporary folder
// for as long as it lives, so tests running in parallel never share or delete each other's files.
class IsolatedDataHome
{
public:
    IsolatedDataHome();
    ~IsolatedDataHome();
    IsolatedDataHome(const IsolatedDataHome &) = delete;
    IsolatedDataHome &operator=(const IsolatedDataHome &) = delete;

    bool isValid() const { return folder.isValid(); }

private:
    QTemporaryDir folder;
    QByteArray previous;
    bool hadPrevious = false;
};
