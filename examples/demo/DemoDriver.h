#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QPushButton;

class QLineEdit;

namespace NequoraUI {
class SliderView;
}

// Uses the graph screen as a person would, through mouse and key events: moves the first
// slider, undoes and redoes that, flips the first switch, types into the filter box and clears
// it, chooses the first audio file for the player, plays and pauses, and, when the engine
// sweeps a parameter, watches its slider follow. Each step prints what it saw; with --verbose
// the engine's log shows every write, load, play and pause as well.
class DemoDriver
{
public:
    // screen is the generated graph screen inside window, where the picker is presented and
    // the Edit bar is; followed names the parameter the engine moves by itself, if any.
    DemoDriver(QWidget *window, QWidget *screen, const QString &followed = {})
        : window(window), screen(screen), followed(followed)
    {}

    void run();

private:
    void moveFirstSlider();
    void undoAndRedo();
    void filterRows();
    void watchFollowing();
    QStringList shownRowNames() const;
    NequoraUI::SliderView *sliderNamed(const QString &title) const;
    void flipFirstSwitch();
    void chooseFirstAudioFile();
    void playAndPause();
    QPushButton *scrollToButton(const char *name);

    QPointer<QWidget> window;
    QPointer<QWidget> screen;
    QString followed;
    QPointer<NequoraUI::SliderView> movedSlider;
};
