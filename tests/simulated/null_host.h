#pragma once
// A desktop that draws no text and answers every dialog with Cancel: enough to run the main
// form's read-outs against the simulated instrument.
#include "app/form.h"
#include "app/form_host.h"

namespace ztmca::testing {

class NullHost final : public FormHost {
public:
    void DrawText(Bitmap&, int, int, std::string_view, Colour) override {}
    int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * 6; }
    bool RunModal(Form&) override { return false; }
    bool AskOpenFile(const FileDialogSpec&, std::string&) override { return false; }
    bool AskSaveFile(const FileDialogSpec&, std::string&) override { return false; }
    void ShowError(std::string_view) override {}
    LocalDateTime Now() override { return {2026, 12, 11, 9, 30, 0}; }
    std::string FormatDateTime(const LocalDateTime&) override { return "2026/12/11 09:30:00"; }
    void CloseMainWindow() override {}
};

}  // namespace ztmca::testing
