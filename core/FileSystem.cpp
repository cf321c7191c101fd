#include "core/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <optional>
#include <random>
#include <utility>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorika::fs {
namespace {

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&&) = delete;
    ~UniqueFd() {
        if (fd_ >= 0)
            ::close(fd_);
    }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_;
};

std::string DirName(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows a chain of symbolic links at the end of the path to the name that a copy
// should replace, so that the link itself is kept.
std::optional<std::string> FinalName(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(PATH_MAX, '\0');
        const auto length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size())
            return std::nullopt;
        target.resize(length);
        path = target.front() == '/' ? target : DirName(path) + "/" + target;
    }
    return std::nullopt;
}

// Opens a source that must be a regular file without ever blocking on it: a FIFO or a
// device is refused before it is opened, and the file opened must be the one examined.
UniqueFd OpenRegularFile(const std::string& path, struct stat& st) {
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return UniqueFd();
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened;
    if (!fd || ::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_dev != st.st_dev || opened.st_ino != st.st_ino)
        return UniqueFd();
    st = opened;
    return fd;
}

// A destination may be replaced when it is missing, or a regular file that its owner may
// write and this process may write. A file without its owner's write bit is read-only even
// to root, who could otherwise rename over it.
bool MayReplace(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) &&
           ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// Tries fresh hidden names in the folder until one is free.
template <typename Attempt> std::optional<std::string> WithFreshName(Attempt attempt) {
    static std::mt19937_64 random{std::random_device{}()};
    for (int tries = 0; tries < 100; ++tries) {
        const std::string name = ".sorika-" + std::to_string(random()) + ".tmp";
        if (attempt(name))
            return name;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

// The temporary file that will become the destination, in the destination's folder. It is
// unnamed where the file system allows, so that a process killed half-way leaves nothing;
// otherwise it has a hidden name, and `name` holds it.
UniqueFd CreateTemporary(int folder, std::optional<std::string>& name) {
    UniqueFd fd(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, S_IRUSR | S_IWUSR));
    if (fd || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    int created = -1;
    name = WithFreshName([&](const std::string& candidate) {
        created = ::openat(folder, candidate.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC,
                           S_IRUSR | S_IWUSR);
        return created >= 0;
    });
    return UniqueFd(created);
}

// Gives an unnamed temporary file a hidden name in its folder.
std::optional<std::string> LinkTemporary(int fd, int folder) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return WithFreshName([&](const std::string& candidate) {
        if (::linkat(AT_FDCWD, self.c_str(), folder, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        // Without /proc, root can still link the descriptor itself.
        return errno != EEXIST &&
               ::linkat(fd, "", folder, candidate.c_str(), AT_EMPTY_PATH) == 0;
    });
}

bool WriteAll(int out, const char* data, std::size_t size) {
    while (size > 0) {
        const auto written = ::write(out, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Copies the rest of the source from its file offset. A clone shares the extents where the
// file system can; otherwise the kernel copies, and a plain loop is the last resort.
bool CopyContents(int in, int out) {
    if (::ioctl(out, FICLONE, in) == 0)
        return true;
    for (;;) {
        const auto copied = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        if (copied == 0)
            return true;
        if (copied > 0)
            continue;
        if (errno == EINTR)
            continue;
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return false;
        break;
    }
    std::string buffer(1 << 16, '\0');
    for (;;) {
        const auto got = ::read(in, buffer.data(), buffer.size());
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (!WriteAll(out, buffer.data(), static_cast<std::size_t>(got)))
            return false;
    }
}

} // namespace

std::string NativePath(const Text& path) {
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

bool Exists(const Text& path) {
    struct stat st;
    return ::lstat(NativePath(path).c_str(), &st) == 0;
}

bool CreateFolder(const Text& path) { return ::mkdir(NativePath(path).c_str(), 0777) == 0; }

bool CopyFile(const Text& source, const Text& destination) {
    struct stat st;
    const UniqueFd in = OpenRegularFile(NativePath(source), st);
    if (!in)
        return false;

    const auto target = FinalName(NativePath(destination));
    if (!target || !MayReplace(*target))
        return false;
    const UniqueFd folder(
        ::open(DirName(*target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder)
        return false;

    std::optional<std::string> temporary;
    const UniqueFd out = CreateTemporary(folder.get(), temporary);
    if (!out)
        return false;

    const struct timespec times[2] = {{0, UTIME_OMIT}, st.st_mtim};
    // The data and the attributes must be on disk before the name points at them, or a
    // crash could leave a renamed but empty file in place of the old one.
    bool done = CopyContents(in.get(), out.get()) &&
                ::fchmod(out.get(), st.st_mode & 07777 & ~(S_ISUID | S_ISGID)) == 0 &&
                ::futimens(out.get(), times) == 0 && ::fsync(out.get()) == 0;
    if (done && !temporary) {
        temporary = LinkTemporary(out.get(), folder.get());
        done = temporary.has_value();
    }
    done = done && ::renameat(folder.get(), temporary->c_str(), folder.get(),
                              BaseName(*target).c_str()) == 0;
    if (!done) {
        if (temporary)
            ::unlinkat(folder.get(), temporary->c_str(), 0);
        return false;
    }
    return ::fsync(folder.get()) == 0;
}

} // namespace sorika::fs
