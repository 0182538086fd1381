#include "LibraryStyle.h"

#include "platform/Interface.h"

#include <QFile>
#include <QWidget>

namespace NequoraUI {

const QString &LibraryStyle::styleSheet()
{
    // Immutable after the first read, like the parsed interface files.
    static const QString sheet = [] {
        const QString path = platform::Interface::libraryBundle + QStringLiteral("/NequoraUI.qss");
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("Library style sheet \"%s\" is missing", qPrintable(path));
        return QString::fromUtf8(file.readAll());
    }();
    return sheet;
}

void LibraryStyle::apply(QWidget *screen)
{
    const QString &sheet = styleSheet();
    const QString current = screen->styleSheet();
    if (current.contains(sheet))
        return;
    screen->setStyleSheet(current.isEmpty() ? sheet : current + QLatin1Char('\n') + sheet);
}

} // namespace NequoraUI
