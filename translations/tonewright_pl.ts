<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tonewright</source>
        <translation>O programie Tonewright</translation>
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
        <translation>Ten program jest darmowy.</translation>
    </message>
    <message>
        <source>Share with your friends and enjoy it.</source>
        <translation>Poleć go znajomym i korzystaj z przyjemnością.</translation>
    </message>
    <message>
        <source>This application uses FFmpeg as a standalone executable; its builds can be found at %1.</source>
        <translation>Ten program używa FFmpeg jako osobnego programu wykonywalnego; jego kompilacje są dostępne pod adresem %1.</translation>
    </message>
    <message>
        <source>You can download the source code on the site above.</source>
        <translation>Kod źródłowy można pobrać ze strony podanej powyżej.</translation>
    </message>
    <message>
        <source>No FFmpeg libraries were built into this application.</source>
        <translation>W ten program nie wbudowano żadnych bibliotek FFmpeg.</translation>
    </message>
    <message>
        <source>See %1 for more information in the installation directory if Tonewright.</source>
        <translation>Więcej informacji znajduje się w pliku %1 w katalogu instalacyjnym programu Tonewright.</translation>
    </message>
</context>
<context>
    <name>AdPanel</name>
    <message>
        <source>Update available</source>
        <translation>Dostępna aktualizacja</translation>
    </message>
    <message>
        <source>Tonewright had been updated!
Please download the fresh version to avoid bugs and other problems.
Would you like to download it now?</source>
        <translation>Jest nowa wersja programu Tonewright!
Pobierz ją, aby uniknąć błędów i innych problemów.
Czy pobrać ją teraz?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>AdvancedOptions</name>
    <message>
        <source>Advanced Conversion Options</source>
        <translation>Zaawansowane opcje konwersji</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Opcje zaawansowane</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Konwertuj do:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Głośność:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Tytuł:</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nie ustawiono)</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Wykonawca:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Rok:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Conversion settings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Konwertuj</translation>
    </message>
    <message numerus="yes">
        <source>Advanced Conversion Options (%n files)</source>
        <translation>
            <numerusform>Zaawansowane opcje konwersji (%n plik)</numerusform>
            <numerusform>Zaawansowane opcje konwersji (%n pliki)</numerusform>
            <numerusform>Zaawansowane opcje konwersji (%n plików)</numerusform>
        </translation>
    </message>
    <message>
        <source>(each file keeps its own)</source>
        <translation>(każdy plik zachowuje własny)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 may be given only once</source>
        <translation>--%1 można podać tylko raz</translation>
    </message>
    <message>
        <source>--volume takes one of %1</source>
        <translation>--volume przyjmuje jedną z wartości: %1</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year przyjmuje rok od %1 do %2</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp</source>
        <translation>--each wymaga słowa formatu lub ppp</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp, not &quot;%1&quot;</source>
        <translation>--each wymaga słowa formatu lub ppp, a nie „%1”</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: its name is not valid text.</source>
        <translation>Nie można otworzyć pliku „%1”: jego nazwa nie jest prawidłowym tekstem.</translation>
    </message>
    <message>
        <source>Only local files can be converted, not &quot;%1&quot;.</source>
        <translation>Można konwertować tylko pliki lokalne, a nie „%1”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no file; it is left out.</source>
        <translation>„%1” nie jest plikiem; zostanie pominięty.</translation>
    </message>
    <message>
        <source>--replaygain takes album, track or off</source>
        <translation>--replaygain przyjmuje jedną z wartości: album, track, off</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is malformed.</source>
        <translation>Adres „%1” jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>This needs a dialog, but no display is available. Name the format and the file on the command line, as in: tonewright mp3 song.flac</source>
        <translation>To wymaga okna dialogowego, ale żaden ekran nie jest dostępny. Podaj format i plik w wierszu poleceń, na przykład: tonewright mp3 song.flac</translation>
    </message>
    <message>
        <source>No folder was chosen for the mirror.</source>
        <translation>Nie wybrano folderu dla przekonwertowanej kopii.</translation>
    </message>
    <message>
        <source>--into and --dry-run go with a folder to convert</source>
        <translation>--into i --dry-run wymagają folderu do konwersji</translation>
    </message>
    <message>
        <source>--into takes a single folder</source>
        <translation>--into przyjmuje tylko jeden folder</translation>
    </message>
</context>
<context>
    <name>ConversionFrame</name>
    <message>
        <source>Tonewright - easy music conversion</source>
        <translation>Tonewright - łatwa konwersja muzyki</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://settings&quot;&gt;Settings&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://settings&quot;&gt;Ustawienia&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://about&quot;&gt;O programie&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>ConversionQueue</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>Plik już nie istnieje.</translation>
    </message>
    <message>
        <source>The file was replaced by another program.</source>
        <translation>Plik został zastąpiony przez inny program.</translation>
    </message>
    <message>
        <source>This is not a file that can be converted.</source>
        <translation>To nie jest plik, który można przekonwertować.</translation>
    </message>
