#include "SimPresentation.h"

#include "sim/SimEngine.h"

using NequoraUI::ParameterPresentation;

ParameterPresentation SimPresentation::from(const SimParameterHints &hints)
{
    ParameterPresentation presentation;
    switch (hints.scale) {
    case SimParameterHints::Scale::Linear:
        break;
    case SimParameterHints::Scale::Logarithmic:
        presentation.scale = ParameterPresentation::Scale::Logarithmic;
        break;
    case SimParameterHints::Scale::Skewed:
        presentation.scale = ParameterPresentation::Scale::Skewed;
        break;
    }
    presentation.skew = hints.skew;
    presentation.unit = QString::fromStdString(hints.unit);
    if (hints.decibels)
        presentation.transform = ParameterPresentation::Transform::Decibels;
    presentation.decimals = hints.decimals.value_or(-1);
    presentation.step = hints.step;
    for (const auto &[value, label] : hints.choices)
        presentation.choices.append({value, QString::fromStdString(label)});
    presentation.readOnly = hints.readOnly;
    presentation.group = QString::fromStdString(hints.group);
    presentation.description = QString::fromStdString(hints.description);
    presentation.defaultValue = hints.defaultValue;
    presentation.hidden = hints.hidden;
    return presentation;
}

NequoraUI::ParameterPresentationProvider
SimPresentation::provider(std::shared_ptr<const SimEngine> engine)
{
    return [engine = std::move(engine)](
               const NQParameter &parameter) -> std::optional<ParameterPresentation> {
        const SimParameterHints *hints = engine ? engine->hints(parameter) : nullptr;
        if (!hints)
            return std::nullopt;
        return from(*hints);
    };
}
