#pragma once

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;

namespace NequoraUI {

// A titled one-line text field; its owner reads the text when it needs it.
class TextFieldView : public QWidget
{
    Q_OBJECT
public:
    // An absent default keeps the field as the resource made it; an empty one clears it.
    TextFieldView(const QString &title, const std::optional<QString> &defaultValue,
                  QWidget *parent = nullptr);

    QString text() const;
    void clear();

private:
    QWidget *contentView = nullptr;
    QLabel *titleLabel = nullptr;
    QLineEdit *textField = nullptr;
};

} // namespace NequoraUI
