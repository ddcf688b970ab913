// The descriptions made by hand, held to the setting table: XScreenSaver's
// settings page (res/x11/tidewell.xml), the manual (res/x11/tidewell.6) and
// the dialog's labels (res/dialogs.py).
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "settings/SettingTable.h"

namespace tidewell {
namespace {

std::string SourceFile(const std::string& path) {
    std::ifstream file(std::string(TIDEWELL_SOURCE_DIR) + "/" + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The element whose id is the option: its name and attributes.
std::map<std::string, std::string> XmlElement(const std::string& xml, const std::string& id) {
    std::smatch element;
    std::map<std::string, std::string> attributes;
    if (!std::regex_search(xml, element, std::regex("<(\\w+) id=\"" + id + "\"([^>]*)/>"))) {
        return attributes;
    }
    attributes["element"] = element[1];
    const std::string rest = element[2];
    const std::regex attribute("([\\w-]+)=\"([^\"]*)\"");
    for (auto at = std::sregex_iterator(rest.begin(), rest.end(), attribute); at != std::sregex_iterator(); ++at) {
        attributes[(*at)[1]] = (*at)[2];
    }
    return attributes;
}

std::string Sentence(const char* help) {
    std::string text = help;
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

TEST(SettingDocs, XScreenSaversPageOffersEverySettingOfTheLinuxProgramAsTheTableSays) {
    const std::string xml = SourceFile("res/x11/tidewell.xml");
    std::size_t offered = 0;
    for (const Setting* s : kSettings) {
        if (!s->onLinux) {
            continue;
        }
        ++offered;
        const std::string option = std::string("--") + s->option;
        std::map<std::string, std::string> expected;
        switch (s->kind) {
            case Setting::Kind::kCount:
                expected = {{"element", "number"},
                            {"type", "slider"},
                            {"arg", option + " %"},
                            {"_label", s->label},
                            {"_low-label", s->lowLabel},
                            {"_high-label", s->highLabel},
                            {"low", std::to_string(s->low)},
                            {"high", std::to_string(s->high)},
                            {"default", std::to_string(s->stored[0].fallback)}};
                break;
            case Setting::Kind::kColour:
                expected = {{"element", "string"}, {"arg", option + " %"}, {"_label", "Colour (a name or #RRGGBB)"}};
                break;
            case Setting::Kind::kSwitch:
                expected = {{"element", "boolean"},
                            {"_label", s->label},
                            {s->stored[0].fallback ? "arg-unset" : "arg-set",
                             s->stored[0].fallback ? "--no-" + std::string(s->option) : option}};
                break;
        }
        EXPECT_EQ(XmlElement(xml, s->option), expected) << s->option;
    }
    const std::regex anyId(" id=\"");
    EXPECT_EQ(std::distance(std::sregex_iterator(xml.begin(), xml.end(), anyId), std::sregex_iterator()),
              static_cast<std::ptrdiff_t>(offered))
        << "an element for a setting the table does not have";
}

TEST(SettingDocs, TheManualDescribesEverySettingOfTheLinuxProgram) {
    const std::string manual = SourceFile("res/x11/tidewell.6");
    for (const Setting* s : kSettings) {
        if (!s->onLinux) {
            continue;
        }
        const std::string option = std::string("\\-") + s->option;
        EXPECT_NE(manual.find("\\fB" + option + "\\fP"), std::string::npos) << "synopsis: " << option;
        std::string entry = Sentence(s->help);
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
    const std::string dialogs = SourceFile("res/dialogs.py");
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
