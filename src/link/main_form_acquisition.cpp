// Placeholder handlers: filled in by this subsystem's work.
#include "app/main_form.h"

namespace ztmca {

bool MainForm::OpenInstruments() { return false; }
void MainForm::McaOpenClick() {}
void MainForm::McaStartClick() {}
void MainForm::McaStopClick() {}
void MainForm::McaClearClick() {}
void MainForm::SxfmStartClick() {}
void MainForm::SxfmStopClick() {}
void MainForm::SxfmPauseClick() {}
void MainForm::SxfmClearClick() {}
void MainForm::Timer1Timer() {}

}  // namespace ztmca
