#pragma once

#include "DemoOptions.h"

#include <QList>
#include <QUrl>
#include <memory>

class DemoAutomation;
class SimEngine;

// The simulated engine read from the graph file, and the audio files the player offers.
struct DemoEngine
{
    std::shared_ptr<SimEngine> engine;
    QList<QUrl> audioFiles;
    // With --live: the engine sweeping a parameter by itself; null otherwise.
    std::shared_ptr<DemoAutomation> automation;

    // Reads the graph and lists the audio folder; on failure returns nothing and sets error.
    static std::unique_ptr<DemoEngine> load(const DemoOptions &options, QString &error);
};
