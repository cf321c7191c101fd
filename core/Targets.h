#pragma once

#include <array>
#include <optional>

#include "core/Dialogs.h"
#include "core/Text.h"

namespace sorika {

// The three files that can be backed up, relative to the working directory, in the order of
// the window's target list. A backslash separates folders.
inline constexpr std::array<const char*, 3> TargetFiles = {
    "Velomar設定.vmc",
    "おともだち帳",
    "プラグインフォルダ\\tzl001.pac",
};

// The backup folder beside the targets; also the folder's name in the messages.
extern const Text SaveFolder;

// The target list of the main window, as the operations read it.
class TargetList {
public:
    virtual ~TargetList() = default;

    // The selected position, -1 when nothing is selected.
    virtual int ItemIndex() const = 0;
    virtual int ItemCount() const = 0;
    // The caption of the item at a valid position: the target's name in messages.
    virtual Text Item(int index) const = 0;
};

// The selected target index, or nothing after prompting the user to select one.
std::optional<int> SelectedTarget(const TargetList& list, DialogService& dialogs);

// Where the backup of the target at index lives: 設定保存フォルダ\sorika<index>.sav
Text BackupPath(int index);

} // namespace sorika
