// The Quick screen's rows of real plugins' graphs against the widget screen's, row by row.
#include "HostScreen.h"
#include "Lv2PluginLibrary.h"
#include "Lv2Rack.h"
#include "ScreenRows.h"

#include "GraphRowModel.h"
#include "UIGenerator.h"

#include <gtest/gtest.h>

using namespace NequoraUI;

TEST(Lv2QuickRows, BothScreensShowTheSameRowsForInstalledPlugins)
{
    // An equaliser with many bands, switches and enumerations, and a compressor with meters.
    const Lv2PluginLibrary library;
    for (const auto &uris : {std::vector<std::string>{"http://gareus.org/oss/lv2/fil4#mono"},
                             std::vector<std::string>{"urn:zamaudio:ZamComp"}}) {
        const auto rack = std::make_shared<Lv2Rack>(library, uris, 48000, 512);
        UIGenerator generator;
        generator.presentationProvider = HostScreen::presentations(rack);
        const QList<ShownRow> widgets = widgetRows(*rack, generator);
        GraphRowModel model(*rack, generator);
        EXPECT_GT(widgets.size(), 8) << uris.front();
        EXPECT_EQ(quickRows(model), widgets) << uris.front();
    }
}
