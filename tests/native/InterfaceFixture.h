#pragma once
// A simulated machine with readers matched by the earlier checks, for the two interface tests.
#include <string>
#include <vector>

#include "ProbeFixture.h"

namespace probe::testing {

struct InterfaceFixture : ProbeFixture {
    // Patterns "TK560" (shown as "TK560 USB") and "TK660" (shown as "TK660"); one matched reader.
    InterfaceFixture() {
        auto& d = session.state.description;
        d.namePatterns[0] = "TK560";
        d.displayNames[0] = "TK560 USB";
        d.namePatterns[1] = "TK660";
        d.displayNames[1] = "TK660";
        d.namePatternCount = 2;
        d.ctApiLibraryName = "ctk560.dll";
        session.state.matchedReaders = {"Kavrin tk560 0"};
    }

    void german() { session.state.language = Language::German; }
    // The protocol lines from `first` on.
    std::vector<std::string> linesFrom(std::size_t first) {
        const auto& all = lines();
        return first < all.size() ? std::vector<std::string>(all.begin() + long(first), all.end())
                                  : std::vector<std::string>{};
    }
    // The calls recorded by the fakes that start with `prefix`.
    std::vector<std::string> callsOf(const std::string& prefix) {
        std::vector<std::string> found;
        for (const auto& call : machine.libraries.calls)
            if (call.rfind(prefix, 0) == 0) found.push_back(call);
        return found;
    }
};

}  // namespace probe::testing
