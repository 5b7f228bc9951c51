<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tonewright</source>
        <translation>Informazioni su Tonewright</translation>
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
        <translation>Questo software è gratuito.</translation>
    </message>
    <message>
        <source>Share with your friends and enjoy it.</source>
        <translation>Condividilo con i tuoi amici e buon divertimento.</translation>
    </message>
    <message>
        <source>This application uses FFmpeg as a standalone executable; its builds can be found at %1.</source>
        <translation>Questa applicazione usa FFmpeg come programma a sé stante; le sue build si trovano su %1.</translation>
    </message>
    <message>
        <source>You can download the source code on the site above.</source>
        <translation>Puoi scaricare il codice sorgente dal sito indicato sopra.</translation>
    </message>
    <message>
        <source>No FFmpeg libraries were built into this application.</source>
        <translation>In questa applicazione non è integrata alcuna libreria di FFmpeg.</translation>
    </message>
    <message>
        <source>See %1 for more information in the installation directory if Tonewright.</source>
        <translation>Per ulteriori informazioni consulta %1 nella cartella di installazione di Tonewright.</translation>
    </message>
</context>
<context>
    <name>AdPanel</name>
    <message>
        <source>Update available</source>
        <translation>Aggiornamento disponibile</translation>
    </message>
    <message>
        <source>Tonewright had been updated!
Please download the fresh version to avoid bugs and other problems.
Would you like to download it now?</source>
        <translation>È disponibile una nuova versione di Tonewright!
Scaricala per evitare errori e altri problemi.
Vuoi scaricarla adesso?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>AdvancedOptions</name>
    <message>
        <source>Advanced Conversion Options</source>
        <translation>Opzioni di conversione avanzate</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Opzioni avanzate</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Converti in:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non impostato)</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Anno:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Conversion settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converti</translation>
    </message>
    <message numerus="yes">
        <source>Advanced Conversion Options (%n files)</source>
        <translation>
            <numerusform>Opzioni di conversione avanzate (%n file)</numerusform>
            <numerusform>Opzioni di conversione avanzate (%n file)</numerusform>
        </translation>
    </message>
    <message>
        <source>(each file keeps its own)</source>
        <translation>(ogni file mantiene il proprio)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 may be given only once</source>
        <translation>--%1 può essere indicato una sola volta</translation>
    </message>
    <message>
        <source>--volume takes one of %1</source>
        <translation>--volume accetta uno di questi valori: %1</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year accetta un anno da %1 a %2</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp</source>
        <translation>--each richiede una parola di formato o ppp</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp, not &quot;%1&quot;</source>
        <translation>--each richiede una parola di formato o ppp, non «%1»</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: its name is not valid text.</source>
        <translation>Impossibile aprire il file «%1»: il suo nome non è un testo valido.</translation>
    </message>
    <message>
        <source>Only local files can be converted, not &quot;%1&quot;.</source>
        <translation>Si possono convertire solo file locali, non «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no file; it is left out.</source>
        <translation>«%1» non è un file; viene escluso.</translation>
    </message>
    <message>
        <source>--replaygain takes album, track or off</source>
        <translation>--replaygain accetta uno di questi valori: album, track, off</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is malformed.</source>
        <translation>L’indirizzo «%1» non è valido.</translation>
    </message>
    <message>
        <source>This needs a dialog, but no display is available. Name the format and the file on the command line, as in: tonewright mp3 song.flac</source>
        <translation>Serve una finestra di dialogo, ma non c’è alcuno schermo disponibile. Indica il formato e il file sulla riga di comando, ad esempio: tonewright mp3 song.flac</translation>
    </message>
    <message>
        <source>No folder was chosen for the mirror.</source>
        <translation>Non è stata scelta alcuna cartella per la copia convertita.</translation>
    </message>
    <message>
        <source>--into and --dry-run go with a folder to convert</source>
        <translation>--into e --dry-run vanno usati con una cartella da convertire</translation>
    </message>
    <message>
        <source>--into takes a single folder</source>
        <translation>--into accetta una sola cartella</translation>
    </message>
