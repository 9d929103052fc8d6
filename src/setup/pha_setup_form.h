#pragma once
// TXMCA1SetUp: the PHA set-up dialog. Created afresh for each use; its creation loads PhaSetup
// into the controls, and closing it by either button stores the controls back.
#include "app/app_state.h"
#include "app/form.h"

namespace ztmca {

class PhaSetupForm : public Form {
public:
    PhaSetupForm(FormHost& host, PhaSetup& setup);

    void FormCreate();
    // Throws ConversionError at the first field whose text does not convert; the fields stored
    // before it keep their new values.
    void Store();
    void OkButtonClick();
    void CancelButtonClick();

private:
    void BuildDesign();
    PhaSetup& setup_;
};

// The PHA memory is at most 4096 channels: item 4 ("8192 ch") stores 4096 as item 3 does.
std::int32_t PhaMemorySizeOfItem(int item);

}  // namespace ztmca
