#pragma once

#include "Lv2ControlPort.h"

#include <lilv/lilv.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class Lv2Features;

// Why a plugin cannot be hosted: a missing feature, a failed instantiation.
class Lv2PluginError : public std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// One instantiated, activated plugin with every port connected: control ports to their
// Lv2ControlPort values, atom ports to sequences of the size the plugin asks for, CV and other
// ports to silent buffers. Audio ports are connected by the chain (connectAudio). Everything is
// allocated here, before activation, so process() only copies numbers and calls run().
class Lv2Plugin
{
public:
    // Throws Lv2PluginError naming the plugin and the first required feature the host lacks.
    Lv2Plugin(LilvWorld *world, const LilvPlugin *plugin, std::shared_ptr<Lv2Features> features);
    ~Lv2Plugin();
    Lv2Plugin(const Lv2Plugin &) = delete;
    Lv2Plugin &operator=(const Lv2Plugin &) = delete;

    std::string uri() const { return pluginUri; }
    std::string name() const { return pluginName; }
    const LilvPlugin *lilvPlugin() const { return plugin; }
    LilvInstance *instance() const { return lilvInstance; }

    const std::vector<uint32_t> &audioInputs() const { return audioIns; }
    const std::vector<uint32_t> &audioOutputs() const { return audioOuts; }
    void connectAudio(uint32_t portIndex, float *buffer);

    // In port order, inputs and outputs.
    const std::vector<std::unique_ptr<Lv2ControlPort>> &controls() const { return controlPorts; }
    Lv2ControlPort *control(const std::string &symbol) const;
    // The lv2:enabled port, or null.
    Lv2ControlPort *enablePort() const { return enabled; }

    // Audio thread: loads the control inputs, runs one block, publishes the control outputs.
    // While the plugin is suspended (its state being restored) its outputs are silent instead.
    void process(uint32_t frames);
    void setSuspended(bool suspend) { suspended.store(suspend, std::memory_order_seq_cst); }
    // What every host does before run(): input sequences emptied, output sequences given
    // their whole capacity back. process() does it; exposed for hosts that call run() alone.
    void prepareAtomBuffers();

private:
    void checkFeatures() const;
    void connectPorts(LilvWorld *world);
    void connectAtom(uint32_t index, bool output, uint32_t minimumSize);

    struct AtomPort
    {
        std::vector<uint64_t> buffer;
        bool output = false;
    };

    const LilvPlugin *plugin;
    std::shared_ptr<Lv2Features> features;
    std::string pluginUri;
    std::string pluginName;
    LilvInstance *lilvInstance = nullptr;
    std::vector<uint32_t> audioIns, audioOuts;
    std::vector<float *> audioOutBuffers;
    std::vector<std::unique_ptr<Lv2ControlPort>> controlPorts;
    Lv2ControlPort *enabled = nullptr;
    std::vector<AtomPort> atomPorts;
    std::vector<std::vector<float>> silentBuffers;
    uint32_t atomSequenceType = 0;
    uint32_t atomChunkType = 0;
    // Set by the main thread around a state restore, read at the start of each block. The main
    // thread restores only after BlockSequence shows that every block started before the flag
    // was set has ended, so run() and the restore never overlap; a lock-free bool is all the
    // audio thread touches.
    std::atomic<bool> suspended{false};
};
