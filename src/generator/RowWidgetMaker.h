#pragma once

#include "ParameterPresentation.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class NQParameter;
class NQStringParameter;
class QWidget;

namespace NequoraUI {

class ViewControllerPresenter;

// The control of one parameter row: a switch, slider, text field, read-only value, segmented
// control or picker, as the shared row rule names for the parameter and its presentation.
class RowWidgetMaker
{
public:
    using StringWriter =
        std::function<void(const std::shared_ptr<NQStringParameter> &, const std::string &)>;

    // Null for a parameter of a kind that gets no control. Text fields are read-only without
    // stringWriter; pickers present through presenter. Made inside parent where there is one:
    // a row made without a parent and placed later costs a window's data and a reparenting.
    static QWidget *make(const std::shared_ptr<NQParameter> &parameter,
                         const std::optional<ParameterPresentation> &presentation,
                         const StringWriter &stringWriter, ViewControllerPresenter *presenter,
                         QWidget *parent = nullptr);
    // The row's description and, for a slider, where its own reset takes it.
    static void describe(QWidget *row, const std::optional<ParameterPresentation> &presentation);
};

} // namespace NequoraUI
