#include "JackDriver.h"

#include "Lv2Rack.h"

#include <jack/midiport.h>

#include <cstdio>

namespace {

const char *const noServer =
    "no JACK server is running. Start one with `jackd -d alsa` (or run this program under "
    "PipeWire as `pw-jack nequora-lv2-host ...`), or process a file without one: "
    "--render IN.wav OUT.wav URI...";

constexpr uint8_t controlChange = 0xB0;

} // namespace

JackDriver::JackDriver(const std::string &clientName)
{
    // libjack reports a missing server on stderr itself; our message says what to do instead.
    jack_set_error_function([](const char *) {});
    jack_status_t status{};
    client = jack_client_open(clientName.c_str(), JackNoStartServer, &status);
    jack_set_error_function(
        [](const char *message) { std::fprintf(stderr, "JACK: %s\n", message); });
    if (!client)
        throw JackUnavailable(noServer);
}

JackDriver::~JackDriver()
{
    if (running)
        jack_deactivate(client);
    jack_client_close(client);
}

double JackDriver::sampleRate() const
{
    return jack_get_sample_rate(client);
}

uint32_t JackDriver::bufferSize() const
{
    return jack_get_buffer_size(client);
}

void JackDriver::start(std::shared_ptr<Lv2Rack> hostRack, int channels)
{
    rack = std::move(hostRack);
    for (int c = 0; c < channels; ++c) {
        const std::string name = "out_" + std::to_string(c + 1);
        jack_port_t *port =
            jack_port_register(client, name.c_str(), JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
        if (!port)
            throw std::runtime_error("JACK refused the output port " + name);
        outputs.push_back(port);
    }
    buffers.assign(outputs.size(), nullptr);
    controlInput =
        jack_port_register(client, "control_in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    jack_set_process_callback(client, process, this);
    if (jack_activate(client) != 0)
        throw std::runtime_error("JACK did not activate the client");
    running = true;
    connectToPlayback();
}

void JackDriver::connectToPlayback()
{
    const char **playback = jack_get_ports(client, nullptr, JACK_DEFAULT_AUDIO_TYPE,
                                           JackPortIsPhysical | JackPortIsInput);
    if (!playback)
        return;
    size_t count = 0;
    while (playback[count])
        ++count;
    for (size_t c = 0; c < outputs.size() && count > 0; ++c)
        jack_connect(client, jack_port_name(outputs[c]), playback[c % count]);
    jack_free(playback);
}

int JackDriver::process(jack_nframes_t frames, void *data)
{
    // The audio thread: port buffers and MIDI events come from libjack's real-time-safe calls;
    // the rack's process() is the lock-free path described in Lv2Rack.
    auto *driver = static_cast<JackDriver *>(data);
    for (size_t c = 0; c < driver->outputs.size(); ++c)
        driver->buffers[c] = static_cast<float *>(jack_port_get_buffer(driver->outputs[c], frames));
    driver->rack->process(driver->buffers.data(), int(driver->buffers.size()), frames);
    if (driver->controlInput) {
        void *midi = jack_port_get_buffer(driver->controlInput, frames);
        const uint32_t events = jack_midi_get_event_count(midi);
        for (uint32_t i = 0; i < events; ++i) {
            jack_midi_event_t event;
            if (jack_midi_event_get(&event, midi, i) == 0 && event.size == 3 &&
                (event.buffer[0] & 0xF0) == controlChange) {
                const float packed = float((uint32_t(event.buffer[0]) << 16) |
                                           (uint32_t(event.buffer[1]) << 8) | event.buffer[2]);
                driver->controllerMessages.push(&packed, 1);
            }
        }
    }
    return 0;
}

void JackDriver::takeControllerMessages(
    const std::function<void(uint8_t, uint8_t, uint8_t)> &receive)
{
    float packed;
    while (controllerMessages.pop(&packed, 1) == 1) {
        const auto bits = uint32_t(packed);
        receive(uint8_t(bits >> 16), uint8_t(bits >> 8), uint8_t(bits));
    }
}
