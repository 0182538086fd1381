#pragma once

#include "InterfaceTemplate.h"

#include <QObject>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace NequoraUI::platform {

// One instance of an interface resource, made for an owner view: the owner's layout and
// children come from the resource, outlets are found by object name and actions are
// connected to the owner's slots by name.
class Interface
{
public:
    static inline const QString libraryBundle = QStringLiteral(":/NequoraUI");

    // Loads "<bundle>/<name>.ui" with owner as the resource's root. The parsed form is kept
    // per resource, so only the first load of a class reads the file. A missing resource,
    // control class or action stops the program with a message naming them.
    static Interface load(const QString &name, QWidget *owner,
                          const QString &bundle = libraryBundle);

    // The object named name, which must exist and be a T; anything else stops the program
    // with a message naming the resource and the outlet.
    template <typename T> T *outlet(const char *name) const
    {
        QObject *object = find(name);
        T *typed = qobject_cast<T *>(object);
        if (!typed)
            failWrongType(name, object, T::staticMetaObject.className());
        return typed;
    }

    const QString &resourceName() const { return form->resourceName; }

private:
    friend class InterfaceBuilder;

    QObject *find(const char *name) const;
    [[noreturn]] void failWrongType(const char *name, QObject *found, const char *expected) const;

    std::shared_ptr<const InterfaceTemplate> form;
    std::vector<std::pair<QString, QObject *>> objects;
};

} // namespace NequoraUI::platform
