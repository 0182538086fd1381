#include "BarButtonItem.h"

#include <QMetaMethod>
#include <QMetaObject>

namespace NequoraUI::platform {

namespace {

// "tappedCancelButton", "tappedCancelButton()" and SLOT(tappedCancelButton()) all name the
// same method.
QByteArray methodName(const char *action)
{
    QByteArray name(action ? action : "");
    if (!name.isEmpty() && name.front() >= '0' && name.front() <= '9')
        name.remove(0, 1);
    const qsizetype parenthesis = name.indexOf('(');
    if (parenthesis >= 0)
        name.truncate(parenthesis);
    return name.trimmed();
}

} // namespace

BarButtonItem::BarButtonItem(const QString &title, Style style, QObject *target, const char *action,
                             QObject *parent)
    : QObject(parent), m_title(title), m_style(style), m_target(target),
      m_action(methodName(action))
{}

QString BarButtonItem::title() const
{
    return m_title;
}

void BarButtonItem::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit changed();
}

BarButtonItem::Style BarButtonItem::style() const
{
    return m_style;
}

void BarButtonItem::setStyle(Style style)
{
    if (style == m_style)
        return;
    m_style = style;
    emit changed();
}

QObject *BarButtonItem::target() const
{
    return m_target;
}

void BarButtonItem::setTarget(QObject *target)
{
    m_target = target;
}

QByteArray BarButtonItem::action() const
{
    return m_action;
}

void BarButtonItem::setAction(const char *action)
{
    m_action = methodName(action);
}

void BarButtonItem::trigger()
{
    if (!m_target || m_action.isEmpty())
        return;
    if (!QMetaObject::invokeMethod(m_target, m_action.constData(), Qt::DirectConnection))
        qWarning("BarButtonItem: %s has no method %s()", m_target->metaObject()->className(),
                 m_action.constData());
}

} // namespace NequoraUI::platform
