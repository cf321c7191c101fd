#pragma once

#include <memory>

#include <QDialog>

namespace Ui {
class TAboutForm;
}

// The About box: the program's icon, name and version above one OK button. A new box is
// built for each request and destroyed when it closes.
class TAboutForm : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAboutForm)

public:
    explicit TAboutForm(QWidget* owner);
    ~TAboutForm() override;

public slots:
    // Bound by name in the form definition.
    void Button1Click();

protected:
    // The box has no cancel button: Esc leaves it open.
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::TAboutForm> ui_;
};

// The About box while one is shown.
extern TAboutForm* AboutForm;
