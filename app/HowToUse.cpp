#include "app/HowToUse.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace mirel {
namespace {

constexpr int kPageWidth = 560;

}  // namespace

HowToUse::HowToUse(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("使い方"));
    setModal(true);

    auto* page = new QLabel(
        tr("<p>目標の人物に似ている顔を選び、次の世代を作ることを繰り返して似顔絵に近づけます。</p>"
           "<ul>"
           "<li><b>マウスを動かす</b>：左の一覧（ウィンドウ1）の顔が右上（ウィンドウ2）に大きく表示されます。</li>"
           "<li><b>ダブルクリック</b>：似ている顔を選びます（枠が付きます）。もう一度ダブルクリックすると外れます。"
           "1世代で60個まで選べ、60個選ぶと選び直しはできません。</li>"
           "<li><b>Enter</b>：選んだ顔から次の世代を作ります。1つも選んでいなければ何も起きません。</li>"
           "<li><b>↑ ／ ↓</b>：前の世代・次の世代を表示します。前の世代の顔も選べます。</li>"
           "<li><b>右ダブルクリック</b>：その顔を保存します（ウィンドウ1では顔の上で、ウィンドウ2ではどこでも）。</li>"
           "<li><b>ファイル ▸ ウィンドウ2に表示された顔を保存</b>：ウィンドウ2の顔を保存します。</li>"
           "</ul>"
           "<p>キーはマウスがウィンドウ1の上にあるときに働きます。"
           "ウィンドウ ▸ 新しいウィンドウを開く で、同じ似顔絵をもう一つのウィンドウに表示できます。</p>"
           "<p><b>ファイル ▸ 上書き保存（Ctrl+S）／名前を付けて保存</b>：作業中の似顔絵を、"
           "すべての世代と選んだ顔ごとセッションファイル（.mirel）に保存します。"
           "<b>開く（Ctrl+O）</b>で続きから再開できます。保存していない変更があると、"
           "閉じる前に保存するかどうかを尋ねます。異常終了したときは、次の起動時に作業の復元を提案します。</p>"
           "<p>顔を保存すると、作業フォルダーの <b>Output</b> フォルダー（なければ作ります）に"
           "次の6つのファイルが書かれ、前の内容は上書きされます。作業フォルダーに Data も Output も"
           "ないとき（インストールした Mirel をメニューなどから起動したとき）は、ピクチャ フォルダーの"
           " <b>Mirel</b> フォルダーに書かれます。</p>"
           "<ul>"
           "<li>mirelesakuhin.wmf：似顔絵（Windows メタファイル）</li>"
           "<li>mirelesakuhin.bmp：似顔絵（24ビット ビットマップ、ウィンドウ2の顔の大きさ）</li>"
           "<li>face.txt、haegiwa.txt、kamiyouso.txt：顔・生え際・髪の要素のデータ（サンプルの顔と同じ形式）</li>"
           "<li>Rireki.txt：世代数、かかった時間、各世代で選んだ顔の履歴</li>"
           "</ul>"
           "<p><b>ファイル ▸ 書き出し</b>：ウィンドウ2の顔を、選んだ大きさの PNG・SVG・PDF に"
           "書き出します。</p>") +
            tr("<p><b>表示 ▸ 変化の大きさ</b>：標準（×1）・大（×2）・特大（×4）。"
               "大きくすると子の顔の点が一度に大きく動き、選んだ顔のすぐ後の子にも変化が付きます。"
               "<b>表示 ▸ 新しい顔の数</b>：なし・少し（6個）・多い（15個）。"
               "各世代の最後の顔（3ページ目）が、サンプルの顔の部品から作った新しい顔になります。"
               "世代が進んでも顔が似たものばかりにならず、違う部品を選び直せます。"
               "<b>表示 ▸ おすすめ設定</b>は、似顔絵に近づきやすい組み合わせを選びます。"
               "設定は次に作る世代から効き、標準以外のときはステータス バーに表示され、"
               "セッションに保存され、Rireki.txt にも書かれます。</p>"),
        this);
    page->setObjectName(QStringLiteral("howToUsePage"));
    page->setTextFormat(Qt::RichText);
    page->setWordWrap(true);
    page->setFixedWidth(kPageWidth);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace mirel
