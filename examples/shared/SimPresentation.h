#pragma once

#include "ParameterPresentation.h"
#include "sim/SimParameterHints.h"

#include <memory>

class SimEngine;

// The simulated engine as the host that tells the generator how to present its parameters:
// the hints it keeps beside its graph, turned into the library's presentations.
class SimPresentation
{
public:
    SimPresentation() = delete;

    static NequoraUI::ParameterPresentation from(const SimParameterHints &hints);
    // Keeps the engine alive as long as the provider is.
    static NequoraUI::ParameterPresentationProvider
    provider(std::shared_ptr<const SimEngine> engine);
};
