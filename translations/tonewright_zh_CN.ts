<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tonewright</source>
        <translation>关于 Tonewright</translation>
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
        <translation>本软件可免费使用。</translation>
    </message>
    <message>
        <source>Share with your friends and enjoy it.</source>
        <translation>欢迎分享给朋友，尽情使用。</translation>
    </message>
    <message>
        <source>This application uses FFmpeg as a standalone executable; its builds can be found at %1.</source>
        <translation>本程序以独立可执行文件的形式使用 FFmpeg；其构建版本可在 %1 获取。</translation>
    </message>
    <message>
        <source>You can download the source code on the site above.</source>
        <translation>您可以从上面的网站下载源代码。</translation>
    </message>
    <message>
        <source>No FFmpeg libraries were built into this application.</source>
        <translation>本程序未内置任何 FFmpeg 库。</translation>
    </message>
    <message>
        <source>See %1 for more information in the installation directory if Tonewright.</source>
        <translation>详情请参阅 Tonewright 安装文件夹中的 %1。</translation>
    </message>
</context>
<context>
    <name>AdPanel</name>
    <message>
        <source>Update available</source>
        <translation>有可用更新</translation>
    </message>
    <message>
        <source>Tonewright had been updated!
Please download the fresh version to avoid bugs and other problems.
Would you like to download it now?</source>
        <translation>Tonewright 已有新版本！
