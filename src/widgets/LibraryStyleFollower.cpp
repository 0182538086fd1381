#include "LibraryStyleFollower.h"

#include "LibraryStyle.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>

namespace NequoraUI {

LibraryStyleFollower::LibraryStyleFollower(QWidget *screen) : QObject(screen), m_screen(screen)
{
    restyle();
    screen->installEventFilter(this);
}

bool LibraryStyleFollower::eventFilter(QObject *watched, QEvent *event)
{
    // Setting the sheet polishes the screen again, which sends it a palette change of its
    // own: that one is the sheet's, not a new palette, and is let by.
    // Queued, so that the new palette has reached every child before the sheet is set again.
    if (watched == m_screen && event->type() == QEvent::PaletteChange && !m_restyling)
        QMetaObject::invokeMethod(this, &LibraryStyleFollower::restyle, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void LibraryStyleFollower::restyle()
{
    const QString sheet = LibraryStyle::styleSheet(m_screen->palette());
    if (sheet == m_applied)
        return;
    QString current = m_screen->styleSheet();
    if (!m_applied.isEmpty() && current.contains(m_applied))
        current.replace(m_applied, sheet);
    else
        current = current.isEmpty() ? sheet : current + QLatin1Char('\n') + sheet;
    m_applied = sheet;
    m_restyling = true;
    // Polishing gave each styled widget a palette of its own, which a new palette would no
    // longer reach: clearing the sheet first gives them back the inherited one. The screen's
    // own goes back to what it had when first polished, so one the host set since is kept.
    const bool hostPalette = m_screen->testAttribute(Qt::WA_SetPalette);
    const QPalette screenPalette = m_screen->palette();
    if (!m_screen->styleSheet().isEmpty())
        m_screen->setStyleSheet(QString());
    if (hostPalette)
        m_screen->setPalette(screenPalette);
    m_screen->setStyleSheet(current);
    m_restyling = false;
}

} // namespace NequoraUI