</context>
<context>
    <name>ConversionWindow</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pytanie</translation>
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
        <translation>Wybierz plik do konwersji</translation>
    </message>
    <message>
        <source>(not selected)</source>
        <translation>(nie wybrano)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;You can also start a conversion by right clicking the file you want to convert and selecting &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Convert to [format]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; in Explorer.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Konwersję można też rozpocząć w menedżerze plików: kliknij plik prawym przyciskiem myszy i wybierz &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Konwertuj do [format]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Please browse for a file you want to convert!
</source>
        <translation>Wybierz plik, który chcesz przekonwertować!
</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>MirrorUpdate</name>
    <message>
        <source>Updating %1</source>
        <translation>Aktualizacja: %1</translation>
    </message>
    <message numerus="yes">
        <source>Updating %Ln folders to %1</source>
        <translation>
            <numerusform>Aktualizacja %Ln folderu do %1</numerusform>
            <numerusform>Aktualizacja %Ln folderów do %1</numerusform>
            <numerusform>Aktualizacja %Ln folderów do %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Looking through %1… %Ln files</source>
        <translation>
            <numerusform>Przeglądanie: %1… %Ln plik</numerusform>
            <numerusform>Przeglądanie: %1… %Ln pliki</numerusform>
            <numerusform>Przeglądanie: %1… %Ln plików</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no files now (is its disk mounted?); %2 was left as it is.</source>
        <translation>%1 nie zawiera teraz żadnych plików (czy dysk jest zamontowany?); %2 pozostawiono bez zmian.</translation>
    </message>
    <message>
        <source>Copying %L1 of %L2 files…</source>
        <translation>Kopiowanie %L1 z %L2 plików…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 was changed since Tonewright wrote it and was left alone.</source>
        <translation>%1 zmieniono od czasu zapisania przez Tonewright, więc pozostawiono bez zmian.</translation>
    </message>
</context>
<context>
    <name>MirrorSession</name>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>Nie można użyć %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made a folder.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>%1 appeared meanwhile and was left alone.</source>
        <translation>W międzyczasie pojawił się plik %1, więc pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>%1 was changed meanwhile and was left alone.</source>
        <translation>%1 zmieniono w międzyczasie, więc pozostawiono bez zmian.</translation>
    </message>
    <message>
        <source>%1 cannot be copied: %2</source>
        <translation>Nie można skopiować %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash.</source>
        <translation>Nie można przenieść %1 do kosza.</translation>
    </message>
    <message>
        <source>%1 did not get its album&apos;s loudness values.</source>
        <translation>%1 nie otrzymał wartości głośności swojego albumu.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>The SQLite library cannot be loaded.</source>
        <translation>Nie można załadować biblioteki SQLite.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source>%1 of %Ln files converted.</source>
        <translation>
            <numerusform>Przekonwertowano %1 z %Ln pliku.</numerusform>
            <numerusform>Przekonwertowano %1 z %Ln plików.</numerusform>
            <numerusform>Przekonwertowano %1 z %Ln plików.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files could not be converted.</source>
        <translation>
            <numerusform>Nie udało się przekonwertować %1 z %Ln pliku.</numerusform>
            <numerusform>Nie udało się przekonwertować %1 z %Ln plików.</numerusform>
            <numerusform>Nie udało się przekonwertować %1 z %Ln plików.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Converted:</source>
        <translation>Przekonwertowano:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Pozostały czas:</translation>
    </message>
    <message>
        <source>Now converting:</source>
        <translation>Trwa konwersja:</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files to %1</source>
        <translation>
            <numerusform>Konwersja %n pliku do %1</numerusform>
            <numerusform>Konwersja %n plików do %1</numerusform>
            <numerusform>Konwersja %n plików do %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Obliczanie...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted</source>
        <translation>
            <numerusform>%1 z %n</numerusform>
            <numerusform>%1 z %n</numerusform>
            <numerusform>%1 z %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted, %2 failed</source>
        <translation>
            <numerusform>%1 z %n, błędów: %2</numerusform>
            <numerusform>%1 z %n, błędów: %2</numerusform>
            <numerusform>%1 z %n, błędów: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>Nie udało się przekonwertować %1 z %n pliku.</numerusform>
            <numerusform>Nie udało się przekonwertować %1 z %n plików.</numerusform>
            <numerusform>Nie udało się przekonwertować %1 z %n plików.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop converting? The last file not yet converted will be skipped.</source>
        <translation>Przerwać konwersję? Ostatni plik, który nie został jeszcze przekonwertowany, zostanie pominięty.</translation>
    </message>
    <message numerus="yes">
        <source>Stop converting? The %n files not yet converted will be skipped.</source>
        <translation>
            <numerusform>Przerwać konwersję? %n plik, który nie został jeszcze przekonwertowany, zostanie pominięty.</numerusform>
            <numerusform>Przerwać konwersję? %n pliki, które nie zostały jeszcze przekonwertowane, zostaną pominięte.</numerusform>
            <numerusform>Przerwać konwersję? %n plików, które nie zostały jeszcze przekonwertowane, zostanie pominiętych.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Soundmill</name>
    <message>
        <source>Source:</source>
        <translation>Źródło:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Cel:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Pozostały czas:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Szybkość:</translation>
    </message>
    <message>
        <source>Less than &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Mniej niż &lt;b&gt;15&lt;/b&gt; sekund</translation>
    </message>
    <message>
        <source>About &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Około &lt;b&gt;15&lt;/b&gt; sekund</translation>
    </message>
    <message>
        <source>About &lt;b&gt;30&lt;/b&gt; seconds</source>
        <translation>Około &lt;b&gt;30&lt;/b&gt; sekund</translation>
    </message>
    <message>
        <source>About &lt;b&gt;45&lt;/b&gt; seconds</source>
        <translation>Około &lt;b&gt;45&lt;/b&gt; sekund</translation>
    </message>
    <message>
        <source>About &lt;b&gt;1&lt;/b&gt; minute</source>
        <translation>Około &lt;b&gt;1&lt;/b&gt; minuty</translation>
    </message>
    <message numerus="yes">
        <source>Less than &lt;b&gt;%n&lt;/b&gt; minutes</source>
        <translation>
            <numerusform>Mniej niż &lt;b&gt;%n&lt;/b&gt; minuta</numerusform>
            <numerusform>Mniej niż &lt;b&gt;%n&lt;/b&gt; minuty</numerusform>
            <numerusform>Mniej niż &lt;b&gt;%n&lt;/b&gt; minut</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; s/s</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; s/s</translation>
    </message>
    <message>
        <source>Converting %1 to %2</source>
        <translation>Konwersja z %1 do %2</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Obliczanie...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Conversion core module not found!
