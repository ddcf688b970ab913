#pragma once
// A command line from fuzz input: the arguments, separated by NUL.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tidewell::fuzz {

inline std::vector<std::string> ArgumentsFrom(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back() += static_cast<char>(data[i]);
        }
    }
    return args;
}

}  // namespace tidewell::fuzz
