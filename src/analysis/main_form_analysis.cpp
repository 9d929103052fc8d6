// Placeholder handlers: filled in by this subsystem's work.
#include "app/main_form.h"

namespace ztmca {

void MainForm::LengChClick() {}
void MainForm::HengChClick() {}
void MainForm::LowChChange() {}
void MainForm::HiChChange() {}
void MainForm::EngCalibClick() {}
void MainForm::SnapPeakClick() {}
void MainForm::FWHMClick() {}

}  // namespace ztmca
