#include "VendorRequests.h"

#include <cstdio>

namespace cardreader {

platform::ScardResult sendVersionRequest(platform::SmartCard& service, platform::ScardHandle card,
                                         VersionReply& reply, ReplyBuffer buffer) {
    if (buffer == ReplyBuffer::ZeroFirst) reply.bytes.fill(0);
    std::uint32_t returned = 0;
    const platform::ScardResult result =
        service.control(card, kVersionRequestCode, nullptr, 0, reply.bytes.data(),
                        static_cast<std::uint32_t>(reply.bytes.size()), returned);
    reply.returned = returned;
    return result;
}

platform::ScardResult sendChipRevisionRequest(platform::SmartCard& service, platform::ScardHandle card,
                                              ChipRevisionReply& reply) {
    static const std::uint8_t input[2] = {0x13, 0x00};
    reply.bytes.fill(0);
    std::uint32_t returned = 0;
    const platform::ScardResult result =
        service.control(card, kChipRevisionRequestCode, input, sizeof input, reply.bytes.data(),
                        static_cast<std::uint32_t>(reply.bytes.size()), returned);
    reply.returned = returned;
    return result;
}

std::string driverVersionText(const VersionReply& reply) {
    char text[16];
    std::snprintf(text, sizeof text, "V%d.%02d", int(reply.driverMajor()), int(reply.driverMinor()));
    return text;
}

std::string firmwareVersionText(const VersionReply& reply) {
    char text[16];
    std::snprintf(text, sizeof text, "V%x.%02x", reply.firmwareMajor(), reply.firmwareMinor());
    return text;
}

const char* chipRevisionText(const ChipRevisionReply& reply) {
    return reply.revisionC() ? "VTC9 Chip Rev C" : "VTC9 Chip Rev A";
}

}  // namespace cardreader
