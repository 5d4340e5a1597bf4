// The platform's files on real files in a temporary folder: buffered reads
// and writes must leave every byte where unbuffered calls would.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/test/platform_test.h"
#include "test_files.h"

namespace {

class Files : public ::testing::Test {
protected:
    void SetUp() override { ResetTestPlatform(); }
    TempFolder folder;
};

std::string Pattern(std::size_t length, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(length, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

std::string Read(FileHandle file, std::uint32_t count) {
    std::string bytes(count, '\0');
    std::uint32_t done = 0;
    EXPECT_TRUE(FileRead(file, &bytes[0], count, &done));
    bytes.resize(done);
    return bytes;
}

bool Write(FileHandle file, const std::string& bytes) {
    std::uint32_t done = 0;
    bool ok = FileWrite(file, bytes.data(), static_cast<std::uint32_t>(bytes.size()), &done);
    return ok && done == bytes.size();
}

TEST_F(Files, CreateEmptiesAFileAndReadsStopShortOnlyAtItsEnd) {
    std::string path = folder.Path("kurz.dbf");
    WriteBytes(path, "alter Inhalt");
    FileHandle file = FileCreate(path.c_str());
    ASSERT_TRUE(Write(file, "0123456789"));
    ASSERT_TRUE(FileSeek(file, 0));
    EXPECT_EQ(Read(file, 4), "0123");
    EXPECT_EQ(Read(file, 20), "456789");
    EXPECT_EQ(Read(file, 20), "");
    ASSERT_TRUE(FileSeek(file, 100));  // past the end: reads give nothing
    EXPECT_EQ(Read(file, 5), "");
    std::uint64_t size = 0;
    ASSERT_TRUE(FileSize(file, &size));
    EXPECT_EQ(size, 10u);
    EXPECT_TRUE(FileClose(file));
    EXPECT_EQ(ReadBytes(path), "0123456789");
}

// Random reads, writes and jumps over a file of a few buffers' length, checked
// against the same operations on a string.
TEST_F(Files, RandomReadsWritesAndSeeksMatchAModel) {
    std::string path = folder.Path("modell.bin");
    std::string model = Pattern(600 * 1024, 1);
    WriteBytes(path, model);
    FileHandle file = FileCreate(path.c_str());
    ASSERT_NE(file, kNoFile);
    ASSERT_TRUE(Write(file, model));
    ASSERT_TRUE(FileSeek(file, 0));
    std::mt19937 random(7);
    std::size_t position = 0;
    for (int step = 0; step < 3000; ++step) {
        // Mostly small steps, now and then one larger than a whole buffer.
        std::uint32_t length = random() % 8 == 0 ? random() % 300000 : random() % 2000;
        switch (random() % 4) {
        case 0: {
            position = random() % (model.size() + 1000);
            ASSERT_TRUE(FileSeek(file, position));
            break;
        }
        case 1:
        case 2: {
            std::string expected = position < model.size() ? model.substr(position, length) : std::string();
            ASSERT_EQ(Read(file, length), expected) << "step " << step << " at " << position;
            position += expected.size();
            break;
        }
        case 3: {
            std::string bytes = Pattern(length, step);
            if (position > model.size()) model.resize(position, '\0');  // the gap reads as zeros
            model.replace(position, std::min<std::size_t>(length, model.size() - position), bytes);
            ASSERT_TRUE(Write(file, bytes));
            position += length;
            break;
        }
        }
    }
    std::uint64_t size = 0;
    ASSERT_TRUE(FileSize(file, &size));
    EXPECT_EQ(size, model.size());
    ASSERT_TRUE(FileClose(file));
    EXPECT_TRUE(ReadBytes(path) == model);
}

TEST_F(Files, SameFileJudgesIdentityNotText) {
    std::filesystem::create_directory(folder.Root() / "sub");
    std::string path = folder.Path("kunden.dbf");
    std::string other = folder.Path("lieferanten.dbf");
    WriteBytes(path, "a");
    WriteBytes(other, "a");
    std::string detour = (folder.Root() / "sub" / ".." / "kunden.dbf").string();
    EXPECT_TRUE(SameFile(path.c_str(), detour.c_str()));
    EXPECT_TRUE(SameFile(path.c_str(), path.c_str()));
    EXPECT_FALSE(SameFile(path.c_str(), other.c_str()));
    EXPECT_FALSE(SameFile(path.c_str(), folder.Path("fehlt.dbf").c_str()));
    EXPECT_FALSE(SameFile(folder.Path("fehlt.dbf").c_str(), folder.Path("fehlt.dbf").c_str()));
    if (!FileNamesCaseSensitive()) {
        EXPECT_TRUE(SameFile(path.c_str(), folder.Path("KUNDEN.DBF").c_str()));
    }
}

TEST_F(Files, ReplaceRemoveAndEveryFailureReported) {
    std::string from = folder.Path("~kv0001.tmp");
    std::string to = folder.Path("neu.dbf");
    WriteBytes(from, "neuer Inhalt");
    WriteBytes(to, "alter Inhalt");
    bool taken = false;
    EXPECT_EQ(FileCreateNew(to.c_str(), &taken), kNoFile);  // a claimed name must be free
    EXPECT_TRUE(taken);
    EXPECT_EQ(ReadBytes(to), "alter Inhalt");
    EXPECT_EQ(FileCreateNew(folder.Path("fehlt/neu.dbf").c_str(), &taken), kNoFile);
    EXPECT_FALSE(taken);  // no other name would help
    ASSERT_TRUE(FileReplace(from.c_str(), to.c_str()));
    EXPECT_EQ(ReadBytes(to), "neuer Inhalt");
    EXPECT_FALSE(Exists(from));
    EXPECT_FALSE(FileReplace(from.c_str(), to.c_str()));
    EXPECT_EQ(ReadBytes(to), "neuer Inhalt");
    ASSERT_TRUE(FileRemove(to.c_str()));
    EXPECT_FALSE(FileExists(to.c_str()));
    EXPECT_FALSE(FileRemove(to.c_str()));
    FileProblem problem;
    EXPECT_EQ(FileOpenRead(to.c_str(), &problem), kNoFile);
    EXPECT_EQ(problem, kFileMissing);
    EXPECT_EQ(FileOpenRead(folder.Root().string().c_str(), &problem), kNoFile);
    EXPECT_EQ(problem, kFileNotRegular);
    EXPECT_EQ(FileOpenRead(IsPathSeparator('/') ? "/dev/null" : "NUL", &problem), kNoFile);  // a device
    EXPECT_EQ(problem, kFileNotRegular);
    EXPECT_EQ(FileCreate(folder.Path("fehlt/neu.dbf").c_str()), kNoFile);

    // Eight files at once, then no more; a closed handle is dead and its slot free.
    WriteBytes(to, "a");
    FileHandle open[8];
    for (FileHandle& file : open) ASSERT_NE(file = FileOpenRead(to.c_str(), &problem), kNoFile);
    EXPECT_EQ(FileOpenRead(to.c_str(), &problem), kNoFile);
    EXPECT_EQ(problem, kFileUnreadable);
    ASSERT_TRUE(FileClose(open[3]));
    char byte;
    std::uint32_t done = 7;
    EXPECT_FALSE(FileRead(open[3], &byte, 1, &done));
    EXPECT_EQ(done, 0u);
    EXPECT_EQ(FileOpenRead(to.c_str(), &problem), open[3]);
    for (FileHandle file : open) FileClose(file);
    EXPECT_TRUE(FileClose(kNoFile));
}

#ifndef _WIN32
// A full disk: the buffered write succeeds, the failure surfaces at the close.
TEST_F(Files, AFullDiskSurfacesAtTheLatestAtClose) {
    FileHandle file = FileCreate("/dev/full");
    ASSERT_NE(file, kNoFile);
    EXPECT_TRUE(Write(file, "Daten"));
    EXPECT_FALSE(FileClose(file));
    file = FileCreate("/dev/full");
    EXPECT_FALSE(Write(file, std::string(300 * 1024, 'x')));  // larger than a buffer
    EXPECT_FALSE(FileClose(file));
}
#endif

}  // namespace
