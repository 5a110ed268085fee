#include "app/HowToUse.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace mirel {
namespace {

constexpr int kPageWidth = 600;
constexpr int kPageHeight = 560;

// The page, one paragraph per feature, in reading order: a new feature adds its own.
constexpr const char* kParagraphs[] = {
    QT_TRANSLATE_NOOP("mirel::HowToUse",
        "<p>目標の人物に似ている顔を選び、次の世代を作ることを繰り返して似顔絵に近づけます。</p><ul>"
        "<li><b>マウスを動かす</b>：左の一覧（ウィンドウ1）の顔が右上（ウィンドウ2）に大きく表示されます。</li>"
        "<li><b>ダブルクリック</b>：似ている顔に印を付けます（枠が付きます）。もう一度ダブルクリックすると外れます。"
        "1世代で60個まで印を付けられます。60個のときも印は外せますが、61個目は付きません。</li>"
        "<li><b>Enter</b>：印を付けた顔から次の世代を作ります。印が1つもなければ何も起きません。</li>"
        "<li><b>↑ ／ ↓</b>：前の世代・次の世代を表示します。前の世代の顔にも印を付けられます。</li>"
        "<li><b>右ダブルクリック</b>：その顔を保存します（ウィンドウ1では顔の上で、ウィンドウ2ではどこでも）。</li>"
        "<li><b>ファイル ▸ ウィンドウ2に表示された顔を保存</b>：ウィンドウ2の顔を保存します。</li></ul>"),
    QT_TRANSLATE_NOOP("mirel::HowToUse",
        "<p><b>ページ</b>：1世代は60個の顔で、ウィンドウ1には20個ずつ3ページで表示されます。"
        "PageDown・PageUp（表示 ▸ 次のページ／前のページ）でページを移ります。"
        "第0世代の2・3ページ目は平均の顔（見本2）の複製40個です。"
        "印を20個以上付けると、次の世代の1ページ目は印を付けた顔になり、新しい子は2・3ページ目に出ます。</p>"),
    QT_TRANSLATE_NOOP("mirel::HowToUse",
        "<p><b>ウィンドウ3</b>（右下）：今の世代で印を付けた顔が、付けた順に小さく並び、下に「世代・番号」が出ます。"
        "前の世代を表示しているときは、その世代で付けた印（次の世代のもとになった印）も灰色の地で並びます（変えられません）。"
        "顔をクリックすると、その世代とページがウィンドウ1に表示され、その顔が青い枠で示されます。</p>"),
    QT_TRANSLATE_NOOP("mirel::HowToUse",
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
        "</ul>"),
    QT_TRANSLATE_NOOP("mirel::HowToUse",
        "<p><b>部品 ▸ 目を固定 … 髪を固定（Ctrl+1 … Ctrl+7）</b>：ウィンドウ2の顔のその部品を、これから作る子すべてに引き継がせます。"
        "もう一度選ぶと解除、<b>固定をすべて解除（Ctrl+0）</b>ですべて解除します。"
        "固定した部品はステータス バーとウィンドウ2の隅に表示されます。</p>"),
    QT_TRANSLATE_NOOP("mirel::HowToUse",
        "<p><b>表示 ▸ 変化の大きさ</b>：標準（×1）・大（×2）・特大（×4）。"
        "大きくすると子の顔の点が一度に大きく動き、印を付けた顔のすぐ後の子にも変化が付きます。"
        "<b>表示 ▸ 新しい顔の数</b>：なし・少し（6個）・多い（15個）。"
        "各世代の最後の顔（3ページ目）が、サンプルの顔の部品から作った新しい顔になります。"
        "世代が進んでも顔が似たものばかりにならず、違う部品を選び直せます。"
        "<b>表示 ▸ おすすめ設定</b>は、似顔絵に近づきやすい組み合わせを選びます。"
        "設定は次に作る世代から効き、標準以外のときはステータス バーに表示され、"
        "セッションに保存され、Rireki.txt にも書かれます。</p>"),
    QT_TRANSLATE_NOOP("mirel::HowToUse",
        "<p><b>編集 ▸ 元に戻す（Ctrl+Z）／やり直し（Ctrl+Y）</b>：印の付け外し、部品の固定と解除、部品ギャラリーと誇張、設定の変更、次の世代を作ったことを取り消し、またやり直します。"
        "世代を取り消すと、その世代の分をもう一度作れます（最大50世代）。取り消した後に Enter を押すと、乱数は戻らないので別の子ができます。"
        "取り消しの履歴はセッションファイルには保存されません。</p>"),
    QT_TRANSLATE_NOOP("mirel::HowToUse",
        "<p>キーはマウスが乗っているウィンドウ1に働きます。ウィンドウを並べて表示しているときは、マウスの下のウィンドウが前に出てキーを受けます。"
        "ウィンドウ ▸ 新しいウィンドウを開く で、同じ似顔絵をもう一つのウィンドウに表示できます。</p>"),
    QT_TRANSLATE_NOOP("mirel::HowToUse",
        "<p><b>ファイル ▸ 上書き保存（Ctrl+S）／名前を付けて保存</b>：作業中の似顔絵を、すべての世代と印ごとセッションファイル（.mirel）に保存します。"
        "<b>開く（Ctrl+O）</b>で続きから再開できます。"
        "保存していない変更があるとタイトルに * が付き、閉じる前に保存するかどうかを尋ねます。"
        "異常終了したときは、次の起動時に作業の復元を提案します。</p>"),
    QT_TRANSLATE_NOOP("mirel::HowToUse",
        "<p><b>表示 ▸ Language / 言語</b>：表示言語を日本語か英語にします（次回の起動から）。"
        "<b>mirel --lang en</b> で、その回だけ英語で起動します。保存されるファイルはどちらの言語でも同じです。</p>"),
    QT_TRANSLATE_NOOP("mirel::HowToUse",
        "<p>顔を保存すると、作業フォルダーの <b>Output</b> フォルダー（なければ作ります）に次の6つのファイルが書かれ、前の内容は上書きされます。"
        "作業フォルダーに Data も Output もないとき（インストールした Mirel をメニューなどから起動したとき）は、ピクチャ フォルダーの <b>Mirel</b> フォルダーに書かれます。"
        "</p><ul><li>mirelesakuhin.wmf：似顔絵（Windows メタファイル）</li>"
        "<li>mirelesakuhin.bmp：似顔絵（24ビット ビットマップ、ウィンドウ2の顔の大きさ）</li>"
        "<li>face.txt、haegiwa.txt、kamiyouso.txt：顔・生え際・髪の要素のデータ（サンプルの顔と同じ形式）</li>"
        "<li>Rireki.txt：世代数、かかった時間、各世代で印を付けた顔の履歴</li></ul>"),
    QT_TRANSLATE_NOOP("mirel::HowToUse",
        "<p><b>ファイル ▸ 書き出し</b>：ウィンドウ2の顔を、選んだ大きさの PNG・SVG・PDF に書き出します。</p>"),
    QT_TRANSLATE_NOOP("mirel::HowToUse",
        "<p>書き出しでは、髪・耳・あごまで頭全体が、周りに同じ幅の余白を残して収まるように"
        "描きます。開く・保存・書き出しのダイアログは、前回使ったフォルダーで開きます。"
        "出力フォルダーを作れないか書き込めないときは、理由とともに一度だけ知らせ、"
        "顔のファイルは1つも書きません。設定は ~/.config/Mirel、復元用の作業は "
        "~/.local/share/Mirel に置かれます。</p>"),
};

}  // namespace

HowToUse::HowToUse(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("使い方"));
    setModal(true);

    QString text;
    for (const char* paragraph : kParagraphs) text += tr(paragraph);
    auto* page = new QLabel(text, this);
    page->setObjectName(QStringLiteral("howToUsePage"));
    page->setTextFormat(Qt::RichText);
    page->setWordWrap(true);
    page->setContentsMargins(8, 8, 8, 8);
    // The whole page may be taller than a small screen: it scrolls.
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumSize(kPageWidth, kPageHeight);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
}

}  // namespace mirel
