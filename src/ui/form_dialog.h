#pragma once
// A dialog form shown modally: the design's dialog classes over one generic implementation.
#include <QDialog>

#include "app/form.h"
#include "ui/form_view.h"

namespace ztmca {

class FormDialog : public QDialog {
    Q_OBJECT
public:
    FormDialog(Form& form, FormHost& host, QWidget* parent);
    FormView& View() { return *view_; }

protected:
    void reject() override;  // Esc and the close box: the Cancel result

private:
    Form& form_;
    FormView* view_;
};

class TXMCA1SetUp : public FormDialog {
    Q_OBJECT
public:
    using FormDialog::FormDialog;
};

class TSXFMSetUp : public FormDialog {
    Q_OBJECT
public:
    using FormDialog::FormDialog;
};

class TMcaAbout : public FormDialog {
    Q_OBJECT
public:
    using FormDialog::FormDialog;
};

// The dialog class of the form's design name.
FormDialog* MakeFormDialog(Form& form, FormHost& host, QWidget* parent);

}  // namespace ztmca
