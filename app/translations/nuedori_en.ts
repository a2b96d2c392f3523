<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
        <translation>About</translation>
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
</context>
</TS>
