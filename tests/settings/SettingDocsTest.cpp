// The descriptions made by hand, held to the setting table: XScreenSaver's
// settings page (res/x11/tidewell.xml), the manual (res/x11/tidewell.6) and
// the dialog's labels (res/dialogs.py).
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "settings/SettingTable.h"
#include "tests/sim/TempDir.h"

namespace tidewell {
namespace {

// The text with every run of white space made one space.
std::string Collapsed(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const bool space = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (!space || (!out.empty() && out.back() != ' ')) {
            out += space ? ' ' : c;
        }
    }
    return out;
}

TEST(SettingDocs, XScreenSaversPageOffersEverySettingOfTheLinuxProgramAsTheTableSays) {
    const std::string xml = Collapsed(sim::ReadWholeFile(TIDEWELL_SOURCE_DIR "/res/x11/tidewell.xml"));
    std::size_t offered = 0;
    for (const Setting* s : kSettings) {
        if (!s->onLinux) {
            continue;
        }
        ++offered;
        const std::string option = s->option;
        const std::string id = "id=\"" + option + "\" ";
        const std::string arg = "arg=\"--" + option + " %\"";
        const bool on = s->stored[0].fallback != 0;
        std::string element;
        switch (s->kind) {
            case Setting::Kind::kCount:
                element = "<number " + id + "type=\"slider\" " + arg + " _label=\"" + s->label + "\" _low-label=\"" +
                          s->lowLabel + "\" _high-label=\"" + s->highLabel + "\" low=\"" + std::to_string(s->low) +
                          "\" high=\"" + std::to_string(s->high) + "\" default=\"" +
                          std::to_string(s->stored[0].fallback) + "\"/>";
                break;
            case Setting::Kind::kColour:
                element = "<string " + id + "_label=\"Colour (a name or #RRGGBB)\" " + arg + "/>";
                break;
            case Setting::Kind::kSwitch:
                element = "<boolean " + id + "_label=\"" + s->label + "\" " +
                          (on ? "arg-unset=\"--no-" : "arg-set=\"--") + option + "\"/>";
                break;
        }
        EXPECT_NE(xml.find(element), std::string::npos) << element;
    }
    std::size_t ids = 0;
    for (std::size_t at = xml.find(" id=\""); at != std::string::npos; at = xml.find(" id=\"", at + 1)) {
        ++ids;
    }
    EXPECT_EQ(ids, offered) << "an element for a setting the table does not have";
}

TEST(SettingDocs, TheManualDescribesEverySettingOfTheLinuxProgram) {
    const std::string manual = sim::ReadWholeFile(TIDEWELL_SOURCE_DIR "/res/x11/tidewell.6");
    for (const Setting* s : kSettings) {
        if (!s->onLinux) {
            continue;
        }
        const std::string option = std::string("\\-") + s->option;
        EXPECT_NE(manual.find("\\fB" + option + "\\fP"), std::string::npos) << "synopsis: " << option;
        std::string entry = s->help;
        entry[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(entry[0])));
        if (s->kind == Setting::Kind::kCount) {
            entry += ", " + std::to_string(s->low) + " to " + std::to_string(s->high) + " (default " +
                     std::to_string(s->stored[0].fallback) + ").";
        }
        EXPECT_NE(manual.find(entry), std::string::npos) << entry;
        if (s->raisedToLow) {
            std::string raised = std::string("a ") + s->label + " below " + std::to_string(s->low) + " runs at " +
                                 std::to_string(s->low);
            raised[2] = static_cast<char>(std::tolower(static_cast<unsigned char>(raised[2])));
            EXPECT_NE(manual.find(raised), std::string::npos) << raised;
        }
        for (const StoredEntry& stored : EntriesOf(*s)) {
            EXPECT_NE(manual.find(std::string("\\fB") + stored.name + "\\fP"), std::string::npos) << stored.name;
        }
    }
}

TEST(SettingDocs, TheDialogShowsTheTablesLabels) {
    const std::string dialogs = sim::ReadWholeFile(TIDEWELL_SOURCE_DIR "/res/dialogs.py");
    for (const Setting* s : kSettings) {
        for (const char* label : {s->label, s->lowLabel, s->highLabel}) {
            if (s->inDialog && label != nullptr) {
                EXPECT_NE(dialogs.find(std::string("Control(\"") + label + "\""), std::string::npos) << label;
            }
        }
    }
}

}  // namespace
}  // namespace tidewell
