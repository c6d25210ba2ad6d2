#include "app/DurableFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

std::string systemError() {
    return std::strerror(errno);
}

// A folder's entries reach the disk only when the folder itself is synced;
// without it, a power cut after the rename can bring back the old name or
// none. A file system that cannot sync a folder (EINVAL) keeps its entries
// some other way.
bool syncFolder(const std::filesystem::path& folder, std::string& why) {
    const std::string name = folder.empty() ? "." : folder.string();
    const int descriptor = ::open(name.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) {
        why = "cannot open " + name + ": " + systemError();
        return false;
    }
    const bool synced = ::fsync(descriptor) == 0 || errno == EINVAL;
    if (!synced)
        why = "cannot flush " + name + ": " + systemError();
    ::close(descriptor);
    return synced;
}

} // namespace

bool durableFile::writeNew(const std::filesystem::path& path, const std::string& bytes,
                           std::string& why) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        why = "cannot write " + path.string() + ": " + systemError();
        return false;
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t step = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0) {
            why = "cannot write " + path.string() + ": " + systemError();
            ::close(descriptor);
            return false;
        }
        written += static_cast<std::size_t>(step);
    }
    if (::fsync(descriptor) != 0) {
        why = "cannot flush " + path.string() + ": " + systemError();
        ::close(descriptor);
        return false;
    }
    if (::close(descriptor) != 0) {
        why = "cannot write " + path.string() + ": " + systemError();
        return false;
    }
    return true;
}

bool durableFile::replace(const std::filesystem::path& from, const std::filesystem::path& to,
                          std::string& why) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        why = "cannot replace " + to.string() + ": " + systemError();
        return false;
    }
    return syncFolder(to.parent_path(), why);
}

unsigned long durableFile::processId() {
    return static_cast<unsigned long>(::getpid());
}
