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

using namespace compress;
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
        if (!file)
            return std::nullopt;
        return Bytes(std::istreambuf_iterator<char>(file), {});
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
    const std::uint64_t packed = packer.Compress();
    EXPECT_EQ(blocks, 4);
    EXPECT_EQ(get("tally.tld"), compressBuffer(data));
    EXPECT_EQ(packed, get("tally.tld")->size());

    Tlzrw1 unpacker = codec("tally.tld", "back.txt");
    unpacker.onBlock = [&] { ++blocks; };
    EXPECT_EQ(unpacker.Decompress(), data.size());
    EXPECT_EQ(blocks, 8);
    EXPECT_EQ(get("back.txt"), data);

    // The same file as input and output works too: the output takes its name only when complete.
    codec("temp.txt", "temp.txt").Compress();
    EXPECT_EQ(get("temp.txt"), get("tally.tld"));
    codec("temp.txt", "temp.txt").Decompress();
    EXPECT_EQ(get("temp.txt"), data);
    EXPECT_EQ(names(), (std::set<std::string>{"back.txt", "tally.tld", "temp.txt"}));
}

TEST_F(Tlzrw1Files, AFailureLeavesNoPartialOutputAndTheOldOneUntouched)
{
    const Bytes data = samples::mixed(100000, 22);
    const Bytes container = compressBuffer(data);
    put("good.txt", data);
    put("good.tld", container);
    put("bad.tld", samples::bytesOf("PK\x03\x04 not a tally file"));
    put("cut.tld", Bytes(container.begin(), container.end() - 1));
    Bytes damaged = container;
    damaged[kHeaderSize + 2] = 0x40, damaged[kHeaderSize + 3] = 0xFF, damaged[kHeaderSize + 5] = 0xFF;
    put("damaged.tld", damaged);
    fs::create_directory(path("folder"));
    put("huge.bin", {});
    fs::resize_file(path("huge.bin"), std::uint64_t{1} << 32); // sparse: takes no room

    struct Case {
        std::function<void(Tlzrw1&)> job;
        std::string input;
        std::string text;
    };
    const std::string input = path("good.txt");
    const std::vector<Case> cases = {
        {[](Tlzrw1& c) { c.CompressMode = TCompressMode::Good, c.Compress(); }, "good.txt",
         input + " : Lzrw1 decompression : this file has no valid header !"},
        {[](Tlzrw1& c) { c.CompressMode = TCompressMode::Auto, c.Compress(); }, "good.txt",
         input + " : Lzrw1 decompression : this file has no valid header !"},
        {[](Tlzrw1& c) { c.Compress(); }, "missing.txt", "Lzrw1 compression : Failed to obtain the size of : " + path("missing.txt")},
        {[](Tlzrw1& c) { c.Decompress(); }, "missing.tld", "Lzrw1 (de)compression : Failed to open input file : " + path("missing.tld")},
        {[](Tlzrw1& c) { c.Decompress(); }, "bad.tld", path("bad.tld") + " : Lzrw1 decompression : this file has no valid header !"},
        {[](Tlzrw1& c) { c.Decompress(); }, "cut.tld", "Lzrw1 : Error reading from input file : " + path("cut.tld")},
        {[](Tlzrw1& c) { c.Decompress(); }, "damaged.tld",
         "Lzrw1 (decompression LZRW1/KH) : damaged block in input file : " + path("damaged.tld") +
             " (copy reaches before the start of the output)"},
        {[](Tlzrw1& c) { c.Compress(); }, "folder", "Lzrw1 : Error reading from input file : " + path("folder") + " (LZRW1/KH)"},
        {[](Tlzrw1& c) { c.Compress(); }, "huge.bin", "Lzrw1 compression : File too large (4 GiB or more) : " + path("huge.bin")},
        {[&](Tlzrw1& c) { c.onBlock = [&] { put("good.txt", data), std::ofstream(input, std::ios::app) << "more"; }, c.Compress(); },
         "good.txt", "Lzrw1 compression : The input file changed size while being compressed : " + input},
        {[&](Tlzrw1& c) { c.onBlock = [&] { fs::resize_file(input, 50000); }, c.Compress(), put("good.txt", data); },
         "good.txt", "Lzrw1 compression : The input file changed size while being compressed : " + input},
        {[](Tlzrw1& c) { c.onBlock = [] { throw ELzrw1Exception("closed by the player"); }, c.Decompress(); }, "good.tld",
         "closed by the player"},
        {[](Tlzrw1& c) {
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
         "good.txt", ""},
    };
    put("keep.txt", samples::bytesOf("last good tally"));
    const auto before = names();
    for (const std::string output : {"keep.txt", "new.txt"}) {
        for (const Case& one : cases) {
            Tlzrw1 c = codec(one.input, output);
            const std::string text = failureOf([&] { one.job(c); });
            EXPECT_EQ(text, one.text.empty() ? "Lzrw1 : Error writing to output file : " + path(output) : one.text);
            put("good.txt", data);
            EXPECT_EQ(get("keep.txt"), samples::bytesOf("last good tally"));
            EXPECT_EQ(names(), before) << text;
        }
    }
    EXPECT_EQ(failureOf([&] { codec("good.txt", "nowhere/out.tld").Compress(); }),
              "Lzrw1 (de)compression : Failed to open output file : " + path("nowhere/out.tld"));
}

TEST_F(Tlzrw1Files, CommandLineToolCompressesDecompressesAndReportsFailures)
{
    const Bytes data = samples::tallyText(12);
    put("temp.txt", data);
    auto run = [&](const std::string& arguments) {
        const int status = std::system((std::string(LZRW1_PROGRAM) + " " + arguments + " 2>" + path("err")).c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run("c " + path("temp.txt") + " " + path("t.tld")), 0);
    EXPECT_EQ(get("t.tld"), compressBuffer(data));
    EXPECT_EQ(run("d " + path("t.tld") + " " + path("back.txt")), 0);
    EXPECT_EQ(get("back.txt"), data);
    EXPECT_EQ(run("d " + path("temp.txt") + " " + path("x.txt")), 1);
    EXPECT_EQ(get("err"), samples::bytesOf(path("temp.txt") + " : Lzrw1 decompression : this file has no valid header !\n"));
    EXPECT_FALSE(get("x.txt"));
    EXPECT_NE(run("x " + path("temp.txt") + " " + path("x.txt")), 0);
}
