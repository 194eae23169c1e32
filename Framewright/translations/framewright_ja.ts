<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CalculationView</name>
    <message>
        <source>Share calculation</source>
        <translation>計算を共有</translation>
    </message>
    <message>
        <source>Delete calculation</source>
        <translation>計算を削除</translation>
    </message>
</context>
<context>
    <name>DeleteAlert</name>
    <message>
        <source>There is no undo</source>
        <translation>この操作は取り消せません</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Display</source>
        <translation>表示部</translation>
    </message>
</context>
<context>
    <name>FormatAttribute</name>
    <message>
        <source>Dropframe</source>
        <translation>ドロップフレーム</translation>
    </message>
    <message>
        <source>Frame duration/s</source>
        <translation>1フレームの長さ/秒</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>フィルム幅</translation>
    </message>
    <message>
        <source>Frames per foot</source>
        <translation>フレーム/フィート</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>FormatName</name>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>フィート</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>メートル</translation>
    </message>
    <message>
        <source>1000ft rolls</source>
        <translation>1000ftロール</translation>
    </message>
    <message>
        <source>400ft rolls</source>
        <translation>400ftロール</translation>
    </message>
    <message>
        <source>100 ft rolls</source>
        <translation>100ftロール</translation>
    </message>
    <message>
        <source>Super 8mm</source>
        <translation>スーパー8mm</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>スーパー</translation>
    </message>
    <message>
        <source>DECIMAL</source>
        <translation>小数</translation>
    </message>
</context>
<context>
    <name>HistoryTopBar</name>
    <message>
        <source>Collapse history</source>
        <translation>履歴を折りたたむ</translation>
    </message>
    <message>
        <source>Expand history</source>
        <translation>履歴を展開</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Share history</source>
        <translation>履歴を共有</translation>
    </message>
    <message>
        <source>Delete all history</source>
        <translation>履歴をすべて削除</translation>
    </message>
</context>
<context>
    <name>Keypad</name>
    <message>
        <source>Keypad</source>
        <translation>キーパッド</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Are you sure you want to delete this item?</source>
        <translation>この項目を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all history items?</source>
        <translation>すべての履歴項目を削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Calculation.txt</source>
        <translation>計算.txt</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Save History...</source>
        <translation>履歴を保存...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>計算機</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>履歴を保存</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>Paste Column</source>
        <translation>列を貼り付け</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Menu bar</source>
        <translation>メニューバー</translation>
    </message>
</context>
<context>
    <name>NoEntriesView</name>
    <message>
        <source>No entries</source>
        <translation>項目がありません</translation>
    </message>
</context>
<context>
    <name>PasteAlert</name>
    <message>
        <source>The column was not pasted</source>
        <translation>列は貼り付けられませんでした</translation>
    </message>
    <message>
        <source>Line %1 is not a value in the primary format:</source>
        <translation>%1 行目はメインの形式の値ではありません：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PrimaryDisplayValue</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>primary, Error</source>
        <translation>メイン、エラー</translation>
    </message>
</context>
<context>
    <name>SavePanel</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>フォーマット</translation>
    </message>
    <message>
        <source>Footage unit</source>
        <translation>長さの単位</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>フレームレート</translation>
    </message>
</context>
<context>
    <name>SharePicker</name>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Save as Text…</source>
        <translation>テキストとして保存…</translation>
    </message>
    <message>
        <source>Email…</source>
        <translation>メール…</translation>
    </message>
    <message>
        <source>Save as Text</source>
        <translation>テキストとして保存</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>SpokenForm</name>
    <message>
        <source>%1 drop frame</source>
        <translation>%1 ドロップフレーム</translation>
    </message>
    <message>
        <source>%1 non drop frame</source>
        <translation>%1 ノンドロップフレーム</translation>
    </message>
    <message>
        <source>%1 pull down</source>
        <translation>%1 プルダウン</translation>
    </message>
    <message>
        <source>%1 millimetre</source>
        <translation>%1ミリ</translation>
    </message>
    <message>
        <source>%1 foot rolls</source>
        <translation>%1フィートロール</translation>
    </message>
    <message>
        <source>%1 foot</source>
        <translation>%1フィート</translation>
    </message>
    <message>
        <source>%1 perf</source>
        <translation>%1パーフォレーション</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>フィート</translation>
    </message>
    <message>
        <source>feet and frames</source>
        <translation>フィートとフレーム</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>フィート</translation>
    </message>
    <message>
        <source>frames</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>decimal</source>
        <translation>小数</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>メートル</translation>
    </message>
    <message>
        <source>super</source>
        <translation>スーパー</translation>
    </message>
    <message>
        <source>zero</source>
        <translation>ゼロ</translation>
    </message>
    <message>
        <source>one</source>
        <translation>いち</translation>
    </message>
    <message>
        <source>two</source>
        <translation>に</translation>
    </message>
    <message>
        <source>three</source>
        <translation>さん</translation>
    </message>
    <message>
        <source>four</source>
        <translation>よん</translation>
    </message>
    <message>
        <source>five</source>
        <translation>ご</translation>
    </message>
    <message>
        <source>six</source>
        <translation>ろく</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>なな</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>はち</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>きゅう</translation>
    </message>
    <message>
        <source>double zero</source>
        <translation>ゼロゼロ</translation>
    </message>
    <message>
        <source>point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>all clear</source>
        <translation>オールクリア</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>1文字削除</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>プラス</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>マイナス</translation>
    </message>
    <message>
        <source>times</source>
        <translation>かける</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>割る</translation>
    </message>
    <message>
        <source>timecode divide</source>
        <translation>タイムコードで割る</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>イコール</translation>
    </message>
    <message>
        <source>unknown operation</source>
        <translation>不明な演算</translation>
    </message>
    <message>
        <source>%1 frames per second</source>
        <translation>毎秒%1フレーム</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>メイン</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>左下</translation>
    </message>
</context>
<context>
    <name>framewright::PersistenceController</name>
    <message>
        <source>the folder for %1 cannot be made, because a file stands in its path</source>
        <translation>%1 のフォルダーを作成できません（パスの途中にファイルがあります）</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 はファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>you do not have permission to write %1</source>
        <translation>%1 への書き込み権限がありません</translation>
    </message>
    <message>
        <source>the disk holding %1 is full</source>
        <translation>%1 のあるディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the disk reported an error writing %1</source>
        <translation>%1 の書き込み中にディスクがエラーを報告しました</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2)</source>
        <translation>%1 は使用できません（%2）</translation>
    </message>
    <message>
        <source>History can&apos;t be saved: %1. This session&apos;s calculations are kept until you quit.</source>
        <translation>履歴を保存できません：%1。このセッションの計算は終了するまで保持されます。</translation>
    </message>
</context>
</TS>
