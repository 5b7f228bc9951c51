<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tonewright</source>
        <translation>Tonewright について</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>FFMpeg</source>
        <translation>FFmpeg</translation>
    </message>
    <message>
        <source>This software is free to use.</source>
        <translation>このソフトウェアは無料でお使いいただけます。</translation>
    </message>
    <message>
        <source>Share with your friends and enjoy it.</source>
        <translation>お友だちにも紹介して、お楽しみください。</translation>
    </message>
    <message>
        <source>This application uses FFmpeg as a standalone executable; its builds can be found at %1.</source>
        <translation>このアプリケーションは FFmpeg を独立した実行ファイルとして使用しています。そのビルドは %1 で入手できます。</translation>
    </message>
    <message>
        <source>You can download the source code on the site above.</source>
        <translation>ソースコードは上記のサイトからダウンロードできます。</translation>
    </message>
    <message>
        <source>No FFmpeg libraries were built into this application.</source>
        <translation>このアプリケーションには FFmpeg のライブラリは組み込まれていません。</translation>
    </message>
    <message>
        <source>See %1 for more information in the installation directory if Tonewright.</source>
        <translation>詳しくは Tonewright のインストール先にある %1 をご覧ください。</translation>
    </message>
</context>
<context>
    <name>AdPanel</name>
    <message>
        <source>Update available</source>
        <translation>アップデートがあります</translation>
    </message>
    <message>
        <source>Tonewright had been updated!
Please download the fresh version to avoid bugs and other problems.
Would you like to download it now?</source>
        <translation>Tonewright の新しいバージョンが公開されました。
