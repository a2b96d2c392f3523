<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Clock</name>
    <message>
        <source>持ち時間なし</source>
        <translation>no time limit</translation>
    </message>
    <message>
        <source>時間切れ</source>
        <translation>out of time</translation>
    </message>
    <message>
        <source>秒読み %1</source>
        <translation>byoyomi %1</translation>
    </message>
    <message>
        <source>（一時停止）</source>
        <translation> (paused)</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>切れ負け</source>
        <translation>Sudden death</translation>
    </message>
    <message>
        <source>フィッシャー</source>
        <translation>Fischer</translation>
    </message>
    <message>
        <source>秒読み</source>
        <translation>Byoyomi</translation>
    </message>
    <message>
        <source> 分</source>
        <translation> min</translation>
    </message>
    <message>
        <source> 秒／手</source>
        <translation> s a move</translation>
    </message>
    <message>
        <source>持ち時間</source>
        <translation>Time control</translation>
    </message>
    <message>
        <source>手前（あなた）</source>
        <translation>Near side (you)</translation>
    </message>
    <message>
        <source>向こう（コンピュータ）</source>
        <translation>Far side (computer)</translation>
    </message>
    <message>
        <source>両者同じ持ち時間</source>
        <translation>The same for both</translation>
    </message>
    <message>
        <source>次の対局から使います。二人で対局するときは、手前は盤の下側の人です。</source>
        <translation>Used from the next game. In a game between two players, the near side is the player at the bottom of the board.</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>局面編集</source>
        <translation>Edit position</translation>
    </message>
    <message>
        <source>盤</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>局面の文字列</source>
        <translation>Position text</translation>
    </message>
    <message>
        <source>局面：</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>マウス：左で駒を置く・取る、右で成る&#x3000;キー：矢印、P L N S G B R K U で下側の駒（Shift で上側）、+ で成る、Delete で消す</source>
        <translation>Mouse: the left button puts a piece or takes it off, the right one promotes.  Keys: the arrows, P L N S G B R K U put a lower piece (with Shift an upper one), + promotes, Delete clears</translation>
    </message>
    <message>
        <source>この局面にする</source>
        <translation>Use this position</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>駒</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>上側の%1</source>
        <translation>Upper %1</translation>
    </message>
    <message>
        <source>下側の%1</source>
        <translation>Lower %1</translation>
    </message>
    <message>
        <source>消す</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>手番</source>
        <translation>To move</translation>
    </message>
    <message>
        <source>下側（b）</source>
        <translation>Lower (b)</translation>
    </message>
    <message>
        <source>上側（w）</source>
        <translation>Upper (w)</translation>
    </message>
    <message>
        <source>盤を空にする</source>
        <translation>Clear the board</translation>
    </message>
    <message>
        <source>初形（鵺王が下）</source>
        <translation>Start: Nue King below</translation>
    </message>
    <message>
        <source>初形（鵺王が上）</source>
        <translation>Start: Nue King above</translation>
    </message>
    <message>
        <source>この局面から対局できます</source>
        <translation>A game can start from this position</translation>
    </message>
    <message>
        <source>この局面で</source>
        <translation>This position</translation>
    </message>
    <message>
        <source>局面を盤に置きました。どうしますか？</source>
        <translation>The position is on the board. What next?</translation>
    </message>
    <message>
        <source>下側の駒を持つ</source>
        <translation>Take the lower pieces</translation>
    </message>
    <message>
        <source>上側の駒を持つ</source>
        <translation>Take the upper pieces</translation>
    </message>
    <message>
        <source>コンピュータと対局</source>
        <translation>Play the computer</translation>
    </message>
    <message>
        <source>二人で対局</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>検討</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>局面をコピー</source>
        <translation>Copy position</translation>
    </message>
    <message>
        <source>局面の文字列をコピーしました</source>
        <translation>The position text is copied</translation>
    </message>
    <message>
        <source>画像で保存…</source>
        <translation>Save image…</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>クリップボードに文字がありません</source>
        <translation>The clipboard holds no text</translation>
    </message>
    <message>
        <source>貼り付けた棋譜</source>
        <translation>The pasted game</translation>
    </message>
    <message>
        <source>貼り付けた局面を読めません：%1</source>
        <translation>The pasted position cannot be read: %1</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Shift_JIS で書けない文字があります（.kifu なら書けます）</source>
        <translation>Some characters cannot be written in Shift_JIS (a .kifu file can hold them)</translation>
    </message>
    <message>
        <source>KIF 棋譜 (*.kifu *.kif)</source>
        <translation>KIF games (*.kifu *.kif)</translation>
    </message>
    <message>
        <source>KIF で書き出す</source>
        <translation>Export KIF</translation>
    </message>
    <message>
        <source>KIF で読み込む</source>
        <translation>Import KIF</translation>
    </message>
    <message>
        <source>保存できませんでした：%1</source>
        <translation>Could not save: %1</translation>
    </message>
    <message>
        <source>この対局は初形から始まっていないので棋譜ファイルに残せません。名前の終わりを .kifu にすると KIF で保存します</source>
        <translation>This game did not begin at a start position, so a record file cannot hold it. End the name with .kifu to save it as KIF</translation>
    </message>
    <message>
        <source>この局面からは対局できません：
