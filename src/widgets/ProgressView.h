#pragma once

#include <QWidget>

class QLabel;

namespace NequoraUI {

namespace platform {
class ProgressBar;
}

// A titled progress bar with the fraction written beside it.
class ProgressView : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressView(const QString &title, QWidget *parent = nullptr);

    void setTitle(const QString &title);
    // Shows the fraction with two decimals and on the bar, which pins it to 0..1.
    void setProgress(float progress);

private:
    QWidget *contentView = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *valueLabel = nullptr;
    platform::ProgressBar *progressView = nullptr;
};

} // namespace NequoraUI