</context>
<context>
    <name>ConversionFrame</name>
    <message>
        <source>Tonewright - easy music conversion</source>
        <translation>Tonewright - convertire musica è facile</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://settings&quot;&gt;Settings&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://settings&quot;&gt;Impostazioni&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://about&quot;&gt;Informazioni&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>ConversionQueue</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>Il file non esiste più.</translation>
    </message>
    <message>
        <source>The file was replaced by another program.</source>
        <translation>Il file è stato sostituito da un altro programma.</translation>
    </message>
    <message>
        <source>This is not a file that can be converted.</source>
        <translation>Questo non è un file che si possa convertire.</translation>
    </message>
</context>
<context>
    <name>ConversionWindow</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
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
        <translation>Seleziona il file da convertire</translation>
    </message>
    <message>
        <source>(not selected)</source>
        <translation>(nessun file)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;You can also start a conversion by right clicking the file you want to convert and selecting &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Convert to [format]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; in Explorer.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Puoi avviare una conversione anche dal gestore di file: fai clic con il tasto destro sul file e scegli &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Converti in [formato]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continua</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Please browse for a file you want to convert!
</source>
        <translation>Scegli il file da convertire!
</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>MirrorUpdate</name>
    <message>
        <source>Updating %1</source>
        <translation>Aggiornamento di %1</translation>
    </message>
    <message numerus="yes">
        <source>Updating %Ln folders to %1</source>
        <translation>
            <numerusform>Aggiornamento di %Ln cartella in %1</numerusform>
            <numerusform>Aggiornamento di %Ln cartelle in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Looking through %1… %Ln files</source>
        <translation>
            <numerusform>Scansione di %1… %Ln file</numerusform>
            <numerusform>Scansione di %1… %Ln file</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no files now (is its disk mounted?); %2 was left as it is.</source>
        <translation>%1 ora non contiene file (il disco è montato?); la cartella %2 è rimasta com’era.</translation>
    </message>
    <message>
        <source>Copying %L1 of %L2 files…</source>
        <translation>Copia del file %L1 di %L2…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 was changed since Tonewright wrote it and was left alone.</source>
        <translation>%1 è stato modificato dopo essere stato scritto da Tonewright ed è rimasto com’era.</translation>
    </message>
</context>
<context>
    <name>MirrorSession</name>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>Impossibile usare %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made a folder.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>%1 appeared meanwhile and was left alone.</source>
        <translation>%1 è comparso nel frattempo ed è rimasto com’era.</translation>
    </message>
    <message>
        <source>%1 was changed meanwhile and was left alone.</source>
        <translation>%1 è stato modificato nel frattempo ed è rimasto com’era.</translation>
    </message>
    <message>
        <source>%1 cannot be copied: %2</source>
        <translation>Impossibile copiare %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash.</source>
        <translation>Impossibile spostare %1 nel cestino.</translation>
    </message>
    <message>
        <source>%1 did not get its album&apos;s loudness values.</source>
        <translation>%1 non ha ricevuto i valori di loudness del suo album.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>The SQLite library cannot be loaded.</source>
        <translation>Impossibile caricare la libreria SQLite.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source>%1 of %Ln files converted.</source>
        <translation>
            <numerusform>File convertiti: %1 su %Ln.</numerusform>
            <numerusform>File convertiti: %1 su %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files could not be converted.</source>
        <translation>
            <numerusform>Impossibile convertire %1 file su %Ln.</numerusform>
            <numerusform>Impossibile convertire %1 file su %Ln.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Converted:</source>
        <translation>Convertiti:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Tempo rimanente:</translation>
    </message>
    <message>
        <source>Now converting:</source>
        <translation>In conversione:</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files to %1</source>
        <translation>
            <numerusform>Conversione di %n file in %1</numerusform>
            <numerusform>Conversione di %n file in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Calcolo in corso...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted</source>
        <translation>
            <numerusform>%1 su %n</numerusform>
            <numerusform>%1 su %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted, %2 failed</source>
        <translation>
            <numerusform>%1 su %n, errori: %2</numerusform>
            <numerusform>%1 su %n, errori: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>Impossibile convertire %1 file su %n.</numerusform>
            <numerusform>Impossibile convertire %1 file su %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop converting? The last file not yet converted will be skipped.</source>
        <translation>Interrompere la conversione? L’ultimo file non ancora convertito verrà saltato.</translation>
    </message>
    <message numerus="yes">
        <source>Stop converting? The %n files not yet converted will be skipped.</source>
        <translation>
            <numerusform>Interrompere la conversione? %n file non ancora convertito verrà saltato.</numerusform>
            <numerusform>Interrompere la conversione? I %n file non ancora convertiti verranno saltati.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Soundmill</name>
    <message>
        <source>Source:</source>
        <translation>Origine:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Destinazione:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Tempo rimanente:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Less than &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Meno di &lt;b&gt;15&lt;/b&gt; secondi</translation>
    </message>
    <message>
        <source>About &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Circa &lt;b&gt;15&lt;/b&gt; secondi</translation>
    </message>
    <message>
        <source>About &lt;b&gt;30&lt;/b&gt; seconds</source>
        <translation>Circa &lt;b&gt;30&lt;/b&gt; secondi</translation>
    </message>
    <message>
        <source>About &lt;b&gt;45&lt;/b&gt; seconds</source>
        <translation>Circa &lt;b&gt;45&lt;/b&gt; secondi</translation>
    </message>
    <message>
        <source>About &lt;b&gt;1&lt;/b&gt; minute</source>
        <translation>Circa &lt;b&gt;1&lt;/b&gt; minuto</translation>
    </message>
    <message numerus="yes">
        <source>Less than &lt;b&gt;%n&lt;/b&gt; minutes</source>
        <translation>
            <numerusform>Meno di &lt;b&gt;%n&lt;/b&gt; minuto</numerusform>
            <numerusform>Meno di &lt;b&gt;%n&lt;/b&gt; minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; s/s</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; s/s</translation>
    </message>
    <message>
        <source>Converting %1 to %2</source>
        <translation>Conversione da %1 a %2</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Calcolo in corso...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Conversion core module not found!
