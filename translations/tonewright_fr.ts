<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tonewright</source>
        <translation>À propos de Tonewright</translation>
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
        <translation>Ce logiciel est gratuit.</translation>
    </message>
    <message>
        <source>Share with your friends and enjoy it.</source>
        <translation>Partagez-le avec vos amis et profitez-en.</translation>
    </message>
    <message>
        <source>This application uses FFmpeg as a standalone executable; its builds can be found at %1.</source>
        <translation>Cette application utilise FFmpeg sous forme de programme autonome&#x202f;; ses versions compilées sont disponibles sur %1.</translation>
    </message>
    <message>
        <source>You can download the source code on the site above.</source>
        <translation>Vous pouvez télécharger le code source sur le site ci-dessus.</translation>
    </message>
    <message>
        <source>No FFmpeg libraries were built into this application.</source>
        <translation>Aucune bibliothèque FFmpeg n’est intégrée à cette application.</translation>
    </message>
    <message>
        <source>See %1 for more information in the installation directory if Tonewright.</source>
        <translation>Consultez %1 dans le dossier d’installation de Tonewright pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>AdPanel</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>Tonewright had been updated!
Please download the fresh version to avoid bugs and other problems.
Would you like to download it now?</source>
        <translation>Une nouvelle version de Tonewright est disponible&#x202f;!
Téléchargez-la pour éviter des bogues et d’autres problèmes.
Voulez-vous la télécharger maintenant&#x202f;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>AdvancedOptions</name>
    <message>
        <source>Advanced Conversion Options</source>
        <translation>Options de conversion avancées</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Options avancées</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Convertir en&#xa0;:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume&#xa0;:</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artiste&#xa0;:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album&#xa0;:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Conversion settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message numerus="yes">
        <source>Advanced Conversion Options (%n files)</source>
        <translation>
            <numerusform>Options de conversion avancées (%n fichier)</numerusform>
            <numerusform>Options de conversion avancées (%n fichiers)</numerusform>
        </translation>
    </message>
    <message>
        <source>(each file keeps its own)</source>
        <translation>(chaque fichier garde le sien)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 may be given only once</source>
        <translation>--%1 ne peut être indiqué qu’une seule fois</translation>
    </message>
    <message>
        <source>--volume takes one of %1</source>
        <translation>--volume accepte l’une de ces valeurs&#xa0;: %1</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year attend une année entre %1 et %2</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp</source>
        <translation>--each attend un mot de format ou ppp</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp, not &quot;%1&quot;</source>
        <translation>--each attend un mot de format ou ppp, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: its name is not valid text.</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;»&#xa0;: son nom n’est pas un texte valide.</translation>
    </message>
    <message>
        <source>Only local files can be converted, not &quot;%1&quot;.</source>
        <translation>Seuls les fichiers locaux peuvent être convertis, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no file; it is left out.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un fichier&#x202f;; il est ignoré.</translation>
    </message>
    <message>
        <source>--replaygain takes album, track or off</source>
        <translation>--replaygain accepte l’une de ces valeurs&#xa0;: album, track, off</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is malformed.</source>
        <translation>L’adresse « %1 » est mal formée.</translation>
    </message>
    <message>
        <source>This needs a dialog, but no display is available. Name the format and the file on the command line, as in: tonewright mp3 song.flac</source>
        <translation>Cette action demande une boîte de dialogue, mais aucun affichage n’est disponible. Indiquez le format et le fichier sur la ligne de commande, par exemple : tonewright mp3 song.flac</translation>
    </message>
    <message>
        <source>No folder was chosen for the mirror.</source>
        <translation>Aucun dossier n’a été choisi pour la copie convertie.</translation>
    </message>
    <message>
        <source>--into and --dry-run go with a folder to convert</source>
        <translation>--into et --dry-run s’emploient avec un dossier à convertir</translation>
    </message>
    <message>
        <source>--into takes a single folder</source>
        <translation>--into n’accepte qu’un seul dossier</translation>
    </message>
