#pragma once

#include <QAnimationDriver>

namespace NequoraUI::testing {

// Drives Qt's animations by hand: while one exists it is the application's animation driver,
// and animation time moves only when advance() is called, so animations finish
// deterministically without sleeping.
class ManualAnimationDriver : public QAnimationDriver
{
    Q_OBJECT

public:
    ManualAnimationDriver();
    ~ManualAnimationDriver() override;

    // Moves animation time forward by milliseconds and steps every running animation.
    void advance(int milliseconds);
    // One 16 ms step, as the default driver's timer would make.
    void advance() override;
    qint64 elapsed() const override;

protected:
    // Qt reads elapsed() relative to the moment the driver starts, as the default driver's
    // clock restarts with it.
    void start() override;

private:
    qint64 m_elapsed = 0;
};

} // namespace NequoraUI::testing