Please reinstall application.</source>
        <translation>Nie znaleziono modułu konwersji!
Zainstaluj program ponownie.</translation>
    </message>
    <message>
        <source>Audio CD Ripping: Temporary WAV file</source>
        <translation>Zgrywanie płyty CD audio: tymczasowy plik WAV</translation>
    </message>
    <message>
        <source>Ripping core module not found!
Please reinstall application.</source>
        <translation>Nie znaleziono modułu zgrywania!
Zainstaluj program ponownie.</translation>
    </message>
    <message>
        <source>The track could not be read from the disc.</source>
        <translation>Nie udało się odczytać ścieżki z płyty.</translation>
    </message>
    <message>
        <source>The target directory is not writable.
Please choose another directory.</source>
        <translation>Nie można zapisywać w katalogu docelowym.
Wybierz inny katalog.</translation>
    </message>
    <message>
        <source>Conversion error!
Make sure that the file you are trying to convert is a valid video or audio file.
</source>
        <translation>Błąd konwersji!
Upewnij się, że konwertowany plik jest prawidłowym plikiem audio lub wideo.
</translation>
    </message>
    <message>
        <source>Are your sure want to stop conversion and exit</source>
        <translation>Czy na pewno przerwać konwersję i zakończyć?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>To set common settings open Tonewright in the start menu.
To change the volume of the file or add metadata select advanced conversion from Explorer.</source>
        <translation>Aby zmienić ustawienia ogólne, otwórz Tonewright z menu aplikacji.
Aby zmienić głośność pliku lub dodać metadane, wybierz w menedżerze plików konwersję zaawansowaną.</translation>
    </message>
    <message>
        <source>The file name is too long for the target folder.</source>
        <translation>Nazwa pliku jest za długa dla katalogu docelowego.</translation>
    </message>
    <message>
        <source>The temporary file for the track could not be created.</source>
        <translation>Nie udało się utworzyć pliku tymczasowego dla ścieżki.</translation>
    </message>
    <message>
        <source>The target file was replaced by another program. Nothing was written to it.</source>
        <translation>Plik docelowy został zastąpiony przez inny program. Nic do niego nie zapisano.</translation>
    </message>
    <message>
        <source>This file is not an audio or video file.</source>
        <translation>Ten plik nie jest plikiem audio ani wideo.</translation>
    </message>
    <message>
        <source>The target folder must be chosen, but no display is available; set targetdir.</source>
        <translation>Trzeba wybrać folder docelowy, ale żaden ekran nie jest dostępny; ustaw targetdir.</translation>
    </message>
    <message>
        <source>The target folder is not writable, and no display is available to choose another; set targetdir.</source>
        <translation>Do folderu docelowego nie można zapisywać, a żaden ekran nie jest dostępny, by wybrać inny; ustaw targetdir.</translation>
    </message>
