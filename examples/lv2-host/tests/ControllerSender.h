#pragma once

#include <jack/jack.h>

#include <atomic>
#include <cstdint>
#include <string>

// A second JACK client with one MIDI output, standing in for a controller keyboard: each
// message handed to send() goes out in its next process cycle.
class ControllerSender
{
public:
    // Connects to the running server; throws std::runtime_error without one.
    explicit ControllerSender(const std::string &clientName);
    ~ControllerSender();
    ControllerSender(const ControllerSender &) = delete;
    ControllerSender &operator=(const ControllerSender &) = delete;

    // Connects the output to a full port name ("client:port"); false when JACK refuses.
    bool connectTo(const std::string &port);
    // Main thread: a control change for the next cycle, replacing one not yet sent.
    void send(uint8_t channel, uint8_t controller, uint8_t value);
    // The last message has gone out.
    bool isSent() const { return pending.load() == 0; }

private:
    static int process(jack_nframes_t frames, void *sender);

    jack_client_t *client = nullptr;
    jack_port_t *output = nullptr;
    // The three bytes with a marker bit above them, or 0 for none. One atomic word is the
    // whole crossing to the process thread: it is swapped out there, so nothing waits.
    std::atomic<uint32_t> pending{0};
};
