// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/qt/help_window.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "front/qt/pictures.h"
#include "view/help_diagrams.h"
#include "view/platform.h"

namespace {

QString 訳(const char* t) { return QCoreApplication::translate("Help", t); }

// The names of the pieces in the table of moves, as the game's move texts
// name them; in English with the kanji a player meets on the pieces.
[[maybe_unused]] const char* const 駒の名前[] = {
    //: Piece name in the help's table of moves: the English name with the kanji in brackets.
    QT_TRANSLATE_NOOP("Help", "歩"),   QT_TRANSLATE_NOOP("Help", "と"),   QT_TRANSLATE_NOOP("Help", "香"),
    QT_TRANSLATE_NOOP("Help", "香成"), QT_TRANSLATE_NOOP("Help", "桂"),   QT_TRANSLATE_NOOP("Help", "桂成"),
    QT_TRANSLATE_NOOP("Help", "銀"),   QT_TRANSLATE_NOOP("Help", "銀成"), QT_TRANSLATE_NOOP("Help", "金"),
    QT_TRANSLATE_NOOP("Help", "角"),   QT_TRANSLATE_NOOP("Help", "角成"), QT_TRANSLATE_NOOP("Help", "飛"),
    QT_TRANSLATE_NOOP("Help", "飛成"), QT_TRANSLATE_NOOP("Help", "王"),
};

// ---- the texts -----------------------------------------------------------------
// 段落 with 図 set is followed by the picture of that name.
enum class 図 { なし, 回転, 駒 };
struct 節 {
    const char* 見出し;
    const char* 本文;
    図 後の図 = 図::なし;
};

const std::vector<節>& 節一覧() {
    static const std::vector<節> 一覧 = {
        {QT_TRANSLATE_NOOP("Help", "Vezuvire の遊び方"),
         QT_TRANSLATE_NOOP(
             "Help",
             "Vezuvire は将棋の一種です。盤の上の駒はどれも下・左・上・右のどれかを向いていて、向いている方を前にして、"
             "ふつうの将棋の駒と同じ形に動きます。そして空いている桝に着くたびに、その桝の色で決まる向きへ90度回ります"
             "。")},
        {QT_TRANSLATE_NOOP("Help", "対局の始め方"),
         QT_TRANSLATE_NOOP(
             "Help",
             "対局 → 対局(人間) → スタート：二人で一つの盤を使って指します（下側が先手です）。\n"
             "対局 → 対局(COM) → 先手／後手：コンピュータと対局します。あなたはいつも盤の下側の駒を持ちます。\n"
             "コンピュータの強さは 対局 → COM対局ﾚﾍﾞﾙ で LEVEL1〜LEVEL17 から選べます（対局の途中でも変えられます）。"
             "LEVEL4 から上では、一つ上のレベルがコンピュータどうしの対局ですぐ下のレベルに6割から8割ほど勝ちます。\n"
             "・LEVEL1〜LEVEL3：一手先だけを読んですぐに指します。初めての対局に。\n"
             "・LEVEL4：一手先を読み、よく少し悪い手を指します。LEVEL3 に勝てたら、初めての勝利の次に。\n"
             "・LEVEL5：一手先を読み、ときどき少し悪い手を指します。駒の取り合いで損をしなくなったら。\n"
             "・LEVEL6：二手先まで読み、よく少し悪い手を指します。相手の狙いも考えるようになったら。\n"
             "・LEVEL7：二手先まで読み、わりとよく少し悪い手を指します。\n"
             "・LEVEL8：二手先まで読み、ときどき少し悪い手を指します。\n"
             "・LEVEL9：二手先まで読み、ごくたまに少し悪い手を指します。\n"
             "・LEVEL10：三手先まで読み、ときどき少し悪い手を指します。腕に自信がついたら。\n"
             "・LEVEL11：三手先まで読み、たまに少し悪い手を指します。\n"
             "・LEVEL12：四手先まで読み、ときどき少し悪い手を指します。\n"
             "・LEVEL13：四手先まで読み、まれに少し悪い手を指します。\n"
             "・LEVEL14：五手先まで読み、たまに少し悪い手を指します。\n"
             "・LEVEL15：五手先まで読み、まれに少し悪い手を指します。\n"
             "・LEVEL16：六手先まで読み（読む局面が多すぎるときは五手まで）、まれに少し悪い手を指します。\n"
             "・LEVEL17：一手に1秒、二つの核で考えます。いちばん強いレベルです。\n"
             "LEVEL4 から上は何手も先まで読むので、考えている間も窓は動きますが、盤とメニューはコンピュータが指すまで"
             "待たされます。LEVEL4 から上は同じ局面でも指し手が変わることがあります。")},
        {QT_TRANSLATE_NOOP("Help", "盤と桝の色"),
         QT_TRANSLATE_NOOP("Help",
                           "盤は緑と水色の桝が交互に並んだ市松模様です。駒が空いている桝に動くか打たれると、"
                           "着いた桝の色で向きを変えます。\n"
                           "・緑の桝：右回り（時計回り）に90度\n"
                           "・水色の桝：左回り（反時計回り）に90度\n"
                           "相手の駒を取ってその桝に着いたときは、向きは変わりません。\n"
                           "下の図は、上を向いた歩が一つ前の桝へ進んだときの様子です（左が動く前、右が動いた後）。"),
         図::回転},
        {QT_TRANSLATE_NOOP("Help", "盤の上の印"),
         QT_TRANSLATE_NOOP("Help",
                           "ｵﾌﾟｼｮﾝ → 表示 で、盤の上に描く印を選べます。\n"
                           "・最後の手：最後に指された手の元の桝と行き先を桃色の太い枠で囲みます"
                           "（打った駒は持駒の桝と行き先）。\n"
                           "・断りの説明：動けない桝をクリックしたとき、その桝を赤い太い枠で、"
                           "選んでいた駒の動ける桝を白い枠で少しの間示します（移動指導がオフでも）。\n"
                           "・回転の矢印：桝の右下の小さな矢印が、そこに着いた駒の回る向きを示します。"
                           "右回りの矢印は緑の桝、左回りの矢印は水色の桝です。色の見分けにくい人にも向きが分かります。\n"
                           "・手番の印：指す番の側の持駒の脇に黄色い三角（下側は▲、上側は▼）を描きます。")},
        {QT_TRANSLATE_NOOP("Help", "指し方"),
         QT_TRANSLATE_NOOP(
             "Help",
             "自分の番に自分の駒をクリックすると、赤い枠で囲まれます（ｵﾌﾟｼｮﾝ → 移動指導 がオンなら、"
             "動ける桝が白い枠で示されます）。続けて行き先をクリックすると駒が動きます。"
             "別の自分の駒をクリックすると選び直せます。動けない桝をクリックすると音が鳴り、選択が取り消されます。"
             "相手の駒をクリックすると、その駒の動ける桝が示されます。")},
        {QT_TRANSLATE_NOOP("Help", "駒の動き"),
         QT_TRANSLATE_NOOP("Help",
                           "下の図は、それぞれの駒とその成り駒が下・左・上・右を向いているときに動ける桝です。"
                           "赤い枠が駒のいる桝、白い枠と点が動ける桝です（盤の中ほどの5×5桝だけを描いています）。\n"
                           "・自分の駒がいる桝には動けません。相手の駒がいる桝に動くと、その駒を取ります。\n"
                           "・桂は間の駒を跳び越えます。香・角・飛・角成・飛成の線は盤の端まで続きますが、"
                           "途中に駒があるとその先へは進めません。\n"
                           "・王手や詰みの決まりはありません。王も、相手に取られる桝へ動けます。"),
         図::駒},
        {QT_TRANSLATE_NOOP("Help", "持駒と打ち方"),
         QT_TRANSLATE_NOOP(
             "Help",
             "取った駒は自分の持駒になります。成った駒は元の駒に戻って持駒になります。"
             "盤の下側の持駒は盤の右に、上側の持駒は盤の左に並びます。\n"
             "自分の番に持駒をクリックし、続けて空いている桝をクリックすると、そこに打てます。"
             "打った駒は、下側の駒なら上向き、上側の駒なら下向きで置かれ、すぐに着いた桝の色の向きへ回ります。\n"
             "打てる桝に決まりはありません（二歩も、行き所のない桝への駒も打てます）。")},
        {QT_TRANSLATE_NOOP("Help", "成り"),
         QT_TRANSLATE_NOOP(
             "Help",
             "歩・香・桂は相手の陣（相手側の3段）で止まる手（陣に入る手も陣の中で動く手も）で、"
             "銀・角・飛は相手の陣に入る手、陣の中で動く手、陣から出る手で成ることができます。駒の向きは関係ありません。成るのはいつでも選べることで、成らずに進めても構いません。\n"
             "ｵﾌﾟｼｮﾝ → 操作 → 成るか聞く がオン（初めはオン）なら、成れる手では行き先の横に 成る／成らない が出ます。"
             "行き先の右ボタンでのクリック、Ctrl を押しながらの左クリック、"
             "キーボードのカーソルでの Shift＋Enter では、聞かれずにすぐ成ります。\n"
             "金と王は成りません。成った駒は盤では と（歩成）・杏（香成）・圭（桂成）・全（銀成）・馬（角成）・龍（飛成）と書かれます。"
             "と・杏・圭・全は金と同じ動きになり、馬・龍は元の動きに加えて周りの8桝へも動けます。")},
        {QT_TRANSLATE_NOOP("Help", "勝ち負け"),
         QT_TRANSLATE_NOOP(
             "Help",
             "相手の王を取ったほうが勝ちです。コンピュータに指せる手がなくなったときも、あなたの勝ちです。"
             "勝負がついた後は、対局 メニューから新しい対局を始めてください。\n"
             "一つの対局で記録できるのは500手までです。")},
        {QT_TRANSLATE_NOOP("Help", "戻と進"),
         QT_TRANSLATE_NOOP(
             "Help",
             "メニューの 戻 で一手戻り、進 で戻した手をもう一度進めます（キーボードでは Ctrl＋Z が 戻、"
             "Ctrl＋Y または Ctrl＋Shift＋Z が 進 です）。戻したところで盤をクリックすると、そこから対局が続きます。"
             "コンピュータとの対局でコンピュータの番になっていれば、コンピュータがすぐに指します"
             "（二回戻すとあなたの番になります）。新しく指すと、戻した先の手は消えます。\n"
             "局面 → 最初 で初めの局面に戻ります。")},
        {QT_TRANSLATE_NOOP("Help", "待った・投了・ヒント・効果音"),
         QT_TRANSLATE_NOOP(
             "Help",
             "コンピュータとの対局では、局面 → 待った（Ctrl＋Z）で自分の最後の手とコンピュータの応手を"
             "まとめて戻し、あなたの番にします。盤をクリックすると、そこから対局が続きます。\n"
             "局面 → ヒント（H キー）は、あなたの番に、強さ4のコンピュータが選ぶ手を2秒間だけ示します。"
             "動かす駒と行き先の桝が黄色い枠で囲まれ、あなたの指し手の欄に行き先と駒が出ます。手は指されません。\n"
             "対局 → 投了 で今の対局を投げます。王を取られたときと同じく、相手の勝ちで終わります。\n"
             "ｵﾌﾟｼｮﾝ → 効果音 で駒の音と禁止の音を消したり戻したりできます（音楽は BGM で切り替えます）。"
             "この設定は Vezuvire.prefs に保存されます。")},
        {QT_TRANSLATE_NOOP("Help", "動きを見せている間"),
         QT_TRANSLATE_NOOP(
             "Help",
             "コンピュータの指し手が点滅している間も、駒が回る前の一瞬も、動けない桝が赤く光っている間も、"
             "ヒントを示している2秒間も、窓は止まりません。メニューを開く、窓の大きさを変える、遊び方・棋譜一覧・"
             "ｵﾌﾟｼｮﾝ を使う、矢印キーでカーソルを動かす、はすぐにできます。\n"
             "盤をクリックするか（Enter・Space・H キーも同じです）、対局・局面・戻・進・△・▽・棋譜 のコマンドを選ぶと、"
             "見せている動きはその場で終わり（残りはすぐに描かれます）、それからそのクリックやコマンドが働きます。"
             "ヒントもクリック一つで消えます。\n"
             "コンピュータが考えている間は、盤のクリックと対局を変えるコマンドは禁止の音とともに断られます。\n"
             "Esc・対局 → 終わり・窓を閉じる、のどれでも、見せている動きを終えてからゲームを終わります。"
             "コンピュータが考えている途中なら考えるのをやめ、コンピュータが指す前の局面が保存されます。")},
        {QT_TRANSLATE_NOOP("Help", "ハンディキャップ"),
         QT_TRANSLATE_NOOP(
             "Help",
             "対局の最初の一手より前に、メニューの △ と ▽ で21段階のハンディキャップを選べます。"
             "△ を押すたびに上側の駒が、▽ を押すたびに下側の駒が、角・飛・香・香・桂・桂・銀・銀・金・金の順に"
             "一つずつ減ります（反対を押すと戻ります）。"
             "段階の名前は ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人 から ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級 まで盤の上に表示され、"
             "互角は ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級 です。\n"
             "△ や ▽ を使った対局は棋譜に書き込めません（局面 → 最初 で元に戻ります）。")},
        {QT_TRANSLATE_NOOP("Help", "棋譜"),
         QT_TRANSLATE_NOOP(
             "Help",
             "棋譜 → 書込 で対局を棋譜ファイル（拡張子 .棋譜）に保存し、棋譜 → 読込 で読み込みます。"
             "盤の上に出る欄でフォルダとファイルを選び、書き込むときは対局名と両者の名前も入れられます。\n"
             "読み込んだ棋譜は 進 と 戻 で一手ずつ見られます。途中で 対局 → 対局(COM) → 先手／後手 を選ぶと、"
             "その局面からコンピュータとの対局を続けられます。")},
        {QT_TRANSLATE_NOOP("Help", "ｵﾌﾟｼｮﾝ"),
         QT_TRANSLATE_NOOP("Help",
                           "ｵﾌﾟｼｮﾝ メニューの設定は Vezuvire.ini に保存され、次に起動したときにも使われます。\n"
                           "・背景画：緑・畳・竹・宇宙・煉瓦から選びます。\n"
                           "・移動指導：駒を選んだとき、動ける桝を白い枠で示します。\n"
                           "・経過時間：両者の使った時間を表示します。\n"
                           "・BGM：音楽を流します。")},
        {QT_TRANSLATE_NOOP("Help", "遊びやすくする設定"),
         QT_TRANSLATE_NOOP("Help",
                           "先手は盤の下側で、先に指します。駒の字が読みにくいときは ｵﾌﾟｼｮﾝ → 駒の表記 → 英字 で"
                           "ローマ字の記号（K R B G S N L P、成った駒は +R など）にできます。\n"
                           "対局 → 新しい対局…（Ctrl＋N）：相手（人間か、コンピュータとその LEVEL）、手番、"
                           "ﾊﾝﾃﾞｨｷｬｯﾌﾟを一度に選びます。前に選んだものを覚えています。\n"
                           "次の設定は ｵﾌﾟｼｮﾝ → 操作 と ｵﾌﾟｼｮﾝ → 表示 にあり、初めはどれも入っています。\n"
                           "・ドラッグで指す：駒を押したまま行き先まで運んで離しても指せます。"
                           "指せない桝で離すと断られ、盤の外で離すと駒は元に戻ります。\n"
                           "・成るか聞く：成れる手では行き先の横に 成る／成らない が出ます（Y と N のキーでも選べます）。"
                           "右クリックや Ctrl＋クリックではすぐに成ります。\n"
                           "・投了・終局を確かめる：投了の前に確かめ、対局を終わらせる問いは いいえ が選ばれた状態で出ます。\n"
                           "・状況行：手番、できません とその理由、勝ち負け、思考中 を、箱を出さずに盤の下の行に示します。\n"
                           "・太い枠：選んだ駒、キーボードのカーソル、ヒントの駒と行き先を太い枠で示し、回転の矢印を大きくします。\n"
                           "次の二つは初めは切ってあります。\n"
                           "・盤を回す：盤と持駒を半回転して、上の側から見たように示します。棋譜は変わりません。\n"
                           "・後手の番は盤を回す：二人の対局で、後手の番のときだけ盤を回します。\n"
                           "問いの箱が出ている間の時間は、指す人の時間に数えません。")},
        {QT_TRANSLATE_NOOP("Help", "キーボード"),
         QT_TRANSLATE_NOOP("Help",
                           "・矢印キー：盤と自分の持駒の上でカーソルを動かします。\n"
                           "・Enter または Space：カーソルの桝を左クリックしたのと同じです。\n"
                           "・Shift＋Enter：カーソルの桝を右クリックしたのと同じです（成る）。\n"
                           "・Ctrl＋Z：戻（コンピュータとの対局中は 待った）　Ctrl＋Y または Ctrl＋Shift＋Z：進\n"
                           "・H：ヒント（コンピュータとの対局で、あなたの番に）\n"
                           "・Ctrl＋L：棋譜一覧 を開きます（棋譜 → 棋譜一覧 でも開けます）。\n"
                           "・F1：この 遊び方 を開きます（その他 → 遊び方 でも開けます）。\n"
                           "・Esc：ゲームを終わります（対局 → 終わり や窓を閉じても終わります）。"
                           "この 遊び方 の窓では、Esc はこの窓を閉じるだけです。")},
        {QT_TRANSLATE_NOOP("Help", "対局の自動保存"),
         QT_TRANSLATE_NOOP("Help",
                           "対局中のゲームは自動で保存されます。途中でゲームを終えても、次に起動したときに"
                           "「前回の対局を続けますか？」と聞かれ、「はい」を選ぶとその局面から続けられます。")},
    };
    return 一覧;
}

// ---- the pictures -------------------------------------------------------------
// One square of a picture: a game picture, an outline in a palette colour
// (−1: the grid only) and, for a square a piece may reach, a dot.
struct 桝絵 {
    int 列 = 0, 行 = 0;
    int 絵番号 = 絵_空桝0;
    int 枠色 = -1;
    bool 点 = false;
};

int 空桝の絵(int 色) { return 色 == 桝色_緑 ? 絵_空桝1 : 色 == 桝色_水 ? 絵_空桝2 : 絵_空桝0; }

// A few squares drawn like the board: the game's pictures rendered for the
// resolution actually painted on (the screen's pixel ratio, or the image's
// when rendered into one), so they stay crisp at any scale.
class 桝図 : public QWidget {
public:
    桝図(int 列数, int 行数, std::vector<桝絵> 絵, QWidget* 親)
        : QWidget(親), 絵_(std::move(絵)) {
        setFixedSize(列数 * 遊び方窓::桝 + 1, 行数 * 遊び方窓::桝 + 1);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter g(this);
        const QPaintDevice* 先 = g.paintEngine() ? g.paintEngine()->paintDevice() : nullptr;
        const double r = 先 ? 先->devicePixelRatioF() : devicePixelRatioF();
        constexpr int k = 遊び方窓::桝;
        for (const 桝絵& c : 絵_) {
            const QRectF 枡(c.列 * k, c.行 * k, k, k);
            const QImage& img = ::絵(c.絵番号, r * k / 41.0);
            if (!img.isNull()) g.drawImage(枡, img);
            g.setPen(QPen(パレット色(桝輪郭色), 1));
            g.setBrush(Qt::NoBrush);
            g.drawRect(枡);
        }
        for (const 桝絵& c : 絵_) {
            const QRectF 枡(c.列 * k, c.行 * k, k, k);
            if (c.点) {
                g.setPen(Qt::NoPen);
                g.setBrush(パレット色(色_白));
                g.drawEllipse(枡.center(), k / 7.0, k / 7.0);
            }
            if (c.枠色 >= 0) {
                g.setPen(QPen(パレット色(c.枠色), 2));
                g.setBrush(Qt::NoBrush);
                g.drawRect(枡.adjusted(1, 1, -1, -1));
            }
        }
    }

private:
    std::vector<桝絵> 絵_;
};

// The part of the board around the piece of a movement diagram.
QWidget* 移動図の絵(const 移動図& m, QWidget* 親) {
    std::vector<桝絵> 絵;
    for (int dx = -図半径; dx <= 図半径; ++dx)
        for (int dy = -図半径; dy <= 図半径; ++dy) {
            const int x = m.X + dx, y = m.Y + dy;
            桝絵 c;
            c.列 = dx + 図半径;
            c.行 = dy + 図半径;
            if (盤上(x, y)) {
                const bool 駒の桝 = x == m.X && y == m.Y;
                c.絵番号 = 駒の桝 ? m.駒 : 空桝の絵(m.桝色[x][y]);
                c.枠色 = 駒の桝 ? 色_赤 : m.行ける[x][y] ? 色_白 : -1;
                c.点 = !駒の桝 && m.行ける[x][y];
            }
            絵.push_back(c);
        }
    auto* w = new 桝図(2 * 図半径 + 1, 2 * 図半径 + 1, std::move(絵), 親);
    w->setObjectName("移動図");
    return w;
}

// Source below, destination above, as the example stands before or after
// the move.
QWidget* 回転の絵(const 回転例& e, bool 後, int 元の色, QWidget* 親) {
    std::vector<桝絵> 絵(2);
    絵[0] = {0, 0, 後 ? e.後駒 : (e.取られた駒 != 空 ? e.取られた駒 : 空桝の絵(e.桝色)), -1, false};
    絵[1] = {0, 1, 後 ? 空桝の絵(元の色) : e.前駒, 後 ? -1 : 色_赤, false};
    if (!後) 絵[0].枠色 = 色_白;
    auto* w = new 桝図(1, 2, std::move(絵), 親);
    w->setObjectName(後 ? "回転後" : "回転前");
    return w;
}

QLabel* 見出し(const QString& t, QWidget* 親, int 大きさ = 14) {
    auto* l = new QLabel(t, 親);
    QFont f = l->font();
    f.setBold(true);
    f.setPointSize(大きさ);
    l->setFont(f);
    return l;
}

QLabel* 文(const QString& t, QWidget* 親) {
    auto* l = new QLabel(t, 親);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}

QWidget* 回転の表(QWidget* 親) {
    auto* w = new QWidget(親);
    auto* 横 = new QHBoxLayout(w);
    横->setContentsMargins(0, 0, 0, 0);
    横->setSpacing(32);
    const 回転例 例[] = {着地の例(桝色_緑), 着地の例(桝色_水), 取る例()};
    const char* 説明[] = {QT_TRANSLATE_NOOP("Help", "緑の桝に着く：右回り"),
                          QT_TRANSLATE_NOOP("Help", "水色の桝に着く：左回り"),
                          QT_TRANSLATE_NOOP("Help", "駒を取る：回らない")};
    const 移動図 盤 = 移動図を作る(空);  // the board's square colours
    for (int i = 0; i < 3; ++i) {
        auto* 例図 = new QWidget(w);
        auto* g = new QGridLayout(例図);
        g->setContentsMargins(0, 0, 0, 0);
        g->addWidget(new QLabel(訳(説明[i]), 例図), 0, 0, 1, 3);
        const int 元の色 = 盤.桝色[例[i].元X][例[i].元Y];
        g->addWidget(回転の絵(例[i], false, 元の色, 例図), 1, 0);
        g->addWidget(new QLabel("→", 例図), 1, 1, Qt::AlignCenter);
        g->addWidget(回転の絵(例[i], true, 元の色, 例図), 1, 2);
        g->setColumnStretch(3, 1);
        横->addWidget(例図);
    }
    横->addStretch(1);
    return w;
}

QWidget* 駒の一覧(QWidget* 親) {
    auto* w = new QWidget(親);
    auto* g = new QGridLayout(w);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(10);
    g->setVerticalSpacing(8);
    const char* 向き名[4] = {QT_TRANSLATE_NOOP("Help", "下向き"), QT_TRANSLATE_NOOP("Help", "左向き"),
                             QT_TRANSLATE_NOOP("Help", "上向き"), QT_TRANSLATE_NOOP("Help", "右向き")};
    for (int f = 0; f < 4; ++f) {
        auto* l = new QLabel(訳(向き名[f]), w);
        l->setObjectName("向き名");
        g->addWidget(l, 0, f + 1, Qt::AlignCenter);
    }
    int 行 = 1;
    for (const 駒の段& 段 : 駒の表()) {
        QLabel* 名 = 見出し(訳(段.名前.c_str()), w, 12);
        名->setObjectName("駒名");
        g->addWidget(名, 行, 0, Qt::AlignRight | Qt::AlignVCenter);
        for (int f = 0; f < 4; ++f) g->addWidget(移動図の絵(段.向き別[f], w), 行, f + 1);
        ++行;
    }
    g->setColumnStretch(5, 1);
    return w;
}

}  // namespace

