#include "forms/About.h"

#include <QKeyEvent>

#include "forms/Windowing.h"
#include "forms/ui_About.h"

TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(std::make_unique<Ui::TAboutForm>()) {
    ui_->setupUi(this);
    // Labels take the size of their text, from where the form places them.
    for (auto* label : {ui_->ApName, ui_->Version, ui_->VersinNo, ui_->Copyright})
        label->adjustSize();
    CentreOnScreen(*this);
}

TAboutForm::~TAboutForm() = default;

void TAboutForm::Button1Click() { close(); }

void TAboutForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}
