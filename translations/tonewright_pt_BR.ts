<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Tonewright</source>
        <translation>Sobre o Tonewright</translation>
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
        <translation>Este programa é gratuito.</translation>
    </message>
    <message>
        <source>Share with your friends and enjoy it.</source>
        <translation>Compartilhe com seus amigos e aproveite.</translation>
    </message>
    <message>
        <source>This application uses FFmpeg as a standalone executable; its builds can be found at %1.</source>
        <translation>Este aplicativo usa o FFmpeg como programa independente; as compilações dele estão em %1.</translation>
    </message>
    <message>
        <source>You can download the source code on the site above.</source>
        <translation>Você pode baixar o código-fonte no site acima.</translation>
    </message>
    <message>
        <source>No FFmpeg libraries were built into this application.</source>
        <translation>Nenhuma biblioteca do FFmpeg foi incorporada a este aplicativo.</translation>
    </message>
    <message>
        <source>See %1 for more information in the installation directory if Tonewright.</source>
        <translation>Veja %1 na pasta de instalação do Tonewright para mais informações.</translation>
    </message>
</context>
<context>
    <name>AdPanel</name>
    <message>
        <source>Update available</source>
        <translation>Atualização disponível</translation>
    </message>
    <message>
        <source>Tonewright had been updated!
Please download the fresh version to avoid bugs and other problems.
Would you like to download it now?</source>
        <translation>Há uma nova versão do Tonewright!
Baixe-a para evitar erros e outros problemas.
Deseja baixá-la agora?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>AdvancedOptions</name>
    <message>
        <source>Advanced Conversion Options</source>
        <translation>Opções avançadas de conversão</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Opções avançadas</translation>
    </message>
    <message>
        <source>Convert to:</source>
        <translation>Converter para:</translation>
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
        <translation>Título:</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(não definido)</translation>
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
        <translation>Ano:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>C&amp;ancelar</translation>
    </message>
    <message>
        <source>&amp;Conversion settings</source>
        <translation>Con&amp;figurações</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converter</translation>
    </message>
    <message numerus="yes">
        <source>Advanced Conversion Options (%n files)</source>
        <translation>
            <numerusform>Opções avançadas de conversão (%n arquivo)</numerusform>
            <numerusform>Opções avançadas de conversão (%n arquivos)</numerusform>
        </translation>
    </message>
    <message>
        <source>(each file keeps its own)</source>
        <translation>(cada arquivo mantém o seu)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--%1 may be given only once</source>
        <translation>--%1 só pode ser informado uma vez</translation>
    </message>
    <message>
        <source>--volume takes one of %1</source>
        <translation>--volume aceita um destes valores: %1</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year aceita um ano de %1 a %2</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp</source>
        <translation>--each precisa de uma palavra de formato ou ppp</translation>
    </message>
    <message>
        <source>--each needs a format word or ppp, not &quot;%1&quot;</source>
        <translation>--each precisa de uma palavra de formato ou ppp, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be opened: its name is not valid text.</source>
        <translation>Não é possível abrir o arquivo &quot;%1&quot;: o nome dele não é um texto válido.</translation>
    </message>
    <message>
        <source>Only local files can be converted, not &quot;%1&quot;.</source>
        <translation>Só é possível converter arquivos locais, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no file; it is left out.</source>
        <translation>&quot;%1&quot; não é um arquivo; será ignorado.</translation>
    </message>
    <message>
        <source>--replaygain takes album, track or off</source>
        <translation>--replaygain aceita um destes valores: album, track, off</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is malformed.</source>
        <translation>O endereço “%1” está malformado.</translation>
    </message>
    <message>
        <source>This needs a dialog, but no display is available. Name the format and the file on the command line, as in: tonewright mp3 song.flac</source>
        <translation>Isto precisa de uma caixa de diálogo, mas nenhuma tela está disponível. Informe o formato e o arquivo na linha de comando, por exemplo: tonewright mp3 song.flac</translation>
    </message>
    <message>
        <source>No folder was chosen for the mirror.</source>
        <translation>Nenhuma pasta foi escolhida para a cópia convertida.</translation>
    </message>
    <message>
        <source>--into and --dry-run go with a folder to convert</source>
        <translation>--into e --dry-run só servem com uma pasta a converter</translation>
    </message>
    <message>
        <source>--into takes a single folder</source>
        <translation>--into aceita uma única pasta</translation>
    </message>
