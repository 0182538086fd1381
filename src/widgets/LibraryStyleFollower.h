#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace NequoraUI {

// Keeps a screen's library style sheet in the screen's colours: it adds the sheet to the
// screen's own when made, and fills it in again when the screen's palette changes. A child of
// the screen, so it lives as long as the screen does. Made by LibraryStyle::apply().
class LibraryStyleFollower : public QObject
{
    Q_OBJECT

public:
    explicit LibraryStyleFollower(QWidget *screen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restyle();

    QWidget *m_screen;
    // The part of the screen's sheet that came from here, so a palette change replaces just it
    // and keeps what the host wrote itself.
    QString m_applied;
    bool m_restyling = false;
};

} // namespace NequoraUI