%1</source>
        <translation>No game can start from this position:
%1</translation>
    </message>
    <message>
        <source>%1に指せる手がありません</source>
        <translation>No move for the %1</translation>
    </message>
    <message>
        <source>%1の手番：勝つ見込み %2%&#x3000;最善手 %3</source>
        <translation>The %1 to move: %2% to win; best move %3</translation>
    </message>
    <message>
        <source>盤の段が %1 段あります（9 段です）</source>
        <translation>The board has %1 ranks, not nine</translation>
    </message>
    <message>
        <source>%1段目が %2 マスあります（9 マスです）</source>
        <translation>Rank %1 covers %2 squares, not nine</translation>
    </message>
    <message>
        <source>%1段目の「%2」は駒の文字ではありません</source>
        <translation>&quot;%2&quot; in rank %1 is no piece letter</translation>
    </message>
    <message>
        <source>%1段目の + の後に駒がありません</source>
        <translation>&quot;+&quot; with no piece after it in rank %1</translation>
    </message>
    <message>
        <source>%1段目の「+%2」：その駒は成れません</source>
        <translation>&quot;+%2&quot; in rank %1: that piece cannot promote</translation>
    </message>
    <message>
        <source>盤の書き方が正しくありません</source>
        <translation>The board is not written right</translation>
    </message>
    <message>
        <source>盤</source>
        <translation>board</translation>
    </message>
    <message>
        <source>手番</source>
        <translation>side to move</translation>
    </message>
    <message>
        <source>持ち駒</source>
        <translation>hands</translation>
    </message>
    <message>
        <source>手数</source>
        <translation>move number</translation>
    </message>
    <message>
        <source>%1がありません</source>
        <translation>No %1 field</translation>
    </message>
    <message>
        <source>手数の後に余分な文字があります</source>
        <translation>More follows the move number</translation>
    </message>
    <message>
        <source>手番は b か w です</source>
        <translation>The side to move is b or w</translation>
    </message>
    <message>
        <source>持ち駒は - です（このゲームに持ち駒はありません）</source>
        <translation>Hands: only - (this game has no pieces in hand)</translation>
    </message>
    <message>
        <source>手数が数ではありません</source>
        <translation>The move number is not a whole number</translation>
    </message>
    <message>
        <source>手数は 1 から 500 です</source>
        <translation>The move number is 1 to 500</translation>
    </message>
    <message>
        <source>手番の側に指せる手がありません</source>
        <translation>the side to move has no legal move</translation>
    </message>
    <message>
        <source>移動元に手番の側の駒がありません</source>
        <translation>no piece of the side to move on the source square</translation>
    </message>
    <message>
        <source>二手で動けるのは鵺王だけです</source>
        <translation>only a Nue King makes two steps</translation>
    </message>
    <message>
        <source>その駒はそこへ動けません</source>
        <translation>the piece cannot move so</translation>
    </message>
    <message>
        <source>そこでは成らなければなりません</source>
        <translation>the piece must promote there</translation>
    </message>
    <message>
        <source>その手では成れません</source>
        <translation>the piece cannot promote on this move</translation>
    </message>
    <message>
        <source>指し手の書き方が正しくありません</source>
        <translation>not a move written right</translation>
    </message>
    <message>
        <source>読み込めません</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>UTF-8 でも Shift_JIS でもありません</source>
        <translation>neither UTF-8 nor Shift_JIS text</translation>
    </message>
    <message>
        <source>KIF の棋譜の行ではありません</source>
        <translation>not a line of a KIF record</translation>
    </message>
    <message>
        <source>このゲームの知らない見出しです</source>
        <translation>a header this game does not know</translation>
    </message>
    <message>
        <source>同じ見出しが二度あります</source>
        <translation>a header given a second time</translation>
    </message>
    <message>
        <source>手合割は「その他」です</source>
        <translation>the handicap must be &quot;other&quot;</translation>
    </message>
    <message>
        <source>変則は「鵺王」です</source>
        <translation>the variant must be the Nue King&apos;s</translation>
    </message>
    <message>
        <source>このゲームの持ち時間ではありません</source>
        <translation>not a time control of this game</translation>
    </message>
    <message>
        <source>このゲームに持駒はありません</source>
        <translation>this game has no pieces in hand</translation>
    </message>
    <message>
        <source>盤面図の行が正しくありません</source>
        <translation>not a line of the board diagram</translation>
    </message>
    <message>
        <source>指し手の前に盤面図がありません</source>
        <translation>no board diagram before the moves</translation>
    </message>
    <message>
        <source>次の手の番号ではありません</source>
        <translation>not the next move&apos;s number</translation>
    </message>
    <message>
        <source>KIF の指し手として読めません</source>
        <translation>not a move written as KIF writes one</translation>
    </message>
    <message>
        <source>移動元にその駒がありません</source>
        <translation>that piece does not stand on the source square</translation>
    </message>
    <message>
        <source>指せない手です：%1</source>
        <translation>not a legal move: %1</translation>
    </message>
    <message>
        <source>棋譜に入りきらない数の手があります</source>
        <translation>more moves than the record holds</translation>
    </message>
    <message>
        <source>終局の後に手があります</source>
        <translation>a move after the end of the game</translation>
    </message>
    <message>
        <source>終局の書き方がこの棋譜の終わり方と違います</source>
        <translation>not how this game ended</translation>
    </message>
    <message>
        <source>%1行目：%2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>上側</source>
        <translation>upper side</translation>
    </message>
    <message>
        <source>下側</source>
        <translation>lower side</translation>
    </message>
    <message>
        <source>歩</source>
        <translation>pawn</translation>
    </message>
    <message>
        <source>と</source>
        <translation>promoted pawn</translation>
    </message>
    <message>
        <source>香</source>
        <translation>lance</translation>
    </message>
    <message>
        <source>成香</source>
        <translation>promoted lance</translation>
    </message>
    <message>
        <source>桂</source>
        <translation>knight</translation>
    </message>
    <message>
        <source>成桂</source>
        <translation>promoted knight</translation>
    </message>
    <message>
        <source>銀</source>
        <translation>silver</translation>
    </message>
    <message>
        <source>成銀</source>
        <translation>promoted silver</translation>
    </message>
    <message>
        <source>金</source>
        <translation>gold</translation>
    </message>
    <message>
        <source>飛</source>
        <translation>rook</translation>
    </message>
    <message>
        <source>龍</source>
        <translation>dragon</translation>
    </message>
    <message>
        <source>角</source>
        <translation>bishop</translation>
    </message>
    <message>
        <source>馬</source>
        <translation>horse</translation>
    </message>
    <message>
        <source>鵺王</source>
        <translation>Nue King</translation>
    </message>
    <message>
        <source>王</source>
        <translation>king</translation>
    </message>
    <message>
        <source>%1に王も鵺王もありません</source>
        <translation>No king and no Nue King on the %1</translation>
    </message>
    <message>
        <source>%1に王と鵺王が合わせて %2 枚あります（1 枚です）</source>
        <translation>%2 royal pieces on the %1 (one only)</translation>
    </message>
    <message>
        <source>%1の%2（%3）はもう動けません</source>
        <translation>The %1&apos;s %2 on %3 can never move</translation>
    </message>
    <message>
        <source>%1が %2 枚あります（一組に %3 枚です）</source>
        <translation>%1 × %2: a set has only %3</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>二つの軍</source>
        <translation>Two armies</translation>
    </message>
    <message>
        <source>一方は鵺王（ぬえおう）ただ一枚、もう一方は将棋の全軍です。先に指す方が鵺王を持ちます。コンピュータとの対局では、対局(COM) → 先手 で鵺王を、後手 で全軍を持ちます。あなたはいつも盤の手前（下）に座ります。</source>
        <translation>One side has a single piece, the Nue King; the other has a full shogi army. The side that moves first has the Nue King. Against the computer, Game → Game (computer) → Move first gives you the Nue King, Move second gives you the army. You always sit at the lower side of the board.</translation>
    </message>
    <message>
        <source>鵺王の跳び</source>
        <translation>The Nue King&apos;s jump</translation>
    </message>
    <message>
        <source>鵺王は一手で、二桝以内のどこへでも行けます。二桝先（青）へは跳んで一度に着き、間にある駒は関係ありません。着いた桝の敵の駒は取れます。</source>
        <translation>In one move the Nue King goes anywhere within two squares. It jumps to a square two away (blue) in one go: pieces in between do not matter. It captures an opposing piece where it lands.</translation>
    </message>
    <message>
        <source>鵺王の二歩</source>
        <translation>The Nue King&apos;s two steps</translation>
    </message>
    <message>
        <source>隣の桝（橙）へ動かすと、鵺王はそこで止まって二歩目を待ちます。このとき下の状態表示に「二歩目」と出ます。もう一度、その隣の桝へ動かすと手番が終わります。元の桝へ戻ってもかまいませんが、二歩目は省けず、その場に留まることもできません。一歩ごとに駒を取れます。</source>
        <translation>Moved to a neighbouring square (orange), the Nue King stops there and waits for its second step; the status line at the bottom says so. Move it once more to a square next to it, and the turn is over. It may step back to where it started, but the second step cannot be skipped, nor can it stay where it is. Each step may capture.</translation>
    </message>
    <message>
        <source>全軍の駒と成り</source>
        <translation>The army&apos;s pieces and promotion</translation>
    </message>
    <message>
        <source>全軍の駒は将棋と同じに動きます：歩、香、桂、銀、金、角、飛、王。取った駒は盤から消え、打つことはありません。</source>
        <translation>The army&apos;s pieces move as in shogi: pawn (P), lance (L), knight (N), silver (S), gold (G), bishop (B), rook (R) and king (K). Captured pieces leave the board; there are no drops.</translation>
    </message>
    <message>
        <source>歩、香、桂は敵陣（向こう側の三段）の桝へ動くとき、銀、角、飛は敵陣へ動くときと敵陣から動くときに成れます。右ボタンで置けば成り（下の段）、左ボタンなら成りません。その先へ動けなくなる歩、香、桂は成るしかなく、左ボタンでは置けません。</source>
        <translation>A pawn, lance or knight may promote when it moves to a square of the far three rows; a silver, bishop or rook when it moves into them or out of them. Put the piece down with the right button to promote (the lower row, in red), with the left button not to. A pawn, lance or knight that could move no further must promote: the left button will not put it there.</translation>
    </message>
    <message>
        <source>勝ち負け</source>
        <translation>How a game ends</translation>
    </message>
    <message>
        <source>相手の王か鵺王を取った方の勝ちです。コンピュータとの対局では、コンピュータの王を詰ませても勝ちになります。対局 → 投了 で負けを認めます。五百手を超えると引き分けです。</source>
        <translation>Whoever captures the opposing king or Nue King wins. Against the computer you also win by mating the computer&apos;s king. Game → Resign gives the game up. A game longer than five hundred moves is a draw.</translation>
    </message>
    <message>
        <source>先鵺子（すぐの取り返し）</source>
        <translation>No immediate recapture</translation>
    </message>
    <message>
        <source>両方に鵺王がいる局面で自分の鵺王を取られた直後は、相手の鵺王を取れません。ただし相手の鵺王がその一つ前の手（二歩の一歩目）でも動いていたときは取れます。</source>
        <translation>In a position where both sides have a Nue King, right after your Nue King has been captured you may not capture the other Nue King, unless that Nue King also made the move before (the first of its two steps).</translation>
    </message>
    <message>
        <source>移動指導の印</source>
        <translation>The marks of Show moves</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ → 移動指導 をつけて駒を持つと、動ける桝が白い枠で囲まれます。鵺王では、二歩目を続けられる隣の桝が赤い枠です。左上の緑の丸はそこなら取られない桝、赤い×は取られる桝です。右下の小さな◇（安全）と×（取られる）は、二歩で行き着ける桝を示します。</source>
        <translation>With Options → Show moves on, a picked-up piece&apos;s squares are framed in white; for the Nue King the neighbouring squares from which it can take a second step are framed in red. A green ring in the upper left corner marks a square where the piece would be safe, a red cross one where it could be captured. The small diamonds (safe) and crosses (could be captured) in the lower right corner show where a two-step move could end.</translation>
    </message>
    <message>
        <source>勢力表示の数</source>
        <translation>The numbers of Show influence</translation>
    </message>
    <message>
        <source>戻 / 進</source>
        <translation>Back / Forward</translation>
    </message>
    <message>
        <source>棋譜の初め / 終わりへ</source>
        <translation>To the start / the end of the record</translation>
    </message>
    <message>
        <source>棋譜の書込 / 読込</source>
        <translation>Save / load the record</translation>
    </message>
    <message>
        <source>前と同じ種類の新しい対局</source>
        <translation>A new game of the kind last started</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>キーを盤へ、次に棋譜欄へ渡す</source>
        <translation>Gives the keys to the board, then to the panel</translation>
    </message>
    <message>
        <source>（盤）カーソルを動かす</source>
        <translation>(board) moves the cursor</translation>
    </message>
    <message>
        <source>（盤）カーソルの桝で左ボタン</source>
        <translation>(board) the left button on the cursor&apos;s square</translation>
    </message>
    <message>
        <source>（盤）カーソルの桝で右ボタン（成る）</source>
        <translation>(board) the right button there (promotion)</translation>
    </message>
    <message>
        <source>このページ</source>
        <translation>This page</translation>
    </message>
    <message>
        <source>サイドパネルを隠す / 出す</source>
        <translation>Hides / shows the side panel</translation>
    </message>
    <message>
        <source>メニューを開く</source>
        <translation>Opens the menus</translation>
    </message>
    <message>
        <source>プログラムを終える</source>
        <translation>Ends the program</translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>鵺王の二歩目：隣の桝へもう一歩動かしてください（元の桝へ戻ることもできます）</source>
        <translation>The Nue King&apos;s second step: move it one more square (it may step back to where it started)</translation>
    </message>
    <message>
        <source>持ち時間のある二人の対局を一時停止 / 再開</source>
        <translation>Pause / go on with a two-player game that has clocks</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ → 駒 → 国際駒 では、駒を英語の棋譜と同じ字で書きます。U が鵺王で、まわりを囲む小さな二つ点の印は、どの向きへも二桝まで行けることを示します。全軍の駒の縁の印は、その駒が動ける向きです。</source>
        <translation>With Options → Pieces → International, the pieces wear the letters of the English move list. U is the Nue King: the ring of small two-dot marks around it says that it reaches two squares every way. The marks at the edge of an army piece are the ways it moves.</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ → 勢力表示 は、各桝に何枚の駒が利いているかを示します。左の青い数は手前（下）の側、右の赤い数は奥（上）の側の数です。数は駒の字にかからないよう、駒の肩のあたりの角に出ます。桝は多く利いている側の色になります。</source>
        <translation>Options → Show influence shows how many pieces reach each square: the blue number on the left counts the lower side&apos;s pieces, the red number on the right the upper side&apos;s. The numbers stand in the corners beside a piece&apos;s shoulders, clear of its letter or kanji. The square takes the colour of the side that reaches it more.</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>一手だけを見て、すぐに指します</source>
        <translation>looks one move ahead and moves at once</translation>
    </message>
    <message>
        <source>鵺王側</source>
        <translation>the Nue King</translation>
    </message>
    <message>
        <source>5千局面まで読み、すぐに指します</source>
        <translation>reads up to 5,000 positions and moves at once</translation>
    </message>
    <message>
        <source>千局面を読み、すぐに指します</source>
        <translation>reads 1,000 positions and moves at once</translation>
    </message>
    <message>
        <source>1万局面を読み、すぐに指します</source>
        <translation>reads 10,000 positions and moves at once</translation>
    </message>
    <message>
        <source>7万局面を読み、一手に一秒足らず考えます</source>
        <translation>reads 70,000 positions, under a second a move</translation>
    </message>
    <message>
        <source>鵺王側と軍側のどちらも</source>
        <translation>either side</translation>
    </message>
    <message>
        <source>一手に約一秒考えます</source>
        <translation>thinks about a second a move</translation>
    </message>
    <message>
        <source>軍側</source>
        <translation>the army</translation>
    </message>
    <message>
        <source>レート %1</source>
        <translation>rating %1</translation>
    </message>
    <message>
        <source>LEVEL3 より弱い</source>
        <translation>weaker than level 3</translation>
    </message>
    <message>
        <source>%1・%2・%3が得意</source>
        <translation>%1 · %2 · plays %3 best</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Game (two players)</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Game (computer)</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Move first</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Move second</translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation>Computer level</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Turn the board</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>書込</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Show moves</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>More</translation>
    </message>
    <message>
        <source>新しい対局</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>投了</source>
        <translation>Resign</translation>
    </message>
    <message>
        <source>一手戻る</source>
        <translation>One move back</translation>
    </message>
    <message>
        <source>一手進む</source>
        <translation>One move forward</translation>
    </message>
    <message>
        <source>棋譜の初めへ</source>
        <translation>To the start of the record</translation>
    </message>
    <message>
        <source>棋譜の終わりへ</source>
        <translation>To the end of the record</translation>
    </message>
    <message>
        <source>勢力表示</source>
        <translation>Show influence</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>画像で保存…</source>
        <translation>Save image…</translation>
    </message>
    <message>
        <source>駒</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>サイドパネル</source>
        <translation>Side panel</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>二字駒</source>
        <translation>Two-kanji</translation>
    </message>
    <message>
        <source>一字駒</source>
        <translation>One-kanji</translation>
    </message>
    <message>
        <source>国際駒</source>
        <translation>International</translation>
    </message>
    <message>
        <source>検討</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>ここから対局(COM)</source>
        <translation>Play on from here (computer)</translation>
    </message>
    <message>
        <source>ここから対局(人間)</source>
        <translation>Play on from here (two players)</translation>
    </message>
    <message>
        <source>最近の対局</source>
        <translation>Recent games</translation>
    </message>
    <message>
        <source>持ち時間…</source>
        <translation>Time control…</translation>
    </message>
    <message>
        <source>確認を減らす</source>
        <translation>Fewer interruptions</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Adaptive</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>Statistics…</translation>
    </message>
    <message>
        <source>局面をコピー</source>
        <translation>Copy position</translation>
    </message>
    <message>
        <source>局面を貼り付け</source>
        <translation>Paste position</translation>
    </message>
    <message>
        <source>局面編集…</source>
        <translation>Edit position…</translation>
    </message>
    <message>
        <source>KIF で書き出す…</source>
        <translation>Export KIF…</translation>
    </message>
    <message>
        <source>KIF で読み込む…</source>
        <translation>Import KIF…</translation>
    </message>
    <message>
        <source>棋譜をコピー</source>
        <translation>Copy game</translation>
    </message>
    <message>
        <source>棋譜を貼り付け</source>
        <translation>Paste game</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Start a game from &quot;Game&quot;</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>2手目移動中はできません！</source>
        <translation>Not during the second step!</translation>
    </message>
    <message>
        <source>2手目移動中</source>
        <translation>Second step</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>First player to move</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>Second player to move</translation>
    </message>
    <message>
        <source>MANの番です</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>COMの番です</source>
        <translation>The computer&apos;s move</translation>
    </message>
    <message>
        <source>OKですか？</source>
        <translation>Ready?</translation>
    </message>
    <message>
        <source>再開(COM)</source>
        <translation>Resume (computer)</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>棋譜保存</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>棋譜書込</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>投了</source>
        <translation>Resign</translation>
    </message>
    <message>
        <source>投了しますか？</source>
        <translation>Resign this game?</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>続けますか？</source>
        <translation>Play again?</translation>
    </message>
    <message>
        <source>再ゲーム</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>引き分けです</source>
        <translation>The game is drawn</translation>
    </message>
    <message>
        <source>詰め ?</source>
        <translation>Mate?</translation>
    </message>
    <message>
        <source>よし！!</source>
        <translation>Got it!</translation>
    </message>
    <message>
        <source>二手移動</source>
        <translation>Two steps</translation>
    </message>
    <message>
        <source>二手目、移動します</source>
        <translation>Now the second step</translation>
    </message>
    <message>
        <source>** 王手 **</source>
        <translation>** Check **</translation>
    </message>
    <message>
        <source>棋譜を &apos;進 &apos;で進めて下さい</source>
        <translation>Step the record with &apos;Forward&apos;</translation>
    </message>
    <message>
        <source>できません</source>
        <translation>Not possible</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>The end</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Turn the board</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>指せる手がありません</source>
        <translation>There is no move to play</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation>No file name was entered</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽが準備できていません</source>
        <translation>The device is not ready</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>禁手：先鵺子(せんしし)</source>
        <translation>Forbidden: immediate recapture</translation>
    </message>
    <message>
        <source>すぐに鵺子を取り返せません</source>
        <translation>The Nue King cannot be recaptured at once</translation>
    </message>
    <message>
        <source>そこへ移動できません！</source>
        <translation>Cannot move there!</translation>
    </message>
    <message>
        <source>マウスの右をクリックして下さい</source>
        <translation>Promotion is required: use the right button or Shift+Enter</translation>
    </message>
    <message>
        <source>成り</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません</source>
        <translation>Not while replaying a record</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません</source>
        <translation>The record file holds no moves</translation>
    </message>
    <message>
        <source>棋譜を書き込みました</source>
        <translation>The record was saved</translation>
    </message>
    <message>
        <source>反転後は書き込みできません</source>
        <translation>Cannot save after turning the board</translation>
    </message>
    <message>
        <source>保存するデータがありません</source>
        <translation>There is nothing to save</translation>
    </message>
    <message>
        <source>ファイル名に「/」は使えません</source>
        <translation>A file name cannot contain &quot;/&quot;</translation>
    </message>
    <message>
        <source>読み込みました</source>
        <translation>Loaded</translation>
    </message>
    <message>
        <source>%1：読み込めません</source>
        <translation>%1: cannot be read</translation>
    </message>
    <message>
        <source>%1：%2行目が正しくありません</source>
        <translation>%1: line %2 is not valid</translation>
    </message>
    <message>
        <source>保存できませんでした：%1</source>
        <translation>Could not save: %1</translation>
    </message>
    <message>
        <source>%1の勝ちです</source>
        <translation>%1 wins</translation>
    </message>
    <message>
        <source>あなたの勝ちです</source>
        <translation>You win</translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀの勝ちです</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>先手の勝ちです</source>
        <translation>The first player wins</translation>
    </message>
    <message>
        <source>後手の勝ちです</source>
        <translation>The second player wins</translation>
    </message>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀ</source>
        <translation>The computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>The first player</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>The second player</translation>
    </message>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation>The sound device cannot be opened.</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>投了</source>
        <translation>resignation</translation>
    </message>
    <message>
        <source>時間切れ</source>
        <translation>out of time</translation>
    </message>
    <message>
        <source>王を取った</source>
        <translation>royal piece taken</translation>
    </message>
    <message>
        <source>詰み</source>
        <translation>checkmate</translation>
    </message>
    <message>
        <source>指せる手がない</source>
        <translation>no legal move</translation>
    </message>
    <message>
        <source>五百手</source>
        <translation>500 moves, the record is full</translation>
    </message>
    <message>
        <source>引き分け（%1）</source>
        <translation>Draw (%1)</translation>
    </message>
    <message>
        <source>あなたの勝ち（%1）</source>
        <translation>You win (%1)</translation>
    </message>
    <message>
        <source>コンピュータの勝ち（%1）</source>
        <translation>The computer wins (%1)</translation>
    </message>
    <message>
        <source>先手の勝ち（%1）</source>
        <translation>First player wins (%1)</translation>
    </message>
    <message>
        <source>後手の勝ち（%1）</source>
        <translation>Second player wins (%1)</translation>
    </message>
    <message>
        <source>終局：%1</source>
        <translation>Game over: %1</translation>
    </message>
    <message>
        <source>投了か時間切れ</source>
        <translation>resigned or out of time</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>開始局面</source>
        <translation>Start position</translation>
    </message>
    <message>
        <source>手番：―</source>
        <translation>To move: —</translation>
    </message>
    <message>
        <source>手番：</source>
        <translation>To move: </translation>
    </message>
    <message>
        <source>あなた</source>
        <translation>you</translation>
    </message>
    <message>
        <source>コンピュータ</source>
        <translation>computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>first player</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>second player</translation>
    </message>
    <message>
        <source>棋譜再生</source>
        <translation>Replaying a record</translation>
    </message>
    <message>
        <source>対局前</source>
        <translation>No game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>&#x3000;LEVEL</source>
        <translation>  LEVEL</translation>
    </message>
    <message>
        <source>コンピュータ思考中…</source>
        <translation>The computer is thinking…</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>手番</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>前回の%1を再開しました（%2手）</source>
        <translation>Resumed the last game: %1, move %2</translation>
    </message>
