<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tonewright</source>
        <translation>Acerca de Tonewright</translation>
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
        <translation>Este programa es de uso gratuito.</translation>
    </message>
    <message>
        <source>Share with your friends and enjoy it.</source>
        <translation>Compártelo con tus amigos y disfrútalo.</translation>
    </message>
    <message>
        <source>This application uses FFmpeg as a standalone executable; its builds can be found at %1.</source>
        <translation>Esta aplicación usa FFmpeg como programa independiente; sus compilaciones están disponibles en %1.</translation>
    </message>
    <message>
        <source>You can download the source code on the site above.</source>
        <translation>Puedes descargar el código fuente en el sitio indicado arriba.</translation>
    </message>
    <message>
        <source>No FFmpeg libraries were built into this application.</source>
        <translation>Esta aplicación no incluye ninguna biblioteca de FFmpeg.</translation>
    </message>
    <message>
        <source>See %1 for more information in the installation directory if Tonewright.</source>
        <translation>Consulta %1 en la carpeta de instalación de Tonewright para más información.</translation>
    </message>
</context>
<context>
    <name>AdPanel</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>Tonewright had been updated!
Please download the fresh version to avoid bugs and other problems.
Would you like to download it now?</source>
        <translation>¡Hay una nueva versión de Tonewright!
Descárgala para evitar errores y otros problemas.
¿Quieres descargarla ahora?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>Opciones avanzadas de conversión</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Opciones avanzadas</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Convertir a:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volumen:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Álbum:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>&amp;Conversion settings</source>
        <translation>Con&amp;figuración</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message numerus="yes">
        <source>Advanced Conversion Options (%n files)</source>
        <translation>
            <numerusform>Opciones avanzadas de conversión (%n archivo)</numerusform>
            <numerusform>Opciones avanzadas de conversión (%n archivos)</numerusform>
        </translation>
    </message>
    <message>
        <source>(each file keeps its own)</source>
        <translation>(cada archivo conserva el suyo)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 may be given only once</source>
        <translation>--%1 solo puede indicarse una vez</translation>
    </message>
    <message>
        <source>--volume takes one of %1</source>
        <translation>--volume admite uno de estos valores: %1</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year admite un año de %1 a %2</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp</source>
        <translation>--each necesita una palabra de formato o ppp</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp, not &quot;%1&quot;</source>
        <translation>--each necesita una palabra de formato o ppp, no «%1»</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: its name is not valid text.</source>
        <translation>No se puede abrir el archivo «%1»: su nombre no es un texto válido.</translation>
    </message>
    <message>
        <source>Only local files can be converted, not &quot;%1&quot;.</source>
        <translation>Solo se pueden convertir archivos locales, no «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no file; it is left out.</source>
        <translation>«%1» no es un archivo; se omite.</translation>
    </message>
    <message>
        <source>--replaygain takes album, track or off</source>
        <translation>--replaygain admite uno de estos valores: album, track, off</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is malformed.</source>
        <translation>La dirección «%1» está mal formada.</translation>
    </message>
    <message>
        <source>This needs a dialog, but no display is available. Name the format and the file on the command line, as in: tonewright mp3 song.flac</source>
        <translation>Esto necesita un diálogo, pero no hay ninguna pantalla disponible. Indique el formato y el archivo en la línea de órdenes, por ejemplo: tonewright mp3 song.flac</translation>
    </message>
    <message>
        <source>No folder was chosen for the mirror.</source>
        <translation>No se eligió ninguna carpeta para la copia convertida.</translation>
    </message>
    <message>
        <source>--into and --dry-run go with a folder to convert</source>
        <translation>--into y --dry-run se usan con una carpeta que convertir</translation>
    </message>
    <message>
        <source>--into takes a single folder</source>
        <translation>--into admite una sola carpeta</translation>
    </message>
</context>
<context>
    <name>ConversionFrame</name>
    <message>
        <source>Tonewright - easy music conversion</source>
        <translation>Tonewright - conversión de música fácil</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://settings&quot;&gt;Settings&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://settings&quot;&gt;Configuración&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://about&quot;&gt;Acerca de&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>ConversionQueue</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>El archivo ya no existe.</translation>
    </message>
    <message>
        <source>The file was replaced by another program.</source>
        <translation>Otro programa ha sustituido el archivo.</translation>
    </message>
    <message>
        <source>This is not a file that can be converted.</source>
        <translation>Esto no es un archivo que se pueda convertir.</translation>
    </message>
