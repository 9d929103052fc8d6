// The File menu's spectrum file, ASCII dump and the acquisition information file.
#include <cstdio>
#include <span>
#include <string_view>

#include "app/main_form.h"
#include "files/ascii_dump.h"
#include "files/atomic_file.h"
#include "files/file_names.h"
#include "files/header_update.h"
#include "files/spectrum_file.h"

namespace ztmca {

namespace {

constexpr char kWriteError[] = "File Write Error !";
constexpr char kInfoError[] = "SaveMcaInf Error !";

std::span<const std::uint8_t> AsBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// The save-as action of the information file: the dialog starts in the directory of the current
// name, and a confirmed choice becomes the name. False when cancelled.
bool RunFileSaveAs1(MainForm& form) {
    FileDialogOptions dialog{"", "Mcainf(*.ini)|*.ini|allfile(*.*)|*.*", "ini", ""};
    form.FileSaveAs1BeforeExecute(dialog);
    std::string path;
    if (!form.Host().AskSaveFile(dialog, path)) return false;
    form.FileSaveAs1Accept(path);
    return true;
}

// The load's scratch space is large, so it lives once for the process rather than on the stack.
SpectrumLoadBuffer& LoadBuffer() {
    static SpectrumLoadBuffer buffer;
    return buffer;
}

}  // namespace

void MainForm::Write1Click() {
    const FileDialogOptions dialog{"", "spectrum(*.dat)|*.dat|alllfile(*.*)|*.*", "dat", ""};
    std::string path;
    if (!Host().AskSaveFile(dialog, path)) return;
    SpectrumMemory& m = State.Memory;
    SetName(m.CurrentName, FileNamePart(path));

    SpectrumHeader header = m.CurrentHeader;
    UpdateSavedFields(header, m.MemorySize, Calibration, Rois, State.Acq);
    SetHeaderComment(header, (*this)["Edit14"].Text);
    header.AcquisitionMode = static_cast<std::int16_t>(State.Acq.AcquisitionMode);
    header.PresetCounts = State.Acq.PresetCountsShown;
    const std::span<const std::int32_t> counts(m.MainCounts.data(),
                                               static_cast<std::size_t>(ChannelsInUse(m.MemorySize)));
    const SaveResult result = SaveFileAtomically(PathFromUtf8(path), EncodeSpectrumFile(header, counts));
    // The header takes the saved values once a file was there to write them into.
    if (result != SaveResult::NotOpened) m.CurrentHeader = header;
    if (result != SaveResult::Saved) SetText("Edit1", kWriteError);
}

void MainForm::Read1Click() {
    const FileDialogOptions dialog{"DataFileOpen", "spectrum(*.dat)|*.dat|allfiles(*.*)|*.*", "dat", ""};
    std::string path;
    if (!Host().AskOpenFile(dialog, path)) return;
    SpectrumMemory& m = State.Memory;
    SetName(m.CurrentName, FileNamePart(path));

    SpectrumLoadBuffer& buffer = LoadBuffer();
    std::size_t received = 0;
    if (!ReadFilePrefix(PathFromUtf8(path), buffer.Bytes, received)) return;
    const SpectrumBlocks file = ReadSpectrumBlocks(std::span(buffer.Bytes).first(received), buffer.Counts);
    const int n = file.Channels;

    if (!file.Accepted()) {
        // The displayed spectrum stays as it was; only the header falls back to the live one.
        SetNumber("Edit9", n);
        m.CurrentHeader = m.LiveHeader;
    } else {
        const SpectrumHeader& h = file.Header;
        m.CurrentHeader = h;
        std::copy_n(buffer.Counts.begin(), n, m.MainCounts.begin());
        TakeHeaderView(h);
        m.MemorySize = n;
        SetNumber("Edit9", n);
        SetText("Edit14", HeaderComment(h));

        const std::int32_t mode = h.AcquisitionMode;
        if (mode == 0 || (mode >= 2 && mode <= 6)) {
            SetText("Edit8", mode == 0 ? "PHA" : mode <= 4 ? "MCS" : "ROIMCS");
            SetText("Edit11", mode == 0 ? "0.1sec" : mode == 5 ? " 0.1u" : " EXT");
            SetNumber("Edit12", mode == 0 ? h.PresetTime : h.PresetCounts);
            State.Acq.AcquisitionMode = mode;
        }

        Display.DispStartCh = 0;
        Display.DispEndCh = n - 1;
        Display.CursorCh = n / 2;
        SetNumber("Label1", 0, "ch");
        SetNumber("Label2", Display.DispEndCh, "ch");
        SetNumber("Label3", Display.CursorCh);

        char date[96];
        std::snprintf(date, sizeof date, "%4d/%2d/%2d, %2d:%2d:%2d\n", h.Year, h.Month, h.Day, h.Hour, h.Minute,
                      h.Second);
        SetText("Edit10", date);

        static constexpr const char* kWorkButtons[kWorkMemories] = {"Mem1Spec", "Mem2Spec", "Mem3Spec"};
        for (std::size_t k = 0; k < kWorkMemories; ++k) {
            if (!(*this)[kWorkButtons[k]].Checked) continue;
            std::copy_n(m.MainCounts.begin(), n, m.WorkCounts[k].begin());
            m.WorkHeaders[k] = m.CurrentHeader;
            m.WorkNames[k] = m.CurrentName;
        }
    }
    Display.RedrawNeeded = 1;
    DrawLogAxis(true);
    PaintBox1Paint();
}

void MainForm::Write2Click() {
    const FileDialogOptions dialog{"", "spectrum(*.txt)|*.txt|alllfile(*.*)|*.*", "txt", ""};
    std::string path;
    if (!Host().AskSaveFile(dialog, path)) return;
    SpectrumMemory& m = State.Memory;
    SetName(m.CurrentName, FileNamePart(path));

    const std::span<const std::int32_t> counts(m.MainCounts.data(),
                                               static_cast<std::size_t>(ChannelsInUse(m.MemorySize)));
    const std::string text =
        FormatAsciiDump(m.CurrentName, m.CurrentHeader, State.Acq.LiveTime, State.Acq.RealTime, counts);
    const SaveResult result = SaveFileAtomically(PathFromUtf8(path), AsBytes(text));
    if (result != SaveResult::NotOpened) {
        m.CurrentHeader.LiveTime = State.Acq.LiveTime;
        m.CurrentHeader.RealTime = State.Acq.RealTime;
        m.CurrentHeader.PresetTime = State.Acq.PresetTimeShown;
    }
    if (result != SaveResult::Saved) SetText("Edit1", kWriteError);
}

// The button "SaveMcainf" always runs the save-as action. With the name still "untitled.ini"
// that is all it does; once a name has been recorded, a confirmed dialog also writes the file
// under the (possibly changed) name, and a cancelled one writes nothing.
void MainForm::SaveAcqInfClick() {
    const bool named = AcqInfoFileName != "untitled.ini";
    if (!RunFileSaveAs1(*this) || !named) return;

    SetText("Edit1", AcqInfoFileName);
    SpectrumHeader header = State.Memory.CurrentHeader;
    UpdateSavedFields(header, State.Memory.MemorySize, Calibration, Rois, State.Acq);
    std::array<std::uint8_t, kHeaderBytes> bytes{};
    EncodeHeader(header, bytes);
    const SaveResult result = SaveFileAtomically(PathFromUtf8(AcqInfoFileName), bytes);
    if (result == SaveResult::NotOpened) {
        SetText("Edit1", kInfoError);
        return;
    }
    State.Memory.CurrentHeader = header;
    if (result == SaveResult::WriteFailed) SetText("Edit1", kWriteError);
}

void MainForm::FileSaveAs1BeforeExecute(FileDialogOptions& dialog) { dialog.InitialDir = DirectoryPart(AcqInfoFileName); }

void MainForm::FileSaveAs1Accept(const std::string& path) { AcqInfoFileName = path; }

}  // namespace ztmca
