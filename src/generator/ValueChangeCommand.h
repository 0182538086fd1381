#pragma once

#include <QPointer>
#include <QUndoCommand>
#include <QVariant>
#include <functional>

namespace NequoraUI {

// One finished user change on a generated screen, for its undo stack. The change has already
// happened when the command is pushed, so the first redo does nothing; later undos and redos
// apply the old or the new value once each. Nothing happens once the target is gone.
class ValueChangeCommand : public QUndoCommand
{
public:
    using Apply = std::function<void(const QVariant &)>;

    ValueChangeCommand(const QString &text, QObject *target, Apply apply, QVariant oldValue,
                       QVariant newValue);

    void undo() override;
    void redo() override;

    QVariant oldValue() const { return m_oldValue; }
    QVariant newValue() const { return m_newValue; }

private:
    void applyValue(const QVariant &value);

    QPointer<QObject> m_target;
    const Apply m_apply;
    const QVariant m_oldValue;
    const QVariant m_newValue;
    bool m_done = true;
};

} // namespace NequoraUI
