<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tonewright</source>
        <translation>Über Tonewright</translation>
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
        <translation>Diese Software ist kostenlos nutzbar.</translation>
    </message>
    <message>
        <source>Share with your friends and enjoy it.</source>
        <translation>Teilen Sie sie mit Ihren Freunden und viel Spaß damit.</translation>
    </message>
    <message>
        <source>This application uses FFmpeg as a standalone executable; its builds can be found at %1.</source>
        <translation>Dieses Programm verwendet FFmpeg als eigenständiges Programm; fertige Builds finden Sie unter %1.</translation>
    </message>
    <message>
        <source>You can download the source code on the site above.</source>
        <translation>Den Quelltext können Sie von der oben genannten Seite herunterladen.</translation>
    </message>
    <message>
        <source>No FFmpeg libraries were built into this application.</source>
        <translation>In dieses Programm sind keine FFmpeg-Bibliotheken eingebaut.</translation>
    </message>
    <message>
        <source>See %1 for more information in the installation directory if Tonewright.</source>
        <translation>Weitere Informationen finden Sie in %1 im Installationsordner von Tonewright.</translation>
    </message>
</context>
<context>
    <name>AdPanel</name>
    <message>
        <source>Update available</source>
        <translation>Aktualisierung verfügbar</translation>
    </message>
    <message>
        <source>Tonewright had been updated!
Please download the fresh version to avoid bugs and other problems.
Would you like to download it now?</source>
        <translation>Es gibt eine neue Version von Tonewright!
Bitte laden Sie sie herunter, um Fehler und andere Probleme zu vermeiden.
Möchten Sie sie jetzt herunterladen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>AdvancedOptions</name>
    <message>
        <source>Advanced Conversion Options</source>
        <translation>Erweiterte Umwandlungsoptionen</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Erweiterte Optionen</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Umwandeln in:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nicht festgelegt)</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Interpret:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Conversion settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Umwandeln</translation>
    </message>
    <message numerus="yes">
        <source>Advanced Conversion Options (%n files)</source>
        <translation>
            <numerusform>Erweiterte Umwandlungsoptionen (%n Datei)</numerusform>
            <numerusform>Erweiterte Umwandlungsoptionen (%n Dateien)</numerusform>
        </translation>
    </message>
    <message>
        <source>(each file keeps its own)</source>
        <translation>(jede Datei behält ihren eigenen)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 may be given only once</source>
        <translation>--%1 darf nur einmal angegeben werden</translation>
    </message>
    <message>
        <source>--volume takes one of %1</source>
        <translation>--volume erwartet einen dieser Werte: %1</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year erwartet ein Jahr von %1 bis %2</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp</source>
        <translation>--each erwartet ein Formatwort oder ppp</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp, not &quot;%1&quot;</source>
        <translation>--each erwartet ein Formatwort oder ppp, nicht „%1“</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: its name is not valid text.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: Ihr Name ist kein gültiger Text.</translation>
    </message>
    <message>
        <source>Only local files can be converted, not &quot;%1&quot;.</source>
        <translation>Nur lokale Dateien können umgewandelt werden, nicht „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no file; it is left out.</source>
        <translation>„%1“ ist keine Datei und wird ausgelassen.</translation>
    </message>
    <message>
        <source>--replaygain takes album, track or off</source>
        <translation>--replaygain erwartet einen dieser Werte: album, track, off</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is malformed.</source>
        <translation>Die Adresse „%1“ ist fehlerhaft.</translation>
    </message>
    <message>
        <source>This needs a dialog, but no display is available. Name the format and the file on the command line, as in: tonewright mp3 song.flac</source>
        <translation>Dafür ist ein Dialog nötig, aber es ist keine Anzeige verfügbar. Geben Sie Format und Datei auf der Befehlszeile an, etwa: tonewright mp3 song.flac</translation>
    </message>
    <message>
        <source>No folder was chosen for the mirror.</source>
        <translation>Für die umgewandelte Kopie wurde kein Ordner gewählt.</translation>
    </message>
    <message>
        <source>--into and --dry-run go with a folder to convert</source>
        <translation>--into und --dry-run setzen einen umzuwandelnden Ordner voraus</translation>
    </message>
    <message>
        <source>--into takes a single folder</source>
        <translation>--into erwartet einen einzigen Ordner</translation>
    </message>
