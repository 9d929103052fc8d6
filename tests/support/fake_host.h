#pragma once
// A desktop for form tests: fixed-width text, scripted dialogs and file choices, a fixed clock.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/form.h"
#include "app/form_host.h"

namespace ztmca::testing {

struct DrawnText {
    int X, Y;
    std::string Text;
    ztmca::Colour Colour;  // qualified: the member shares the type's name
};

class FakeHost : public FormHost {
public:
    static constexpr int kGlyphWidth = 6;

    // Text: every glyph is kGlyphWidth wide; each call is recorded and marks its cell's top-left pixel.
    void DrawText(Bitmap& target, int x, int y, std::string_view text, Colour colour) override {
        texts.push_back({x, y, std::string(text), colour});
        target.SetPixel(x, y, colour);
    }
    int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * kGlyphWidth; }

    // Dialogs, as the window runs them: the next scripted action plays the operator (clicking
    // OkButton or CancelButton, typing); without a result the dialog counts as cancelled. Then the
    // dialog's close handler runs, and OK is reported when the form's result says so.
    bool RunModal(Form& dialog) override {
        modalForms.push_back(dialog.ClassName());
        if (!modalActions.empty()) {
            auto action = std::move(modalActions.front());
            modalActions.pop_front();
            action(dialog);
        }
        if (dialog.Result == ModalResult::None) dialog.Result = ModalResult::Cancel;
        dialog.Close();
        return dialog.Result == ModalResult::Ok;
    }
    bool AskOpenFile(const FileDialogOptions& options, std::string& path) override { return NextPath(options, path); }
    bool AskSaveFile(const FileDialogOptions& options, std::string& path) override { return NextPath(options, path); }
    void ShowError(std::string_view message) override { errors.emplace_back(message); }
    LocalDateTime Now() override { return now; }
    std::string FormatDateTime(const LocalDateTime& t) override {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d %02d:%02d:%02d", t.Year, t.Month, t.Day, t.Hour,
                      t.Minute, t.Second);
        return buffer;
    }
    void CloseMainWindow() override { closed = true; }

    std::vector<DrawnText> texts;
    std::deque<std::function<void(Form&)>> modalActions;
    std::vector<std::string> modalForms;
    std::deque<std::string> paths;  // answers of the file dialogs; empty string: cancelled
    std::vector<FileDialogOptions> fileDialogs;
    std::vector<std::string> errors;
    LocalDateTime now{2026, 12, 11, 9, 30, 15};
    bool closed = false;

private:
    bool NextPath(const FileDialogOptions& options, std::string& path) {
        fileDialogs.push_back(options);
        if (paths.empty()) return false;
        path = paths.front();
        paths.pop_front();
        return !path.empty();
    }
};

}  // namespace ztmca::testing
