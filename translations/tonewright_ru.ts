<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tonewright</source>
        <translation>О программе Tonewright</translation>
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
        <translation>Эта программа бесплатна.</translation>
    </message>
    <message>
        <source>Share with your friends and enjoy it.</source>
        <translation>Поделитесь ею с друзьями и пользуйтесь с удовольствием.</translation>
    </message>
    <message>
        <source>This application uses FFmpeg as a standalone executable; its builds can be found at %1.</source>
        <translation>Это приложение использует FFmpeg как отдельную программу; её сборки можно найти по адресу %1.</translation>
    </message>
    <message>
        <source>You can download the source code on the site above.</source>
        <translation>Исходный код можно скачать на сайте, указанном выше.</translation>
    </message>
    <message>
        <source>No FFmpeg libraries were built into this application.</source>
        <translation>Библиотеки FFmpeg не встроены в это приложение.</translation>
    </message>
    <message>
        <source>See %1 for more information in the installation directory if Tonewright.</source>
        <translation>Подробнее см. %1 в папке установки Tonewright.</translation>
    </message>
</context>
<context>
    <name>AdPanel</name>
    <message>
        <source>Update available</source>
        <translation>Доступно обновление</translation>
    </message>
    <message>
        <source>Tonewright had been updated!
Please download the fresh version to avoid bugs and other problems.
Would you like to download it now?</source>
        <translation>Вышла новая версия Tonewright!
Скачайте её, чтобы избежать ошибок и других проблем.
Скачать сейчас?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>AdvancedOptions</name>
    <message>
        <source>Advanced Conversion Options</source>
        <translation>Расширенные параметры преобразования</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Расширенные параметры</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Громкость:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(не задано)</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Исполнитель:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Альбом:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Год:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>&amp;Conversion settings</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Преобразовать</translation>
    </message>
    <message numerus="yes">
        <source>Advanced Conversion Options (%n files)</source>
        <translation>
            <numerusform>Расширенные параметры преобразования (%n файл)</numerusform>
            <numerusform>Расширенные параметры преобразования (%n файла)</numerusform>
            <numerusform>Расширенные параметры преобразования (%n файлов)</numerusform>
        </translation>
    </message>
    <message>
        <source>(each file keeps its own)</source>
        <translation>(у каждого файла своё)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 may be given only once</source>
        <translation>--%1 можно указать только один раз</translation>
    </message>
    <message>
        <source>--volume takes one of %1</source>
        <translation>--volume принимает одно из значений: %1</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year принимает год от %1 до %2</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp</source>
        <translation>--each требует указать формат или ppp</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp, not &quot;%1&quot;</source>
        <translation>--each требует указать формат или ppp, а не «%1»</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: its name is not valid text.</source>
        <translation>Не удаётся открыть файл «%1»: его имя не является допустимым текстом.</translation>
    </message>
    <message>
        <source>Only local files can be converted, not &quot;%1&quot;.</source>
        <translation>Преобразовывать можно только локальные файлы, а не «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no file; it is left out.</source>
        <translation>«%1» не является файлом и будет пропущен.</translation>
    </message>
    <message>
        <source>--replaygain takes album, track or off</source>
        <translation>--replaygain принимает одно из значений: album, track, off</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is malformed.</source>
        <translation>Адрес «%1» задан неверно.</translation>
    </message>
    <message>
        <source>This needs a dialog, but no display is available. Name the format and the file on the command line, as in: tonewright mp3 song.flac</source>
        <translation>Для этого нужно диалоговое окно, но экран недоступен. Укажите формат и файл в командной строке, например: tonewright mp3 song.flac</translation>
    </message>
    <message>
        <source>No folder was chosen for the mirror.</source>
        <translation>Не выбрана папка для преобразованной копии.</translation>
    </message>
    <message>
        <source>--into and --dry-run go with a folder to convert</source>
        <translation>--into и --dry-run используются только с папкой для преобразования</translation>
    </message>
    <message>
        <source>--into takes a single folder</source>
        <translation>--into принимает только одну папку</translation>
    </message>
</context>
<context>
    <name>ConversionFrame</name>
    <message>
        <source>Tonewright - easy music conversion</source>
        <translation>Tonewright - простое преобразование музыки</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://settings&quot;&gt;Settings&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://settings&quot;&gt;Настройки&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://about&quot;&gt;О программе&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
