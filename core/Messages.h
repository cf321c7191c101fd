#pragma once

// The catalogue of everything the backup core tells the user. A message is one of these
// texts, or a concatenation of them with a target's caption and the backup folder's name.

namespace sorika {

inline constexpr char SConfirmCaption[] = "確認";
inline constexpr char SErrorCaption[] = "エラー";
inline constexpr char SSelectTarget[] = "対象ファイルを選択して下さい";
inline constexpr char SNotFound[] = "が見つかりません";
inline constexpr char SObjectMark[] = "を";
inline constexpr char SSaveTo[] = "に保存します";
inline constexpr char SCannotCreate[] = "が作成できません";
inline constexpr char SCopyFailed[] = "のコピーに失敗しました";
inline constexpr char SSaved[] = "保存しました";
inline constexpr char SNotBackedUp[] = "はバックアップされていません";
inline constexpr char SRestoreFrom[] = "から復元します";
inline constexpr char SRestored[] = "復元しました";

} // namespace sorika
