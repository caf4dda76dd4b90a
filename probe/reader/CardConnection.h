#pragma once
// A card handle that is disconnected, with the disposition chosen up front, when it goes out of scope.
#include <string>

#include "ServiceContext.h"

namespace cardreader {

class CardConnection {
public:
    CardConnection(const ServiceContext& context, std::uint32_t disposition)
        : service_(context.service()), context_(context.handle()), disposition_(disposition) {}
    ~CardConnection() { disconnect(); }
    CardConnection(const CardConnection&) = delete;
    CardConnection& operator=(const CardConnection&) = delete;

    // The active protocol the service returns is not kept: no caller uses it.
    platform::ScardResult connect(const std::string& reader, std::uint32_t shareMode, std::uint32_t protocols);
    bool connected() const { return connected_; }
    platform::ScardHandle handle() const { return handle_; }
    // Nothing happens when not connected; the result is ignored.
    void disconnect();

private:
    platform::SmartCard& service_;
    platform::ScardContext context_;
    std::uint32_t disposition_;
    platform::ScardHandle handle_ = 0;
    bool connected_ = false;
};

}  // namespace cardreader