</context>
<context>
    <name>RecentGame</name>
    <message>
        <source>鵺王</source>
        <translation>Nue King</translation>
    </message>
    <message>
        <source>全軍</source>
        <translation>army</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>unfinished</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>draw</translation>
    </message>
    <message>
        <source>勝ち</source>
        <translation>win</translation>
    </message>
    <message>
        <source>負け</source>
        <translation>loss</translation>
    </message>
    <message>
        <source>鵺王の勝ち</source>
        <translation>Nue King won</translation>
    </message>
    <message>
        <source>全軍の勝ち</source>
        <translation>army won</translation>
    </message>
    <message>
        <source>二人</source>
        <translation>two players</translation>
    </message>
    <message>
        <source>%1手</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>%1 疑問手 %2&#x3000;悪手 %3&#x3000;大悪手 %4&#x3000;正確度 %5%</source>
        <translation>%1 inaccuracies %2, mistakes %3, blunders %4, accuracy %5%</translation>
    </message>
    <message>
        <source>最善：</source>
        <translation>best: </translation>
    </message>
    <message>
        <source>この棋譜は検討できません</source>
        <translation>This record cannot be reviewed</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ここから対局</source>
        <translation>Play from here</translation>
    </message>
    <message>
        <source>検討中</source>
        <translation>Reviewing</translation>
    </message>
    <message>
        <source>評価グラフ</source>
        <translation>Evaluation graph</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>相手</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>側</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>終局</source>
        <translation>End</translation>
    </message>
    <message>
        <source>手数</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>正確度</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>大悪手</source>
        <translation>Blunders</translation>
    </message>
    <message>
        <source>レーティング</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>側：</source>
        <translation>Side:</translation>
    </message>
    <message>
        <source>レベル：</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>結果：</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>期間：</source>
        <translation>Dates:</translation>
    </message>
    <message>
        <source>対局を終えると、ここに並びます。</source>
        <translation>Finish a game to see it listed here.</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>検討</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>ここから対局</source>
        <translation>Play from here</translation>
    </message>
    <message>
        <source>レーティングの推移</source>
        <translation>Rating over time</translation>
    </message>
    <message>
        <source>レベル別の成績</source>
        <translation>Results by level</translation>
    </message>
    <message>
        <source>勝ち</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>負け</source>
        <translation>Loss</translation>
    </message>
    <message>
        <source>レベルとあなたの側</source>
        <translation>Level and your side</translation>
    </message>
    <message>
        <source>局数</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>検討した対局の正確度と大悪手</source>
        <translation>Accuracy and blunders of the reviewed games</translation>
    </message>
    <message>
        <source>正確度（%）</source>
        <translation>Accuracy (%)</translation>
    </message>
    <message>
        <source>大悪手の数</source>
        <translation>Blunders</translation>
    </message>
    <message>
        <source>レベル別</source>
        <translation>By level</translation>
    </message>
    <message>
        <source>対局一覧</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>コンピュータと対局すると、レーティングが表示されます。</source>
        <translation>Play a game against the computer to see your rating.</translation>
    </message>
    <message>
        <source>コンピュータと対局すると、レベル別の成績が表示されます。</source>
        <translation>Play a game against the computer to see your results by level.</translation>
    </message>
    <message>
        <source>対局を検討すると（棋譜 → 検討）、正確度と大悪手が表示されます。</source>
        <translation>Review a game (Record → Review) to see your accuracy and blunders.</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>あなたのレーティング&#x3000;%1：%2&#x3000;%3：%4</source>
        <translation>Your rating   %1: %2   %3: %4</translation>
    </message>
    <message>
        <source>手前の勝ち</source>
        <translation>Lower side won</translation>
    </message>
    <message>
        <source>奥の勝ち</source>
        <translation>Upper side won</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Unfinished</translation>
    </message>
    <message>
        <source>鵺王</source>
        <translation>Nue King</translation>
    </message>
    <message>
        <source>全軍</source>
        <translation>Army</translation>
    </message>
    <message>
        <source>両方</source>
        <translation>Both</translation>
    </message>
    <message>
        <source>二人で対局</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>コンピュータ レベル%1</source>
        <translation>Computer level %1</translation>
    </message>
    <message>
        <source>（暫定）</source>
        <translation> (provisional)</translation>
    </message>
    <message>
        <source>LEVEL%1 が合いそうです（期待勝率 %2%）</source>
        <translation>Level %1 should suit you (expected score %2%)</translation>
    </message>
