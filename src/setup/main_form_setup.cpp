// Placeholder handlers: filled in by this subsystem's work.
#include "app/main_form.h"

namespace ztmca {

void MainForm::CreateStartupForms() {}
void MainForm::Button10Click() {}
void MainForm::Button7Click() {}

}  // namespace ztmca
