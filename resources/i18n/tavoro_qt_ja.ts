<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Japanese for the texts of Qt 6's dialogs that Qt's own Japanese
     translation (made for Qt 5) lacks. -->
<TS version="2.1" language="ja_JP">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Double Sided Printing</source>
        <translation>両面印刷</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>長辺とじ</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>短辺とじ</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ指定</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>ページまたは範囲をカンマで区切って指定します。範囲は2つの数字をハイフンでつなぎます。例: 3,5-7,9 で 3, 5, 6, 7, 9 ページを印刷します。</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Adjust contrast</source>
        <translation>コントラスト調整</translation>
    </message>
    <message>
        <source>Audio Cycle Track</source>
        <translation>オーディオトラック切り替え</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Launch (G)</source>
        <translation>(G) を起動</translation>
    </message>
    <message>
        <source>Launch (H)</source>
        <translation>(H) を起動</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Rotation KB</source>
        <translation>キーボード回転</translation>
    </message>
    <message>
        <source>Rotation PB</source>
        <translation>画面回転</translation>
    </message>
    <message>
        <source>To-do list</source>
        <translation>ToDo リスト</translation>
    </message>
</context>
</TS>
