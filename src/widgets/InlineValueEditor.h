#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPointer>

class QLabel;

namespace NequoraUI {

// Typed entry in place of a value label. A double-click on the label, or Return while it has
// keyboard focus, puts a line edit holding the label's text where the label was. Return offers
// the text through submitted(); the owner either closes the editor and takes the value, or
// refuses the text, which keeps the editor open and marks it invalid (the style sheet's
// QLineEdit[invalid="true"]) until the text is edited. Escape, or focus going elsewhere,
// closes it with nothing written. Lives as the label's child.
class InlineValueEditor : public QObject
{
    Q_OBJECT
public:
    // Makes label focusable; the label keeps its text and its place until the editor opens.
    explicit InlineValueEditor(QLabel *label);

    // Makes label focusable and says how to type a value, for an owner that makes the entry
    // only when first asked (opensOn): a screen has far more rows than anyone types into.
    static void prepare(QLabel *label);
    // A double-click or Return on the label: what opens the editor.
    static bool opensOn(const QEvent *event);
    // The entry for a label prepare() made ready; its focus and description stay as they are
    // now (a row's marks may have described it since).
    static InlineValueEditor *attachTo(QLabel *label);

    // The entry a label was given, or null.
    static InlineValueEditor *of(const QLabel *label);

    bool isOpen() const { return editing; }
    // The line edit, made on first open; null before.
    QLineEdit *lineEdit() const { return editor; }

public slots:
    void openEditor();
    // Puts the label back; keyboard focus goes back to it when the editor had it.
    void closeEditor();
    // Keeps the editor open and shows the text as invalid.
    void refuse();

signals:
    // Return in the open editor, with the text typed.
    void submitted(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Prepared
    {};
    InlineValueEditor(QLabel *label, Prepared);

    bool labelEvent(QEvent *event);
    bool editorEvent(QEvent *event);
    void setInvalid(bool invalid);

    QLabel *label;
    QPointer<QLineEdit> editor;
    bool editing = false;
};

} // namespace NequoraUI
