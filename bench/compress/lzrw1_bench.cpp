// Tally codec throughput next to zlib (levels 1 and 6) and LZ4, all in one run on the same data.
//   bench_lzrw1 [MB [CODEC...]]      (default 24 MB and every codec)
// The corpus is read at run time from the machine's own files: C headers (text), programs and
// shared libraries (machine code), manual pages (already gzip-compressed), in sorted order, so a
// run on the same machine reads the same bytes. Each codec is timed until a second has passed
// (at least three passes) on the thread's CPU clock, and the best pass counts. MB/s are 10^6 bytes of uncompressed data per second;
// ratio is compressed size / original size. Every decompressed result is compared with the input.

#include "compress/container.h"

#include <lz4.h>
#include <zlib.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Appends whole files (each at most 1 MB, for variety) from a folder tree until quota bytes.
std::size_t gather(const fs::path& root, std::size_t quota, Bytes& corpus)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error), end;
         it != end; it.increment(error)) {
        if (!error && it->is_regular_file(error) && !it->is_symlink(error))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    std::size_t taken = 0;
    for (const auto& file : files) {
        if (taken >= quota)
            break;
        std::ifstream in(file, std::ios::binary);
        Bytes data((std::istreambuf_iterator<char>(in)), {});
        data.resize(std::min({data.size(), std::size_t{1} << 20, quota - taken}));
        corpus.insert(corpus.end(), data.begin(), data.end());
        taken += data.size();
    }
    return taken;
}

// Time on this thread's CPU clock: the machine is shared, and other people's work should not
// count against ours. The best of the passes counts.
double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double bestSeconds(const std::function<void()>& pass)
{
    double best = 1e9, total = 0;
    for (int passes = 0; passes < 3 || (total < 1.0 && passes < 50); ++passes) {
        const double start = cpuSeconds();
        pass();
        const double seconds = cpuSeconds() - start;
        best = std::min(best, seconds);
        total += seconds;
    }
    return best;
}

struct Codec {
    const char* name;
    std::function<Bytes(const Bytes&)> pack;
    std::function<Bytes(const Bytes&, std::size_t)> unpack;
};

Bytes zlibPack(const Bytes& in, int level)
{
    uLongf size = compressBound(in.size());
    Bytes out(size);
    if (compress2(out.data(), &size, in.data(), in.size(), level) != Z_OK)
        std::abort();
    out.resize(size);
    return out;
}

Bytes zlibUnpack(const Bytes& in, std::size_t original)
{
    Bytes out(original);
    uLongf size = original;
    if (uncompress(out.data(), &size, in.data(), in.size()) != Z_OK)
        std::abort();
    out.resize(size);
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 24;
    const std::size_t total = megabytes << 20;
    Bytes corpus;
    const std::pair<const char*, double> sources[] = {
        {"/usr/include", 0.5}, {"/usr/bin", 0.2}, {"/usr/lib/x86_64-linux-gnu", 0.15}, {"/usr/share/man", 0.15}};
    std::printf("corpus:");
    for (const auto& [folder, share] : sources)
        std::printf(" %s %zu", folder, gather(folder, static_cast<std::size_t>(total * share), corpus));
    std::printf(" = %zu bytes\n", corpus.size());
    if (corpus.size() < (std::size_t{20} << 20))
        std::printf("warning: corpus under 20 MB\n");

    const Codec codecs[] = {
        {"lzrw1-kh", [](const Bytes& in) { return lzrw1::compressBuffer(in); },
         [](const Bytes& in, std::size_t) { return lzrw1::decompressBuffer(in); }},
        {"zlib -1", [](const Bytes& in) { return zlibPack(in, 1); }, zlibUnpack},
        {"zlib -6", [](const Bytes& in) { return zlibPack(in, 6); }, zlibUnpack},
        {"lz4",
         [](const Bytes& in) {
             Bytes out(LZ4_compressBound(static_cast<int>(in.size())));
             const int size = LZ4_compress_default(reinterpret_cast<const char*>(in.data()), reinterpret_cast<char*>(out.data()),
                                                   static_cast<int>(in.size()), static_cast<int>(out.size()));
             out.resize(static_cast<std::size_t>(size));
             return out;
         },
         [](const Bytes& in, std::size_t original) {
             Bytes out(original);
             if (LZ4_decompress_safe(reinterpret_cast<const char*>(in.data()), reinterpret_cast<char*>(out.data()),
                                     static_cast<int>(in.size()), static_cast<int>(original)) != static_cast<int>(original))
                 std::abort();
             return out;
         }},
    };

    std::printf("%-10s %14s %16s %8s\n", "codec", "compress MB/s", "decompress MB/s", "ratio");
    for (const Codec& codec : codecs) {
        if (argc > 2 && std::find_if(argv + 2, argv + argc, [&](const char* name) { return codec.name == std::string(name); }) == argv + argc)
            continue;
        Bytes packed, unpacked;
        const double packing = bestSeconds([&] { packed = codec.pack(corpus); });
        const double unpacking = bestSeconds([&] { unpacked = codec.unpack(packed, corpus.size()); });
        if (unpacked != corpus) {
            std::printf("%s: decompressed data differs from the input\n", codec.name);
            return 1;
        }
        std::printf("%-10s %14.1f %16.1f %8.3f\n", codec.name, corpus.size() / packing / 1e6,
                    corpus.size() / unpacking / 1e6, static_cast<double>(packed.size()) / corpus.size());
        std::fflush(stdout);
    }
    return 0;
}
