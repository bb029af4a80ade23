#include "image/file_access.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tw {

bool read_whole_file(const std::string& path, Bytes& out, bool& missing)
{
    out.clear();
    missing = false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        missing = (errno == ENOENT);
        return missing;
    }
    std::uint8_t buffer[65536];
    bool ok = true;
    for (;;) {
        size_t n = std::fread(buffer, 1, sizeof buffer, f);
        out.insert(out.end(), buffer, buffer + n);
        if (n < sizeof buffer) {
            ok = !std::ferror(f);
            break;
        }
    }
    if (std::fclose(f) != 0)
        ok = false;
    return ok;
}

namespace {

bool write_all(int fd, const std::uint8_t* data, size_t size)
{
    while (size > 0) {
#ifdef _WIN32
        int n = _write(fd, data, unsigned(size));
#else
        ssize_t n = ::write(fd, data, size);
#endif
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

#ifndef _WIN32
void sync_directory(const std::filesystem::path& dir)
{
    int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

}  // namespace

bool replace_file_atomically(const std::string& path, const Bytes& content, WriteMode mode)
{
    namespace fs = std::filesystem;
    const fs::path target(path);

    Bytes tail;
    if (mode == WriteMode::OverlayPrefix) {
        Bytes old;
        bool missing = false;
        if (!read_whole_file(path, old, missing))
            return false;
        if (old.size() > content.size())
            tail.assign(old.begin() + std::ptrdiff_t(content.size()), old.end());
    }

#ifdef _WIN32
    std::string tmp = path + ".tmp";
    int fd = _open(tmp.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, 0644);
#else
    std::string tmp = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(tmp.data());
    if (fd >= 0) {
        struct stat st{};
        // A replaced file keeps its permissions.
        ::fchmod(fd, ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644);
    }
#endif
    if (fd < 0)
        return false;

    bool ok = write_all(fd, content.data(), content.size()) && write_all(fd, tail.data(), tail.size());
#ifdef _WIN32
    ok = ok && _commit(fd) == 0;
    ok = (_close(fd) == 0) && ok;
#else
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
#endif
    std::error_code ec;
    if (ok) {
        fs::rename(tmp, target, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(tmp, ec);
        return false;
    }
#ifndef _WIN32
    sync_directory(target.parent_path());
#endif
    return true;
}

std::vector<std::string> remove_orphaned_temporaries(const std::string& dir, const std::string& fileName)
{
    namespace fs = std::filesystem;
    std::vector<std::string> removed;
    const std::string prefix = "." + fileName + ".";
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code removeEc;
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0 &&
            it->is_regular_file(removeEc) && fs::remove(it->path(), removeEc))
            removed.push_back(name);
    }
    return removed;
}

bool ThreeAttemptFile::read(const std::string& path, Bytes& out, const std::string& failureLine,
                            std::size_t minimumSize) const
{
    for (int attempt = 1; attempt <= 3; ++attempt) {
        bool missing = false;
        if (read_whole_file(path, out, missing) && out.size() >= minimumSize)
            return true;
        effects_.beep();
    }
    log_.write_log(failureLine);
    return false;
}

bool ThreeAttemptFile::write(const std::string& path, const Bytes& content, const std::string& failureLine,
                             WriteMode mode) const
{
    for (int attempt = 1; attempt <= 3; ++attempt) {
        if (replace_file_atomically(path, content, mode))
            return true;
        effects_.beep();
    }
    log_.write_log(failureLine);
    return false;
}

}  // namespace tw
