#include "views/ActionHints.h"

#include <QCoreApplication>

#include "document/CMirelDoc.h"
#include "ga/Breeder.h"

namespace mirel {
namespace {

// With this many marks the elites fill page 1, so the children are on pages 2 and 3.
bool elitesFillFirstPage(const Selection& marks) {
    return marks.count >= kMaxElites;
}

}  // namespace

QString actionHint(UserAction action, const CMirelDoc& document) {
    const int newest = document.generationCount();
    if (elitesFillFirstPage(document.currentSelection()) && action != UserAction::Bred) {
        return QCoreApplication::translate(
            "ActionHints",
            "印が20個以上あります：次の世代の1ページ目は印を付けた顔で、"
            "新しい子は2・3ページ目（PageDown）に出ます");
    }
    switch (action) {
        case UserAction::Marked:
            return QCoreApplication::translate(
                "ActionHints",
                "ダブルクリックで印を付け外しします。Enter で印を付けた顔から次の世代を作ります");
        case UserAction::Bred:
            if (newest > 0 &&
                elitesFillFirstPage(
                    document.marks().selections[static_cast<std::size_t>(newest - 1)])) {
                return QCoreApplication::translate(
                    "ActionHints",
                    "1ページ目は印を付けた顔です。新しい子は2・3ページ目にあります"
                    "（PageDown）");
            }
            return QCoreApplication::translate(
                "ActionHints",
                "新しい世代です。似ている顔をダブルクリックで選び、Enter で次へ進みます。"
                "↑で前の世代に戻れます");
        case UserAction::Browsed:
            if (document.viewedGeneration < newest) {
                return QCoreApplication::translate(
                    "ActionHints",
                    "前の世代の顔にも印を付けられます。その特徴が次の世代に戻ってきます。"
                    "↓で新しい世代へ");
            }
            return QCoreApplication::translate(
                "ActionHints",
                "最新の世代です。↑で前の世代を見て、その顔に印を付けることもできます");
        case UserAction::Paged:
            return QCoreApplication::translate(
                "ActionHints",
                "PageDown・PageUp でページを移ります。どのページの顔にも印を付けられます");
        case UserAction::Saved:
            return QCoreApplication::translate(
                "ActionHints",
                "右ダブルクリックでどの顔もすぐ保存できます（ウィンドウ2の顔はファイル メニューからも）");
        case UserAction::Locked:
            return QCoreApplication::translate(
                "ActionHints",
                "固定した部品は、これから作る子がすべてウィンドウ2の顔から受け継ぎます");
        case UserAction::Chosen:
            return QCoreApplication::translate(
                "ActionHints",
                "この顔を選びました。部品 メニューで一つの部品を選び直したり、誇張したりできます。"
                "保存もこの顔です（Esc で解除）");
        case UserAction::Unchosen:
            return QCoreApplication::translate(
                "ActionHints", "選んだ顔を解除しました。ウィンドウ2はマウスの下の顔を表示します");
        case UserAction::Gallery:
            return QCoreApplication::translate(
                "ActionHints",
                "部品ギャラリーです：選んだ顔の一つの部品だけが違う60の顔です。"
                "良いものに印を付けて Enter で育てます");
        case UserAction::Exaggerated:
            return QCoreApplication::translate(
                "ActionHints",
                "誇張の幅です：1ページ目は左上から平均の顔に近い 0.6 倍から 1.6 倍まで"
                "（8番目がもとの顔）、2・3ページ目はその組み合わせです");
    }
    return {};
}

}  // namespace mirel