不具合などを避けるため、新しいバージョンをダウンロードしてください。
今すぐダウンロードしますか？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>AdvancedOptions</name>
    <message>
        <source>Advanced Conversion Options</source>
        <translation>詳細な変換オプション</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>詳細オプション</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>変換先の形式:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>タイトル:</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(未設定)</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>アーティスト:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>アルバム:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>キャンセル(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Conversion settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>変換(&amp;C)</translation>
    </message>
    <message numerus="yes">
        <source>Advanced Conversion Options (%n files)</source>
        <translation>
            <numerusform>詳細な変換オプション (%n 個のファイル)</numerusform>
        </translation>
    </message>
    <message>
        <source>(each file keeps its own)</source>
        <translation>(各ファイルのタイトルのまま)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 may be given only once</source>
        <translation>--%1 は一度しか指定できません</translation>
    </message>
    <message>
        <source>--volume takes one of %1</source>
        <translation>--volume には次のいずれかを指定してください: %1</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year には %1 から %2 までの年を指定してください</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp</source>
        <translation>--each には形式名か ppp が必要です</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp, not &quot;%1&quot;</source>
        <translation>--each には形式名か ppp が必要です (「%1」は使えません)</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: its name is not valid text.</source>
        <translation>ファイル「%1」を開けません: 名前が有効な文字列ではありません。</translation>
    </message>
    <message>
        <source>Only local files can be converted, not &quot;%1&quot;.</source>
        <translation>変換できるのはローカルファイルだけです (「%1」は変換できません)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no file; it is left out.</source>
        <translation>「%1」はファイルではないため、除外します。</translation>
    </message>
    <message>
        <source>--replaygain takes album, track or off</source>
        <translation>--replaygain には次のいずれかを指定してください: album, track, off</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is malformed.</source>
        <translation>アドレス「%1」の形式が正しくありません。</translation>
    </message>
    <message>
        <source>This needs a dialog, but no display is available. Name the format and the file on the command line, as in: tonewright mp3 song.flac</source>
        <translation>ダイアログが必要ですが、使用できるディスプレイがありません。コマンドラインで形式とファイルを指定してください（例: tonewright mp3 song.flac）</translation>
    </message>
    <message>
        <source>No folder was chosen for the mirror.</source>
        <translation>変換済みコピーの保存先フォルダーが選択されていません。</translation>
    </message>
    <message>
        <source>--into and --dry-run go with a folder to convert</source>
        <translation>--into と --dry-run は変換するフォルダーと一緒に指定してください</translation>
    </message>
    <message>
        <source>--into takes a single folder</source>
        <translation>--into に指定できるフォルダーは 1 つだけです</translation>
    </message>
</context>
<context>
    <name>ConversionFrame</name>
    <message>
        <source>Tonewright - easy music conversion</source>
        <translation>Tonewright - かんたん音楽変換</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://settings&quot;&gt;Settings&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://settings&quot;&gt;設定&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://about&quot;&gt;バージョン情報&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ConversionQueue</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>ファイルがもう存在しません。</translation>
    </message>
    <message>
        <source>The file was replaced by another program.</source>
        <translation>ファイルが別のプログラムによって置き換えられました。</translation>
    </message>
    <message>
        <source>This is not a file that can be converted.</source>
        <translation>変換できるファイルではありません。</translation>
    </message>
</context>
<context>
    <name>ConversionWindow</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Select file to convert</source>
        <translation>変換するファイルを選択</translation>
    </message>
    <message>
        <source>(not selected)</source>
        <translation>(未選択)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;You can also start a conversion by right clicking the file you want to convert and selecting &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Convert to [format]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; in Explorer.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;ファイルマネージャーで変換したいファイルを右クリックし、&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;[形式] に変換&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;を選んで変換を始めることもできます。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>キャンセル(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>続行(&amp;C)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Please browse for a file you want to convert!
</source>
        <translation>変換するファイルを選択してください。
</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>MirrorUpdate</name>
    <message>
        <source>Updating %1</source>
        <translation>%1 を更新中</translation>
    </message>
    <message numerus="yes">
        <source>Updating %Ln folders to %1</source>
        <translation>
            <numerusform>%Ln 個のフォルダーを更新中 (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読み取れません: %2</translation>
    </message>
    <message numerus="yes">
        <source>Looking through %1… %Ln files</source>
        <translation>
            <numerusform>%1 を確認中… %Ln 個のファイル</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no files now (is its disk mounted?); %2 was left as it is.</source>
        <translation>%1 にファイルがありません (ディスクはマウントされていますか？)。%2 はそのままにしました。</translation>
    </message>
    <message>
        <source>Copying %L1 of %L2 files…</source>
        <translation>ファイルをコピー中 (%L1/%L2)…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 was changed since Tonewright wrote it and was left alone.</source>
        <translation>%1 は Tonewright が書き込んだ後に変更されているため、そのままにしました。</translation>
    </message>
</context>
<context>
    <name>MirrorSession</name>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 を使用できません: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made a folder.</source>
        <translation>フォルダー %1 を作成できません。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>%1 appeared meanwhile and was left alone.</source>
        <translation>%1 が処理中に作成されたため、そのままにしました。</translation>
    </message>
    <message>
        <source>%1 was changed meanwhile and was left alone.</source>
        <translation>%1 が処理中に変更されたため、そのままにしました。</translation>
    </message>
    <message>
        <source>%1 cannot be copied: %2</source>
        <translation>%1 をコピーできません: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash.</source>
        <translation>%1 をゴミ箱に移動できません。</translation>
    </message>
    <message>
        <source>%1 did not get its album&apos;s loudness values.</source>
        <translation>%1 にアルバムのラウドネス値を書き込めませんでした。</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>The SQLite library cannot be loaded.</source>
        <translation>SQLite ライブラリを読み込めません。</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source>%1 of %Ln files converted.</source>
        <translation>
            <numerusform>%Ln 個のファイルのうち %1 個を変換しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files could not be converted.</source>
        <translation>
            <numerusform>%Ln 個のファイルのうち %1 個を変換できませんでした。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Converted:</source>
        <translation>変換済み:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>残り時間:</translation>
    </message>
    <message>
        <source>Now converting:</source>
        <translation>変換中:</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files to %1</source>
        <translation>
            <numerusform>%n 個のファイルを %1 に変換中</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>計算中...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted</source>
        <translation>
            <numerusform>%n 件中 %1 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted, %2 failed</source>
        <translation>
            <numerusform>%n 件中 %1 件 (失敗 %2 件)</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>%n 個のファイルのうち %1 個を変換できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop converting? The last file not yet converted will be skipped.</source>
        <translation>変換を中止しますか？まだ変換していない最後のファイルはスキップされます。</translation>
    </message>
    <message numerus="yes">
        <source>Stop converting? The %n files not yet converted will be skipped.</source>
        <translation>
            <numerusform>変換を中止しますか？まだ変換していない %n 個のファイルはスキップされます。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Soundmill</name>
    <message>
        <source>Source:</source>
        <translation>変換元:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>変換先:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>残り時間:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度:</translation>
    </message>
    <message>
        <source>Less than &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>&lt;b&gt;15&lt;/b&gt; 秒未満</translation>
    </message>
    <message>
        <source>About &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>約 &lt;b&gt;15&lt;/b&gt; 秒</translation>
    </message>
    <message>
        <source>About &lt;b&gt;30&lt;/b&gt; seconds</source>
        <translation>約 &lt;b&gt;30&lt;/b&gt; 秒</translation>
    </message>
    <message>
        <source>About &lt;b&gt;45&lt;/b&gt; seconds</source>
        <translation>約 &lt;b&gt;45&lt;/b&gt; 秒</translation>
    </message>
    <message>
        <source>About &lt;b&gt;1&lt;/b&gt; minute</source>
        <translation>約 &lt;b&gt;1&lt;/b&gt; 分</translation>
    </message>
    <message numerus="yes">
        <source>Less than &lt;b&gt;%n&lt;/b&gt; minutes</source>
        <translation>
            <numerusform>&lt;b&gt;%n&lt;/b&gt; 分未満</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; s/s</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; 倍速</translation>
    </message>
    <message>
        <source>Converting %1 to %2</source>
        <translation>%1 を %2 に変換中</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>計算中...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Conversion core module not found!
Please reinstall application.</source>
        <translation>変換モジュールが見つかりません。
アプリケーションを再インストールしてください。</translation>
    </message>
    <message>
        <source>Audio CD Ripping: Temporary WAV file</source>
        <translation>音楽 CD の取り込み: 一時 WAV ファイル</translation>
    </message>
    <message>
        <source>Ripping core module not found!
Please reinstall application.</source>
        <translation>取り込みモジュールが見つかりません。
アプリケーションを再インストールしてください。</translation>
    </message>
    <message>
        <source>The track could not be read from the disc.</source>
        <translation>ディスクからトラックを読み取れませんでした。</translation>
    </message>
    <message>
        <source>The target directory is not writable.
Please choose another directory.</source>
        <translation>保存先フォルダーに書き込めません。
別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Conversion error!
Make sure that the file you are trying to convert is a valid video or audio file.
</source>
        <translation>変換エラー
変換しようとしているファイルが正しい動画または音声ファイルか確認してください。
</translation>
    </message>
    <message>
        <source>Are your sure want to stop conversion and exit</source>
        <translation>変換を中止して終了しますか？</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>To set common settings open Tonewright in the start menu.
To change the volume of the file or add metadata select advanced conversion from Explorer.</source>
        <translation>全般の設定は、アプリケーションメニューから Tonewright を開いて行います。
ファイルの音量を変えたりメタデータを追加したりするには、ファイルマネージャーで詳細な変換を選んでください。</translation>
    </message>
    <message>
        <source>The file name is too long for the target folder.</source>
        <translation>ファイル名が長すぎるため、保存先フォルダーに保存できません。</translation>
    </message>
    <message>
        <source>The temporary file for the track could not be created.</source>
        <translation>トラック用の一時ファイルを作成できませんでした。</translation>
    </message>
    <message>
        <source>The target file was replaced by another program. Nothing was written to it.</source>
        <translation>変換先のファイルが別のプログラムに置き換えられました。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>This file is not an audio or video file.</source>
        <translation>このファイルは音声ファイルでも動画ファイルでもありません。</translation>
    </message>
    <message>
        <source>The target folder must be chosen, but no display is available; set targetdir.</source>
        <translation>保存先フォルダーを選ぶ必要がありますが、使用できるディスプレイがありません。targetdir を設定してください。</translation>
    </message>
    <message>
        <source>The target folder is not writable, and no display is available to choose another; set targetdir.</source>
        <translation>保存先フォルダーに書き込めず、別のフォルダーを選ぶためのディスプレイもありません。targetdir を設定してください。</translation>
    </message>
</context>
<context>
    <name>SoundmillGui</name>
    <message>
        <source>Tonewright Settings</source>
        <translation>Tonewright の設定</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>ビットレート:</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>既定値(&amp;D)</translation>
    </message>
    <message>
        <source>Target directory:</source>
        <translation>保存先フォルダー:</translation>
    </message>
    <message>
        <source>&amp;Same as the input</source>
        <translation>変換元と同じ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Ask before conversion</source>
        <translation>変換前に確認する(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Send anonymus bug reports:</source>
        <translation>匿名の不具合レポートを送信:</translation>
    </message>
    <message>
        <source>&amp;helps making Tonewright better</source>
        <translation>Tonewright の改善に役立ちます(&amp;H)</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#help&quot;&gt;Conversion help&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#help&quot;&gt;変換のヘルプ&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#about&quot;&gt;バージョン情報&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Conversion help</source>
        <translation>変換のヘルプ</translation>
    </message>
    <message>
        <source>Just go to Explorer or your desktop, select your audio/video file and right click on it.
Select Convert to *file type* to convert the file to *file type*.
If you want to increase the volume select advanced conversion.</source>
        <translation>ファイルマネージャーかデスクトップで音声または動画ファイルを選び、右クリックします。
「*ファイル形式* に変換」を選ぶと、そのファイルが *ファイル形式* に変換されます。
音量を上げたいときは、詳細な変換を選んでください。</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>Loudness tags:</source>
        <translation>ラウドネスタグ:</translation>
    </message>
    <message>
        <source>Album and track</source>
        <translation>アルバムとトラック</translation>
    </message>
    <message>
        <source>Track only</source>
        <translation>トラックのみ</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>TerminalView</name>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Stopped; %n file(s) not converted.</source>
        <translation>
            <numerusform>停止しました。%n 個のファイルは変換されていません。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cdtrack</name>
    <message>
        <source>The temporary-files folder does not exist.</source>
        <translation>一時ファイル用のフォルダーがありません。</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in %1: %2</source>
        <translation>%1 に一時ファイルを作成できません: %2</translation>
    </message>
</context>
<context>
    <name>mirror</name>
    <message>
        <source>convert %1 → %2</source>
        <translation>変換 %1 → %2</translation>
    </message>
    <message>
        <source>replace %1 → %2</source>
        <translation>置換 %1 → %2</translation>
    </message>
    <message>
        <source>copy %1 → %2</source>
        <translation>コピー %1 → %2</translation>
    </message>
    <message>
        <source>leave %1</source>
        <translation>そのまま %1</translation>
    </message>
    <message>
        <source>leave %1: changed since Tonewright wrote it</source>
        <translation>そのまま %1: Tonewright が書き込んだ後に変更あり</translation>
    </message>
    <message>
        <source>keep %1: written by a run cut short</source>
        <translation>保持 %1: 中断された実行で書き込み済み</translation>
    </message>
    <message>
        <source>trash %1</source>
        <translation>ゴミ箱へ移動 %1</translation>
    </message>
    <message>
        <source>left out %1</source>
        <translation>除外 %1</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>%1 is being updated by another Tonewright.</source>
        <translation>%1 は別の Tonewright が更新中です。</translation>
    </message>
    <message>
        <source>%1 is up to date: %2 converted, %3 moved to the trash, %4 unchanged.</source>
        <translation>%1 は最新です: 変換 %2 件、ゴミ箱へ移動 %3 件、変更なし %4 件。</translation>
    </message>
    <message>
        <source>%1: not a sound or video file</source>
        <translation>%1: 音声ファイルでも動画ファイルでもありません</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1: リンクのため、たどりません</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: 通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: 読み取れません</translation>
    </message>
    <message>
        <source>%1: the name is not valid text</source>
        <translation>%1: 名前が有効な文字列ではありません</translation>
    </message>
</context>
</TS>
