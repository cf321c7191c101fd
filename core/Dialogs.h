#pragma once

#include "core/Text.h"

namespace sorika {

// Message box flags and results, with the values the program has always used.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONMASK = 0xF0;
inline constexpr unsigned MB_TYPEMASK = 0x0F;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// The application's modal dialogs, as the core sees them. The window layer shows them;
// the core's tests script them.
class DialogService {
public:
    virtual ~DialogService() = default;

    // A message box owned by the application; returns IDOK or IDCANCEL.
    virtual int MessageBox(const Text& text, const Text& caption, unsigned flags) = 0;
    // The plain message dialog: no icon, one OK, captioned with the application title.
    virtual void ShowMessage(const Text& text) = 0;
};

void ShowPrompt(DialogService& dialogs, const Text& text);
// True unless the user cancelled (Cancel, Esc or the close button).
bool AskConfirm(DialogService& dialogs, const Text& text);
void ShowError(DialogService& dialogs, const Text& text);
void ShowInfo(DialogService& dialogs, const Text& text);

// The text of the exception box: the message with a full stop added where it does not
// already end in one (nor in a space or other mark below it).
Text ExceptionText(const Text& message);
void ShowException(DialogService& dialogs, const Text& title, const Text& message);

} // namespace sorika
