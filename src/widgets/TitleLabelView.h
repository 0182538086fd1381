#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace NequoraUI {

// A single title row.
class TitleLabelView : public QWidget
{
    Q_OBJECT
public:
    explicit TitleLabelView(const QString &title, QWidget *parent = nullptr);

    QPointer<QLabel> titleLabel;

private:
    QWidget *contentView = nullptr;
};

} // namespace NequoraUI
