#include "settings/SettingTable.h"

namespace tidewell {

StoredEntries EntriesOf(const Setting& setting) {
    const StoredEntry* last = setting.stored;
    while (last != std::end(setting.stored) && last->name != nullptr) {
        ++last;
    }
    return {setting.stored, last};
}

std::string StoredNames(const Setting& setting) {
    std::string names;
    for (const StoredEntry& entry : EntriesOf(setting)) {
        names += (names.empty() ? "" : ", ") + std::string(entry.name);
    }
    return names;
}

}  // namespace tidewell
