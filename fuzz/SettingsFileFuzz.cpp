// The Linux settings file: any text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tidewell::StoredSettings settings =
        tidewell::ParseSettingsText(std::string(reinterpret_cast<const char*>(data), size));
    tidewell::fuzz::Check(settings.size() <= 6, "only the six settings");
    return 0;
}