</context>
<context>
    <name>ConversionQueue</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>Файл больше не существует.</translation>
    </message>
    <message>
        <source>The file was replaced by another program.</source>
        <translation>Файл был заменён другой программой.</translation>
    </message>
    <message>
        <source>This is not a file that can be converted.</source>
        <translation>Это не файл, который можно преобразовать.</translation>
    </message>
</context>
<context>
    <name>ConversionWindow</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
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
        <translation>Выберите файл для преобразования</translation>
    </message>
    <message>
        <source>(not selected)</source>
        <translation>(не выбран)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Обзор...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;You can also start a conversion by right clicking the file you want to convert and selecting &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Convert to [format]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; in Explorer.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Можно также щёлкнуть файл правой кнопкой мыши в файловом менеджере и выбрать &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Преобразовать в [формат]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Please browse for a file you want to convert!
</source>
        <translation>Выберите файл, который нужно преобразовать!
</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>MirrorUpdate</name>
    <message>
        <source>Updating %1</source>
        <translation>Обновление: %1</translation>
    </message>
    <message numerus="yes">
        <source>Updating %Ln folders to %1</source>
        <translation>
            <numerusform>Обновление %Ln папки в %1</numerusform>
            <numerusform>Обновление %Ln папок в %1</numerusform>
            <numerusform>Обновление %Ln папок в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Looking through %1… %Ln files</source>
        <translation>
            <numerusform>Просмотр: %1… %Ln файл</numerusform>
            <numerusform>Просмотр: %1… %Ln файла</numerusform>
            <numerusform>Просмотр: %1… %Ln файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no files now (is its disk mounted?); %2 was left as it is.</source>
        <translation>В %1 сейчас нет файлов (подключён ли диск?); папка %2 оставлена без изменений.</translation>
    </message>
    <message>
        <source>Copying %L1 of %L2 files…</source>
        <translation>Копируется файл %L1 из %L2…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 was changed since Tonewright wrote it and was left alone.</source>
        <translation>Файл %1 изменён после того, как его записал Tonewright, и оставлен как есть.</translation>
    </message>
</context>
<context>
    <name>MirrorSession</name>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>Не удаётся использовать %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made a folder.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>%1 appeared meanwhile and was left alone.</source>
        <translation>Файл %1 тем временем появился и оставлен как есть.</translation>
    </message>
    <message>
        <source>%1 was changed meanwhile and was left alone.</source>
        <translation>Файл %1 тем временем изменился и оставлен как есть.</translation>
    </message>
    <message>
        <source>%1 cannot be copied: %2</source>
        <translation>Не удаётся скопировать %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash.</source>
        <translation>Не удаётся переместить %1 в корзину.</translation>
    </message>
    <message>
        <source>%1 did not get its album&apos;s loudness values.</source>
        <translation>%1 не получил значения громкости своего альбома.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>The SQLite library cannot be loaded.</source>
        <translation>Не удаётся загрузить библиотеку SQLite.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source>%1 of %Ln files converted.</source>
        <translation>
            <numerusform>Преобразовано %1 из %Ln файла.</numerusform>
            <numerusform>Преобразовано %1 из %Ln файлов.</numerusform>
            <numerusform>Преобразовано %1 из %Ln файлов.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files could not be converted.</source>
        <translation>
            <numerusform>Не удалось преобразовать %1 из %Ln файла.</numerusform>
            <numerusform>Не удалось преобразовать %1 из %Ln файлов.</numerusform>
            <numerusform>Не удалось преобразовать %1 из %Ln файлов.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Converted:</source>
        <translation>Преобразовано:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Осталось:</translation>
    </message>
    <message>
        <source>Now converting:</source>
        <translation>В работе:</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files to %1</source>
        <translation>
            <numerusform>Преобразуется %n файл в %1</numerusform>
            <numerusform>Преобразуются %n файла в %1</numerusform>
            <numerusform>Преобразуется %n файлов в %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Вычисление...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted</source>
        <translation>
            <numerusform>%1 из %n</numerusform>
            <numerusform>%1 из %n</numerusform>
            <numerusform>%1 из %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted, %2 failed</source>
        <translation>
            <numerusform>%1 из %n, ошибок: %2</numerusform>
            <numerusform>%1 из %n, ошибок: %2</numerusform>
            <numerusform>%1 из %n, ошибок: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>Не удалось преобразовать %1 из %n файла.</numerusform>
            <numerusform>Не удалось преобразовать %1 из %n файлов.</numerusform>
            <numerusform>Не удалось преобразовать %1 из %n файлов.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop converting? The last file not yet converted will be skipped.</source>
        <translation>Остановить преобразование? Последний ещё не преобразованный файл будет пропущен.</translation>
    </message>
    <message numerus="yes">
        <source>Stop converting? The %n files not yet converted will be skipped.</source>
        <translation>
            <numerusform>Остановить преобразование? %n ещё не преобразованный файл будет пропущен.</numerusform>
            <numerusform>Остановить преобразование? %n ещё не преобразованных файла будут пропущены.</numerusform>
            <numerusform>Остановить преобразование? %n ещё не преобразованных файлов будут пропущены.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Soundmill</name>
    <message>
        <source>Source:</source>
        <translation>Источник:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Результат:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Осталось:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Less than &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Меньше &lt;b&gt;15&lt;/b&gt; секунд</translation>
    </message>
    <message>
        <source>About &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Около &lt;b&gt;15&lt;/b&gt; секунд</translation>
    </message>
    <message>
        <source>About &lt;b&gt;30&lt;/b&gt; seconds</source>
        <translation>Около &lt;b&gt;30&lt;/b&gt; секунд</translation>
    </message>
    <message>
        <source>About &lt;b&gt;45&lt;/b&gt; seconds</source>
        <translation>Около &lt;b&gt;45&lt;/b&gt; секунд</translation>
    </message>
    <message>
        <source>About &lt;b&gt;1&lt;/b&gt; minute</source>
        <translation>Около &lt;b&gt;1&lt;/b&gt; минуты</translation>
    </message>
    <message numerus="yes">
        <source>Less than &lt;b&gt;%n&lt;/b&gt; minutes</source>
        <translation>
            <numerusform>Меньше &lt;b&gt;%n&lt;/b&gt; минуты</numerusform>
            <numerusform>Меньше &lt;b&gt;%n&lt;/b&gt; минут</numerusform>
            <numerusform>Меньше &lt;b&gt;%n&lt;/b&gt; минут</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; s/s</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; с/с</translation>
    </message>
    <message>
        <source>Converting %1 to %2</source>
        <translation>Преобразование %1 в %2</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Вычисление...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Conversion core module not found!
