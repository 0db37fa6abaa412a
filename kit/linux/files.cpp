#include "kit/linux/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace vantrel {

namespace {

bool writeall(int descriptor, const Bytes& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t written = ::write(descriptor, content.data() + done, content.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

std::string nativepath(const Text& path) {
    std::string native = toutf8(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

bool PosixFiles::exists(const Text& path) {
    struct stat status {};
    return ::stat(nativepath(path).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::optional<Bytes> PosixFiles::read(const Text& path) {
    // Only a regular file has content: a folder of that name opens but cannot be read.
    if (!exists(path)) {
        return std::nullopt;
    }
    std::ifstream file(nativepath(path), std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    try {
        Bytes content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (!file.bad()) {
            return content;
        }
    } catch (const std::ios_base::failure&) {
        // A read error part-way: the file is not to be trusted.
    }
    return std::nullopt;
}

bool PosixFiles::write(const Text& path, const Bytes& content) {
    // A temporary file in the same folder, flushed, then renamed over the old one: a failed
    // write never leaves a half-written file behind.
    std::string target = nativepath(path);
    // A link keeps pointing at its file: the file it names is the one rewritten.
    std::error_code unresolved;
    const std::filesystem::path resolved = std::filesystem::canonical(target, unresolved);
    if (!unresolved) {
        target = resolved.string();
        // A file its owner made read-only stays as it is.
        if (::access(target.c_str(), W_OK) != 0) {
            return false;
        }
    }
    std::string temporary = target + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        return false;
    }
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? old.st_mode & 07777 : 0644;
    bool ok = ::fchmod(descriptor, mode) == 0 && writeall(descriptor, content) &&
              ::fsync(descriptor) == 0;
    ok = ::close(descriptor) == 0 && ok;
    if (ok && ::rename(temporary.c_str(), target.c_str()) == 0) {
        return true;
    }
    ::unlink(temporary.c_str());
    return false;
}

bool PosixFiles::append(const Text& path, const Bytes& content) {
    const int descriptor = ::open(nativepath(path).c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (descriptor < 0) {
        return false;
    }
    const bool ok = writeall(descriptor, content);
    return ::close(descriptor) == 0 && ok;
}

bool PosixFiles::sethidden(const Text& path) {
    // Linux has no hidden attribute; the file only has to be there.
    return exists(path);
}

std::unique_ptr<std::istream> PosixFiles::openinput(const Text& path) {
    auto file = std::make_unique<std::ifstream>(nativepath(path), std::ios::binary);
    if (!*file) {
        return nullptr;
    }
    return file;
}

Text PosixFiles::currentdirectory() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? Text() : fromutf8(current.string());
}

bool PosixFiles::setcurrentdirectory(const Text& path) {
    return ::chdir(nativepath(path).c_str()) == 0;
}

} // namespace vantrel