</context>
<context>
    <name>ConversionWindow</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
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
        <translation>Selecciona el archivo que quieres convertir</translation>
    </message>
    <message>
        <source>(not selected)</source>
        <translation>(ninguno seleccionado)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;You can also start a conversion by right clicking the file you want to convert and selecting &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Convert to [format]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; in Explorer.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;También puedes iniciar una conversión desde el gestor de archivos: haz clic derecho en el archivo y elige &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Convertir a [formato]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>C&amp;ontinuar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please browse for a file you want to convert!
</source>
        <translation>¡Selecciona el archivo que quieres convertir!
</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>MirrorUpdate</name>
    <message>
        <source>Updating %1</source>
        <translation>Actualizando %1</translation>
    </message>
    <message numerus="yes">
        <source>Updating %Ln folders to %1</source>
        <translation>
            <numerusform>Actualizando %Ln carpeta a %1</numerusform>
            <numerusform>Actualizando %Ln carpetas a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Looking through %1… %Ln files</source>
        <translation>
            <numerusform>Examinando %1… %Ln archivo</numerusform>
            <numerusform>Examinando %1… %Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no files now (is its disk mounted?); %2 was left as it is.</source>
        <translation>%1 ya no contiene archivos (¿está montado su disco?); %2 se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>Copying %L1 of %L2 files…</source>
        <translation>Copiando %L1 de %L2 archivos…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 was changed since Tonewright wrote it and was left alone.</source>
        <translation>%1 ha cambiado desde que Tonewright lo escribió y se ha dejado como está.</translation>
    </message>
</context>
<context>
    <name>MirrorSession</name>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>No se puede usar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made a folder.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 appeared meanwhile and was left alone.</source>
        <translation>%1 apareció mientras tanto y se ha dejado como está.</translation>
    </message>
    <message>
        <source>%1 was changed meanwhile and was left alone.</source>
        <translation>%1 cambió mientras tanto y se ha dejado como está.</translation>
    </message>
    <message>
        <source>%1 cannot be copied: %2</source>
        <translation>No se puede copiar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash.</source>
        <translation>No se puede mover %1 a la papelera.</translation>
    </message>
    <message>
        <source>%1 did not get its album&apos;s loudness values.</source>
        <translation>%1 no recibió los valores de sonoridad de su álbum.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>The SQLite library cannot be loaded.</source>
        <translation>No se puede cargar la biblioteca SQLite.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source>%1 of %Ln files converted.</source>
        <translation>
            <numerusform>%1 de %Ln archivo convertido.</numerusform>
            <numerusform>%1 de %Ln archivos convertidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files could not be converted.</source>
        <translation>
            <numerusform>Error al convertir %1 de %Ln archivo.</numerusform>
            <numerusform>Error al convertir %1 de %Ln archivos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Converted:</source>
        <translation>Convertidos:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Tiempo restante:</translation>
    </message>
    <message>
        <source>Now converting:</source>
        <translation>Convirtiendo:</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files to %1</source>
        <translation>
            <numerusform>Convirtiendo %n archivo a %1</numerusform>
            <numerusform>Convirtiendo %n archivos a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Calculando...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted</source>
        <translation>
            <numerusform>%1 de %n</numerusform>
            <numerusform>%1 de %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted, %2 failed</source>
        <translation>
            <numerusform>%1 de %n, errores: %2</numerusform>
            <numerusform>%1 de %n, errores: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>Error al convertir %1 de %n archivo.</numerusform>
            <numerusform>Error al convertir %1 de %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop converting? The last file not yet converted will be skipped.</source>
        <translation>¿Detener la conversión? Se omitirá el último archivo aún no convertido.</translation>
    </message>
    <message numerus="yes">
        <source>Stop converting? The %n files not yet converted will be skipped.</source>
        <translation>
            <numerusform>¿Detener la conversión? Se omitirá %n archivo aún no convertido.</numerusform>
            <numerusform>¿Detener la conversión? Se omitirán los %n archivos aún no convertidos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Soundmill</name>
    <message>
        <source>Source:</source>
        <translation>Origen:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Tiempo restante:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Less than &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Menos de &lt;b&gt;15&lt;/b&gt; segundos</translation>
    </message>
    <message>
        <source>About &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Unos &lt;b&gt;15&lt;/b&gt; segundos</translation>
    </message>
    <message>
        <source>About &lt;b&gt;30&lt;/b&gt; seconds</source>
        <translation>Unos &lt;b&gt;30&lt;/b&gt; segundos</translation>
    </message>
    <message>
        <source>About &lt;b&gt;45&lt;/b&gt; seconds</source>
        <translation>Unos &lt;b&gt;45&lt;/b&gt; segundos</translation>
    </message>
    <message>
        <source>About &lt;b&gt;1&lt;/b&gt; minute</source>
        <translation>Alrededor de &lt;b&gt;1&lt;/b&gt; minuto</translation>
    </message>
    <message numerus="yes">
        <source>Less than &lt;b&gt;%n&lt;/b&gt; minutes</source>
        <translation>
            <numerusform>Menos de &lt;b&gt;%n&lt;/b&gt; minuto</numerusform>
            <numerusform>Menos de &lt;b&gt;%n&lt;/b&gt; minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; s/s</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; s/s</translation>
    </message>
    <message>
        <source>Converting %1 to %2</source>
        <translation>Convirtiendo %1 a %2</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Calculando...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Conversion core module not found!
