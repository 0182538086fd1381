#pragma once

#include "platform/PaletteColors.h"

#include <QWidget>

namespace NequoraUI::platform {

// A thin rounded bar filled in proportion to a progress fraction. Takes no input.
class ProgressBar : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(float progress READ progress WRITE setProgress NOTIFY progressChanged)

public:
    explicit ProgressBar(QWidget *parent = nullptr);

    float progress() const { return m_progress; }
    // Pinned to 0..1; NaN gives 0.
    void setProgress(float progress);

    // The filled part of the track, in widget coordinates; empty at 0.
    QRectF fillRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void progressChanged(float progress);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF trackRect() const;

    float m_progress = 0.0f;
    PaletteColors m_colors;
};

} // namespace NequoraUI::platform
