#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

namespace NequoraUI::platform {

// A button for a navigation bar: a title, a style and a target-action pair. A tap invokes the
// action (a slot or invokable method name, without arguments) on the target; a target that has
// been destroyed makes the tap do nothing.
class BarButtonItem : public QObject
{
    Q_OBJECT

public:
    enum class Style
    {
        Plain,
        Done
    };
    Q_ENUM(Style)

    // action is a method name ("tappedCancelButton"); SLOT() texts are accepted too.
    BarButtonItem(const QString &title, Style style, QObject *target, const char *action,
                  QObject *parent = nullptr);

    QString title() const;
    void setTitle(const QString &title);
    Style style() const;
    void setStyle(Style style);
    QObject *target() const;
    void setTarget(QObject *target);
    QByteArray action() const;
    void setAction(const char *action);

    // What a tap on the button does.
    void trigger();

signals:
    // The title or the style changed.
    void changed();

private:
    QString m_title;
    Style m_style = Style::Plain;
    QPointer<QObject> m_target;
    QByteArray m_action;
};

} // namespace NequoraUI::platform
