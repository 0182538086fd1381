#pragma once

#include "SpscRing.h"

#include <jack/jack.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

class Lv2Rack;

// No JACK server to connect to.
class JackUnavailable : public std::runtime_error
{
    using std::runtime_error::runtime_error;
};

// Runs a rack live as a JACK client: one output port per channel, connected to the system's
// playback ports when there are any, and a MIDI input whose controller messages are handed to
// the main thread. The process callback only runs Lv2Rack::process() and copies MIDI bytes into
// a ring: no lock, allocation or system call.
class JackDriver
{
public:
    // Connects to the running server (never starts one). Throws JackUnavailable with a message
    // that says how to start one, and that --render needs none.
    explicit JackDriver(const std::string &clientName);
    ~JackDriver();
    JackDriver(const JackDriver &) = delete;
    JackDriver &operator=(const JackDriver &) = delete;

    double sampleRate() const;
    uint32_t bufferSize() const;

    // Registers the ports, activates the client and connects the outputs. The driver keeps
    // the rack alive until the client is closed.
    void start(std::shared_ptr<Lv2Rack> rack, int channels);
    bool isRunning() const { return running; }

    // Main thread: each controller message (status, controller, value) received since the last
    // call, oldest first. This is where a screen's controller mapping is fed from.
    void takeControllerMessages(const std::function<void(uint8_t, uint8_t, uint8_t)> &receive);

private:
    static int process(jack_nframes_t frames, void *driver);
    void connectToPlayback();

    jack_client_t *client = nullptr;
    std::shared_ptr<Lv2Rack> rack;
    std::vector<jack_port_t *> outputs;
    std::vector<float *> buffers;
    jack_port_t *controlInput = nullptr;
    // Three MIDI bytes packed into one float (24 bits fit its mantissa exactly).
    SpscRing controllerMessages{1024};
    bool running = false;
};
