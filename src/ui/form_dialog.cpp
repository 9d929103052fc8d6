#include "ui/form_dialog.h"

namespace ztmca {

FormDialog::FormDialog(Form& form, FormHost& host, QWidget* parent)
    : QDialog(parent), form_(form), view_(new FormView(form, host, this, nullptr)) {
    setObjectName(QString::fromStdString(form.Name()));
    setWindowTitle(QString::fromStdString(form.Caption));
    setFixedSize(form.ClientWidth, form.ClientHeight);
    QFont font = this->font();
    font.setPixelSize(11);
    font.setBold(form.BoldFont);
    setFont(font);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(view_, &FormView::ResultSet, this, [this] {
        if (form_.Result == ModalResult::Ok)
            accept();
        else
            QDialog::reject();
    });
}

void FormDialog::reject() {
    if (form_.Result == ModalResult::None) form_.Result = ModalResult::Cancel;
    QDialog::reject();
}

FormDialog* MakeFormDialog(Form& form, FormHost& host, QWidget* parent) {
    FormDialog* dialog = nullptr;
    if (form.ClassName() == "TXMCA1SetUp")
        dialog = new TXMCA1SetUp(form, host, parent);
    else if (form.ClassName() == "TSXFMSetUp")
        dialog = new TSXFMSetUp(form, host, parent);
    else if (form.ClassName() == "TMcaAbout")
        dialog = new TMcaAbout(form, host, parent);
    else
        dialog = new FormDialog(form, host, parent);
    // The set-up dialogs have a title bar without buttons: they end by OK, Cancel or Esc.
    if (form.ClassName() == "TXMCA1SetUp" || form.ClassName() == "TSXFMSetUp")
        dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    return dialog;
}

}  // namespace ztmca
