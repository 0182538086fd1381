#pragma once

namespace NequoraUI {

// The one object a switch, segmented, picker or text row tells of each user change directly,
// before its signals: the generated screen's binding of the row. A screen holds thousands of
// rows, each of which would otherwise need three connections to its binding. The row keeps its
// listener and deletes it with itself. Any method may delete the row.
class RowViewListener
{
public:
    virtual ~RowViewListener() = default;

    // Each user change, after the row's handler wrote it (what toggled(), selectedSegmentChanged()
    // or selectionChanged() report). A text field tells it after editingFinished(), from which
    // its owner writes the edit.
    virtual void rowViewChanged() = 0;
    // Around each user change (what gestureStarted() and gestureEnded() report); a text field
    // has no gestures of its own.
    virtual void rowViewGestureStarted() = 0;
    virtual void rowViewGestureEnded() = 0;
};

} // namespace NequoraUI
