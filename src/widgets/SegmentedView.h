#pragma once

#include "RowViewListener.h"

#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class QLabel;

namespace NequoraUI {

namespace platform {
class SegmentedControl;
}

// A titled choice among named options that reports the chosen position.
class SegmentedView : public QWidget
{
    Q_OBJECT
public:
    using ValueChangedHandler = std::function<void(std::int64_t)>;

    SegmentedView(const QString &title, const QStringList &segments,
                  ValueChangedHandler valueChangedHandler, QWidget *parent = nullptr);

    // The selected position, or -1 when there are no segments.
    int selectedSegmentIndex() const;
    QStringList segments() const;
    QString title() const;

    // -1 (or any index out of range) selects nothing. Reports nothing.
    void setSelectedIndex(int index);

    // Told of each user change and gesture before the signals below; null (the default) for
    // none. The view keeps it and deletes it with itself, or when another one is set.
    void setListener(std::unique_ptr<RowViewListener> listener);
    RowViewListener *listener() const { return m_listener.get(); }

signals:
    // Each user choice of a different segment, once, after the handler.
    void selectedSegmentChanged(int index);
    // Around each user choice: before the handler, and after the change is reported.
    void gestureStarted();
    void gestureEnded();

private slots:
    void segmentedControlerValueChanged();

private:
    std::unique_ptr<RowViewListener> m_listener;
    const ValueChangedHandler valueChangedHandler;
    QWidget *contentView = nullptr;
    QLabel *titleLabel = nullptr;
    platform::SegmentedControl *segmentedControl = nullptr;
};

} // namespace NequoraUI