</context>
<context>
    <name>SoundmillGui</name>
    <message>
        <source>Tonewright Settings</source>
        <translation>Ustawienia programu Tonewright</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Przepływność:</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Domyślna</translation>
    </message>
    <message>
        <source>Target directory:</source>
        <translation>Katalog docelowy:</translation>
    </message>
    <message>
        <source>&amp;Same as the input</source>
        <translation>&amp;Ten sam co źródło</translation>
    </message>
    <message>
        <source>&amp;Ask before conversion</source>
        <translation>Pytaj przed &amp;konwersją</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
    <message>
        <source>Send anonymus bug reports:</source>
        <translation>Wysyłaj anonimowe raporty błędów:</translation>
    </message>
    <message>
        <source>&amp;helps making Tonewright better</source>
        <translation>pomaga &amp;ulepszać Tonewright</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#help&quot;&gt;Conversion help&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#help&quot;&gt;Pomoc do konwersji&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#about&quot;&gt;O programie&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Conversion help</source>
        <translation>Pomoc do konwersji</translation>
    </message>
    <message>
        <source>Just go to Explorer or your desktop, select your audio/video file and right click on it.
Select Convert to *file type* to convert the file to *file type*.
If you want to increase the volume select advanced conversion.</source>
        <translation>Otwórz menedżer plików lub pulpit, zaznacz plik audio lub wideo i kliknij go prawym przyciskiem myszy.
Wybierz „Konwertuj do *typ pliku*”, aby przekonwertować plik do formatu *typ pliku*.
Aby zwiększyć głośność, wybierz konwersję zaawansowaną.</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kb/s</translation>
    </message>
    <message>
        <source>Loudness tags:</source>
        <translation>Tagi głośności:</translation>
    </message>
    <message>
        <source>Album and track</source>
        <translation>Album i utwór</translation>
    </message>
    <message>
        <source>Track only</source>
        <translation>Tylko utwór</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
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
        <translation>zostało %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Stopped; %n file(s) not converted.</source>
        <translation>
            <numerusform>Zatrzymano; %n plik nieprzekonwertowany.</numerusform>
            <numerusform>Zatrzymano; %n pliki nieprzekonwertowane.</numerusform>
            <numerusform>Zatrzymano; %n plików nieprzekonwertowanych.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cdtrack</name>
    <message>
        <source>The temporary-files folder does not exist.</source>
        <translation>Katalog plików tymczasowych nie istnieje.</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in %1: %2</source>
        <translation>Nie można utworzyć pliku tymczasowego w %1: %2</translation>
    </message>
</context>
<context>
    <name>mirror</name>
    <message>
        <source>convert %1 → %2</source>
        <translation>konwertuj %1 → %2</translation>
    </message>
    <message>
        <source>replace %1 → %2</source>
        <translation>zastąp %1 → %2</translation>
    </message>
    <message>
        <source>copy %1 → %2</source>
        <translation>kopiuj %1 → %2</translation>
    </message>
    <message>
        <source>leave %1</source>
        <translation>zostaw %1</translation>
    </message>
    <message>
        <source>leave %1: changed since Tonewright wrote it</source>
        <translation>zostaw %1: zmieniony od zapisania przez Tonewright</translation>
    </message>
    <message>
        <source>keep %1: written by a run cut short</source>
        <translation>zachowaj %1: zapisany przez przerwane uruchomienie</translation>
    </message>
    <message>
        <source>trash %1</source>
        <translation>przenieś do kosza %1</translation>
    </message>
    <message>
        <source>left out %1</source>
        <translation>pominięto %1</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message>
        <source>%1 is being updated by another Tonewright.</source>
        <translation>Folder %1 jest właśnie aktualizowany przez inną instancję programu Tonewright.</translation>
    </message>
    <message>
        <source>%1 is up to date: %2 converted, %3 moved to the trash, %4 unchanged.</source>
        <translation>Folder %1 jest aktualny: przekonwertowano %2, przeniesiono do kosza %3, bez zmian %4.</translation>
    </message>
    <message>
        <source>%1: not a sound or video file</source>
        <translation>%1: nie jest plikiem audio ani wideo</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1: dowiązanie, nie jest śledzone</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nie można odczytać</translation>
    </message>
    <message>
        <source>%1: the name is not valid text</source>
        <translation>%1: nazwa nie jest prawidłowym tekstem</translation>
    </message>
</context>
</TS>
