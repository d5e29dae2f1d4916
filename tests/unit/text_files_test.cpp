#include "core/text_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "temp_folder.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

class TextFilesTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return (folder / name).string(); }
    void WriteBytes(const char* name, const std::string& bytes) const {
        std::ofstream(folder / name, std::ios::binary) << bytes;
    }
    std::string Bytes(const char* name) const {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    testing::TempFolder temp;
    const fs::path& folder = temp.path();
    TextFiles files;
};

TEST_F(TextFilesTest, ReadsLinesAsTheGameWritesThem) {
    // CP932 with CR LF; an empty line in the middle; no break after the last.
    WriteBytes("a.txt", "\x88\xea\r\n\r\nlast");
    EXPECT_EQ((std::vector<std::string>{"一", "", "last"}), ReadLines(files, 1, Path("a.txt")));
    WriteBytes("b.txt", "x\r\n");
    EXPECT_EQ(std::vector<std::string>{"x"}, ReadLines(files, 1, Path("b.txt")));
    WriteBytes("empty.txt", "");
    EXPECT_EQ(std::vector<std::string>{}, ReadLines(files, 1, Path("empty.txt")));
    EXPECT_EQ(std::nullopt, ReadLines(files, 1, Path("missing.txt")));
    EXPECT_FALSE(files.IsOpen(1));
}

TEST_F(TextFilesTest, AVeryLongLineIsReadWhole) {
    const std::string line(1 << 20, 'x');
    WriteBytes("long.txt", line + "\r\nnext\r\n");
    EXPECT_EQ((std::vector<std::string>{line, "next"}), ReadLines(files, 1, Path("long.txt")));
}

TEST_F(TextFilesTest, NumbersAreFreeAgainOnceClosed) {
    WriteBytes("a.txt", "x\r\n");
    const int first = files.FreeFile();
    ASSERT_TRUE(files.OpenForInput(first, Path("a.txt")));
    EXPECT_FALSE(files.OpenForInput(first, Path("a.txt")));
    EXPECT_NE(first, files.FreeFile());
    EXPECT_TRUE(files.Close(first));
    EXPECT_FALSE(files.Close(first));
    EXPECT_EQ(first, files.FreeFile());
}

TEST_F(TextFilesTest, ReplacingWritesCp932WithCrLf) {
    ASSERT_TRUE(ReplaceFileLines(files, 1, Path("r.dat"), {"一", "", "b"}));
    EXPECT_EQ("\x88\xea\r\n\r\nb\r\n", Bytes("r.dat"));
    ASSERT_TRUE(ReplaceFileLines(files, 1, Path("r.dat"), {}));
    EXPECT_EQ("", Bytes("r.dat"));
    EXPECT_FALSE(fs::exists(folder / "r.dat.new"));
}

TEST_F(TextFilesTest, AFailedReplaceLeavesTheOldFileWhole) {
    WriteBytes("r.dat", "old\r\n");
    fs::create_directory(folder / "r.dat.new");  // the temporary file cannot be made
    EXPECT_FALSE(ReplaceFileLines(files, 1, Path("r.dat"), {"new"}));
    EXPECT_EQ("old\r\n", Bytes("r.dat"));
    EXPECT_FALSE(ReplaceFileLines(files, 1, Path("no-such-folder/r.dat"), {"new"}));
}

}  // namespace
}  // namespace qm