Please reinstall application.</source>
        <translation>Modulo di conversione non trovato!
Reinstalla l’applicazione.</translation>
    </message>
    <message>
        <source>Audio CD Ripping: Temporary WAV file</source>
        <translation>Estrazione da CD audio: file WAV temporaneo</translation>
    </message>
    <message>
        <source>Ripping core module not found!
Please reinstall application.</source>
        <translation>Modulo di estrazione non trovato!
Reinstalla l’applicazione.</translation>
    </message>
    <message>
        <source>The track could not be read from the disc.</source>
        <translation>Impossibile leggere la traccia dal disco.</translation>
    </message>
    <message>
        <source>The target directory is not writable.
Please choose another directory.</source>
        <translation>Impossibile scrivere nella cartella di destinazione.
Scegli un’altra cartella.</translation>
    </message>
    <message>
        <source>Conversion error!
Make sure that the file you are trying to convert is a valid video or audio file.
</source>
        <translation>Errore di conversione!
Verifica che il file da convertire sia un file audio o video valido.
</translation>
    </message>
    <message>
        <source>Are your sure want to stop conversion and exit</source>
        <translation>Vuoi davvero interrompere la conversione e uscire?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>To set common settings open Tonewright in the start menu.
To change the volume of the file or add metadata select advanced conversion from Explorer.</source>
        <translation>Per le impostazioni generali apri Tonewright dal menu delle applicazioni.
Per cambiare il volume del file o aggiungere metadati scegli la conversione avanzata nel gestore di file.</translation>
    </message>
    <message>
        <source>The file name is too long for the target folder.</source>
        <translation>Il nome del file è troppo lungo per la cartella di destinazione.</translation>
    </message>
    <message>
        <source>The temporary file for the track could not be created.</source>
        <translation>Impossibile creare il file temporaneo per la traccia.</translation>
    </message>
    <message>
        <source>The target file was replaced by another program. Nothing was written to it.</source>
        <translation>Il file di destinazione è stato sostituito da un altro programma. Non vi è stato scritto nulla.</translation>
    </message>
    <message>
        <source>This file is not an audio or video file.</source>
        <translation>Questo file non è un file audio o video.</translation>
    </message>
    <message>
        <source>The target folder must be chosen, but no display is available; set targetdir.</source>
        <translation>La cartella di destinazione va scelta, ma non c’è alcuno schermo disponibile; imposta targetdir.</translation>
    </message>
    <message>
        <source>The target folder is not writable, and no display is available to choose another; set targetdir.</source>
        <translation>La cartella di destinazione non è scrivibile e non c’è alcuno schermo disponibile per sceglierne un’altra; imposta targetdir.</translation>
    </message>
