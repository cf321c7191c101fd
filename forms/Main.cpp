#include "forms/Main.h"

#include "core/Operations.h"
#include "forms/About.h"
#include "forms/MessageBoxes.h"
#include "forms/Windowing.h"
#include "forms/ui_Main.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(QWidget* owner) : QMainWindow(owner), ui_(std::make_unique<Ui::TMainForm>()) {
    ui_->setupUi(this);
    for (auto* widget : findChildren<QWidget*>())
        if (!widget->toolTip().isEmpty())
            widget->setAccessibleDescription(widget->toolTip());
    CentreOnScreen(*this);
}

TMainForm::~TMainForm() = default;

void TMainForm::SaveFileClick() {
    QtDialogs dialogs;
    sorika::SaveTarget({*ui_->DstFile, dialogs, BackupFileName, MessageText});
}

void TMainForm::RestoreFileClick() {
    QtDialogs dialogs;
    sorika::RestoreTarget({*ui_->DstFile, dialogs, BackupFileName, MessageText});
}

void TMainForm::AboutClick() {
    AboutForm = new TAboutForm(this);
    ExecModal(*AboutForm);
    if (AboutForm) {
        delete AboutForm;
        AboutForm = nullptr;
    }
}

void TMainForm::ExitClick() { close(); }
