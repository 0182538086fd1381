#pragma once

#include "RowViewListener.h"

#include <QWidget>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;

namespace NequoraUI {

// A titled one-line text field; its owner reads the text when it needs it, or listens to
// editingFinished. A read-only field still lets its text be selected and copied.
class TextFieldView : public QWidget
{
    Q_OBJECT
public:
    // An absent default keeps the field as the resource made it; an empty one clears it.
    TextFieldView(const QString &title, const std::optional<QString> &defaultValue,
                  QWidget *parent = nullptr);
    ~TextFieldView() override;

    QString text() const;
    // Shows a text without reporting it, for values that change elsewhere.
    void setText(const QString &text);
    void clear();
    QString title() const;
    // True while the field has the keyboard focus: the user may be typing into it.
    bool isEditing() const;

    bool isReadOnly() const;
    void setReadOnly(bool readOnly);

    // Told of each user change before the signals below; null (the default) for
    // none. The view keeps it and deletes it with itself, or when another one is set.
    void setListener(std::unique_ptr<RowViewListener> listener);
    RowViewListener *listener() const { return m_listener.get(); }

signals:
    // The user finished an edit (Return or leaving the field) that changed the text since the
    // last report or programmatic change; reported once per edit.
    void editingFinished(const QString &text);

private slots:
    void textFieldEditingFinished();

private:
    std::unique_ptr<RowViewListener> m_listener;
    QWidget *contentView = nullptr;
    QLabel *titleLabel = nullptr;
    QLineEdit *textField = nullptr;
    // What the host last saw: set programmatically or reported.
    QString m_reportedText;
};

} // namespace NequoraUI
