#pragma once

#include <QWidget>

class QLabel;

namespace NequoraUI {

// A read-only value under a name; the owner passes finished text (number and unit).
class ValueLabelView : public QWidget
{
    Q_OBJECT
public:
    ValueLabelView(const QString &title, const QString &initialValue, QWidget *parent = nullptr);

    QString stringValue() const;
    void setStringValue(const QString &value);

private:
    QWidget *contentView = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *valueLabel = nullptr;
};

} // namespace NequoraUI
