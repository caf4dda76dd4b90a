#include "ServiceContext.h"

namespace cardreader {

platform::ScardResult ServiceContext::establish(std::uint32_t scope) {
    release();
    const platform::ScardResult result = service_.establishContext(scope, handle_);
    established_ = result == platform::kScardSuccess;
    return result;
}

void ServiceContext::cancel() {
    if (established_) service_.cancel(handle_);
}

void ServiceContext::release() {
    if (!established_) return;
    service_.releaseContext(handle_);
    established_ = false;
    handle_ = 0;
}

void ServiceContext::cancelAndRelease() {
    service_.cancel(handle_);
    service_.releaseContext(handle_);
    established_ = false;
    handle_ = 0;
}

}  // namespace cardreader
