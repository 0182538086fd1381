#include "DemoDriver.h"

#include "platform/Slider.h"
#include "platform/Switch.h"
#include "platform/TableView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {

void settle(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void sendMouse(QWidget *target, QEvent::Type type, QPoint position)
{
    const QPointF global = target->mapToGlobal(QPointF(position));
    QMouseEvent event(type, QPointF(position), global, Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void clickAt(QWidget *target, QPoint position)
{
    sendMouse(target, QEvent::MouseButtonPress, position);
    sendMouse(target, QEvent::MouseButtonRelease, position);
}

QPushButton *buttonNamed(QWidget *root, const char *name)
{
    return root->findChild<QPushButton *>(QLatin1String(name));
}

} // namespace

void DemoDriver::run()
{
    if (!window || !screen)
        return;
    settle(100);
    moveFirstSlider();
    flipFirstSwitch();
    chooseFirstAudioFile();
    playAndPause();
}

void DemoDriver::moveFirstSlider()
{
    if (auto *slider = screen->findChild<NequoraUI::platform::Slider *>()) {
        const float target =
            slider->minimumValue() + 0.75f * (slider->maximumValue() - slider->minimumValue());
        clickAt(slider, slider->pointForValue(target));
    }
}

void DemoDriver::flipFirstSwitch()
{
    if (auto *toggle = screen->findChild<NequoraUI::platform::Switch *>())
        clickAt(toggle, toggle->rect().center());
}

// Scrolls the screen down a page at a time, as a person looking for it would, until a button
// of that name exists (the screen makes its sections as they come into view).
QPushButton *DemoDriver::scrollToButton(const char *name)
{
    QPushButton *button = buttonNamed(screen, name);
    auto *area = screen->findChild<QScrollArea *>();
    QScrollBar *bar = area ? area->verticalScrollBar() : nullptr;
    while (!button && bar && bar->value() < bar->maximum()) {
        bar->setValue(bar->value() + bar->pageStep());
        button = buttonNamed(screen, name);
    }
    if (button && area)
        area->ensureWidgetVisible(button);
    return button;
}

void DemoDriver::chooseFirstAudioFile()
{
    QPushButton *openPicker = scrollToButton("actionButton");
    if (!openPicker)
        return;
    openPicker->click();
    settle(450); // the picker slides in
    auto *table = window->findChild<NequoraUI::platform::TableView *>();
    if (!table)
        return;
    const QRect row = table->rectForRow({0, 0});
    clickAt(table->viewport(), row.center());
    settle(450); // and out again
}

void DemoDriver::playAndPause()
{
    QPushButton *playPause = scrollToButton("playPauseButton");
    if (!playPause)
        return;
    playPause->click();
    settle(300);
    playPause->click();
}
