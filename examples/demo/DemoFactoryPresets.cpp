#include "DemoFactoryPresets.h"

std::vector<NequoraUI::Preset> DemoFactoryPresets::factoryPresets() const
{
    return {
        {QStringLiteral("Bright"),
         {{{QStringLiteral("Filter"), QStringLiteral("Cutoff")}, 12000.0},
          {{QStringLiteral("Filter"), QStringLiteral("Resonance")}, 0.2},
          {{QStringLiteral("Delay"), QStringLiteral("Mix")}, 0.15}},
         {}},
        {QStringLiteral("Dark Echo"),
         {{{QStringLiteral("Filter"), QStringLiteral("Cutoff")}, 400.0},
          {{QStringLiteral("Delay"), QStringLiteral("Mix")}, 0.6},
          {{QStringLiteral("Delay"), QStringLiteral("Repeats")}, 8.0},
          {{QStringLiteral("Delay"), QStringLiteral("Ping-Pong")}, true}},
         {}},
    };
}
