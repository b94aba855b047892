#pragma once

#include "generator/GenerationSettings.h"
#include "generator/SkeletonComposer.h"

#include <string>

// How writing a skeleton file ended.
enum class SkeletonWriteOutcome {
    Written,       // the file holds the whole script
    Exists,        // something of that name exists already; it was not touched
    CannotCreate,  // the file could not be created; nothing was written
    WriteFailed,   // a write, the flush or the close failed; the partial file was removed
};

struct SkeletonWriteResult {
    SkeletonWriteOutcome outcome = SkeletonWriteOutcome::Written;
    std::string fullPath;  // the file's absolute path (as given when the current directory is gone)
    int error = 0;         // the errno behind CannotCreate or WriteFailed, 0 otherwise
};

// Writes generated scripts the way the Generate command does: the file is
// m_strFileName followed by ".rms", every line feed is stored as CR LF and no
// other byte is changed. It reports what happened and shows nothing; the
// texts for the outcomes are in GenerateMessages.h.
class SkeletonFileWriter {
public:
    // m_strFileName exactly as typed, followed by ".rms".
    static std::string FileNameFor(const GenerationSettings& settings);

    // Writes the script to FileNameFor(settings), a relative name being taken
    // from the current directory. Creates the file exclusively, so a name that
    // exists as any kind of entry is refused (also one that appears just
    // before), writes chunk by chunk, flushes to the disk and closes. When
    // writing fails part-way the file it created is removed.
    // The process should ignore SIGXFSZ so that a file-size limit reaches
    // this as a failed write instead of ending the process.
    static SkeletonWriteResult WriteFile(const GenerationSettings& settings);

    // The same, to a file name the caller has already formed from the record
    // (the editor spells the typed name in the file system's encoding, while
    // the script's first line keeps the record's 8-bit text).
    static SkeletonWriteResult WriteFile(const GenerationSettings& settings, const std::string& fileName);

    // Delivers the script with CR LF line ends to sink, one chunk per call.
    // A sink that throws stops the writing and the exception passes on.
    static void WriteTo(const GenerationSettings& settings, const ChunkReceiver& sink);
};
