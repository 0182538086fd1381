#pragma once

#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace NequoraUI {

// A titled push button reporting the touch going down (optional) and its release.
class ButtonView : public QWidget
{
    Q_OBJECT
public:
    using Handler = std::function<void(ButtonView *)>;

    ButtonView(const QString &title, Handler actionHandler, Handler touchDownHandler = {},
               QWidget *parent = nullptr);

    // Readable and replaceable.
    QPointer<QPushButton> button;

    QString title() const;
    void setTitle(const QString &title);

signals:
    // The user's press and release on the button, each after its handler.
    void pressed();
    void clicked();

private slots:
    void touchDown();
    void touchUp();

private:
    const Handler actionHandler;
    const Handler touchDownHandler;
    QWidget *contentView = nullptr;
};

} // namespace NequoraUI