</context>
<context>
    <name>ConversionFrame</name>
    <message>
        <source>Tonewright - easy music conversion</source>
        <translation>Tonewright - la conversion musicale facile</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://settings&quot;&gt;Settings&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://settings&quot;&gt;Paramètres&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://about&quot;&gt;À propos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>ConversionQueue</name>
    <message>
        <source>The file no longer exists.</source>
        <translation>Le fichier n’existe plus.</translation>
    </message>
    <message>
        <source>The file was replaced by another program.</source>
        <translation>Le fichier a été remplacé par un autre programme.</translation>
    </message>
    <message>
        <source>This is not a file that can be converted.</source>
        <translation>Ce n’est pas un fichier qui peut être converti.</translation>
    </message>
</context>
<context>
    <name>ConversionWindow</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
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
        <translation>Choisissez le fichier à convertir</translation>
    </message>
    <message>
        <source>(not selected)</source>
        <translation>(aucun fichier)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;You can also start a conversion by right clicking the file you want to convert and selecting &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Convert to [format]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; in Explorer.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Vous pouvez aussi faire un clic droit sur le fichier dans le gestionnaire de fichiers et choisir &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Convertir en [format]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please browse for a file you want to convert!
</source>
        <translation>Veuillez choisir le fichier à convertir&#x202f;!
