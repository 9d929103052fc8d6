#include <sstream>

#include "files_fixture.h"

namespace ztmca::testing {
namespace {

class AsciiDumpTest : public FilesTest {};

std::vector<std::string> SplitCrLf(const std::vector<std::uint8_t>& bytes, bool& allCrLf) {
    const std::string text(bytes.begin(), bytes.end());
    std::vector<std::string> lines;
    allCrLf = text.size() >= 2 && text.substr(text.size() - 2) == "\r\n";
    std::size_t start = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', start)) {
        allCrLf = allCrLf && at > start && text[at - 1] == '\r';
        lines.push_back(text.substr(start, at > start ? at - start - 1 : 0));
        start = at + 1;
    }
    return lines;
}

TEST_F(AsciiDumpTest, WritesTheExactLinesWithCrLf) {
    SpectrumMemory& m = Memory();
    m.MemorySize = 512;
    m.MainCounts[5] = 123;
    m.MainCounts[6] = 123456789;
    m.MainCounts[7] = -42;
    m.CurrentHeader.Year = 2026;
    m.CurrentHeader.Month = 4;
    m.CurrentHeader.Day = 1;
    m.CurrentHeader.Hour = 13;
    m.CurrentHeader.Minute = 2;
    m.CurrentHeader.Second = 9;
    SetHeaderComment(m.CurrentHeader, "saved comment");
    form->SetText("Edit14", "edited, not saved");
    form->State.Acq.LiveTime = 12345;
    form->State.Acq.RealTime = 5;
    form->State.Acq.PresetTimeShown = 777;
    Choose(PathOf("dump.txt"));

    form->Click("Write2");

    bool crlf = false;
    const auto lines = SplitCrLf(ReadAll(dir / "dump.txt"), crlf);
    EXPECT_TRUE(crlf);
    ASSERT_EQ(lines.size(), 10u + 512u);
    const std::vector<std::string> head = {
        "*** Velmora Co., MCA Binary Data to ASCII Data Dump ***",
        "",
        "Data File Name, dump.txt",
        "Data Comment, saved comment",
        "Acq. Date, 2026/ 4/ 1, 13: 2: 9",
        "Live Time,   1234.5",
        "Real Time,      0.5",
        "Mca Ch Size,  512",
        "",
        "ch  ,  data",
    };
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10), head);
    EXPECT_EQ(lines[10], "   0,       0");
    EXPECT_EQ(lines[15], "   5,     123");
    EXPECT_EQ(lines[16], "   6,123456789");
    EXPECT_EQ(lines[17], "   7,     -42");
    EXPECT_EQ(lines[521], " 511,     511");
    EXPECT_EQ(m.CurrentName, "dump.txt");
    EXPECT_EQ(m.CurrentHeader.LiveTime, 12345);
    EXPECT_EQ(m.CurrentHeader.RealTime, 5);
    EXPECT_EQ(m.CurrentHeader.PresetTime, 777);
    const FileDialogOptions& d = host.fileDialogs.back();
    EXPECT_EQ(d.Filter, "spectrum(*.txt)|*.txt|alllfile(*.*)|*.*");
    EXPECT_EQ(d.DefaultExt, "txt");
}

TEST_F(AsciiDumpTest, CancelledDialogWritesNothing) {
    host.paths.push_back("");
    form->Click("Write2");
    EXPECT_TRUE(Entries().empty());
    EXPECT_TRUE(Memory().CurrentName.empty());
}

}  // namespace
}  // namespace ztmca::testing
