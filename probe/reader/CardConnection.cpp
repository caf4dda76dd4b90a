#include "CardConnection.h"

namespace cardreader {

platform::ScardResult CardConnection::connect(const std::string& reader, std::uint32_t shareMode,
                                              std::uint32_t protocols) {
    disconnect();
    std::uint32_t activeProtocol = 0;
    const platform::ScardResult result = service_.connect(context_, reader, shareMode, protocols, handle_, activeProtocol);
    connected_ = result == platform::kScardSuccess;
    return result;
}

void CardConnection::disconnect() {
    if (!connected_) return;
    service_.disconnect(handle_, disposition_);
    connected_ = false;
    handle_ = 0;
}

}  // namespace cardreader