</context>
<context>
    <name>SoundmillGui</name>
    <message>
        <source>Tonewright Settings</source>
        <translation>Impostazioni di Tonewright</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predefinito</translation>
    </message>
    <message>
        <source>Target directory:</source>
        <translation>Destinazione:</translation>
    </message>
    <message>
        <source>&amp;Same as the input</source>
        <translation>&amp;Uguale all’origine</translation>
    </message>
    <message>
        <source>&amp;Ask before conversion</source>
        <translation>Chie&amp;di prima di convertire</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>Send anonymus bug reports:</source>
        <translation>Invia segnalazioni anonime di errori:</translation>
    </message>
    <message>
        <source>&amp;helps making Tonewright better</source>
        <translation>a&amp;iuta a migliorare Tonewright</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#help&quot;&gt;Conversion help&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#help&quot;&gt;Aiuto sulla conversione&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#about&quot;&gt;Informazioni&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Conversion help</source>
        <translation>Aiuto sulla conversione</translation>
    </message>
    <message>
        <source>Just go to Explorer or your desktop, select your audio/video file and right click on it.
Select Convert to *file type* to convert the file to *file type*.
If you want to increase the volume select advanced conversion.</source>
        <translation>Apri il gestore di file o la scrivania, seleziona il file audio o video e fai clic con il tasto destro.
Scegli «Converti in *tipo di file*» per convertire il file in *tipo di file*.
Se vuoi aumentare il volume, scegli la conversione avanzata.</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>Loudness tags:</source>
        <translation>Tag del volume:</translation>
    </message>
    <message>
        <source>Album and track</source>
        <translation>Album e traccia</translation>
    </message>
    <message>
        <source>Track only</source>
        <translation>Solo traccia</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
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
        <translation>ancora %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Stopped; %n file(s) not converted.</source>
        <translation>
            <numerusform>Interrotto; %n file non convertito.</numerusform>
            <numerusform>Interrotto; %n file non convertiti.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cdtrack</name>
    <message>
        <source>The temporary-files folder does not exist.</source>
        <translation>La cartella dei file temporanei non esiste.</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in %1: %2</source>
        <translation>Impossibile creare un file temporaneo in %1: %2</translation>
    </message>
</context>
<context>
    <name>mirror</name>
    <message>
        <source>convert %1 → %2</source>
        <translation>convertire %1 → %2</translation>
    </message>
    <message>
        <source>replace %1 → %2</source>
        <translation>sostituire %1 → %2</translation>
    </message>
    <message>
        <source>copy %1 → %2</source>
        <translation>copiare %1 → %2</translation>
    </message>
    <message>
        <source>leave %1</source>
        <translation>lasciare %1</translation>
    </message>
    <message>
        <source>leave %1: changed since Tonewright wrote it</source>
        <translation>lasciare %1: modificato dopo la scrittura di Tonewright</translation>
    </message>
    <message>
        <source>keep %1: written by a run cut short</source>
        <translation>tenere %1: scritto da un’esecuzione interrotta</translation>
    </message>
    <message>
        <source>trash %1</source>
        <translation>cestinare %1</translation>
    </message>
    <message>
        <source>left out %1</source>
        <translation>escluso %1</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>%1 is being updated by another Tonewright.</source>
        <translation>La cartella %1 è in aggiornamento da parte di un’altra istanza di Tonewright.</translation>
    </message>
    <message>
        <source>%1 is up to date: %2 converted, %3 moved to the trash, %4 unchanged.</source>
        <translation>La cartella %1 è aggiornata: %2 convertiti, %3 spostati nel cestino, %4 invariati.</translation>
    </message>
    <message>
        <source>%1: not a sound or video file</source>
        <translation>%1: non è un file audio o video</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1: è un collegamento, non seguito</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: non è un file normale</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: non leggibile</translation>
    </message>
    <message>
        <source>%1: the name is not valid text</source>
        <translation>%1: il nome non è un testo valido</translation>
    </message>
</context>
</TS>