Please reinstall application.</source>
        <translation>Модуль преобразования не найден!
Переустановите приложение.</translation>
    </message>
    <message>
        <source>Audio CD Ripping: Temporary WAV file</source>
        <translation>Чтение аудио-CD: временный файл WAV</translation>
    </message>
    <message>
        <source>Ripping core module not found!
Please reinstall application.</source>
        <translation>Модуль чтения CD не найден!
Переустановите приложение.</translation>
    </message>
    <message>
        <source>The track could not be read from the disc.</source>
        <translation>Не удалось прочитать дорожку с диска.</translation>
    </message>
    <message>
        <source>The target directory is not writable.
Please choose another directory.</source>
        <translation>Запись в папку назначения невозможна.
Выберите другую папку.</translation>
    </message>
    <message>
        <source>Conversion error!
Make sure that the file you are trying to convert is a valid video or audio file.
</source>
        <translation>Ошибка преобразования!
Убедитесь, что преобразуемый файл является корректным аудио- или видеофайлом.
</translation>
    </message>
    <message>
        <source>Are your sure want to stop conversion and exit</source>
        <translation>Остановить преобразование и выйти?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>To set common settings open Tonewright in the start menu.
To change the volume of the file or add metadata select advanced conversion from Explorer.</source>
        <translation>Чтобы изменить общие настройки, откройте Tonewright из меню приложений.
Чтобы изменить громкость файла или добавить метаданные, выберите в файловом менеджере расширенное преобразование.</translation>
    </message>
    <message>
        <source>The file name is too long for the target folder.</source>
        <translation>Имя файла слишком длинное для папки назначения.</translation>
    </message>
    <message>
        <source>The temporary file for the track could not be created.</source>
        <translation>Не удалось создать временный файл для дорожки.</translation>
    </message>
    <message>
        <source>The target file was replaced by another program. Nothing was written to it.</source>
        <translation>Файл результата был заменён другой программой. В него ничего не записано.</translation>
    </message>
    <message>
        <source>This file is not an audio or video file.</source>
        <translation>Этот файл не является аудио- или видеофайлом.</translation>
    </message>
    <message>
        <source>The target folder must be chosen, but no display is available; set targetdir.</source>
        <translation>Нужно выбрать папку назначения, но экран недоступен; задайте targetdir.</translation>
    </message>
    <message>
        <source>The target folder is not writable, and no display is available to choose another; set targetdir.</source>
        <translation>В папку назначения нельзя записывать, а экрана для выбора другой нет; задайте targetdir.</translation>
    </message>
