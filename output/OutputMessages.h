#pragma once
// The failure texts the writers return; the caller shows them in a message box.

namespace mirel {

inline constexpr const char* kTextFileOpenFailed = "テキストファイルopenに失敗しました";
inline constexpr const char* kTextFileCloseFailed = "テキストファイルcloseに失敗しました";
inline constexpr const char* kMetafileSaveFailed = "Meta Filesファイル保存に失敗しました";

}  // namespace mirel
