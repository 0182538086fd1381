#pragma once

#include "NQParameter.h"

#include <string>

// Read-only from the library's side: the engine sets string parameters itself.
class NQStringParameter : public NQParameter
{
public:
    virtual std::string value() const = 0;
};
