#pragma once
// A resource-manager context that is released when it goes out of scope.
#include "platform/SmartCard.h"

namespace cardreader {

class ServiceContext {
public:
    explicit ServiceContext(platform::SmartCard& service) : service_(service) {}
    ~ServiceContext() { release(); }
    ServiceContext(const ServiceContext&) = delete;
    ServiceContext& operator=(const ServiceContext&) = delete;

    // Both reserved arguments null. The result is the service's.
    platform::ScardResult establish(std::uint32_t scope);
    bool established() const { return established_; }
    platform::ScardContext handle() const { return handle_; }
    platform::SmartCard& service() const { return service_; }

    // Results are ignored: nothing is left to do about a failed cancel or release.
    void cancel();
    void release();
    // Cancels and releases the handle held, also when establishing failed (the handle is then 0
    // and the service refuses both calls harmlessly).
    void cancelAndRelease();

private:
    platform::SmartCard& service_;
    platform::ScardContext handle_ = 0;
    bool established_ = false;
};

}  // namespace cardreader
