#include "app/HowToUse.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace mirel {
namespace {

constexpr int kPageWidth = 560;

// The chosen face, its tools and the inner-face view.
QString chosenFaceHelp() {
    return HowToUse::tr(
        "<p><b>クリック</b>：ウィンドウ1の顔をクリックすると、その顔を選びます（青い点線の枠、"
        "ダブルクリックでも選ばれます）。マウスがウィンドウ1から出ると、ウィンドウ2は選んだ顔を表示し、"
        "保存・書き出し・部品の固定はこの顔に働きます。Esc で選択を解除します。</p>"
        "<ul>"
        "<li><b>部品 ▸ この部品を選び直す</b>：選んだ顔の一つの部品（目・眉・鼻・口・輪郭・耳・髪）だけを"
        "取り替えた60の顔で、新しい世代を作ります。1ページ目は20のサンプルの部品、2・3ページ目は"
        "今の世代の顔の部品と、その部品を大きく変えたものです。</li>"
        "<li><b>部品 ▸ 誇張</b>：選んだ顔を平均の顔から遠ざけたり近づけたりした60の顔で、新しい世代を"
        "作ります。1ページ目は 0.6 倍から 1.6 倍まで（8番目がもとの顔）、2・3ページ目は部品ごとの"
        "組み合わせと小さな変化です。</li>"
        "<li>どちらの世代でも、良い顔に印を付けて Enter を押すと、いつものように次の世代を作ります。</li>"
        "<li><b>表示 ▸ 髪と輪郭を薄く表示</b>：ウィンドウ1と2で髪と輪郭を薄い灰色で描き、"
        "目・眉・鼻・口だけで見比べられるようにします。保存・印刷・書き出しの絵は変わりません。</li>"
        "</ul>");
}

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
            tr("<p>書き出しでは、髪・耳・あごまで頭全体が、周りに同じ幅の余白を残して収まるように"
               "描きます。開く・保存・書き出しのダイアログは、前回使ったフォルダーで開きます。"
               "出力フォルダーを作れないか書き込めないときは、理由とともに一度だけ知らせ、"
               "顔のファイルは1つも書きません。設定は ~/.config/Mirel、復元用の作業は "
               "~/.local/share/Mirel に置かれます。</p>"),
        this);
    page->setText(page->text() + chosenFaceHelp());
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
