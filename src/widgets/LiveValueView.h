#pragma once

#include "ValueLabelView.h"

#include "platform/DisplayLink.h"

#include <QPointer>
#include <functional>

namespace NequoraUI {

// A value row that reads its text anew on every display frame while it is visible, for values
// that change on their own (meters, readouts). It only reads; it never writes anything back.
class LiveValueView : public ValueLabelView
{
    Q_OBJECT

public:
    using TextReader = std::function<QString()>;

    LiveValueView(const QString &title, TextReader reader, QWidget *parent = nullptr);
    ~LiveValueView() override;

    platform::DisplayLink *displayLink() const { return m_displayLink; }

public slots:
    void updateData();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    const TextReader reader;
    QPointer<platform::DisplayLink> m_displayLink;
};

} // namespace NequoraUI
