#include "sim/SimEventHub.h"

#include <utility>

void SimEventHub::setWriteObserver(WriteObserver observer)
{
    writeObserver = std::move(observer);
}

void SimEventHub::setLogger(Logger newLogger)
{
    logger = std::move(newLogger);
}

void SimEventHub::reportWrite(const SimParameterWrite &write) const
{
    if (writeObserver)
        writeObserver(write);
    log("set " + write.nodeName + " / " + write.parameterName + " = " + write.valueText);
}

void SimEventHub::log(const std::string &line) const
{
    if (logger)
        logger(line);
}