请下载新版本，以免遇到错误和其他问题。
要现在下载吗？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>AdvancedOptions</name>
    <message>
        <source>Advanced Conversion Options</source>
        <translation>高级转换选项</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>高级选项</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>转换为：</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>音量：</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>（未设置）</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>艺术家：</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>专辑：</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年份：</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>取消(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Conversion settings</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>转换(&amp;C)</translation>
    </message>
    <message numerus="yes">
        <source>Advanced Conversion Options (%n files)</source>
        <translation>
            <numerusform>高级转换选项（%n 个文件）</numerusform>
        </translation>
    </message>
    <message>
        <source>(each file keeps its own)</source>
        <translation>（各文件保留自己的标题）</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 may be given only once</source>
        <translation>--%1 只能指定一次</translation>
    </message>
    <message>
        <source>--volume takes one of %1</source>
        <translation>--volume 只接受以下值之一：%1</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year 只接受 %1 到 %2 之间的年份</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp</source>
        <translation>--each 需要一个格式词或 ppp</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp, not &quot;%1&quot;</source>
        <translation>--each 需要一个格式词或 ppp，而不是“%1”</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: its name is not valid text.</source>
        <translation>无法打开文件“%1”：其名称不是有效的文本。</translation>
    </message>
    <message>
        <source>Only local files can be converted, not &quot;%1&quot;.</source>
        <translation>只能转换本地文件，不能转换“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no file; it is left out.</source>
        <translation>“%1”不是文件，已跳过。</translation>
    </message>
    <message>
        <source>--replaygain takes album, track or off</source>
        <translation>--replaygain 只接受以下值之一：album、track、off</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is malformed.</source>
        <translation>地址“%1”格式不正确。</translation>
    </message>
    <message>
        <source>This needs a dialog, but no display is available. Name the format and the file on the command line, as in: tonewright mp3 song.flac</source>
        <translation>此操作需要对话框，但没有可用的显示器。请在命令行中指定格式和文件，例如：tonewright mp3 song.flac</translation>
    </message>
    <message>
        <source>No folder was chosen for the mirror.</source>
        <translation>未选择用于存放转换副本的文件夹。</translation>
    </message>
    <message>
        <source>--into and --dry-run go with a folder to convert</source>
        <translation>--into 和 --dry-run 需要与要转换的文件夹一起使用</translation>
    </message>
    <message>
        <source>--into takes a single folder</source>
        <translation>--into 只能指定一个文件夹</translation>
    </message>
</context>
<context>
    <name>ConversionFrame</name>
    <message>
        <source>Tonewright - easy music conversion</source>
        <translation>Tonewright - 轻松转换音乐</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://settings&quot;&gt;Settings&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://settings&quot;&gt;设置&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://about&quot;&gt;关于&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ConversionQueue</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>该文件已不存在。</translation>
    </message>
    <message>
        <source>The file was replaced by another program.</source>
        <translation>该文件已被其他程序替换。</translation>
    </message>
    <message>
        <source>This is not a file that can be converted.</source>
        <translation>这不是可以转换的文件。</translation>
    </message>
</context>
<context>
    <name>ConversionWindow</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>确认</translation>
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
        <translation>选择要转换的文件</translation>
    </message>
    <message>
        <source>(not selected)</source>
        <translation>（未选择）</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;You can also start a conversion by right clicking the file you want to convert and selecting &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Convert to [format]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; in Explorer.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;您也可以在文件管理器中右键单击要转换的文件，然后选择&lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;转换为 [格式]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;来开始转换。&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>取消(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>继续(&amp;C)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Please browse for a file you want to convert!
</source>
        <translation>请选择要转换的文件！
</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>MirrorUpdate</name>
    <message>
        <source>Updating %1</source>
        <translation>正在更新 %1</translation>
    </message>
    <message numerus="yes">
        <source>Updating %Ln folders to %1</source>
        <translation>
            <numerusform>正在更新 %Ln 个文件夹（%1）</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>Looking through %1… %Ln files</source>
        <translation>
            <numerusform>正在查看 %1… %Ln 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no files now (is its disk mounted?); %2 was left as it is.</source>
        <translation>%1 中现在没有文件（磁盘是否已挂载？）；%2 保持原样。</translation>
    </message>
    <message>
        <source>Copying %L1 of %L2 files…</source>
        <translation>正在复制第 %L1 个文件，共 %L2 个…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 was changed since Tonewright wrote it and was left alone.</source>
        <translation>%1 在 Tonewright 写入后已被更改，因此保持原样。</translation>
    </message>
</context>
<context>
    <name>MirrorSession</name>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>无法使用 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be made a folder.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 appeared meanwhile and was left alone.</source>
        <translation>%1 是在此期间新出现的，因此保持原样。</translation>
    </message>
    <message>
        <source>%1 was changed meanwhile and was left alone.</source>
        <translation>%1 在此期间已被更改，因此保持原样。</translation>
    </message>
    <message>
        <source>%1 cannot be copied: %2</source>
        <translation>无法复制 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash.</source>
        <translation>无法将 %1 移到回收站。</translation>
    </message>
    <message>
        <source>%1 did not get its album&apos;s loudness values.</source>
        <translation>%1 未能写入其专辑的响度值。</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>The SQLite library cannot be loaded.</source>
        <translation>无法加载 SQLite 库。</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source>%1 of %Ln files converted.</source>
        <translation>
            <numerusform>已转换 %Ln 个文件中的 %1 个。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files could not be converted.</source>
        <translation>
            <numerusform>%Ln 个文件中有 %1 个无法转换。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Converted:</source>
        <translation>已转换：</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>剩余时间：</translation>
    </message>
    <message>
        <source>Now converting:</source>
        <translation>正在转换：</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files to %1</source>
        <translation>
            <numerusform>正在将 %n 个文件转换为 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>正在计算...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted</source>
        <translation>
            <numerusform>%1/%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted, %2 failed</source>
        <translation>
            <numerusform>%1/%n，失败 %2 个</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>%n 个文件中有 %1 个无法转换。</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop converting? The last file not yet converted will be skipped.</source>
        <translation>要停止转换吗？最后一个尚未转换的文件将被跳过。</translation>
    </message>
    <message numerus="yes">
        <source>Stop converting? The %n files not yet converted will be skipped.</source>
        <translation>
            <numerusform>要停止转换吗？尚未转换的 %n 个文件将被跳过。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Soundmill</name>
    <message>
        <source>Source:</source>
        <translation>源文件：</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>目标文件：</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>剩余时间：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>Less than &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>不到 &lt;b&gt;15&lt;/b&gt; 秒</translation>
    </message>
    <message>
        <source>About &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>约 &lt;b&gt;15&lt;/b&gt; 秒</translation>
    </message>
    <message>
        <source>About &lt;b&gt;30&lt;/b&gt; seconds</source>
        <translation>约 &lt;b&gt;30&lt;/b&gt; 秒</translation>
    </message>
    <message>
        <source>About &lt;b&gt;45&lt;/b&gt; seconds</source>
        <translation>约 &lt;b&gt;45&lt;/b&gt; 秒</translation>
    </message>
    <message>
        <source>About &lt;b&gt;1&lt;/b&gt; minute</source>
        <translation>约 &lt;b&gt;1&lt;/b&gt; 分钟</translation>
    </message>
    <message numerus="yes">
        <source>Less than &lt;b&gt;%n&lt;/b&gt; minutes</source>
        <translation>
            <numerusform>不到 &lt;b&gt;%n&lt;/b&gt; 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; s/s</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; 倍速</translation>
    </message>
    <message>
        <source>Converting %1 to %2</source>
        <translation>正在将 %1 转换为 %2</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>正在计算...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Conversion core module not found!
Please reinstall application.</source>
        <translation>未找到转换核心模块！
请重新安装本程序。</translation>
    </message>
    <message>
        <source>Audio CD Ripping: Temporary WAV file</source>
        <translation>音频 CD 抓取：临时 WAV 文件</translation>
    </message>
    <message>
        <source>Ripping core module not found!
Please reinstall application.</source>
        <translation>未找到抓取核心模块！
请重新安装本程序。</translation>
    </message>
    <message>
        <source>The track could not be read from the disc.</source>
        <translation>无法从光盘读取该音轨。</translation>
    </message>
    <message>
        <source>The target directory is not writable.
Please choose another directory.</source>
        <translation>目标文件夹不可写。
请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Conversion error!
Make sure that the file you are trying to convert is a valid video or audio file.
</source>
        <translation>转换出错！
请确认要转换的文件是有效的视频或音频文件。
</translation>
    </message>
    <message>
        <source>Are your sure want to stop conversion and exit</source>
        <translation>确定要停止转换并退出吗？</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>To set common settings open Tonewright in the start menu.
To change the volume of the file or add metadata select advanced conversion from Explorer.</source>
        <translation>要更改常规设置，请从应用程序菜单中打开 Tonewright。
要更改文件音量或添加元数据，请在文件管理器中选择高级转换。</translation>
    </message>
    <message>
        <source>The file name is too long for the target folder.</source>
        <translation>文件名太长，无法保存到目标文件夹。</translation>
    </message>
    <message>
        <source>The temporary file for the track could not be created.</source>
        <translation>无法为该音轨创建临时文件。</translation>
    </message>
    <message>
        <source>The target file was replaced by another program. Nothing was written to it.</source>
        <translation>目标文件已被其他程序替换，未向其写入任何内容。</translation>
    </message>
    <message>
        <source>This file is not an audio or video file.</source>
        <translation>此文件不是音频或视频文件。</translation>
    </message>
    <message>
        <source>The target folder must be chosen, but no display is available; set targetdir.</source>
        <translation>需要选择目标文件夹，但没有可用的显示器；请设置 targetdir。</translation>
    </message>
    <message>
        <source>The target folder is not writable, and no display is available to choose another; set targetdir.</source>
        <translation>目标文件夹不可写，且没有可用的显示器来选择其他文件夹；请设置 targetdir。</translation>
    </message>
</context>
<context>
    <name>SoundmillGui</name>
    <message>
        <source>Tonewright Settings</source>
        <translation>Tonewright 设置</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>比特率：</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>默认(&amp;D)</translation>
    </message>
    <message>
        <source>Target directory:</source>
        <translation>目标文件夹：</translation>
    </message>
    <message>
        <source>&amp;Same as the input</source>
        <translation>与源文件相同(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Ask before conversion</source>
        <translation>转换前询问(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Send anonymus bug reports:</source>
        <translation>发送匿名错误报告：</translation>
    </message>
    <message>
        <source>&amp;helps making Tonewright better</source>
        <translation>帮助改进 Tonewright(&amp;H)</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#help&quot;&gt;Conversion help&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#help&quot;&gt;转换帮助&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#about&quot;&gt;关于&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Conversion help</source>
        <translation>转换帮助</translation>
    </message>
    <message>
        <source>Just go to Explorer or your desktop, select your audio/video file and right click on it.
Select Convert to *file type* to convert the file to *file type*.
If you want to increase the volume select advanced conversion.</source>
        <translation>打开文件管理器或桌面，选中音频或视频文件并右键单击。
选择“转换为 *文件类型*”即可将文件转换为 *文件类型*。
如需提高音量，请选择高级转换。</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>Loudness tags:</source>
        <translation>响度标签：</translation>
    </message>
    <message>
        <source>Album and track</source>
        <translation>专辑和音轨</translation>
    </message>
    <message>
        <source>Track only</source>
        <translation>仅音轨</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
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
        <translation>剩余 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>Stopped; %n file(s) not converted.</source>
        <translation>
            <numerusform>已停止；%n 个文件未转换。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cdtrack</name>
    <message>
        <source>The temporary-files folder does not exist.</source>
        <translation>临时文件夹不存在。</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in %1: %2</source>
        <translation>无法在 %1 中创建临时文件：%2</translation>
    </message>
</context>
<context>
    <name>mirror</name>
    <message>
        <source>convert %1 → %2</source>
        <translation>转换 %1 → %2</translation>
    </message>
    <message>
        <source>replace %1 → %2</source>
        <translation>替换 %1 → %2</translation>
    </message>
    <message>
        <source>copy %1 → %2</source>
        <translation>复制 %1 → %2</translation>
    </message>
    <message>
        <source>leave %1</source>
        <translation>不动 %1</translation>
    </message>
    <message>
        <source>leave %1: changed since Tonewright wrote it</source>
        <translation>不动 %1：Tonewright 写入后已被更改</translation>
    </message>
    <message>
        <source>keep %1: written by a run cut short</source>
        <translation>保留 %1：由中断的运行写入</translation>
    </message>
    <message>
        <source>trash %1</source>
        <translation>移到回收站 %1</translation>
    </message>
    <message>
        <source>left out %1</source>
        <translation>已排除 %1</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>%1 is being updated by another Tonewright.</source>
        <translation>%1 正由另一个 Tonewright 更新。</translation>
    </message>
    <message>
        <source>%1 is up to date: %2 converted, %3 moved to the trash, %4 unchanged.</source>
        <translation>%1 已是最新：已转换 %2 个，已移到回收站 %3 个，未更改 %4 个。</translation>
    </message>
    <message>
        <source>%1: not a sound or video file</source>
        <translation>%1：不是音频或视频文件</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1：是链接，不跟随</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1：不是普通文件</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1：无法读取</translation>
    </message>
    <message>
        <source>%1: the name is not valid text</source>
        <translation>%1：名称不是有效的文本</translation>
    </message>
</context>
</TS>
