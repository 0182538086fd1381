#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace NequoraUI {

// A single text row whose text lives in its label only.
class TextLabelView : public QWidget
{
    Q_OBJECT
public:
    explicit TextLabelView(const QString &text, QWidget *parent = nullptr);

    QPointer<QLabel> textLabel;

    // The label's text: whatever was last written, here or through textLabel.
    QString text() const;
    void setText(const QString &text);

private:
    QWidget *contentView = nullptr;
};

} // namespace NequoraUI
