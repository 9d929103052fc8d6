#pragma once
// TSXFMSetUp: the MCS set-up dialog. Its radio buttons write McsSetup as soon as they are
// clicked; the two edit boxes are read when the dialog closes by either button.
#include "app/app_state.h"
#include "app/form.h"

namespace ztmca {

class McsSetupForm : public Form {
public:
    McsSetupForm(FormHost& host, McsSetup& setup);

    void FormCreate();
    // Texts that do not convert leave their fields unchanged, without a message.
    void Store();
    void OkButtonClick();
    void CancelButtonClick();

private:
    void BuildDesign();
    void BindRadioButtons();
    // The dwell unit and multiplier mean nothing in the externally advanced and Mossbauer modes.
    void EnableDwellControls(bool enabled);
    McsSetup& setup_;
};

}  // namespace ztmca
