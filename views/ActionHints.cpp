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

QString hint(const char* text) {
    return QCoreApplication::translate("ActionHints", text);
}

}  // namespace

QString actionHint(UserAction action, const CMirelDoc& document) {
    const int newest = document.generationCount();
    const bool bredOrTakenBack = action == UserAction::Bred ||
                                 action == UserAction::UndoneBreeding ||
                                 action == UserAction::Redone;
    if (elitesFillFirstPage(document.currentSelection()) && !bredOrTakenBack) {
        return hint(QT_TRANSLATE_NOOP("ActionHints", "20個以上の印：新しい子は2・3ページ目に"));
    }
    switch (action) {
        case UserAction::Marked:
            return hint(
                QT_TRANSLATE_NOOP("ActionHints", "ダブルクリックで印の付け外し、Enter で次の世代"));
        case UserAction::Bred:
            if (newest > 0 &&
                elitesFillFirstPage(
                    document.marks().selections[static_cast<std::size_t>(newest - 1)])) {
                return hint(QT_TRANSLATE_NOOP("ActionHints",
                                              "1ページ目は印の顔、新しい子は2・3ページ目に"));
            }
            return hint(
                QT_TRANSLATE_NOOP("ActionHints", "似ている顔に印を付けて Enter。↑で前の世代へ"));
        case UserAction::Browsed:
            if (document.viewedGeneration < newest) {
                return hint(
                    QT_TRANSLATE_NOOP("ActionHints", "前の世代の顔にも印を付けられます。↓で先へ"));
            }
            return hint(QT_TRANSLATE_NOOP("ActionHints", "最新の世代です。↑で前の世代へ戻れます"));
        case UserAction::Paged:
            // Generation 0 fills pages 2 and 3 with the average sample face.
            if (document.viewedGeneration == 0 && document.page > 0) {
                return hint(QT_TRANSLATE_NOOP("ActionHints",
                                              "2・3ページ目は平均の顔（見本2）の複製40個です"));
            }
            return hint(QT_TRANSLATE_NOOP("ActionHints", "PageDown・PageUp でページを移れます"));
        case UserAction::Saved:
            return hint(QT_TRANSLATE_NOOP("ActionHints", "右ダブルクリックでどの顔も保存できます"));
        case UserAction::Locked:
            return hint(
                QT_TRANSLATE_NOOP("ActionHints", "固定した部品は以後の子すべてに引き継がれます"));
        case UserAction::Chosen:
            return hint(
                QT_TRANSLATE_NOOP("ActionHints", "選んだ顔：部品 メニューで選び直し・誇張"));
        case UserAction::Unchosen:
            return hint(
                QT_TRANSLATE_NOOP("ActionHints", "選択を解除：ウィンドウ2はマウスの下の顔"));
        case UserAction::Gallery:
            return hint(
                QT_TRANSLATE_NOOP("ActionHints", "部品ギャラリー：良い顔に印を付けて Enter"));
        case UserAction::Exaggerated:
            return hint(
                QT_TRANSLATE_NOOP("ActionHints", "誇張：1ページ目は0.6〜1.6倍、8番目がもと"));
        case UserAction::ShownFromList:
            return hint(
                QT_TRANSLATE_NOOP("ActionHints", "印の顔を表示して選びました（青い枠）"));
        case UserAction::Undone:
            return hint(QT_TRANSLATE_NOOP("ActionHints", "元に戻しました。Ctrl+Y でやり直し"));
        case UserAction::UndoneBreeding:
            // The random source goes on: breeding again gives other children.
            return hint(
                QT_TRANSLATE_NOOP("ActionHints", "世代を取り消しました。Enter で別の子ができます"));
        case UserAction::Redone:
            return hint(QT_TRANSLATE_NOOP("ActionHints", "やり直しました"));
    }
    return {};
}

}  // namespace mirel
