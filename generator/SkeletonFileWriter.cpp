#include "generator/SkeletonFileWriter.h"

#include <cerrno>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kExtension = ".rms";

// Raised by the file sink so that the composer stops at the failed chunk.
struct WriteError {
    int error;
};

void AppendWithCrLf(std::string& out, std::string_view text)
{
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t lineFeed = text.find('\n', start);
        if (lineFeed == std::string_view::npos) {
            out.append(text.substr(start));
            break;
        }
        out.append(text.substr(start, lineFeed - start));
        out.append("\r\n");
        start = lineFeed + 1;
    }
}

void WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw WriteError{errno};
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

std::string AbsolutePath(const std::string& name)
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(name, error);
    return error ? name : path.string();
}

// Removes the file at path only while it is still the one this run created.
void RemoveOwnFile(const std::string& path, const struct stat& created)
{
    struct stat now {};
    if (::lstat(path.c_str(), &now) == 0 && now.st_dev == created.st_dev && now.st_ino == created.st_ino)
        ::unlink(path.c_str());
}

// Flushes and releases the file; returns the errno of the first failure, or 0.
int FlushAndClose(int fd)
{
    int error = 0;
    // A file system that cannot sync (EINVAL) has nothing more to flush.
    if (::fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    // Linux releases the descriptor even when close is interrupted.
    if (::close(fd) != 0 && errno != EINTR && error == 0)
        error = errno;
    return error;
}

}  // namespace

std::string SkeletonFileWriter::FileNameFor(const GenerationSettings& settings)
{
    return settings.m_strFileName + std::string(kExtension);
}

SkeletonWriteResult SkeletonFileWriter::WriteFile(const GenerationSettings& settings)
{
    return WriteFile(settings, FileNameFor(settings));
}

SkeletonWriteResult SkeletonFileWriter::WriteFile(const GenerationSettings& settings, const std::string& fileName)
{
    SkeletonWriteResult result;
    result.fullPath = AbsolutePath(fileName);
    const char* path = result.fullPath.c_str();

    // Exclusive creation is the existence check: any entry of that name, a
    // folder or a dangling link included, fails it with EEXIST, and so does a
    // file that another program creates at the same moment.
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        if (errno == EEXIST) {
            result.outcome = SkeletonWriteOutcome::Exists;
        } else {
            result.outcome = SkeletonWriteOutcome::CannotCreate;
            result.error = errno;
        }
        return result;
    }

    struct stat created {};
    ::fstat(fd, &created);
    try {
        WriteTo(settings, [fd](std::string_view chunk) { WriteAll(fd, chunk); });
    } catch (const WriteError& failure) {
        ::close(fd);
        RemoveOwnFile(result.fullPath, created);
        result.outcome = SkeletonWriteOutcome::WriteFailed;
        result.error = failure.error;
        return result;
    } catch (...) {
        ::close(fd);
        RemoveOwnFile(result.fullPath, created);
        throw;
    }

    if (const int error = FlushAndClose(fd); error != 0) {
        RemoveOwnFile(result.fullPath, created);
        result.outcome = SkeletonWriteOutcome::WriteFailed;
        result.error = error;
    }
    return result;
}

void SkeletonFileWriter::WriteTo(const GenerationSettings& settings, const ChunkReceiver& sink)
{
    std::string converted;
    SkeletonComposer::Compose(settings, [&](std::string_view chunk) {
        converted.clear();
        AppendWithCrLf(converted, chunk);
        sink(converted);
    });
}
