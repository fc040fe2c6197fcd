// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Random user sessions on the real window, each action checked against the reference model.
namespace reliability {

struct Divergence {
    std::uint64_t seed = 0;
    int step = 0;  // counted from 1
    std::string action;
    std::vector<std::string> differences;
};

std::string report(const Divergence &divergence);

// Opens a fresh window and runs `steps` actions drawn from `seed`, stopping at the first divergence.
// With `trace`, prints each action before it is done.
std::optional<Divergence> runSession(std::uint64_t seed, int steps, bool trace = false);

} // namespace reliability
