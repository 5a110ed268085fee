#include "app/CoreTexts.h"

#include <QtGlobal>

namespace mirel {
namespace {

// Each entry must be the exact text of its constant: the translation is
// looked up by the text the core hands to the window.
constexpr const char* kCoreTexts[] = {
    // document/CMirelDoc.h
    QT_TRANSLATE_NOOP("mirel::CoreTexts", "顔情報を出力しました"),
    QT_TRANSLATE_NOOP("mirel::CoreTexts", "保存先："),
    QT_TRANSLATE_NOOP("mirel::CoreTexts",
                      " 現在までにかかった世代数：%3d世代，　現在閲覧している世代：%3d世代目"),
    // output/OutputMessages.h, output/BitmapExport.h, output/PictureExport.h
    QT_TRANSLATE_NOOP("mirel::CoreTexts", "テキストファイルopenに失敗しました"),
    QT_TRANSLATE_NOOP("mirel::CoreTexts", "テキストファイルcloseに失敗しました"),
    QT_TRANSLATE_NOOP("mirel::CoreTexts", "Meta Filesファイル保存に失敗しました"),
    QT_TRANSLATE_NOOP(
        "mirel::CoreTexts",
        "ウィンドウ2に顔が表示されていないため、Bitmapファイルを保存できませんでした"),
    QT_TRANSLATE_NOOP("mirel::CoreTexts", "画像ファイルの書き出しに失敗しました"),
};

}  // namespace

std::span<const char* const> coreTexts() {
    return kCoreTexts;
}

}  // namespace mirel
