#include <sys/resource.h>

#include <csignal>

#include "files_fixture.h"

namespace ztmca::testing {
namespace {

class SafeSaveTest : public FilesTest {
protected:
    // Each save through the form: the control that runs it, and how the form names the target.
    void RunSave(const char* kind, const std::string& path) {
        if (std::string(kind) == "SaveAcqInf") {
            form->AcqInfoFileName = path;
            Choose(path);
        } else {
            Choose(path);
        }
        form->Click(kind);
    }
};

const char* const kSaves[] = {"Write1", "Write2", "SaveAcqInf"};

TEST_F(SafeSaveTest, ReplacingAFileLeavesNoTemporaryAndKeepsItsPermissions) {
    for (const char* kind : kSaves) {
        SCOPED_TRACE(kind);
        const std::filesystem::path target = dir / "out.bin";
        WriteAll(target, std::vector<std::uint8_t>(5, 1));
        std::filesystem::permissions(target, std::filesystem::perms(0640));
        RunSave(kind, target.string());
        EXPECT_GT(std::filesystem::file_size(target), 5u);
        EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
        EXPECT_EQ(Entries(), std::vector<std::string>{"out.bin"});
    }
}

TEST_F(SafeSaveTest, ATargetThatCannotBeCreatedReportsItsError) {
    std::filesystem::create_directory(dir / "taken.dat");
    WriteAll(dir / "plain", {1, 2, 3});
    const std::string targets[] = {PathOf("taken.dat"), PathOf("no-such-dir/x.dat"), PathOf("plain/x.dat")};
    for (const char* kind : kSaves) {
        for (const std::string& target : targets) {
            SCOPED_TRACE(std::string(kind) + " " + target);
            form->SetText("Edit1", "");
            RunSave(kind, target);
            EXPECT_EQ(Text("Edit1"), std::string(kind) == "SaveAcqInf" ? "SaveMcaInf Error !" : "File Write Error !");
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.dat"));
    EXPECT_EQ(ReadAll(dir / "plain"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"plain", "taken.dat"}));
}

// A file size limit makes the write itself fail part-way: the earlier file must survive whole.
TEST_F(SafeSaveTest, AFailedWriteKeepsTheEarlierFileIntact) {
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const std::vector<std::uint8_t> earlier(300, 0x5A);
    for (const char* kind : kSaves) {
        SCOPED_TRACE(kind);
        WriteAll(dir / "keep.bin", earlier);
        form->SetText("Edit1", "");
        rlimit small = old;
        small.rlim_cur = 500;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        RunSave(kind, PathOf("keep.bin"));
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
        EXPECT_EQ(Text("Edit1"), "File Write Error !");
        EXPECT_EQ(ReadAll(dir / "keep.bin"), earlier);
        EXPECT_EQ(Entries(), std::vector<std::string>{"keep.bin"});
    }
    std::signal(SIGXFSZ, oldHandler);
}

}  // namespace
}  // namespace ztmca::testing
