// Placeholder handlers: filled in by this subsystem's work.
#include "app/main_form.h"

namespace ztmca {

void MainForm::Write1Click() {}
void MainForm::Read1Click() {}
void MainForm::Write2Click() {}
void MainForm::SaveAcqInfClick() {}
void MainForm::FileSaveAs1BeforeExecute(FileDialogSpec&) {}
void MainForm::FileSaveAs1Accept(const std::string&) {}

}  // namespace ztmca