</context>
<context>
    <name>ConversionFrame</name>
    <message>
        <source>Tonewright - easy music conversion</source>
        <translation>Tonewright - conversão de música fácil</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://settings&quot;&gt;Settings&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://settings&quot;&gt;Configurações&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;chrome://about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;chrome://about&quot;&gt;Sobre&lt;/a&gt;</translation>
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
        <translation>O arquivo não existe mais.</translation>
    </message>
    <message>
        <source>The file was replaced by another program.</source>
        <translation>O arquivo foi substituído por outro programa.</translation>
    </message>
    <message>
        <source>This is not a file that can be converted.</source>
        <translation>Isto não é um arquivo que possa ser convertido.</translation>
    </message>
</context>
<context>
    <name>ConversionWindow</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
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
        <translation>Selecione o arquivo para converter</translation>
    </message>
    <message>
        <source>(not selected)</source>
        <translation>(nenhum selecionado)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;You can also start a conversion by right clicking the file you want to convert and selecting &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Convert to [format]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt; in Explorer.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;Você também pode clicar com o botão direito no arquivo no gerenciador de arquivos e escolher &lt;/span&gt;&lt;span style=&quot; font-size:9pt; font-weight:600;&quot;&gt;Converter para [formato]&lt;/span&gt;&lt;span style=&quot; font-size:9pt;&quot;&gt;.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Erro</translation>
    </message>
    <message>
        <source>Please browse for a file you want to convert!
</source>
        <translation>Escolha o arquivo que deseja converter!
</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>MirrorUpdate</name>
    <message>
        <source>Updating %1</source>
        <translation>Atualizando %1</translation>
    </message>
    <message numerus="yes">
        <source>Updating %Ln folders to %1</source>
        <translation>
            <numerusform>Atualizando %Ln pasta em %1</numerusform>
            <numerusform>Atualizando %Ln pastas em %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Looking through %1… %Ln files</source>
        <translation>
            <numerusform>Examinando %1… %Ln arquivo</numerusform>
            <numerusform>Examinando %1… %Ln arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds no files now (is its disk mounted?); %2 was left as it is.</source>
        <translation>%1 não contém mais arquivos (o disco está montado?); a pasta %2 ficou como estava.</translation>
    </message>
    <message>
        <source>Copying %L1 of %L2 files…</source>
        <translation>Copiando %L1 de %L2 arquivos…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 was changed since Tonewright wrote it and was left alone.</source>
        <translation>%1 foi alterado depois que o Tonewright o gravou e foi deixado como está.</translation>
    </message>
</context>
<context>
    <name>MirrorSession</name>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>Não é possível usar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be made a folder.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 appeared meanwhile and was left alone.</source>
        <translation>%1 apareceu nesse meio-tempo e foi deixado como está.</translation>
    </message>
    <message>
        <source>%1 was changed meanwhile and was left alone.</source>
        <translation>%1 foi alterado nesse meio-tempo e foi deixado como está.</translation>
    </message>
    <message>
        <source>%1 cannot be copied: %2</source>
        <translation>Não é possível copiar %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash.</source>
        <translation>Não é possível mover %1 para a lixeira.</translation>
    </message>
    <message>
        <source>%1 did not get its album&apos;s loudness values.</source>
        <translation>%1 não recebeu os valores de sonoridade do seu álbum.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>The SQLite library cannot be loaded.</source>
        <translation>Não é possível carregar a biblioteca SQLite.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message numerus="yes">
        <source>%1 of %Ln files converted.</source>
        <translation>
            <numerusform>%1 de %Ln arquivo convertido.</numerusform>
            <numerusform>%1 de %Ln arquivos convertidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln files could not be converted.</source>
        <translation>
            <numerusform>Não foi possível converter %1 de %Ln arquivo.</numerusform>
            <numerusform>Não foi possível converter %1 de %Ln arquivos.</numerusform>
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
        <translation>Tempo restante:</translation>
    </message>
    <message>
        <source>Now converting:</source>
        <translation>Convertendo:</translation>
    </message>
    <message numerus="yes">
        <source>Converting %n files to %1</source>
        <translation>
            <numerusform>Convertendo %n arquivo em %1</numerusform>
            <numerusform>Convertendo %n arquivos em %1</numerusform>
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
            <numerusform>%1 de %n, falhas: %2</numerusform>
            <numerusform>%1 de %n, falhas: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>Não foi possível converter %1 de %n arquivo.</numerusform>
            <numerusform>Não foi possível converter %1 de %n arquivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop converting? The last file not yet converted will be skipped.</source>
        <translation>Interromper a conversão? O último arquivo ainda não convertido será ignorado.</translation>
    </message>
    <message numerus="yes">
        <source>Stop converting? The %n files not yet converted will be skipped.</source>
        <translation>
            <numerusform>Interromper a conversão? %n arquivo ainda não convertido será ignorado.</numerusform>
            <numerusform>Interromper a conversão? Os %n arquivos ainda não convertidos serão ignorados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Soundmill</name>
    <message>
        <source>Source:</source>
        <translation>Origem:</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Tempo restante:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Less than &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Menos de &lt;b&gt;15&lt;/b&gt; segundos</translation>
    </message>
    <message>
        <source>About &lt;b&gt;15&lt;/b&gt; seconds</source>
        <translation>Cerca de &lt;b&gt;15&lt;/b&gt; segundos</translation>
    </message>
    <message>
        <source>About &lt;b&gt;30&lt;/b&gt; seconds</source>
        <translation>Cerca de &lt;b&gt;30&lt;/b&gt; segundos</translation>
    </message>
    <message>
        <source>About &lt;b&gt;45&lt;/b&gt; seconds</source>
        <translation>Cerca de &lt;b&gt;45&lt;/b&gt; segundos</translation>
    </message>
    <message>
        <source>About &lt;b&gt;1&lt;/b&gt; minute</source>
        <translation>Cerca de &lt;b&gt;1&lt;/b&gt; minuto</translation>
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
        <translation>Convertendo %1 para %2</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Calculando...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Conversion core module not found!
