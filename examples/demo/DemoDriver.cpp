#include "DemoDriver.h"

#include "ParameterBinding.h"
#include "SliderView.h"
#include "platform/Slider.h"
#include "platform/Switch.h"
#include "platform/TableView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextStream>
#include <QToolButton>

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

void say(const QString &line)
{
    QTextStream(stdout) << "drive: " << line << Qt::endl;
}

QString valueText(const NequoraUI::SliderView *slider)
{
    return slider ? QString::number(slider->value(), 'g', 4) : QStringLiteral("?");
}

void typeText(QWidget *target, const QString &text)
{
    for (const QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
    }
}

} // namespace

void DemoDriver::run()
{
    if (!window || !screen)
        return;
    settle(100);
    moveFirstSlider();
    undoAndRedo();
    flipFirstSwitch();
    filterRows();
    chooseFirstAudioFile();
    playAndPause();
    watchFollowing();
}

void DemoDriver::moveFirstSlider()
{
    if (auto *slider = screen->findChild<NequoraUI::platform::Slider *>()) {
        const float target =
            slider->minimumValue() + 0.75f * (slider->maximumValue() - slider->minimumValue());
        clickAt(slider, slider->pointForValue(target));
        for (QWidget *up = slider; up && !movedSlider; up = up->parentWidget())
            movedSlider = qobject_cast<NequoraUI::SliderView *>(up);
        if (movedSlider)
            say(QStringLiteral("moved %1 to %2").arg(movedSlider->title(), valueText(movedSlider)));
    }
}

// Through the window's Edit bar, as a mouse user would (the keys do the same on the page).
void DemoDriver::undoAndRedo()
{
    for (const char *name : {"undoButton", "redoButton"}) {
        auto *button = window->findChild<QToolButton *>(QLatin1String(name));
        if (!button || !button->isEnabled()) {
            say(QStringLiteral("%1 is not available").arg(QLatin1String(name)));
            return;
        }
        const QString command = button->text();
        clickAt(button, button->rect().center());
        say(QStringLiteral("%1: %2 now %3")
                .arg(command, movedSlider ? movedSlider->title() : QString(),
                     valueText(movedSlider)));
    }
}

// Names of the rows the screen shows (made, and not filtered out).
QStringList DemoDriver::shownRowNames() const
{
    QStringList names;
    for (auto *row : screen->findChildren<QWidget *>())
        if (auto *binding = NequoraUI::ParameterBinding::of(row);
            binding && row->isVisibleTo(screen))
            names << binding->name();
    return names;
}

void DemoDriver::filterRows()
{
    auto *field = screen->findChild<QLineEdit *>(QStringLiteral("filterField"));
    if (!field)
        return;
    const qsizetype before = shownRowNames().size();
    field->setFocus(Qt::MouseFocusReason);
    const QString text = QStringLiteral("cut");
    typeText(field, text);
    say(QStringLiteral("filter \"%1\" keeps %2 of %3 rows: %4")
            .arg(field->text())
            .arg(shownRowNames().size())
            .arg(before)
            .arg(shownRowNames().join(QStringLiteral(", "))));
    // The field's clear button, as a mouse user would; Escape does the same.
    if (auto *clear = field->findChild<QToolButton *>(); clear && clear->isVisible())
        clickAt(clear, clear->rect().center());
    else
        field->clear();
    say(QStringLiteral("filter cleared: %1 rows").arg(shownRowNames().size()));
}

NequoraUI::SliderView *DemoDriver::sliderNamed(const QString &title) const
{
    for (auto *slider : screen->findChildren<NequoraUI::SliderView *>())
        if (slider->title() == title)
            return slider;
    return nullptr;
}

// The engine moves the parameter by itself; its slider shows the new values frame by frame.
void DemoDriver::watchFollowing()
{
    if (followed.isEmpty())
        return;
    auto *area = screen->findChild<QScrollArea *>();
    NequoraUI::SliderView *slider = sliderNamed(followed);
    if (!slider || !area) {
        say(QStringLiteral("no slider for %1").arg(followed));
        return;
    }
    area->ensureWidgetVisible(slider);
    settle(50);
    const float before = slider->value();
    settle(700);
    const float after = slider->value();
    say(QStringLiteral("%1 followed the engine: %2 -> %3 (%4)")
            .arg(followed, QString::number(before, 'g', 4), QString::number(after, 'g', 4),
                 before != after ? QStringLiteral("moved") : QStringLiteral("did not move")));
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