QStringList 遊び方の文() {
    QStringList r;
    for (const 節& s : 節一覧()) r << 訳(s.見出し) << 訳(s.本文);
    return r;
}

遊び方窓::遊び方窓(QWidget* 親) : QWidget(親, Qt::Window) {
    setWindowTitle(訳(QT_TRANSLATE_NOOP("Help", "遊び方")));
    本文_ = new QWidget;
    auto* v = new QVBoxLayout(本文_);
    v->setContentsMargins(16, 16, 16, 16);
    v->setSpacing(8);
    bool 最初 = true;
    for (const 節& s : 節一覧()) {
        if (!最初) v->addSpacing(8);
        v->addWidget(見出し(訳(s.見出し), 本文_, 最初 ? 16 : 14));
        v->addWidget(文(訳(s.本文), 本文_));
        if (s.後の図 == 図::回転) v->addWidget(回転の表(本文_));
        if (s.後の図 == 図::駒) v->addWidget(駒の一覧(本文_));
        最初 = false;
    }
    v->addStretch(1);

    巻物_ = new QScrollArea(this);
    巻物_->setWidget(本文_);
    巻物_->setWidgetResizable(true);
    // Wide enough for the text's widest part where the screen allows;
    // on a narrower one the text scrolls sideways too.
    巻物_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const int 望む幅 = 本文_->minimumSizeHint().width() + 40;

    閉じる_ = new QPushButton(訳(QT_TRANSLATE_NOOP("Help", "閉じる")), this);
    connect(閉じる_, &QPushButton::clicked, this, &QWidget::close);
    auto* 下 = new QHBoxLayout;
    下->addStretch(1);
    下->addWidget(閉じる_);
    auto* 全体 = new QVBoxLayout(this);
    全体->addWidget(巻物_, 1);
    全体->addLayout(下);
    resize(望む幅 + 24, 700);
}