</context>
<context>
    <name>SoundmillGui</name>
    <message>
        <source>Tonewright Settings</source>
        <translation>Настройки Tonewright</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Битрейт:</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>По &amp;умолчанию</translation>
    </message>
    <message>
        <source>Target directory:</source>
        <translation>Папка назначения:</translation>
    </message>
    <message>
        <source>&amp;Same as the input</source>
        <translation>&amp;Как у источника</translation>
    </message>
    <message>
        <source>&amp;Ask before conversion</source>
        <translation>&amp;Спрашивать</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Обзор...</translation>
    </message>
    <message>
        <source>Send anonymus bug reports:</source>
        <translation>Анонимные отчёты об ошибках:</translation>
    </message>
    <message>
        <source>&amp;helps making Tonewright better</source>
        <translation>&amp;помогает улучшить Tonewright</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#help&quot;&gt;Conversion help&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#help&quot;&gt;Справка&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#about&quot;&gt;О программе&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Conversion help</source>
        <translation>Справка по преобразованию</translation>
    </message>
    <message>
        <source>Just go to Explorer or your desktop, select your audio/video file and right click on it.
Select Convert to *file type* to convert the file to *file type*.
If you want to increase the volume select advanced conversion.</source>
        <translation>Откройте файловый менеджер или рабочий стол, выделите аудио- или видеофайл и щёлкните по нему правой кнопкой мыши.
Выберите «Преобразовать в *тип файла*», чтобы преобразовать файл в *тип файла*.
Чтобы увеличить громкость, выберите расширенное преобразование.</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 кбит/с</translation>
    </message>
    <message>
        <source>Loudness tags:</source>
        <translation>Теги громкости:</translation>
    </message>
    <message>
        <source>Album and track</source>
        <translation>Альбом и трек</translation>
    </message>
    <message>
        <source>Track only</source>
        <translation>Только трек</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
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
        <translation>осталось %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Stopped; %n file(s) not converted.</source>
        <translation>
            <numerusform>Остановлено; %n файл не преобразован.</numerusform>
            <numerusform>Остановлено; %n файла не преобразованы.</numerusform>
            <numerusform>Остановлено; %n файлов не преобразовано.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cdtrack</name>
    <message>
        <source>The temporary-files folder does not exist.</source>
        <translation>Папка для временных файлов не существует.</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in %1: %2</source>
        <translation>Не удалось создать временный файл в %1: %2</translation>
    </message>
</context>
<context>
    <name>mirror</name>
    <message>
        <source>convert %1 → %2</source>
        <translation>преобразовать %1 → %2</translation>
    </message>
    <message>
        <source>replace %1 → %2</source>
        <translation>заменить %1 → %2</translation>
    </message>
    <message>
        <source>copy %1 → %2</source>
        <translation>скопировать %1 → %2</translation>
    </message>
    <message>
        <source>leave %1</source>
        <translation>оставить %1</translation>
    </message>
    <message>
        <source>leave %1: changed since Tonewright wrote it</source>
        <translation>оставить %1: изменён после записи Tonewright</translation>
    </message>
    <message>
        <source>keep %1: written by a run cut short</source>
        <translation>сохранить %1: записан прерванным запуском</translation>
    </message>
    <message>
        <source>trash %1</source>
        <translation>переместить в корзину %1</translation>
    </message>
    <message>
        <source>left out %1</source>
        <translation>пропущено %1</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>%1 is being updated by another Tonewright.</source>
        <translation>Папку %1 сейчас обновляет другой экземпляр Tonewright.</translation>
    </message>
    <message>
        <source>%1 is up to date: %2 converted, %3 moved to the trash, %4 unchanged.</source>
        <translation>Папка %1 актуальна: преобразовано %2, перемещено в корзину %3, без изменений %4.</translation>
    </message>
    <message>
        <source>%1: not a sound or video file</source>
        <translation>%1: не аудио- и не видеофайл</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1: ссылка, переход не выполняется</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: не обычный файл</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: не удаётся прочитать</translation>
    </message>
    <message>
        <source>%1: the name is not valid text</source>
        <translation>%1: имя не является допустимым текстом</translation>
    </message>
</context>
</TS>
