#include "generator/GenerateMessages.h"

#include <array>

namespace {

struct MessageEntry {
    SkeletonWriteOutcome outcome;
    std::string_view text;
};

constexpr std::array<MessageEntry, 3> kMessages{{
    {SkeletonWriteOutcome::Exists, "That file already exists. Delete the file or choose a different filename."},
    {SkeletonWriteOutcome::CannotCreate, "The file could not be created."},
    {SkeletonWriteOutcome::WriteFailed, "Disk full while accessing %1."},
}};

constexpr std::string_view kPathMarker = "%1";

}  // namespace

std::string_view GenerateMessageText(SkeletonWriteOutcome outcome)
{
    for (const MessageEntry& entry : kMessages) {
        if (entry.outcome == outcome)
            return entry.text;
    }
    return {};
}

std::string GenerateMessageFor(const SkeletonWriteResult& result)
{
    std::string message(GenerateMessageText(result.outcome));
    if (const std::size_t marker = message.find(kPathMarker); marker != std::string::npos)
        message.replace(marker, kPathMarker.size(), result.fullPath);
    return message;
}