</context>
<context>
    <name>Surface</name>
    <message>
        <source>先手:</source>
        <translation>1st:</translation>
    </message>
    <message>
        <source>後手:</source>
        <translation>2nd:</translation>
    </message>
    <message>
        <source>思考中</source>
        <translation>thinking</translation>
    </message>
    <message>
        <source>MAN:</source>
        <translation>You:</translation>
    </message>
    <message>
        <source>COM:</source>
        <translation>CPU:</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>LEVEL</translation>
    </message>
    <message>
        <source>%1手目</source>
        <translation>Move %1</translation>
    </message>
    <message>
        <source>先手：%1</source>
        <translation>First: %1</translation>
    </message>
    <message>
        <source>後手：%1</source>
        <translation>Second: %1</translation>
    </message>
    <message>
        <source>人間</source>
        <translation>Human</translation>
    </message>
    <message>
        <source>コンピュータ %1</source>
        <translation>Computer level %1</translation>
    </message>
</context>
<context>
    <name>Tip</name>
    <message>
        <source>あなたが鵺王ひとつを持って先に指し、コンピュータが将棋の全軍を持ちます</source>
        <translation>You play the lone Nue King and move first; the computer has the full shogi army</translation>
    </message>
    <message>
        <source>あなたが将棋の全軍を持ち、コンピュータの鵺王が先に指します</source>
        <translation>You play the full shogi army; the computer&apos;s Nue King moves first</translation>
    </message>
    <message>
        <source>盤の局面からコンピュータと対局します（あなたは下側、この後の手は消えます）</source>
        <translation>Play the computer from the position on the board (you take the lower side; the later moves are dropped)</translation>
    </message>
    <message>
        <source>盤の局面から二人で対局します（この後の手は消えます）</source>
        <translation>Two players go on from the position on the board (the later moves are dropped)</translation>
    </message>
    <message>
        <source>次の対局の持ち時間を、それぞれの側に決めます（二人で対局するときは P で一時停止）</source>
        <translation>Sets each side&apos;s time for the next game (P pauses a two-player game)</translation>
    </message>
    <message>
        <source>OK だけの確認をステータス行に出し、対局を止めません（はい／いいえの質問は残ります）</source>
        <translation>Messages that only need OK go to the status line and play goes on (yes/no questions stay)</translation>
    </message>
    <message>
        <source>二連勝で一段上、二連敗で一段下へ、コンピュータの強さが対局ごとに動きます</source>
        <translation>The computer moves up a level after two wins in a row and down after two losses</translation>
    </message>
    <message>
        <source>局面の文字列（SFEN の形）を盤に置き、どうするか選びます</source>
        <translation>Puts a position text (shaped as SFEN) on the board, then asks what to do with it</translation>
    </message>
    <message>
        <source>駒を置いて局面を作り、そこから対局します</source>
        <translation>Set up a position piece by piece, then play from it</translation>
    </message>
    <message>
        <source>この対局を KIF の文字でコピーします</source>
        <translation>Copies this game as KIF text</translation>
    </message>
    <message>
        <source>KIF の棋譜か局面の文字列を貼り付けます</source>
        <translation>Pastes a KIF game or a position text</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>ﾌｧｲﾙ名 ：</source>
        <translation>File name: </translation>
    </message>
    <message>
        <source>ヒント：</source>
        <translation>Hint: </translation>
    </message>
    <message>
        <source>RETURN</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>前回の対局のファイルが読めませんでした。新しく始めます。ファイルはこの名前で残しました：</source>
        <translation>The last game could not be read, so a new one begins. Its file was kept as:</translation>
    </message>
    <message>
        <source>設定のファイルが読めませんでした。初期設定で始めます。ファイルはこの名前で残しました：</source>
        <translation>The settings could not be read, so the defaults are used. The file was kept as:</translation>
    </message>
    <message>
        <source>コンピュータには勝ちまでの手順が見えています</source>
        <translation>the computer sees a forced win</translation>
    </message>
    <message>
        <source>終了しますか？</source>
        <translation>Quit the game?</translation>
    </message>
</context>
</TS>
