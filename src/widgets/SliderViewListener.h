#pragma once

namespace NequoraUI {

// The one object a slider row tells of each user change directly, before its signals: the
// generated screen's binding of the row. A screen holds thousands of rows, each of which would
// otherwise need three connections to its binding. The row keeps its listener and deletes it
// with itself. Any method may delete the row.
class SliderViewListener
{
public:
    virtual ~SliderViewListener() = default;

    // Each user change, after the row's handler wrote it (what valueChanged() reports).
    virtual void sliderViewChanged(float value) = 0;
    // Around each gesture's writes (what gestureStarted() and gestureEnded() report).
    virtual void sliderViewGestureStarted() = 0;
    virtual void sliderViewGestureEnded() = 0;
};

} // namespace NequoraUI
