#include "compress/tlzrw1.h"

#include "compress/errortexts.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lzrw1 {

namespace {

class InputFd {
public:
    explicit InputFd(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~InputFd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    InputFd(const InputFd&) = delete;
    InputFd& operator=(const InputFd&) = delete;

    int fd() const { return fd_; }

private:
    int fd_;
};

class FileSource : public ByteSource {
public:
    FileSource(int fd, std::string failure) : fd_(fd), failure_(std::move(failure)) {}

    std::size_t read(std::uint8_t* to, std::size_t count) override
    {
        // A read may give less than asked before the end (a pipe, a signal): go on until the end.
        std::size_t done = 0;
        while (done < count) {
            const ssize_t got = ::read(fd_, to + done, count - done);
            if (got == 0)
                break;
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                throw ELzrw1Exception(failure_);
            }
            done += static_cast<std::size_t>(got);
        }
        return done;
    }

private:
    int fd_;
    std::string failure_;
};

class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> data) : rest_(data) {}
    std::size_t read(std::uint8_t* to, std::size_t count) override
    {
        const std::size_t given = std::min(count, rest_.size());
        std::copy_n(rest_.data(), given, to);
        rest_ = rest_.subspan(given);
        return given;
    }

private:
    std::span<const std::uint8_t> rest_;
};

// The output under a temporary name beside the final one. Until commit succeeds, destroying it
// removes the temporary file and leaves whatever was at the final name untouched.
class TemporaryOutput : public ByteSink {
public:
    explicit TemporaryOutput(const std::string& path) : path_(path)
    {
        struct stat info;
        if (path.empty() || (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)))
            throw ELzrw1Exception(texts::cannotOpenOutput(path));
        static std::atomic<unsigned> serial{0};
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            temporary_ = path + "." + std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".part";
            fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                break;
        }
        if (fd_ < 0)
            throw ELzrw1Exception(texts::cannotOpenOutput(path));
    }

    ~TemporaryOutput() override
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_)
            ::unlink(temporary_.c_str());
    }

    TemporaryOutput(const TemporaryOutput&) = delete;
    TemporaryOutput& operator=(const TemporaryOutput&) = delete;

    void write(const std::uint8_t* from, std::size_t count) override
    {
        while (count != 0) {
            const ssize_t put = ::write(fd_, from, count);
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                throw ELzrw1Exception(texts::cannotWrite(path_));
            from += put;
            count -= static_cast<std::size_t>(put);
        }
    }

    // On disk before it takes the final name, so a crash leaves the old file or the new one.
    void commit()
    {
        const bool synced = ::fsync(fd_) == 0;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        if (!synced || !closed || ::rename(temporary_.c_str(), path_.c_str()) != 0)
            throw ELzrw1Exception(texts::cannotWrite(path_));
        committed_ = true;
    }

private:
    std::string path_;
    std::string temporary_;
    int fd_ = -1;
    bool committed_ = false;
};

} // namespace

std::uint64_t Tlzrw1::Compress()
{
    // Copies: the hook may let the window change the properties while the job runs.
    const std::string input = InputFile;
    const std::string output = OutputFile;
    const BlockHook hook = onBlock;
    if (CompressMode != TCompressMode::Fast)
        throw ELzrw1Exception(texts::noHeader(input));

    struct stat info;
    if (::stat(input.c_str(), &info) != 0)
        throw ELzrw1Exception(texts::noSize(input));
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > 0xFFFFFFFFu)
        throw ELzrw1Exception(texts::tooLarge(input));
    InputFd in(input);
    if (in.fd() < 0)
        throw ELzrw1Exception(texts::cannotOpenInput(input));

    TemporaryOutput out(output);
    FileSource source(in.fd(), texts::cannotReadForCompress(input));
    const std::uint64_t written = compressStream(source, size, out, input, hook);
    out.commit();
    return written;
}

std::uint64_t Tlzrw1::Compress(std::span<const std::uint8_t> data)
{
    const std::string output = OutputFile;
    const BlockHook hook = onBlock;
    if (CompressMode != TCompressMode::Fast)
        throw ELzrw1Exception(texts::noHeader(output));
    TemporaryOutput out(output);
    MemorySource source(data);
    const std::uint64_t written = compressStream(source, data.size(), out, output, hook);
    out.commit();
    return written;
}

std::uint64_t Tlzrw1::Decompress()
{
    const std::string input = InputFile;
    const std::string output = OutputFile;
    const BlockHook hook = onBlock;

    InputFd in(input);
    if (in.fd() < 0)
        throw ELzrw1Exception(texts::cannotOpenInput(input));
    TemporaryOutput out(output);
    FileSource source(in.fd(), texts::cannotRead(input));
    const std::uint64_t written = decompressStream(source, out, input, hook);
    out.commit();
    return written;
}

} // namespace lzrw1
