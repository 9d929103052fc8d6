#pragma once
// TMcaAbout: a picture, the program's file name, a version line and "OK".
#include "app/form.h"

namespace ztmca {

inline constexpr char kProgramFileName[] = "ztmca";
inline constexpr char kVersionLine[] = "Version 2.0";

class AboutForm : public Form {
public:
    explicit AboutForm(FormHost& host);
    const Bitmap* Canvas(std::string_view name) const override;

private:
    Bitmap picture_;
};

// TSystemUtility: created at start-up and never shown.
class SystemUtilityForm : public Form {
public:
    explicit SystemUtilityForm(FormHost& host);
};

}  // namespace ztmca