Please reinstall application.</source>
        <translation>Módulo de conversão não encontrado!
Reinstale o aplicativo.</translation>
    </message>
    <message>
        <source>Audio CD Ripping: Temporary WAV file</source>
        <translation>Extração de CD de áudio: arquivo WAV temporário</translation>
    </message>
    <message>
        <source>Ripping core module not found!
Please reinstall application.</source>
        <translation>Módulo de extração não encontrado!
Reinstale o aplicativo.</translation>
    </message>
    <message>
        <source>The track could not be read from the disc.</source>
        <translation>Não foi possível ler a faixa do disco.</translation>
    </message>
    <message>
        <source>The target directory is not writable.
Please choose another directory.</source>
        <translation>Não é possível gravar na pasta de destino.
Escolha outra pasta.</translation>
    </message>
    <message>
        <source>Conversion error!
Make sure that the file you are trying to convert is a valid video or audio file.
</source>
        <translation>Erro na conversão!
Verifique se o arquivo que você está tentando converter é um arquivo de áudio ou vídeo válido.
</translation>
    </message>
    <message>
        <source>Are your sure want to stop conversion and exit</source>
        <translation>Tem certeza de que deseja interromper a conversão e sair?</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>To set common settings open Tonewright in the start menu.
To change the volume of the file or add metadata select advanced conversion from Explorer.</source>
        <translation>Para as configurações gerais, abra o Tonewright pelo menu de aplicativos.
Para mudar o volume do arquivo ou adicionar metadados, escolha a conversão avançada no gerenciador de arquivos.</translation>
    </message>
    <message>
        <source>The file name is too long for the target folder.</source>
        <translation>O nome do arquivo é longo demais para a pasta de destino.</translation>
    </message>
    <message>
        <source>The temporary file for the track could not be created.</source>
        <translation>Não foi possível criar o arquivo temporário da faixa.</translation>
    </message>
    <message>
        <source>The target file was replaced by another program. Nothing was written to it.</source>
        <translation>O arquivo de destino foi substituído por outro programa. Nada foi gravado nele.</translation>
    </message>
    <message>
        <source>This file is not an audio or video file.</source>
        <translation>Este arquivo não é um arquivo de áudio ou vídeo.</translation>
    </message>
    <message>
        <source>The target folder must be chosen, but no display is available; set targetdir.</source>
        <translation>A pasta de destino precisa ser escolhida, mas nenhuma tela está disponível; defina targetdir.</translation>
    </message>
    <message>
        <source>The target folder is not writable, and no display is available to choose another; set targetdir.</source>
        <translation>Não é possível gravar na pasta de destino, e nenhuma tela está disponível para escolher outra; defina targetdir.</translation>
    </message>
