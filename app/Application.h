#pragma once

#include <exception>
#include <memory>

#include <QApplication>

#include "core/Text.h"

// The application object: the platform set up for the program, the application title, the
// main form it owns, and the exception box for whatever escapes an event handler.
class TApplication : public QApplication {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TApplication)

public:
    // Qt sees the program's name alone, so no argument can change what it does.
    explicit TApplication(char* programName);
    ~TApplication() override;

    void Initialize() {}
    void SetTitle(const sorika::Text& title);
    sorika::Text Title() const;

    // Makes the main form, which the application owns and whose closing ends the program.
    template <typename Form> void CreateForm(Form*& reference) {
        reference = nullptr;
        auto form = std::make_unique<Form>();
        reference = form.get();
        mainForm_ = std::move(form);
    }
    // Shows the main form and runs the message loop until it closes.
    void Run();

    void ShowException(const std::exception& exception);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::unique_ptr<QWidget> mainForm_;
};
