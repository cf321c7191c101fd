#pragma once

#include <memory>

#include <QMainWindow>

#include "core/Text.h"

namespace Ui {
class TMainForm;
}

// The program's one window: the target list, the buttons 保存 and 復元, and a menu bar with
// the About box and Exit.
class TMainForm : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMainForm)

public:
    explicit TMainForm(QWidget* owner = nullptr);
    ~TMainForm() override;

public slots:
    // Bound by name in the form definition.
    void SaveFileClick();
    void RestoreFileClick();
    void AboutClick();
    void ExitClick();

private:
    std::unique_ptr<Ui::TMainForm> ui_;
    sorika::Text BackupFileName;
    sorika::Text MessageText;
};

// The main window, once the application has made it.
extern TMainForm* MainForm;
