#include "platform/SingleInstanceRegistry.h"

#include <algorithm>
#include <cstdlib>
#include <cxxabi.h>
#include <iterator>
#include <memory>
#include <vector>

namespace {

std::vector<std::string>& Live() {
    static std::vector<std::string> live;
    return live;
}

std::string Readable(const char* mangledName) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(mangledName, nullptr, nullptr, &status), &std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(mangledName);
}

} // namespace

void SingleInstanceRegistry::Created(const char* mangledName) {
    Live().push_back(Readable(mangledName));
}

void SingleInstanceRegistry::Released(const char* mangledName) {
    auto& live = Live();
    const auto found = std::find(live.rbegin(), live.rend(), Readable(mangledName));
    if (found != live.rend()) {
        live.erase(std::next(found).base());
    }
}

std::vector<std::string> SingleInstanceRegistry::Alive() {
    return Live();
}
