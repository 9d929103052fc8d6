// Placeholder handlers: filled in by this subsystem's work.
#include "app/main_form.h"

namespace ztmca {

void MainForm::ROINoSelectChange() {}
void MainForm::ROIOnCheckClick() {}
void MainForm::ROILowChClick() {}
void MainForm::ROIHighChClick() {}
void MainForm::EditROILowChange() {}
void MainForm::EditROIHighChange() {}
void MainForm::RoiStep() {}
void MainForm::RoiCapture(std::int32_t) {}
void MainForm::SendRoiWindow() {}

}  // namespace ztmca
