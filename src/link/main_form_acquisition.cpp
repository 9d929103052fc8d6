// Placeholder handlers: filled in by this subsystem's work.
#include "app/main_form.h"

namespace ztmca {

bool MainForm::OpenInstruments() { return false; }
void MainForm::McaOpenClick() {}
bool MainForm::ReadStatus() { return false; }
void MainForm::ApplyStatusView() {}
bool MainForm::ReadSpectrum() { return false; }
void MainForm::McaStartClick() {}
void MainForm::McaStopClick() {}
void MainForm::McaClearClick() {}
void MainForm::SxfmStartClick() {}
void MainForm::SxfmStopClick() {}
void MainForm::SxfmPauseClick() {}
void MainForm::SxfmClearClick() {}
void MainForm::Timer1Timer() {}

}  // namespace ztmca
