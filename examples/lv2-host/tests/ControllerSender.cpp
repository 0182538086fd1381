#include "ControllerSender.h"

#include <jack/midiport.h>

#include <stdexcept>

namespace {

constexpr uint32_t hasMessage = 1u << 24;

} // namespace

ControllerSender::ControllerSender(const std::string &clientName)
{
    client = jack_client_open(clientName.c_str(), JackNoStartServer, nullptr);
    if (!client)
        throw std::runtime_error("no JACK server for " + clientName);
    output = jack_port_register(client, "midi_out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    jack_set_process_callback(client, process, this);
    if (!output || jack_activate(client) != 0)
        throw std::runtime_error("JACK did not activate " + clientName);
}

ControllerSender::~ControllerSender()
{
    jack_deactivate(client);
    jack_client_close(client);
}

bool ControllerSender::connectTo(const std::string &port)
{
    return jack_connect(client, jack_port_name(output), port.c_str()) == 0;
}

void ControllerSender::send(uint8_t channel, uint8_t controller, uint8_t value)
{
    pending.store(hasMessage | uint32_t(0xB0 | (channel & 0x0F)) << 16 |
                  uint32_t(controller & 0x7F) << 8 | (value & 0x7F));
}

int ControllerSender::process(jack_nframes_t frames, void *data)
{
    auto *sender = static_cast<ControllerSender *>(data);
    void *buffer = jack_port_get_buffer(sender->output, frames);
    jack_midi_clear_buffer(buffer);
    if (const uint32_t message = sender->pending.exchange(0); message != 0) {
        const jack_midi_data_t bytes[3] = {jack_midi_data_t(message >> 16),
                                           jack_midi_data_t(message >> 8),
                                           jack_midi_data_t(message)};
        jack_midi_event_write(buffer, 0, bytes, 3);
    }
    return 0;
}
