// Placeholder handlers: filled in by this subsystem's work.
#include "app/main_form.h"

namespace ztmca {

void MainForm::DisplayStartup() {}
void MainForm::DrawLogAxis(bool) {}
void MainForm::DrawLinearAxis(bool) {}
void MainForm::DrawChannelAxis() {}
void MainForm::ComposePlot() {}
void MainForm::PaintBox1Paint() {}
void MainForm::RequestRedraw(bool) {}

}  // namespace ztmca
