#pragma once

#include "Preset.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <array>
#include <vector>

class QMenu;
class QWidget;

namespace NequoraUI {

class GestureBurst;
class ScreenSettings;

// MIDI controllers bound to a screen's parameters. The host feeds every controller event it
// receives to controllerEvent(); a bound controller moves its parameter through the row's scale
// exactly as a user would: shown, written, reported as a gesture (ended 300 ms after the last
// event), and undoable as one change per gesture.
//
// Controllers 0 to 31 with 32 to 63 are the MSB and LSB of 14-bit pairs: a bound controller
// whose LSB arrives moves in 16384 steps from then on; one that only ever sends itself moves in
// 128, reaching both ends either way.
//
// A row's context menu (right-click, or the Menu key) offers to learn the next controller that
// moves, or to forget its controller. One controller moves one parameter and the other way
// round: learning takes the controller and the parameter from any earlier binding.
class ControllerMap : public QObject
{
    Q_OBJECT

public:
    explicit ControllerMap(ScreenSettings *settings, QObject *parent = nullptr);
    ~ControllerMap() override;

    // Gives the row of the parameter at index its context menu and binding mark.
    void attach(int index, QWidget *row);

    // True when the event moved a parameter or was learnt; events outside the 7-bit ranges
    // (channel 0 to 15, controller and value 0 to 127) are ignored.
    bool controllerEvent(int channel, int controller, int value);

    // The next controller event binds its controller to the parameter at index.
    void learn(int index);
    void cancelLearning();
    // -1 when not learning.
    int learningIndex() const { return m_learning; }
    void forget(int index);
    std::optional<ControllerBinding> bindingOf(int index) const;
    std::vector<ControllerBinding> bindings() const;
    // Replaces every binding with these (none keeps the bindings there are, so a preset
    // without bindings keeps the user's); returns the ones naming parameters the screen does
    // not show, as "Node/Parameter: why".
    QStringList setBindings(const std::vector<ControllerBinding> &bindings);

    // Ends every controller gesture under way (before the screen goes).
    void finishGestures();

    // The row's context menu, for the parameter at index (owned by the caller).
    QMenu *contextMenu(int index, QWidget *parent = nullptr);

signals:
    void bindingsChanged();

protected:
    // Opens a row's context menu.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Bound
    {
        int index = -1;
        // An LSB has come for this MSB: values are 14-bit from now on.
        bool fine = false;
        int msb = 0;
    };
    static int slotOf(int channel, int controller) { return channel * 128 + controller; }

    void bind(int channel, int controller, int index);
    void move(Bound &bound, double proportion);
    void showBinding(int index);
    GestureBurst *burstFor(int index);

    ScreenSettings *m_settings;
    // By channel * 128 + controller.
    QHash<int, Bound> m_bound;
    int m_learning = -1;
    QHash<int, GestureBurst *> m_bursts;
    QHash<int, QVariant> m_gestureStart;
    QHash<int, QPointer<QWidget>> m_rows;
};

} // namespace NequoraUI
