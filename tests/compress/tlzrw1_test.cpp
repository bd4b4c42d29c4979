#include "compress/tlzrw1.h"

#include "compress/samples.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>

using namespace lzrw1;
using samples::Bytes;
namespace fs = std::filesystem;

namespace {

class Tlzrw1Files : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "tilvaro-lzrw1-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void put(const std::string& name, const Bytes& data) const
    {
        std::ofstream(path(name), std::ios::binary).write(reinterpret_cast<const char*>(data.data()), data.size());
    }
    std::optional<Bytes> get(const std::string& name) const
    {
        std::ifstream file(path(name), std::ios::binary);
        return file ? std::optional(Bytes(std::istreambuf_iterator<char>(file), {})) : std::nullopt;
    }
    std::set<std::string> names() const
    {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir_))
            found.insert(entry.path().filename().string());
        return found;
    }
    Tlzrw1 codec(const std::string& input, const std::string& output) const
    {
        Tlzrw1 codec;
        codec.CompressMode = TCompressMode::Fast;
        codec.InputFile = path(input);
        codec.OutputFile = path(output);
        return codec;
    }

    fs::path dir_;
};

std::string failureOf(const std::function<void()>& job)
{
    try {
        job();
    } catch (const ELzrw1Exception& error) {
        return error.what();
    }
    return "succeeded";
}

} // namespace

TEST_F(Tlzrw1Files, FilesGoBothWaysThroughTheContainer)
{
    const Bytes data = samples::mixed(100000, 21);
    put("temp.txt", data);
    put("back.txt", samples::bytesOf("an older file, replaced"));
    int blocks = 0;
    Tlzrw1 packer = codec("temp.txt", "tally.tld");
    packer.onBlock = [&] { ++blocks; };
    EXPECT_EQ(packer.Compress(), compressBuffer(data).size());
    EXPECT_EQ(get("tally.tld"), compressBuffer(data));
    Tlzrw1 unpacker = codec("tally.tld", "back.txt");
    unpacker.onBlock = [&] { ++blocks; };
    EXPECT_EQ(unpacker.Decompress(), data.size());
    EXPECT_EQ(get("back.txt"), data);
    EXPECT_EQ(blocks, 8);

    // The same file as input and output works too: the output takes its name only when complete.
    codec("temp.txt", "temp.txt").Compress();
    EXPECT_EQ(get("temp.txt"), get("tally.tld"));
    codec("temp.txt", "temp.txt").Decompress();
    EXPECT_EQ(get("temp.txt"), data);
    EXPECT_EQ(names(), (std::set<std::string>{"back.txt", "tally.tld", "temp.txt"}));
}

TEST_F(Tlzrw1Files, DataInMemoryIsWrittenLikeAFileAndAFailedWriteKeepsTheOldOne)
{
    const Bytes data = samples::mixed(70000, 23);
    put("tally.tld", samples::bytesOf("last good tally"));
    int blocks = 0;
    Tlzrw1 packer = codec("no such input", "tally.tld");
    packer.onBlock = [&] { ++blocks; };
    EXPECT_EQ(packer.Compress(data), compressBuffer(data).size());
    EXPECT_EQ(get("tally.tld"), compressBuffer(data));
    EXPECT_EQ(blocks, 3);
    EXPECT_EQ(names(), std::set<std::string>{"tally.tld"});

    // Nothing written halfway: a failing block leaves the old file and no temporary one.
    Tlzrw1 failing = codec("", "tally.tld");
    failing.onBlock = [] { throw ELzrw1Exception("disk full"); };
    EXPECT_EQ(failureOf([&] { failing.Compress(Bytes{1, 2, 3}); }), "disk full");
    EXPECT_EQ(get("tally.tld"), compressBuffer(data));
    EXPECT_EQ(names(), std::set<std::string>{"tally.tld"});
    EXPECT_EQ(failureOf([&] { codec("", "nowhere/out.tld").Compress(data); }),
              "Lzrw1 (de)compression : Failed to open output file : " + path("nowhere/out.tld"));
    // An empty record still makes a container that reads back as empty.
    codec("", "empty.tld").Compress(Bytes{});
    EXPECT_EQ(get("empty.tld"), compressBuffer(Bytes{}));
}