Please reinstall application.</source>
        <translation>¡No se encontró el módulo de conversión!
Vuelve a instalar la aplicación.</translation>
    </message>
    <message>
        <source>Audio CD Ripping: Temporary WAV file</source>
        <translation>Extracción de CD de audio: archivo WAV temporal</translation>
    </message>
    <message>
        <source>Ripping core module not found!
Please reinstall application.</source>
        <translation>¡No se encontró el módulo de extracción!
Vuelve a instalar la aplicación.</translation>
    </message>
    <message>
        <source>The track could not be read from the disc.</source>
        <translation>No se pudo leer la pista del disco.</translation>
    </message>
    <message>
        <source>The target directory is not writable.
Please choose another directory.</source>
        <translation>No se puede escribir en la carpeta de destino.
Elige otra carpeta.</translation>
    </message>
    <message>
        <source>Conversion error!
Make sure that the file you are trying to convert is a valid video or audio file.
</source>
        <translation>¡Error de conversión!
Comprueba que el archivo que intentas convertir sea un archivo de audio o vídeo válido.
</translation>
    </message>
    <message>
        <source>Are your sure want to stop conversion and exit</source>
        <translation>¿Seguro que quieres detener la conversión y salir?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>To set common settings open Tonewright in the start menu.
To change the volume of the file or add metadata select advanced conversion from Explorer.</source>
        <translation>Para la configuración general, abre Tonewright desde el menú de aplicaciones.
Para cambiar el volumen del archivo o añadir metadatos, elige la conversión avanzada en el gestor de archivos.</translation>
    </message>
    <message>
        <source>The file name is too long for the target folder.</source>
        <translation>El nombre del archivo es demasiado largo para la carpeta de destino.</translation>
    </message>
    <message>
        <source>The temporary file for the track could not be created.</source>
        <translation>No se pudo crear el archivo temporal de la pista.</translation>
    </message>
    <message>
        <source>The target file was replaced by another program. Nothing was written to it.</source>
        <translation>Otro programa reemplazó el archivo de destino. No se escribió nada en él.</translation>
    </message>
    <message>
        <source>This file is not an audio or video file.</source>
        <translation>Este archivo no es un archivo de audio ni de vídeo.</translation>
    </message>
    <message>
        <source>The target folder must be chosen, but no display is available; set targetdir.</source>
        <translation>Hay que elegir la carpeta de destino, pero no hay ninguna pantalla disponible; defina targetdir.</translation>
    </message>
    <message>
        <source>The target folder is not writable, and no display is available to choose another; set targetdir.</source>
        <translation>No se puede escribir en la carpeta de destino y no hay ninguna pantalla disponible para elegir otra; defina targetdir.</translation>
    </message>
