// Placeholder handlers: filled in by this subsystem's work.
#include "app/main_form.h"

namespace ztmca {

void MainForm::LogDispClick() {}
void MainForm::AutoVfsClick() {}
void MainForm::VfcUpClick() {}
void MainForm::VfcDnClick() {}
void MainForm::ExpandClick() {}
void MainForm::CompresClick() {}
void MainForm::LinDotClick() {}
void MainForm::VfsOfsetClick() {}
void MainForm::VfsOfsetUpClick() {}
void MainForm::VfsOfsetDnClick() {}
void MainForm::PaintBox1MouseDown(MouseButton, int, int) {}
void MainForm::FormMouseWheelDown() {}
void MainForm::FormMouseWheelUp() {}
void MainForm::ShowWorkMemory(int) {}
void MainForm::ShowMcaMemory() {}
void MainForm::OverLapONClick() {}
void MainForm::Button2Click() {}
void MainForm::AXFMChange() {}
void MainForm::MISCChange() {}
void MainForm::Edit1Click(WindowState) {}

}  // namespace ztmca
