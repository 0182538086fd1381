#pragma once

#include "sim/SimParameterWrite.h"

#include <functional>
#include <string>

// Where parameters and engine nodes report what happens to them. The engine owns it; everything
// else holds it weakly, so reports made after the engine is gone go nowhere.
class SimEventHub
{
public:
    using WriteObserver = std::function<void(const SimParameterWrite &)>;
    using Logger = std::function<void(const std::string &)>;

    void setWriteObserver(WriteObserver observer);
    void setLogger(Logger logger);

    // Tells the observer and logs a line.
    void reportWrite(const SimParameterWrite &write) const;
    void log(const std::string &line) const;

private:
    WriteObserver writeObserver;
    Logger logger;
};