</context>
<context>
    <name>SoundmillGui</name>
    <message>
        <source>Tonewright Settings</source>
        <translation>Configuración de Tonewright</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Tasa de bits:</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predeterminada</translation>
    </message>
    <message>
        <source>Target directory:</source>
        <translation>Carpeta de destino:</translation>
    </message>
    <message>
        <source>&amp;Same as the input</source>
        <translation>La &amp;misma que el origen</translation>
    </message>
    <message>
        <source>&amp;Ask before conversion</source>
        <translation>Pregunt&amp;ar antes</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>Send anonymus bug reports:</source>
        <translation>Enviar informes anónimos de errores:</translation>
    </message>
    <message>
        <source>&amp;helps making Tonewright better</source>
        <translation>a&amp;yuda a mejorar Tonewright</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#help&quot;&gt;Conversion help&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#help&quot;&gt;Ayuda para convertir&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#about&quot;&gt;Acerca de&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Conversion help</source>
        <translation>Ayuda para convertir</translation>
    </message>
    <message>
        <source>Just go to Explorer or your desktop, select your audio/video file and right click on it.
Select Convert to *file type* to convert the file to *file type*.
If you want to increase the volume select advanced conversion.</source>
        <translation>Abre el gestor de archivos o el escritorio, selecciona tu archivo de audio o vídeo y haz clic derecho sobre él.
Elige «Convertir a *tipo de archivo*» para convertir el archivo a *tipo de archivo*.
Si quieres subir el volumen, elige la conversión avanzada.</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>Loudness tags:</source>
        <translation>Etiquetas de volumen:</translation>
    </message>
    <message>
        <source>Album and track</source>
        <translation>Álbum y pista</translation>
    </message>
    <message>
        <source>Track only</source>
        <translation>Solo la pista</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
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
        <translation>quedan %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Stopped; %n file(s) not converted.</source>
        <translation>
            <numerusform>Detenido; %n archivo sin convertir.</numerusform>
            <numerusform>Detenido; %n archivos sin convertir.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cdtrack</name>
    <message>
        <source>The temporary-files folder does not exist.</source>
        <translation>La carpeta de archivos temporales no existe.</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in %1: %2</source>
        <translation>No se puede crear un archivo temporal en %1: %2</translation>
    </message>
</context>
<context>
    <name>mirror</name>
    <message>
        <source>convert %1 → %2</source>
        <translation>convertir %1 → %2</translation>
    </message>
    <message>
        <source>replace %1 → %2</source>
        <translation>reemplazar %1 → %2</translation>
    </message>
    <message>
        <source>copy %1 → %2</source>
        <translation>copiar %1 → %2</translation>
    </message>
    <message>
        <source>leave %1</source>
        <translation>dejar %1</translation>
    </message>
    <message>
        <source>leave %1: changed since Tonewright wrote it</source>
        <translation>dejar %1: cambiado desde que Tonewright lo escribió</translation>
    </message>
    <message>
        <source>keep %1: written by a run cut short</source>
        <translation>conservar %1: escrito por una ejecución interrumpida</translation>
    </message>
    <message>
        <source>trash %1</source>
        <translation>mover a la papelera %1</translation>
    </message>
    <message>
        <source>left out %1</source>
        <translation>omitido %1</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>%1 is being updated by another Tonewright.</source>
        <translation>Otra instancia de Tonewright está actualizando %1.</translation>
    </message>
    <message>
        <source>%1 is up to date: %2 converted, %3 moved to the trash, %4 unchanged.</source>
        <translation>%1 está al día: %2 convertidos, %3 movidos a la papelera, %4 sin cambios.</translation>
    </message>
    <message>
        <source>%1: not a sound or video file</source>
        <translation>%1: no es un archivo de audio ni de vídeo</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1: es un enlace, no se sigue</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: no es un archivo normal</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: no se puede leer</translation>
    </message>
    <message>
        <source>%1: the name is not valid text</source>
        <translation>%1: el nombre no es un texto válido</translation>
    </message>
</context>
</TS>
