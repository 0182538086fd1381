#include "InlineValueEditor.h"

#include "platform/FormControlStyle.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>

namespace NequoraUI {

namespace {

const QString hint = QStringLiteral("Return to type a value");
const QString refusedHint = QStringLiteral("Not a value: type a number");

bool isReturn(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

InlineValueEditor::InlineValueEditor(QLabel *label) : InlineValueEditor(label, Prepared{})
{
    prepare(label);
}

InlineValueEditor::InlineValueEditor(QLabel *label, Prepared) : QObject(label), label(label)
{
    label->installEventFilter(this);
}

InlineValueEditor *InlineValueEditor::attachTo(QLabel *label)
{
    return new InlineValueEditor(label, Prepared{});
}

void InlineValueEditor::prepare(QLabel *label)
{
    label->setFocusPolicy(Qt::StrongFocus);
    label->setAccessibleDescription(hint);
}

bool InlineValueEditor::opensOn(const QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick)
        return static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton;
    return event->type() == QEvent::KeyPress && isReturn(static_cast<const QKeyEvent *>(event));
}

InlineValueEditor *InlineValueEditor::of(const QLabel *label)
{
    return label ? label->findChild<InlineValueEditor *>(QString(), Qt::FindDirectChildrenOnly)
                 : nullptr;
}

void InlineValueEditor::openEditor()
{
    QWidget *row = label->parentWidget();
    if (editing || !row || !row->layout())
        return;
    if (!editor) {
        // Made on first use only: a screen has far more rows than anyone edits.
        editor = new QLineEdit(row);
        editor->setObjectName(QStringLiteral("valueEditor"));
        platform::FormControlStyle::apply(editor, platform::FormControlStyle::Kind::ValueEditor);
        editor->setAlignment(label->alignment());
        editor->installEventFilter(this);
        connect(editor, &QLineEdit::textEdited, this, [this] { setInvalid(false); });
    }
    editing = true;
    editor->setAccessibleName(label->accessibleName());
    editor->setText(label->text());
    setInvalid(false);
    // The layout hands back the label's item, and whoever replaces it owns it.
    delete row->layout()->replaceWidget(label, editor);
    label->hide();
    editor->show();
    editor->selectAll();
    editor->setFocus(Qt::OtherFocusReason);
}

void InlineValueEditor::closeEditor()
{
    if (!editing)
        return;
    // Cleared first: hiding the editor moves focus, and that focus-out must not close again.
    editing = false;
    const bool hadFocus = editor->hasFocus();
    if (QLayout *layout = label->parentWidget()->layout())
        delete layout->replaceWidget(editor, label);
    label->show();
    if (hadFocus)
        label->setFocus(Qt::OtherFocusReason);
    editor->hide();
}

void InlineValueEditor::refuse()
{
    if (!editing)
        return;
    setInvalid(true);
    editor->selectAll();
    editor->setFocus(Qt::OtherFocusReason);
}

void InlineValueEditor::setInvalid(bool invalid)
{
    if (editor->property("invalid").toBool() == invalid)
        return;
    editor->setProperty("invalid", invalid);
    editor->setAccessibleDescription(invalid ? refusedHint : QString());
    // A dynamic property selector only takes effect on a fresh polish.
    editor->style()->unpolish(editor);
    editor->style()->polish(editor);
    editor->update();
}

bool InlineValueEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == label)
        return labelEvent(event);
    if (watched == editor)
        return editorEvent(event);
    return QObject::eventFilter(watched, event);
}

bool InlineValueEditor::labelEvent(QEvent *event)
{
    if (!opensOn(event))
        return false;
    openEditor();
    return true;
}

bool InlineValueEditor::editorEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Return and Escape belong to the editor, not to a window shortcut or default button.
        auto *key = static_cast<QKeyEvent *>(event);
        if (editing && (isReturn(key) || key->key() == Qt::Key_Escape))
            key->accept();
        return false;
    }
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (!editing)
            return false;
        if (key->key() == Qt::Key_Escape) {
            closeEditor();
            return true;
        }
        if (isReturn(key)) {
            // The receiver may close the editor or delete the whole row; nothing here runs after.
            emit submitted(editor->text());
            return true;
        }
        return false;
    }
    case QEvent::FocusOut: {
        // A context menu or another window taking focus for a while is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (editing && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            closeEditor();
        return false;
    }
    default:
        return false;
    }
}

} // namespace NequoraUI
