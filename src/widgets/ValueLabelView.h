#pragma once

#include <QWidget>

class QLabel;

namespace NequoraUI {

namespace platform {
class SizeHintGate;
}

// A read-only value under a name; the owner passes finished text (number and unit).
class ValueLabelView : public QWidget
{
    Q_OBJECT
public:
    ValueLabelView(const QString &title, const QString &initialValue, QWidget *parent = nullptr);

    QString stringValue() const;
    void setStringValue(const QString &value);

protected:
    // Passed on to the value's holder: see platform::SizeHintGate::setHoldsWidestWidth().
    void setValueHoldsWidestWidth(bool holds);

private:
    QWidget *contentView = nullptr;
    platform::SizeHintGate *valueGate = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *valueLabel = nullptr;
};

} // namespace NequoraUI
