#pragma once
#include "../SmartCard.h"

namespace platform::win32 {

class Win32SmartCard : public SmartCard {
public:
    ScardResult establishContext(std::uint32_t scope, ScardContext& context) override;
    ScardResult listReaders(ScardContext context, char* buffer, std::uint32_t& length) override;
    ScardResult connect(ScardContext context, const std::string& reader, std::uint32_t shareMode,
                        std::uint32_t preferredProtocols, ScardHandle& card, std::uint32_t& activeProtocol) override;
    ScardResult control(ScardHandle card, std::uint32_t controlCode, const void* input, std::uint32_t inputLength,
                        void* output, std::uint32_t outputLength, std::uint32_t& returned) override;
    ScardResult disconnect(ScardHandle card, std::uint32_t disposition) override;
    ScardResult cancel(ScardContext context) override;
    ScardResult releaseContext(ScardContext context) override;
};

}  // namespace platform::win32