</context>
<context>
    <name>SoundmillGui</name>
    <message>
        <source>Tonewright Settings</source>
        <translation>Configurações do Tonewright</translation>
    </message>
    <message>
        <source>Tonewright</source>
        <translation>Tonewright</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Bitrate:</source>
        <translation>Taxa de bits:</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Pa&amp;drão</translation>
    </message>
    <message>
        <source>Target directory:</source>
        <translation>Pasta de destino:</translation>
    </message>
    <message>
        <source>&amp;Same as the input</source>
        <translation>&amp;Mesma da origem</translation>
    </message>
    <message>
        <source>&amp;Ask before conversion</source>
        <translation>Perguntar &amp;antes</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>Send anonymus bug reports:</source>
        <translation>Enviar relatórios de erro anônimos:</translation>
    </message>
    <message>
        <source>&amp;helps making Tonewright better</source>
        <translation>a&amp;juda a melhorar o Tonewright</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#help&quot;&gt;Conversion help&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#help&quot;&gt;Ajuda sobre a conversão&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#about&quot;&gt;About&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#about&quot;&gt;Sobre&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Conversion help</source>
        <translation>Ajuda sobre a conversão</translation>
    </message>
    <message>
        <source>Just go to Explorer or your desktop, select your audio/video file and right click on it.
Select Convert to *file type* to convert the file to *file type*.
If you want to increase the volume select advanced conversion.</source>
        <translation>Abra o gerenciador de arquivos ou a área de trabalho, selecione o arquivo de áudio ou vídeo e clique nele com o botão direito.
Escolha &quot;Converter para *tipo de arquivo*&quot; para converter o arquivo em *tipo de arquivo*.
Se quiser aumentar o volume, escolha a conversão avançada.</translation>
    </message>
    <message>
        <source>%1 kbps</source>
        <translation>%1 kbps</translation>
    </message>
    <message>
        <source>Loudness tags:</source>
        <translation>Tags de volume:</translation>
    </message>
    <message>
        <source>Album and track</source>
        <translation>Álbum e faixa</translation>
    </message>
    <message>
        <source>Track only</source>
        <translation>Só a faixa</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
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
        <translation>faltam %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Stopped; %n file(s) not converted.</source>
        <translation>
            <numerusform>Interrompido; %n arquivo não convertido.</numerusform>
            <numerusform>Interrompido; %n arquivos não convertidos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cdtrack</name>
    <message>
        <source>The temporary-files folder does not exist.</source>
        <translation>A pasta de arquivos temporários não existe.</translation>
    </message>
    <message>
        <source>Cannot create a temporary file in %1: %2</source>
        <translation>Não é possível criar um arquivo temporário em %1: %2</translation>
    </message>
</context>
<context>
    <name>mirror</name>
    <message>
        <source>convert %1 → %2</source>
        <translation>converter %1 → %2</translation>
    </message>
    <message>
        <source>replace %1 → %2</source>
        <translation>substituir %1 → %2</translation>
    </message>
    <message>
        <source>copy %1 → %2</source>
        <translation>copiar %1 → %2</translation>
    </message>
    <message>
        <source>leave %1</source>
        <translation>deixar %1</translation>
    </message>
    <message>
        <source>leave %1: changed since Tonewright wrote it</source>
        <translation>deixar %1: alterado depois que o Tonewright o gravou</translation>
    </message>
    <message>
        <source>keep %1: written by a run cut short</source>
        <translation>manter %1: gravado por uma execução interrompida</translation>
    </message>
    <message>
        <source>trash %1</source>
        <translation>mover para a lixeira %1</translation>
    </message>
    <message>
        <source>left out %1</source>
        <translation>ignorado %1</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>%1 is being updated by another Tonewright.</source>
        <translation>A pasta %1 está sendo atualizada por outra instância do Tonewright.</translation>
    </message>
    <message>
        <source>%1 is up to date: %2 converted, %3 moved to the trash, %4 unchanged.</source>
        <translation>A pasta %1 está atualizada: %2 convertidos, %3 movidos para a lixeira, %4 sem alteração.</translation>
    </message>
    <message>
        <source>%1: not a sound or video file</source>
        <translation>%1: não é um arquivo de áudio ou vídeo</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1: é um link, não seguido</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation>%1: não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: não pode ser lido</translation>
    </message>
    <message>
        <source>%1: the name is not valid text</source>
        <translation>%1: o nome não é um texto válido</translation>
    </message>
</context>
</TS>