</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>MirrorUpdate</name>
    <message>
        <source>Updating %1</source>
        <translation>Mise à jour de %1</translation>
    </message>
    <message numerus="yes">
        <source>Updating %Ln folders to %1</source>
        <translation>
            <numerusform>Mise à jour de %Ln dossier en %1</numerusform>
            <numerusform>Mise à jour de %Ln dossiers en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>Looking through %1… %Ln files</source>
        <translation>
            <numerusform>Examen de %1… %Ln fichier</numerusform>
            <numerusform>Examen de %1… %Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no files now (is its disk mounted?); %2 was left as it is.</source>
        <translation>%1 ne contient plus aucun fichier (son disque est-il monté&#x202f;?)&#x202f;; %2 a été laissé tel quel.</translation>
    </message>
    <message>
        <source>Copying %L1 of %L2 files…</source>
        <translation>Copie du fichier %L1 sur %L2…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was changed since Tonewright wrote it and was left alone.</source>
        <translation>%1 a été modifié depuis que Tonewright l’a écrit&#x202f;; il a été laissé tel quel.</translation>
    </message>
</context>
<context>
    <name>MirrorSession</name>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>Impossible d’utiliser %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made a folder.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 appeared meanwhile and was left alone.</source>
        <translation>%1 est apparu entre-temps&#x202f;; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 was changed meanwhile and was left alone.</source>
        <translation>%1 a été modifié entre-temps&#x202f;; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>%1 cannot be copied: %2</source>
        <translation>Impossible de copier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash.</source>
        <translation>Impossible de mettre %1 à la corbeille.</translation>
    </message>
    <message>
        <source>%1 did not get its album&apos;s loudness values.</source>
        <translation>%1 n’a pas reçu les valeurs de sonie de son album.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The SQLite library cannot be loaded.</source>
        <translation>Impossible de charger la bibliothèque SQLite.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source>%1 of %Ln files converted.</source>
        <translation>
            <numerusform>Fichier converti&#xa0;: %1 sur %Ln.</numerusform>
            <numerusform>Fichiers convertis&#xa0;: %1 sur %Ln.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files could not be converted.</source>
        <translation>
            <numerusform>Impossible de convertir %1 fichier sur %Ln.</numerusform>
            <numerusform>Impossible de convertir %1 des %Ln fichiers.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SelectionWindow</name>
    <message>
        <source>Converted:</source>
        <translation>Convertis&#xa0;:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Temps restant&#xa0;:</translation>
    </message>
    <message>
        <source>Now converting:</source>
        <translation>En cours&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files to %1</source>
        <translation>
            <numerusform>Conversion de %n fichier en %1</numerusform>
            <numerusform>Conversion de %n fichiers en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Calcul en cours...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted</source>
        <translation>
            <numerusform>%1 sur %n</numerusform>
            <numerusform>%1 sur %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n converted, %2 failed</source>
        <translation>
            <numerusform>%1 sur %n, échecs&#xa0;: %2</numerusform>
            <numerusform>%1 sur %n, échecs&#xa0;: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>Impossible de convertir %1 fichier sur %n.</numerusform>
            <numerusform>Impossible de convertir %1 des %n fichiers.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop converting? The last file not yet converted will be skipped.</source>
        <translation>Arrêter la conversion&#x202f;? Le dernier fichier non encore converti sera ignoré.</translation>
    </message>
    <message numerus="yes">
        <source>Stop converting? The %n files not yet converted will be skipped.</source>
        <translation>
            <numerusform>Arrêter la conversion&#x202f;? %n fichier non encore converti sera ignoré.</numerusform>
            <numerusform>Arrêter la conversion&#x202f;? Les %n fichiers non encore convertis seront ignorés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Soundmill</name>
    <message>
        <source>Source:</source>
        <translation>Source&#xa0;:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Cible&#xa0;:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Temps restant&#xa0;:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>Less than &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Moins de &lt;b&gt;15&lt;/b&gt; secondes</translation>
    </message>
    <message>
        <source>About &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Environ &lt;b&gt;15&lt;/b&gt; secondes</translation>
    </message>
    <message>
        <source>About &lt;b&gt;30&lt;/b&gt; seconds</source>
        <translation>Environ &lt;b&gt;30&lt;/b&gt; secondes</translation>
    </message>
    <message>
        <source>About &lt;b&gt;45&lt;/b&gt; seconds</source>
        <translation>Environ &lt;b&gt;45&lt;/b&gt; secondes</translation>
    </message>
    <message>
        <source>About &lt;b&gt;1&lt;/b&gt; minute</source>
        <translation>Environ &lt;b&gt;1&lt;/b&gt; minute</translation>
    </message>
    <message numerus="yes">
        <source>Less than &lt;b&gt;%n&lt;/b&gt; minutes</source>
        <translation>
            <numerusform>Moins de &lt;b&gt;%n&lt;/b&gt; minute</numerusform>
            <numerusform>Moins de &lt;b&gt;%n&lt;/b&gt; minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; s/s</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; s/s</translation>
    </message>
    <message>
        <source>Converting %1 to %2</source>
        <translation>Conversion de %1 en %2</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Calcul en cours...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Conversion core module not found!
Please reinstall application.</source>
        <translation>Module de conversion introuvable&#x202f;!
Veuillez réinstaller l’application.</translation>
    </message>
    <message>
        <source>Audio CD Ripping: Temporary WAV file</source>
        <translation>Extraction du CD audio&#xa0;: fichier WAV temporaire</translation>
    </message>
    <message>
        <source>Ripping core module not found!
Please reinstall application.</source>
        <translation>Module d’extraction introuvable&#x202f;!
Veuillez réinstaller l’application.</translation>
    </message>
    <message>
        <source>The track could not be read from the disc.</source>
        <translation>Impossible de lire la piste sur le disque.</translation>
    </message>
    <message>
        <source>The target directory is not writable.
Please choose another directory.</source>
        <translation>Impossible d’écrire dans le dossier cible.
Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Conversion error!
Make sure that the file you are trying to convert is a valid video or audio file.
</source>
        <translation>Erreur de conversion&#x202f;!
Vérifiez que le fichier à convertir est bien un fichier audio ou vidéo valide.
</translation>
    </message>
    <message>
        <source>Are your sure want to stop conversion and exit</source>
        <translation>Voulez-vous vraiment arrêter la conversion et quitter&#x202f;?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>To set common settings open Tonewright in the start menu.
To change the volume of the file or add metadata select advanced conversion from Explorer.</source>
        <translation>Pour les paramètres généraux, ouvrez Tonewright depuis le menu des applications.
Pour modifier le volume du fichier ou ajouter des métadonnées, choisissez la conversion avancée dans le gestionnaire de fichiers.</translation>
    </message>
    <message>
        <source>The file name is too long for the target folder.</source>
        <translation>Le nom du fichier est trop long pour le dossier cible.</translation>
    </message>
    <message>
        <source>The temporary file for the track could not be created.</source>
        <translation>Impossible de créer le fichier temporaire de la piste.</translation>
    </message>
    <message>
        <source>The target file was replaced by another program. Nothing was written to it.</source>
        <translation>Le fichier cible a été remplacé par un autre programme. Rien n’y a été écrit.</translation>
    </message>
    <message>
        <source>This file is not an audio or video file.</source>
        <translation>Ce fichier n’est pas un fichier audio ou vidéo.</translation>
    </message>
    <message>
        <source>The target folder must be chosen, but no display is available; set targetdir.</source>
        <translation>Le dossier de destination doit être choisi, mais aucun affichage n’est disponible ; définissez targetdir.</translation>
    </message>
    <message>
        <source>The target folder is not writable, and no display is available to choose another; set targetdir.</source>
        <translation>Le dossier de destination n’est pas accessible en écriture, et aucun affichage n’est disponible pour en choisir un autre ; définissez targetdir.</translation>
    </message>
</context>
<context>
    <name>SoundmillGui</name>
    <message>
        <source>Tonewright Settings</source>
        <translation>Paramètres de Tonewright</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Débit&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>Target directory:</source>
        <translation>Dossier cible&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Same as the input</source>
        <translation>&amp;Identique à la source</translation>
    </message>
    <message>
        <source>&amp;Ask before conversion</source>
        <translation>De&amp;mander avant</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>Send anonymus bug reports:</source>
        <translation>Rapports de bogue anonymes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;helps making Tonewright better</source>
        <translation>&amp;aide à améliorer Tonewright</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#help&quot;&gt;Conversion help&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#help&quot;&gt;Aide à la conversion&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#about&quot;&gt;À propos&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Conversion help</source>
        <translation>Aide à la conversion</translation>
    </message>
    <message>
        <source>Just go to Explorer or your desktop, select your audio/video file and right click on it.
Select Convert to *file type* to convert the file to *file type*.
If you want to increase the volume select advanced conversion.</source>
        <translation>Ouvrez le gestionnaire de fichiers ou le bureau, sélectionnez votre fichier audio ou vidéo et faites un clic droit dessus.
Choisissez «&#xa0;Convertir en *type de fichier*&#xa0;» pour convertir le fichier en *type de fichier*.
Pour augmenter le volume, choisissez la conversion avancée.</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Loudness tags:</source>
        <translation>Tags de volume&#xa0;:</translation>
    </message>
    <message>
        <source>Album and track</source>
        <translation>Album et piste</translation>
    </message>
    <message>
        <source>Track only</source>
        <translation>Piste seule</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
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
        <translation>%1 restantes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>Stopped; %n file(s) not converted.</source>
        <translation>
            <numerusform>Arrêté ; %n fichier non converti.</numerusform>
            <numerusform>Arrêté ; %n fichiers non convertis.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cdtrack</name>
    <message>
        <source>The temporary-files folder does not exist.</source>
        <translation>Le dossier des fichiers temporaires n’existe pas.</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in %1: %2</source>
        <translation>Impossible de créer un fichier temporaire dans %1&#xa0;: %2</translation>
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
        <translation>remplacer %1 → %2</translation>
    </message>
    <message>
        <source>copy %1 → %2</source>
        <translation>copier %1 → %2</translation>
    </message>
    <message>
        <source>leave %1</source>
        <translation>laisser %1</translation>
    </message>
    <message>
        <source>leave %1: changed since Tonewright wrote it</source>
        <translation>laisser %1&#xa0;: modifié depuis son écriture par Tonewright</translation>
    </message>
    <message>
        <source>keep %1: written by a run cut short</source>
        <translation>garder %1&#xa0;: écrit par une exécution interrompue</translation>
    </message>
    <message>
        <source>trash %1</source>
        <translation>mettre à la corbeille %1</translation>
    </message>
    <message>
        <source>left out %1</source>
        <translation>ignoré %1</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>%1 is being updated by another Tonewright.</source>
        <translation>%1 est en cours de mise à jour par une autre instance de Tonewright.</translation>
    </message>
    <message>
        <source>%1 is up to date: %2 converted, %3 moved to the trash, %4 unchanged.</source>
        <translation>%1 est à jour&#xa0;: %2 convertis, %3 mis à la corbeille, %4 inchangés.</translation>
    </message>
    <message>
        <source>%1: not a sound or video file</source>
        <translation>%1&#xa0;: ni un fichier audio ni un fichier vidéo</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1&#xa0;: un lien, non suivi</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1&#xa0;: pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1&#xa0;: illisible</translation>
    </message>
    <message>
        <source>%1: the name is not valid text</source>
        <translation>%1&#xa0;: le nom n’est pas un texte valide</translation>
    </message>
</context>
</TS>
