#pragma once

namespace NequoraUI::platform {

// The one object a slider tells of the user's input directly, before its signals: the row view
// that holds it. A screen holds thousands of sliders, each of which would otherwise need four
// connections to its view. Any method may delete the slider.
class SliderObserver
{
public:
    // The user changed the value (what valueChanged() reports).
    virtual void userChangedSlider() = 0;
    // A left-button press on the slider starts a drag; its release ends it.
    virtual void userPressedSlider() = 0;
    virtual void userReleasedSlider() = 0;
    virtual void userDoubleClickedSlider() = 0;

protected:
    ~SliderObserver() = default;
};

} // namespace NequoraUI::platform
