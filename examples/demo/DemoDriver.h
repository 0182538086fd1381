#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;

// Uses the graph screen as a person would, through mouse events: moves the first slider,
// flips the first switch, chooses the first audio file for the player, plays and pauses.
// With --verbose the engine's log then shows every write, load, play and pause.
class DemoDriver
{
public:
    // screen is the generated graph screen inside window, where the picker is presented.
    DemoDriver(QWidget *window, QWidget *screen) : window(window), screen(screen) {}

    void run();

private:
    void moveFirstSlider();
    void flipFirstSwitch();
    void chooseFirstAudioFile();
    void playAndPause();
    QPushButton *scrollToButton(const char *name);

    QPointer<QWidget> window;
    QPointer<QWidget> screen;
};