</context>
<context>
    <name>ConversionFrame</name>
    <message>
        <source>Tonewright - easy music conversion</source>
        <translation>Tonewright - Musik einfach umwandeln</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://settings&quot;&gt;Settings&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://settings&quot;&gt;Einstellungen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://about&quot;&gt;Über&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>ConversionQueue</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>Die Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The file was replaced by another program.</source>
        <translation>Die Datei wurde von einem anderen Programm ersetzt.</translation>
    </message>
    <message>
        <source>This is not a file that can be converted.</source>
        <translation>Dies ist keine Datei, die sich umwandeln lässt.</translation>
    </message>
</context>
<context>
    <name>ConversionWindow</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
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
        <translation>Datei zum Umwandeln auswählen</translation>
    </message>
    <message>
        <source>(not selected)</source>
        <translation>(keine ausgewählt)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;You can also start a conversion by right clicking the file you want to convert and selecting &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Convert to [format]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; in Explorer.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Sie können auch im Dateimanager die Datei mit der rechten Maustaste anklicken und &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;In [Format] umwandeln&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; wählen.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please browse for a file you want to convert!
</source>
        <translation>Bitte wählen Sie eine Datei zum Umwandeln aus!
</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>MirrorUpdate</name>
    <message>
        <source>Updating %1</source>
        <translation>%1 wird aktualisiert</translation>
    </message>
    <message numerus="yes">
        <source>Updating %Ln folders to %1</source>
        <translation>
            <numerusform>Aktualisierung in %1: %Ln Ordner</numerusform>
            <numerusform>Aktualisierung in %1: %Ln Ordner</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Looking through %1… %Ln files</source>
        <translation>
            <numerusform>%1 wird durchsucht… %Ln Datei</numerusform>
            <numerusform>%1 wird durchsucht… %Ln Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no files now (is its disk mounted?); %2 was left as it is.</source>
        <translation>%1 enthält jetzt keine Dateien (ist der Datenträger eingehängt?); %2 bleibt unverändert.</translation>
    </message>
    <message>
        <source>Copying %L1 of %L2 files…</source>
        <translation>Datei %L1 von %L2 wird kopiert…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 was changed since Tonewright wrote it and was left alone.</source>
        <translation>%1 wurde geändert, seit Tonewright es geschrieben hat, und bleibt unangetastet.</translation>
    </message>
</context>
<context>
    <name>MirrorSession</name>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made a folder.</source>
        <translation>%1 kann nicht als Ordner angelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 appeared meanwhile and was left alone.</source>
        <translation>%1 ist inzwischen hinzugekommen und bleibt unangetastet.</translation>
    </message>
    <message>
        <source>%1 was changed meanwhile and was left alone.</source>
        <translation>%1 wurde inzwischen geändert und bleibt unangetastet.</translation>
    </message>
    <message>
        <source>%1 cannot be copied: %2</source>
        <translation>%1 kann nicht kopiert werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash.</source>
        <translation>%1 kann nicht in den Papierkorb verschoben werden.</translation>
    </message>
    <message>
        <source>%1 did not get its album&apos;s loudness values.</source>
        <translation>%1 hat die Lautheitswerte seines Albums nicht erhalten.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>The SQLite library cannot be loaded.</source>
        <translation>Die SQLite-Bibliothek kann nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source>%1 of %Ln files converted.</source>
        <translation>
            <numerusform>%1 von %Ln Datei umgewandelt.</numerusform>
            <numerusform>%1 von %Ln Dateien umgewandelt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files could not be converted.</source>
        <translation>
            <numerusform>Bei %1 von %Ln Datei ist die Umwandlung fehlgeschlagen.</numerusform>
            <numerusform>Bei %1 von %Ln Dateien ist die Umwandlung fehlgeschlagen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Converted:</source>
        <translation>Umgewandelt:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Restzeit:</translation>
    </message>
    <message>
        <source>Now converting:</source>
        <translation>In Arbeit:</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files to %1</source>
        <translation>
            <numerusform>Umwandlung in %1: %n Datei</numerusform>
            <numerusform>Umwandlung in %1: %n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Wird berechnet...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted</source>
        <translation>
            <numerusform>%1 von %n</numerusform>
            <numerusform>%1 von %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted, %2 failed</source>
        <translation>
            <numerusform>%1 von %n, %2 fehlgeschlagen</numerusform>
            <numerusform>%1 von %n, %2 fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>Bei %1 von %n Datei ist die Umwandlung fehlgeschlagen.</numerusform>
            <numerusform>Bei %1 von %n Dateien ist die Umwandlung fehlgeschlagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop converting? The last file not yet converted will be skipped.</source>
        <translation>Umwandlung abbrechen? Die letzte noch nicht umgewandelte Datei wird übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>Stop converting? The %n files not yet converted will be skipped.</source>
        <translation>
            <numerusform>Umwandlung abbrechen? Die %n noch nicht umgewandelte Datei wird übersprungen.</numerusform>
            <numerusform>Umwandlung abbrechen? Die %n noch nicht umgewandelten Dateien werden übersprungen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Soundmill</name>
    <message>
        <source>Source:</source>
        <translation>Quelle:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Restzeit:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Less than &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Weniger als &lt;b&gt;15&lt;/b&gt; Sekunden</translation>
    </message>
    <message>
        <source>About &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Etwa &lt;b&gt;15&lt;/b&gt; Sekunden</translation>
    </message>
    <message>
        <source>About &lt;b&gt;30&lt;/b&gt; seconds</source>
        <translation>Etwa &lt;b&gt;30&lt;/b&gt; Sekunden</translation>
    </message>
    <message>
        <source>About &lt;b&gt;45&lt;/b&gt; seconds</source>
        <translation>Etwa &lt;b&gt;45&lt;/b&gt; Sekunden</translation>
    </message>
    <message>
        <source>About &lt;b&gt;1&lt;/b&gt; minute</source>
        <translation>Etwa &lt;b&gt;1&lt;/b&gt; Minute</translation>
    </message>
    <message numerus="yes">
        <source>Less than &lt;b&gt;%n&lt;/b&gt; minutes</source>
        <translation>
            <numerusform>Weniger als &lt;b&gt;%n&lt;/b&gt; Minute</numerusform>
            <numerusform>Weniger als &lt;b&gt;%n&lt;/b&gt; Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; s/s</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; s/s</translation>
    </message>
    <message>
        <source>Converting %1 to %2</source>
        <translation>%1 wird in %2 umgewandelt</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Wird berechnet...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Conversion core module not found!
