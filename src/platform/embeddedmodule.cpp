#include "platform/embeddedmodule.h"

#include <QResource>

#include <cerrno>
#include <cstring>
#include <map>
#include <string>

#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

#ifndef MFD_EXEC
#define MFD_EXEC 0x0010U // Linux 6.3: asks for an executable memfd where the default is not
#endif

namespace {

QString systemError(const char* what) { return QString::fromLatin1("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno))); }

// An anonymous file holding the bytes, or -1 with the reason in `why`.
int memoryFile(const uchar* data, qint64 size, QString* why)
{
    int fd = memfd_create("tilvaro-module", MFD_CLOEXEC | MFD_EXEC);
    if (fd < 0 && errno == EINVAL) // a kernel that predates MFD_EXEC makes every memfd executable
        fd = memfd_create("tilvaro-module", MFD_CLOEXEC);
    if (fd < 0) {
        *why = systemError("memfd_create");
        return -1;
    }
    for (qint64 written = 0; written < size;) {
        const ssize_t n = ::write(fd, data + written, static_cast<size_t>(size - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *why = systemError("write");
            ::close(fd);
            return -1;
        }
        written += n;
    }
    return fd;
}

void* lookUp(void* handle, const QString& resource, const char* entry, QString* why)
{
    void* symbol = dlsym(handle, entry);
    if (!symbol)
        *why = QStringLiteral("%1 has no %2").arg(resource, QLatin1String(entry));
    return symbol;
}

} // namespace

void* embeddedModuleSymbol(const QString& resource, const char* entry, QString* why)
{
    QString ignored;
    if (!why)
        why = &ignored;
    // Each module is loaded once; the program asks from its main thread only.
    static std::map<QString, void*> loaded;
    if (const auto found = loaded.find(resource); found != loaded.end())
        return lookUp(found->second, resource, entry, why);
    const QResource module(resource);
    if (!module.isValid() || module.compressionAlgorithm() != QResource::NoCompression || module.size() <= 0) {
        *why = QStringLiteral("%1 is not embedded uncompressed").arg(resource);
        return nullptr;
    }
    const int fd = memoryFile(module.data(), module.size(), why);
    if (fd < 0)
        return nullptr;
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        *why = QString::fromLocal8Bit(dlerror());
        ::close(fd);
        return nullptr;
    }
    // The file stays open while the module is loaded, which is until the program ends: the loader
    // knows a module by its path, and a later module in a file that reused this number would
    // otherwise be taken for this one.
    loaded.emplace(resource, handle);
    return lookUp(handle, resource, entry, why);
}