TEST_F(Tlzrw1Files, AFailureLeavesNoPartialOutputAndTheOldOneUntouched)
{
    const Bytes data = samples::mixed(100000, 22), container = compressBuffer(data);
    const std::string in = path("in"), keep = "last good tally";
    Bytes damaged = container;
    damaged[kHeaderSize + 2] = 0x40, damaged[kHeaderSize + 3] = 0xFF, damaged[kHeaderSize + 5] = 0xFF;
    auto compress = [](Tlzrw1& c) { c.Compress(); };
    auto decompress = [](Tlzrw1& c) { c.Decompress(); };
    struct Case {
        std::optional<Bytes> input; // nothing: no such file
        std::function<void(Tlzrw1&)> job;
        std::string text;
    };
    const std::vector<Case> cases = {
        // Only the fast coder is built: the others refuse.
        {data, [](Tlzrw1& c) { c.CompressMode = TCompressMode::Good, c.Compress(); }, in + " : Lzrw1 decompression : this file has no valid header !"},
        {std::nullopt, compress, "Lzrw1 compression : Failed to obtain the size of : " + in},
        {std::nullopt, decompress, "Lzrw1 (de)compression : Failed to open input file : " + in},
        {samples::bytesOf("PK\x03\x04 not a tally"), decompress, in + " : Lzrw1 decompression : this file has no valid header !"},
        {Bytes(container.begin(), container.end() - 1), decompress, "Lzrw1 : Error reading from input file : " + in},
        {damaged, decompress, "Lzrw1 (decompression LZRW1/KH) : damaged block in input file : " + in + " (copy reaches before the start of the output)"},
        {container, [](Tlzrw1& c) { c.onBlock = [] { throw ELzrw1Exception("closed by the player"); }, c.Decompress(); }, "closed by the player"},
        // The input grows while it is being compressed.
        {data, [&](Tlzrw1& c) { c.onBlock = [&] { std::ofstream(in, std::ios::app) << "more"; }, c.Compress(); },
         "Lzrw1 compression : The input file changed size while being compressed : " + in},
        // Sparse, so it takes no room: the header could not hold its size.
        {Bytes{}, [&](Tlzrw1& c) { fs::resize_file(in, std::uint64_t{1} << 32), c.Compress(); },
         "Lzrw1 compression : File too large (4 GiB or more) : " + in},
        {data, [&](Tlzrw1& c) {
             // A full disk: the file size limit makes a write fail part-way.
             rlimit old{};
             ::getrlimit(RLIMIT_FSIZE, &old);
             const rlimit small{1024, old.rlim_max};
             const auto previous = std::signal(SIGXFSZ, SIG_IGN);
             ::setrlimit(RLIMIT_FSIZE, &small);
             const std::string text = failureOf([&] { c.Compress(); });
             ::setrlimit(RLIMIT_FSIZE, &old);
             std::signal(SIGXFSZ, previous);
             throw ELzrw1Exception(text);
         },
         "Lzrw1 : Error writing to output file : "},
    };
    for (const std::string output : {"keep.txt", "new.txt"}) {
        for (const Case& one : cases) {
            fs::remove_all(dir_), fs::create_directory(dir_);
            put("keep.txt", samples::bytesOf(keep));
            if (one.input)
                put("in", *one.input);
            const auto before = names();
            Tlzrw1 c = codec("in", output);
            const std::string expected = one.text.back() == ' ' ? one.text + path(output) : one.text;
            EXPECT_EQ(failureOf([&] { one.job(c); }), expected);
            EXPECT_EQ(get("keep.txt"), samples::bytesOf(keep));
            EXPECT_EQ(names(), before) << expected;
        }
    }
    EXPECT_EQ(failureOf([&] { codec("keep.txt", "nowhere/out.tld").Compress(); }),
              "Lzrw1 (de)compression : Failed to open output file : " + path("nowhere/out.tld"));
    // A device that never ends is refused rather than coded for ever.
    Tlzrw1 endless = codec("keep.txt", "out.tld");
    endless.InputFile = "/dev/zero";
    EXPECT_EQ(failureOf([&] { endless.Compress(); }),
              "Lzrw1 compression : The input file changed size while being compressed : /dev/zero");
    fs::create_directory(path("folder"));
    EXPECT_EQ(failureOf([&] { codec("folder", "out.tld").Compress(); }),
              "Lzrw1 : Error reading from input file : " + path("folder") + " (LZRW1/KH)");
}

TEST_F(Tlzrw1Files, CommandLineToolCompressesDecompressesAndReportsFailures)
{
    const Bytes data = samples::tallyText(12);
    put("temp.txt", data);
    auto run = [&](const std::string& arguments) {
        const int status = std::system((LZRW1_PROGRAM " " + arguments + " 2>" + path("err")).c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run("c " + path("temp.txt") + " " + path("t.tld")), 0);
    EXPECT_EQ(get("t.tld"), compressBuffer(data));
    EXPECT_EQ(run("d " + path("t.tld") + " " + path("back.txt")), 0);
    EXPECT_EQ(get("back.txt"), data);
    EXPECT_EQ(run("d " + path("temp.txt") + " " + path("x.txt")), 1);
    EXPECT_EQ(get("err"), samples::bytesOf(path("temp.txt") + " : Lzrw1 decompression : this file has no valid header !\n"));
    EXPECT_FALSE(get("x.txt"));
}
