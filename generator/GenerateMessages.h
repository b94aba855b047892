#pragma once

#include "generator/SkeletonFileWriter.h"

#include <string>
#include <string_view>

// The program's texts for the ways writing a generated script can fail, shared
// by the editor's Generate command and the command-line generator.

// The text for an outcome as the program stores it ("%1" marks the path), or
// an empty text for SkeletonWriteOutcome::Written.
std::string_view GenerateMessageText(SkeletonWriteOutcome outcome);

// The message for a result, with "%1" replaced by its full path; empty when
// the file was written.
std::string GenerateMessageFor(const SkeletonWriteResult& result);
