#include "core/Dialogs.h"

#include "core/Messages.h"

namespace sorika {

void ShowPrompt(DialogService& dialogs, const Text& text) {
    dialogs.MessageBox(text, SConfirmCaption, MB_OK | MB_ICONQUESTION);
}

bool AskConfirm(DialogService& dialogs, const Text& text) {
    return dialogs.MessageBox(text, SConfirmCaption, MB_OKCANCEL | MB_ICONQUESTION) != IDCANCEL;
}

void ShowError(DialogService& dialogs, const Text& text) {
    dialogs.MessageBox(text, SErrorCaption, MB_OK | MB_ICONEXCLAMATION);
}

void ShowInfo(DialogService& dialogs, const Text& text) { dialogs.ShowMessage(text); }

Text ExceptionText(const Text& message) {
    if (message.empty())
        return message;
    // The rule compares the first byte of the last character, so step back over the
    // continuation bytes of a multi-byte UTF-8 character.
    auto last = message.size() - 1;
    while (last > 0 && (static_cast<unsigned char>(message[last]) & 0xC0) == 0x80)
        --last;
    if (static_cast<unsigned char>(message[last]) > '.')
        return message + ".";
    return message;
}

void ShowException(DialogService& dialogs, const Text& title, const Text& message) {
    dialogs.MessageBox(ExceptionText(message), title, MB_OK | MB_ICONHAND);
}

} // namespace sorika
