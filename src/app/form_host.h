#pragma once
// What a form's handlers need from the desktop. The window layer implements it; tests fake it.
#include <string>
#include <string_view>

#include "display/text_renderer.h"

namespace ztmca {

class Form;

struct FileDialogOptions {
    std::string Title;
    std::string Filter;      // "name(*.ext)|*.ext|name(*.*)|*.*"
    std::string DefaultExt;  // without the dot
    std::string InitialDir;
};

struct LocalDateTime {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

class FormHost : public TextRenderer {
public:
    // Shows a dialog form modally until a handler sets its Result (Esc or the window's close box
    // give Cancel), then runs its close handler; true when the result is OK.
    virtual bool RunModal(Form& dialog) = 0;
    // File dialogs; false when cancelled. path is the chosen full path.
    virtual bool AskOpenFile(const FileDialogOptions& options, std::string& path) = 0;
    virtual bool AskSaveFile(const FileDialogOptions& options, std::string& path) = 0;
    // The general error report for failures that escape a handler.
    virtual void ShowError(std::string_view message) = 0;
    virtual LocalDateTime Now() = 0;
    // Date and time as the system's locale writes them.
    virtual std::string FormatDateTime(const LocalDateTime& when) = 0;
    virtual void CloseMainWindow() = 0;
};

}  // namespace ztmca
