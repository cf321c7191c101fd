#include "core/Operations.h"

#include "core/FileSystem.h"
#include "core/Messages.h"

namespace sorika {

void SaveTarget(const Operation& op) {
    const auto index = SelectedTarget(op.DstFile, op.Dialogs);
    if (!index)
        return;
    const Text target = TargetFiles[*index];

    if (!fs::Exists(target)) {
        op.MessageText = op.DstFile.Item(*index) + SNotFound;
        ShowError(op.Dialogs, op.MessageText);
        return;
    }

    op.MessageText = op.DstFile.Item(*index) + SObjectMark + SaveFolder + SSaveTo;
    if (!AskConfirm(op.Dialogs, op.MessageText))
        return;

    // Anything under the folder's name counts as the folder; a file there makes the copy
    // fail below, which is reported as a copy failure.
    if (!fs::Exists(SaveFolder) && !fs::CreateFolder(SaveFolder)) {
        op.MessageText = SaveFolder + SCannotCreate;
        ShowError(op.Dialogs, op.MessageText);
        return;
    }

    op.BackupFileName = BackupPath(*index);
    if (!fs::CopyFile(target, op.BackupFileName)) {
        op.MessageText = op.DstFile.Item(*index) + SCopyFailed;
        ShowError(op.Dialogs, op.MessageText);
        return;
    }

    ShowInfo(op.Dialogs, SSaved);
}

void RestoreTarget(const Operation& op) {
    const auto index = SelectedTarget(op.DstFile, op.Dialogs);
    if (!index)
        return;

    op.BackupFileName = BackupPath(*index);
    if (!fs::Exists(op.BackupFileName)) {
        op.MessageText = op.DstFile.Item(*index) + SNotBackedUp;
        ShowError(op.Dialogs, op.MessageText);
        return;
    }

    op.MessageText = op.DstFile.Item(*index) + SObjectMark + SaveFolder + SRestoreFrom;
    if (!AskConfirm(op.Dialogs, op.MessageText))
        return;

    if (!fs::CopyFile(op.BackupFileName, TargetFiles[*index])) {
        op.MessageText = op.DstFile.Item(*index) + SCopyFailed;
        ShowError(op.Dialogs, op.MessageText);
        return;
    }

    ShowInfo(op.Dialogs, SRestored);
}

} // namespace sorika