Please reinstall application.</source>
        <translation>Das Umwandlungsmodul wurde nicht gefunden!
Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Audio CD Ripping: Temporary WAV file</source>
        <translation>Audio-CD wird gelesen: temporäre WAV-Datei</translation>
    </message>
    <message>
        <source>Ripping core module not found!
Please reinstall application.</source>
        <translation>Das Modul zum Auslesen von CDs wurde nicht gefunden!
Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>The track could not be read from the disc.</source>
        <translation>Der Titel konnte nicht von der CD gelesen werden.</translation>
    </message>
    <message>
        <source>The target directory is not writable.
Please choose another directory.</source>
        <translation>In den Zielordner kann nicht geschrieben werden.
Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Conversion error!
Make sure that the file you are trying to convert is a valid video or audio file.
</source>
        <translation>Fehler bei der Umwandlung!
Stellen Sie sicher, dass die Datei eine gültige Video- oder Audiodatei ist.
</translation>
    </message>
    <message>
        <source>Are your sure want to stop conversion and exit</source>
        <translation>Möchten Sie die Umwandlung wirklich abbrechen und das Programm beenden?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>To set common settings open Tonewright in the start menu.
To change the volume of the file or add metadata select advanced conversion from Explorer.</source>
        <translation>Allgemeine Einstellungen nehmen Sie vor, indem Sie Tonewright über das Anwendungsmenü öffnen.
Um die Lautstärke zu ändern oder Metadaten hinzuzufügen, wählen Sie im Dateimanager die erweiterte Umwandlung.</translation>
    </message>
    <message>
        <source>The file name is too long for the target folder.</source>
        <translation>Der Dateiname ist zu lang für den Zielordner.</translation>
    </message>
    <message>
        <source>The temporary file for the track could not be created.</source>
        <translation>Die temporäre Datei für den Titel konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The target file was replaced by another program. Nothing was written to it.</source>
        <translation>Die Zieldatei wurde von einem anderen Programm ersetzt. Es wurde nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>This file is not an audio or video file.</source>
        <translation>Diese Datei ist keine Audio- oder Videodatei.</translation>
    </message>
    <message>
        <source>The target folder must be chosen, but no display is available; set targetdir.</source>
        <translation>Der Zielordner muss gewählt werden, aber es ist keine Anzeige verfügbar; setzen Sie targetdir.</translation>
    </message>
    <message>
        <source>The target folder is not writable, and no display is available to choose another; set targetdir.</source>
        <translation>In den Zielordner kann nicht geschrieben werden, und es ist keine Anzeige verfügbar, um einen anderen zu wählen; setzen Sie targetdir.</translation>
    </message>
