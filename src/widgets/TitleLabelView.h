#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace NequoraUI {

// A single title row. Its title is larger than the rows' texts by a fixed proportion of the
// font it inherits, so it grows with the application's font (large text) as the rows do.
class TitleLabelView : public QWidget
{
    Q_OBJECT
public:
    // 13 pt at Qt's default body size of 9 pt.
    static constexpr qreal titleScale = 13.0 / 9.0;

    explicit TitleLabelView(const QString &title, QWidget *parent = nullptr);

    QPointer<QLabel> titleLabel;

protected:
    void changeEvent(QEvent *event) override;

private:
    void applyTitleFont();

    QWidget *contentView = nullptr;
};

} // namespace NequoraUI
