#pragma once

#include <exception>

#include "app/Application.h"

// The program from start to end: set the title, make the main form, run it. A failure on the
// way is shown in the exception box, and the program ends all the same, with 0.
template <typename MainFormClass>
int EntryProcedure(TApplication& application, MainFormClass*& mainForm) {
    try {
        application.Initialize();
        application.SetTitle("ソリカ");
        application.CreateForm(mainForm);
        application.Run();
    } catch (const std::exception& exception) {
        application.ShowException(exception);
    }
    return 0;
}