</context>
<context>
    <name>SoundmillGui</name>
    <message>
        <source>Tonewright Settings</source>
        <translation>Tonewright-Einstellungen</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>Target directory:</source>
        <translation>Zielordner:</translation>
    </message>
    <message>
        <source>&amp;Same as the input</source>
        <translation>Wie die &amp;Quelle</translation>
    </message>
    <message>
        <source>&amp;Ask before conversion</source>
        <translation>&amp;Vorher fragen</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Send anonymus bug reports:</source>
        <translation>Anonyme Fehlerberichte senden:</translation>
    </message>
    <message>
        <source>&amp;helps making Tonewright better</source>
        <translation>&amp;hilft, Tonewright zu verbessern</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#help&quot;&gt;Conversion help&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#help&quot;&gt;Hilfe zur Umwandlung&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#about&quot;&gt;Über&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Conversion help</source>
        <translation>Hilfe zur Umwandlung</translation>
    </message>
    <message>
        <source>Just go to Explorer or your desktop, select your audio/video file and right click on it.
Select Convert to *file type* to convert the file to *file type*.
If you want to increase the volume select advanced conversion.</source>
        <translation>Öffnen Sie den Dateimanager oder den Schreibtisch, markieren Sie Ihre Audio- oder Videodatei und klicken Sie sie mit der rechten Maustaste an.
Wählen Sie „In *Dateityp* umwandeln“, um die Datei in *Dateityp* umzuwandeln.
Um die Lautstärke zu erhöhen, wählen Sie die erweiterte Umwandlung.</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Loudness tags:</source>
        <translation>Lautstärke-Tags:</translation>
    </message>
    <message>
        <source>Album and track</source>
        <translation>Album und Titel</translation>
    </message>
    <message>
        <source>Track only</source>
        <translation>Nur Titel</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
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
        <translation>noch %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Stopped; %n file(s) not converted.</source>
        <translation>
            <numerusform>Angehalten; %n Datei nicht umgewandelt.</numerusform>
            <numerusform>Angehalten; %n Dateien nicht umgewandelt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cdtrack</name>
    <message>
        <source>The temporary-files folder does not exist.</source>
        <translation>Der Ordner für temporäre Dateien existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in %1: %2</source>
        <translation>In %1 kann keine temporäre Datei angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>mirror</name>
    <message>
        <source>convert %1 → %2</source>
        <translation>umwandeln %1 → %2</translation>
    </message>
    <message>
        <source>replace %1 → %2</source>
        <translation>ersetzen %1 → %2</translation>
    </message>
    <message>
        <source>copy %1 → %2</source>
        <translation>kopieren %1 → %2</translation>
    </message>
    <message>
        <source>leave %1</source>
        <translation>belassen %1</translation>
    </message>
    <message>
        <source>leave %1: changed since Tonewright wrote it</source>
        <translation>belassen %1: seit dem Schreiben durch Tonewright geändert</translation>
    </message>
    <message>
        <source>keep %1: written by a run cut short</source>
        <translation>behalten %1: von einem abgebrochenen Lauf geschrieben</translation>
    </message>
    <message>
        <source>trash %1</source>
        <translation>in den Papierkorb %1</translation>
    </message>
    <message>
        <source>left out %1</source>
        <translation>ausgelassen %1</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>%1 is being updated by another Tonewright.</source>
        <translation>%1 wird gerade von einer anderen Tonewright-Instanz aktualisiert.</translation>
    </message>
    <message>
        <source>%1 is up to date: %2 converted, %3 moved to the trash, %4 unchanged.</source>
        <translation>%1 ist aktuell: %2 umgewandelt, %3 in den Papierkorb verschoben, %4 unverändert.</translation>
    </message>
    <message>
        <source>%1: not a sound or video file</source>
        <translation>%1: keine Audio- oder Videodatei</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1: eine Verknüpfung, nicht verfolgt</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nicht lesbar</translation>
    </message>
    <message>
        <source>%1: the name is not valid text</source>
        <translation>%1: der Name ist kein gültiger Text</translation>
    </message>
</context>
</TS>