void 遊び方窓::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    QWidget* 親 = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* 画面 = 親 && 親->screen() ? 親->screen() : screen();
    if (!画面) return;
    const QRect 使える = 画面->availableGeometry();
    // The frame the window system adds: this window's own once it has been
    // on the screen, before that the game window's.
    auto 縁 = [](const QWidget* w) {
        const QRect f = w->frameGeometry(), g = w->geometry();
        return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
    };
    const QMargins m = testAttribute(Qt::WA_WState_Created) && frameGeometry() != geometry() ? 縁(this)
                       : 親                                                              ? 縁(親)
                                                                                        : QMargins();
    const QSize 最大 = 使える.size().shrunkBy(m).expandedTo(QSize(1, 1));
    QSize 大きさ = size().boundedTo(最大);
    if (大きさ != size()) resize(大きさ);
    // First over the game window, then pushed inside the screen.
    QRect 枠(geometry().topLeft() - QPoint(m.left(), m.top()), 大きさ.grownBy(m));
    if (!testAttribute(Qt::WA_Moved) && 親) 枠.moveCenter(親->frameGeometry().center());
    枠.moveLeft(std::clamp(枠.left(), 使える.left(), 使える.right() + 1 - 枠.width()));
    枠.moveTop(std::clamp(枠.top(), 使える.top(), 使える.bottom() + 1 - 枠.height()));
    move(枠.topLeft());
}

void 遊び方窓::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

QImage 遊び方窓::画像(double 倍率) const {
    QImage img(本文_->size() * 倍率, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(倍率);
    img.fill(本文_->palette().color(QPalette::Window));
    本文_->render(&img);
    return img;
}
